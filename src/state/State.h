// Everything the main window owns, as plain data: the document, the view,
// the edit and tool state, the selection outline, the canvas objects, the
// background, the settings and the progress bar. The procedures of every
// subsystem take a State&; the Qt window shows it, batch commands and
// tests drive it without a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/Document.h"
#include "platform/Platform.h"
#include "state/History.h"
#include "state/Overlays.h"
#include "state/Surface.h"
#include "state/ViewState.h"

namespace tess {

inline constexpr const char* kAppVersion = "2.1";
inline constexpr int kMaxSelectionPoints = 500;
inline constexpr int kMaxEditableVertices = 1000;
inline constexpr int kRecentCount = 5;

struct ProgressBar {
    // The frame and the bar inside it, in twips.
    int frameLeft = 0, frameTop = 0, frameWidth = 924, frameHeight = 135;
    int barWidth = 15;
    // Counts the bar's changes, so that a delayed shrink can tell whether
    // another operation has moved the bar since.
    std::uint64_t changes = 0;
};

// What a left press on the canvas does.
enum class Tool { Pointer, Polygon, Rectangle };
// What is being dragged.
enum class DragKind { None, Handle, Marker };
// The selection outline: none (or a single point), open while points are
// added, closed once it is a ring.
enum class OutlineState { None, Open, Closed };

struct EditState {
    bool editBoxChecked = false;  // the "Edit" check box
    bool editing = false;   // edit mode accepted: checked and handles made
    Tool tool = Tool::Pointer;
    std::int32_t handleCount = 0;  // > 0 paints handle 1 blue
    bool busy = false;      // plot is running
    bool redrawPending = false;  // a drawing was asked for while plot ran
    bool tooManyInView = false;  // edit mode has no handles: zoom in
    bool titleTyping = false;    // the title was typed in since the last step
    std::string titleAtLastStep = "Title";  // the title as the history holds it
    int draggedHandle = 0;  // handle of the current or last vertex drag
    int draggedMarker = 0;  // marker of the current or last marker drag
    DragKind drag = DragKind::None;  // the drag under way
    // The red indicator over the drawing tool in use, shown until its
    // outline is added, cancelled or saved.
    bool toolIndicatorShown = false;
};

struct Outline {
    int pointCount = 0;  // 0..500
    OutlineState state = OutlineState::None;
    std::array<float, kMaxSelectionPoints + 1> lon{};
    std::array<float, kMaxSelectionPoints + 1> lat{};
    std::int32_t anchorX = 0, anchorY = 0;  // rubber band start, twips
};

struct Background {
    std::vector<float> lon{0.0f};
    std::vector<float> lat{0.0f};
    std::int32_t lastIndex = 0;  // index of the last point; 0 = none
};

struct RecentEntry {
    std::string caption;
    bool enabled = true;
};

// The settings as this process read them at start, so that writing them
// back can keep what another window added in the meantime.
struct SettingsSnapshot {
    std::array<std::string, kRecentCount> recent;
    std::string mergeTitle;
    std::string lastBackground;
};

// Positions and sizes of the main window's controls, in twips.
struct Layout {
    int windowWidth = 9795, windowHeight = 9900;  // outer size
    int canvasLeft = 768, canvasTop = 600, canvasWidth = 8580, canvasHeight = 8040;
    int listLeft = 96, listTop = 3480, listWidth = 588, listHeight = 5064;
};

struct State {
    explicit State(Platform& p) : platform(p) {}

    Platform& platform;
    Surface* canvas = nullptr;  // p1's picture; null until a canvas exists

    Document doc;
    History history;  // every change made to doc, for Undo and Redo
    ViewState view;
    EditState edit;
    Outline outline;
    Overlays overlays;
    Background background;
    ProgressBar progress;
    Layout layout;

    std::string caption;  // the main window's title
    // What the last save repaired, for the status bar, until the next
    // change or load.
    std::string saveNotice;
    std::array<RecentEntry, kRecentCount> recent;  // File entries 12..16

    // Program-wide values.
    std::string exeDir;     // the folder of the executable
    std::string systemDir;  // the working folder (the settings file)
    std::string mergeTitle;
    std::string lastBackground;
    SettingsSnapshot settingsAtStart;
    int margin = kMargin;
    // The loaded ring is held as numbers whatever its size, so that it is
    // drawn and edited without reading its text again. The window wants
    // this; batch commands, which never draw, keep memory down without.
    bool holdRingNumbers = false;
};

// Where file dialogs start: the folder of the open document's file; empty
// (the last folder used) for a document without one.
std::string documentFolder(const State& s);

}  // namespace tess
