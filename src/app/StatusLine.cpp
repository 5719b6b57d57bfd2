#include "app/StatusLine.h"

#include <cmath>
#include <cstdio>

#include "tools/AreaTools.h"
#include "view/ViewArea.h"
#include "view/Zoom.h"

namespace tess {

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string zoomText(double factor) {
    // Whole factors read best; below ten one decimal helps, below one two.
    const int decimals = factor >= 10 ? 0 : factor >= 1 ? 1 : 2;
    std::string text = fixed(factor, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return "Zoom " + text + "\xC3\x97";  // the multiplication sign
}

}  // namespace

std::string groupedNumber(std::int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n), text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return n < 0 ? "-" + text : text;
}

StatusLine statusLine(const State& s, std::optional<std::pair<double, double>> pointer) {
    StatusLine line;
    const ViewState& v = s.view;
    const bool fitted = v.lonSpan > 0 && v.latSpan > 0;
    if (pointer && fitted) {
        const GeoPoint g = geoPointAt(v, pointer->first, pointer->second, canvasArea(s.canvas));
        line.pointer = "Lon " + fixed(g.lon, 7) + "  Lat " + fixed(g.lat, 7);
    }
    const LoadedRing& r = s.doc.loaded;
    if (r.loaded(s.doc.content)) {
        // The last vertex repeats the first: it is not counted twice.
        const std::int64_t vertices = r.lastPoint >= 1 ? r.lastPoint : std::max<std::int64_t>(r.lastPoint + 1, 0);
        line.ring = "Ring " + std::to_string(r.index + 1) + ": " + groupedNumber(vertices) +
                    (vertices == 1 ? " vertex" : " vertices");
        if (isHoleName(s.doc.content.rings[static_cast<std::size_t>(r.index)].name)) line.ring += ", hole";
        line.ring += ", " + loadedRingSize(s);
    }
    if (fitted) line.zoom = zoomText(zoomFactor(v));
    if (s.edit.tooManyInView) line.hint = kZoomInToEdit;
    else line.hint = s.doc.saveNotice;
    return line;
}

}  // namespace tess
