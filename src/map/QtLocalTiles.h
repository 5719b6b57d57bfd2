// Tiles read from this computer: an MBTiles file or a folder of
// {z}/{x}/{y} images. One worker thread reads and decodes them in the
// order they are wanted.
#pragma once

#include <QMutex>
#include <QThreadPool>
#include <atomic>
#include <deque>
#include <functional>

#include "map/QtTileBackend.h"

namespace tess {

class LocalTileBackend : public TileBackend {
    Q_OBJECT
public:
    LocalTileBackend();
    ~LocalTileBackend() override;
    void fetch(const std::vector<TileKey>& keys) override;
    int waiting() const override;
    int minZoom() const override { return minZoom_; }
    int maxZoom() const override { return maxZoom_; }
    QString attribution() const override { return attribution_; }

protected:
    // Reads a tile's bytes on the worker thread; empty when the source has
    // no such tile.
    virtual QByteArray readTile(TileKey k) = 0;
    // Runs on the worker thread before it stops for good.
    virtual void closeOnWorker() {}
    // Stops the worker; a subclass calls it first in its destructor.
    void stopWorker();

    int minZoom_ = 0, maxZoom_ = 19;
    QString attribution_;

private:
    void work();

    QThreadPool worker_;
    mutable QMutex mutex_;
    std::deque<TileKey> queue_;
    TileKey reading_;  // while busy_
    bool running_ = false;
    bool stopped_ = false;
    std::atomic<int> busy_{0};
};

// Opens an MBTiles file: it must hold a `tiles` table; minzoom, maxzoom
// and attribution come from its metadata.
std::unique_ptr<TileBackend> openMbTiles(const QString& path, QString& error);
// Opens a folder of {z}/{x}/{y}.png (or .jpg, .jpeg, .webp) tiles; the
// zooms are the numbered folders in it.
std::unique_ptr<TileBackend> openTileFolder(const QString& path, QString& error);

}  // namespace tess
