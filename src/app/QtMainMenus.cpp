// The menu bar: File, Edit, View, Background, Tools and Help. Each entry is
// a named command; the window runs it and shows the state again. An "&" in
// a caption marks the key that chooses it with Alt.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/FileMenu.h"
#include "app/Preferences.h"
#include "app/QtMainWindow.h"
#include "background/Background.h"
#include "combine/QtCombineWindow.h"
#include "editing/DocumentChanges.h"
#include "editing/ViewCommands.h"
#include "osm/QtBoundaryChoices.h"
#include "selection/Selection.h"
#include "shell/QtAboutWindow.h"
#include "tools/AreaTools.h"
#include "tools/BoundaryImport.h"
#include "tools/ImportExport.h"
#include "tools/QtToolDialogs.h"
#include "tools/RingTools.h"

namespace tess {

namespace {

struct Entry {
    Command command;
    const char* caption;
    std::initializer_list<const char*> shortcuts = {};
};

// A separator between entries.
constexpr Entry kSeparator{Command::Separator, nullptr};

}  // namespace

void QtMainWindow::buildMenus() {
    auto addMenu = [this](const char* title, std::initializer_list<Entry> entries) {
        QMenu* menu = menuBar()->addMenu(title);
        for (const Entry& e : entries) {
            if (!e.caption) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(e.caption));
            QList<QKeySequence> keys;
            for (const char* key : e.shortcuts) keys << QKeySequence(key);
            action->setShortcuts(keys);
            const Command command = e.command;
            connect(action, &QAction::triggered, this, [this, command](bool checked) { run(command, checked); });
            actions_[command] = action;
        }
        return menu;
    };
    QMenu* file = addMenu("&File", {{Command::New, "&New", {"Ctrl+N"}},
                                    kSeparator,
                                    {Command::OpenPolyFile, "&Open Poly File", {"Ctrl+O"}},
                                    {Command::OpenGpx, "Open &GPX", {"Ctrl+Shift+O"}},
                                    {Command::ImportGeoJson, "&Import GeoJSON…", {"Ctrl+I"}},
                                    {Command::ImportOsmBoundary, "Import OS&M Boundary…"},
                                    kSeparator,
                                    {Command::Save, "&Save ", {"Ctrl+S"}},
                                    {Command::SaveAs, "Save &As", {"Ctrl+Shift+S"}},
                                    {Command::ExportGeoJson, "&Export GeoJSON…", {"Ctrl+E"}},
                                    kSeparator,
                                    {Command::SaveSelection, "Save Se&lection"},
                                    kSeparator,
                                    {Command::Exit, "E&xit", {"Ctrl+Q"}}});
    // The recent files have a submenu of their own above Exit; an entry
    // naming no file is hidden.
    recentMenu_ = new QMenu("Open &Recent", file);
    file->insertMenu(action(Command::Exit), recentMenu_);
    file->insertSeparator(action(Command::Exit));
    for (std::size_t k = 0; k < recentActions_.size(); ++k) {
        QAction* recent = recentMenu_->addAction(QString());
        connect(recent, &QAction::triggered, this, [this, k] {
            openRecentFile(state_, static_cast<int>(k));
            syncFromState();
        });
        recentActions_[k] = recent;
    }
    addMenu("&Edit", {{Command::Undo, "&Undo", {"Ctrl+Z"}},
                      {Command::Redo, "&Redo", {"Ctrl+Shift+Z", "Ctrl+Y"}},
                      kSeparator,
                      {Command::RemoveRing, "Remove &Ring", {"Del"}}});
    addMenu("&View", {{Command::ZoomIn, "Zoom &In", {"Ctrl++", "Ctrl+="}},
                      {Command::ZoomOut, "Zoom &Out", {"Ctrl+-"}},
                      {Command::FitRing, "&Fit Ring", {"Ctrl+0"}},
                      kSeparator,
                      {Command::KeepProportions, "&Keep Proportions"}});
    action(Command::KeepProportions)->setCheckable(true);
    addMenu("&Background", {{Command::AddBackground, "&Add Background", {"Ctrl+Shift+B"}},
                            {Command::CancelBackground, "&Cancel Background"},
                            kSeparator,
                            {Command::UseLastBackground, "Use &Last Background", {"Ctrl+B"}}});
    addMenu("&Tools", {{Command::CombineFiles, "&Combine Poly Files"},
                       {Command::ConvertToGpx, "Convert to &GPX"},
                       kSeparator,
                       {Command::Simplify, "&Simplify Ring…", {"Ctrl+M"}},
                       {Command::Grow, "G&row or Shrink Ring…", {"Ctrl+G"}},
                       {Command::CheckDocument, "C&heck Document", {"F7"}},
                       kSeparator,
                       {Command::Union, "&Union"},
                       {Command::ClipToFile, "Clip &to File…"},
                       {Command::SubtractFile, "Subtract &File…"},
                       {Command::RemoveSmallHoles, "Remove &Holes Smaller Than…"},
                       {Command::SplitAt180, "S&plit at ±180°"}});
    addMenu("&Help", {{Command::About, "&About Tessaline"}, {Command::Help, "&Help", {"F1"}}});
}

QAction* QtMainWindow::action(Command command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void QtMainWindow::run(Command command, bool checked) {
    const auto refresh = [this] { syncFromState(); };
    switch (command) {
    case Command::New: newDocument(state_); break;
    case Command::OpenPolyFile: chooseAndOpenPolyFile(state_); break;
    case Command::OpenGpx: chooseAndImportGpx(state_); break;
    case Command::ImportGeoJson: importGeoJsonCommand(state_); break;
    case Command::ImportOsmBoundary: {
        QtBoundaryChoices choices(this);
        importOsmBoundaryCommand(state_, choices, refresh);
        break;
    }
    case Command::Save: saveDocument(state_, SaveMode::Save); break;
    case Command::SaveAs: saveDocument(state_, SaveMode::SaveAs); break;
    case Command::ExportGeoJson: exportGeoJsonCommand(state_); break;
    case Command::SaveSelection: saveSelectionCommand(state_); break;
    case Command::Exit: close(); return;
    case Command::Undo: undoLast(state_); break;
    case Command::Redo: redoLast(state_); break;
    case Command::RemoveRing: removeLoadedRing(state_); break;
    case Command::ZoomIn: zoomIn(state_); break;
    case Command::ZoomOut: zoomOut(state_); break;
    case Command::FitRing: fitView(state_); break;
    case Command::KeepProportions:
        setKeepProportions(state_, checked);
        savePreferences(state_);
        break;
    case Command::AddBackground: addBackground(state_); break;
    case Command::CancelBackground: cancelBackground(state_); break;
    case Command::UseLastBackground: useLastBackground(state_); break;
    case Command::CombineFiles:
        if (const std::string combined = showCombineWindow(this, state_); !combined.empty())
            openPolyPath(state_, combined);
        break;
    case Command::ConvertToGpx: convertToGpxCommand(state_); break;
    case Command::Simplify: simplifyCommand(this, state_); break;
    case Command::Grow: growCommand(this, state_); break;
    case Command::CheckDocument: checkDocumentCommand(this, state_, refresh); break;
    case Command::Union: areaToolCommand(state_, AreaTool::Union); break;
    case Command::ClipToFile: areaToolCommand(state_, AreaTool::Clip); break;
    case Command::SubtractFile: areaToolCommand(state_, AreaTool::Subtract); break;
    case Command::RemoveSmallHoles: removeSmallHolesCommand(this, state_); break;
    case Command::SplitAt180: splitRingsAtAntimeridian(state_); break;
    case Command::About: showAboutWindow(state_); break;
    case Command::Help: helpPage(); break;
    case Command::Separator: break;
    }
    syncFromState();
}

}  // namespace tess
