// Writing the document: the .poly file, written through a temporary file
// so that a failed save never damages the old file.
#include "session/Saving.h"

#include "document/Commit.h"
#include "platform/Files.h"

namespace tess {

namespace {

// Writes the document's rings to the file, ring k's lines by lines(k, ...),
// and names the document after the file; on failure the message, and the
// document is left as it was. The repairs the write made are named.
template <class Lines>
bool writeRingsTo(OpenDocument& d, Platform& platform, const std::string& path, Lines lines) {
    if (d.content.rings.empty()) {
        platform.message(kNoDataSave);
        return false;
    }
    platform.busyPointer();
    AtomicFile file(path);
    auto put = [&](std::string_view piece) { file.write(piece); };
    const WriteReport report = writePolyText(d.content.title, d.content.rings, d.content.frame, put, lines);
    const std::string error = file.commit();
    platform.processEvents();
    platform.normalPointer();
    if (!error.empty()) {
        platform.message(errorSavingMessage(error, path));
        return false;
    }
    d.fileName = path;
    d.ownFile = path;
    markSaved(d);
    d.saveNotice = repairNotice(report);
    return true;
}

}  // namespace

void commitEdits(OpenDocument& d) { commitMovedVertices(d.content, d.loaded); }

bool saveDocumentTo(OpenDocument& d, Platform& platform, const std::string& path) {
    commitEdits(d);
    return writeRingsTo(d, platform, path, [&](std::size_t k, std::string& out, auto& put, WriteReport& report) {
        writeRingLines(d.content.rings[k], d.content.frame.lineEnd, out, put, report);
    });
}

bool exportDocument(OpenDocument& d, Platform& platform, const DocumentFormat& format, const std::string& path,
                    int ring) {
    commitEdits(d);
    platform.busyPointer();
    AtomicFile file(path);
    const DocumentWrite written = format.write(d.content, ring, [&](std::string_view piece) { file.write(piece); });
    const std::string error = written.ok() ? file.commit() : std::string();
    platform.processEvents();
    platform.normalPointer();
    if (!written.ok()) {
        platform.message(written.error);
        return false;
    }
    if (!error.empty()) {
        platform.message(errorSavingMessage(error, path));
        return false;
    }
    if (!written.note.empty()) platform.message(written.note);
    return true;
}

bool saveDocumentCommittedTo(OpenDocument& d, Platform& platform, const std::string& path) {
    commitEdits(d);
    return writeRingsTo(d, platform, path, [&](std::size_t k, std::string& out, auto& put, WriteReport& report) {
        loadRingNumbers(d.content, d.loaded, static_cast<int>(k), false);
        // A ring of one vertex stays as read.
        if (d.loaded.lastPoint < 1) writeRingLines(d.content.rings[k], d.content.frame.lineEnd, out, put, report);
        else appendCommittedLines(d.content, d.loaded, out, [&](std::string& o) { putWhenFull(o, put); });
    });
}

}  // namespace tess
