// The GeoJSON reader on what tools write and what they should not, as a
// table in tests/cases, and the same rings whatever pieces the text
// arrives in.
#include <gtest/gtest.h>

#include <random>

#include "document/Reader.h"
#include "geometry/GeoJson.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

// The rings read, as "NAME: LINES" with the lines joined by "|".
std::string ringsOf(const GeoJsonRead& read) {
    if (!read.ok()) return "refused: " + read.error;
    std::string out = read.file.title.empty() ? "" : "[" + read.file.title + "] ";
    for (const RingText& r : read.file.rings) out += r.name + ": " + std::string(r.lines) + " ";
    std::replace(out.begin(), out.end(), '\n', '|');
    return out;
}

}  // namespace

TEST(GeoJsonReader, readsEveryRowOfItsTableToWhatTheRowSays) {
    for (const test::TableRow& row : test::tableRows("geojson-reads.txt"))
        EXPECT_EQ(row.expected, ringsOf(parseGeoJson(row.input))) << "geojson-reads.txt:" << row.line;
}

// Property: every real file written as GeoJSON reads back the same rings
// whether the text comes whole, a byte at a time or in random pieces.
TEST(GeoJsonReader, thePiecesTheTextComesInChangeNothing) {
    std::mt19937 random(26);
    for (const std::string& name : test::realPolyFiles()) {
        const PolyLoad load = readPolyFile(test::dataFile(name));
        if (!load.ok()) continue;  // refused files are the reading cases' business
        const std::string text = geoJsonText(load.file.title, load.file.rings);
        const std::string whole = ringsOf(parseGeoJson(text));
        for (const std::size_t most : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
            std::size_t at = 0;
            const GeoJsonRead read = readGeoJson(
                [&](char* buffer, std::size_t size) {
                    const std::size_t n = std::min({size, text.size() - at, most == 1 ? 1 : 1 + random() % most});
                    std::copy_n(text.data() + at, n, buffer);
                    at += n;
                    return n;
                },
                0);
            EXPECT_EQ(whole, ringsOf(read)) << name << " in pieces of at most " << most;
        }
    }
}
