// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "app/splash_window.h"

namespace voltaris {

namespace {

// Equipotential rings around a pair of opposite charges, drawn as seen from above.
void DrawDipole(QPainter& p, QPointF plus, QPointF minus) {
    for (int k = 1; k <= 7; ++k) {
        const double r = 14.0 * k;
        const int alpha = 190 - 22 * k;
        p.setPen(QPen(QColor(230, 80, 60, alpha), 1.5));
        p.drawEllipse(plus, r, r * 0.8);
        p.setPen(QPen(QColor(70, 130, 230, alpha), 1.5));
        p.drawEllipse(minus, r, r * 0.8);
    }
    // Field lines from the positive to the negative charge.
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    for (int k = -3; k <= 3; ++k) {
        QPainterPath line(plus);
        const QPointF mid((plus.x() + minus.x()) / 2, plus.y() + k * 38.0);
        line.quadTo(mid, minus);
        p.drawPath(line);
    }
    for (auto [centre, colour] : {std::pair{plus, QColor(220, 40, 30)}, std::pair{minus, QColor(30, 80, 210)}}) {
        QRadialGradient ball(centre - QPointF(5, 5), 18);
        ball.setColorAt(0, Qt::white);
        ball.setColorAt(1, colour);
        p.setPen(Qt::NoPen);
        p.setBrush(ball);
        p.drawEllipse(centre, 15, 15);
    }
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(plus - QPointF(7, 0), plus + QPointF(7, 0));
    p.drawLine(plus - QPointF(0, 7), plus + QPointF(0, 7));
    p.drawLine(minus - QPointF(7, 0), minus + QPointF(7, 0));
}

}  // namespace

QPixmap SplashPicture() {
    QPixmap picture(700, 480);
    picture.fill(Qt::yellow);  // see-through outside the card
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);  // no blended yellow at the card's rim

    const QRectF card(20, 20, 660, 440);
    QLinearGradient sky(card.topLeft(), card.bottomRight());
    sky.setColorAt(0, QColor(18, 32, 72));
    sky.setColorAt(1, QColor(40, 84, 140));
    QPainterPath outline;
    outline.addRoundedRect(card, 36, 36);
    p.fillPath(outline, sky);

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipPath(outline);
    DrawDipole(p, QPointF(250, 300), QPointF(450, 300));
    p.setClipping(false);

    QFont title("Sans Serif", 46, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(255, 214, 90));
    p.drawText(QRectF(20, 60, 660, 80), Qt::AlignCenter, "Voltaris 2010");
    p.setFont(QFont("Sans Serif", 15));
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRectF(20, 135, 660, 30), Qt::AlignCenter,
               QCoreApplication::translate("SplashPicture", "Elektrische Felder sehen und verstehen"));
    p.setFont(QFont("Sans Serif", 10));
    p.drawText(QRectF(20, 420, 660, 24), Qt::AlignCenter,
               QCoreApplication::translate("SplashPicture", "Potenzial · Feldstärke · Bewegte Ladungen"));
    return picture;
}

}  // namespace voltaris
