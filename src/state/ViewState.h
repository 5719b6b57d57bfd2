// The view: the bounds the canvas shows, fitted to the current ring or to
// the background, and the four bound labels above the canvas.
#pragma once

#include <array>
#include <string>

namespace tess {

// Fits start from these; both are exact in single precision.
inline constexpr float kSentinelMax = -1677721600.0f;
inline constexpr float kSentinelMin = 1677721600.0f;
// Inset of the mapped area inside the canvas, in twips.
inline constexpr int kMargin = 100;

struct ViewState {
    float minLon = kSentinelMin;
    float maxLon = kSentinelMax;
    float minLat = kSentinelMin;
    float maxLat = kSentinelMax;
    float lonSpan = 0;
    float latSpan = 0;
    // The four bound labels: minLon, minLat, maxLon, maxLat. "0000" means that
    // nothing has been fitted yet.
    std::array<std::string, 4> labels{"0000", "0000", "0000", "0000"};

    // Spans of the last fit, once settled on the canvas: the zoom factor
    // is measured against them.
    float fitLonSpan = 0;
    float fitLatSpan = 0;
    // The bounds were just fitted and not yet settled on the canvas.
    bool freshFit = true;
    // The user zoomed or panned since the last fit.
    bool userMoved = false;
    // A degree of longitude is shown cos(latitude) as wide as a degree of
    // latitude, so outlines keep their shape on the ground.
    bool keepProportions = false;
    // A map is shown under the outline: latitudes are spaced in Web
    // Mercator and pixels are square, so that the tiles and the outline
    // line up. Off, the mapping is the plain linear one.
    bool webMercator = false;
};

// Back to nothing fitted; the user's choice of proportions stays.
inline void forgetBounds(ViewState& v) {
    const bool keep = v.keepProportions, mercator = v.webMercator;
    v = ViewState();
    v.keepProportions = keep;
    v.webMercator = mercator;
}

}  // namespace tess
