// What the user does to the view: zoom with the wheel or the View menu,
// pan by dragging, fit the ring again, keep proportions. Each redraws, and
// in edit mode the handles follow the view.
#pragma once

#include <vector>

#include "state/State.h"

namespace tess {

// One step of the menu's Zoom In and Zoom Out; a wheel notch is smaller.
inline constexpr double kZoomStep = 2.0;
inline constexpr double kWheelStep = 1.25;

// Zooms around a canvas point (twips); factor above 1 looks closer.
void zoomAt(State& s, double x, double y, double factor);
// Zooms around the middle of the canvas.
void zoomIn(State& s);
void zoomOut(State& s);
// Moves what is shown by (dx, dy) twips, following the pointer.
void panView(State& s, double dx, double dy);
// The view as fitted when the ring was chosen: the background's while one
// is shown, since a background fixes the view, else the loaded ring's.
void fitView(State& s);
void setKeepProportions(State& s, bool keep);
// The canvas changed size: the handles follow what is now in view.
void canvasResized(State& s);

// Puts (lon, lat) in the middle of the canvas, at least `closer` times
// closer than the fit, so that a place named in a list can be seen.
void centreViewOn(State& s, double lon, double lat, double closer = 1.0);

// Shows the given bounds (west < east, south < north), the whole of them
// when proportions are kept.
void showBounds(State& s, double west, double south, double east, double north);

// Fits the view to the loaded ring's vertices; an empty view without any.
void fitViewToRing(State& s);
// Makes these points the background and fits the view to them.
void setBackground(State& s, std::vector<float> lon, std::vector<float> lat);

// Fits the view to the background's points.
void fitViewToBackground(State& s);

}  // namespace tess
