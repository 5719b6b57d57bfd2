#include "map/QtTileBackend.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

#include "map/QtLocalTiles.h"
#include "map/QtWebTiles.h"
#include "platform/Messages.h"

namespace tess {

QImage decodeTile(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A tile is small: a picture claiming to be huge is not one.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > 4096 || size.height() > 4096)) return {};
    QImage image = reader.read();
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString defaultTileCacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/tessaline/tiles";
}

std::unique_ptr<TileBackend> openTileBackend(const MapSource& source, const WebTileOptions& web, QString& error) {
    switch (source.kind) {
    case MapKind::None: return nullptr;
    case MapKind::MbTiles: return openMbTiles(QString::fromStdString(source.location), error);
    case MapKind::Folder: return openTileFolder(QString::fromStdString(source.location), error);
    case MapKind::OpenStreetMap:
    case MapKind::Url:
        if (!isTileTemplate(source.location)) {
            error = QString::fromUtf8(kMapNotTemplate);
            return nullptr;
        }
        return std::make_unique<WebTileBackend>(source, web);
    }
    return nullptr;
}

}  // namespace tess
