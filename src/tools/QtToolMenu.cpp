// The polygon tools' menu entries: each dialog's change is applied to the
// document as one step.
#include "editing/Editing.h"
#include "geometry/Geos.h"
#include "tools/QtToolDialogs.h"
#include "view/ViewCommands.h"

namespace tess {

namespace {

// How much closer than the ring's fit a problem's place is shown.
constexpr double kProblemZoom = 8.0;

// The loaded ring's number, after a message when there is none.
int loadedRing(State& s) {
    if (s.doc.currentRing < 0 || s.doc.currentRing >= s.doc.ringCount()) {
        s.platform.message(kNoData);
        return -1;
    }
    if (s.outline.pointCount > 0) {
        s.platform.message(kAddOrCancel);
        return -1;
    }
    return s.doc.currentRing;
}

void checkDocumentCommand(QWidget* parent, State& s, const std::function<void()>& refresh) {
    std::vector<Problem> problems;
    s.platform.busyPointer();
    try {
        problems = checkDocument(committedRings(s));
    } catch (const GeosError& e) {
        s.platform.normalPointer();
        s.platform.message(std::string(kToolFailed) + e.what());
        return;
    }
    s.platform.normalPointer();
    showProblems(parent, problems, [&](const Problem& p) {
        // As a click on the ring's entry in the list would, then the view
        // closes in on the place.
        if (s.outline.pointCount > 0) return;
        if (p.ring != s.doc.currentRing) {
            s.doc.listIndex = p.ring;
            ringListClicked(s);
        }
        centreViewOn(s, p.place.lon, p.place.lat, kProblemZoom);
        refresh();
    });
}

}  // namespace

bool toolMenuClicked(QWidget* parent, State& s, const std::string& menu, int number, const std::function<void()>& refresh) {
    if (menu == "File" && number == toolEntry::ImportGeoJson) {
        importGeoJsonCommand(s);
    } else if (menu == "File" && number == toolEntry::ExportGeoJson) {
        exportGeoJsonCommand(s);
    } else if (menu == "Tools" && (number == toolEntry::Simplify || number == toolEntry::Grow)) {
        const int ring = loadedRing(s);
        if (ring < 0) return true;
        const std::vector<RingText>& rings = committedRings(s);
        try {
            const std::optional<RingChange> change =
                number == toolEntry::Simplify ? askSimplify(parent, rings, ring) : askGrow(parent, rings, ring);
            if (change) applyRingChange(s, *change);
        } catch (const GeosError& e) {
            s.platform.message(std::string(kToolFailed) + e.what());
        }
    } else if (menu == "Tools" && number == toolEntry::Check) {
        checkDocumentCommand(parent, s, refresh);
    } else {
        return false;
    }
    refresh();
    return true;
}

}  // namespace tess
