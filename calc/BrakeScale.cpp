#include "BrakeScale.h"

#include "Wing.h"

#include <algorithm>
#include <cmath>

namespace BrakeScale {

namespace {

// Rounds to the nearest whole number, an exact half to the even one.
int roundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

Setting settingFor(const Wing &wing, float airspeed)
{
    const double v = airspeed;
    const float fullBrake = wing.minSpeed;
    const float trim = wing.trimSpeed;
    const float fullAccelerator = wing.maxSpeed;
    Setting s;
    if (v <= trim) {
        s.brakePercent = static_cast<int>(std::lround((trim - v) / (trim - fullBrake) * 100.0));
    } else {
        s.acceleratorPercent =
            static_cast<int>(std::lround((v - trim) / (fullAccelerator - trim) * 100.0));
    }
    return s;
}

// Multiplied before divided: with the built-in polar's whole-number speeds every step is
// exact, so the mapping is the identity to the last bit.
double scalePosition(const Wing &wing, float airspeed)
{
    const double v = airspeed;
    const double trim = wing.trimSpeed;
    if (v <= trim) {
        const double lo = wing.minSpeed;
        return kFullBrake + (v - lo) * (kTrim - kFullBrake) / (trim - lo);
    }
    const double hi = wing.maxSpeed;
    return kTrim + (v - trim) * (kFullAccelerator - kTrim) / (hi - trim);
}

double airspeedAtScale(const Wing &wing, double position)
{
    const double trim = wing.trimSpeed;
    if (position <= kTrim) {
        const double lo = wing.minSpeed;
        return lo + (position - kFullBrake) * (trim - lo) / (kTrim - kFullBrake);
    }
    const double hi = wing.maxSpeed;
    return trim + (position - kTrim) * (hi - trim) / (kFullAccelerator - kTrim);
}

Rgb boxColor(int v)
{
    if (v <= 38) { // brake range: red towards green
        return {roundHalfEven((38.0 - v) / 20.0 * 255.0), roundHalfEven((v - 18.0) / 20.0 * 255.0),
                0};
    }
    // accelerator range: blue towards yellow
    const int rg = roundHalfEven((v - 38.0) / 12.0 * 255.0);
    return {rg, rg, roundHalfEven((50.0 - v) / 12.0 * 255.0)};
}

Rgb scaleBoxColor(int v)
{
    return v <= 19 ? Rgb{255, 0, 0} : boxColor(std::min(v, 50));
}

Rgb colorFor(const Wing &wing, float airspeed)
{
    return scaleBoxColor(
        std::clamp(static_cast<int>(std::ceil(scalePosition(wing, airspeed))), 19, 50));
}

} // namespace BrakeScale
