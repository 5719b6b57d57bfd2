// The menu bar: File, Edit, View, Background, Tools and Help, every entry
// numbered as its handler expects. Separators carry numbers too but never
// click. An "&" in a caption marks the key that chooses it with Alt; the
// caption shown is the rest.
#include <QAction>
#include <algorithm>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/QtMainWindow.h"
#include "background/Background.h"
#include "combine/QtCombineWindow.h"
#include "editing/DocumentChanges.h"
#include "tools/QtToolDialogs.h"
#include "gpx/GpxWriter.h"
#include "shell/QtAboutWindow.h"
#include "view/ViewCommands.h"

namespace tess {

namespace {

struct Entry {
    int number;
    const char* caption;  // nullptr: a separator
    std::initializer_list<const char*> shortcuts = {};
};

// "&File" is the File menu's name in the program.
std::string plainName(const char* caption) {
    std::string name = caption;
    name.erase(std::remove(name.begin(), name.end(), '&'), name.end());
    return name;
}

}  // namespace

void QtMainWindow::buildMenus() {
    auto addMenu = [this](const char* title, std::initializer_list<Entry> entries) {
        QMenu* menu = menuBar()->addMenu(title);
        const std::string menuName = plainName(title);
        for (const Entry& e : entries) {
            if (!e.caption) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(e.caption));
            QList<QKeySequence> keys;
            for (const char* key : e.shortcuts) keys << QKeySequence(key);
            action->setShortcuts(keys);
            const int number = e.number;
            connect(action, &QAction::triggered, this, [this, menuName, number] { menuClicked(menuName, number); });
            menuEntries_[{menuName, number}] = action;
        }
    };
    addMenu("&File", {{0, "&New", {"Ctrl+N"}},
                     {1, nullptr},
                     {2, "&Open Poly File", {"Ctrl+O"}},
                     {3, "Open &GPX"},
                     {toolEntry::ImportGeoJson, "&Import GeoJSON…"},
                     {4, nullptr},
                     {6, "&Save ", {"Ctrl+S"}},
                     {7, "Save &As", {"Ctrl+Shift+S"}},
                     {toolEntry::ExportGeoJson, "&Export GeoJSON…"},
                     {8, nullptr},
                     {9, "Save Se&lection"},
                     {10, nullptr},
                     {11, "E&xit", {"Ctrl+Q"}},
                     {12, ""},
                     {13, ""},
                     {14, ""},
                     {15, ""},
                     {16, ""}});
    addMenu("&Edit", {{0, "&Undo", {"Ctrl+Z"}}, {1, "&Redo", {"Ctrl+Shift+Z", "Ctrl+Y"}}});
    buildViewMenu();
    addMenu("&Background", {{0, "&Add Background"}, {1, "&Cancel Background"}, {2, nullptr},
                           {3, "Use &Last Background", {"Ctrl+B"}}});
    addMenu("&Tools", {{0, "&Combine Poly Files"}, {1, "Convert to &GPX"}, {2, nullptr},
                      {toolEntry::Simplify, "&Simplify Ring…"}, {toolEntry::Grow, "G&row or Shrink Ring…"},
                      {toolEntry::Check, "C&heck Document"}});
    addMenu("&Help", {{0, "&About Tessaline"}, {1, "&Help", {"F1"}}});
}

// View: zoom in and out around the middle of the canvas, fit the ring
// again, keep proportions (remembered between runs).
void QtMainWindow::buildViewMenu() {
    QMenu* menu = menuBar()->addMenu("&View");
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
    add(0, "Zoom &In", {QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}, [this](bool) { zoomIn(state_); });
    add(1, "Zoom &Out", {QKeySequence("Ctrl+-")}, [this](bool) { zoomOut(state_); });
    add(2, "&Fit Ring", {QKeySequence("Ctrl+0")}, [this](bool) { fitView(state_); });
    menu->addSeparator();
    QAction* keep = add(4, "&Keep Proportions", {}, [this](bool checked) {
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
    } else if (menu == "Edit") {
        if (number == 0) undoLast(state_);
        else redoLast(state_);
    } else if (menu == "Background") {
        mbk_Click(state_, number);
    } else if (menu == "Tools") {
        if (number == 0) {
            const std::string combined = showCombineWindow(this, state_);
            if (!combined.empty()) openPolyPath(state_, combined);
        }
        else if (number == 1) convertToGpx(state_);
    } else if (menu == "Help") {
        if (number == 0) showAboutWindow(state_);
        else if (number == 1) helpPage();
    }
    syncFromState();
}

}  // namespace tess
