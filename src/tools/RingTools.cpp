// The polygon tools applied to the document, and GeoJSON files.
#include "tools/RingTools.h"

#include <algorithm>
#include <new>

#include "document/Messages.h"
#include "document/Numbers.h"
#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "geometry/GeoJson.h"
#include "geometry/Geos.h"
#include "geometry/Simplify.h"
#include "gpx/GpxReader.h"
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

std::vector<FileFilter> geoJsonFilters() { return {{"GeoJSON Files (*.geojson *.json)", "*.geojson *.json"}}; }

}  // namespace

std::string simplifyName(int index) { return "Simplify Ring " + std::to_string(index + 1); }

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
    RingChange change{index, {}, (metres < 0 ? "Shrink Ring " : "Grow Ring ") + std::to_string(index + 1)};
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

std::string geoJsonDocumentName(const std::string& path) {
    const std::string lower = lowerAscii(path);
    const std::size_t ending = lower.ends_with(".geojson") ? 8 : lower.ends_with(".json") ? 5 : 0;
    return path.substr(0, path.size() - ending) + ".poly";
}

namespace {

// The GeoJSON file as the document, asking nothing.
bool replaceWithGeoJson(State& s, const std::string& path) {
    s.platform.busyPointer();
    GeoJsonRead read;
    try {
        // Read as it comes: the text is never held whole beside the rings.
        FileReader file(path);
        read = readGeoJson([&](char* buffer, std::size_t size) { return file.read(buffer, size); }, file.size());
        if (!file.error().empty()) read.error = file.error();
        if (!read.ok()) read.error = unreadableFileMessage(path, read.error);
    } catch (const std::bad_alloc&) {
        read.error = unreadableFileMessage(path, kFileTooLarge);
    }
    s.platform.normalPointer();
    if (!read.ok()) {
        s.platform.message(read.error);
        return false;
    }
    if (read.file.title.empty()) {
        const std::string name = geoJsonDocumentName(fileNameOf(path));
        read.file.title = name.substr(0, name.size() - 5);  // without ".poly"
    }
    // Not in a .poly file yet: unsaved, and its name only a proposal.
    replaceDocument(s, std::move(read.file), {geoJsonDocumentName(path), "", true});
    redraw(s, true);
    return true;
}

}  // namespace

bool importGeoJson(State& s, const std::string& path) {
    if (s.doc.modified && !s.platform.askYesNo(kChangesNotSaved)) return false;
    return replaceWithGeoJson(s, path);
}

bool exportGeoJson(State& s, const std::string& path) {
    commitEdits(s.doc);
    if (s.doc.content.rings.empty()) {
        s.platform.message(kNoDataSave);
        return false;
    }
    s.platform.busyPointer();
    std::string error;
    GeoJsonPlan plan;
    try {
        plan = planGeoJson(s.doc.content.rings);
        if (plan.error.empty()) {
            AtomicFile file(path);
            writeGeoJson(s.doc.content.title, plan, [&](std::string_view piece) { file.write(piece); });
            error = file.commit();
            if (!error.empty()) error = errorSavingMessage(error, path);
        } else {
            error = plan.error;
        }
    } catch (const GeosError& e) {
        error = std::string(kToolFailed) + e.what();
    }
    s.platform.normalPointer();
    if (!error.empty()) {
        s.platform.message(error);
        return false;
    }
    if (!plan.leftOut.empty()) {
        std::string message = kExportLeftOut;
        for (int k : plan.leftOut) message += " " + std::to_string(k + 1);
        s.platform.message(message);
    }
    return true;
}

void importGeoJsonCommand(State& s) {
    if (s.doc.modified && !s.platform.askYesNo(kChangesNotSaved)) return;
    const std::string path = fileDialog(s.platform, false, geoJsonFilters(), "", documentFolder(s.doc));
    // The question was asked before the dialog.
    if (!path.empty()) replaceWithGeoJson(s, path);
}

void exportGeoJsonCommand(State& s) {
    const std::string& name = s.doc.fileName.empty() ? std::string(kUntitled) : s.doc.fileName;
    const std::string proposal = fileNameOf(name.ends_with(".poly") ? name.substr(0, name.size() - 5) : name, 0) + ".geojson";
    std::string path = fileDialog(s.platform, true, geoJsonFilters(), proposal, documentFolder(s.doc));
    if (path.empty()) return;
    if (!namesGeoJsonFile(path)) path += ".geojson";
    if (!confirmReplace(s.platform, path)) return;
    exportGeoJson(s, path);
}

}  // namespace tess
