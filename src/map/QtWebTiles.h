// Tiles from a web server, politely: the program named in the User-Agent,
// at most two requests to a server at once, each tile kept on disk and
// used without asking again for at least a week, then revalidated with
// its ETag; only the tiles wanted now are ever asked for.
#pragma once

#include <QNetworkAccessManager>
#include <QThreadPool>
#include <deque>
#include <map>
#include <optional>
#include <set>

#include "map/QtTileBackend.h"
#include "map/TileDiskCache.h"

class QNetworkReply;

namespace tess {

inline constexpr int kRequestsPerServer = 2;

class WebTileBackend : public TileBackend {
    Q_OBJECT
public:
    WebTileBackend(MapSource source, const WebTileOptions& options);
    ~WebTileBackend() override;
    void fetch(const std::vector<TileKey>& keys) override;
    int waiting() const override;
    QString attribution() const override { return QString::fromStdString(source_.attribution); }

private:
    // A tile the disk did not have fresh: what it had, if anything.
    struct NetworkJob {
        TileKey key;
        std::optional<CachedTile> stale;
    };
    void lookUp(TileKey k);
    void needsNetwork(NetworkJob job);
    void startRequests();
    void answered(QNetworkReply* reply, const NetworkJob& job);
    // Stores (when `store`) and decodes on the disk thread, then answers.
    void finish(TileKey k, CachedTile tile, bool store);

    MapSource source_;
    std::string cacheName_;
    TileDiskCache cache_;
    int answerMilliseconds_;
    QNetworkAccessManager network_;
    QThreadPool disk_;
    std::set<TileKey> wanted_;     // the tiles of the view now
    std::set<TileKey> underWay_;   // looked up, queued or requested
    std::deque<NetworkJob> queue_;  // waiting for a free connection
    std::map<std::string, int> busy_;  // requests under way per server
    int writesSinceTrim_ = 0;
};

}  // namespace tess
