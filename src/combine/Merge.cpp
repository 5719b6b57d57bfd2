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
#include "geometry/Areas.h"
#include "geometry/Geos.h"
#include "platform/Files.h"

namespace tess {

namespace {

// The rings a file adds, each as it stands in its file: its name, and its
// lines' text in the combined file's line ends. Empty when it cannot be
// read; a file of more rings than a document holds sets `overLimit`.
std::vector<RingText> ringsToMerge(PolyParse parse, bool& overLimit) {
    overLimit = overLimit || parse.problem == PolyProblem::TooManyRings;
    if (!parse.ok()) return {};
    std::vector<RingText>& rings = parse.file.rings;
    for (RingText& ring : rings) {
        // Its place is another file's: a number name follows the new place.
        ring.place = 0;
        ring.leading.clear();
        ring.nameLineEnd.clear();
        ring.endLine.clear();
    }
    return std::move(rings);
}

}  // namespace

std::string mergeProgressText(std::size_t index, std::size_t count) {
    const std::uint64_t percent = count == 0 ? 0 : static_cast<std::uint64_t>(index) * 100 / count;
    return " " + std::to_string(percent) + "%";
}

std::string mergeTexts(const std::vector<std::string_view>& texts, const std::string& title) {
    std::vector<RingText> rings;
    bool overLimit = false;
    for (std::string_view text : texts)
        for (RingText& ring : ringsToMerge(parsePolyText(text), overLimit)) rings.push_back(std::move(ring));
    return polyText(title, rings);
}

bool combineFiles(Platform& platform, const std::vector<std::string>& files, const std::string& title,
                const std::string& output, const std::function<void(const std::string&)>& progress, bool mergeAreas) {
    if (files.empty()) {
        platform.message(kPleaseAddFiles);
        return false;
    }
    platform.busyPointer();
    std::vector<RingText> rings;
    std::vector<std::string> leftOut;
    bool overLimit = false;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (progress) progress(mergeProgressText(k, files.size()));
        platform.processEvents();
        std::vector<RingText> more;
        try {
            FileRead read = readFile(files[k]);
            if (read.ok()) more = ringsToMerge(parsePolyText(std::make_shared<const std::string>(std::move(read.text))), overLimit);
        } catch (const std::bad_alloc&) {
            more.clear();
        }
        if (more.empty() && !overLimit) leftOut.push_back(files[k]);
        for (RingText& ring : more) rings.push_back(std::move(ring));
        // Rings beyond what a document holds would be lost without a word:
        // nothing is written.
        overLimit = overLimit || rings.size() > static_cast<std::size_t>(kMaxRings);
        if (overLimit) break;
    }
    const bool tooMany = overLimit;
    if (mergeAreas && !rings.empty() && !tooMany) {
        try {
            rings = unionOfRings(rings);
        } catch (const GeosError& e) {
            platform.normalPointer();
            platform.message(std::string(kAreaToolFailed) + e.what());
            return false;
        }
    }
    std::string error;
    if (!rings.empty() && !tooMany) {
        AtomicFile file(output);
        writePolyText(title, rings, PolyFrame{}, [&](std::string_view piece) { file.write(piece); });
        error = file.commit();
    }
    platform.normalPointer();
    if (tooMany) {
        platform.message(kTooManyRings);
        return false;
    }

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
