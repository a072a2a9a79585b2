// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/energy_diagram_painting.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <array>

#include "particle/path_energy.h"

namespace voltaris::pages {

namespace {

struct Curve {
    const char* name;  // translated where drawn
    QColor colour;
    double (*value)(const ParticleEnergy&);
};

const std::array<Curve, 4> Curves = {{
    {QT_TRANSLATE_NOOP("SlowMotionPage", "kinetisch"), QColor(0, 0, 230),
     [](const ParticleEnergy& e) { return e.kinetic; }},
    {QT_TRANSLATE_NOOP("SlowMotionPage", "potenziell"), QColor(0, 150, 0),
     [](const ParticleEnergy& e) { return e.potential; }},
    {QT_TRANSLATE_NOOP("SlowMotionPage", "gesamt"), QColor(Qt::black), [](const ParticleEnergy& e) { return e.Total(); }},
    {QT_TRANSLATE_NOOP("SlowMotionPage", "abgestrahlt"), QColor(230, 120, 0),
     [](const ParticleEnergy& e) { return e.radiated; }},
}};

}  // namespace

void PaintEnergyDiagram(QImage& picture, const PathSlot& path, int shownPoints, double signedCharge, double mass,
                        QColor background) {
    const int w = picture.width(), h = picture.height();
    picture.fill(background);
    const int points = std::min(path.PathFloatCount / 3, PathSampleCapacity);
    if (points < 1 || w < 2 || h < 2) return;
    const bool radiates = path.PathRadiated[points - 1] > 0;
    const int curves = radiates ? 4 : 3;

    // The vertical range over the whole path, so that the curves keep their scale while they grow.
    double lowest = 0, highest = 0;
    for (int i = 0; i < points; ++i) {
        const ParticleEnergy e = EnergyAtPoint(path, i, signedCharge, mass);
        for (int c = 0; c < curves; ++c) {
            lowest = std::min(lowest, Curves[c].value(e));
            highest = std::max(highest, Curves[c].value(e));
        }
    }
    if (highest == lowest) highest = lowest + 1;
    auto y = [&](double joules) { return static_cast<int>((highest - joules) / (highest - lowest) * (h - 1)); };
    const double duration = std::max(path.PathTime[points - 1], 1e-30f);
    auto x = [&](int i) { return static_cast<int>(path.PathTime[i] / duration * (w - 1)); };

    QPainter painter(&picture);
    painter.setPen(Qt::gray);
    painter.drawLine(0, y(0), w, y(0));
    // One vertex per pixel column at most: a long path would otherwise draw thousands per tick.
    const int last = std::clamp(shownPoints, 0, points) - 1;
    for (int c = 0; c < curves; ++c) {
        painter.setPen(Curves[c].colour);
        int px = -1, py = 0;
        for (int i = 0; i <= last; ++i) {
            const int cx = x(i);
            if (cx == px && i != last) continue;
            const int cy = y(Curves[c].value(EnergyAtPoint(path, i, signedCharge, mass)));
            if (px >= 0) painter.drawLine(px, py, cx, cy);
            px = cx;
            py = cy;
        }
    }
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    int legendX = 2;
    for (int c = 0; c < curves; ++c) {
        const QString name = QCoreApplication::translate("SlowMotionPage", Curves[c].name);
        painter.setPen(Curves[c].colour);
        painter.drawText(legendX, 10, name);
        legendX += painter.fontMetrics().horizontalAdvance(name) + 8;
    }
}

}  // namespace voltaris::pages
