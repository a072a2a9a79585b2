// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/view_overlays.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "field/colour_ramp.h"
#include "field/view_scales.h"
#include "render/overlay_text.h"

namespace voltaris {

namespace {

// The scene's matrices, kept to place labels at graph points once drawing is in pixels.
struct Projection {
    GLdouble modelView[16], projection[16];
    GLint viewport[4];

    Projection() {
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
    }
    // Window position of a graph point; false behind the camera or beyond the far plane.
    bool ToWindow(float x, float y, float z, double& wx, double& wy) const {
        GLdouble wz = 0;
        if (gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz) != GL_TRUE) return false;
        return wz >= 0 && wz <= 1;
    }
    int Width() const { return viewport[2]; }
    int Height() const { return viewport[3]; }
};

// A label to write in window pixels: its anchor and the direction it is pushed away from it.
// Where labels would overlap, the one of lower rank is left out.
struct PlacedLabel {
    std::string text;
    double x, y;    // anchor
    double dx, dy;  // unit direction from the anchor to the label, (0, 0) = centred on it
    int rank;       // 0 first: axis names, then the square's corners, its middle, its quarters
};

int TextZoom(const Projection& p) { return p.Height() >= 360 ? 2 : 1; }

// A label at graph point `at`, pushed from it towards graph point `away` (outside the square).
void AddLabel(std::vector<PlacedLabel>& labels, const Projection& p, std::string text, const float at[3],
              const float away[3], int rank) {
    double ax, ay, bx, by;
    if (!p.ToWindow(at[0], at[1], at[2], ax, ay)) return;
    double dx = 0, dy = 0;
    if (p.ToWindow(away[0], away[1], away[2], bx, by)) {
        const double length = std::hypot(bx - ax, by - ay);
        if (length > 0) {
            dx = (bx - ax) / length;
            dy = (by - ay) / length;
        }
    }
    labels.push_back({std::move(text), ax, ay, dx, dy, rank});
}

void TickLine(float ax, float ay, float az, float bx, float by, float bz) {
    glVertex3f(ax, ay, az);
    glVertex3f(bx, by, bz);
}

// Tick marks in graph space (the axes sit one unit outside the square, see DrawAxes) and
// their labels, to be written once drawing is in pixels.
std::vector<PlacedLabel> AxisLabels(bool topView, const SceneState& scene, const Projection& p) {
    std::vector<PlacedLabel> labels;
    const std::vector<AxisTick> ticks = SquareSideTicks(scene.field.unitLength);
    constexpr float Axis = -1, TickEnd = -1.35f, LabelSide = -2.35f;
    glColor3f(0, 0, 0);
    glBegin(GL_LINES);
    for (const AxisTick& t : ticks) {
        TickLine(t.graph, 0, Axis, t.graph, 0, TickEnd);  // model x runs along graph x
        TickLine(Axis, 0, t.graph, TickEnd, 0, t.graph);  // model y along graph z
    }
    glEnd();
    for (size_t i = 0; i < ticks.size(); ++i) {
        const AxisTick& t = ticks[i];
        const int rank = i == 0 || i + 1 == ticks.size() ? 1 : (i * 2 == ticks.size() - 1 ? 2 : 3);
        const float xAt[3] = {t.graph, 0, TickEnd}, xAway[3] = {t.graph, 0, LabelSide};
        AddLabel(labels, p, t.label, xAt, xAway, rank);
        const float yAt[3] = {TickEnd, 0, t.graph}, yAway[3] = {LabelSide, 0, t.graph};
        AddLabel(labels, p, t.label, yAt, yAway, rank);
    }
    // The names beyond the arrow heads.
    const float xName[3] = {11.4f, 0, Axis}, xBeyond[3] = {12.4f, 0, Axis};
    AddLabel(labels, p, "x", xName, xBeyond, 0);
    const float yName[3] = {Axis, 0, 11.4f}, yBeyond[3] = {Axis, 0, 12.4f};
    AddLabel(labels, p, "y", yName, yBeyond, 0);
    if (topView) return labels;

    // The vertical axis carries potential x HeightScale: its ends are the range's ends.
    const ValueRange& r = scene.range;
    glBegin(GL_LINES);
    for (const float v : {r.PotentialMin, 0.0f, r.PotentialMax}) {
        const float h = v * r.HeightScale;
        TickLine(Axis - 0.35f, h, Axis, Axis + 0.35f, h, Axis);
    }
    glEnd();
    for (const float v : {r.PotentialMin, 0.0f, r.PotentialMax}) {
        const float h = v * r.HeightScale;
        const float at[3] = {Axis - 0.35f, h, Axis}, away[3] = {Axis - 1.35f, h, Axis};
        AddLabel(labels, p, VoltLabel(v), at, away, v == 0 ? 2 : 1);
    }
    return labels;
}

// A white, slightly see-through card behind text, so labels stay legible over the surface.
void Card(int left, int bottom, int width, int height, int pad) {
    glColor4f(1, 1, 1, 0.8f);
    glBegin(GL_QUADS);
    glVertex2i(left - pad, bottom - pad);
    glVertex2i(left + width + pad, bottom - pad);
    glVertex2i(left + width + pad, bottom + height + pad);
    glVertex2i(left - pad, bottom + height + pad);
    glEnd();
}

struct Box {
    int left, bottom, right, top;
    bool Touches(const Box& o, int gap) const {
        return left < o.right + gap && o.left < right + gap && bottom < o.top + gap && o.bottom < top + gap;
    }
};

void WriteLabels(std::vector<PlacedLabel> labels, const Projection& p, int zoom) {
    const int height = OverlayTextHeight(zoom), gap = 3 * zoom;
    std::stable_sort(labels.begin(), labels.end(),
                     [](const PlacedLabel& a, const PlacedLabel& b) { return a.rank < b.rank; });
    std::vector<Box> written;
    for (const PlacedLabel& l : labels) {
        const int width = OverlayTextWidth(l.text, zoom);
        // The box's centre sits beyond the anchor by half the box's extent along the push.
        const double reach = std::abs(l.dx) * width / 2.0 + std::abs(l.dy) * height / 2.0 + gap;
        int left = static_cast<int>(std::lround(l.x + l.dx * reach - width / 2.0));
        int bottom = static_cast<int>(std::lround(l.y + l.dy * reach - height / 2.0));
        // Kept inside the panel, where it may cover a little of the picture.
        left = std::clamp(left, zoom, std::max(zoom, p.Width() - width - zoom));
        bottom = std::clamp(bottom, zoom, std::max(zoom, p.Height() - height - zoom));
        const Box box{left, bottom, left + width, bottom + height};
        if (std::any_of(written.begin(), written.end(), [&](const Box& b) { return b.Touches(box, 2 * zoom); }))
            continue;
        written.push_back(box);
        Card(left, bottom, width, height, zoom);
        glColor3f(0, 0, 0);
        DrawOverlayText(l.text, left, bottom, zoom);
    }
}

void RampColour(int colourMode, const ValueRange& range, double v) {
    float r, g, b;
    ColourOf(colourMode, range, static_cast<float>(v), r, g, b);
    glColor4f(r, g, b, 1);
}

// The colour bar at the right edge: the ramp from the range's bottom (below) to its top, with
// the potentials of its steps, as many as fit without overlapping.
void DrawColourBar(int colourMode, const ValueRange& range, const Projection& p, int zoom) {
    const std::vector<double> steps = ColourRampSteps(colourMode, range);
    if (steps.size() < 2) return;
    const int intervals = static_cast<int>(steps.size()) - 1;
    const int barWidth = 8 * zoom, textHeight = OverlayTextHeight(zoom), margin = 6 * zoom;
    const int barHeight = std::max(intervals, p.Height() * 6 / 10);
    const int barBottom = (p.Height() - barHeight) / 2;
    // Every label, or every 2nd, 4th, ... so that the labels do not touch.
    int stride = 1;
    while (stride < intervals && barHeight * stride / intervals < textHeight + 2 * zoom) stride *= 2;
    int labelWidth = 0;
    for (int i = 0; i <= intervals; i += stride)
        labelWidth = std::max(labelWidth, OverlayTextWidth(VoltLabel(steps[i]), zoom));
    const int barLeft = p.Width() - margin - labelWidth - 3 * zoom - barWidth;
    const int labelLeft = barLeft + barWidth + 3 * zoom;

    Card(barLeft, barBottom - textHeight / 2, barWidth + 3 * zoom + labelWidth, barHeight + textHeight, 2 * zoom);
    auto yOf = [&](int i) { return barBottom + barHeight * i / intervals; };
    glBegin(GL_QUADS);
    for (int i = 0; i < intervals; ++i) {
        // Continuous: the ramp is linear between steps. Stepped: one colour per band.
        const bool stepped = colourMode == ColourModeStepped;
        const double low = stepped ? (steps[i] + steps[i + 1]) / 2 : steps[i];
        const double high = stepped ? low : steps[i + 1];
        RampColour(colourMode, range, low);
        glVertex2i(barLeft, yOf(i));
        glVertex2i(barLeft + barWidth, yOf(i));
        RampColour(colourMode, range, high);
        glVertex2i(barLeft + barWidth, yOf(i + 1));
        glVertex2i(barLeft, yOf(i + 1));
    }
    glEnd();
    glColor3f(0, 0, 0);
    glBegin(GL_LINE_LOOP);
    glVertex2i(barLeft, barBottom);
    glVertex2i(barLeft + barWidth, barBottom);
    glVertex2i(barLeft + barWidth, barBottom + barHeight);
    glVertex2i(barLeft, barBottom + barHeight);
    glEnd();
    for (int i = 0; i <= intervals; i += stride)
        DrawOverlayText(VoltLabel(steps[i]), labelLeft, yOf(i) - textHeight / 2, zoom);
}

}  // namespace

void DrawViewOverlays(const ViewFlags& flags, const SceneState& scene) {
    const bool colourBar = flags.showColourBar && flags.topView;
    if (!flags.showAxisLabels && !colourBar) return;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_LIGHTING_BIT);
    glLineWidth(1);
    const Projection p;
    const int zoom = TextZoom(p);
    std::vector<PlacedLabel> labels;
    if (flags.showAxisLabels) labels = AxisLabels(flags.topView, scene, p);

    // From here on in window pixels, over everything drawn.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, p.Width(), 0, p.Height(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);

    WriteLabels(labels, p, zoom);
    if (colourBar) DrawColourBar(flags.colourMode, scene.range, p, zoom);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

}  // namespace voltaris
