// Seeded random sequences of what a user does (open good and broken files,
// choose rings, edit, drag handles and outline markers, Escape in the
// middle of a drag, draw outlines, "+", "-", save, backgrounds, GPX and
// GeoJSON imports, the polygon tools, recent files, New, close), with the
// program's promises checked after every step: the ring shown is the ring
// loaded; a saved file reads back as the document shown; the unsaved mark
// is shown exactly when the document's file differs from what is shown; no
// file is written that the user did not name or confirm; nothing unsaved
// is dropped without the user's consent; a refused file leaves everything
// as it was; "+" adds the outline's corners; the pointer is never left busy;
// an opened or saved file is the first recent file.
// TESSALINE_RANDOM_STEPS=100000 runs a long session (one command).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>

#include "state/TitleTyping.h"
#include "app/FileMenu.h"
#include "background/Background.h"
#include "document/LoadedRing.h"
#include "document/Numbers.h"
#include "document/Reader.h"
#include "editing/CanvasGeometry.h"
#include "editing/DocumentChanges.h"
#include "editing/Editing.h"
#include "formats/Gpx.h"
#include "selection/Selection.h"
#include "shell/FileHelpers.h"
#include "geometry/Geos.h"
#include "tools/ImportExport.h"
#include "tools/RingTools.h"
#include "view/Transform.h"
#include "view/ViewArea.h"
#include "editing/ViewCommands.h"
#include "support/TestFiles.h"

using namespace tess;
namespace fs = std::filesystem;

namespace {

using Ring = std::vector<std::pair<double, double>>;

// The document as the user sees it: the title and every ring's vertices,
// the loaded ring's as it is being edited.
struct Shown {
    std::string title;
    std::vector<Ring> rings;
    std::vector<bool> holes;
};

Ring verticesOf(std::string_view lines) {
    Ring ring;
    forEachLine(lines, [&](std::string_view line) {
        double lon = 0, lat = 0;
        if (parseCoordinateLine(line, lon, lat) == LineParse::Ok) ring.emplace_back(lon, lat);
    });
    if (ring.size() >= 2 && ring.front() != ring.back()) ring.push_back(ring.front());
    return ring;
}

Shown shown(const std::string& title, const std::vector<RingText>& rings, const OpenDocument* loaded) {
    Shown d{title, {}, {}};
    for (std::size_t k = 0; k < rings.size(); ++k) {
        d.holes.push_back(isHoleName(rings[k].name));
        if (loaded && static_cast<int>(k) == loaded->loaded.index) {
            Ring ring;
            forEachLoadedVertex(loaded->content, loaded->loaded, [&](double lon, double lat) { ring.emplace_back(lon, lat); });
            d.rings.push_back(ring);
        } else {
            d.rings.push_back(verticesOf(rings[k].lines));
        }
    }
    return d;
}
Shown shown(const OpenDocument& doc) { return shown(doc.content.title, doc.content.rings, &doc); }

// What the step may not change behind the user's back.
struct Before {
    std::string fileName, ownFile, caption;
    bool modified = false;
    int loadedRing = -1;
};
Before beforeStep(const OpenDocument& d) { return {d.fileName, d.ownFile, windowCaption(d), d.modified, d.loaded.index}; }

bool near(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(1.0, std::fabs(a)); }
bool same(const Ring& a, const Ring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!near(a[i].first, b[i].first) || !near(a[i].second, b[i].second)) return false;
    return true;
}
// Where two documents differ, or "" when they do not.
std::string difference(const Shown& a, const Shown& b) {
    const std::string& titleA = a.title;
    const std::string& titleB = b.title;
    if (titleA != titleB) return "title " + a.title + " / " + b.title;
    if (a.rings.size() != b.rings.size() || a.holes != b.holes)
        return "rings " + std::to_string(a.rings.size()) + " / " + std::to_string(b.rings.size());
    for (std::size_t k = 0; k < a.rings.size(); ++k)
        if (!same(a.rings[k], b.rings[k]))
            return "ring " + std::to_string(k + 1) + ": " + std::to_string(a.rings[k].size()) + " / " +
                   std::to_string(b.rings[k].size()) + " vertices";
    return {};
}
bool same(const Shown& a, const Shown& b) { return difference(a, b).empty(); }

std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) files[e.path().string()] = test::readFile(e.path().string());
    return files;
}

// Answers questions and file dialogs at random, and notes what the user
// consented to on the way.
class RandomUser : public Platform {
public:
    explicit RandomUser(std::mt19937& rng) : rng_(rng) {}
    std::vector<std::string> openChoices, saveChoices, messages, named;
    std::string ownFile;  // offered to a save dialog besides the choices, when set
    bool pointerBusy = false;
    bool consentToDrop = false, replaceYes = false;

    void newStep() { messages.clear(), named.clear(), consentToDrop = replaceYes = false; }
    void message(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view q) override { return note(q, pick(2) == 0 ? Answer::Yes : Answer::No) == Answer::Yes; }
    Answer askYesNoCancel(std::string_view q) override { return note(q, static_cast<Answer>(pick(3))); }
    void busyPointer() override { pointerBusy = true; }
    void normalPointer() override { pointerBusy = false; }
    void processEvents() override {}
    void openUrl(const std::string&) override {}
    std::string fileDialog(bool save, const std::vector<FileFilter>&, const std::string&, const std::string&) override {
        const auto& choices = save ? saveChoices : openChoices;
        std::string path = pick(8) == 0 ? "" : choices[pick(choices.size())];
        if (save && !ownFile.empty() && pick(2) == 0) path = ownFile;
        named.push_back(path);
        named.push_back(path + ".poly");
        return path;
    }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

private:
    Answer note(std::string_view q, Answer a) {
        if ((q == kChangesNotSaved || q == kGpxChangesQuestion) && a == Answer::Yes) consentToDrop = true;
        if ((q == kSaveChanges || q == kFileNotSaved) && a == Answer::No) consentToDrop = true;
        if (q == kReplaceFile && a == Answer::Yes) replaceYes = true;
        return a;
    }
    std::mt19937& rng_;
};

class RandomActions : public testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        const std::string d = dir.path();
        for (const char* name : {"osmium_berlin.poly", "geofabrik_south-africa.poly", "osmfr_quebec.poly",
                                 "geofabrik_west.poly", "gpsbabel_basecamp.gpx", "geofabrik_detmold-regbez.poly",
                                 "osmium_two-polygons.poly", "fixmyberlin_regions.poly"})
            test::writeFile(d + "/" + name, test::readFile(test::dataFile(name)));
        test::writeFile(d + "/open.poly", "Legend map v1.2\r1\r 10 50\r 11.5 50\r 11 51.25\rend\r\r2\n 5 5\n 6 5\n 6 6\nEND\n");
        test::writeFile(d + "/noend.poly", "t\n1\n 1.0 2.0\n");
        test::writeFile(d + "/bad.poly", "t\n1\n 1.0 2.0\n 1.5,2.5\nEND\nEND\n");
        test::writeFile(d + "/norings.poly", "t\nEND\n");
        test::writeFile(d + "/lake.geojson", test::readFile(test::caseFile("polygon-with-hole.geojson")));
        // Small rings, whose every vertex has a handle, and files of other line ends.
        for (const char* name : {"outer-inner.poly", "zigzag-square.poly", "across-the-line.poly", "unclosed-last-ring-crlf.poly"})
            test::writeFile(d + "/" + name, test::readFile(test::caseFile(name)));
        fs::create_directory(d + "/folder.poly");
        for (const auto& e : fs::directory_iterator(d)) user.openChoices.push_back(e.path().string());
        user.openChoices.push_back(d + "/missing.poly");
        user.saveChoices = {d + "/out.poly", d + "/out2", d + "/osmium_berlin.poly", d + "/gpsbabel_basecamp.gpx",
                            d + "/Walk.GPX", d + "/nofolder/x.poly", d + "/folder.poly"};
        restart();
    }
    void restart() {
        s = std::make_unique<State>(user);
        s->settings.systemDir = work.path();
        s->doc.holdAllRings = GetParam() % 2 == 0;  // as the window holds them
    }

    // One random action; true when it may replace the document.
    bool act(State& st, int kind) {
        switch (kind) {
        case 0: chooseAndOpenPolyFile(st); return true;
        case 1: chooseAndImportGpx(st); return true;
        case 2: openDroppedFile(st, user.openChoices[user.pick(user.openChoices.size())]); return true;
        case 3: newDocument(st); return true;
        case 4: openRecentFile(st, static_cast<int>(user.pick(kRecentCount))); return true;
        case 5: chooseRing(st, static_cast<int>(user.pick(st.doc.content.rings.size() + 2)) - 1); break;
        case 6: toggleEditMode(st); break;
        case 7: drag(st); break;
        case 8: outline(st); break;
        case 9: addOutlineAsRing(st); break;
        case 10: removeLoadedRing(st); break;
        case 11: saveDocument(st, SaveMode::Save); break;
        case 12: saveDocument(st, SaveMode::SaveAs); break;
        case 13: user.pick(2) ? cancelBackground(st) : addBackground(st); break;
        case 14: useLastBackground(st); break;
        case 15:  // typing, then a pause
            st.doc.content.title = "T" + std::to_string(user.pick(9));
            titleTyped(st.doc);
            finishTitleTyping(st.doc);
            break;
        case 16: pressEscape(st); break;
        case 17:  // an outline kept as a file, now and then the document's own
            if (st.edit.outline.pointCount == 0) outline(st);
            user.ownFile = st.doc.ownFile;
            saveSelectionCommand(st);
            user.ownFile.clear();
            break;
        case 22: polygonTool(st); break;
        case 23: importGeoJsonCommand(st); return true;
        case 24: dragMarker(st, false); break;
        case 25: user.pick(2) ? dragMarker(st, true) : drag(st, true); break;
        }
        return false;
    }
    // Simplify or grow the loaded ring, as the Tools menu does.
    void polygonTool(State& st) {
        const int ring = st.doc.loaded.index;
        if (ring < 0 || st.edit.outline.pointCount > 0) return;
        const std::vector<RingText>& rings = committedRings(st);
        const double metres = 100.0 * static_cast<double>(1 + user.pick(2000));
        try {
            const RingChange change = user.pick(2) ? simplifyChange(rings, ring, metres)
                                                   : growChange(rings, ring, user.pick(2) ? metres : -metres, Corners::Round);
            applyRingChange(st, change);
        } catch (const GeosError&) {
            // The window says the ring could not be changed, and nothing is.
        }
    }
    // A marker of a closed outline dragged and dropped, or the drag ended
    // by Escape before the release.
    void dragMarker(State& st, bool escape) {
        if (st.edit.outline.state != OutlineState::Closed || st.edit.outline.pointCount < 1) return;
        const int marker = 1 + static_cast<int>(user.pick(static_cast<std::size_t>(st.edit.outline.pointCount)));
        pressOnMarker(st, marker);
        dragAnywhere(st, escape, dropOnMarker);
    }
    // Drags what was pressed to a random place and drops it there, or ends
    // the drag by Escape before the release.
    void dragAnywhere(State& st, bool escape, void (*drop)(State&)) {
        dragOverCanvas(st, 100 + user.pick(8000), 100 + user.pick(7800));
        if (escape) pressEscape(st), cancelDrag(st);
        else drop(st);
    }
    void drag(State& st, bool escape = false) {
        dragged = 0;
        std::vector<std::size_t> handles;
        if (!st.edit.editing) toggleEditMode(st);  // the user turns edit mode on to drag
        st.edit.overlays.handles.forEach([&](std::size_t k, const SquareObject&) { handles.push_back(k); });
        if (!st.edit.handlesShown || st.doc.loaded.lastPoint < 1 || handles.empty()) return;
        dragged = handles[user.pick(handles.size())];
        pressOnHandle(st, static_cast<int>(dragged));
        dragAnywhere(st, escape, dropOnHandle);
        if (escape) dragged = 0;  // the handle goes back where it was; nothing is stored
    }
    // Zoom, pan, fit or proportions, as the wheel, the middle button and
    // the View menu do.
    void look(State& st) {
        const double x = user.pick(9000), y = user.pick(8000);
        switch (user.pick(5)) {
        case 0: zoomAt(st, x, y, user.pick(2) ? 4.0 : 0.5); break;
        case 1: zoomAt(st, x, y, 30.0); break;
        case 2: panView(st, x - 4500, y - 4000); break;
        case 3: fitView(st); break;
        case 4: setKeepProportions(st, !st.view.keepProportions); break;
        }
    }
    // In edit mode there is a handle on every vertex in view and on no
    // other, unless too many are in view; each sits on its vertex.
    void checkHandles(const State& st) {
        if (!st.edit.editing || !st.doc.loaded.held()) return;
        const CanvasArea area = canvasArea(st.canvas);
        std::int64_t inView = 0;
        for (std::int64_t k = 1; k <= st.doc.loaded.lastPoint; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const auto p = toCanvas(st.view, st.doc.loaded.lon[i], st.doc.loaded.lat[i], area.width, area.height, area.margin);
            const bool in = !p || (p->x >= 0 && p->x <= area.width && p->y >= 0 && p->y <= area.height);
            inView += in;
            if (st.edit.tooManyInView) continue;
            ASSERT_EQ(in, st.edit.overlays.handles.exists(i)) << "vertex " << k;
            if (!in || !p) continue;
            // A dropped vertex keeps seven significant digits: it lies
            // within half a step of them from where its handle was dropped.
            auto slack = [&](double value, double span, double size) {
                const double step = std::pow(10.0, std::floor(std::log10(std::max(std::fabs(value), 1e-30))) + 1 - 7);
                return 1.0 + step / 2 / span * (size - 2 * area.margin);
            };
            EXPECT_NEAR(p->x, st.edit.overlays.handles[i].left + 50, slack(st.doc.loaded.lon[i], st.view.lonSpan, area.width));
            EXPECT_NEAR(p->y, st.edit.overlays.handles[i].top + 50, slack(st.doc.loaded.lat[i], st.view.latSpan, area.height));
        }
        EXPECT_EQ(st.edit.tooManyInView, inView > kMaxEditableVertices);
    }
    // Where the outline's markers stand, as "+" would take them.
    Ring outlineCorners(const State& st) {
        Ring corners;
        for (int k = 1; k <= st.edit.outline.pointCount; ++k) {
            const auto ku = static_cast<std::size_t>(k);
            float lon = st.edit.outline.lon[ku], lat = st.edit.outline.lat[ku];
            if (st.edit.overlays.markers.exists(ku)) {
                const SquareObject& m = st.edit.overlays.markers[ku];
                canvasToMap(st, m.left + 50, m.top + 50, lon, lat);
            }
            corners.emplace_back(readDecimal(shortestText(lon)), readDecimal(shortestText(lat)));
        }
        return corners;
    }
    void outline(State& st) {
        const Tool tool = user.pick(2) ? Tool::Polygon : Tool::Rectangle;
        chooseTool(st, tool);
        for (int i = 0; i < 2 + static_cast<int>(user.pick(4)); ++i) {
            const double x = 200 + user.pick(8000), y = 200 + user.pick(7600);
            stretchRubberBand(st, x, y);
            pressOnCanvas(st, x, y);
        }
        if (tool == Tool::Polygon) doubleClickOnCanvas(st);
    }

    test::TempDir dir, work;
    std::mt19937 rng{GetParam()};
    RandomUser user{rng};
    std::unique_ptr<State> s;
    std::size_t dragged = 0;  // the handle the last drag took, or 0
    // What was shown before each change Undo would take back, and before
    // each Undo that Redo would take back.
    std::vector<Shown> undoShots, redoShots;
};

TEST_P(RandomActions, keepEveryPromiseAfterEveryStep) {
    const char* long_run = std::getenv("TESSALINE_RANDOM_STEPS");
    const int steps = long_run ? std::atoi(long_run) : 600;
    for (int step = 0; step < steps && !HasFailure(); ++step) {
        State& st = *s;
        const int kind = static_cast<int>(user.pick(26));
        SCOPED_TRACE("step " + std::to_string(step) + " action " + std::to_string(kind));
        user.newStep();
        if (kind == 9 && st.edit.outline.pointCount == 0) outline(st);  // "+" wants an outline
        const auto before = snapshot(dir.path());
        const Shown shownBefore = shown(st.doc);
        const Before docBefore = beforeStep(st.doc);
        const std::vector<std::pair<double, double>> cornersBefore = outlineCorners(st);
        const std::size_t doneBefore = st.doc.history.done.size(), undoneBefore = st.doc.history.undone.size();

        bool closed = false, replaces = false;
        if (kind == 18) closed = mayClose(st);
        else if (kind == 19) look(st);
        else if (kind == 20) undoLast(st);
        else if (kind == 21) redoLast(st);
        else replaces = act(st, kind);

        EXPECT_FALSE(user.pointerBusy) << "the pointer was left busy";
        // Every changed file was named in a dialog or is the document's
        // own; one that existed was confirmed unless it is the own file.
        const auto after = snapshot(dir.path());
        // Unsaved work that reached the document's file is safe.
        PolyLoad own = st.doc.modified ? PolyLoad() : readPolyFile(st.doc.fileName);
        const bool savedBefore = own.ok() && same(shown(own.file.title, own.file.rings, nullptr), shownBefore);
        for (const auto& [path, content] : after) {
            const auto old = before.find(path);
            if (old != before.end() && old->second == content) continue;
            const bool named = std::find(user.named.begin(), user.named.end(), path) != user.named.end() ||
                               path == docBefore.fileName;
            EXPECT_TRUE(path == docBefore.ownFile || (named && (old == before.end() || user.replaceYes)))
                << "unasked write: " << path;
            EXPECT_FALSE(lowerAscii(path).ends_with(".gpx")) << path;
            if (kind == 17 || !path.ends_with(".poly")) continue;
            PolyLoad back = readPolyFile(path);  // a save: the file reads back as shown
            ASSERT_TRUE(back.ok()) << back.error;
            const Shown saved = shown(back.file.title, back.file.rings, nullptr);
            if (!closed) {
                EXPECT_EQ("", difference(saved, shown(st.doc))) << path;
            }
        }
        // Unsaved work goes only with the user's consent or into a file.
        if (docBefore.modified && (replaces || closed) && !same(shownBefore, shown(st.doc))) {
            EXPECT_TRUE(user.consentToDrop || savedBefore);
        }
        EXPECT_TRUE(kind != 18 || closed || docBefore.modified);  // nothing to lose: it closes
        if (closed) {
            EXPECT_TRUE(!docBefore.modified || user.consentToDrop || savedBefore)
                << difference(shown(own.file.title, own.file.rings, nullptr), shownBefore) << own.error;
            restart();
            undoShots.clear(), redoShots.clear();
            continue;
        }
        // Undo shows the document as it was before the change it takes
        // back; Redo as it was before the Undo; the history holds one step
        // per change, whichever way it went.
        if (replaces && st.doc.history.done.empty() && st.doc.history.undone.empty()) undoShots.clear(), redoShots.clear();
        if (kind == 20 && doneBefore > 0) {
            EXPECT_EQ("", difference(undoShots.back(), shown(st.doc)));
            undoShots.pop_back();
            redoShots.push_back(shownBefore);
        } else if (kind == 21 && undoneBefore > 0) {
            EXPECT_EQ("", difference(redoShots.back(), shown(st.doc)));
            redoShots.pop_back();
            undoShots.push_back(shownBefore);
        } else if (!replaces && st.doc.history.done.size() == doneBefore + 1) {
            undoShots.push_back(shownBefore);
            redoShots.clear();
        }
        ASSERT_EQ(undoShots.size(), st.doc.history.done.size());
        ASSERT_EQ(redoShots.size(), st.doc.history.undone.size());
        // The unsaved mark is shown exactly when the document's own file
        // holds something else than what is shown.
        if (!st.doc.ownFile.empty() && fs::exists(st.doc.ownFile)) {
            PolyLoad file = readPolyFile(st.doc.ownFile);
            const std::string differs = file.ok() ? difference(shown(file.file.title, file.file.rings, nullptr), shown(st.doc)) : file.error;
            EXPECT_EQ(!differs.empty(), st.doc.modified) << differs;
        }
        // A file opened or saved under a new name is the first recent file.
        if (!st.doc.ownFile.empty() && st.doc.ownFile != docBefore.ownFile) {
            EXPECT_EQ(st.doc.ownFile, st.settings.recent[0].path);
        }
        // A refused file or a failed save leaves the document, its name,
        // its caption and its mark as they were.
        for (const std::string& m : user.messages) {
            const bool refused = m.starts_with(kCannotFindEnd) || m.starts_with(kCheckPolyFile) ||
                                 m == kNoDataSave || m.starts_with(kCannotOpenFile) || m.find("\r\n\r\n") != std::string::npos;
            if (!refused || kind == 13 || kind == 14) continue;  // a refused background leaves the document anyway
            EXPECT_TRUE(same(shownBefore, shown(st.doc))) << m;
            EXPECT_EQ(docBefore.fileName, st.doc.fileName) << m;
            EXPECT_EQ(docBefore.modified, st.doc.modified) << m;
            EXPECT_EQ(docBefore.caption, windowCaption(st.doc)) << m;
        }
        // One loaded ring while there are rings; its text holds its
        // numbers unless vertices were moved.
        const OpenDocument& d = st.doc;
        if (d.content.rings.empty()) {
            EXPECT_EQ(-1, d.loaded.index);
        } else {
            ASSERT_GE(d.loaded.index, 0);
            ASSERT_LT(d.loaded.index, d.ringCount());
            if (!d.loaded.movedElsewhere()) {
                EXPECT_TRUE(same(verticesOf(d.content.rings[static_cast<std::size_t>(d.loaded.index)].lines),
                                 shown(d).rings[static_cast<std::size_t>(d.loaded.index)]));
            }
        }
        // A new document starts outside edit mode, without a rubber band.
        if (replaces && (d.fileName != docBefore.fileName || !same(shownBefore, shown(d)))) {
            EXPECT_FALSE(st.edit.editBoxChecked || st.edit.handlesShown || st.edit.overlays.rubberBand.visible);
        }
        // An edit changes only what it touches; other steps change nothing shown.
        if (replaces || kind == 20 || kind == 21) continue;
        Shown expected = shownBefore, now = shown(d);
        const auto count = [](const Shown& x) { return x.rings.size(); };
        // "+" adds the outline's corners, closed on the first.
        if (kind == 9 && count(now) == count(expected) + 1) {
            Ring corners = cornersBefore;
            if (!corners.empty()) corners.push_back(corners.front());
            EXPECT_TRUE(same(corners, now.rings.back()));
            expected.rings.push_back(corners);
            expected.holes.push_back(false);
        }
        // Ring k of what was shown gives way to `added` rings of what is shown now.
        const auto replace = [&](std::size_t k, std::size_t added) {
            const auto at = static_cast<long>(k), to = static_cast<long>(k + added);
            expected.rings.erase(expected.rings.begin() + at), expected.holes.erase(expected.holes.begin() + at);
            expected.rings.insert(expected.rings.begin() + at, now.rings.begin() + at, now.rings.begin() + to);
            expected.holes.insert(expected.holes.begin() + at, now.holes.begin() + at, now.holes.begin() + to);
        };
        if (kind == 10 && count(now) + 1 == count(expected)) replace(static_cast<std::size_t>(docBefore.loadedRing), 0);
        // A polygon tool replaces the ring it worked on, by one ring or a few.
        if (kind == 22 && docBefore.loadedRing >= 0 && st.doc.history.done.size() == doneBefore + 1)
            replace(static_cast<std::size_t>(docBefore.loadedRing), count(now) + 1 - count(expected));
        // A drag moves its vertex, and the first with the last, no other.
        if (kind == 7 && d.loaded.index >= 0 && dragged > 0) {
            Ring& ring = expected.rings[static_cast<std::size_t>(d.loaded.index)];
            const Ring& moved = now.rings[static_cast<std::size_t>(d.loaded.index)];
            ASSERT_EQ(ring.size(), moved.size());
            ring[dragged] = moved[dragged];
            if (dragged + 1 == ring.size()) ring[0] = moved[0];
        }
        checkHandles(st);
        if (kind == 15) expected.title = now.title;
        EXPECT_TRUE(same(expected, now));
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomActions, testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
