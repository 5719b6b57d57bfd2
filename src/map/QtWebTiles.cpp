#include "map/QtWebTiles.h"

#include <QDateTime>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "map/HttpFreshness.h"
#include "platform/Messages.h"

namespace tess {

namespace {

// Trims the disk cache after this many new tiles, besides at the start.
constexpr int kWritesBetweenTrims = 200;
constexpr int kFirstTrimDelayMs = 5000;

std::int64_t now() { return QDateTime::currentSecsSinceEpoch(); }

}  // namespace

WebTileBackend::WebTileBackend(MapSource source, const WebTileOptions& options)
    : source_(std::move(source)), cacheName_(cacheFolderName(source_.location)),
      cache_(options.cacheFolder.toStdString(), options.cacheLimitBytes), answerMilliseconds_(options.answerMilliseconds) {
    disk_.setMaxThreadCount(2);
    // The trim walks the whole cache: not while the first view is read.
    QTimer::singleShot(kFirstTrimDelayMs, this, [this] { disk_.start([cache = cache_] { cache.trim(); }); });
}

WebTileBackend::~WebTileBackend() {
    // Answers still in flight are dropped with the manager, without
    // reaching this half-gone object; the disk threads finish what they
    // write, so no cache file is left half done.
    for (QNetworkReply* reply : network_.findChildren<QNetworkReply*>()) reply->disconnect(this);
    disk_.waitForDone();
}

void WebTileBackend::fetch(const std::vector<TileKey>& keys) {
    wanted_ = std::set<TileKey>(keys.begin(), keys.end());
    // Tiles queued for a view passed over are not asked for.
    std::erase_if(queue_, [&](const NetworkJob& job) {
        if (wanted_.count(job.key)) return false;
        underWay_.erase(job.key);
        return true;
    });
    for (const TileKey& k : keys)
        if (underWay_.insert(k).second) lookUp(k);
}

int WebTileBackend::waiting() const { return static_cast<int>(underWay_.size()); }

void WebTileBackend::lookUp(TileKey k) {
    disk_.start([this, k, cache = cache_, name = cacheName_] {
        std::optional<CachedTile> tile = cache.read(name, k);
        if (tile && tile->freshUntil > now()) {
            const QImage image = decodeTile(QByteArray::fromStdString(tile->bytes));
            if (!image.isNull()) {
                QMetaObject::invokeMethod(this, [this, k, image] {
                    underWay_.erase(k);
                    emit tileReady(k, image);
                }, Qt::QueuedConnection);
                return;
            }
            tile.reset();
        }
        QMetaObject::invokeMethod(this, [this, job = NetworkJob{k, tile}] { needsNetwork(job); }, Qt::QueuedConnection);
    });
}

void WebTileBackend::needsNetwork(NetworkJob job) {
    if (!wanted_.count(job.key)) {
        underWay_.erase(job.key);
        return;
    }
    queue_.push_back(std::move(job));
    startRequests();
}

void WebTileBackend::startRequests() {
    for (auto it = queue_.begin(); it != queue_.end();) {
        const std::string address = tileAddress(source_.location, it->key);
        const std::string server = serverOf(address);
        if (busy_[server] >= kRequestsPerServer) {
            ++it;
            continue;
        }
        ++busy_[server];
        QNetworkRequest request(QUrl(QString::fromStdString(address)));
        request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(userAgent()));
        request.setTransferTimeout(answerMilliseconds_);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        if (it->stale && !it->stale->etag.empty()) request.setRawHeader("If-None-Match", QByteArray::fromStdString(it->stale->etag));
        QNetworkReply* reply = network_.get(request);
        connect(reply, &QNetworkReply::finished, this, [this, reply, job = *it, server] {
            --busy_[server];
            answered(reply, job);
            reply->deleteLater();
            startRequests();
        });
        it = queue_.erase(it);
    }
}

void WebTileBackend::answered(QNetworkReply* reply, const NetworkJob& job) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::string cacheControl = reply->rawHeader("Cache-Control").toStdString();
    const std::string expires = reply->rawHeader("Expires").toStdString();
    if (status == 200 && reply->error() == QNetworkReply::NoError) {
        CachedTile tile{reply->readAll().toStdString(), reply->rawHeader("ETag").toStdString(), freshUntil(now(), cacheControl, expires)};
        finish(job.key, std::move(tile), true);
    } else if (status == 304 && job.stale) {
        CachedTile tile = *job.stale;
        tile.freshUntil = freshUntil(now(), cacheControl, expires);
        finish(job.key, std::move(tile), true);
    } else if (job.stale) {
        // The server cannot help now; the copy on disk is better than grey.
        finish(job.key, *job.stale, false);
    } else {
        QString reason;
        if (status > 0) reason = QString("HTTP %1").arg(status);
        else if (reply->error() == QNetworkReply::OperationCanceledError || reply->error() == QNetworkReply::TimeoutError)
            reason = QString::fromUtf8(kMapTileNoAnswer);
        else reason = reply->errorString();
        underWay_.erase(job.key);
        emit tileFailed(job.key, reason);
    }
}

void WebTileBackend::finish(TileKey k, CachedTile tile, bool store) {
    const bool trim = store && ++writesSinceTrim_ >= kWritesBetweenTrims;
    if (trim) writesSinceTrim_ = 0;
    disk_.start([this, k, tile = std::move(tile), store, trim, cache = cache_, name = cacheName_] {
        const QImage image = decodeTile(QByteArray::fromStdString(tile.bytes));
        // A broken image is not kept: the next run asks again.
        if (store && !image.isNull()) cache.write(name, k, tile);
        if (trim) cache.trim();
        QMetaObject::invokeMethod(this, [this, k, image] {
            underWay_.erase(k);
            if (image.isNull()) emit tileFailed(k, QString::fromUtf8(kMapTileBroken));
            else emit tileReady(k, image);
        }, Qt::QueuedConnection);
    });
}

}  // namespace tess
