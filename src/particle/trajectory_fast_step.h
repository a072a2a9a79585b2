// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ParticleStep for many steps of one build. The particle carries its velocity as components
// instead of speed and angle: the speed times the cosine and sine of the angle that the
// step's arctangent finds is the velocity itself, up to rounding, without the three
// trigonometric calls per step. Speed and angle are worked out only where they are stored or
// handed back. Stops, field and spacing decisions are
// those of the plain step; speed and direction agree with it up to rounding in the last
// place of a double.
#include <cmath>

#include "particle/amplification_suggestion.h"
#include "particle/particle_step.h"
#include "particle/quiet_steps.h"
#include "particle/trajectory_field.h"

namespace voltaris {

class FastStepper {
public:
    FastStepper(const TrajectoryField& field, float unitLength) : field_(field), unitLength_(unitLength) {}

    void Start(const ParticleSlot& slot, double q) {
        v_ = slot.speed;
        startAngle_ = slot.angle;
        stepped_ = false;
        x = slot.x;
        y = slot.y;
        // The first step turns a negative angle into 0 .. 2π before taking its cosine and sine.
        const double alpha = startAngle_ < 0 ? startAngle_ + particle_step::TwoPi : startAngle_;
        vx_ = std::cos(alpha) * v_;
        vy_ = std::sin(alpha) * v_;
        chargePerMass_ = q / slot.mass;
        radiated_ = 0;
    }

    bool Step(double q, double m, double dt, bool radiation, double factor, double& suggested) {
        if (std::fabs(x) > particle_step::RegionLimit || std::fabs(y) > particle_step::RegionLimit) return Stop();
        float ex, ey;
        if (field_.TouchesOrField(x, y, ex, ey)) return Stop();
        double vx, vy;
        if (ex != 0) {
            // cos φ · Δv = (ex / |E|) · (q / m) |E| dt
            const double k = chargePerMass_ * dt;
            vx = vx_ + ex * k;
            vy = vy_ + ey * k;
        } else {
            // FieldAt's direction is then ±π/2 (-π/2 taken as 3π/2), whose cosine is not quite 0.
            const double dv = chargePerMass_ * std::fabs(static_cast<double>(ey)) * dt;
            vx = vx_ + (ey > 0 ? CosUp() : CosDown()) * dv;
            vy = vy_ + (ey > 0 ? 1.0 : SinDown()) * dv;
        }
        const double speed = std::sqrt(vx * vx + vy * vy);
        // The direction of motion; when vx is 0 the step's arctangent divides by ZeroVxDivisor,
        // and the direction is not quite vertical.
        double ux = 0, uy = 0;
        if (vx == 0) {
            const double theta = DirectionOf(vx, vy);
            ux = std::cos(theta);
            uy = std::sin(theta);
        }
        double moveX = vx == 0 ? ux * speed : vx, moveY = vx == 0 ? uy * speed : vy;
        lastVx_ = vx;
        lastVy_ = vy;
        stepped_ = true;
        v_ = speed;

        if (radiation) {
            const double a = chargePerMass_ * std::sqrt(static_cast<double>(ex) * ex + static_cast<double>(ey) * ey);
            const double w = v_ * v_ - std::fabs(2 * RadiatedEnergy(a, q, dt) / m) * factor;
            v_ = w < 0 ? 0 : std::sqrt(w);  // at rest, but still pulled by the field next step
            radiated_ += 0.5 * m * (speed * speed - v_ * v_);  // J
            if (vx != 0) {
                ux = vx / speed;
                uy = vy / speed;
            }
            moveX = ux * v_;
            moveY = uy * v_;
        } else {
            const float gx = x / unitLength_, gy = y / unitLength_;
            if (gx > 0 && gx < 10 && gy > 0 && gy < 10) Suggest({true, ex, ey, vx, vy, chargePerMass_, q, m, dt}, suggested);
        }
        x = static_cast<float>(x + moveX * dt);
        y = static_cast<float>(y + moveY * dt);
        vx_ = moveX;
        vy_ = moveY;
        return true;
    }

    // Makes the following steps that store nothing in one run, where the processor allows;
    // see MakeQuietSteps. True when step j, made, is to be stored; false when step j is to
    // be made by Step.
    bool QuietSteps(double q, double m, double dt, bool radiation, double& suggested, int64_t& j, int64_t limit,
                    float& t, float lastX, float lastY) {
        if (radiation || v_ == particle_step::Stopped) return false;
        QuietRun run;
        run.chargePerMass = chargePerMass_;
        run.q = q;
        run.m = m;
        run.dt = dt;
        run.unitLength = unitLength_;
        run.lastStoredGx = lastX / unitLength_;
        run.lastStoredGy = lastY / unitLength_;
        run.limit = limit;
        run.x = x;
        run.y = y;
        run.t = t;
        run.vx = vx_;
        run.vy = vy_;
        run.step = j;
        run.suggested = suggested;
        run.pending = pending_;
        const bool toStore = MakeQuietSteps(field_, run);
        if (run.stepsMade) {
            x = run.x;
            y = run.y;
            t = run.t;
            vx_ = lastVx_ = run.vx;
            vy_ = lastVy_ = run.vy;
            v_ = std::sqrt(run.vx * run.vx + run.vy * run.vy);
            stepped_ = true;
            j = run.step;
            suggested = run.suggested;
            pending_ = run.pending;
        }
        return toStore;
    }

    // The suggestion's last step with radiation worked out, if it is still pending.
    void Settle(double& suggested) {
        if (pending_.active) suggested = suggestion::FactorOf(pending_);
        pending_.active = false;
    }

    double Speed() const { return v_; }
    double Radiated() const { return radiated_; }
    // The direction of the last step's velocity as the plain step finds it; before any step
    // the slot's own angle.
    double Angle() const { return stepped_ ? DirectionOf(lastVx_, lastVy_) : startAngle_; }
    double Potential(float px, float py) const { return field_.Potential(px, py); }

    float x = 0, y = 0;

private:
    // One step inside the square without radiation.
    void Suggest(const PendingSuggestion& step, double& suggested) {
        if (!pending_.active && !(suggested > particle_step::SuggestionCountLimit)) {
            suggested += 1;
            return;
        }
        if (suggestion::SurelyAboveSeventy(step)) {
            pending_ = step;
            return;
        }
        Settle(suggested);
        const double a = suggestion::Acceleration(step);
        if (RadiatedEnergy(a, step.q, step.dt) != 0) {
            suggested = suggestion::FactorOf(a, suggestion::Speed(step), step.q, step.m, step.dt);
        } else {
            suggested += 1;
        }
    }

    bool Stop() {
        v_ = particle_step::Stopped;
        return false;
    }

    static double DirectionOf(double vx, double vy) {
        double theta = std::atan(vy / (vx == 0 ? particle_step::ZeroVxDivisor : vx));
        if (vy < 0 && vx < 0) {
            theta += Pi;
        } else if (vy < 0) {
            theta += particle_step::TwoPi;
        } else if (vx < 0) {
            theta = Pi - std::fabs(theta);
        }
        if (theta < 0) theta += particle_step::TwoPi;
        return theta;
    }
    static double CosUp() {
        static const double value = std::cos(Pi / 2);
        return value;
    }
    static double CosDown() {
        static const double value = std::cos(-Pi / 2 + particle_step::TwoPi);
        return value;
    }
    static double SinDown() {
        static const double value = std::sin(-Pi / 2 + particle_step::TwoPi);
        return value;
    }

    const TrajectoryField& field_;
    float unitLength_;
    double v_ = 0;             // the speed after the last step (after radiation), -1 once stopped
    double vx_ = 0, vy_ = 0;   // the velocity the next step starts from
    double startAngle_ = 0, lastVx_ = 0, lastVy_ = 0;
    double chargePerMass_ = 0;
    double radiated_ = 0;      // J taken by the radiation since Start
    bool stepped_ = false;
    PendingSuggestion pending_;
};

}  // namespace voltaris
