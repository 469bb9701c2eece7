#include "Exercise.h"

#include "Wing.h"
#include "modCalc.h"

#include <cmath>

namespace {

// A whole number from lo to hi, the same on every platform (the standard distributions
// are not).
int between(std::mt19937_64 &rng, int lo, int hi)
{
    return lo + static_cast<int>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
}

} // namespace

ExerciseWind WindDraw::next(const Wing &wing)
{
    // A wing slow enough to find no forward descent in most of these winds still ends.
    for (int tries = 0; tries < 100000; ++tries) {
        ExerciseWind wind{between(m_rng, -30, 30), between(m_rng, -20, 10)};
        const float windH = static_cast<float>(wind.windH);
        const float windV = WindVFromTenths(wind.windVTenths);
        float airspeed = 0;
        BestGlide(wing, airspeed, windH, windV);
        if (airspeed + windH > 0.0f && wing.sink(airspeed) + windV < 0.0f) {
            return wind;
        }
    }
    return {};
}

int achievedPercent(float learnerH, float learnerV, float bestH, float bestV)
{
    if (!(learnerH > 0.0f && learnerV < 0.0f) || !(bestH > 0.0f && bestV < 0.0f)) {
        return 0;
    }
    const double learner = learnerH / 3.6 / learnerV;
    const double best = bestH / 3.6 / bestV;
    return static_cast<int>(std::lround(learner / best * 100.0));
}
