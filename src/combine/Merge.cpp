// Joining .poly files: every ring of every chosen file, in list order,
// numbered 1, 2, 3, ... across all files, under the title from the window.
// Each file is read by the same rules as an opened document; the merged
// file is written in pieces through a temporary file, so an existing file
// is either replaced whole or left as it was.
#include "combine/Merge.h"

#include <cstdint>
#include <memory>
#include <new>

#include "document/PolyText.h"
#include "document/Writer.h"
#include "platform/Files.h"

namespace tess {

namespace {

// The rings a file adds: all it holds but a last ring the text ends in
// before its END, which may be cut short. Empty when it cannot be read.
std::vector<RingText> ringsToMerge(PolyParse parse) {
    if (parse.problem != PolyProblem::None && parse.problem != PolyProblem::TooManyRings) return {};
    std::vector<RingText>& rings = parse.file.rings;
    if (parse.file.lastRingUnclosed) rings.pop_back();
    return std::move(rings);
}

void appendRings(std::vector<RingText>& all, std::vector<RingText> more) {
    const std::size_t room = static_cast<std::size_t>(kMaxRings) - std::min(all.size(), std::size_t(kMaxRings));
    if (more.size() > room) more.resize(room);
    for (RingText& ring : more) all.push_back(std::move(ring));
}

}  // namespace

std::string mergeProgressText(std::size_t index, std::size_t count) {
    const std::uint64_t percent = count == 0 ? 0 : static_cast<std::uint64_t>(index) * 100 / count;
    return " " + std::to_string(percent) + "%";
}

std::string mergeTexts(const std::vector<std::string_view>& texts, const std::string& title) {
    std::vector<RingText> rings;
    for (std::string_view text : texts) appendRings(rings, ringsToMerge(parsePolyText(text)));
    return polyText(title, rings);
}

bool save_merge(Platform& platform, const std::vector<std::string>& files, const std::string& title,
                const std::string& output, const std::function<void(const std::string&)>& progress) {
    if (files.empty()) {
        platform.message(kPleaseAddFiles);
        return false;
    }
    platform.busyPointer();
    std::vector<RingText> rings;
    std::vector<std::string> leftOut;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (progress) progress(mergeProgressText(k, files.size()));
        platform.processEvents();
        std::vector<RingText> more;
        try {
            FileRead read = readFile(files[k]);
            if (read.ok()) more = ringsToMerge(parsePolyText(std::make_shared<const std::string>(std::move(read.text))));
        } catch (const std::bad_alloc&) {
            more.clear();
        }
        if (more.empty()) leftOut.push_back(files[k]);
        appendRings(rings, std::move(more));
    }
    std::string error;
    if (!rings.empty()) {
        AtomicFile file(output);
        writePolyText(title, rings, [&](std::string_view piece) { file.write(piece); });
        error = file.commit();
    }
    platform.normalPointer();

    if (!leftOut.empty()) {
        std::string text = kFilesLeftOut;
        for (const std::string& path : leftOut) text += "\r\n" + path;
        platform.message(text);
    }
    // Nothing could be read: an existing file of that name is kept.
    if (rings.empty()) return false;
    if (!error.empty()) {
        platform.message(errorSavingMessage(error, output));
        return false;
    }
    return true;
}

}  // namespace tess
