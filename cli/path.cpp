// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli path FILE TAB [--bremsstrahlung FACTOR] [--swap] [--energy]: the particle paths
// of a tab as the program shows them once the time step has settled, as CSV; --energy adds the
// particle's energies in joules (and the radiated energy with --bremsstrahlung).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cli_common.h"
#include "command_registry.h"
#include "model/number_format.h"
#include "output/data_csv.h"
#include "particle/settled_paths.h"

namespace voltaris::cli {
namespace {

constexpr const char* Usage = "FILE TAB [--bremsstrahlung FACTOR] [--swap] [--energy]";

// The amplification of the radiation loss, with a decimal comma or point; the whole text must
// be a finite number.
bool ParseFactor(const std::string& text, double& factor) {
    if (TryParseNumber(text, factor)) return std::isfinite(factor);
    char* end = nullptr;
    factor = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(factor);
}

int Run(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: voltaris-cli path %s\n", Usage);
        return ExitUsage;
    }
    Project project;
    if (!LoadProjectArgument(args[0], project) || !ShowTabArgument(project, args[1])) return 1;
    ParticleSwitches switches;
    PathCsvColumns columns;
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--bremsstrahlung") {
            double factor = 0;
            if (i + 1 == args.size()) {
                std::fprintf(stderr, "voltaris-cli: --bremsstrahlung needs a FACTOR\n");
                return ExitUsage;
            }
            if (!ParseFactor(args[++i], factor)) {
                std::fprintf(stderr, "voltaris-cli: '%s' is not a finite factor\n", args[i].c_str());
                return ExitUsage;
            }
            switches.BremsstrahlungEnabled = true;
            switches.BremsstrahlungFactor = factor;
        } else if (args[i] == "--energy") {
            columns.energies = true;
        } else if (!ApplySwapOption(project, args[i])) {
            return ExitUsage;
        }
    }
    switches.ParticleEnabled = true;
    columns.radiated = switches.BremsstrahlungEnabled;
    auto store = std::make_unique<PathStore>();
    BuildSettledPaths(project, switches, *store);
    const FieldTab& tab = project.Active();
    const PathCsvParticles particles{tab.ParticleCount, tab.particles, project.SignFactor};
    store->Read([&](const PathSet& paths) {
        const std::string csv = PathsCsv(paths, particles, columns);
        std::fwrite(csv.data(), 1, csv.size(), stdout);
    });
    std::printf("# dt: %s\n", Format17g(project.Active().particles[0].dt).c_str());
    return 0;
}

const RegisterCommand registration({"path", Usage, &Run,
                                    "The particle paths of the tab as CSV, once the time step has settled."});

}  // namespace
}  // namespace voltaris::cli
