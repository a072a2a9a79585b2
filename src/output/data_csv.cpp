// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/data_csv.h"

#include <charconv>

#include "particle/path_energy.h"

namespace voltaris {

namespace {

// printf("%.<digits>g") in the C locale: to_chars never takes the decimal comma of a German
// environment.
void Append(std::string& out, double value, int digits) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    out.append(buffer, end);
}

void Append(std::string& out, int value) { out += std::to_string(value); }

}  // namespace

std::string LinesCsv(const LineSet& lines) {
    std::string out = "slot,point,gx,potential,gz\n";
    for (int s = 0; s <= lines.Last(); ++s) {
        const float* p = lines.Points(s);
        for (int k = 0; k < lines.Count(s); k += 3) {
            Append(out, s);
            out += ',';
            Append(out, k / 3);
            for (int i = 0; i < 3; ++i) {
                out += ',';
                Append(out, p[k + i], 9);
            }
            out += '\n';
        }
    }
    return out;
}

std::string PathsCsv(const PathSet& paths, const PathCsvParticles& particles, PathCsvColumns columns) {
    std::string out = "slot,index,t,speed,angle,gx,potential,gz";
    if (columns.energies) out += ",e_kin_j,e_pot_j,e_total_j";
    if (columns.energies && columns.radiated) out += ",e_radiated_j";
    out += '\n';
    for (int s = 0; s < particles.count && s < MaxParticleSlots; ++s) {
        const PathSlot& p = paths.slots[s];
        const ParticleSlot& particle = particles.slots[s];
        for (int i = 0; i < p.PathFloatCount / 3; ++i) {
            Append(out, s);
            out += ',';
            Append(out, i);
            for (const float value : {p.PathTime[i], p.PathSpeed[i], p.PathAngle[i], p.PathPoints[3 * i],
                                      p.PathPoints[3 * i + 1], p.PathPoints[3 * i + 2]}) {
                out += ',';
                Append(out, value, 17);
            }
            if (columns.energies) {
                const ParticleEnergy e =
                    EnergyAtPoint(p, i, particles.SignFactor * particle.charge, particle.mass);
                const double values[] = {e.kinetic, e.potential, e.Total(), e.radiated};
                for (int c = 0; c < (columns.radiated ? 4 : 3); ++c) {
                    out += ',';
                    Append(out, values[c], 17);
                }
            }
            out += '\n';
        }
    }
    return out;
}

}  // namespace voltaris
