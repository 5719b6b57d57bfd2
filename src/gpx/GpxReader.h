// Importing GPX files, read as plain text: every point, in file order,
// becomes one closed ring of a working .poly file that the ordinary
// readers then load.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/State.h"

namespace tess {

inline constexpr const char* kCannotFindGpx = "Cannot find gpx:";
inline constexpr const char* kGpxChangesQuestion =
    "Current changes not saved.\r\n\r\nContinue anyway?";
// The working file every import writes, in the working folder.
inline constexpr const char* kGpxWorkingFile = "tmp.poly";

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

// The title line of the working file for a GPX file name (no folder).
std::string gpxTitleLine(std::string_view fileName);

// The working .poly text for a GPX text: the title line, ring "1", one
// line per point, the first point again, an empty line, "END", "END".
// Lines end in CR LF; the text has no line break after the last "END".
std::string gpxToPolyText(std::string_view fileName, std::string_view gpxText);

// The document's file name after an import: the path lower-cased, every
// ".gpx" replaced by ".poly".
std::string gpxDocumentName(const std::string& path);

// mode 0 imports as the document, 1 as the background.
// True once the import has replaced the document (mode 0) or the
// background (mode 1); false when it was declined or the file is missing.
bool loadgpx(State& s, const std::string& path, int mode);

}  // namespace tess
