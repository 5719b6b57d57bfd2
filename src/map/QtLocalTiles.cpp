#include "map/QtLocalTiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "platform/Messages.h"

namespace tess {

LocalTileBackend::LocalTileBackend() {
    // One thread that never expires: a database connection belongs to it,
    // and the tasks run on it one after the other.
    worker_.setMaxThreadCount(1);
    worker_.setExpiryTimeout(-1);
}

LocalTileBackend::~LocalTileBackend() { stopWorker(); }

void LocalTileBackend::stopWorker() {
    {
        QMutexLocker lock(&mutex_);
        if (stopped_) return;
        stopped_ = true;
        queue_.clear();
    }
    // Queued behind the reading, so on the same thread.
    worker_.start([this] { closeOnWorker(); });
    worker_.waitForDone();
}

void LocalTileBackend::fetch(const std::vector<TileKey>& keys) {
    QMutexLocker lock(&mutex_);
    if (stopped_) return;
    // The tile being read now is not read again.
    queue_.clear();
    for (const TileKey& k : keys)
        if (!(busy_ > 0 && k == reading_)) queue_.push_back(k);
    if (running_ || queue_.empty()) return;
    running_ = true;
    worker_.start([this] { work(); });
}

int LocalTileBackend::waiting() const {
    QMutexLocker lock(&mutex_);
    return static_cast<int>(queue_.size()) + busy_.load();
}

void LocalTileBackend::work() {
    for (;;) {
        TileKey k;
        {
            QMutexLocker lock(&mutex_);
            if (queue_.empty() || stopped_) {
                running_ = false;
                return;
            }
            k = queue_.front();
            queue_.pop_front();
            reading_ = k;
            ++busy_;
        }
        const QByteArray bytes = readTile(k);
        const QImage image = bytes.isEmpty() ? QImage() : decodeTile(bytes);
        const QString reason = bytes.isEmpty() ? QString(kMapTileNotInSource) : QString(kMapTileBroken);
        QMetaObject::invokeMethod(this, [this, k, image, reason] {
            --busy_;
            if (image.isNull()) emit tileFailed(k, reason);
            else emit tileReady(k, image);
        }, Qt::QueuedConnection);
    }
}

namespace {

// Each MBTiles file gets connections of its own names.
QString connectionName(const char* use) {
    static std::atomic<int> next{0};
    return QString("tessaline-mbtiles-%1-%2").arg(use).arg(next++);
}

QSqlDatabase openReadOnly(const QString& path, const QString& name) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
    db.setConnectOptions("QSQLITE_OPEN_READONLY");
    db.setDatabaseName(path);
    db.open();
    return db;
}

class MbTilesBackend : public LocalTileBackend {
public:
    MbTilesBackend(QString path, int minZoom, int maxZoom, QString attribution) : path_(std::move(path)) {
        minZoom_ = minZoom;
        maxZoom_ = maxZoom;
        attribution_ = std::move(attribution);
    }
    ~MbTilesBackend() override { stopWorker(); }

protected:
    QByteArray readTile(TileKey k) override {
        if (name_.isEmpty()) {
            name_ = connectionName("read");
            openReadOnly(path_, name_);
        }
        QSqlQuery query(QSqlDatabase::database(name_, false));
        query.prepare("SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND tile_row = ?");
        query.addBindValue(k.z);
        query.addBindValue(k.x);
        // MBTiles number rows from the south, as TMS does.
        query.addBindValue((1 << k.z) - 1 - k.y);
        if (!query.exec() || !query.next()) return {};
        return query.value(0).toByteArray();
    }
    void closeOnWorker() override {
        if (name_.isEmpty()) return;
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }

private:
    QString path_;
    QString name_;  // the worker's connection, once opened
};

class FolderBackend : public LocalTileBackend {
public:
    FolderBackend(QString path, int minZoom, int maxZoom) : path_(std::move(path)) {
        minZoom_ = minZoom;
        maxZoom_ = maxZoom;
    }
    ~FolderBackend() override { stopWorker(); }

protected:
    QByteArray readTile(TileKey k) override {
        const QString stem = QString("%1/%2/%3/%4.").arg(path_).arg(k.z).arg(k.x).arg(k.y);
        for (const char* ending : {"png", "jpg", "jpeg", "webp"}) {
            QFile file(stem + ending);
            if (file.size() > 0 && file.size() < 16 * 1024 * 1024 && file.open(QIODevice::ReadOnly)) return file.readAll();
        }
        return {};
    }

private:
    QString path_;
};

// Metadata holds numbers as text; a missing or broken one keeps the default.
int metadataNumber(const QMap<QString, QString>& metadata, const char* key, int otherwise) {
    bool ok = false;
    const int value = metadata.value(key).trimmed().toInt(&ok);
    return ok && value >= 0 && value <= kDeepestTileZoom ? value : otherwise;
}

}  // namespace

std::unique_ptr<TileBackend> openMbTiles(const QString& path, QString& error) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        error = QString::fromUtf8(kMapNoSuchFile);
        return nullptr;
    }
    if (!QSqlDatabase::isDriverAvailable("QSQLITE")) {
        error = QString::fromUtf8(kMapNoSqlite);
        return nullptr;
    }
    const QString name = connectionName("check");
    QMap<QString, QString> metadata;
    bool hasTiles = false;
    {
        QSqlDatabase db = openReadOnly(path, name);
        QSqlQuery tiles(db);
        hasTiles = db.isOpen() && tiles.exec("SELECT 1 FROM tiles LIMIT 1");
        QSqlQuery meta(db);
        if (hasTiles && meta.exec("SELECT name, value FROM metadata"))
            while (meta.next()) metadata.insert(meta.value(0).toString(), meta.value(1).toString());
    }  // every handle gone, so that the connection can be removed
    QSqlDatabase::removeDatabase(name);
    if (!hasTiles) {
        error = QString::fromUtf8(kMapNotMbTiles);
        return nullptr;
    }
    const int minZoom = metadataNumber(metadata, "minzoom", 0);
    const int maxZoom = std::max(minZoom, metadataNumber(metadata, "maxzoom", kDeepestTileZoom));
    return std::make_unique<MbTilesBackend>(path, minZoom, maxZoom, metadata.value("attribution"));
}

std::unique_ptr<TileBackend> openTileFolder(const QString& path, QString& error) {
    const QDir dir(path);
    if (!QFileInfo(path).isDir()) {
        error = QString::fromUtf8(kMapNoSuchFolder);
        return nullptr;
    }
    int minZoom = kDeepestTileZoom + 1, maxZoom = -1;
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const int z = entry.toInt(&ok);
        if (!ok || z < 0 || z > kDeepestTileZoom) continue;
        minZoom = std::min(minZoom, z);
        maxZoom = std::max(maxZoom, z);
    }
    if (maxZoom < 0) {
        error = QString::fromUtf8(kMapNotTileFolder);
        return nullptr;
    }
    return std::make_unique<FolderBackend>(path, minZoom, maxZoom);
}

}  // namespace tess
