// The messages the document's readers and writers show, word for word.
#pragma once

#include <string>

namespace tess {

// Asked before unsaved changes are dropped for another document.
inline constexpr const char* kChangesNotSaved = "Changes not saved. Continue Anyway?";
// The name of a document that never had a file.
inline constexpr const char* kUntitled = "untitled.poly";

inline constexpr const char* kCannotOpenFile =
    "Cannot open file.\r\n\r\nTry renaming it ( & folder) using non-Unicode asci";
inline constexpr const char* kCannotFindEnd = "Cannot find END";
inline constexpr const char* kCheckPolyFile = "Error. Check poly file ";
inline constexpr const char* kTooManyRings = "Too many rings: a document holds at most 32,767.";
inline constexpr const char* kNoDataCommit = "No Data";
inline constexpr const char* kNoDataSave = "No data";
inline constexpr const char* kErrorSaving = "Error saving ";

// A failed write: the system's reason, a blank line, "Error saving " and
// the file.
inline std::string errorSavingMessage(const std::string& reason, const std::string& file) {
    return reason + "\r\n\r\n" + kErrorSaving + file;
}

// A file that cannot be read: the file, a blank line and the reason.
inline std::string unreadableFileMessage(const std::string& file, const std::string& reason) {
    return file + "\r\n\r\n" + reason;
}

}  // namespace tess
