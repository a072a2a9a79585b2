// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/project.h"

#include <cmath>

#include "model/number_format.h"

namespace voltaris {

Project Project::Initial() {
    Project p;
    p.TabCount = 1;
    FieldTab& t = p.tabs[0];
    t.caption = "Tab1";
    t.Resolution = 1.0f;
    t.ChargeCount = 0;
    t.ParticleCount = 1;
    ParticleSlot& s = t.particles[0];
    s.charge = 1.6e-19;
    s.mass = 9.1e-31;
    s.dt = 1e-8;
    s.speed = 500000;
    s.angle = 0;
    s.x = 1;
    s.y = 1;
    s.steps = 10000;
    return p;
}

bool CreateTab(Project& project, const std::string& caption, UserDialogs& dialogs) {
    if (project.TabCount >= MaxTabs) {
        dialogs.ShowMessage("Leider kann das Tab nicht erstellt werden. Es können maximal " +
                            std::to_string(MaxTabs) + " Tabs erstellt werden.");
        return false;
    }
    FieldTab& t = project.tabs[project.TabCount++];
    t.caption = caption;
    t.ChargeCount = 0;
    t.ParticleCount = 1;
    t.Resolution = 1.0f;
    // Slots 1 and 2 and the charge slots keep whatever they held.
    ParticleSlot& s = t.particles[0];
    s.charge = -1.6e-19;
    s.mass = 9.1e-31;
    s.dt = 5.6e-9;
    s.speed = 0;
    s.angle = 0;
    s.x = 0;
    s.y = 0;
    s.steps = 10000;
    return true;
}

void DeleteSelectedCharges(Project& project) {
    FieldTab& t = project.Active();
    for (int i = t.ChargeCount - 1; i >= 0; --i) {
        if (!project.ChargeSelected[i]) continue;
        for (int k = i; k + 1 < t.ChargeCount; ++k) t.charges[k] = t.charges[k + 1];
        --t.ChargeCount;
        project.ChargeSelected[i] = false;
    }
}

float ResolutionOfScrollPosition(int position) {
    return static_cast<float>(position / 6.0 - 10.0);
}

int ScrollPositionOfResolution(float resolution) {
    const double position = std::round((static_cast<double>(resolution) + 10.0) * 6.0);
    if (!(position >= 0)) return 0;  // also NaN
    if (position > ResolutionScrollMax) return ResolutionScrollMax;
    return static_cast<int>(position);
}

float UnitLengthOf(float resolution) {
    return static_cast<float>(std::pow(10.0, static_cast<double>(resolution) - 1.0));
}

std::string SquareSizeLabel(float unitLength) {
    return "Das Koordinatensystem ist " + FormatShownNumber(10.0 * unitLength, 3) + "m im Quadrat";
}

int ShowTab(Project& project, int index, int scrollPosition) {
    project.ActiveTab = index;
    FieldTab& t = project.Active();
    for (int i = 0; i < t.ChargeCount; ++i) project.ChargeSelected[i] = false;
    const int position = ScrollPositionOfResolution(t.Resolution);
    if (position != scrollPosition) t.Resolution = ResolutionOfScrollPosition(position);
    project.unitLength = UnitLengthOf(t.Resolution);
    return position;
}

double DisplayedAmount(const Project& project, double coulomb) {
    return project.UnitsInElementaryCharges ? coulomb / ElementaryCharge : coulomb;
}

double AmountFromDisplayed(const Project& project, double shown) {
    return project.UnitsInElementaryCharges ? shown * ElementaryCharge : shown;
}

}  // namespace voltaris
