// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>

#include "field/line_store.h"
#include "model/project.h"
#include "particle/path_store.h"

namespace voltaris {

// The program's data as CSV for spreadsheets: one header line, a comma between cells, numbers
// with a decimal point whatever the locale.

// Traced lines: "slot,point,gx,potential,gz" (graph x, volts, graph z), one row per stored
// point of slots 0 .. Last(), 9 significant digits; empty slots give no rows.
std::string LinesCsv(const LineSet& lines);

// Which particle the rows of a path belong to, for its energies.
struct PathCsvParticles {
    int32_t count = 0;  // slots of the tab (at most MaxParticleSlots are written)
    std::array<ParticleSlot, MaxParticleSlots> slots{};
    int32_t SignFactor = 1;
};

struct PathCsvColumns {
    bool energies = false;  // e_kin_j,e_pot_j,e_total_j after the path's own columns
    bool radiated = false;  // and e_radiated_j (with Bremsstrahlung)
};

// Particle paths: "slot,index,t,speed,angle,gx,potential,gz" (seconds, m/s, radians, graph x,
// volts, graph z), every value as %.17g gives it, then the energy columns asked for, in joules.
std::string PathsCsv(const PathSet& paths, const PathCsvParticles& particles, PathCsvColumns columns);

}  // namespace voltaris
