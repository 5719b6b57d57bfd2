// Joining several .poly files into one: the rings of every file in order,
// each with its name and its lines as written, under one title. A ring
// named by a number is numbered by its place in the combined file, so
// holes stay holes ("!" and the number).
#pragma once

#include "platform/Messages.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace tess {


// Writes the merge of `files` to `output` under `title`. `progress`, when
// set, receives the caption text (" 0%", " 50%", ...) before each file.
// Files that add no ring are named in one message afterwards. False when
// nothing was written (no files, none readable, more rings than a document
// holds, or the write failed; each is reported through the platform);
// `output` is then left as it was. With `mergeAreas` the rings are merged
// where they overlap or touch (geometry/Areas.h) before they are written.
bool combineFiles(Platform& platform, const std::vector<std::string>& files,
                const std::string& title, const std::string& output,
                const std::function<void(const std::string&)>& progress = {}, bool mergeAreas = false);

// The merged text of file contents given in list order, exactly as
// combineFiles writes it.
std::string mergeTexts(const std::vector<std::string_view>& texts, const std::string& title);

// The caption while file `index` of `count` is merged: the whole percent
// done after a blank, then "%" (" 0%", " 50%"; 100 is never reached).
std::string mergeProgressText(std::size_t index, std::size_t count);

}  // namespace tess
