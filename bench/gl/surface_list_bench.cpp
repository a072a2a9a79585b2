// SPDX-License-Identifier: GPL-3.0-or-later
// Compiling the coloured surface of a full tab (20 charges, grid step 0.07) into a display
// list on a headless context: the engine's builder against the straightforward submission
// that evaluates the potential and the colour vertex by vertex inside the list.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>
#include <string>

#include "../arrangements.h"
#include "engine/engine_frame.h"
#include "engine/graph_engine.h"
#include "field/colour_ramp.h"
#include "field/kernels.h"
#include "field/value_range.h"
#include "render/egl_offscreen.h"

namespace voltaris {
namespace {

// One context for the whole run, current on the benchmark thread.
EglOffscreen* Context(benchmark::State& state) {
    static std::string error;
    static std::unique_ptr<EglOffscreen> context = [] {
        auto c = EglOffscreen::Create(64, 64, error);
        if (c && !c->MakeCurrent()) c.reset();
        return c;
    }();
    if (!context) state.SkipWithError(("no headless OpenGL: " + error).c_str());
    return context.get();
}

SceneState SceneOfFullTab() {
    SceneState scene;
    scene.field = bench::TwentyCharges();
    ComputeValueRange(scene.field, false, scene.range);
    return scene;
}

void BM_BuildSurfaceList(benchmark::State& state) {
    if (!Context(state)) return;
    const SceneState scene = SceneOfFullTab();
    auto engine = CreateGraphEngine(EngineView::ThreeD);
    for (auto _ : state) {
        BuildSurfaceList(*engine, scene);
        benchmark::DoNotOptimize(engine->displayListId);
    }
    ReleaseGlResources(*engine);
}
BENCHMARK(BM_BuildSurfaceList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The straightforward way: the column loop with two potentials and two colours per row
// evaluated as the vertices are submitted.
void BM_ReferencePerVertexSubmission(benchmark::State& state) {
    if (!Context(state)) return;
    const SceneState scene = SceneOfFullTab();
    const FieldSnapshot& f = scene.field;
    const float u = f.unitLength, x1 = 10 * u, y1 = 10 * u, h = 0.07f * u;
    GLuint list = 0;
    auto vertex = [&](float x, float y) {
        const float v = static_cast<float>(PotentialAt(f, x, y));
        float r, g, b;
        ColourOf(ColourModeContinuous, scene.range, v, r, g, b);
        glColor4f(r, g, b, 1);
        glVertex3f(x / u, v * scene.range.HeightScale, y / u);
    };
    for (auto _ : state) {
        if (list) glDeleteLists(list, 1);
        list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        bool last = false;
        for (float x = 0; x <= x1 + h && !last; x += h) {
            if (x >= x1 - h) {
                x = x1 - h;
                last = true;
            }
            glBegin(GL_TRIANGLE_STRIP);
            for (float y = 0;; y += h) {
                if (y >= y1) y = y1;
                vertex(x, y);
                vertex(x + h, y);
                if (y >= y1) break;
            }
            glEnd();
        }
        glEndList();
        benchmark::DoNotOptimize(list);
    }
    glDeleteLists(list, 1);
}
BENCHMARK(BM_ReferencePerVertexSubmission)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace voltaris
