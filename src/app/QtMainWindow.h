// The main window: menus, ring list, title box, "Edit" box, tool buttons,
// bound labels, "+" and "-", progress bar and the canvas. It owns
// the program's State, turns widget events into the program's handlers
// and, after each one, shows the state again.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/WindowLayout.h"
#include "state/State.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QStatusBar;
class QTimer;

namespace tess {
class QtWorkIndicator;
}

namespace tess {

class ClickLabel;
class ToolButton;
class QtCanvas;
class TitleBox;

struct WindowStart {
    std::string exeDir;       // the folder of the executable
    std::string commandLine;  // the file to open, quotes already removed
    bool center = true;       // centre the window on the screen
    bool placeOnScreen = false;  // where it last closed, or at 70 % of the screen
    bool restoreMap = true;   // show the map of the preferences again
};

// What the menus offer.
enum class Command {
    New, OpenPolyFile, OpenGpx, ImportGeoJson, Save, SaveAs, ExportGeoJson, SaveSelection, Exit,
    Undo, Redo, RemoveRing,
    ZoomIn, ZoomOut, FitRing, KeepProportions,
    AddBackground, CancelBackground, UseLastBackground,
    CombineFiles, ConvertToGpx, Simplify, Grow, CheckDocument,
    ImportOsmBoundary,
    Union, ClipToFile, SubtractFile, RemoveSmallHoles, SplitAt180,
    About, Help,
    Separator,  // not a command: a line between entries
};

// The smallest window, in pixels, at which no control covers another.
inline constexpr int kMinimumWidth = 650;
inline constexpr int kMinimumHeight = 400;

class QtMapControl;

class QtMainWindow : public QMainWindow {
    Q_OBJECT
public:
    QtMainWindow(Platform& platform, const WindowStart& start);
    ~QtMainWindow() override;

    State& state() { return state_; }
    const WindowLayout& layout() const { return layout_; }
    QtCanvas* canvas() const { return canvas_; }
    QListWidget* ringList() const { return ringList_; }
    TitleBox* titleBox() const { return titleBox_; }
    QCheckBox* editBox() const { return editBox_; }
    QLabel* editLabel() const;
    QLabel* boundLabel(int i) const;
    QLabel* selectionLabel(int i) const;
    ToolButton* toolButton(int i) const { return toolButtons_[static_cast<std::size_t>(i)]; }
    QWidget* progressFrame() const;
    QWidget* progressBar() const;
    // View › Map and the map under the outline.
    QtMapControl* mapControl() const { return map_; }
    // The menu entry of a command, and of recent file k (0 the newest).
    QAction* action(Command command) const;
    QAction* recentFileAction(int k) const { return recentActions_[static_cast<std::size_t>(k)]; }
    // Runs a menu command and shows the state again; `checked` is the new
    // state of a checkable entry.
    void run(Command command, bool checked = false);
    // The status bar's pointer, ring, zoom and hint labels.
    QLabel* statusLabel(int i) const { return status_[static_cast<std::size_t>(i)]; }
    // The report on work under way, with its Cancel button.
    QtWorkIndicator* workIndicator() const { return work_; }

    // Shows the state in the widgets.
    void syncFromState();
    // The resize handler: lays the canvas and ring list out, then redraws.
    void windowResized();
    // Loads the first dropped file, as a drop on the window or canvas does.
    void dropFile(const std::string& path);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void buildControls();
    void buildMenus();
    void buildStatusBar();
    void syncStatus();
    void applyLayout();
    // Sizes the ring list for its entries; true when its width changed.
    bool fitRingListTo(const QStringList& entries);
    void syncProgress();
    // While work runs away from the window, only what leaves the document
    // alone may be used.
    void syncWork();
    void helpPage();

    State state_;
    WindowLayout layout_;
    QWidget* form_ = nullptr;  // the client area, positions in twips / 15
    QtCanvas* canvas_ = nullptr;
    QtMapControl* map_ = nullptr;
    QTimer* titlePause_ = nullptr;  // ends a spell of typing in the title box
    QListWidget* ringList_ = nullptr;
    TitleBox* titleBox_ = nullptr;
    QCheckBox* editBox_ = nullptr;
    ClickLabel* editLabel_ = nullptr;
    std::array<ToolButton*, 3> toolButtons_{};
    std::array<QLabel*, 3> toolIndicators_{};
    std::array<QLabel*, 4> boundLabels_{};
    std::array<ClickLabel*, 2> ringButtons_{};
    QFrame* progressFrame_ = nullptr;
    QWidget* progressBar_ = nullptr;
    std::map<Command, QAction*> actions_;
    std::array<QAction*, kRecentCount> recentActions_{};
    QMenu* recentMenu_ = nullptr;  // File › Open Recent
    std::array<QLabel*, 4> status_{};
    QtWorkIndicator* work_ = nullptr;
    std::optional<std::pair<double, double>> pointer_;  // over the canvas, twips
    bool syncing_ = false;
    bool remembersPlace_ = false;  // the window's place is kept when it closes
    // The ring list as shown.
    struct ListedRing {
        bool hole = false;
        std::string name;
        friend bool operator==(const ListedRing&, const ListedRing&) = default;
    };
    std::vector<ListedRing> shownRings_{ListedRing{true, {}}};
};

}  // namespace tess
