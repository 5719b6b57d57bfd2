#include "map/QtTileLayer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <set>

#include "state/Surface.h"
#include "view/Transform.h"

namespace tess {

namespace {

// Held tiles take at most this many kilobytes of memory.
constexpr int kHeldKilobytes = 192 * 1024;

int kilobytesOf(const QImage& image) { return std::max<int>(1, static_cast<int>(image.sizeInBytes() / 1024)); }

}  // namespace

size_t qHash(const TileKey& k, size_t seed) noexcept { return qHashMulti(seed, k.z, k.x, k.y); }

QtTileLayer::QtTileLayer(std::unique_ptr<TileBackend> backend) : backend_(std::move(backend)) {
    held_.setMaxCost(kHeldKilobytes);
    connect(backend_.get(), &TileBackend::tileReady, this, &QtTileLayer::arrived);
    connect(backend_.get(), &TileBackend::tileFailed, this, &QtTileLayer::failed);
}

QtTileLayer::~QtTileLayer() = default;

void QtTileLayer::arrived(TileKey k, const QImage& image) {
    failed_.erase(k);
    held_.insert(k, new QImage(image), kilobytesOf(image));
    emit changed();
}

void QtTileLayer::failed(TileKey k, const QString& reason) {
    failed_[k] = reason;
    emit changed();
}

bool QtTileLayer::paintStandIn(QPainter& painter, TileKey k, const QRectF& target) const {
    for (int up = 1; up <= k.z; ++up) {
        const TilePart part = ancestorPart(k, up);
        if (const QImage* image = held_.object(part.tile)) {
            const double scale = image->width() / double(kTilePixels);
            painter.drawImage(target, *image, QRectF(part.left * scale, part.top * scale, part.size * scale, part.size * scale));
            return true;
        }
    }
    return false;
}

void QtTileLayer::paint(QPainter& painter, const ViewState& v, const CanvasArea& area, double pixelRatio) {
    missing_ = awaited_ = 0;
    const ViewMapping mapping(v, area.width, area.height, area.margin);
    if (!v.webMercator || !mapping.valid() || !hasRoom(area)) return;
    zoom_ = tileZoomForView(v, area, pixelRatio, backend_->minZoom(), backend_->maxZoom());
    const std::vector<TileKey> shown = tilesNearestFirst(tilesCovering(v, area, zoom_, 0), kMostTilesInView);
    const std::vector<TileKey> around = tilesNearestFirst(tilesCovering(v, area, zoom_, 1), kMostTilesInView);

    // Edges on whole device pixels, shared by neighbours, leave no seams.
    // A tile shown twice (a view wider than the world) counts once.
    std::set<TileKey> missing, awaited;
    auto snap = [pixelRatio](double twips) { return std::round(twips / kTwipsPerPixel * pixelRatio) / pixelRatio; };
    for (const TileKey& k : shown) {
        const CanvasRect r = tileOnCanvas(mapping, k);
        const QRectF target(QPointF(snap(r.left), snap(r.top)), QPointF(snap(r.right), snap(r.bottom)));
        const TileKey source = wrapped(k);
        if (const QImage* image = held_.object(source)) {
            painter.drawImage(target, *image);
            continue;
        }
        const auto failure = failed_.find(source);
        if (failure != failed_.end()) {
            painter.fillRect(target, QColor::fromRgba(kMissingTileGrey));
            missing.insert(source);
            reason_ = failure->second;
            continue;
        }
        awaited.insert(source);
        if (!paintStandIn(painter, source, target)) painter.fillRect(target, QColor::fromRgba(kAwaitedTileGrey));
    }

    missing_ = static_cast<int>(missing.size());
    awaited_ = static_cast<int>(awaited.size());

    // Ask for what is neither held nor known to be missing; the same list
    // again asks nothing new.
    // The view's own tiles first, then the ring around it.
    std::vector<TileKey> wanted;
    std::vector<TileKey> order = shown;
    order.insert(order.end(), around.begin(), around.end());
    for (const TileKey& k : order) {
        const TileKey source = wrapped(k);
        if (!held_.contains(source) && !failed_.count(source) &&
            std::find(wanted.begin(), wanted.end(), source) == wanted.end())
            wanted.push_back(source);
    }
    if (wanted != asked_) {
        asked_ = wanted;
        backend_->fetch(wanted);
    }

    const QString attribution = backend_->attribution();
    if (attribution.isEmpty()) return;
    const QFontMetrics metrics(painter.font());
    const double widthPx = area.width / kTwipsPerPixel, heightPx = area.height / kTwipsPerPixel;
    const QRectF text = metrics.boundingRect(attribution).adjusted(-4, -1, 4, 1);
    const QRectF box(widthPx - text.width() - 1, heightPx - text.height() - 1, text.width(), text.height());
    painter.fillRect(box, QColor(255, 255, 255, 200));
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(box, Qt::AlignCenter, attribution);
}

}  // namespace tess
