// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/pointer_readout.h"

#include <QCoreApplication>

#include "field/kernels.h"
#include "model/number_format.h"

namespace voltaris {

bool InsideSquare(float graphX, float graphZ) {
    return graphX >= 0 && graphX <= 10 && graphZ >= 0 && graphZ <= 10;
}

double PotentialAtGraphPoint(const FieldSnapshot& field, float graphX, float graphZ) {
    return PotentialAt(field, graphX * field.unitLength, graphZ * field.unitLength);
}

std::optional<std::string> PointerReadout(const FieldSnapshot& field, float graphX, float graphZ, bool topView) {
    if (!InsideSquare(graphX, graphZ)) return std::nullopt;
    const float x = graphX * field.unitLength;
    const float y = graphZ * field.unitLength;
    const double potential = PotentialAt(field, x, y);
    const QString pattern = topView ? QCoreApplication::translate("PointerReadout", "X: %1 m ,Y: %2 m , Z: %3 V (J/C)")
                                    : QCoreApplication::translate("PointerReadout", "X: %1 m ,Y: %2 m, Z: %3 V (J/C)");
    return pattern
        .arg(QString::fromStdString(FormatShownNumber(x, 3)), QString::fromStdString(FormatShownNumber(y, 3)),
             QString::fromStdString(FormatShownNumber(potential, 3)))
        .toStdString();
}

}  // namespace voltaris
