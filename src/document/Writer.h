// Writing the document back: the commit of the current ring into its text,
// the .poly file, and the two small file writers the rest of the program
// uses. Every file is written whole through a temporary file.
#pragma once

#include <string>
#include <string_view>

#include "app/State.h"

namespace tess {

inline constexpr const char* kNoDataCommit = "No Data";
inline constexpr const char* kNoDataSave = "No data";
inline constexpr const char* kErrorSaving = "Error saving ";
inline constexpr const char* kRingBufferName = "tmpfl";

// The ring's name line (the first non-blank line after line 0) starts
// with "!": the ring is a hole in the ring before it.
bool isHoleRing(std::string_view ringText);

// Rebuilds ringTexts element index from ringLon/ringLat (-1 means 0).
// False after "No Data" when there is nothing to commit.
bool savecurpoly(State& s, int index);

// Writes the document to fileName, committing the current ring first when
// the document is modified. True when the file was written; on failure the
// old file stays and `modified` stays set.
bool savepoly(State& s, const std::string& fileName, int ringIndex);

// The whole .poly text savepoly writes (title, numbered rings, END).
std::string polyFileText(const State& s);

// Replaces the file with buffer and one line break; reports a failure with
// the system's description and "Error saving ". True on success.
bool savetext(Platform& platform, const std::string& file, std::string_view buffer);

// Appends text and one line break to the file, creating it when missing.
// Failures are skipped silently.
void appendText(Platform& platform, const std::string& file, std::string_view text);

}  // namespace tess
