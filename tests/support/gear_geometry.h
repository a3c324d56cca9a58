#pragma once
// Helical gear geometry run forward, independently of the solver: from a pair's own
// design values to what a workshop would measure on it.

#include <cmath>
#include <numbers>

#include "span_solver.h"

namespace gear_geometry {

struct HelicalPair {
    double z1, z2;    // tooth counts
    double m;         // normal module
    double alphaDeg;  // normal pressure angle
    double betaDeg;   // helix angle
    double x1, x2;    // normal profile-shift coefficients
    double k1, k2;    // teeth spanned
};

inline double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

inline double involute(double angle) { return std::tan(angle) - angle; }

/// The angle whose involute is `inv`, by Newton iteration to full precision.
inline double inverseInvolute(double inv) {
    double angle = std::cbrt(3.0 * inv);
    for (int i = 0; i < 100; ++i) {
        const double step = (involute(angle) - inv) / std::pow(std::tan(angle), 2);
        angle -= step;
        if (std::fabs(step) < 1e-17) break;
    }
    return angle;
}

/// Transverse pressure angle of the pair, radians.
inline double transversePressureAngle(const HelicalPair& g) {
    return std::atan(std::tan(radians(g.alphaDeg)) / std::cos(radians(g.betaDeg)));
}

/// Base tangent length over k teeth of a gear with z teeth and profile shift x.
inline double spanMeasurement(const HelicalPair& g, double z, double k, double x) {
    const double alpha = radians(g.alphaDeg);
    return g.m * std::cos(alpha) * ((k - 0.5) * std::numbers::pi + z * involute(transversePressureAngle(g))) +
           2.0 * x * g.m * std::sin(alpha);
}

/// Operating centre distance of the pair meshing without backlash.
inline double centreDistance(const HelicalPair& g) {
    const double alphaT = transversePressureAngle(g);
    const double zsum = g.z1 + g.z2;
    const double invWorking = involute(alphaT) + 2.0 * std::tan(radians(g.alphaDeg)) * (g.x1 + g.x2) / zsum;
    const double alphaWorking = inverseInvolute(invWorking);
    return zsum * g.m / (2.0 * std::cos(radians(g.betaDeg))) * std::cos(alphaT) / std::cos(alphaWorking);
}

/// What the workshop measures: the span lengths read on worn gears (the allowance
/// taken off) and the centre distance.
inline marvolen::MeasurementSet measure(const HelicalPair& g, double d1 = 0.0, double d2 = 0.0) {
    return {g.z1,
            g.z2,
            g.m,
            g.alphaDeg,
            g.k1,
            g.k2,
            spanMeasurement(g, g.z1, g.k1, g.x1) - d1,
            spanMeasurement(g, g.z2, g.k2, g.x2) - d2,
            d1,
            d2,
            centreDistance(g)};
}

}  // namespace gear_geometry
