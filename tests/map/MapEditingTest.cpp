// Editing with a map shown: a handle dropped on the canvas gives its
// vertex the place under the pointer, handles and outline markers sit on
// their points, and without a map the same drag lands elsewhere.
#include <gtest/gtest.h>

#include "editing/Editing.h"
#include "editing/Redraw.h"
#include "session/Opening.h"
#include "support/StateFixture.h"
#include "view/Transform.h"
#include "view/ViewArea.h"

using namespace tess;

namespace {

class MapEditing : public test::StateTest {
protected:
    CanvasPoint at(double lon, double lat) {
        const CanvasArea a = canvasArea(state.canvas);
        return *toCanvas(state.view, lon, lat, a.width, a.height, a.margin);
    }
    // Drags vertex 5 by (300, 200) twips; where it lands.
    GeoPoint dragVertex(bool map) {
        EXPECT_TRUE(openDocumentFile(state, file("berlin.poly", test::readFile(test::dataFile("osmium_berlin.poly")))));
        state.view.webMercator = map;
        setEditMode(state, true);
        const CanvasPoint p = at(state.doc.loaded.lon[5], state.doc.loaded.lat[5]);
        pressOnHandle(state, 5);
        dragOverCanvas(state, p.x + 300, p.y + 200);
        dropOnHandle(state);
        const GeoPoint expected = geoPointAt(state.view, p.x + 300, p.y + 200, canvasArea(state.canvas));
        // To the seven digits a vertex keeps.
        EXPECT_NEAR(state.doc.loaded.lon[5], expected.lon, 5e-6);
        EXPECT_NEAR(state.doc.loaded.lat[5], expected.lat, 5e-6);
        // Drawn again, its handle is centred where it was dropped.
        redraw(state, false);
        const SquareObject& h = state.edit.overlays.handles[5];
        EXPECT_NEAR(h.left + h.width / 2, p.x + 300, 1.0);
        EXPECT_NEAR(h.top + h.height / 2, p.y + 200, 1.0);
        return {state.doc.loaded.lon[5], state.doc.loaded.lat[5]};
    }
};

}  // namespace

TEST_F(MapEditing, aDroppedHandleLandsUnderThePointerWithAndWithoutAMap) {
    const GeoPoint onMap = dragVertex(true);
    const GeoPoint plain = dragVertex(false);
    EXPECT_NE(onMap.lat, plain.lat);  // the two mappings differ
}

TEST_F(MapEditing, outlineMarkersSitOnTheirPointsOnAMap) {
    ASSERT_TRUE(openDocumentFile(state, file("berlin.poly", test::readFile(test::dataFile("osmium_berlin.poly")))));
    state.view.webMercator = true;
    redraw(state, false);
    chooseTool(state, Tool::Rectangle);
    pressOnCanvas(state, 1000, 1200);
    stretchRubberBand(state, 5000, 4000);
    pressOnCanvas(state, 5000, 4000);
    redraw(state, false);
    const Outline& o = state.edit.outline;
    ASSERT_EQ(o.pointCount, 4);
    for (std::size_t k = 1; k <= 4; ++k) {
        const SquareObject& m = state.edit.overlays.markers[k];
        const CanvasPoint p = at(o.lon[k], o.lat[k]);
        EXPECT_NEAR(m.left + m.width / 2, p.x, 1.0) << k;
        EXPECT_NEAR(m.top + m.height / 2, p.y, 1.0) << k;
    }
    // A corner pressed, to the single precision of the outline.
    EXPECT_NEAR(at(o.lon[3], o.lat[3]).y, 4000, 15);
}
