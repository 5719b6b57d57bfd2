// The map under the outline: the tiles of one source held in memory,
// painted for the view at the zoom that gives about one tile pixel per
// device pixel. A tile not there yet is stood in for by a lower zoom's
// tile scaled up; one that cannot be had stays grey. Painting only asks
// for tiles: it never waits for them.
#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "map/QtTileBackend.h"
#include "state/ViewState.h"
#include "view/Zoom.h"

class QPainter;

namespace tess {

// The square of a tile that could not be had, and the canvas under a tile
// still on its way with nothing to stand in.
inline constexpr QRgb kMissingTileGrey = 0xffc0c0c0;
inline constexpr QRgb kAwaitedTileGrey = 0xffe8e8e8;
// A view needing more tiles than this (a source without shallow zooms
// shown whole) gets none: that would be a bulk download.
inline constexpr std::int64_t kMostTilesInView = 600;

size_t qHash(const TileKey& k, size_t seed = 0) noexcept;

class QtTileLayer : public QObject {
    Q_OBJECT
public:
    explicit QtTileLayer(std::unique_ptr<TileBackend> backend);
    ~QtTileLayer() override;

    // Paints the tiles for the view on a canvas of this area (twips), for
    // a device of this pixel ratio, and asks for those missing: the view's
    // and one ring of tiles around it.
    void paint(QPainter& painter, const ViewState& v, const CanvasArea& area, double pixelRatio);

    // The zoom of the tiles the last painted view used.
    int zoom() const { return zoom_; }
    // Of the tiles the last painted view showed: those that could not be
    // had, the reason for the last of them, and those still awaited.
    int missing() const { return missing_; }
    QString missingReason() const { return reason_; }
    int awaited() const { return awaited_; }
    TileBackend& backend() { return *backend_; }

signals:
    // A tile arrived or failed: the canvas paints again.
    void changed();

private:
    void arrived(TileKey k, const QImage& image);
    void failed(TileKey k, const QString& reason);
    // The best picture held for tile k: itself or a part of an ancestor.
    bool paintStandIn(QPainter& painter, TileKey k, const QRectF& target) const;

    std::unique_ptr<TileBackend> backend_;
    QCache<TileKey, QImage> held_;
    std::map<TileKey, QString> failed_;
    std::vector<TileKey> asked_;  // the last list handed to the backend
    int zoom_ = 0, missing_ = 0, awaited_ = 0;
    QString reason_;
};

}  // namespace tess
