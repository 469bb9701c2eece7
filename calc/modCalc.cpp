#include "modCalc.h"

#include "Wing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// π and the nudge exactly as the walk has always used them: the results sit on a
// 0.5 km/h grid, and only these values reproduce its decisions at the ties.
constexpr double kPi7 = 3.1415926;
constexpr float kNudge = 0.00001f;

// Angle of the path over the ground (radians from the horizontal, negative downward)
// for airspeed v. Moving backward over the ground (negative horizontal part) the
// arctangent would jump; subtracting π keeps the angle monotone along the walk.
float pathAngle(float v, float windH, float windV)
{
    const double horizontal = (static_cast<double>(v) + windH) / 3.6; // m/s
    const float vertical = Polar(v) + windV;                          // m/s, single as stored
    float angle = static_cast<float>(std::atan(vertical / horizontal));
    if (static_cast<double>(v) + windH < 0.0) {
        angle = static_cast<float>(angle - kPi7);
    }
    return angle;
}

std::optional<Wing> g_wing;

} // namespace

void SetActiveWing(const Wing *wing)
{
    g_wing.reset();
    if (wing != nullptr) {
        g_wing = *wing;
    }
}

const Wing *ActiveWing()
{
    return g_wing ? &*g_wing : nullptr;
}

float MinAirspeed()
{
    return g_wing ? g_wing->minSpeed : kMinAirspeed;
}

float TrimAirspeed()
{
    return g_wing ? g_wing->trimSpeed : 38.0f;
}

float MaxAirspeed()
{
    return g_wing ? g_wing->maxSpeed : kMaxAirspeed;
}

float Polar(const float &v)
{
    if (g_wing) {
        return g_wing->sink(v);
    }
    const double x = v;
    const double v3 = std::pow(x, 3);
    const double v4 = std::pow(x, 4);
    const double v2 = std::pow(x, 2);
    return static_cast<float>(0.0011469 * v3 + -7e-6 * v4 - 0.07322 * v2 + 2.0617961 * x -
                              22.37158);
}

float BestGlide(float &bestAirspeed, const float &windH, const float &windV)
{
    // The walk starts at the fastest airspeed and ends half a step under the slowest:
    // 50 and 17.99 for the built-in polar.
    float v = MaxAirspeed();
    const float stopAt = g_wing ? g_wing->minSpeed - 0.01f : 17.99f;
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
        const float a1 = pathAngle(faster, windH, windV);
        const float a2 = pathAngle(v, windH, windV);
        if (nudged) {
            v = static_cast<float>(static_cast<double>(v) - kNudge);
        }
        if (!(v > stopAt) || a1 >= a2) {
            break;
        }
    }

    bestAirspeed = static_cast<float>(static_cast<double>(v) + 0.5);
    // A wing's range need not be a whole number of steps: stay inside it.
    if (g_wing) {
        bestAirspeed = std::clamp(bestAirspeed, g_wing->minSpeed, g_wing->maxSpeed);
    }
    const double horizontal = (static_cast<double>(bestAirspeed) + windH) / 3.6;
    const float vertical = Polar(bestAirspeed) + windV;
    if (vertical == 0.0f) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(horizontal / std::fabs(static_cast<double>(vertical)));
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
