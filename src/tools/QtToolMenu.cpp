// The polygon tools' menu entries: each dialog's change is applied to the
// document as one step.
#include <new>

#include "editing/Editing.h"
#include "geometry/Geos.h"
#include "tools/QtToolDialogs.h"
#include "view/ViewCommands.h"

namespace tess {

namespace {

// How much closer than the ring's fit a problem's place is shown.
constexpr double kProblemZoom = 8.0;
// A list of a million lines helps nobody and takes long to fill.
constexpr std::size_t kMostListed = 10000;

// The loaded ring's number, after a message when there is none.
int loadedRing(State& s) {
    if (s.doc.currentRing < 0 || s.doc.currentRing >= s.doc.ringCount()) {
        s.platform.message(kNoData);
        return -1;
    }
    if (s.sel.selCount > 0) {
        s.platform.message(kAddOrCancel);
        return -1;
    }
    return s.doc.currentRing;
}

void checkDocumentCommand(QWidget* parent, State& s, const std::function<void()>& refresh) {
    CheckReport report;
    s.platform.busyPointer();
    try {
        report = checkDocument(committedRings(s), kMostListed);
    } catch (const GeosError& e) {
        s.platform.normalPointer();
        s.platform.message(std::string(kCheckFailed) + e.what());
        return;
    } catch (const std::bad_alloc&) {
        s.platform.normalPointer();
        s.platform.message(kNotEnoughMemory);
        return;
    }
    s.platform.normalPointer();
    showProblems(parent, report, [&](const Problem& p) {
        // As a click on the ring's entry in the list would, then the view
        // closes in on the place.
        if (s.sel.selCount > 0) return;
        if (p.ring != s.doc.currentRing) {
            s.doc.listIndex = p.ring;
            List1_MouseDown(s);
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
        } catch (const std::bad_alloc&) {
            s.platform.message(kNotEnoughMemory);
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
