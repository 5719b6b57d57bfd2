// Writing the document: the commit of the current ring into its ring text,
// and the .poly file. Whole files are built in memory and written through
// a temporary file, so a failed save never damages the old file.
#include "document/Writer.h"

#include <string>

#include "document/Caption.h"
#include "document/Numbers.h"
#include "platform/Files.h"

namespace tess {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kIndent = "   ";
constexpr std::size_t kChunk = 2000;

std::string_view trimBlanks(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

void appendVertexLine(std::string& out, double lon, double lat) {
    out += kIndent;
    appendCommitLon(out, lon);
    out += ' ';
    appendCommitLat(out, lat);
    out += kCrLf;
}

// Every coordinate line we write is indented, since some readers skip
// lines that start in the first column.
void appendCoordinateLine(std::string& out, std::string_view line) {
    if (line.empty() || (line.front() != ' ' && line.front() != '\t')) out += kIndent;
    out += line;
    out += kCrLf;
}

std::string ringNumber(std::size_t k, bool hole) {
    std::string number = hole ? "!" : "";
    number += std::to_string(k + 1);
    return number;
}

}  // namespace

bool isHoleRing(std::string_view ringText) {
    // Line 0 is the title (first ring) or the rest of the END line; the
    // name line is the first non-blank line after it.
    std::size_t pos = ringText.find('\n');
    while (pos != std::string_view::npos) {
        std::size_t next = ringText.find('\n', pos + 1);
        std::string_view line = ringText.substr(pos + 1, (next == std::string_view::npos ? ringText.size() : next) - pos - 1);
        line = trimBlanks(line);
        if (!line.empty()) return line.find('.') == std::string_view::npos && line.front() == '!';
        pos = next;
    }
    return false;
}

bool savecurpoly(State& s, int index) {
    Document& d = s.doc;
    if (d.lastPoint < 2) {
        s.platform.message(kNoDataCommit);
        return false;
    }
    const std::string buffer = joinPath(s.systemDir, kRingBufferName);
    if (fileExists(buffer)) deleteFile(buffer);
    const std::size_t k = index < 0 ? 0 : static_cast<std::size_t>(index);
    if (k >= d.ringTexts.size()) return true;
    const bool hole = isHoleRing(d.ringTexts[k]);

    // A committed text has the shape of a text read from a file: line 0 is
    // the title (first ring) or empty, then the ring's number line.
    std::string chunk = k == 0 ? d.title : std::string();
    chunk += kCrLf;
    chunk += ringNumber(k, hole);
    chunk += kCrLf;

    // Flushed in chunks of about 2000 characters; each flush leaves an
    // empty line behind, which readers skip.
    std::string text;
    text.reserve(static_cast<std::size_t>(d.lastPoint) * 32 + 64);
    const auto last = static_cast<std::size_t>(d.lastPoint);
    for (std::size_t i = 1; i <= last; ++i) {
        appendVertexLine(chunk, d.ringLon[i - 1], d.ringLat[i - 1]);
        if (chunk.size() > kChunk) {
            text += chunk;
            text += kCrLf;
            chunk.clear();
        }
    }
    // The ring closes on its first vertex, whatever the last one holds.
    appendVertexLine(chunk, d.ringLon[0], d.ringLat[0]);
    text += chunk;
    text += kCrLf;

    writeWholeFile(buffer, text, false);  // the ring buffer is only a working copy
    d.ringTexts[k] = std::move(text);
    return true;
}

std::string polyFileText(const State& s) {
    const Document& d = s.doc;
    std::size_t size = 64;
    for (int k = 0; k < d.listCount && static_cast<std::size_t>(k) < d.ringTexts.size(); ++k)
        size += d.ringTexts[static_cast<std::size_t>(k)].size() + 64;
    std::string out;
    out.reserve(size + size / 8);
    for (std::size_t k = 0; k < static_cast<std::size_t>(d.listCount); ++k) {
        std::string_view ring = k < d.ringTexts.size() ? std::string_view(d.ringTexts[k]) : std::string_view();
        if (k == 0) {
            out += d.title;
            out += kCrLf;
        }
        out += ringNumber(k, isHoleRing(ring));
        out += kCrLf;
        // Every line but the piece after the last line feed.
        std::size_t pos = 0;
        for (std::size_t eol = ring.find('\n'); eol != std::string_view::npos; eol = ring.find('\n', pos)) {
            std::string_view line = ring.substr(pos, eol - pos);
            pos = eol + 1;
            if (line.find('.') == std::string_view::npos) continue;
            if (line.find('\r') == std::string_view::npos) {
                appendCoordinateLine(out, line);
            } else {
                std::string clean(line);
                std::erase(clean, '\r');
                appendCoordinateLine(out, clean);
            }
        }
        out += "END";
        out += kCrLf;
    }
    out += "END";
    out += kCrLf;
    return out;
}

bool savepoly(State& s, const std::string& fileName, int ringIndex) {
    if (s.doc.modified && !savecurpoly(s, ringIndex)) return false;
    s.platform.busyPointer();
    if (s.doc.listCount == 0) {
        s.platform.message(kNoDataSave);
        s.platform.normalPointer();
        return false;
    }
    std::string error = writeWholeFile(fileName, polyFileText(s));
    s.platform.processEvents();
    s.platform.normalPointer();
    if (!error.empty()) {
        s.platform.message(error + "\r\n\r\n" + kErrorSaving + fileName);
        return false;
    }
    s.doc.modified = false;
    cap(s, fileName);
    return true;
}

bool savetext(Platform& platform, const std::string& file, std::string_view buffer) {
    if (file.empty()) return false;
    std::string error = writeWholeFile(file, {buffer, kCrLf});
    platform.processEvents();
    platform.processEvents();
    if (!error.empty()) {
        platform.message(error + "\r\n\r\n" + kErrorSaving + file);
        return false;
    }
    return true;
}

void appendText(Platform& platform, const std::string& file, std::string_view text) {
    platform.processEvents();
    std::string line(text);
    line += kCrLf;
    appendWholeFile(file, line);
}

}  // namespace tess
