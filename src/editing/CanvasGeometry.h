// Small geometry helpers shared by the canvas actions: the drawable size,
// the half width of a handle, the centre of a square object, and the
// mapping of a canvas point back to single-precision coordinates.
#pragma once

#include "state/State.h"

namespace tess {

// The drawable size of the canvas in twips; the laid-out size while no
// canvas exists (tests and batch runs).
double canvasWidth(const State& s);
double canvasHeight(const State& s);

// Half the width of the marker template, rounded to a whole twip (50).
double markerHalf(const State& s);

struct Centre {
    double x = 0, y = 0;
};
inline Centre centreOf(const SquareObject& o) { return {o.left + o.width / 2, o.top + o.height / 2}; }

// The point under (x, y) in single precision. False, and lon/lat
// untouched, when the canvas is too small to map.
bool canvasToMap(const State& s, double x, double y, float& lon, float& lat);

// Rounds to the nearest 32-bit integer, halves to even; values beyond the
// range are clamped so that no press can overflow.
int roundToInt32(double value);

}  // namespace tess
