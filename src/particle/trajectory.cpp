#include "particle/trajectory.h"

#include <cmath>

#include "field/fast_field.h"
#include "particle/trajectory_build.h"

namespace voltaris {

namespace {

// The field through the plain kernels, one call at a time.
struct PlainEvaluator {
    const FieldSnapshot& field;
    float unitLength = field.unitLength;

    bool Touches(float x, float y) const {
        for (int i = 0; i < field.ChargeCount; ++i) {
            const double dx = static_cast<double>(x) - field.x[i], dy = static_cast<double>(y) - field.y[i];
            if (!(std::sqrt(dx * dx + dy * dy) > field.radius[i])) return true;
        }
        return false;
    }
    double Field(float x, float y, double& angle) const { return FieldAt(field, x, y, angle, 0, false); }
    double Potential(float x, float y) const { return PotentialAt(field, x, y); }
};

// The same results with per-charge constants worked out once and the field's direction
// found without trigonometry wherever that rounds alike.
struct FastEvaluator {
    FastEvaluator(const FieldSnapshot& f) : fast(f), count(f.ChargeCount), unitLength(f.unitLength) {
        for (int i = 0; i < count; ++i) {
            cx[i] = f.x[i];
            cy[i] = f.y[i];
            radius[i] = f.radius[i];
        }
    }
    bool Touches(float x, float y) const {
        bool touches = false;
        for (int i = 0; i < count; ++i) {  // no early exit: the loop vectorises
            const double dx = static_cast<double>(x) - cx[i], dy = static_cast<double>(y) - cy[i];
            touches |= !(std::sqrt(dx * dx + dy * dy) > radius[i]);
        }
        return touches;
    }
    double Field(float x, float y, double& angle) const { return fast.Field(x, y, angle); }
    double Potential(float x, float y) const { return fast.Potential(x, y); }

    FastField fast;
    int count;
    float unitLength;
    double cx[MaxChargesPerTab], cy[MaxChargesPerTab], radius[MaxChargesPerTab];
};

}  // namespace

void ParticleStep(const FieldSnapshot& field, double& v, double& alpha, double q, double m, double dt, float& x,
                  float& y, bool radiation, double factor, double& suggested) {
    particle_step::Step(PlainEvaluator{field}, v, alpha, q, m, dt, x, y, radiation, factor, suggested);
}

TrajectoryResult BuildParticleTrajectory(const TrajectoryInputs& in, PathStore& store) {
    return trajectory_build::Build(FastEvaluator(in.field), in, store);
}

TrajectoryResult BuildParticleTrajectoryReference(const TrajectoryInputs& in, PathStore& store) {
    return trajectory_build::Build(PlainEvaluator{in.field}, in, store);
}

bool ApplyTrajectoryResult(const TrajectoryResult& result, Project& project, int32_t& phaseCounter) {
    if (!result.built) return false;
    FieldTab& tab = project.Active();
    if (tab.ParticleCount > 0) {
        tab.particles[0].dt = result.slot0Dt;
        tab.particles[0].referenceSpeed = result.slot0ReferenceSpeed;
    }
    for (int p = 0; p < result.slotsWrittenBack && p < tab.ParticleCount; ++p) {
        ParticleSlot& slot = tab.particles[p];
        slot.speed = result.endState[p].speed;
        slot.angle = result.endState[p].angle;
        slot.x = result.endState[p].x;
        slot.y = result.endState[p].y;
    }
    phaseCounter += result.phaseSteps;
    return result.dtCut;
}

}  // namespace voltaris
