// Importing GPX files, read as plain text: every point, in file order,
// becomes one closed ring of a new document, or the background.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "state/State.h"
#include "document/PolyText.h"

namespace tess {

inline constexpr const char* kCannotFindGpx = "Cannot find gpx:";
inline constexpr const char* kGpxChangesQuestion =
    "Current changes not saved.\r\n\r\nContinue anyway?";

// One point's two coordinates as their attributes hold them, entities
// decoded and blanks around them removed. Valid while the point is taken.
struct GpxPointText {
    std::string_view lon;
    std::string_view lat;
    friend bool operator==(const GpxPointText&, const GpxPointText&) = default;
};

// What reading a GPX text's points met on the way.
struct GpxScan {
    std::int64_t points = 0;       // taken
    std::int64_t passedOver = 0;   // point elements whose coordinates do not read as numbers
    std::string brokenAt;          // where and why the XML breaks off; empty when it is whole
    bool whole() const { return brokenAt.empty(); }
};

// Every point of a GPX text (GPX 1.0 or 1.1), in file order: waypoints,
// route points and track points alike, read as XML whatever the order,
// quotes and white space of their attributes. Text that only looks like a
// point (in a comment, a description, a CDATA section) is no point. Where
// the XML breaks off, the points before it are taken and `brokenAt` says
// where.
GpxScan forEachGpxPoint(std::string_view gpxText, const std::function<void(const GpxPointText&)>& take);

// The document a GPX text becomes: the file's name without folder and
// .gpx ending as title, and one ring "1" holding every point in file order
// and the first point again.
struct GpxImport {
    PolyFile file;
    GpxScan scan;
};
GpxImport gpxToPolyFile(std::string_view fileName, std::string_view gpxText);

// The message for what a GPX import met beyond its points, or empty: the
// file broke off, or points were passed over.
std::string gpxScanMessage(const std::string& path, const GpxScan& scan);

// The document's file name after an import: the path with its .gpx ending,
// in any letter case, replaced by .poly.
std::string gpxDocumentName(const std::string& path);

// The name ends in .gpx, in any letter case.
bool namesGpxFile(std::string_view path);

// Opens a file as the document: a GPX import when its name ends in .gpx,
// else a .poly file. False after the file's message.
bool openDocumentFile(State& s, const std::string& path);

// mode 0 imports as the document, 1 as the background. True once the
// import has replaced the document (mode 0) or the background (mode 1);
// false when it was declined, or refused with a message.
bool importGpx(State& s, const std::string& path, int mode);

}  // namespace tess
