// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/charge_editing.h"

#include <cmath>
#include <cstdlib>

#include "model/number_format.h"

namespace voltaris {

namespace {

// Radius and position are held as floats: a value beyond their range would become infinite
// and could neither be drawn nor saved again.
bool FitsFloat(double value) { return std::isfinite(static_cast<float>(value)); }

}  // namespace

float PopupAmount(int multiple, bool unitsInElementaryCharges) {
    if (unitsInElementaryCharges) return static_cast<float>(multiple) * ElementaryCharge;
    return static_cast<float>(multiple * 1e-10);
}

std::string PopupCaption(int multiple, bool unitsInElementaryCharges, bool eightQuirk) {
    const std::string digit = std::to_string(std::abs(multiple));
    const std::string unit = unitsInElementaryCharges ? "" : "E-10";
    // Only the positive entries carry an accelerator.
    if (multiple > 0) return "+ &" + digit + unit;
    if (multiple == -8 && eightQuirk && !unitsInElementaryCharges) return "- 8&E-10";
    return "- " + digit + unit;
}

bool AddCharge(Project& project, float amount, float graphX, float graphZ, UserDialogs& dialogs) {
    if (graphX > 10 || graphX < 0 || graphZ > 10 || graphZ < 0) return false;
    FieldTab& tab = project.Active();
    if (tab.ChargeCount >= MaxChargesPerTab) {
        dialogs.ShowMessage("Leider kann die Ladung nicht erstellt werden. Es können maximal " +
                            std::to_string(MaxChargesPerTab) + " Ladungen erstellt werden.");
        return false;
    }
    Charge& c = tab.charges[tab.ChargeCount];
    c.amount = amount;  // widened: a menu amount 4E-10 is kept as 4,00000005340573E-10
    c.x = graphX * project.unitLength;
    c.y = graphZ * project.unitLength;
    c.radius = 0.5f * project.unitLength;
    project.ChargeSelected[tab.ChargeCount] = false;
    ++tab.ChargeCount;
    return true;
}

int ChargeUnderPoint(const Project& project, float graphX, float graphZ) {
    const FieldTab& tab = project.Active();
    const double u = project.unitLength;
    int under = -1;
    double nearest = 0;
    for (int i = 0; i < tab.ChargeCount; ++i) {
        const Charge& c = tab.charges[i];
        // Metres, as the top view's press measures a charge's inside.
        const double d = std::hypot(c.x - graphX * u, c.y - graphZ * u);
        if (d < c.radius && (under < 0 || d < nearest)) {
            under = i;
            nearest = d;
        }
    }
    return under;
}

bool DeleteCharge(Project& project, int index) {
    FieldTab& tab = project.Active();
    if (index < 0 || index >= tab.ChargeCount) return false;
    for (int k = index; k + 1 < tab.ChargeCount; ++k) {
        tab.charges[k] = tab.charges[k + 1];
        project.ChargeSelected[k] = project.ChargeSelected[k + 1];
    }
    --tab.ChargeCount;
    project.ChargeSelected[tab.ChargeCount] = false;
    return true;
}

bool AmountOfBoxText(const Project& project, std::string_view text, float& amount, UserDialogs& dialogs) {
    double value = 0;
    if (!TryParseTypedNumber(text, value) || !FitsFloat(AmountFromDisplayed(project, value))) {
        dialogs.ShowError(ConversionError(text).what());
        return false;
    }
    amount = static_cast<float>(AmountFromDisplayed(project, value));
    return true;
}

std::string ChargeTableTitle(const Project& project, int row) {
    switch (row) {
        case RowAmount: return project.UnitsInElementaryCharges ? "Q in [e]" : "Q in [C]";
        case RowRadius: return "Radius in [m]";
        case RowX: return "X-Pos in [m]";
        case RowY: return "Y-Pos in [m]";
        default: return "";
    }
}

std::string ChargeTableCell(const Project& project, int charge, int row) {
    const Charge& c = project.Active().charges[charge];
    switch (row) {
        case RowHeader: return "Ladung " + std::to_string(charge + 1);
        case RowAmount: return FormatShownNumber(DisplayedAmount(project, c.amount), 3);
        case RowRadius: return FormatShownNumber(c.radius, 3);
        case RowX: return FormatShownNumber(c.x, 3);
        case RowY: return FormatShownNumber(c.y, 3);
        default: return "";
    }
}

bool ApplyChargeCellEdit(Project& project, int charge, int row, std::string_view text) {
    FieldTab& tab = project.Active();
    if (charge < 0 || charge >= tab.ChargeCount) return false;
    double value = 0;
    if (!TryParseTypedNumber(text, value)) return false;
    Charge& c = tab.charges[charge];
    switch (row) {
        case RowAmount: {
            const double amount = AmountFromDisplayed(project, value);
            if (!std::isfinite(amount)) return false;
            c.amount = amount;
            return true;
        }
        case RowRadius:
        case RowX:
        case RowY: {
            if (!FitsFloat(value)) return false;
            const float v = static_cast<float>(value);
            (row == RowRadius ? c.radius : row == RowX ? c.x : c.y) = v;
            return true;
        }
        default: return false;
    }
}

void SelectChargeByHeader(Project& project, int charge, bool ctrl, bool radiusDragging) {
    const FieldTab& tab = project.Active();
    if (!ctrl) {
        for (int i = 0; i < tab.ChargeCount; ++i) project.ChargeSelected[i] = false;
    }
    if (charge < 0 || charge >= tab.ChargeCount || radiusDragging) return;
    project.ChargeSelected[charge] = ctrl ? !project.ChargeSelected[charge] : true;
}

bool AnyChargeSelected(const Project& project) {
    const FieldTab& tab = project.Active();
    for (int i = 0; i < tab.ChargeCount; ++i) {
        if (project.ChargeSelected[i]) return true;
    }
    return false;
}

}  // namespace voltaris
