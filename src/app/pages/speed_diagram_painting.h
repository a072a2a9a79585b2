// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>
#include <cstdint>

#include "particle/speed_ring.h"

namespace voltaris::pages {

// A time-velocity diagram: the background in `background`, a red line across at half the
// height (half the maximum speed) and the ring's curve in black.
void PaintSpeedDiagram(QImage& picture, const SpeedRing& ring, float maxSpeed, QColor background);

// One period of the sine wave, two pixels per phase step, with a vertical marker at the
// current phase.
void PaintSinePicture(QImage& picture, int32_t phase, QColor background);

}  // namespace voltaris::pages
