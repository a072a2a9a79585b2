// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>

#include "particle/path_store.h"

namespace voltaris::pages {

// The energies of slot 0 over the time of its whole path, as the slow-motion page plots them
// instead of the speed: kinetic, potential and total energy (and the radiated energy when the
// path radiates), each curve drawn up to point `shownPoints` (a replay in progress), the time
// axis spanning the whole path, the vertical axis the range of all four energies over the
// path (zero marked in grey), and a legend in the top left corner.
void PaintEnergyDiagram(QImage& picture, const PathSlot& path, int shownPoints, double signedCharge, double mass,
                        QColor background);

}  // namespace voltaris::pages
