#include "render/surface_list.h"

#include <GL/gl.h>

#include "field/surface_mesh.h"

namespace voltaris {

namespace {

GLenum PrimitiveOf(GraphEngine& engine) {
    int32_t mode = engine.renderMode;
    if (mode < 0 || mode > 3) {
        // An invalid mode falls back to solid; a click that changed it meanwhile wins.
        engine.renderMode.compare_exchange_strong(mode, 0);
        mode = 0;
    }
    static constexpr GLenum primitives[] = {GL_TRIANGLE_STRIP, GL_LINES, GL_LINE_STRIP, GL_POINTS};
    return primitives[mode];
}

}  // namespace

void BuildSurfaceList(GraphEngine& engine, const SceneState& scene) {
    if (engine.displayListId != 0) glDeleteLists(engine.displayListId, 1);
    engine.displayListId = 0;
    if (engine.listHidden) return;

    const GLenum primitive = PrimitiveOf(engine);
    SurfaceSettings settings;
    settings.gridStep = engine.gridStep;
    // The resolution control never gives 0 or less; a step that is still not positive (or
    // not a number) would never reach the square's end, so it gets the control's finest.
    if (!(settings.gridStep > 0)) settings.gridStep = 0.01f;
    settings.colourMode = engine.colourMode;
    settings.isTopView = engine.isTopView;
    SurfaceMesh& mesh = *engine.surfaceMesh;
    GenerateSurface(scene.field, scene.range, settings, mesh);

    const GLuint id = glGenLists(1);
    if (id == 0) return;  // out of list names: the view shows no surface
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
    engine.displayListId = id;
}

}  // namespace voltaris
