// View › Map: the map under the outline, chosen from the menu (None,
// OpenStreetMap, a tile URL, an MBTiles file, a tile folder, or one shown
// before), remembered in the preferences, with a note in the status bar
// when tiles are missing.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

#include "map/MapSource.h"
#include "map/QtTileBackend.h"
#include "map/QtTileLayer.h"
#include "state/State.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace tess {

class QtMainWindow;
class QtCanvas;

class QtMapControl : public QObject {
    Q_OBJECT
public:
    // Adds the Map entries to the window's View menu; with `restore`, the
    // map of the preferences is shown again.
    QtMapControl(QtMainWindow& window, bool restore);
    ~QtMapControl() override;

    // Shows the map of a source, or none for MapKind::None. False, after
    // saying why, when the source cannot be opened: the map shown before
    // stays then. With `remember`, the choice goes into the preferences.
    bool show(const MapSource& source, bool remember = true);
    const MapSource& shown() const { return shown_; }
    QtTileLayer* layer() const { return layer_.get(); }

    // Lets the window run until every tile of the view has been answered
    // or the time is up; the tiles of the view missing or awaited then.
    int waitForTiles(int milliseconds);

    // Where web tiles are cached and how long a server may take.
    void setWebOptions(const WebTileOptions& options) { web_ = options; }

    QLabel* statusNote() const { return note_; }
    QAction* entry(MapKind kind) const { return entries_[static_cast<std::size_t>(kind)]; }

private:
    void buildMenu(QMenu* view);
    void chooseTileUrl();
    void chooseMbTiles();
    void chooseFolder();
    void syncMenu();
    void syncNote();

    QtMainWindow& window_;
    QPointer<QtCanvas> canvas_;  // gone first when the window closes
    State& state_;
    WebTileOptions web_;
    MapSource shown_;
    std::unique_ptr<QtTileLayer> layer_;
    std::array<QAction*, 5> entries_{};
    std::array<QAction*, 5> recent_{};
    QActionGroup* group_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace tess
