// Reading a .poly file whole and checking it, without touching any open
// document.
#include "document/Reader.h"

#include <memory>
#include <new>

#include "platform/Files.h"

namespace tess {

PolyLoad readPolyFile(const std::string& path, const ReadProgress& progress) {
    PolyLoad load;
    if (!fileExists(path) && !folderExists(path)) {
        load.error = kCannotOpenFile;
        return load;
    }
    try {
        // Reading fills the first half of what progress hears, parsing the
        // second.
        FileRead read = readFile(path, progress ? ByteProgress([&](std::size_t done, std::size_t total) {
            progress(done / 2, total);
        }) : ByteProgress());
        if (!read.ok()) {
            load.error = unreadableFileMessage(path, read.error);
            return load;
        }
        // The rings share the text: it lives as long as one of them does.
        const auto parsed = [&](std::size_t done, std::size_t total) { progress(total / 2 + done / 2, total); };
        PolyParse parse = parsePolyText(std::make_shared<const std::string>(std::move(read.text)),
                                        progress ? ReadProgress(parsed) : ReadProgress());
        if (!parse.ok()) {
            load.error = polyProblemMessage(parse, path);
            return load;
        }
        load.file = std::move(parse.file);
    } catch (const std::bad_alloc&) {
        load.error = unreadableFileMessage(path, kFileTooLarge);
    }
    return load;
}

}  // namespace tess
