// The messages the document's readers and writers show, word for word.
#pragma once

namespace tess {

inline constexpr const char* kCannotOpenFile =
    "Cannot open file.\r\n\r\nTry renaming it ( & folder) using non-Unicode asci";
inline constexpr const char* kCannotFindEnd = "Cannot find END";
inline constexpr const char* kCheckPolyFile = "Error. Check poly file ";
inline constexpr const char* kTooManyRings = "Too many rings: a document holds at most 32,767.";
inline constexpr const char* kNoDataCommit = "No Data";
inline constexpr const char* kNoDataSave = "No data";
inline constexpr const char* kErrorSaving = "Error saving ";

}  // namespace tess
