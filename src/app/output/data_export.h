// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/output/output_dialogs.h"
#include "model/user_dialogs.h"
#include "particle/particle_switches.h"

namespace voltaris {

// "Daten exportieren…": asks for a folder and writes the shown tab's lines and particle path
// there as CSV files; a file that cannot be written is reported, a successful export is not.
void ExportData(const Project& project, const ParticleSwitches& switches, OutputDialogs& output,
                UserDialogs& dialogs);

}  // namespace voltaris
