// The polygon tools applied to the document, and GeoJSON files.
#include "tools/RingTools.h"

#include <algorithm>
#include <new>

#include "platform/Messages.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "geometry/GeoJson.h"
#include "geometry/Geos.h"
#include "geometry/Simplify.h"
#include "platform/Files.h"
#include "shell/FileHelpers.h"
#include "editing/Clearing.h"
#include "editing/Redraw.h"

namespace tess {

namespace {

const RingText& ringAt(const std::vector<RingText>& rings, int index) {
    return rings.at(static_cast<std::size_t>(index));
}

std::string withoutHoleMark(const std::string& name) { return isHoleName(name) ? name.substr(1) : name; }

}  // namespace

std::string simplifyName(int index) { return "Simplify Ring " + std::to_string(index + 1); }

std::string growName(int index, double metres) {
    return (metres < 0 ? "Shrink Ring " : "Grow Ring ") + std::to_string(index + 1);
}

const std::vector<RingText>& committedRings(State& s) {
    commitEdits(s.doc);
    return s.doc.content.rings;
}

std::int64_t vertexCount(const RingText& ring) {
    std::int64_t n = 0;
    forEachLine(ring.lines, [&](std::string_view) { ++n; });
    return n;
}

RingChange simplifyChange(const std::vector<RingText>& rings, int index, double metres) {
    const RingText& ring = ringAt(rings, index);
    return {index, {ownRingText(ring.name, vertexLines(simplifyRing(verticesOf(ring.lines), metres)))}, simplifyName(index)};
}

RingChange growChange(const std::vector<RingText>& rings, int index, double metres, Corners corners) {
    const RingText& ring = ringAt(rings, index);
    const bool hole = isHoleName(ring.name);
    RingChange change{index, {}, growName(index, metres)};
    for (const GrownRing& piece : growRing(closedVerticesOf(ring.lines), metres, corners, hole)) {
        const std::string name = piece.hole == hole ? ring.name : piece.hole ? "!" + ring.name : withoutHoleMark(ring.name);
        change.rings.push_back(ownRingText(name, vertexLines(piece.vertices)));
    }
    return change;
}

bool applyRingChange(State& s, const RingChange& change) {
    const Document& d = s.doc.content;
    if (change.index < 0 || change.index >= d.ringCount()) return false;
    // A tool that leaves the ring as it was (at most closing it) makes no
    // step to undo.
    const RingText& ring = d.rings[static_cast<std::size_t>(change.index)];
    if (change.rings.size() == 1 && change.rings.front().name == ring.name &&
        closedVerticesOf(change.rings.front().lines) == closedVerticesOf(ring.lines))
        return true;
    // A shrink that removes the last outer ring would leave only holes, or
    // nothing. The rings are counted only then: a batch run changes every
    // ring of a document of 32,767.
    auto lastOuter = [&] {
        if (isHoleName(ring.name)) return false;
        return std::count_if(d.rings.begin(), d.rings.end(), [](const RingText& r) { return !isHoleName(r.name); }) == 1;
    };
    if (change.rings.empty() && (d.ringCount() == 1 || lastOuter())) {
        s.platform.message(kNothingLeft);
        return false;
    }
    if (d.ringCount() - 1 + static_cast<int>(change.rings.size()) > kMaxRings) {
        s.platform.message(kTooManyRings);
        return false;
    }
    makeChange(s, replaceRing(change.index, change.rings, change.name));
    return true;
}

}  // namespace tess
