// Every kind of file refuses to write a document without rings, before a
// byte is written, whoever asks: the menus check first, the batch tools
// and the formats again.
#include <gtest/gtest.h>

#include "formats/DocumentFormats.h"
#include "platform/Messages.h"
#include "session/Saving.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

using namespace tess;

TEST(DocumentFormats, writeNothingOfADocumentWithoutRings) {
    for (const char* name : {"a.poly", "a.gpx", "a.geojson"}) {
        std::string written;
        const DocumentWrite write = formatNamedBy(name)->write(Document(), 0, [&](std::string_view piece) { written += piece; });
        EXPECT_EQ(kNoDataSave, write.error) << name;
        EXPECT_TRUE(written.empty()) << name;
    }
    test::ScriptedPlatform platform;
    test::TempDir dir;
    OpenDocument empty;
    EXPECT_FALSE(saveDocumentTo(empty, platform, dir.file("a.poly")));
    EXPECT_EQ(kNoDataSave, platform.last());
    EXPECT_EQ(0u, test::filesIn(dir.path()));
}
