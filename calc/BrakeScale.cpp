#include "BrakeScale.h"

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

Setting settingFor(float airspeed)
{
    const double v = airspeed;
    Setting s;
    if (v <= kTrim) {
        s.brakePercent = static_cast<int>(std::lround((kTrim - v) / (kTrim - kFullBrake) * 100.0));
    } else {
        s.acceleratorPercent =
            static_cast<int>(std::lround((v - kTrim) / (kFullAccelerator - kTrim) * 100.0));
    }
    return s;
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

Rgb colorFor(float airspeed)
{
    const int box = std::clamp(static_cast<int>(std::ceil(static_cast<double>(airspeed))), 19, 50);
    return box == 19 ? Rgb{255, 0, 0} : boxColor(box);
}

} // namespace BrakeScale
