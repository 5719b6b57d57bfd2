// Joining .poly files: every ring of every chosen file, in list order,
// renamed 1, 2, 3, ... across all files, under the title from the window.
// The output is built in memory and written in one piece, so an existing
// file is either replaced whole or left as it was.
#include "combine/Merge.h"

#include <cctype>
#include <cstdint>
#include <string_view>

#include "document/Numbers.h"
#include "document/Writer.h"
#include "platform/Files.h"

namespace tess {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
// A ring's lines are gathered in a buffer that goes to the output at each
// ring end and whenever it grows past this size. Each time the buffer goes
// out it is followed by a line break, so a buffer cut mid-ring leaves an
// empty line behind; readers skip empty lines.
constexpr std::size_t kChunkSize = 2000;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    return line;
}

bool isEndLine(std::string_view trimmed) {
    return trimmed.size() == 3 && std::toupper(static_cast<unsigned char>(trimmed[0])) == 'E' &&
           std::toupper(static_cast<unsigned char>(trimmed[1])) == 'N' &&
           std::toupper(static_cast<unsigned char>(trimmed[2])) == 'D';
}

bool isWholeNumberWord(std::string_view word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) word.remove_prefix(1);
    if (word.empty()) return false;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Two whole numbers and nothing else: a vertex written without decimal
// points. Other tools read it as a vertex, so it is kept as one rather
// than being taken for a ring name.
bool isWholeNumberPair(std::string_view trimmed) {
    std::size_t gap = 0;
    while (gap < trimmed.size() && !isBlank(trimmed[gap])) ++gap;
    if (gap == trimmed.size()) return false;
    return isWholeNumberWord(trimmed.substr(0, gap)) && isWholeNumberWord(trimBlanks(trimmed.substr(gap)));
}

// Gives each whole number of such a line a ".0" so that every reader,
// this program's included, sees a coordinate line.
std::string withDecimalPoints(std::string_view line) {
    std::string out;
    out.reserve(line.size() + 4);
    for (std::size_t i = 0; i < line.size(); ++i) {
        out += line[i];
        const bool digitEndsWord = std::isdigit(static_cast<unsigned char>(line[i])) &&
                                   (i + 1 == line.size() || isBlank(line[i + 1]));
        if (digitEndsWord) out += ".0";
    }
    return out;
}

// Coordinate lines keep their own indentation; a line that has none gets
// three blanks, the indentation other tools expect.
void appendCoordinateLine(std::string& buffer, std::string_view line) {
    if (line.empty() || line.front() != ' ') buffer += "   ";
    buffer += line;
    buffer += kLineBreak;
}

class MergeBuilder {
public:
    MergeBuilder(Platform& platform, std::string title) : platform_(platform), title_(std::move(title)) {}

    void addFile(std::string_view text, bool isFirstFile) {
        // Whatever the previous file left unfinished (no END) is dropped.
        buffer_.clear();
        titleInBuffer_ = false;
        bool seenCoordinates = false;
        bool isTitleLine = true;

        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            start = end + 1;
            if (line.find('\r') != std::string_view::npos) {
                withoutReturns_.assign(line);
                std::erase(withoutReturns_, '\r');
                line = withoutReturns_;
            }

            if (isTitleLine) {
                // The first line of every file is its title, whatever it
                // holds: the merged file carries the window's title instead.
                isTitleLine = false;
                if (isFirstFile) {
                    buffer_ += title_;
                    buffer_ += kLineBreak;
                    titleInBuffer_ = true;
                }
                continue;
            }

            const std::string_view trimmed = trimBlanks(line);
            if (trimmed.empty()) continue;

            const bool hasPeriod = line.find('.') != std::string_view::npos;
            if (hasPeriod || isWholeNumberPair(trimmed)) {
                if (buffer_.size() > kChunkSize) flushBuffer();
                if (hasPeriod)
                    appendCoordinateLine(buffer_, line);
                else
                    appendCoordinateLine(buffer_, withDecimalPoints(line));
                seenCoordinates = true;
            } else if (isEndLine(trimmed)) {
                // An END before any coordinates is the file's closing END
                // (or a stray one); only a ring's own END is kept.
                if (!seenCoordinates) continue;
                buffer_ += "END";
                seenCoordinates = false;
                platform_.processEvents();
                flushBuffer();
            } else if (trimmed.front() == '!') {
                // A hole stays a hole under its new number.
                ++ringCounter_;
                buffer_ += '!';
                buffer_ += std::to_string(ringCounter_);
                buffer_ += kLineBreak;
            } else if (readDecimal(line) > 0) {
                ++ringCounter_;
                buffer_ += std::to_string(ringCounter_);
                buffer_ += kLineBreak;
            } else if (isFirstFile) {
                // A ring of the first file with a name that is no number is
                // named after the title; in later files it gets no name.
                buffer_ += title_;
                buffer_ += kLineBreak;
            }
        }
    }

    std::string finish() {
        // What the last file left unfinished is dropped, the title with it.
        titleInBuffer_ = false;
        ensureTitle();
        output_ += "END";
        output_ += kLineBreak;
        return std::move(output_);
    }

private:
    // The title leads the output even when the first file gives nothing
    // (unreadable, or no ring closed by END).
    void ensureTitle() {
        if (titleWritten_) return;
        if (!titleInBuffer_) {
            output_ += title_;
            output_ += kLineBreak;
        }
        titleWritten_ = true;
    }

    void flushBuffer() {
        ensureTitle();
        output_ += buffer_;
        output_ += kLineBreak;
        buffer_.clear();
        titleInBuffer_ = false;
    }

    Platform& platform_;
    std::string title_;
    std::string output_;
    std::string buffer_;
    std::string withoutReturns_;  // the current line when it held returns
    std::int64_t ringCounter_ = 0;
    bool titleInBuffer_ = false;
    bool titleWritten_ = false;
};

}  // namespace

std::string mergeProgressText(std::size_t index, std::size_t count) {
    const std::uint64_t percent = count == 0 ? 0 : static_cast<std::uint64_t>(index) * 100 / count;
    return " " + std::to_string(percent) + "%";
}

std::string mergeTexts(Platform& platform, const std::vector<std::string_view>& texts,
                       const std::string& title) {
    MergeBuilder builder(platform, title);
    for (std::size_t k = 0; k < texts.size(); ++k) builder.addFile(texts[k], k == 0);
    return builder.finish();
}

bool save_merge(Platform& platform, const std::vector<std::string>& files, const std::string& title,
                const std::string& output, const std::function<void(const std::string&)>& progress) {
    if (files.empty()) {
        platform.message(kPleaseAddFiles);
        return false;
    }

    platform.busyPointer();
    MergeBuilder builder(platform, title);
    std::vector<std::string> unreadable;
    for (std::size_t k = 0; k < files.size(); ++k) {
        const std::string text = readWholeFile(files[k]);
        if (text.empty()) unreadable.push_back(files[k]);
        if (progress) progress(mergeProgressText(k, files.size()));
        builder.addFile(text, k == 0);
    }
    const std::string merged = builder.finish();
    const std::string error = writeWholeFile(output, merged);
    platform.normalPointer();

    if (!unreadable.empty()) {
        std::string text = kFilesLeftOut;
        for (const std::string& path : unreadable) {
            text += "\r\n";
            text += path;
        }
        platform.message(text);
    }
    if (!error.empty()) {
        platform.message(error + "\r\n\r\n" + kErrorSaving + output);
        return false;
    }
    return true;
}

}  // namespace tess
