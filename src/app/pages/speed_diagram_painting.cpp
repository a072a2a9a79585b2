// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/speed_diagram_painting.h"

#include <QPainter>
#include <cmath>
#include <vector>

#include "field/kernels.h"
#include "particle/alternating_voltage.h"

namespace voltaris::pages {

void PaintSpeedDiagram(QImage& picture, const SpeedRing& ring, float maxSpeed, QColor background) {
    const int w = picture.width(), h = picture.height();
    picture.fill(background);
    QPainter painter(&picture);
    painter.setPen(Qt::red);
    painter.drawLine(0, h / 2, w, h / 2);
    painter.setPen(Qt::black);
    static thread_local std::vector<DiagramLine> lines;
    DiagramCurve(ring, w, h, maxSpeed, lines);
    for (const DiagramLine& l : lines) painter.drawLine(l.x1, l.y1, l.x2, l.y2);
}

void PaintSinePicture(QImage& picture, int32_t phase, QColor background) {
    const int h = picture.height();
    picture.fill(background);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    auto y = [&](int i) { return static_cast<int>((1 - std::sin(2 * Pi * i / AcStepsPerPeriod)) * (h / 2)); };
    for (int i = 0; i < AcStepsPerPeriod; ++i) painter.drawLine(2 * i, y(i), 2 * i + 2, y(i + 1));
    const int x = 2 * (((phase % AcStepsPerPeriod) + AcStepsPerPeriod) % AcStepsPerPeriod);
    painter.drawLine(x, 0, x, h);
}

}  // namespace voltaris::pages
