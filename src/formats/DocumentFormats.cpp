#include "formats/DocumentFormats.h"

#include <new>

#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "formats/Gpx.h"
#include "geometry/GeoJson.h"
#include "geometry/Geos.h"
#include "osm/Boundaries.h"
#include "osm/OsmImport.h"
#include "osm/OsmXml.h"
#include "platform/Files.h"
#include "platform/Messages.h"

namespace tess {

namespace {

// The text after a byte-order mark and white space.
std::string_view contentStart(std::string_view start) {
    if (start.starts_with("\xEF\xBB\xBF")) start.remove_prefix(3);
    while (!start.empty() && (start.front() == ' ' || start.front() == '\t' || start.front() == '\r' || start.front() == '\n'))
        start.remove_prefix(1);
    return start;
}

// The file's name without its folder and without the format's ending.
std::string baseName(const DocumentFormat& format, const std::string& path) {
    const std::string name = fileNameOf(path);
    const std::string lower = lowerAscii(name);
    for (const std::string& ending : format.endings())
        if (lower.ends_with(ending)) return name.substr(0, name.size() - ending.size());
    return name;
}

// With the file on the second line.
std::string aboutFile(const std::string& text, const std::string& path) {
    return text.empty() ? text : fileMessage(text, path);
}

class PolyFormat : public DocumentFormat {
public:
    FileFilter filter() const override { return {"Polygon Files (*.poly)", "*.poly"}; }
    std::vector<std::string> endings() const override { return {".poly"}; }
    bool holdsDocuments() const override { return true; }
    // The title line may hold anything: a .poly file is told by its name.
    bool looksLike(std::string_view) const override { return false; }

    DocumentRead read(const std::string& path, const ReadProgress& progress) const override {
        PolyLoad load = readPolyFile(path, progress);
        return {std::move(load.file), std::move(load.error), {}};
    }

    DocumentWrite write(const Document& d, int, const TextPut& put) const override {
        DocumentWrite written;
        if (d.rings.empty()) {
            written.error = kNoDataSave;
            return written;
        }
        written.report = writePolyText(d.title, d.rings, d.frame, put);
        written.note = repairNotice(written.report);
        return written;
    }
};

class GpxFormat : public DocumentFormat {
public:
    FileFilter filter() const override { return {"GPX Files (*.gpx)", "*.gpx"}; }
    std::vector<std::string> endings() const override { return {".gpx"}; }
    bool looksLike(std::string_view start) const override {
        start = contentStart(start);
        return start.starts_with("<?xml") || start.starts_with("<gpx");
    }

    DocumentRead read(const std::string& path, const ReadProgress&) const override {
        DocumentRead read;
        if (path.empty() || !fileExists(path)) {
            read.error = fileMessage(kCannotFindGpx, path);
            return read;
        }
        try {
            FileRead file = readFile(path);
            if (!file.ok()) {
                read.error = unreadableFileMessage(path, file.error);
                return read;
            }
            GpxImport import = gpxToPolyFile(fileNameOf(path), file.text);
            read.note = aboutFile(gpxScanNote(import.scan), path);
            read.file = std::move(import.file);
            read.file.title = baseName(*this, path);
        } catch (const std::bad_alloc&) {
            read.error = unreadableFileMessage(path, kFileTooLarge);
            return read;
        }
        // A file without a point adds nothing: what it met is all there is
        // to tell.
        if (read.file.rings.empty()) read.error = read.note.empty() ? std::string(kNoDataSave) : std::move(read.note);
        return read;
    }

    bool writesOneRing() const override { return true; }

    // The route of ring `ring`, closed on its first vertex.
    DocumentWrite write(const Document& d, int ring, const TextPut& put) const override {
        DocumentWrite written;
        if (ring < 0 || ring >= d.ringCount()) {
            written.error = kNoDataSave;
            return written;
        }
        const std::string_view lines = d.rings[static_cast<std::size_t>(ring)].lines;
        std::int64_t vertices = 0;
        forEachVertexOf(lines, [&](double, double) { ++vertices; });
        writeGpxRoute(vertices - 1, [&](auto take) { forEachVertexOf(lines, take); }, put);
        return written;
    }
};

class GeoJsonFormat : public DocumentFormat {
public:
    FileFilter filter() const override { return {"GeoJSON Files (*.geojson *.json)", "*.geojson *.json"}; }
    std::vector<std::string> endings() const override { return {".geojson", ".json"}; }
    bool looksLike(std::string_view start) const override { return contentStart(start).starts_with("{"); }

    DocumentRead read(const std::string& path, const ReadProgress&) const override {
        DocumentRead read;
        GeoJsonRead geoJson;
        try {
            // Read as it comes: the text is never held whole beside the rings.
            FileReader file(path);
            geoJson = readGeoJson([&](char* buffer, std::size_t size) { return file.read(buffer, size); }, file.size());
            if (!file.error().empty()) geoJson.error = file.error();
        } catch (const std::bad_alloc&) {
            geoJson.error = kFileTooLarge;
        }
        if (!geoJson.ok()) {
            read.error = unreadableFileMessage(path, geoJson.error);
            return read;
        }
        read.file = std::move(geoJson.file);
        if (read.file.title.empty()) read.file.title = baseName(*this, path);
        return read;
    }

    DocumentWrite write(const Document& d, int, const TextPut& put) const override {
        DocumentWrite written;
        if (d.rings.empty()) {
            written.error = kNoDataSave;
            return written;
        }
        try {
            const GeoJsonPlan plan = planGeoJson(d.rings);
            if (!plan.error.empty()) {
                written.error = plan.error;
                return written;
            }
            writeGeoJson(d.title, plan, put);
            if (!plan.leftOut.empty()) {
                written.note = kExportLeftOut;
                for (int k : plan.leftOut) written.note += " " + std::to_string(k + 1);
            }
        } catch (const GeosError& e) {
            written.error = std::string(kToolFailed) + e.what();
        } catch (const std::bad_alloc&) {
            written.error = kNotEnoughMemory;
        }
        return written;
    }
};

// OpenStreetMap data. Read as a document, the file must hold one boundary
// relation (the import chooses among several); .osm files are written as
// one multipolygon relation, other kinds are not written.
class OsmFormat : public DocumentFormat {
public:
    explicit OsmFormat(bool xml) : xml_(xml) {}
    FileFilter filter() const override {
        return xml_ ? FileFilter{"OpenStreetMap XML (*.osm)", "*.osm"}
                    : FileFilter{"OpenStreetMap Data (*.osm.pbf *.pbf *.osm.bz2 *.osm.gz *.opl)",
                                 "*.osm.pbf *.pbf *.osm.bz2 *.osm.gz *.opl"};
    }
    std::vector<std::string> endings() const override {
        if (xml_) return {".osm"};
        return {".osm.pbf", ".pbf", ".osm.bz2", ".osm.gz", ".opl"};
    }
    bool looksLike(std::string_view start) const override { return xml_ && contentStart(start).starts_with("<osm"); }

    DocumentRead read(const std::string& path, const ReadProgress& progress) const override {
        BoundaryImport import = importBoundaries(path, {}, false, [&](std::uint64_t done, std::uint64_t total) {
            if (progress) progress(done, total);
            return true;
        });
        DocumentRead read;
        if (!import.ok()) {
            read.error = import.error;
            return read;
        }
        read.file = std::move(import.file);
        for (const std::string& note : import.notes) read.note += (read.note.empty() ? "" : "\n") + note;
        return read;
    }

    DocumentWrite write(const Document& d, int, const TextPut& put) const override {
        DocumentWrite written;
        written.error = xml_ ? writeOsmXml(d, put) : std::string(kOsmWritesXml);
        return written;
    }

private:
    bool xml_;
};

// The first bytes of a file, enough to tell its kind.
std::string firstBytes(const std::string& path) {
    FileReader file(path);
    std::string start(512, '\0');
    start.resize(file.read(start.data(), start.size()));
    return start;
}

}  // namespace

bool DocumentFormat::namesFile(std::string_view path) const {
    const std::string lower = lowerAscii(std::string(path));
    for (const std::string& ending : endings())
        if (lower.ends_with(ending)) return true;
    return false;
}

const DocumentFormat& polyFormat() {
    static const PolyFormat format;
    return format;
}

const DocumentFormat& gpxFormat() {
    static const GpxFormat format;
    return format;
}

const DocumentFormat& geoJsonFormat() {
    static const GeoJsonFormat format;
    return format;
}

const DocumentFormat& osmXmlFormat() {
    static const OsmFormat format(true);
    return format;
}

const DocumentFormat& osmDataFormat() {
    static const OsmFormat format(false);
    return format;
}

const std::vector<const DocumentFormat*>& documentFormats() {
    static const std::vector<const DocumentFormat*> formats{&polyFormat(), &gpxFormat(), &geoJsonFormat(),
                                                            &osmXmlFormat(), &osmDataFormat()};
    return formats;
}

const DocumentFormat* formatNamedBy(std::string_view path) {
    for (const DocumentFormat* format : documentFormats())
        if (format->namesFile(path)) return format;
    return nullptr;
}

const DocumentFormat& formatToRead(const std::string& path) {
    if (const DocumentFormat* named = formatNamedBy(path)) return *named;
    const std::string start = firstBytes(path);
    for (const DocumentFormat* format : documentFormats())
        if (format->looksLike(start)) return *format;
    return polyFormat();
}

std::string polyNameFor(const std::string& path) {
    const DocumentFormat* format = formatNamedBy(path);
    if (format == &polyFormat()) return path;
    std::string name = path;
    if (format) {
        const std::string lower = lowerAscii(path);
        for (const std::string& ending : format->endings())
            if (lower.ends_with(ending)) {
                name = path.substr(0, path.size() - ending.size());
                break;
            }
    }
    return name + ".poly";
}

std::vector<FileFilter> readableFilters() {
    FileFilter all{"All Readable Files (", ""};
    std::vector<FileFilter> filters;
    for (const DocumentFormat* format : documentFormats()) {
        const FileFilter f = format->filter();
        all.pattern += (all.pattern.empty() ? "" : " ") + f.pattern;
        filters.push_back(f);
    }
    all.description += all.pattern + ")";
    filters.insert(filters.begin(), all);
    return filters;
}

}  // namespace tess
