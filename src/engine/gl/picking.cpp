#include "engine/gl/picking.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace voltaris {

void PickPoint(GraphEngine& engine) {
    const int32_t x = engine.pickX;
    const int32_t y = engine.pickY;
    if (x <= -900) {
        engine.pickedX = static_cast<float>(x);
        return;
    }
    if (x == engine.lastPickX && y == engine.lastPickY) return;
    if (engine.viewport[0] == -99) glGetIntegerv(GL_VIEWPORT, engine.viewport.data());

    GLdouble modelView[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // A position outside the frame reads nothing; it then counts as the far plane.
    GLfloat depth = 1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);

    GLdouble px = 0, py = 0, pz = 0;
    if (gluUnProject(x, y, depth, modelView, projection, engine.viewport.data(), &px, &py, &pz) != GL_TRUE) {
        engine.pickedX = -999;  // singular matrices (a zoom of 0 draws nothing): no point
        return;
    }
    engine.pickedX = static_cast<float>(px);
    engine.pickedY = static_cast<float>(py);
    engine.pickedZ = static_cast<float>(pz);
    engine.lastPickX = x;
    engine.lastPickY = y;
}

}  // namespace voltaris
