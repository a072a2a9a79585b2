// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "model/project.h"
#include "model/user_dialogs.h"

namespace voltaris {

// The six amounts of a view's pop-up menu, in menu order: multiples of 1E-10 C, or of the
// elementary charge while amounts are shown in e.
constexpr std::array<int, 6> PopupMultiples = {2, 4, 8, -2, -4, -8};

// The amount a pop-up entry adds, narrowed to single precision as the menu computes it.
float PopupAmount(int multiple, bool unitsInElementaryCharges);

// The caption of a pop-up entry: "+ &4E-10", "- 2E-10", ... or "+ &4", "- 2", ... in e.
// `eightQuirk` gives the top view's "- 8&E-10", which it shows until the unit is first
// switched.
std::string PopupCaption(int multiple, bool unitsInElementaryCharges, bool eightQuirk = false);

// Adds a charge of `amount` coulomb at the graph point (graphX, graphZ) of the active tab,
// radius half a graph unit. Nothing happens for a point outside the square; the 21st charge
// is refused with the limit message. True when a charge was added.
bool AddCharge(Project& project, float amount, float graphX, float graphZ, UserDialogs& dialogs);

// The charge of the active tab whose sphere holds the graph point (graphX, graphZ): the one
// whose centre is nearest when spheres overlap; -1 when the point lies in none.
int ChargeUnderPoint(const Project& project, float graphX, float graphZ);

// Removes charge `index` of the active tab; later charges and their selection marks move one
// slot down. False for an index the tab does not hold.
bool DeleteCharge(Project& project, int index);

// The amount box: the typed text as coulomb (times the elementary charge in e), narrowed to
// single precision. A text that is no number, or whose amount does not fit a single-precision
// float, shows the conversion error and gives false.
bool AmountOfBoxText(const Project& project, std::string_view text, float& amount, UserDialogs& dialogs);

// Rows of the charge table; column 0 holds the titles, column c + 1 charge c.
enum ChargeTableRow { RowHeader = 0, RowAmount = 1, RowRadius = 2, RowX = 3, RowY = 4, ChargeTableRows = 5 };

// "Q in [C]" / "Q in [e]", "Radius in [m]", ...; empty for the header row.
std::string ChargeTableTitle(const Project& project, int row);
// The text of charge `charge`'s cell in `row` (3 significant digits; "Ladung 1" ... in row 0).
std::string ChargeTableCell(const Project& project, int charge, int row);

// A cell of charge `charge` was edited to `text`: stores the value into the active tab's
// charge (amounts at double precision, radius and position as floats). A text that does not
// parse, or a value that a float cannot hold, leaves the model as it was and gives false.
bool ApplyChargeCellEdit(Project& project, int charge, int row, std::string_view text);

// A mouse press on the table's header row: unless Ctrl is held every mark of the active tab
// is cleared; then the charge under the mouse (-1 for none) is marked, or with Ctrl toggled,
// unless a radius drag is in progress in the top view.
void SelectChargeByHeader(Project& project, int charge, bool ctrl, bool radiusDragging);

bool AnyChargeSelected(const Project& project);

}  // namespace voltaris
