#pragma once
// ParticleStep for many steps of one build. The particle carries its velocity as speed and
// unit direction (cos α, sin α) instead of speed and angle: the new direction is the new
// velocity divided by its length, which is what the angle's arctangent and the following
// cosine and sine give, without the three trigonometric calls per step. The angle itself is
// worked out only where it is stored or handed back. Stops, field and spacing decisions are
// those of the plain step; speed and direction agree with it up to rounding in the last
// place of a double.
#include <cmath>

#include "particle/bremsstrahlung.h"
#include "particle/particle_step.h"
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
        ux_ = std::cos(alpha);
        uy_ = std::sin(alpha);
        chargePerMass_ = q / slot.mass;
    }

    bool Step(double q, double m, double dt, bool radiation, double factor, double& suggested) {
        if (std::fabs(x) > 100 || std::fabs(y) > 100) return Stop();  // metres, whatever the square's size
        float ex, ey;
        if (field_.TouchesOrField(x, y, ex, ey)) return Stop();
        double vx, vy;
        if (ex != 0) {
            // cos φ · Δv = (ex / |E|) · (q / m) |E| dt
            const double k = chargePerMass_ * dt;
            vx = ux_ * v_ + ex * k;
            vy = uy_ * v_ + ey * k;
        } else {
            // FieldAt's direction is then ±π/2 (-π/2 taken as 3π/2), whose cosine is not quite 0.
            const double dv = chargePerMass_ * std::fabs(static_cast<double>(ey)) * dt;
            vx = ux_ * v_ + (ey > 0 ? CosUp() : CosDown()) * dv;
            vy = uy_ * v_ + (ey > 0 ? 1.0 : SinDown()) * dv;
        }
        const double speed = std::sqrt(vx * vx + vy * vy);
        double moveX = vx, moveY = vy;
        if (vx == 0) {
            // The step's arctangent divides by 0.01 instead of 0: the direction is not quite vertical.
            const double theta = DirectionOf(vx, vy);
            ux_ = std::cos(theta);
            uy_ = std::sin(theta);
            moveX = ux_ * speed;
            moveY = uy_ * speed;
        } else {
            const double inverse = 1 / speed;
            ux_ = vx * inverse;
            uy_ = vy * inverse;
        }
        lastVx_ = vx;
        lastVy_ = vy;
        stepped_ = true;
        v_ = speed;

        const double strength = std::sqrt(static_cast<double>(ex) * ex + static_cast<double>(ey) * ey);
        const double a = chargePerMass_ * strength;
        if (radiation) {
            const double w = v_ * v_ - std::fabs(2 * RadiatedEnergy(a, q, dt) / m) * factor;
            v_ = w < 0 ? 0 : std::sqrt(w);  // at rest, but still pulled by the field next step
            moveX = ux_ * v_;
            moveY = uy_ * v_;
        } else {
            const float gx = x / unitLength_, gy = y / unitLength_;
            if (gx > 0 && gx < 10 && gy > 0 && gy < 10) Suggest(a, q, m, dt, suggested);
        }
        x = static_cast<float>(x + moveX * dt);
        y = static_cast<float>(y + moveY * dt);
        return true;
    }

    // The suggestion's last step with radiation worked out, if it is still pending.
    void Settle(double& suggested) {
        if (pending_) suggested = Suggestion(pendingA_, pendingV_, pendingQ_, pendingM_, pendingDt_);
        pending_ = false;
    }

    double Speed() const { return v_; }
    // The direction of the last step's velocity as the plain step finds it; before any step
    // the slot's own angle.
    double Angle() const { return stepped_ ? DirectionOf(lastVx_, lastVy_) : startAngle_; }
    double Potential(float px, float py) const { return field_.Potential(px, py); }

    float x = 0, y = 0;

private:
    // The factor that would make this one step remove a millionth of the speed.
    static double Suggestion(double a, double v, double q, double m, double dt) {
        return (v * v - (0.999999 * v) * (0.999999 * v)) / (2 * RadiatedEnergy(a, q, dt) / m);
    }

    // One step inside the square without radiation: above 70 the suggestion becomes this
    // step's factor, else it counts up. Only the last factor counts, so a step whose factor
    // is surely above 70 (the usual case) is kept pending instead of being worked out in
    // extended precision.
    void Suggest(double a, double q, double m, double dt, double& suggested) {
        if (!pending_ && !(suggested > 70)) {
            suggested += 1;
            return;
        }
        const double loss = 0.999999 * v_;
        const double numerator = v_ * v_ - loss * loss;
        const double radiated = RadiatedEnergyConstant * a * a * q * q * dt;  // within 1e-14 of RadiatedEnergy
        if (m > 0 && radiated > 1e-280 && radiated < 1e280 && numerator < 1e300 &&
            numerator > 70 * (1 + 1e-9) * (2 * radiated / m)) {
            pending_ = true;
            pendingA_ = a;
            pendingV_ = v_;
            pendingQ_ = q;
            pendingM_ = m;
            pendingDt_ = dt;
            return;
        }
        Settle(suggested);
        if (RadiatedEnergy(a, q, dt) != 0) {
            suggested = Suggestion(a, v_, q, m, dt);
        } else {
            suggested += 1;
        }
    }
    static constexpr double RadiatedEnergyConstant =
        2.0 / (3.0 * SpeedOfLight * SpeedOfLight * SpeedOfLight) * CoulombConstant;

    bool Stop() {
        v_ = particle_step::Stopped;
        return false;
    }

    static double DirectionOf(double vx, double vy) {
        double theta = std::atan(vy / (vx == 0 ? 0.01 : vx));
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
    double v_ = 0, ux_ = 1, uy_ = 0;
    double startAngle_ = 0, lastVx_ = 0, lastVy_ = 0;
    double chargePerMass_ = 0;
    bool stepped_ = false;
    // A suggestion surely above 70 that is not yet worked out.
    bool pending_ = false;
    double pendingA_ = 0, pendingV_ = 0, pendingQ_ = 0, pendingM_ = 0, pendingDt_ = 0;
};

}  // namespace voltaris
