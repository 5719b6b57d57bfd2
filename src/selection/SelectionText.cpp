// The selection outline as ring text, read back from where its markers
// stand on the canvas.
#include <cstddef>

#include "document/Numbers.h"
#include "editing/CanvasGeometry.h"
#include "selection/Selection.h"

namespace tess {

namespace {

std::string coordText(float value) {
    std::string text = shortestText(value);
    // Other programs read a line without a period as a name, not a point.
    if (text.find('.') == std::string::npos) text += ".0";
    return text;
}

bool boundPairIsZero(const ViewState& v) {
    return (v.maxLon == 0 && v.minLon == 0) || (v.maxLat == 0 && v.minLat == 0);
}

}  // namespace

std::string selectionCoordLine(float lon, float lat) {
    return "   " + coordText(lon) + " " + coordText(lat);
}

std::optional<RingText> selectionRing(State& s) {
    if (boundPairIsZero(s.view)) {
        s.platform.message(kNoLatLon);
        return std::nullopt;
    }
    std::string text;
    std::string firstLine;
    const double h = markerHalf(s);
    for (int k = 1; k <= s.edit.outline.pointCount && k <= kMaxSelectionPoints; ++k) {
        const auto ku = static_cast<std::size_t>(k);
        float lon = s.edit.outline.lon[ku], lat = s.edit.outline.lat[ku];
        // The marker may have been dragged; its centre is the point. On a
        // canvas too small to map the point keeps its stored coordinates.
        if (s.edit.overlays.markers.exists(ku)) {
            const SquareObject& marker = s.edit.overlays.markers[ku];
            canvasToMap(s, marker.left + h, marker.top + h, lon, lat);
        }
        const std::string line = selectionCoordLine(lon, lat);
        text += line + "\n";
        if (k == 1) firstLine = line;
    }
    if (!firstLine.empty()) text += firstLine + "\n";
    return ownRingText("1", std::move(text));
}

}  // namespace tess
