// Editing with a map shown: a handle dropped on the canvas gives its
// vertex the place under the pointer.
#include <gtest/gtest.h>

#include "editing/Editing.h"
#include "session/Opening.h"
#include "support/StateFixture.h"
#include "view/Transform.h"
#include "view/ViewArea.h"

using namespace tess;

using MapEditing = test::StateTest;

TEST_F(MapEditing, aHandleDroppedOnAMapLandsUnderThePointer) {
    ASSERT_TRUE(openDocumentFile(state, file("berlin.poly", test::readFile(test::dataFile("osmium_berlin.poly")))));
    state.view.webMercator = true;
    setEditMode(state, true);
    const CanvasArea a = canvasArea(state.canvas);
    const CanvasPoint p = *toCanvas(state.view, state.doc.loaded.lon[5], state.doc.loaded.lat[5], a.width, a.height, a.margin);
    pressOnHandle(state, 5);
    dragOverCanvas(state, p.x + 300, p.y + 200);
    dropOnHandle(state);
    const GeoPoint expected = geoPointAt(state.view, p.x + 300, p.y + 200, a);
    // To the seven digits a vertex keeps.
    EXPECT_NEAR(state.doc.loaded.lon[5], expected.lon, 5e-6);
    EXPECT_NEAR(state.doc.loaded.lat[5], expected.lat, 5e-6);
}
