// MBTiles files and tile folders made here, drawn under a ring by
// --render: the pixels show each tile where it belongs (the MBTiles row
// flipped), the deepest zoom drawn larger beyond it, missing tiles counted
// and a source that cannot be opened refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "map/QtTilePictures.h"
#include "support/TestFiles.h"

namespace {

// The tiles of zoom 1, each its own colour: north-west, north-east,
// south-west, south-east.
const QColor kColours[2][2] = {{QColor(200, 40, 40), QColor(40, 200, 40)}, {QColor(200, 200, 40), QColor(40, 200, 200)}};

// The four tiles of zoom 1 as an MBTiles file (rows in TMS order, from
// the south; the last `leaveOut` left out) or as a {z}/{x}/{y} folder.
void makeMbTiles(const QString& path, int leaveOut = 0) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "make");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        q.exec("CREATE TABLE metadata (name TEXT, value TEXT)");
        q.exec("CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB)");
        q.exec("INSERT INTO metadata VALUES ('minzoom', '1'), ('maxzoom', '1'), ('attribution', 'Made in the test')");
        for (int n = 0; n < 4 - leaveOut; ++n) {
            q.prepare("INSERT INTO tiles VALUES (1, ?, ?, ?)");
            q.addBindValue(n % 2);
            q.addBindValue(1 - n / 2);
            q.addBindValue(pngTile(kColours[n / 2][n % 2]));
            ASSERT_TRUE(q.exec());
        }
    }
    QSqlDatabase::removeDatabase("make");
}

void makeFolder(const QString& path) {
    for (int n = 0; n < 4; ++n) {
        QDir().mkpath(QString("%1/1/%2").arg(path).arg(n % 2));
        QFile file(QString("%1/1/%2/%3.png").arg(path).arg(n % 2).arg(n / 2));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pngTile(kColours[n / 2][n % 2]));
    }
}

struct Rendered {
    int status = -1;
    QString errors;
    QImage picture;
};

Rendered render(const tess::test::TempDir& temp, const QString& map, const QString& view) {
    const std::string poly = temp.file("ring.poly");
    tess::test::writeFile(poly, "ring\n1\n   -60.0   -30.0\n   60.0   -30.0\n   60.0   30.0\n   -60.0   30.0\n   -60.0   -30.0\nEND\nEND\n");
    QProcess p;
    p.start(TESSALINE_BINARY, {"--render", QString::fromStdString(poly), "--map", map, "-o", QString::fromStdString(temp.file("out.png")),
                               "--size", "512x512", "--view", view, "--map-timeout", "5"});
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()), QImage(QString::fromStdString(temp.file("out.png")))};
}

// The colour at a point of the world shown whole on the 512-pixel canvas.
QColor at(const QImage& picture, double fx, double fy) {
    const double margin = 100.0 / 15, side = 512 - 2 * margin;
    return picture.pixelColor(static_cast<int>(margin + fx * side), static_cast<int>(margin + fy * side));
}

void expectTilesInPlace(const Rendered& r) {
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(at(r.picture, 0.1 + 0.8 * x, 0.1 + 0.8 * y), kColours[y][x]) << x << " " << y;
    // The ring's top edge at 30° north, in blue over the tiles.
    EXPECT_GT(bluePixels(r.picture), 300);
}

constexpr const char* kWorld = "-180,-85.0511,180,85.0511";

}  // namespace

TEST(OfflineMap, anMbTilesFileIsDrawnWithItsRowsFlipped) {
    tess::test::TempDir temp;
    const QString file = QString::fromStdString(temp.file("world.mbtiles"));
    makeMbTiles(file);
    expectTilesInPlace(render(temp, file, kWorld));
    // Deeper than its maxzoom, the tile of zoom 1 is drawn larger.
    const Rendered deep = render(temp, file, "10,10,11,11");
    ASSERT_EQ(deep.status, 0);
    EXPECT_EQ(deep.picture.pixelColor(256, 256), kColours[0][1]);
}

TEST(OfflineMap, aTileFolderIsDrawnLikewise) {
    tess::test::TempDir temp;
    const QString folder = QString::fromStdString(temp.file("tiles"));
    makeFolder(folder);
    expectTilesInPlace(render(temp, folder, kWorld));
}

TEST(OfflineMap, missingTilesAreCountedAndTheRestDrawn) {
    tess::test::TempDir temp;
    const QString file = QString::fromStdString(temp.file("part.mbtiles"));
    makeMbTiles(file, 1);
    const Rendered r = render(temp, file, kWorld);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.errors.contains("1 map tile missing: not in the source")) << r.errors.toStdString();
    EXPECT_EQ(at(r.picture, 0.1, 0.1), kColours[0][0]);
    EXPECT_EQ(at(r.picture, 0.9, 0.9), QColor(0xc0, 0xc0, 0xc0));
}

TEST(OfflineMap, aSourceThatCannotBeOpenedMakesNoPicture) {
    tess::test::TempDir temp;
    tess::test::writeFile(temp.file("text.mbtiles"), "not a database");
    QDir().mkpath(QString::fromStdString(temp.file("empty")));
    for (const std::string& source : {temp.file("text.mbtiles"), temp.file("empty"), std::string("http://x/{z}.png")}) {
        const Rendered r = render(temp, QString::fromStdString(source), kWorld);
        EXPECT_EQ(r.status, 1) << source;
        EXPECT_TRUE(r.errors.contains("The map cannot be shown")) << r.errors.toStdString();
        EXPECT_TRUE(r.picture.isNull()) << source;
    }
}
