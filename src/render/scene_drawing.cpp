// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/scene_drawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/markers.h"
#include "render/traced_lines.h"
#include "render/view_overlays.h"
#include "render/view_transform.h"

namespace voltaris {

namespace {

void SetCamera(const ViewCamera& c) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(c.pan[0], c.pan[1], c.pan[2]);
    gluLookAt(c.eye[0], c.eye[1], c.eye[2], c.centre[0], c.centre[1], c.centre[2], c.up[0], c.up[1], c.up[2]);
    // Zooming magnifies about the panel centre; no shift at the start scale.
    const Vec3 shift = ZoomPivotShift(c);
    if (shift != Vec3{}) glTranslatef(shift[0], shift[1], shift[2]);
    glScalef(c.scale[0], c.scale[1], c.scale[2]);
    // Turn about the vertical line through the centre of the square; the fixed quarter turn
    // comes on top of the user's rotation.
    glTranslatef(5, 0, 5);
    glRotatef(static_cast<float>(c.rotationDeg), 0, 1, 0);
    glRotatef(90, 0, 1, 0);
    glTranslatef(-5, 0, -5);
}

}  // namespace

void InitialiseGlState(uint32_t clearColour) {
    glShadeModel(GL_SMOOTH);
    const uint32_t c = clearColour;
    // Each byte over 256, as the views have always done (white clears to 255/256).
    glClearColor((c & 0xFF) / 256.0f, ((c >> 8) & 0xFF) / 256.0f, ((c >> 16) & 0xFF) / 256.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void SetViewportAndProjection(int width, int height) {
    if (width <= 0) width = 1;
    if (height <= 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void SetFlatShading(bool flat) { glShadeModel(flat ? GL_FLAT : GL_SMOOTH); }

PickedPoint DrawScene(const ViewFrame& view, const SceneState& scene, const TracedStores& stores,
                      PickCache& cache, const FramePauses& pauses) {
    const ViewFlags& flags = view.flags;
    const bool topView = flags.topView;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetCamera(view.camera);

    DrawChargeMarkers(scene, view.picked.x, view.picked.z, topView);
    // The surface and the traced lines are opaque (alpha 1), so blending them would only read
    // back pixels it then overwrites; the picture is the same without it, and a software
    // rasteriser saves a fifth of its frame.
    glDisable(GL_BLEND);
    if (!view.surfaceHidden && view.surfaceList != 0) glCallList(view.surfaceList);
    glEnable(GL_BLEND);
    DrawParticleStartMarkers(scene, view.picked.x, view.picked.z, topView);
    if (pauses.beforeRasterising) pauses.beforeRasterising();
    if (pauses.beforeTracedLines) {
        glFlush();  // what is drawn so far is rasterised meanwhile
        pauses.beforeTracedLines();
    }
    glDisable(GL_BLEND);
    DrawTracedLines(flags, scene, stores);
    glEnable(GL_BLEND);

    // The point under the mouse lies on what has been drawn so far: surface, markers, lines.
    const PickedPoint picked = PickPoint(view.pickX, view.pickY, view.picked, cache);

    if (view.markX > -99) DrawPointerField(flags, scene, view.markX, 0, view.markZ);
    if (picked.x > -99) DrawPointerField(flags, scene, picked.x, picked.y, picked.z);

    DrawAxes(topView, scene.range);
    if (!topView && view.planeHeight > -99) DrawLevelPlane(view.planeHeight, scene.range.HeightScale);
    DrawViewOverlays(flags, scene);
    return picked;
}

PickedPoint PickPoint(int32_t x, int32_t y, const PickedPoint& previous, PickCache& cache) {
    PickedPoint point = previous;
    if (x <= -900) {
        point.x = static_cast<float>(x);
        // The point is gone: the mouse coming back to the same position picks anew.
        cache.lastX = PickCache::NoPosition;
        return point;
    }
    if (x == cache.lastX && y == cache.lastY) return point;
    if (cache.viewport[0] == -99) glGetIntegerv(GL_VIEWPORT, cache.viewport.data());

    GLdouble modelView[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // A position outside the frame reads nothing; it then counts as the far plane.
    GLfloat depth = 1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);

    GLdouble px = 0, py = 0, pz = 0;
    if (gluUnProject(x, y, depth, modelView, projection, cache.viewport.data(), &px, &py, &pz) != GL_TRUE) {
        point.x = -999;  // singular matrices (a zoom of 0 draws nothing): no point
        return point;
    }
    cache.lastX = x;
    cache.lastY = y;
    return PickedPoint{static_cast<float>(px), static_cast<float>(py), static_cast<float>(pz)};
}

void DrawAxes(bool topView, const ValueRange& range) {
    glPushMatrix();
    glTranslatef(-1, 0, -1);
    glColor3f(0, 0, 0);
    if (!topView) {
        const float top = range.PotentialMax * range.HeightScale;
        const float bottom = range.PotentialMin * range.HeightScale;
        glBegin(GL_LINE_STRIP);
        glVertex3f(0, top + 1, 0);
        glVertex3f(0, bottom - 1, 0);
        glVertex3f(0, 0, 0);
        glEnd();
        glBegin(GL_TRIANGLES);
        glVertex3f(0, top + 1, 0);
        glVertex3f(0.5f, top, 0);
        glVertex3f(-0.5f, top, 0);
        glEnd();
    }
    glBegin(GL_LINE_STRIP);
    glVertex3f(12, 0, 0);
    glVertex3f(-1, 0, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 0, -1);
    glVertex3f(0, 0, 12);
    glEnd();
    glBegin(GL_TRIANGLES);
    glVertex3f(0, 0, 12);
    glVertex3f(0.5f, 0, 11);
    glVertex3f(-0.5f, 0, 11);
    glVertex3f(12, 0, 0);
    glVertex3f(11, 0, -0.5f);
    glVertex3f(11, 0, 0.5f);
    glEnd();
    glPopMatrix();
}

void DrawLevelPlane(float potential, float heightScale) {
    const float y = potential * heightScale;
    glColor4f(0, 0, 1, 0.3f);
    glBegin(GL_QUADS);
    glVertex3f(11, y, -1);
    glVertex3f(11, y, 11);
    glVertex3f(-1, y, 11);
    glVertex3f(-1, y, -1);
    glEnd();
}

}  // namespace voltaris
