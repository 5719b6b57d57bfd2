// The polygon tools' menu entries: each dialog's change is applied to the
// document as one step.
#include <new>

#include "editing/Editing.h"
#include "geometry/Geos.h"
#include "tools/AreaTools.h"
#include "tools/QtToolDialogs.h"
#include "tools/ToolAway.h"
#include "editing/ViewCommands.h"

namespace tess {

namespace {

// How much closer than the ring's fit a problem's place is shown.
constexpr double kProblemZoom = 8.0;
// A list of a million lines helps nobody and takes long to fill.
constexpr std::size_t kMostListed = 10000;

// The loaded ring's number, after a message when there is none.
int loadedRing(State& s) {
    if (s.doc.loaded.index < 0 || s.doc.loaded.index >= s.doc.ringCount()) {
        s.platform.message(kNoData);
        return -1;
    }
    if (s.edit.outline.pointCount > 0) {
        s.platform.message(kAddOrCancel);
        return -1;
    }
    return s.doc.loaded.index;
}

// The dialog's change, made as one step; GEOS's failures are told.
void ringToolCommand(QWidget* parent, State& s,
                     std::optional<RingChange> (*ask)(QWidget*, const std::vector<RingText>&, int)) {
    const int ring = loadedRing(s);
    if (ring < 0) return;
    const std::vector<RingText>& rings = committedRings(s);
    try {
        if (const std::optional<RingChange> change = ask(parent, rings, ring)) applyRingChange(s, *change);
    } catch (const GeosError& e) {
        s.platform.message(std::string(kToolFailed) + e.what());
    } catch (const std::bad_alloc&) {
        s.platform.message(kNotEnoughMemory);
    }
}

}  // namespace

void simplifyCommand(QWidget* parent, State& s) { ringToolCommand(parent, s, askSimplify); }
void growCommand(QWidget* parent, State& s) { ringToolCommand(parent, s, askGrow); }

void checkDocumentCommand(QWidget* parent, State& s, const std::function<void()>& refresh) {
    struct Checked {
        CheckReport report;
        std::vector<std::string> areas;
    };
    // The check of a large document runs away from the window, on copies
    // of the rings that share their text.
    runToolAway<Checked>(
        s, kCheckingDocument, kCheckFailed,
        [rings = committedRings(s)](WorkProgress&) { return Checked{checkDocument(rings, kMostListed), areaLines(rings)}; },
        [parent, &s, refresh](Checked& checked) {
            showProblems(
                parent, checked.report, checked.areas,
                [&](const Problem& p) {
                    // As a click on the ring's entry in the list would, then
                    // the view closes in on the place.
                    if (s.edit.outline.pointCount > 0) return;
                    if (p.ring != s.doc.loaded.index) chooseRing(s, p.ring);
                    centreViewOn(s, p.place.lon, p.place.lat, kProblemZoom);
                    s.edit.overlays.problem = {p.place.lon, p.place.lat, p.ring, s.doc.history.done.size()};
                    refresh();
                },
                [&](int ring) {
                    if (s.edit.outline.pointCount > 0) return;
                    if (ring != s.doc.loaded.index) chooseRing(s, ring);
                    refresh();
                });
        });
}

}  // namespace tess
