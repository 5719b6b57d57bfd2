#include "app/QtMapMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <algorithm>

#include "app/Preferences.h"
#include "app/QtMainWindow.h"
#include "editing/QtCanvas.h"
#include "editing/ViewCommands.h"
#include "platform/Messages.h"
#include "platform/QtEventWait.h"
#include "view/ViewArea.h"

namespace tess {

namespace {

constexpr std::size_t kRecentMapCount = 5;

QString menuCaption(const MapSource& s) {
    const QString where = QString::fromStdString(s.location);
    switch (s.kind) {
    case MapKind::OpenStreetMap: return "OpenStreetMap";
    case MapKind::Folder:
    case MapKind::MbTiles: return QFileInfo(where).fileName().isEmpty() ? where : QFileInfo(where).fileName();
    default: return where;
    }
}

}  // namespace

QtMapControl::QtMapControl(QtMainWindow& window, bool restore)
    : QObject(&window), window_(window), canvas_(window.canvas()), state_(window.state()) {
    web_.cacheFolder = defaultTileCacheFolder();
    web_.cacheLimitBytes = state_.settings.mapCacheMegabytes * 1024 * 1024;
    for (QAction* a : window.menuBar()->actions())
        if (a->text() == "&View" && a->menu()) buildMenu(a->menu());
    note_ = new QLabel(&window);
    note_->setObjectName("mapNote");
    note_->setStyleSheet("color: #b00000");
    window.statusBar()->addWidget(note_);
    if (restore)
        if (const auto remembered = sourceFromLine(state_.settings.map)) show(*remembered, false);
    syncMenu();
}

QtMapControl::~QtMapControl() {
    if (layer_ && canvas_) canvas_->setUnderlay(nullptr);
}

void QtMapControl::buildMenu(QMenu* view) {
    view->addSeparator();
    QMenu* map = view->addMenu("&Map");
    group_ = new QActionGroup(this);
    const std::array<const char*, 5> captions{"&None", "&OpenStreetMap", "Tile &URL…", "&MBTiles File…", "Tile &Folder…"};
    for (std::size_t k = 0; k < captions.size(); ++k) {
        QAction* a = map->addAction(captions[k]);
        a->setCheckable(true);
        group_->addAction(a);
        entries_[k] = a;
    }
    connect(entries_[0], &QAction::triggered, this, [this] { show(MapSource{}); });
    connect(entries_[1], &QAction::triggered, this, [this] { show(openStreetMap()); });
    connect(entries_[2], &QAction::triggered, this, [this] { chooseTileUrl(); });
    connect(entries_[3], &QAction::triggered, this, [this] { chooseMbTiles(); });
    connect(entries_[4], &QAction::triggered, this, [this] { chooseFolder(); });
    map->addSeparator();
    for (std::size_t k = 0; k < recent_.size(); ++k) {
        recent_[k] = map->addAction(QString());
        connect(recent_[k], &QAction::triggered, this, [this, k] {
            if (k >= state_.settings.recentMaps.size()) return;
            if (const auto s = sourceFromLine(state_.settings.recentMaps[k])) show(*s);
        });
    }
}

bool QtMapControl::show(const MapSource& source, bool remember) {
    std::unique_ptr<TileBackend> backend;
    if (source.kind != MapKind::None) {
        QString error;
        backend = openTileBackend(source, web_, error);
        if (!backend) {
            state_.platform.message(std::string(kMapCannotOpen) + error.toStdString());
            syncMenu();
            return false;
        }
    }
    QtCanvas* canvas = canvas_;
    canvas->setUnderlay(nullptr);
    layer_.reset();
    shown_ = source;
    if (backend) {
        layer_ = std::make_unique<QtTileLayer>(std::move(backend));
        connect(layer_.get(), &QtTileLayer::changed, canvas, qOverload<>(&QWidget::update));
        canvas->setUnderlay([this, canvas](QPainter& painter) {
            layer_->paint(painter, state_.view, canvasArea(state_.canvas), canvas->devicePixelRatioF());
            syncNote();
        });
    }
    state_.view.webMercator = layer_ != nullptr;
    if (remember) {
        state_.settings.map = layer_ ? sourceLine(source) : std::string();
        auto& recent = state_.settings.recentMaps;
        if (layer_) {
            std::erase(recent, sourceLine(source));
            recent.insert(recent.begin(), sourceLine(source));
            if (recent.size() > kRecentMapCount) recent.resize(kRecentMapCount);
        }
        savePreferences(state_);
    }
    canvasResized(state_);
    syncNote();
    syncMenu();
    window_.syncFromState();
    return true;
}

void QtMapControl::chooseTileUrl() {
    QDialog dialog(&window_);
    dialog.setWindowTitle(kMapTileUrlTitle);
    auto* form = new QFormLayout(&dialog);
    auto* url = new QLineEdit(&dialog);
    auto* attribution = new QLineEdit(&dialog);
    url->setMinimumWidth(420);
    if (shown_.kind == MapKind::Url) {
        url->setText(QString::fromStdString(shown_.location));
        attribution->setText(QString::fromStdString(shown_.attribution));
    }
    form->addRow(kMapTileUrlPrompt, url);
    form->addRow(kMapAttributionPrompt, attribution);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return syncMenu();
    show({MapKind::Url, url->text().trimmed().toStdString(), attribution->text().trimmed().toStdString()});
}

void QtMapControl::chooseMbTiles() {
    const std::string path = state_.platform.fileDialog(false, {{"MBTiles files", "*.mbtiles"}, {"All files", "*"}}, {}, {});
    if (path.empty()) return syncMenu();
    show({MapKind::MbTiles, path, {}});
}

void QtMapControl::chooseFolder() {
    const std::string path = state_.platform.folderDialog({});
    if (path.empty()) return syncMenu();
    show({MapKind::Folder, path, {}});
}

void QtMapControl::syncMenu() {
    if (!group_) return;
    entries_[static_cast<std::size_t>(layer_ ? shown_.kind : MapKind::None)]->setChecked(true);
    for (std::size_t k = 0; k < recent_.size(); ++k) {
        const auto s = k < state_.settings.recentMaps.size() ? sourceFromLine(state_.settings.recentMaps[k]) : std::nullopt;
        recent_[k]->setVisible(s.has_value());
        if (s) recent_[k]->setText(QString("&%1 %2").arg(k + 1).arg(menuCaption(*s)));
    }
}

void QtMapControl::syncNote() {
    QString text;
    if (layer_ && layer_->missing() > 0)
        text = QString::fromStdString(mapTilesMissingMessage(layer_->missing(), layer_->missingReason().toStdString()));
    if (note_->text() != text) note_->setText(text);
}

int QtMapControl::waitForTiles(int milliseconds) {
    if (!layer_) return 0;
    QDeadlineTimer deadline(milliseconds);
    for (;;) {
        // Painting is what asks for the tiles of the view.
        canvas_->grab();
        if (layer_->awaited() == 0 && layer_->backend().waiting() == 0) break;
        if (deadline.hasExpired()) break;
        runEventsFor(20);
    }
    canvas_->grab();
    return layer_->missing() + layer_->awaited();
}

}  // namespace tess
