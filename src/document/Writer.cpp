// The .poly text of a document, and the small file writer the rest of the
// program uses; every file is written through a temporary file, so a
// failed write never damages the old one.
#include "document/Writer.h"

#include "platform/Files.h"

namespace tess {

std::string repairNotice(const WriteReport& report) {
    if (report.repairedLines == 0) return {};
    return std::to_string(report.repairedLines) + (report.repairedLines == 1 ? " line" : " lines") + kLinesRepaired;
}

std::string polyText(std::string_view title, const std::vector<RingText>& rings, const PolyFrame& frame) {
    std::string text;
    writePolyText(title, rings, frame, [&](std::string_view piece) { text += piece; });
    return text;
}

bool writeTextFile(Platform& platform, const std::string& file, std::string_view buffer) {
    if (file.empty()) return false;
    const std::string error = writeWholeFile(file, {buffer, "\r\n"});
    platform.processEvents();
    if (!error.empty()) {
        platform.message(errorSavingMessage(error, file));
        return false;
    }
    return true;
}

}  // namespace tess
