#include "SpeedToFly.h"

#include "Wing.h"
#include "modCalc.h"

#include <cmath>
#include <limits>

double AverageSpeed(const Wing &wing, double climb, float airspeed, float windH, float windV,
                    bool drifting)
{
    const double origin = drifting ? static_cast<double>(windH) : 0.0;
    const double gap = climb - (static_cast<double>(wing.sink(airspeed)) + windV); // m/s
    if (!(gap > 0.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return origin + (static_cast<double>(airspeed) + windH - origin) * climb / gap;
}

SpeedToFly SpeedToFlyFor(const Wing &wing, double climb, float windH, float windV, bool drifting)
{
    SpeedToFly s;
    s.originKmh = drifting ? static_cast<double>(windH) : 0.0;
    // Every airspeed of the range on a 0.1 km/h grid first: no assumption about the shape
    // of the average's curve away from its best.
    constexpr double kStep = 0.1;
    const int steps = static_cast<int>(std::floor((wing.maxSpeed - wing.minSpeed) / kStep + 1e-9));
    const auto airspeedAt = [&](int k) {
        return k == steps + 1 ? wing.maxSpeed : static_cast<float>(wing.minSpeed + k * kStep);
    };
    s.tangent = true;
    for (int k = 0; k <= steps + 1; ++k) {
        if (static_cast<double>(wing.sink(airspeedAt(k))) + windV >= climb) {
            s.tangent = false;
            break;
        }
    }
    if (!s.tangent || climb <= 0.0) {
        BestGlide(wing, s.airspeed, windH, windV);
        return s;
    }
    double best = -std::numeric_limits<double>::infinity();
    int at = 0;
    for (int k = 0; k <= steps + 1; ++k) {
        const double v = AverageSpeed(wing, climb, airspeedAt(k), windH, windV, drifting);
        if (v > best) {
            best = v;
            at = k;
        }
    }
    // Then narrowed between the grid's neighbours: where lift on the glide nearly matches
    // the climb, the average changes fast with the airspeed.
    double lo = airspeedAt(std::max(at - 1, 0));
    double hi = airspeedAt(std::min(at + 1, steps + 1));
    const auto average = [&](double v) {
        return AverageSpeed(wing, climb, static_cast<float>(v), windH, windV, drifting);
    };
    for (int i = 0; i < 60; ++i) {
        const double a = lo + (hi - lo) / 3.0;
        const double b = hi - (hi - lo) / 3.0;
        if (average(a) < average(b)) {
            lo = a;
        } else {
            hi = b;
        }
    }
    const float refined = static_cast<float>((lo + hi) / 2.0);
    if (average(refined) > best) {
        best = average(refined);
        s.airspeed = refined;
    } else {
        s.airspeed = airspeedAt(at);
    }
    s.hasAverage = true;
    s.averageKmh = best;
    s.atMin = s.airspeed <= wing.minSpeed + 0.05f;
    s.atMax = s.airspeed >= wing.maxSpeed - 0.05f;
    return s;
}
