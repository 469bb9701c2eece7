#include "Reach.h"

#include "Wing.h"
#include "modCalc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Height kept over the margin, in m of height per m/s of ground speed, at airspeed v: the
// height the glide has to spare, times the forward ground speed. Its sign is that of
// A(v) − margin where there is headway, and it is concave in v (the polar bulges upward),
// so the airspeeds that reach form one interval between its roots.
double spare(const Wing &wing, const ReachQuestion &q, double v, float windH, float windV)
{
    const double ground = (v + windH) / 3.6; // m/s, forward
    const double vertical = static_cast<double>(wing.sink(static_cast<float>(v))) + windV;
    return (q.heightM - q.marginM) * ground + vertical * 1000.0 * q.distanceKm;
}

// The root of spare between a and b, where it changes sign, to well below 0.01 km/h.
double root(const Wing &wing, const ReachQuestion &q, double a, double b, float windH, float windV)
{
    const bool aReaches = spare(wing, q, a, windH, windV) >= 0.0;
    for (int i = 0; i < 40; ++i) {
        const double m = 0.5 * (a + b);
        if ((spare(wing, q, m, windH, windV) >= 0.0) == aReaches) {
            a = m;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

} // namespace

double reachReadingTolerance(const ReachQuestion &q)
{
    return std::max(20.0, 0.05 * (q.heightM - q.marginM));
}

double ArrivalHeight(const Wing &wing, const ReachQuestion &q, float airspeed, float windH,
                     float windV)
{
    const double ground = static_cast<double>(airspeed) + windH; // km/h
    if (!(ground > 0.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double vertical = static_cast<double>(wing.sink(airspeed)) + windV; // m/s
    return q.heightM + vertical * 3600.0 * q.distanceKm / ground;
}

Reach ReachField(const Wing &wing, const ReachQuestion &q, float windH, float windV)
{
    Reach r;
    const double toLose = q.heightM - q.marginM;
    r.requiredRatio =
        toLose > 0.0 ? 1000.0 * q.distanceKm / toLose : std::numeric_limits<double>::infinity();
    const double lowest = wing.minSpeed;
    const double highest = wing.maxSpeed;
    r.headway = highest + windH > 0.0;
    if (!r.headway) {
        return r;
    }

    float best = 0.0f;
    BestGlide(wing, best, windH, windV);
    const bool descends = static_cast<double>(wing.sink(best)) + windV < 0.0;
    if (descends && static_cast<double>(best) + windH > 0.0) {
        r.bestAirspeed = best;
    } else {
        // Climbing over the ground: the highest arrival is the steepest climb forward,
        // on the airspeeds that still make headway.
        double top = -std::numeric_limits<double>::infinity();
        for (int tenths = static_cast<int>(std::ceil(lowest * 10.0 - 1e-9));
             tenths <= static_cast<int>(std::floor(highest * 10.0 + 1e-9)); ++tenths) {
            const float v = static_cast<float>(tenths / 10.0);
            const double a = ArrivalHeight(wing, q, v, windH, windV);
            if (a > top) {
                top = a;
                r.bestAirspeed = v;
            }
        }
    }
    r.arrivalM = ArrivalHeight(wing, q, r.bestAirspeed, windH, windV);
    r.minutes = 60.0 * q.distanceKm / (static_cast<double>(r.bestAirspeed) + windH);
    r.reaches = r.arrivalM >= q.marginM;
    if (!r.reaches) {
        return r;
    }

    // From the highest arrival outward to where the margin is lost, or to MIN and MAX.
    const double inside = r.bestAirspeed;
    // Where a headwind stops the slow airspeeds, the band can start no lower than the
    // first tenth that moves forward.
    const double slowest = std::max(lowest, -static_cast<double>(windH));
    double low = slowest > lowest ? std::floor(slowest * 10.0) / 10.0 + 0.1 : lowest;
    if (spare(wing, q, slowest, windH, windV) < 0.0) {
        low = root(wing, q, slowest, inside, windH, windV);
    }
    double high = highest;
    if (spare(wing, q, highest, windH, windV) < 0.0) {
        high = root(wing, q, inside, highest, windH, windV);
    }
    // On the 0.1 grid, inward: every airspeed of the band reaches.
    r.bandLow = static_cast<float>(std::min(std::ceil(low * 10.0 - 1e-6) / 10.0, inside));
    r.bandHigh = static_cast<float>(std::max(std::floor(high * 10.0 + 1e-6) / 10.0, inside));
    return r;
}
