// Where tiles come from, behind one face: a web server (through the disk
// cache), an MBTiles file or a tile folder. Every source answers on the
// window's thread, later: nothing here waits for the disk or the network.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "map/MapSource.h"
#include "map/TileMath.h"

namespace tess {

class TileBackend : public QObject {
    Q_OBJECT
public:
    ~TileBackend() override = default;
    // The tiles wanted now, the most wanted first. Tiles asked for before
    // and not yet begun are forgotten unless asked for again, so that a
    // view passed over is never fetched.
    virtual void fetch(const std::vector<TileKey>& keys) = 0;
    // Tiles asked for and not yet answered.
    virtual int waiting() const = 0;
    // The zooms the source holds; deeper views draw the deepest larger.
    virtual int minZoom() const { return 0; }
    virtual int maxZoom() const { return 19; }
    virtual QString attribution() const = 0;

signals:
    void tileReady(TileKey key, QImage image);
    void tileFailed(TileKey key, QString reason);
};

// Where web tiles are cached, how much they may take, and how long a
// server may take to answer.
struct WebTileOptions {
    QString cacheFolder;
    quint64 cacheLimitBytes = 500ull * 1024 * 1024;
    int answerMilliseconds = 20000;
};

// Opens a source; empty, with the reason in `error`, when it cannot be
// opened at all (no such file, not an MBTiles file, not a template).
std::unique_ptr<TileBackend> openTileBackend(const MapSource& source, const WebTileOptions& web, QString& error);

// The per-user cache folder for web tiles.
QString defaultTileCacheFolder();

// Decodes a tile; a null image for bytes no image reader takes.
QImage decodeTile(const QByteArray& bytes);

}  // namespace tess

Q_DECLARE_METATYPE(tess::TileKey)
