// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "model/user_dialogs.h"

namespace voltaris {

constexpr int MaxTabs = 20;
constexpr int MaxChargesPerTab = 20;
constexpr int MaxParticleSlots = 3;

// The single-precision elementary charge (1.6021764682e-19 C); every conversion between
// coulomb and multiples of e uses this value.
constexpr float ElementaryCharge = 1.6021765e-19f;

constexpr const char* ApplicationTitle = "Voltaris 2010";

// A static point charge: a charged sphere of `radius` around (x, y), metres.
struct Charge {
    double amount = 0;  // coulomb, signed
    float x = 0, y = 0;
    float radius = 0;
};

// Settings of the moving charged particle (saved as an `ion` element).
struct ParticleSlot {
    double dt = 0;       // seconds
    float x = 0, y = 0;  // start position, metres
    double charge = 0;   // coulomb
    double mass = 0;     // kilogram
    double speed = 0;    // m/s
    double angle = 0;    // radians (degrees in the file)
    int32_t steps = 0;
    double referenceSpeed = 0;  // working value of the integration; never saved or copied
};

// One tab: an independent arrangement of charges with its square size and particle settings.
// Slots beyond the counts keep stale contents; a file may leave fields of a slot unmentioned.
struct FieldTab {
    std::string caption;
    float Resolution = 1.0f;  // the square's side is 10^Resolution metres
    int32_t ChargeCount = 0;
    std::array<Charge, MaxChargesPerTab> charges{};
    int32_t ParticleCount = 0;
    std::array<ParticleSlot, MaxParticleSlots> particles{};
};

// The one project of the program with its process-wide switches. Fixed capacities: nothing
// is allocated when charges or tabs are added (captions aside).
struct Project {
    std::string ProjectName = "Unbenannt";
    std::string ProjectFileName;  // empty: the project has no file yet
    std::array<FieldTab, MaxTabs> tabs{};
    int32_t TabCount = 0;
    int32_t ActiveTab = 0;

    float unitLength = 1.0f;  // metres per graph unit: 10^(Resolution of the active tab - 1)
    int32_t SignFactor = 1;   // -1 while positive and negative charges are swapped
    bool UnitsInElementaryCharges = false;
    std::array<bool, MaxChargesPerTab> ChargeSelected{};

    FieldTab& Active() { return tabs[ActiveTab]; }
    const FieldTab& Active() const { return tabs[ActiveTab]; }

    // The model as the program holds it at start, before the sample project is opened:
    // one tab "Tab1" with a positive particle of 500000 m/s at (1, 1) m.
    static Project Initial();
};

// Appends a tab with the defaults of a new tab; refuses (with the limit message) beyond
// MaxTabs. Neither the active tab nor the views change.
bool CreateTab(Project& project, const std::string& caption, UserDialogs& dialogs);

// Removes the charges marked in ChargeSelected from the active tab, highest index first so
// the remaining marks stay aligned with their charges.
void DeleteSelectedCharges(Project& project);

// Resolution scroll bar: positions 0 .. 72 in steps of 1/6 decade, 66 = resolution 1.
constexpr int ResolutionScrollMax = 72;
float ResolutionOfScrollPosition(int position);
// Rounds to the nearest position (truncating would move 24 of the 73 stored float32
// resolutions one step down each time their tab is shown) and limits it to 0 .. 72.
int ScrollPositionOfResolution(float resolution);
float UnitLengthOf(float resolution);
// "Das Koordinatensystem ist 10m im Quadrat" for the given unit length.
std::string SquareSizeLabel(float unitLength);

// Shows tab `index`: makes it active, clears the selection marks of its charges, moves the
// resolution scroll bar (whose position is passed in and returned) to the tab's resolution,
// which snaps a resolution off the 1/6 grid onto it, and recomputes unitLength.
int ShowTab(Project& project, int index, int scrollPosition);

// Charge amounts as the user sees and types them: coulomb, or multiples of ElementaryCharge.
double DisplayedAmount(const Project& project, double coulomb);
double AmountFromDisplayed(const Project& project, double shown);

}  // namespace voltaris
