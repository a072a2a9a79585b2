#include "render/scene_drawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "engine/gl/particle_start_markers.h"
#include "engine/gl/picking.h"
#include "engine/gl/scene_items.h"
#include "render/markers.h"
#include "field/gl/pointer_field.h"
#include "render/traced_lines.h"

namespace voltaris {

namespace {

void SetCamera(const GraphEngine& e) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(e.panX, e.panY, e.panZ);
    gluLookAt(e.eyeX, e.eyeY, e.eyeZ, e.centreX, e.centreY, e.centreZ, e.upX, e.upY, e.upZ);
    glScalef(e.scaleX, e.scaleY, e.scaleZ);
    // Turn about the vertical line through the centre of the square; the fixed quarter turn
    // comes on top of the user's rotation.
    glTranslatef(5, 0, 5);
    glRotatef(static_cast<float>(e.rotationDeg.load()), 0, 1, 0);
    glRotatef(90, 0, 1, 0);
    glTranslatef(-5, 0, -5);
}

// 1 switches to flat shading (then 2), 3 back to smooth (then 0). A click that raised the
// value meanwhile wins over the write-back.
void ApplyShadeRequest(GraphEngine& e) {
    int32_t request = e.shadeRequest;
    if (request == 1) {
        glShadeModel(GL_FLAT);
        e.shadeRequest.compare_exchange_strong(request, 2);
    } else if (request == 3) {
        glShadeModel(GL_SMOOTH);
        e.shadeRequest.compare_exchange_strong(request, 0);
    }
}

}  // namespace

void DrawScene(GraphEngine& engine, const SceneState& scene) {
    const bool topView = engine.isTopView;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetCamera(engine);
    ApplyShadeRequest(engine);

    DrawChargeMarkers(scene, engine.pickedX, engine.pickedZ, topView);
    if (!engine.listHidden && engine.displayListId != 0) glCallList(engine.displayListId);
    if (topView) DrawParticleStartMarkers(engine, scene);
    DrawTracedLines(engine, scene);

    // The point under the mouse lies on what has been drawn so far: surface, markers, lines.
    PickPoint(engine);

    const float markX = engine.markX;
    if (markX > -99) DrawPointerField(engine, scene, markX, 0, engine.markZ);
    const float pickedX = engine.pickedX;
    if (pickedX > -99) DrawPointerField(engine, scene, pickedX, engine.pickedY, engine.pickedZ);

    DrawAxes(topView, scene.range);
    const float plane = engine.planeHeight;
    if (!topView && plane > -99) DrawLevelPlane(plane, scene.range.HeightScale);
}

}  // namespace voltaris
