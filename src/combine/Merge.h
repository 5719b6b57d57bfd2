// Joining several .poly files into one: the rings of every file in order,
// renumbered 1, 2, 3, ... across all of them, under one title.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tess {

inline constexpr const char* kPleaseAddFiles = "Please add Files";

// Writes the merge of `files` to `output` under `title`. `progress`, when
// set, receives the caption text (" 0%", " 50%", ...) before each file.
// False when nothing was written (no files, or the write failed; both are
// reported through the platform).
bool save_merge(Platform& platform, const std::vector<std::string>& files,
                const std::string& title, const std::string& output,
                const std::function<void(const std::string&)>& progress = {});

}  // namespace tess
