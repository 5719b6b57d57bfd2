// Export and Import GeoJSON from the File menu, through the scripted file
// dialog.
#include <QAction>

#include "app/QtWindowFixture.h"
#include "support/TestFiles.h"

using namespace tess;
using namespace tess::test;

TEST_F(QtWindowTest, exportAndImportGeoJsonFromTheFileMenu) {
    QtMainWindow& w = start(copyOf("osmium_polygon-outer-inner.poly", "a.poly"));
    const int rings = w.state().doc.ringCount();
    const std::string out = temp.file("shape.geojson");
    platform.dialogResults.push_back(out);
    w.action(Command::ExportGeoJson)->trigger();
    ASSERT_NE(std::string::npos, readFile(out).find("MultiPolygon"));
    platform.dialogResults.push_back(out);
    w.action(Command::ImportGeoJson)->trigger();
    EXPECT_EQ(rings, w.state().doc.ringCount());
    EXPECT_EQ(temp.file("shape.poly"), w.state().doc.fileName);
    EXPECT_TRUE(w.state().doc.modified);
}
