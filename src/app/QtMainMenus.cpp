// The menu bar: File, View, Background, Tools and Help, every entry
// numbered as its handler expects. Separators carry numbers too but never click.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/QtMainWindow.h"
#include "background/Background.h"
#include "combine/QtCombineWindow.h"
#include "geometry/QtToolDialogs.h"
#include "gpx/GpxWriter.h"
#include "shell/QtAboutWindow.h"
#include "view/ViewCommands.h"

namespace tess {

namespace {

struct Entry {
    int number;
    const char* caption;  // nullptr: a separator
    const char* shortcut = nullptr;
};

}  // namespace

void QtMainWindow::buildMenus() {
    auto addMenu = [this](const char* name, std::initializer_list<Entry> entries) {
        QMenu* menu = menuBar()->addMenu(name);
        for (const Entry& e : entries) {
            if (!e.caption) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(e.caption));
            if (e.shortcut) action->setShortcut(QKeySequence(e.shortcut));
            const std::string menuName = name;
            const int number = e.number;
            connect(action, &QAction::triggered, this, [this, menuName, number] { menuClicked(menuName, number); });
            menuEntries_[{menuName, number}] = action;
        }
    };
    addMenu("File", {{0, "New"},
                     {1, nullptr},
                     {2, "Open Poly File"},
                     {3, "Open GPX"},
                     {toolEntry::ImportGeoJson, "Import GeoJSON…"},
                     {4, nullptr},
                     {6, "Save ", "Ctrl+S"},
                     {7, "Save As"},
                     {toolEntry::ExportGeoJson, "Export GeoJSON…"},
                     {8, nullptr},
                     {9, "Save Selection"},
                     {10, nullptr},
                     {11, "Exit"},
                     {12, ""},
                     {13, ""},
                     {14, ""},
                     {15, ""},
                     {16, ""}});
    buildViewMenu();
    addMenu("Background", {{0, "Add Background"}, {1, "Cancel Background"}, {2, nullptr},
                           {3, "Use Last Background", "Ctrl+B"}});
    addMenu("Tools", {{0, "Combine Poly Files"}, {1, "Convert to GPX"}, {2, nullptr},
                      {toolEntry::Simplify, "Simplify Ring…"}, {toolEntry::Grow, "Grow or Shrink Ring…"},
                      {toolEntry::Check, "Check Document"}});
    addMenu("Help", {{0, "About Tessaline"}, {1, "Help"}});
}

// View: zoom in and out around the middle of the canvas, fit the ring
// again, keep proportions (remembered between runs).
void QtMainWindow::buildViewMenu() {
    QMenu* menu = menuBar()->addMenu("View");
    auto add = [&](int number, const char* caption, QList<QKeySequence> keys, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, handler](bool checked) {
            handler(checked);
            syncFromState();
        });
        menuEntries_[{"View", number}] = action;
        return action;
    };
    add(0, "Zoom In", {QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}, [this](bool) { zoomIn(state_); });
    add(1, "Zoom Out", {QKeySequence("Ctrl+-")}, [this](bool) { zoomOut(state_); });
    add(2, "Fit Ring", {QKeySequence("Ctrl+0")}, [this](bool) { fitView(state_); });
    menu->addSeparator();
    QAction* keep = add(4, "Keep Proportions", {}, [this](bool checked) {
        setKeepProportions(state_, checked);
        savePreferences(state_);
    });
    keep->setCheckable(true);
}

QAction* QtMainWindow::menuEntry(const std::string& menu, int number) const {
    auto it = menuEntries_.find({menu, number});
    return it == menuEntries_.end() ? nullptr : it->second;
}

void QtMainWindow::menuClicked(const std::string& menu, int number) {
    if (toolMenuClicked(this, state_, menu, number, [this] { syncFromState(); })) return;
    if (menu == "File") {
        if (number == mf::Exit) {
            close();
            return;
        }
        mf_Click(state_, number);
    } else if (menu == "Background") {
        mbk_Click(state_, number);
    } else if (menu == "Tools") {
        if (number == 0) showCombineWindow(this, state_);
        else if (number == 1) convertToGpx(state_);
    } else if (menu == "Help") {
        if (number == 0) showAboutWindow(state_);
        else if (number == 1) helpPage();
    }
    syncFromState();
}

}  // namespace tess
