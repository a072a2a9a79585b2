// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/trajectory.h"

#include <cmath>

#include "particle/trajectory_build.h"
#include "particle/trajectory_fast_step.h"
#include "particle/trajectory_field.h"

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
    double Field(float x, float y, double& angle) const { return FieldAt(field, x, y, angle); }
    double Potential(float x, float y) const { return PotentialAt(field, x, y); }
};

// particle_step::Step with speed and angle, one plain kernel call after another.
struct PlainStepper {
    const PlainEvaluator& field;
    double v = 0, alpha = 0;
    float x = 0, y = 0;
    double radiated = 0;  // J

    void Start(const ParticleSlot& slot, double) {
        v = slot.speed;
        alpha = slot.angle;
        x = slot.x;
        y = slot.y;
        radiated = 0;
    }
    bool Step(double q, double m, double dt, bool radiation, double factor, double& suggested) {
        particle_step::Step(field, v, alpha, q, m, dt, x, y, radiation, factor, suggested, &radiated);
        return v != particle_step::Stopped;
    }
    double Speed() const { return v; }
    double Radiated() const { return radiated; }
    double Angle() const { return alpha; }
    double Potential(float px, float py) const { return field.Potential(px, py); }
    void Settle(double&) const {}
    bool QuietSteps(double, double, double, bool, double&, int64_t&, int64_t, float&, float, float) const {
        return false;
    }
};

}  // namespace

void ParticleStep(const FieldSnapshot& field, double& v, double& alpha, double q, double m, double dt, float& x,
                  float& y, bool radiation, double factor, double& suggested) {
    particle_step::Step(PlainEvaluator{field}, v, alpha, q, m, dt, x, y, radiation, factor, suggested);
}

TrajectoryResult BuildParticleTrajectory(const TrajectoryInputs& in, PathStore& store) {
    const TrajectoryField field(in.field);
    FastStepper stepper(field, in.field.unitLength);
    return trajectory_build::Build(stepper, in, store);
}

TrajectoryResult BuildParticleTrajectoryWithoutVectors(const TrajectoryInputs& in, PathStore& store) {
    const TrajectoryField field(in.field, TrajectoryField::Arithmetic::Scalar);
    FastStepper stepper(field, in.field.unitLength);
    return trajectory_build::Build(stepper, in, store);
}

TrajectoryResult BuildParticleTrajectoryReference(const TrajectoryInputs& in, PathStore& store) {
    const PlainEvaluator field{in.field};
    PlainStepper stepper{field};
    return trajectory_build::Build(stepper, in, store);
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
