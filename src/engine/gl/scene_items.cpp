#include "engine/gl/scene_items.h"

#include <GL/gl.h>

namespace voltaris {

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
