// The area tools as changes to the document.
#include "tools/AreaTools.h"

#include <cmath>
#include <cstdio>
#include <new>
#include <optional>
#include <utility>

#include "document/Commit.h"
#include "editing/DocumentChanges.h"
#include "formats/DocumentFormats.h"
#include "geometry/Antimeridian.h"
#include "geometry/Areas.h"
#include "geometry/Geos.h"
#include "geometry/Measure.h"
#include "platform/Messages.h"
#include "tools/ToolAway.h"
#include "shell/FileHelpers.h"
#include "tools/RingTools.h"

namespace tess {

namespace {

// Every ring at once: the document holds one list and the change the
// other, and making or taking back the change swaps them, so the rings
// that stay the same share their text and cost nothing twice.
class ReplaceAllRings : public Change {
public:
    ReplaceAllRings(std::vector<RingText> rings, std::string name) : held_(std::move(rings)), name_(std::move(name)) {}
    std::string name() const override { return name_; }
    int apply(Document& d, LoadedRing& r) override { return swap(d, r); }
    int revert(Document& d, LoadedRing& r) override { return swap(d, r); }

private:
    int swap(Document& d, LoadedRing& r) {
        commitMovedVertices(d, r);
        unloadRing(r);
        std::swap(d.rings, held_);
        return 0;
    }
    std::vector<RingText> held_;
    std::string name_;
};

bool sameRings(const std::vector<RingText>& a, const std::vector<RingText>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].lines.data() != b[i].lines.data() || a[i].lines.size() != b[i].lines.size()) return false;
    return true;
}

// Runs a GEOS tool; its failure, or running out of memory, is told.
template <class Tool>
bool guarded(State& s, Tool tool) {
    try {
        return tool();
    } catch (const GeosError& e) {
        s.platform.message(std::string(kAreaToolFailed) + e.what());
    } catch (const std::bad_alloc&) {
        s.platform.message(kNotEnoughMemory);
    }
    return false;
}

std::string grouped(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::abs(value));
    std::string digits = text, out;
    const std::size_t point = digits.find('.');
    const std::size_t whole = point == std::string::npos ? digits.size() : point;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i < whole && (whole - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return (value < 0 ? "-" : "") + out;
}

// Whole units from 1000 up, one decimal from 10, three below.
int decimalsFor(double value) { return value >= 1000 ? 0 : value >= 10 ? 1 : 3; }

}  // namespace

bool replaceAllRings(State& s, std::vector<RingText> rings, const std::string& name) {
    if (rings.empty()) {
        s.platform.message(kNothingLeftOfArea);
        return false;
    }
    if (rings.size() > static_cast<std::size_t>(kMaxRings)) {
        s.platform.message(kTooManyRings);
        return false;
    }
    if (sameRings(rings, s.doc.content.rings)) return true;
    makeChange(s, std::make_unique<ReplaceAllRings>(std::move(rings), name));
    return true;
}

namespace {

const char* areaToolName(AreaTool tool) {
    return tool == AreaTool::Union ? "Union" : tool == AreaTool::Clip ? "Clip to File" : "Subtract File";
}

std::vector<RingText> areaToolResult(AreaTool tool, const std::vector<RingText>& rings, const std::vector<RingText>& other) {
    return tool == AreaTool::Union ? unionOfRings(rings) : tool == AreaTool::Clip ? clipRings(rings, other) : subtractRings(rings, other);
}

// The rings of the file a clip or subtract takes, none for a union; empty
// after a message when the file cannot be read.
std::optional<std::vector<RingText>> otherRings(State& s, AreaTool tool, const std::string& otherFile) {
    if (tool == AreaTool::Union) return std::vector<RingText>{};
    DocumentRead read = formatToRead(otherFile).read(otherFile, {});
    if (!read.ok()) {
        s.platform.message(read.error);
        return std::nullopt;
    }
    return std::move(read.file.rings);
}

}  // namespace

bool applyAreaTool(State& s, AreaTool tool, const std::string& otherFile) {
    const std::optional<std::vector<RingText>> other = otherRings(s, tool, otherFile);
    if (!other) return false;
    return guarded(s, [&] {
        const std::vector<RingText>& rings = committedRings(s);
        s.platform.busyPointer();
        std::vector<RingText> result;
        try {
            result = areaToolResult(tool, rings, *other);
        } catch (...) {
            s.platform.normalPointer();
            throw;
        }
        s.platform.normalPointer();
        return replaceAllRings(s, std::move(result), areaToolName(tool));
    });
}

void areaToolCommand(State& s, AreaTool tool) {
    if (s.work.running()) return;
    if (s.edit.outline.pointCount > 0) {
        s.platform.message(kAddOrCancel);
        return;
    }
    std::string file;
    if (tool != AreaTool::Union) {
        file = fileDialog(s.platform, false, readableFilters(), "", documentFolder(s.doc));
        if (file.empty()) return;
    }
    std::optional<std::vector<RingText>> other = otherRings(s, tool, file);
    if (!other) return;
    // The rings are copies that share their text: the document may be
    // looked through meanwhile, never changed.
    runToolAway<std::vector<RingText>>(
        s, areaToolName(tool), kAreaToolFailed,
        [rings = committedRings(s), other = std::move(*other), tool](WorkProgress&) { return areaToolResult(tool, rings, other); },
        [&s, tool](std::vector<RingText>& result) { replaceAllRings(s, std::move(result), areaToolName(tool)); });
}

std::optional<int> removeHolesSmallerThan(State& s, double squareKilometres) {
    HolesRemoved result = removeSmallHoles(committedRings(s), squareKilometres * kSquareMetresPerSquareKilometre);
    if (result.removed > 0 && !replaceAllRings(s, std::move(result.rings), "Remove Holes")) return std::nullopt;
    return result.removed;
}

std::string holesRemovedText(int count) {
    return count == 1 ? std::string(kOneHoleRemoved) : std::to_string(count) + kHolesRemoved;
}

bool splitRingsAtAntimeridian(State& s) {
    return guarded(s, [&] {
        const std::vector<RingText>& rings = committedRings(s);
        std::vector<RingText> out;
        bool any = false;
        for (const RingText& ring : rings) {
            const Vertices v = verticesOf(ring.lines);
            if (!crossesAntimeridian(v)) {
                out.push_back(ring);
                continue;
            }
            any = true;
            // The pieces keep the ring's name, as a grow's pieces do.
            for (const Vertices& piece : splitAtAntimeridian(v)) out.push_back(ownRingText(ring.name, vertexLines(piece)));
        }
        if (!any) {
            s.platform.message(kNoRingCrossesLine);
            return false;
        }
        return replaceAllRings(s, std::move(out), "Split at \xC2\xB1" "180\xC2\xB0");
    });
}

std::string squareKilometresText(double squareMetres) {
    const double km2 = squareMetres / kSquareMetresPerSquareKilometre;
    return grouped(km2, decimalsFor(km2)) + " km\xC2\xB2";
}

std::string kilometresText(double metres) { return grouped(metres / 1000, decimalsFor(metres / 1000)) + " km"; }

std::string loadedRingSize(const State& s) {
    const LoadedRing& r = s.doc.loaded;
    if (!r.loaded(s.doc.content)) return {};
    // The last ring measured, told by its text and its moved vertices: the
    // status bar asks at every move of the pointer.
    struct Measured {
        const char* lines = nullptr;
        std::size_t size = 0;
        std::uint64_t checksum = 0;  // told apart from another text at the same address
        std::vector<double> lon, lat;  // the vertices, when some were moved
        std::string text;
    };
    static Measured last;
    const RingText& ring = s.doc.content.rings[static_cast<std::size_t>(r.index)];
    const bool movedNow = r.movedElsewhere();
    if (last.lines == ring.lines.data() && last.size == ring.lines.size() && last.checksum == ring.facts.checksum && !last.text.empty() &&
        (!movedNow ? last.lon.empty() : last.lon == r.lon && last.lat == r.lat))
        return last.text;
    Vertices v;
    forEachLoadedVertex(s.doc.content, r, [&](double lon, double lat) { v.push_back({lon, lat}); });
    last = {ring.lines.data(), ring.lines.size(), ring.facts.checksum, movedNow ? r.lon : std::vector<double>{}, movedNow ? r.lat : std::vector<double>{},
            squareKilometresText(ringArea(v)) + ", " + kilometresText(ringPerimeter(v)) + " around"};
    return last.text;
}

std::vector<std::string> areaLines(const std::vector<RingText>& rings) {
    std::vector<std::string> lines;
    lines.reserve(rings.size() + 1);
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const double area = ringTextArea(rings[k]);
        lines.push_back("Ring " + std::to_string(k + 1) + ": " + squareKilometresText(area) +
                        (isHoleName(rings[k].name) ? ", hole" : ""));
    }
    lines.push_back("Total: " + squareKilometresText(documentArea(rings)));
    return lines;
}

}  // namespace tess
