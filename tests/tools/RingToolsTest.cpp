// The tools as document changes, and GeoJSON files through the state.
#include <gtest/gtest.h>

#include <cstdlib>

#include "document/Reader.h"
#include "session/Opening.h"
#include "geometry/GeoJson.h"
#include "geometry/GeometryTestHelpers.h"
#include "formats/DocumentFormats.h"
#include "session/Saving.h"
#include "tools/ImportExport.h"
#include "tools/RingTools.h"
#include "support/StateFixture.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kOuterInner =
    "Outer and inner\n1\n   10.0 50.0\n   11.0 50.0\n   11.0 51.0\n   10.0 51.0\n   10.0 50.0\nEND\n"
    "!2\n   10.2 50.2\n   10.8 50.2\n   10.8 50.8\n   10.2 50.8\n   10.2 50.2\nEND\nEND\n";

class RingTools : public StateTest {};

}  // namespace

TEST_F(RingTools, aChangeReplacesTheRingLoadsItAndMarksTheDocument) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kOuterInner)));
    const RingChange change = growChange(state.doc.content.rings, 1, 1000, Corners::Round);
    EXPECT_EQ("Grow Ring 2", change.name);
    EXPECT_EQ("Simplify Ring 2", simplifyName(1));
    ASSERT_TRUE(applyRingChange(state, change));
    EXPECT_EQ(2, state.doc.ringCount());
    EXPECT_EQ(1, state.doc.loaded.index);
    EXPECT_EQ("!2", state.doc.content.rings[1].name);
    EXPECT_TRUE(state.doc.modified);
}

TEST_F(RingTools, aShrinkThatLeavesNoOuterRingIsRefused) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kOuterInner)));
    const auto before = state.doc.content.rings;
    EXPECT_FALSE(applyRingChange(state, growChange(state.doc.content.rings, 0, -100000, Corners::Round)));
    EXPECT_EQ(before.size(), state.doc.content.rings.size());
    EXPECT_EQ(before[0].lines, state.doc.content.rings[0].lines);
    EXPECT_FALSE(state.doc.modified);
    EXPECT_EQ(std::vector<std::string>{kNothingLeft}, platform.shown);
}

TEST_F(RingTools, simplifyKeepsTheNameAndCountsVertices) {
    const std::vector<RingText> rings = {ownRingText("!7", vertexLines(wavyCircle(10, 50, 0.1, 2000, 0.0005)))};
    const RingChange change = simplifyChange(rings, 0, 500);
    ASSERT_EQ(1u, change.rings.size());
    EXPECT_EQ("!7", change.rings[0].name);
    EXPECT_EQ(2001, vertexCount(rings[0]));
    EXPECT_LT(vertexCount(change.rings[0]), 200);
}

TEST_F(RingTools, exportThenImportGivesTheSameRingsAsANewUnsavedDocument) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kOuterInner)));
    const auto rings = state.doc.content.rings;
    const std::string out = temp.file("a.geojson");
    ASSERT_TRUE(exportDocument(state.doc, state.platform, geoJsonFormat(), out));
    EXPECT_FALSE(state.doc.modified);
    EXPECT_EQ(temp.file("a.poly"), state.doc.fileName);
    ASSERT_TRUE(openDocumentFile(state, out));
    EXPECT_EQ(temp.file("a.poly"), state.doc.fileName);
    EXPECT_EQ("", state.doc.ownFile);
    EXPECT_TRUE(state.doc.modified);
    EXPECT_EQ("Outer and inner", state.doc.content.title);
    ASSERT_EQ(2, state.doc.ringCount());
    EXPECT_EQ("!2", state.doc.content.rings[1].name);
}

TEST_F(RingTools, aRefusedImportLeavesTheDocument) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kOuterInner)));
    EXPECT_FALSE(openDocumentFile(state, file("bad.geojson", "{\"type\":\"Point\",\"coordinates\":[1,2]}")));
    EXPECT_EQ(temp.file("a.poly"), state.doc.fileName);
    EXPECT_EQ(2, state.doc.ringCount());
    ASSERT_EQ(1u, platform.shown.size());
    EXPECT_NE(std::string::npos, platform.shown[0].find("No data"));
}

TEST_F(RingTools, importAsksBeforeDroppingChanges) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", kOuterInner)));
    state.doc.modified = true;
    platform.answers.push_back(Answer::No);
    file("b.geojson", geoJsonText("B", state.doc.content.rings));
    importGeoJsonCommand(state);  // No: no dialog, no import
    EXPECT_EQ(temp.file("a.poly"), state.doc.fileName);
}

// GeoJSON the program writes is what GDAL reads, ring for ring: ogrinfo
// reports one MultiPolygon with every ring of every real file.
TEST_F(RingTools, ogrinfoReadsTheGeoJsonWritten) {
    if (std::system("ogrinfo --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "ogrinfo (gdal-bin) is not installed";
    for (const char* name : {"osmium_polygon-outer-inner.poly", "geofabrik_germany.poly", "mapsforge_siberian-federal-district.poly"}) {
        const PolyLoad load = readPolyFile(dataFile(name));
        ASSERT_TRUE(load.ok());
        const std::string out = temp.file("out.geojson"), report = temp.file("report.txt");
        writeFile(out, geoJsonText(load.file.title, load.file.rings));
        ASSERT_EQ(0, std::system(("ogrinfo -ro -al -q " + out + " > " + report + " 2>&1").c_str())) << readFile(report);
        const std::string text = readFile(report);
        EXPECT_EQ(std::string::npos, text.find("ERROR")) << text;
        ASSERT_NE(std::string::npos, text.find("MULTIPOLYGON")) << text;
        // Every ring is one parenthesised list of points in the WKT.
        std::size_t rings = 0;
        for (std::size_t at = text.find("(("); at != std::string::npos; at = text.find('(', at + 1))
            if (at + 1 < text.size() && text[at + 1] != '(') ++rings;
        EXPECT_EQ(load.file.rings.size(), rings) << name;
    }
}
