// The map under the outline: a pan step of a full 1600 × 1000 view with
// every tile in memory, and a view whose tiles are all in the disk cache
// filled from it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "map/QtTileLayer.h"
#include "map/QtWebTiles.h"
#include "map/TileDiskCache.h"
#include "view/Transform.h"
#include "view/Zoom.h"

namespace {

constexpr tess::CanvasArea kArea{1600 * 15, 1000 * 15, tess::kMargin};

// Central Europe at zoom 10: about 7 × 5 tiles on the canvas.
tess::ViewState europeView() {
    tess::ViewState v;
    v.webMercator = true;
    tess::resetFit(v);
    tess::widenFit(v, 8.0, 50.0);
    tess::widenFit(v, 8.0 + 360.0 * 1600 / (256 * 1024), 50.001);
    tess::finishFit(v);
    tess::settleView(v, kArea);
    return v;
}

QByteArray pngTile(int k) {
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(k * 37 % 360, 120, 230));
    QPainter(&image).drawText(20, 40, QString::number(k));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A web source whose every tile of the view (and one around) is fresh in
// the disk cache; its server is never asked.
struct CachedSource {
    QTemporaryDir dir;
    tess::MapSource source{tess::MapKind::Url, "http://127.0.0.1:9/{z}/{x}/{y}.png", "bench"};
    CachedSource() {
        const tess::TileDiskCache cache(dir.path().toStdString(), 1ull << 30);
        const tess::ViewState v = europeView();
        int k = 0;
        for (int dz = -2; dz <= 0; ++dz) {
            for (const tess::TileKey& t : tess::tilesNearestFirst(tess::tilesCovering(v, kArea, 10 + dz, 3), 10000))
                cache.write(tess::cacheFolderName(source.location), tess::wrapped(t), {pngTile(k++).toStdString(), "", 4'000'000'000});
        }
    }
    std::unique_ptr<tess::QtTileLayer> layer() {
        return std::make_unique<tess::QtTileLayer>(std::make_unique<tess::WebTileBackend>(
            source, tess::WebTileOptions{dir.path(), 1ull << 30, 20000}));
    }
};

void paintUntilFilled(tess::QtTileLayer& layer, const tess::ViewState& v, QImage& canvas) {
    for (;;) {
        QPainter painter(&canvas);
        layer.paint(painter, v, kArea, 1.0);
        painter.end();
        if (layer.awaited() == 0) return;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// A pan by forty pixels and back, each step painting the whole view from
// the tiles in memory.
void panStepWithTilesInMemory(benchmark::State& st) {
    CachedSource cached;
    auto layer = cached.layer();
    tess::ViewState v = europeView();
    QImage canvas(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (int k = -1; k <= 1; ++k) {
        tess::ViewState moved = v;
        tess::panBy(moved, 600.0 * k, 0, kArea);
        paintUntilFilled(*layer, moved, canvas);
    }
    bool left = false;
    for (auto _ : st) {
        left = !left;
        tess::panBy(v, left ? 600 : -600, 0, kArea);
        QPainter painter(&canvas);
        layer->paint(painter, v, kArea, 1.0);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(panStepWithTilesInMemory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A fresh window's layer showing a view whose tiles are all on disk:
// from the first paint until no tile is awaited.
void viewFilledFromDiskCache(benchmark::State& st) {
    CachedSource cached;
    const tess::ViewState v = europeView();
    QImage canvas(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : st) {
        auto layer = cached.layer();
        paintUntilFilled(*layer, v, canvas);
        benchmark::DoNotOptimize(canvas.constBits());
        st.PauseTiming();
        layer.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(viewFilledFromDiskCache)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
