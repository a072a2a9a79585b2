// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/surface_list.h"

#include <GL/gl.h>

#include "field/surface_mesh.h"

namespace voltaris {

uint32_t CompileSurfaceList(const SceneState& scene, const SurfaceStyle& style, SurfaceMesh& mesh) {
    static constexpr GLenum primitives[] = {GL_TRIANGLE_STRIP, GL_LINES, GL_LINE_STRIP, GL_POINTS};
    const GLenum primitive = primitives[style.renderMode >= 0 && style.renderMode <= 3 ? style.renderMode : 0];
    SurfaceSettings settings;
    settings.gridStep = style.gridStep;
    // The resolution control never gives 0 or less; a step that is still not positive (or
    // not a number) would never reach the square's end, so it gets the control's finest.
    if (!(settings.gridStep > 0)) settings.gridStep = 0.01f;
    settings.colourMode = style.colourMode;
    settings.isTopView = style.topView;
    GenerateSurface(scene.field, scene.range, settings, mesh);

    const GLuint id = glGenLists(1);
    if (id == 0) return 0;  // out of list names: the view shows no surface
    glNewList(id, GL_COMPILE);
    const float* xyz = mesh.xyz.data();
    const float* rgb = mesh.rgb.data();
    uint32_t vertex = 0;
    for (const uint32_t end : mesh.columnEnds) {
        glBegin(primitive);
        // Three colour components leave alpha at 1 and keep the compiled list smaller,
        // which makes every replay cheaper than with an explicit alpha.
        for (; vertex < end; ++vertex) {
            glColor3fv(rgb + 3 * vertex);
            glVertex3fv(xyz + 3 * vertex);
        }
        glEnd();
    }
    glEndList();
    return id;
}

void DeleteSurfaceList(uint32_t& list) {
    if (list != 0) glDeleteLists(list, 1);
    list = 0;
}

}  // namespace voltaris
