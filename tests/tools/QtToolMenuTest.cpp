// The polygon tools in the window's menus: their entries, and Export and
// Import GeoJSON through the scripted file dialog.
#include <QAction>

#include "app/QtWindowFixture.h"
#include "tools/QtToolDialogs.h"
#include "support/TestFiles.h"

using namespace tess;
using namespace tess::test;

TEST_F(QtWindowTest, theToolsAndFileMenusOfferThePolygonTools) {
    QtMainWindow& w = start(copyOf("osmium_polygon-outer-inner.poly", "a.poly"));
    EXPECT_EQ("Simplify Ring…", w.menuEntry("Tools", toolEntry::Simplify)->text().remove(QChar('&')).toStdString());
    EXPECT_EQ("Grow or Shrink Ring…", w.menuEntry("Tools", toolEntry::Grow)->text().remove(QChar('&')).toStdString());
    EXPECT_EQ("Check Document", w.menuEntry("Tools", toolEntry::Check)->text().remove(QChar('&')).toStdString());
    EXPECT_EQ("Import GeoJSON…", w.menuEntry("File", toolEntry::ImportGeoJson)->text().remove(QChar('&')).toStdString());
    EXPECT_EQ("Export GeoJSON…", w.menuEntry("File", toolEntry::ExportGeoJson)->text().remove(QChar('&')).toStdString());
}

TEST_F(QtWindowTest, exportAndImportGeoJsonFromTheFileMenu) {
    QtMainWindow& w = start(copyOf("osmium_polygon-outer-inner.poly", "a.poly"));
    const int rings = w.state().doc.ringCount();
    const std::string out = temp.file("shape.geojson");
    platform.dialogResults.push_back(out);
    w.menuEntry("File", toolEntry::ExportGeoJson)->trigger();
    ASSERT_NE(std::string::npos, readFile(out).find("MultiPolygon"));
    platform.dialogResults.push_back(out);
    w.menuEntry("File", toolEntry::ImportGeoJson)->trigger();
    EXPECT_EQ(rings, w.state().doc.ringCount());
    EXPECT_EQ(temp.file("shape.poly"), w.state().doc.fileName);
    EXPECT_TRUE(w.state().doc.modified);
}
