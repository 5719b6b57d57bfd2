// A ring too large to edit whole, edited as a user does: look closer until
// few enough vertices are in view, drag one, save. The file differs from
// the one saved before in that vertex's line alone.
#include <gtest/gtest.h>

#include <sstream>

#include "session/Opening.h"
#include "session/Saving.h"
#include "editing/Editing.h"
#include "support/StateFixture.h"
#include "editing/HandlesInView.h"
#include "view/Transform.h"
#include "view/ViewArea.h"
#include "editing/ViewCommands.h"

using namespace tess;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class EditInView : public test::StateTest {
protected:
    void edit(bool on) { setEditMode(state, on); }
    CanvasPoint where(std::size_t vertex) {
        const CanvasArea area = canvasArea(state.canvas);
        return *toCanvas(state.view, state.doc.loaded.lon[vertex], state.doc.loaded.lat[vertex], area.width, area.height,
                         area.margin);
    }
};

TEST_F(EditInView, aVertexDraggedInAZoomedViewIsTheOnlyLineThatChanges) {
    state.doc.holdAllRings = true;
    ASSERT_TRUE(openDocumentFile(state, file("germany.poly", test::readFile(test::dataFile("geofabrik_germany.poly")))));
    ASSERT_GT(state.doc.loaded.lastPoint, kMaxEditableVertices);
    ASSERT_TRUE(saveDocumentTo(state.doc, state.platform, temp.file("before.poly")));

    edit(true);  // the whole ring is in view: too many to edit
    EXPECT_EQ(std::string(kTooManyNodes) + "\r\n" + kZoomInToEditLine, platform.last());
    EXPECT_TRUE(state.edit.tooManyInView);
    EXPECT_FALSE(state.edit.editBoxChecked);

    constexpr std::size_t kVertex = 700;
    for (int i = 0; i < 20 && countHandlesInView(state, kMaxEditableVertices) > kMaxEditableVertices; ++i) {
        const CanvasPoint p = where(kVertex);
        zoomAt(state, p.x, p.y, 2.0);
    }
    const std::int64_t inView = countHandlesInView(state, kMaxEditableVertices);
    ASSERT_LE(inView, kMaxEditableVertices);
    edit(true);
    ASSERT_TRUE(state.edit.editing);
    EXPECT_EQ(static_cast<std::size_t>(inView), state.edit.overlays.handles.size());
    ASSERT_TRUE(state.edit.overlays.handles.exists(kVertex));

    const CanvasPoint p = where(kVertex);
    const std::vector<double> lonBefore = state.doc.loaded.lon;
    pressOnHandle(state, static_cast<int>(kVertex));
    dragOverCanvas(state, p.x + 300, p.y + 200);
    dropOnHandle(state);
    for (std::size_t i = 0; i < lonBefore.size(); ++i) {
        if (i == kVertex) continue;
        ASSERT_EQ(lonBefore[i], state.doc.loaded.lon[i]) << "vertex " << i;
    }
    EXPECT_NE(lonBefore[kVertex], state.doc.loaded.lon[kVertex]);

    ASSERT_TRUE(saveDocumentTo(state.doc, state.platform, temp.file("after.poly")));
    const auto before = linesOf(test::readFile(temp.file("before.poly")));
    const auto after = linesOf(test::readFile(temp.file("after.poly")));
    ASSERT_EQ(before.size(), after.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) changed.push_back(i);
    ASSERT_EQ(1u, changed.size());
    EXPECT_EQ(2 + kVertex, changed[0]);  // after the title and the ring's name
}

TEST_F(EditInView, handlesFollowTheViewAndGoWhenTooManyComeIntoIt) {
    state.doc.holdAllRings = true;
    ASSERT_TRUE(openDocumentFile(state, file("germany.poly", test::readFile(test::dataFile("geofabrik_germany.poly")))));
    const CanvasPoint p = where(100);
    zoomAt(state, p.x, p.y, 16.0);
    edit(true);
    ASSERT_TRUE(state.edit.editing);
    ASSERT_TRUE(state.edit.overlays.handles.exists(100));
    panView(state, 10000, 0);  // vertex 100 leaves the view to the right
    EXPECT_FALSE(state.edit.overlays.handles.exists(100));
    fitView(state);  // the whole ring again: edit mode stays, without handles
    EXPECT_TRUE(state.edit.editing);
    EXPECT_TRUE(state.edit.tooManyInView);
    EXPECT_EQ(0u, state.edit.overlays.handles.size());
    zoomAt(state, p.x, p.y, 16.0);
    EXPECT_TRUE(state.edit.overlays.handles.exists(100));
    EXPECT_FALSE(state.edit.tooManyInView);
}

}  // namespace
