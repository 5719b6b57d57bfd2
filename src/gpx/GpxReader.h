// Importing GPX files, read as plain text: every point, in file order,
// becomes one closed ring of a new document, or the background.
#pragma once

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

// One point as its two attribute texts stand in the file.
struct GpxPointText {
    std::string_view lon;
    std::string_view lat;
    friend bool operator==(const GpxPointText&, const GpxPointText&) = default;
};

// Every point of a GPX text, in file order: waypoints, route points and
// track points alike. A point is a double-quoted latitude followed by one
// blank and lon="..."; the corners of a bounds element and anything that
// does not read as two numbers are passed over. The texts point into
// gpxText.
std::vector<GpxPointText> gpxPoints(std::string_view gpxText);
// The same, one point at a time.
void forEachGpxPoint(std::string_view gpxText, const std::function<void(const GpxPointText&)>& take);

// The document a GPX text becomes: the file's name without folder and
// .gpx ending as title, and one ring "1" holding every point in file order
// and the first point again.
PolyFile gpxToPolyFile(std::string_view fileName, std::string_view gpxText);

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
bool loadgpx(State& s, const std::string& path, int mode);

}  // namespace tess
