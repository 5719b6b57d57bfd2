// Web tiles against a tile server in the test (127.0.0.1, a port of its
// own): which tiles a known view asks for, nothing asked twice, the ETag
// revalidated, the User-Agent sent, never more than two connections, and
// failures that leave the outline drawn and are named in the status bar.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QLabel>
#include <QPainter>
#include <QTcpServer>
#include <QTcpSocket>
#include <set>

#include "app/QtMapMenu.h"
#include "app/QtWindowFixture.h"
#include "editing/QtCanvas.h"
#include "map/QtTileLayer.h"
#include "map/QtWebTiles.h"
#include "map/QtTilePictures.h"
#include "view/WebMercator.h"

using namespace tess;

namespace {

// Serves every path with one answer, one request per connection, and
// counts what it was asked.
class TileServer : public QObject {
public:
    enum class Answer { Tile, NotFound, ServerError, Slow, Broken };
    explicit TileServer(Answer answer = Answer::Tile) : answer_(answer) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++open_;
                mostOpen = std::max(mostOpen, open_);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    if (socket->canReadLine() && socket->peek(4096).contains("\r\n\r\n")) read(socket);
                });
                connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    --open_;
                    socket->deleteLater();
                });
            }
        });
    }
    QString pattern() const { return QString("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server_.serverPort()); }

    std::vector<std::string> paths;   // in the order asked
    std::vector<QByteArray> requests;  // the request lines and headers, as sent
    int mostOpen = 0;

private:
    void read(QTcpSocket* socket) {
        const QByteArray& request = requests.emplace_back(socket->readAll());
        paths.push_back(request.split(' ').value(1).toStdString());
        const bool known = request.contains("\r\nIf-None-Match: \"v1\"\r\n");
        // Slow enough that requests overlap, so that a third connection
        // would show.
        QTimer::singleShot(answer_ == Answer::Slow ? 3000 : 30, socket, [this, socket, known] { reply(socket, known); });
    }
    void reply(QTcpSocket* socket, bool known) {
        QByteArray status = "200 OK", body;
        if (known) status = "304 Not Modified";
        else if (answer_ == Answer::NotFound) status = "404 Not Found";
        else if (answer_ == Answer::ServerError) status = "500 Internal Server Error";
        else if (answer_ == Answer::Broken) body = "this is no picture";
        else body = pngTile(QColor(20, 160, 60));
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: image/png\r\nETag: \"v1\"\r\nCache-Control: max-age=60\r\n" +
                      "Connection: close\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    Answer answer_;
    QTcpServer server_;
    int open_ = 0;
};

// The view of the test: 90 degrees east from Greenwich and north from the
// equator on 512 × 512 pixels, zoom 3.
constexpr CanvasArea kArea{512 * 15 + 200, 512 * 15 + 200, kMargin};

ViewState knownView() {
    ViewState v;
    v.webMercator = true;
    v.minLon = 0, v.maxLon = 90, v.minLat = 0, v.maxLat = static_cast<float>(latitudeOfProjected(90));
    finishFit(v);
    return v;
}

// Paints the view until every tile asked for is answered.
void paintUntilAnswered(QtTileLayer& layer, const ViewState& v) {
    QImage canvas(kArea.width / 15, kArea.height / 15, QImage::Format_ARGB32_Premultiplied);
    for (int k = 0; k < 500; ++k) {
        QPainter painter(&canvas);
        layer.paint(painter, v, kArea, 1.0);
        painter.end();
        if (layer.awaited() == 0 && layer.backend().waiting() == 0) return;
        QTest::qWait(10);
    }
    ADD_FAILURE() << "tiles still awaited";
}

class TileServerTest : public test::QtWindowTest {
protected:
    WebTileOptions options() const { return {QString::fromStdString(temp.file("cache")), 1ull << 30, 1000}; }
    std::unique_ptr<QtTileLayer> layerOn(const TileServer& server) {
        const MapSource source{MapKind::Url, server.pattern().toStdString(), "Test server"};
        return std::make_unique<QtTileLayer>(std::make_unique<WebTileBackend>(source, options()));
    }
};

}  // namespace

TEST_F(TileServerTest, aKnownViewAsksForItsTilesAndOneAroundOnceWithTheUserAgentOnTwoConnections) {
    TileServer server;
    auto layer = layerOn(server);
    paintUntilAnswered(*layer, knownView());
    std::set<std::string> expected;
    for (int x = 2; x <= 7; ++x)
        for (int y = 0; y <= 5; ++y) expected.insert("/3/" + std::to_string(x) + "/" + std::to_string(y) + ".png");
    EXPECT_EQ(std::set<std::string>(server.paths.begin(), server.paths.end()), expected);
    EXPECT_EQ(server.paths.size(), expected.size());
    EXPECT_EQ(layer->missing(), 0);
    for (const QByteArray& request : server.requests) EXPECT_TRUE(request.contains("\r\nUser-Agent: Tessaline/")) << request.toStdString();
    EXPECT_LE(server.mostOpen, kRequestsPerServer);

    // The same view again, in this window or the next, asks nothing.
    paintUntilAnswered(*layer, knownView());
    auto next = layerOn(server);
    paintUntilAnswered(*next, knownView());
    EXPECT_EQ(server.paths.size(), expected.size());
    EXPECT_EQ(next->missing(), 0);

    // Closer, the tiles held stand in, scaled up, until the deeper ones come.
    ViewState closer = knownView();
    zoomAround(closer, kArea.width / 2, kArea.height / 2, 2, kArea);
    QImage canvas(kArea.width / 15, kArea.height / 15, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    next->paint(painter, closer, kArea, 1.0);
    EXPECT_EQ(next->zoom(), 4);
    EXPECT_EQ(canvas.pixel(256, 256), qRgb(20, 160, 60));
}

TEST_F(TileServerTest, anExpiredTileIsRevalidatedAndA304KeepsIt) {
    TileServer server;
    const TileDiskCache cache(temp.file("cache"), 1ull << 30);
    const std::string name = cacheFolderName(server.pattern().toStdString());
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    ASSERT_EQ(cache.write(name, {3, 4, 2}, {pngTile(Qt::red).toStdString(), "\"v1\"", now - 10}), "");
    auto layer = layerOn(server);
    paintUntilAnswered(*layer, knownView());
    const auto asked = std::find(server.paths.begin(), server.paths.end(), "/3/4/2.png") - server.paths.begin();
    ASSERT_LT(asked, std::ssize(server.paths));
    EXPECT_TRUE(server.requests[static_cast<std::size_t>(asked)].contains("If-None-Match: \"v1\""));
    EXPECT_EQ(layer->missing(), 0);
    const auto kept = cache.read(name, {3, 4, 2});
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->bytes, pngTile(Qt::red).toStdString());  // the 304 kept the tile we had
    EXPECT_GE(kept->freshUntil, now + 7 * 24 * 3600);
}

TEST_F(TileServerTest, tilesThatCannotBeHadLeaveTheOutlineDrawnAndAreNamedInTheStatusBar) {
    const std::pair<TileServer::Answer, const char*> cases[] = {{TileServer::Answer::NotFound, "HTTP 404"},
                                                                {TileServer::Answer::ServerError, "HTTP 500"},
                                                                {TileServer::Answer::Slow, "no answer in time"},
                                                                {TileServer::Answer::Broken, "a broken image"}};
    const std::string poly = temp.file("square.poly");
    test::writeFile(poly, "square\n1\n   10.0   20.0\n   40.0   20.0\n   40.0   50.0\n   10.0   50.0\n   10.0   20.0\nEND\nEND\n");
    for (const auto& [answer, reason] : cases) {
        TileServer server(answer);
        QtMainWindow& w = start(poly);
        w.mapControl()->setWebOptions(options());
        ASSERT_TRUE(w.mapControl()->show({MapKind::Url, server.pattern().toStdString(), "Test"}, false));
        w.mapControl()->waitForTiles(4000);
        EXPECT_NE(w.mapControl()->statusNote()->text().toStdString().find(reason), std::string::npos)
            << w.mapControl()->statusNote()->text().toStdString();
        // The ring is still drawn in blue over the grey.
        EXPECT_GT(bluePixels(w.canvas()->grab().toImage()), 100) << reason;
        ASSERT_TRUE(w.mapControl()->show({}, false));  // None: the plain canvas again
        EXPECT_FALSE(w.state().view.webMercator);
        restart();
    }
}
