// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace voltaris {

namespace {

constexpr int Side = 32;

void Sheet(QPainter& p, QRectF r, QColor fill = Qt::white) {
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - 6, r.top());
    page.lineTo(r.right(), r.top() + 6);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setBrush(fill);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawPath(page);
}

void TabShape(QPainter& p, QRectF r, QColor fill) {
    QPainterPath tab;
    tab.moveTo(r.left(), r.bottom());
    tab.lineTo(r.left(), r.top() + 8);
    tab.lineTo(r.left() + 3, r.top() + 5);
    tab.lineTo(r.left() + 12, r.top() + 5);
    tab.lineTo(r.left() + 15, r.top() + 8);
    tab.lineTo(r.right(), r.top() + 8);
    tab.lineTo(r.right(), r.bottom());
    tab.closeSubpath();
    p.setBrush(fill);
    p.setPen(QPen(QColor(50, 50, 50), 1.2));
    p.drawPath(tab);
}

void Badge(QPainter& p, QPointF centre, QColor colour, const QString& mark) {
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 7, 7);
    p.setPen(QPen(Qt::white, 2));
    p.setFont(QFont("Sans Serif", 9, QFont::Bold));
    p.drawText(QRectF(centre.x() - 7, centre.y() - 8, 14, 16), Qt::AlignCenter, mark);
}

// The colour ramp of the views, blue to green to red, along the gradient's line.
QLinearGradient BlueGreenRed(QLinearGradient ramp) {
    ramp.setColorAt(0, QColor(40, 70, 220));
    ramp.setColorAt(0.5, QColor(60, 200, 80));
    ramp.setColorAt(1, QColor(230, 50, 40));
    return ramp;
}

void Arrow(QPainter& p, QPointF a, QPointF b, QColor colour) {
    p.setPen(QPen(colour, 2));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF n(-d.y(), d.x());
    QPolygonF head({b, b - d * 7 + n * 4, b - d * 7 - n * 4});
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

void Surface(QPainter& p) {
    QLinearGradient ramp(4, 26, 28, 6);
    ramp.setColorAt(0, QColor(40, 70, 220));
    ramp.setColorAt(0.5, QColor(60, 200, 80));
    ramp.setColorAt(1, QColor(230, 50, 40));
    QPainterPath hill;
    hill.moveTo(3, 27);
    hill.cubicTo(10, 27, 12, 5, 16, 5);
    hill.cubicTo(20, 5, 22, 27, 29, 27);
    hill.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(ramp);
    p.drawPath(hill);
}

void Draw(QPainter& p, Glyph glyph) {
    const QColor blue(40, 90, 200), red(210, 50, 40), green(40, 150, 60);
    switch (glyph) {
        case Glyph::NewProject:
            Sheet(p, {7, 3, 18, 26});
            Badge(p, {23, 23}, green, "+");
            break;
        case Glyph::OpenProject: {
            p.setPen(QPen(QColor(120, 90, 20), 1.2));
            p.setBrush(QColor(240, 200, 90));
            p.drawRect(QRectF(3, 10, 26, 17));
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(QPolygonF({{3, 27}, {8, 15}, {31, 15}, {29, 27}}));
            break;
        }
        case Glyph::SampleProject: {
            Sheet(p, {7, 3, 18, 26});
            p.setBrush(QColor(250, 190, 40));
            p.setPen(QPen(QColor(150, 100, 0), 1));
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 3.5 : 8.0, a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
                star << QPointF(16 + r * std::cos(a), 17 + r * std::sin(a));
            }
            p.drawPolygon(star);
            break;
        }
        case Glyph::SaveProject: {
            p.setPen(QPen(QColor(30, 40, 80), 1.2));
            p.setBrush(QColor(60, 90, 170));
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(8, 18, 16, 10));
            break;
        }
        case Glyph::NewTab:
            TabShape(p, {3, 5, 26, 22}, QColor(235, 240, 250));
            Badge(p, {23, 23}, green, "+");
            break;
        case Glyph::DuplicateTab:
            TabShape(p, {2, 2, 22, 20}, QColor(210, 220, 240));
            TabShape(p, {8, 9, 22, 20}, QColor(235, 240, 250));
            break;
        case Glyph::PrintTab: {
            p.setPen(QPen(QColor(50, 50, 50), 1.2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(170, 170, 180));
            p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 19, 14, 10));
            break;
        }
        case Glyph::DeleteTab:
            TabShape(p, {3, 5, 26, 22}, QColor(235, 240, 250));
            Badge(p, {23, 23}, red, "\u00d7");
            break;
        case Glyph::RenameTab: {
            TabShape(p, {3, 5, 26, 22}, QColor(235, 240, 250));
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setFont(QFont("Sans Serif", 10, QFont::Bold));
            p.drawText(QRectF(3, 13, 26, 14), Qt::AlignCenter, "Ab");
            break;
        }
        case Glyph::SwapSigns:
            Badge(p, {11, 12}, red, "+");
            Badge(p, {21, 21}, blue, "\u2212");
            break;
        case Glyph::ElementaryUnits: {
            p.setPen(QPen(blue, 2));
            p.setBrush(QColor(220, 230, 250));
            p.drawEllipse(QRectF(4, 4, 24, 24));
            p.setFont(QFont("Serif", 15, QFont::Bold, true));
            p.drawText(QRectF(4, 2, 24, 24), Qt::AlignCenter, "e");
            break;
        }
        case Glyph::TotalFieldStrength: Arrow(p, {5, 26}, {27, 6}, red); break;
        case Glyph::AllFieldStrengths:
            Arrow(p, {5, 26}, {27, 6}, red);
            Arrow(p, {5, 26}, {14, 6}, blue);
            Arrow(p, {5, 26}, {27, 20}, blue);
            break;
        case Glyph::ColouredSurface: Surface(p); break;
        case Glyph::Equipotentials:
            p.setBrush(Qt::NoBrush);
            for (int r = 4; r <= 13; r += 3) {
                p.setPen(QPen(red, 1.5));
                p.drawEllipse(QPointF(16, 16), r, r * 0.8);
            }
            break;
        case Glyph::FieldLines:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 1.5));
            for (int k = -2; k <= 2; ++k) {
                QPainterPath line(QPointF(4, 16));
                line.quadTo(QPointF(16, 16 + 9 * k), QPointF(28, 16));
                p.drawPath(line);
            }
            break;
        case Glyph::ColourGradient: {
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(BlueGreenRed(QLinearGradient(3, 0, 29, 0)));
            p.drawRect(QRectF(3, 9, 26, 14));
            break;
        }
        case Glyph::ExportImage: {
            p.setPen(QPen(QColor(50, 50, 50), 1.2));
            p.setBrush(QColor(200, 225, 250));
            p.drawRect(QRectF(3, 6, 22, 18));
            p.setBrush(green);
            p.drawPolygon(QPolygonF({{4, 23}, {11, 13}, {17, 20}, {24, 23}}));
            Arrow(p, {20, 20}, {29, 29}, red);
            break;
        }
        case Glyph::AxisLabels: {
            p.setPen(QPen(Qt::black, 1.5));
            p.drawLine(QPointF(6, 4), QPointF(6, 24));
            p.drawLine(QPointF(6, 24), QPointF(29, 24));
            for (int x = 12; x <= 26; x += 7) p.drawLine(QPointF(x, 24), QPointF(x, 27));
            p.setFont(QFont("Sans Serif", 7));
            p.drawText(QRectF(8, 4, 22, 12), Qt::AlignCenter, "1 m");
            break;
        }
        case Glyph::ColourBar: {
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(BlueGreenRed(QLinearGradient(0, 29, 0, 3)));
            p.drawRect(QRectF(5, 3, 8, 26));
            for (int y = 4; y <= 28; y += 8) p.drawLine(QPointF(15, y), QPointF(27, y));
            break;
        }
    }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace voltaris
