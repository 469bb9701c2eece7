#include "modCalc.h"

#include "Wing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// π and the nudge exactly as the walk has always used them: the results sit on a
// 0.5 km/h grid, and only these values reproduce its decisions at the ties.
constexpr double kPi7 = 3.1415926;
constexpr float kNudge = 0.00001f;

// Angle of the path over the ground (radians from the horizontal, negative downward)
// for airspeed v. Moving backward over the ground (negative horizontal part) the
// arctangent would jump; subtracting π keeps the angle monotone along the walk.
float pathAngle(const Wing &wing, float v, float windH, float windV)
{
    const double horizontal = (static_cast<double>(v) + windH) / 3.6; // m/s
    const float vertical = wing.sink(v) + windV;                      // m/s, single as stored
    float angle = static_cast<float>(std::atan(vertical / horizontal));
    if (static_cast<double>(v) + windH < 0.0) {
        angle = static_cast<float>(angle - kPi7);
    }
    return angle;
}

} // namespace

float Polar(const Wing &wing, const float &v)
{
    return wing.sink(v);
}

float BestGlide(const Wing &wing, float &bestAirspeed, const float &windH, const float &windV)
{
    // The walk starts at the fastest airspeed and ends half a step under the slowest:
    // 50 and 17.99 for the built-in polar.
    float v = wing.maxSpeed;
    const float stopAt = wing.builtIn ? 17.99f : wing.minSpeed - 0.01f;
    for (;;) {
        v = v - 0.5f;
        // A ground speed of exactly zero would divide by zero in the angle: move the
        // candidate a hair off it for the comparison only.
        bool nudged = false;
        if (static_cast<double>(v) + 0.5 + windH == 0.0 || static_cast<double>(v) + windH == 0.0) {
            v = static_cast<float>(static_cast<double>(v) + kNudge);
            nudged = true;
        }
        const float faster = static_cast<float>(static_cast<double>(v) + 0.5);
        const float a1 = pathAngle(wing, faster, windH, windV);
        const float a2 = pathAngle(wing, v, windH, windV);
        if (nudged) {
            v = static_cast<float>(static_cast<double>(v) - kNudge);
        }
        if (!(v > stopAt) || a1 >= a2) {
            break;
        }
    }

    bestAirspeed = static_cast<float>(static_cast<double>(v) + 0.5);
    // A wing's range need not be a whole number of steps: stay inside it.
    if (!wing.builtIn) {
        bestAirspeed = std::clamp(bestAirspeed, wing.minSpeed, wing.maxSpeed);
    }
    const double horizontal = (static_cast<double>(bestAirspeed) + windH) / 3.6;
    const float vertical = wing.sink(bestAirspeed) + windV;
    if (vertical == 0.0f) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(horizontal / std::fabs(static_cast<double>(vertical)));
}

Flight FlightFor(const Wing &wing, float airspeed, bool freeBrakes, const float &windH,
                 const float &windV)
{
    Flight f;
    f.airspeed = airspeed;
    if (!freeBrakes) {
        BestGlide(wing, f.airspeed, windH, windV);
    }
    f.groundSpeedH = f.airspeed + windH;
    f.groundSpeedV = wing.sink(f.airspeed) + windV;
    // The angle as drawn: 10 units per km/h across, 100 units per m/s up.
    f.glideAngle =
        f.groundSpeedH != 0.0f
            ? static_cast<float>(std::atan(static_cast<long double>(f.groundSpeedV) * 100.0L /
                                           (static_cast<long double>(f.groundSpeedH) * 10.0L)))
            : 0.0f;
    return f;
}

float WindVFromBarValue(int barValue)
{
    // Negate the integer first: a bar at 0 gives +0, not -0.
    return static_cast<float>(static_cast<double>(-barValue) / 10.0);
}

float WindVFromTenths(int tenths)
{
    return WindVFromBarValue(-tenths);
}

int BarValueFromWindV(float windV)
{
    return static_cast<int>(std::nearbyint(-10.0 * static_cast<double>(windV)));
}
