// The tools' commands meeting a read-only file and a hole that grows away.
#include <sys/stat.h>

#include "geometry/GeometryTestHelpers.h"
#include "session/Opening.h"
#include "support/StateFixture.h"
#include "tools/ImportExport.h"
#include "tools/RingTools.h"

using namespace tess;
using namespace tess::test;

class ToolsOnFiles : public StateTest {};

TEST_F(ToolsOnFiles, exportAsksBeforeReplacingAReadOnlyFileAndKeepsItOnNo) {
    ASSERT_TRUE(openDocumentFile(state, file("a.poly", "t\n1\n" + vertexLines(square(10, 50, 1)) + "END\n!2\n" +
                                                  vertexLines(square(10.4, 50.4, 0.2)) + "END\nEND\n")));
    const std::string out = file("a.geojson", "old");
    ::chmod(out.c_str(), 0444);
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        platform.dialogResults.push_back(out);
        platform.answers.push_back(answer);
        exportGeoJsonCommand(state);
        EXPECT_EQ(kReplaceReadOnlyFile, platform.last());
        EXPECT_EQ(answer == Answer::No, readFile(out) == "old");
    }
    // Grown far enough, the hole closes up and goes.
    ASSERT_TRUE(applyRingChange(state, growChange(state.doc.content.rings, 1, 20000, Corners::Round)));
    EXPECT_EQ(1, state.doc.ringCount());
}
