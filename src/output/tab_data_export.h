// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "model/project.h"
#include "particle/particle_switches.h"

namespace voltaris {

// The files a data export writes into the folder the user picks.
constexpr const char* EquipotentialsCsvName = "aequipotenziallinien.csv";
constexpr const char* FieldLinesCsvName = "feldlinien.csv";
constexpr const char* PathCsvName = "teilchenbahn.csv";

// Writes the active tab's equipotential lines, field lines and particle paths (with their
// energies, and the radiated energy while Bremsstrahlung is on) as CSV into `folder`, the same
// rows voltaris-cli prints with "lines" and "path --energy". Everything is traced and built
// afresh from the model, whether a view shows it or not; the particle follows `switches`
// except that it always moves and never under the alternating voltage. Returns nothing on
// success, else the file that could not be written and the system's reason.
struct FileWriteFailure {
    std::string path;
    std::string reason;
};
std::optional<FileWriteFailure> ExportTabData(const Project& project, const ParticleSwitches& switches,
                                              const std::string& folder);

}  // namespace voltaris
