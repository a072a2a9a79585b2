// voltaris-cli path FILE TAB [--bremsstrahlung FACTOR] [--swap]: the particle paths of a tab
// as the program shows them once the time step has settled, as CSV.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli_common.h"
#include "command_registry.h"
#include "model/number_format.h"
#include "particle/trajectory.h"

namespace voltaris::cli {
namespace {

constexpr const char* Usage = "FILE TAB [--bremsstrahlung FACTOR] [--swap]";
// The frame loop builds again while the time step is being cut; a few passes settle it.
constexpr int MaxPasses = 50;

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
        return 1;
    }
    Project project;
    if (!LoadProjectArgument(args[0], project) || !ShowTabArgument(project, args[1])) return 1;
    TrajectoryInputs in;
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--bremsstrahlung") {
            double factor = 0;
            if (i + 1 == args.size()) {
                std::fprintf(stderr, "voltaris-cli: --bremsstrahlung needs a FACTOR\n");
                return 1;
            }
            if (!ParseFactor(args[++i], factor)) {
                std::fprintf(stderr, "voltaris-cli: '%s' is not a finite factor\n", args[i].c_str());
                return 1;
            }
            in.switches.BremsstrahlungEnabled = true;
            in.switches.BremsstrahlungFactor = factor;
        } else if (!ApplySwapOption(project, args[i])) {
            return 1;
        }
    }
    in.switches.ParticleEnabled = true;
    auto store = std::make_unique<PathStore>();
    int32_t phase = 0;
    for (int pass = 0; pass < MaxPasses; ++pass) {
        in.field = SnapshotOfActiveTab(project);
        in.ParticleCount = project.Active().ParticleCount;
        in.slots = project.Active().particles;
        if (!ApplyTrajectoryResult(BuildParticleTrajectory(in, *store), project, phase)) break;
    }
    std::printf("slot,index,t,speed,angle,gx,potential,gz\n");
    store->Read([&](const PathSet& paths) {
        for (int s = 0; s < in.ParticleCount && s < MaxParticleSlots; ++s) {
            const PathSlot& p = paths.slots[s];
            for (int i = 0; i < p.PathFloatCount / 3; ++i) {
                std::printf("%d,%d,%s,%s,%s,%s,%s,%s\n", s, i, Format17g(p.PathTime[i]).c_str(),
                            Format17g(p.PathSpeed[i]).c_str(), Format17g(p.PathAngle[i]).c_str(),
                            Format17g(p.PathPoints[3 * i]).c_str(), Format17g(p.PathPoints[3 * i + 1]).c_str(),
                            Format17g(p.PathPoints[3 * i + 2]).c_str());
            }
        }
    });
    std::printf("# dt: %s\n", Format17g(project.Active().particles[0].dt).c_str());
    return 0;
}

const RegisterCommand registration({"path", Usage, &Run});

}  // namespace
}  // namespace voltaris::cli
