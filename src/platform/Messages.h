// Every message the program shows or prints, word for word: message
// boxes, questions, the status bar's notes and the batch commands' errors.
// A text that names a file says its own first line as it stands and the
// file on the second (fileMessage).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// Opening and saving documents

// Asked before unsaved changes are dropped for another document.
inline constexpr const char* kChangesNotSaved = "Changes not saved. Continue Anyway?";
// The name of a document that never had a file.
inline constexpr const char* kUntitled = "untitled.poly";
inline constexpr const char* kCannotOpenFile =
    "Cannot open file.\r\n\r\nTry renaming it ( & folder) using non-Unicode asci";
inline constexpr const char* kCannotFindEnd = "Cannot find END";
inline constexpr const char* kCheckPolyFile = "Error. Check poly file ";
inline constexpr const char* kTooManyRings = "Too many rings: a document holds at most 32,767.";
inline constexpr const char* kNoDataSave = "No data";
inline constexpr const char* kErrorSaving = "Error saving ";
// After a save: "3 lines repaired so that other tools read them".
inline constexpr const char* kLinesRepaired = " repaired so that other tools read them";

// Files

// The error text for a name that is a folder, a device, a pipe or a
// socket where a file is wanted.
inline constexpr const char* kNotRegularFile = "Not a regular file";
inline constexpr const char* kOpeningFile = "Opening ";
inline constexpr const char* kFileTooLarge = "The file is too large to be read into memory";
inline constexpr const char* kReadOnlyFile = "The file is read-only";
inline constexpr const char* kReplaceFile = "Replace file?";
inline constexpr const char* kReplaceReadOnlyFile = "Replace file?\n\nIt is read-only.";

// The File menu and closing

inline constexpr const char* kStartNewProject = "Start a new project?";
inline constexpr const char* kSaveSelectionFirst = "Save Selection";
inline constexpr const char* kNoSelectionFound = "No selection found";
inline constexpr const char* kFileNotSaved = "File not saved . Save file ?";
inline constexpr const char* kSaveChanges = "Save changes";

// GPX

inline constexpr const char* kCannotFindGpx = "Cannot find gpx:";
inline constexpr const char* kGpxBrokenAt = "The GPX file breaks off at ";
inline constexpr const char* kGpxPointPassedOver = "1 point was passed over: its coordinates are not numbers.";
inline constexpr const char* kGpxPointsPassedOver = " points were passed over: their coordinates are not numbers.";
inline constexpr const char* kGpxChangesQuestion =
    "Current changes not saved.\r\n\r\nContinue anyway?";

// GeoJSON

inline constexpr const char* kNotGeoJson = "Not a GeoJSON file: ";
inline constexpr const char* kNoOuterRing = "Only holes: GeoJSON needs an outer ring to hold them";
inline constexpr const char* kNoPolygon = "No ring has three distinct vertices: GeoJSON has no polygon to write";

// Editing

inline constexpr const char* kOutOfViewNotice = "Change background to see selected poly";
inline constexpr const char* kNoData = "No Data";
inline constexpr const char* kTooManyNodes = "Too many nodes to edit ";
inline constexpr const char* kZoomInToEditLine = "Zoom in to edit the vertices in view.";
inline constexpr const char* kAddOrCancel = "Please Add (+) or Cancel (ESc) selection";
inline constexpr const char* kNoCoordinates =
    "No coordinates found.\r\n\r\nPlease load a background file.";
inline constexpr const char* kZoomInToEdit = "Too many vertices in view to edit: zoom in";

// The selection outline

inline constexpr const char* kCreatePolygon = "Please create a Polygon.";
inline constexpr const char* kMoreThanOne = "File must contain more than 1 polygon";
inline constexpr const char* kAreYouSure = "Are you sure?";
inline constexpr const char* kNoLatLon =
    "No Latitude/Longitude Data\r\n\r\nPress ESC to cancel selection";

// Backgrounds

inline constexpr const char* kNotAPolyFile = "Not a poly file:";
inline constexpr const char* kNoPreviousBackground = "No previous background found";

// Combining files

inline constexpr const char* kOpenCombined = "The combined file was saved. Open it now?";
inline constexpr const char* kPleaseAddFiles = "Please add Files";
// Heads the list of chosen files that were missing, empty or unreadable
// and so added nothing to the merged file.
inline constexpr const char* kFilesLeftOut = "These files could not be read and were left out:";

// The polygon tools

inline constexpr const char* kBeyondTheEarth = "Distances beyond 20,000 km do not fit on the Earth.";
inline constexpr const char* kOffTheGlobe =
    "The ring has coordinates beyond latitude -90..90 or longitude -360..360, which are not places on the Earth.";
inline constexpr const char* kNothingLeft = "Nothing is left of the ring at this distance.";
inline constexpr const char* kToolFailed = "The ring could not be changed: ";
inline constexpr const char* kCheckFailed = "The document could not be checked: ";
inline constexpr const char* kCheckingDocument = "Checking the document";
inline constexpr const char* kNotEnoughMemory = "Not enough memory";
inline constexpr const char* kExportLeftOut = "Rings of fewer than three distinct vertices were left out:";

// The area tools

inline constexpr const char* kNothingLeftOfArea = "Nothing is left of the area.";
inline constexpr const char* kAreaToolFailed = "The area could not be changed: ";
inline constexpr const char* kOneHoleRemoved = "1 hole was removed.";
inline constexpr const char* kHolesRemoved = " holes were removed.";
inline constexpr const char* kNoRingCrossesLine = "No ring crosses the \xC2\xB1" "180\xC2\xB0 line.";
inline constexpr const char* kHoleAreaPrompt = "Remove the holes smaller than this area, in km\xC2\xB2:";
inline constexpr const char* kAreasHeading = "Areas on the WGS84 ellipsoid:";
inline constexpr const char* kMergeOverlappingAreas = "Merge overlapping areas";
inline constexpr const char* kCrossesLine = "crosses the \xC2\xB1" "180\xC2\xB0 line: extract tools refuse it (Tools \xE2\x80\xBA Split at \xC2\xB1" "180\xC2\xB0)";

// Help

inline constexpr const char* kHelpNotFound = "The help page was not found:";

// The batch commands' command line

inline constexpr const char* kTryHelp = "Try 'tessaline --help'.";

// A message about a file: its own first line as it stands, the file on the
// second, and the rest of what there is to say after a blank line.
inline std::string fileMessage(std::string_view text, std::string_view file) {
    const std::size_t lineEnd = text.find("\r\n");
    std::string message(text.substr(0, lineEnd));
    message += "\r\n";
    message += file;
    if (lineEnd != std::string_view::npos) {
        message += "\r\n\r\n";
        message += text.substr(lineEnd + 2);
    }
    return message;
}

// The map under the outline

inline constexpr const char* kOsmAttribution = "© OpenStreetMap contributors";
inline constexpr const char* kMapCannotOpen = "The map cannot be shown: ";
inline constexpr const char* kMapNoSuchFile = "there is no such file.";
inline constexpr const char* kMapNoSuchFolder = "there is no such folder.";
inline constexpr const char* kMapNoSqlite = "the SQLite driver of Qt SQL (libqt6sql6-sqlite) is not installed.";
inline constexpr const char* kMapNotMbTiles = "the file is not an MBTiles file (it has no tiles table).";
inline constexpr const char* kMapNotTileFolder = "the folder holds no {z}/{x}/{y} tiles.";
inline constexpr const char* kMapNotTemplate =
    "a tile URL starts with http:// or https:// and contains {z}, {x} and {y}.";
// Why a tile is missing, as the status bar names it.
inline constexpr const char* kMapTileNotInSource = "not in the source";
inline constexpr const char* kMapTileBroken = "a broken image";
inline constexpr const char* kMapTileNoAnswer = "no answer in time";
inline constexpr const char* kMapTileUrlTitle = "Tile URL";
inline constexpr const char* kMapTileUrlPrompt = "Tile URL with {z}, {x} and {y} (and {s} for a, b, c):";
inline constexpr const char* kMapAttributionPrompt = "Attribution shown on the map:";

inline const std::string kMapTimeoutWanted = "--map-timeout takes seconds from 0 to 3600, not '";

// "3 map tiles missing: HTTP 404", for the status bar.
inline std::string mapTilesMissingMessage(long long count, const std::string& reason) {
    return std::to_string(count) + (count == 1 ? " map tile missing: " : " map tiles missing: ") + reason;
}

// A failed write: "Error saving ", the file, and the system's reason.
inline std::string errorSavingMessage(const std::string& reason, const std::string& file) {
    return fileMessage(std::string(kErrorSaving) + "\r\n" + reason, file);
}

// A file that cannot be read: the reason, then the file.
inline std::string unreadableFileMessage(const std::string& file, const std::string& reason) {
    return fileMessage(reason, file);
}

// OpenStreetMap boundaries

inline constexpr const char* kImportOsmBoundary = "Import OSM Boundary\u2026";
inline constexpr const char* kOsmFilesFilter = "OpenStreetMap Files (*.osm.pbf *.pbf *.osm *.osm.bz2 *.osm.gz *.opl)";
inline constexpr const char* kNotOsmData = "Not OpenStreetMap data: ";
inline constexpr const char* kNoBoundaries = "No relation tagged type=boundary or type=multipolygon was found in this file.";
inline constexpr const char* kListingBoundaries = "Listing the boundaries\u2026";
inline constexpr const char* kAssemblingOutlines = "Assembling the outlines\u2026";
inline constexpr const char* kChooseBoundaries = "Choose Boundaries";
inline constexpr const char* kBoundaryFilter = "Filter by name or id";
inline constexpr const char* kBoundaryColumns[] = {"Name", "admin_level", "boundary", "Id", "Members"};
inline constexpr const char* kImportClosingRings = "Import the rings that close?";
inline constexpr const char* kNoRingCloses = "No ring of the chosen relations closes: nothing was imported.";
inline constexpr const char* kOutlineProblems = "Where the outline is incomplete";
inline constexpr const char* kOutsideOsmRange = "A vertex lies outside -180..180, -90..90, where OpenStreetMap data has no place.";
// An OpenStreetMap file opened as a document must hold one boundary.
inline std::string chooseRelationsMessage(std::size_t count) {
    return "This file holds " + std::to_string(count) +
           " boundary relations: choose them with File \u203a Import OSM Boundary\u2026 or --relation ID.";
}
inline constexpr const char* kOsmWritesXml = "OpenStreetMap data is written as OSM XML: name the file .osm";

// "Relation 62422 (Berlin) is incomplete: 3 member ways are missing from
// this file"; without missing ways, where its rings stay open.
inline std::string incompleteRelationMessage(const std::string& label, std::int64_t missingWays, std::int64_t openEnds) {
    std::string text = "Relation " + label + " is incomplete: ";
    if (missingWays > 0)
        return text + std::to_string(missingWays) + (missingWays == 1 ? " member way is" : " member ways are") +
               " missing from this file";
    return text + "its rings do not close at " + std::to_string(openEnds) + (openEnds == 1 ? " place" : " places");
}

// "Relation 51477 (Deutschland): 16 member relations (subarea) are not assembled"
inline std::string nestedRelationsMessage(const std::string& label, std::size_t count, const std::string& roles) {
    return "Relation " + label + ": " + std::to_string(count) + (count == 1 ? " member relation" : " member relations") +
           (roles.empty() ? "" : " (" + roles + ")") + (count == 1 ? " is" : " are") + " not assembled";
}

inline std::string relationNotFoundMessage(std::int64_t id) {
    return "Relation " + std::to_string(id) + " is no boundary or multipolygon relation of this file";
}

// A relation whose rings would not join for another reason (crossing or
// touching rings, ways that overlap).
inline std::string unassembledRelationMessage(const std::string& label, std::size_t problems) {
    return "Relation " + label + " could not be assembled: " + std::to_string(problems) +
           (problems == 1 ? " problem" : " problems");
}

inline constexpr const char* kRingsCrossAt = "Rings cross at ";
inline constexpr const char* kRingsTouchAt = "Rings touch at ";
inline constexpr const char* kWaysOverlapAt = "Ways overlap at ";

// One place where an outline stays open: "Open end at 13.1 52.4 (way 123)".
inline std::string openEndMessage(const std::string& lon, const std::string& lat, std::int64_t way) {
    return "Open end at " + lon + " " + lat + " (way " + std::to_string(way) + ")";
}

}  // namespace tess
