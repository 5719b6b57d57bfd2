// The GeoJSON reader on what tools write and what they should not, as tables, and the same rings
// whatever pieces the text arrives in.
#include <gtest/gtest.h>

#include <filesystem>
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

constexpr const char* kTriangle = "[[[0,0],[1,0],[1,1],[0,0]]]";
std::string polygon(const std::string& coordinates) { return R"({"type":"Polygon","coordinates":)" + coordinates + "}"; }

std::string nestedCollections(int depth) {
    std::string open, close;
    for (int i = 0; i < depth; ++i) open += R"({"type":"GeometryCollection","geometries":[)", close += "]}";
    return open + polygon(kTriangle) + close;
}

}  // namespace

TEST(GeoJsonReader, readsWhatToolsWrite) {
    const std::string triangle = "1:    0.0 0.0|   1.0 0.0|   1.0 1.0|   0.0 0.0| ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\xEF\xBB\xBF" + polygon(kTriangle), triangle},
        {R"({"type":"Feature","properties":{"tessaline_rings":[[1,0],[0,1]]},"geometry":{"type":"MultiPolygon","coordinates":[)" + std::string(kTriangle) + ",[[[5,5],[6,5],[6,6],[5,5]]]]}}",
         "1:    5.0 5.0|   6.0 6.0|   6.0 5.0|   5.0 5.0| 2" + triangle.substr(1)},  // put back in the document's order, turned back
        // Members in any order: the type after the coordinates.
        {std::string(R"({"coordinates":)") + kTriangle + R"(,"crs":{"a":[1,{"b":null}],"c":true},"type":"Polygon"})", triangle},
        {std::string(R"({"geometry":)") + polygon(kTriangle) + R"(,"properties":{"name":"Lake"},"type":"Feature"})", "[Lake] " + triangle},
        // Lines and points read before their type are dropped again.
        {std::string(R"({"type":"GeometryCollection","geometries":[{"coordinates":[[0,0],[1,1]],"type":"LineString"},)") +
             R"({"coordinates":[[[0,0],[1,1]]],"type":"MultiLineString"},{"coordinates":[5,5],"type":"Point"},)" + polygon(kTriangle) + "]}",
         triangle},
        // An empty hole is no ring; a height is dropped.
        {polygon("[[[0,0,9],[1,0,9],[1,1,9],[0,0,9]],[],[[0,0],[1,0],[1,1],[0,0]]]"), triangle + "!2" + triangle.substr(1)},
        // Numbers whose plain text would run to hundreds of digits keep an exponent.
        {polygon("[[[1e300,-1e-20],[-0,5e-324],[1E2,1e-9],[1e300,-1e-20]]]"),
         "1:    1.0e+300 -1.0e-20|   0.0 5.0e-324|   100.0 0.000000001|   1.0e+300 -1.0e-20| "},
        // Escapes, and a name's line breaks made blanks.
        {R"({"type":"Feature","properties":{"name":"Caf\u00e9\nA\"B\ud83d\ude00"},"geometry":)" + polygon(kTriangle) + "}",
         "[Caf\xC3\xA9 A\"B\xF0\x9F\x98\x80] " + triangle},
        // UTF-8 of two, three and four bytes, as written.
        {"{\"type\":\"Feature\",\"properties\":{\"name\":\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"},\"geometry\":" + polygon(kTriangle) + "}",
         "[\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80] " + triangle},
        {nestedCollections(30), triangle},  // the deepest nesting read
    };
    for (const auto& [text, rings] : cases) EXPECT_EQ(rings, ringsOf(parseGeoJson(text))) << text;
}

TEST(GeoJsonReader, refusesWhatIsNotOneGeoJsonObject) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "a GeoJSON object expected at byte 1, where the text ends"},
        {polygon(kTriangle) + polygon(kTriangle), "more text follows the GeoJSON object, at byte 61"},
        {nestedCollections(31), "nested deeper than 64 arrays and objects"},
        {R"({"type":"Feature","properties":{"deep":)" + std::string(70, '[') + std::string(70, ']') + "},\"geometry\":null}",
         "nested deeper than 64 arrays and objects"},  // passed over, all the same
        {polygon("[[],[[0,0],[1,0],[1,1],[0,0]]]"), "a polygon's outer ring is empty"},
        {polygon("[[[0,0],[1,0],[1,1],[0,0]]]]"), "',' or '}' expected"},
        {polygon("[[[1e400,0],[1,0],[1,1],[1e400,0]]]"), "a number beyond the range of a double"},
        {polygon("[[[01,0],[1,0],[1,1],[0,0]]]"), "',' or ']' expected"},
        {polygon("[[[1.,0],[1,0],[1,1],[0,0]]]"), "a digit expected"},
        {polygon("[[[0,0],[1,0],[1,[1]],[0,0]]]"), "a position holds an array"},
        {polygon("[[0,0],[1,0],[1,1],[0,0]]"), "nested wrongly"},
        {R"({"type":"Polygon"})", "a Polygon without \"coordinates\""},
        {R"({"coordinates":[]})", "without a \"type\""},
        {R"({"type":"Feature","geometry":5})", "a geometry or null expected"},
        {R"({"type":"Feature","properties":{"name":"a)" "\xC3\x28" R"("},"geometry":null})", "not UTF-8"},
        {R"({"type":"Feature","properties":{"name":"\ud800"},"geometry":null})", "a lone surrogate"},
        {"{\"type\":\"Feature\",\"properties\":{\"name\":\"\xED\xA0\x80\"},\"geometry\":null}", "not UTF-8"},  // a surrogate written out
        {R"({"type":"Feature","properties":{"name":"a)" "\n" R"("},"geometry":null})", "a control character"},
        {R"({"type":"FeatureCollection","features":[{"type":"Feature","geometry":nul}]})", "a misspelt true, false or null"},
    };
    for (const auto& [text, why] : cases) {
        const GeoJsonRead read = parseGeoJson(text);
        EXPECT_EQ(0u, read.error.find(kNotGeoJson)) << text << "\n" << read.error;
        EXPECT_NE(std::string::npos, read.error.find(why)) << text << "\n" << read.error;
    }
}

// Property: every real file written as GeoJSON reads back the same rings
// whether the text comes whole, a byte at a time or in random pieces.
TEST(GeoJsonReader, thePiecesTheTextComesInChangeNothing) {
    std::mt19937 random(26);
    for (const auto& e : std::filesystem::directory_iterator(TESSALINE_TEST_DATA)) {
        if (e.path().extension() != ".poly") continue;
        const PolyLoad load = readPolyFile(e.path().string());
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
            EXPECT_EQ(whole, ringsOf(read)) << e.path() << " in pieces of at most " << most;
        }
    }
}
