// The polygon tools' menu entries: each dialog's answer is worked out away
// from the window and applied to the document as one step.
#include "editing/Editing.h"
#include "editing/ViewCommands.h"
#include "tools/AreaTools.h"
#include "tools/QtToolDialogs.h"
#include "tools/ToolAway.h"

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

// A change of ring `index` worked out away from the window from copies of
// the rings, then made as one step.
void changeRingAway(State& s, const std::string& what, int index, std::function<RingChange(const std::vector<RingText>&, int)> change) {
    runToolAway<RingChange>(
        s, what, kToolFailed,
        [rings = committedRings(s), index, change = std::move(change)](WorkProgress&) { return change(rings, index); },
        [&s](RingChange& made) { applyRingChange(s, made); });
}

}  // namespace

void simplifyCommand(QWidget* parent, State& s) {
    const int ring = loadedRing(s);
    if (ring < 0) return;
    const std::optional<double> metres = askSimplifyTolerance(parent, committedRings(s), ring);
    if (!metres) return;
    changeRingAway(s, simplifyName(ring), ring, [metres = *metres](const std::vector<RingText>& rings, int index) {
        return simplifyChange(rings, index, metres);
    });
}

void growCommand(QWidget* parent, State& s) {
    const int ring = loadedRing(s);
    if (ring < 0) return;
    const std::optional<GrowRequest> asked = askGrowDistance(parent, ring);
    if (!asked) return;
    changeRingAway(s, growName(ring, asked->metres), ring,
                   [grow = *asked](const std::vector<RingText>& rings, int index) {
                       return growChange(rings, index, grow.metres, grow.corners);
                   });
}

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
