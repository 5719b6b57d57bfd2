// The kinds of file a document is read from and written to, behind one
// interface: .poly files, GPX and GeoJSON. The file dialogs, the command
// line, drops and --convert all find their format here, by the file's name
// and, where the name says nothing, by its first bytes. A new kind of file
// is one more DocumentFormat in the list.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"
#include "document/PolyText.h"
#include "document/Writer.h"
#include "platform/Platform.h"

namespace tess {

// What reading a file gave.
struct DocumentRead {
    PolyFile file;
    std::string error;  // the file is refused: its message
    std::string note;   // read, with something to tell the user
    bool ok() const { return error.empty(); }
};

// What writing a document gave.
struct DocumentWrite {
    std::string error;  // nothing was written: its message
    std::string note;   // written, with something to tell the user
    WriteReport report;
    bool ok() const { return error.empty(); }
};

using TextPut = std::function<void(std::string_view)>;

class DocumentFormat {
public:
    virtual ~DocumentFormat() = default;
    // The file dialogs' entry: "Polygon Files (*.poly)" and "*.poly".
    virtual FileFilter filter() const = 0;
    // The endings its files' names have, in lower case; the first is the
    // one a written file gets.
    virtual std::vector<std::string> endings() const = 0;
    // The document read from such a file is that file itself, saved back
    // to it; from any other it is an import, unsaved, named after it.
    virtual bool holdsDocuments() const { return false; }
    // A text starting with these bytes is of this kind.
    virtual bool looksLike(std::string_view start) const = 0;
    virtual DocumentRead read(const std::string& path, const ReadProgress& progress) const = 0;
    // Writes the document, or its ring `ring` for a kind that holds one
    // ring, to `put` in pieces. Nothing is put when it is refused.
    virtual DocumentWrite write(const Document& d, int ring, const TextPut& put) const = 0;
    // Its files hold one ring of a document (a GPX route), not all of them.
    virtual bool writesOneRing() const { return false; }

    bool namesFile(std::string_view path) const;
};

const DocumentFormat& polyFormat();
const DocumentFormat& gpxFormat();
const DocumentFormat& geoJsonFormat();
const DocumentFormat& osmXmlFormat();
const DocumentFormat& osmDataFormat();
const std::vector<const DocumentFormat*>& documentFormats();

// The format a path's ending names, or null.
const DocumentFormat* formatNamedBy(std::string_view path);
// The format to read a file with: the one its name names, else the one its
// first bytes look like, else .poly.
const DocumentFormat& formatToRead(const std::string& path);

// The name a document imported from a file gets: its ending replaced by
// .poly (walk.gpx becomes walk.poly).
std::string polyNameFor(const std::string& path);

// Every readable kind in one entry, then each kind: the open dialog's list.
std::vector<FileFilter> readableFilters();

}  // namespace tess
