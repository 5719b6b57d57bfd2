// Everything the main window owns, as parts that each side of the program
// owns: the open document with its history, the view, the canvas, the edit
// session, the background, the progress bar, the work under way away from
// the window and the remembered settings.
// Commands that span them take a State&; the parts below are passed alone
// wherever a function needs no more. The Qt window shows it, batch commands
// and tests drive it without a window.
#pragma once

#include "platform/Platform.h"
#include "state/Background.h"
#include "state/CanvasState.h"
#include "state/EditSession.h"
#include "state/OpenDocument.h"
#include "state/ProgressBar.h"
#include "state/Settings.h"
#include "state/ViewState.h"
#include "state/WorkUnderWay.h"

namespace tess {

struct State {
    explicit State(Platform& p) : platform(p) {}

    Platform& platform;
    OpenDocument doc;
    ViewState view;
    CanvasState canvas;
    EditSession edit;
    Background background;
    ProgressBar progress;
    WorkUnderWay work;
    Settings settings;
};

}  // namespace tess
