#include "Exercise.h"

#include "SpeedToFly.h"
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

bool windFitsTask(const Wing &wing, const ExerciseWind &wind, TaskView view)
{
    const float windH = static_cast<float>(wind.windH);
    const float windV = WindVFromTenths(wind.windVTenths);
    float best = 0;
    BestGlide(wing, best, windH, windV);
    const double groundH = static_cast<double>(best) + windH;
    const double groundV = static_cast<double>(wing.sink(best)) + windV;
    if (!(groundH > 0.0 && groundV <= -0.5) || best <= wing.minSpeed || best >= wing.maxSpeed) {
        return false;
    }
    if (view == TaskView::FittedDiagram) {
        return true;
    }
    // The fixed diagram, 2 km/h and 0,2 m/s inside its edges, for the touch point; the
    // bar at trim and at best glide; the brake band and its labels, 4,0 m/s under the
    // air origin at the most.
    const double trimH = static_cast<double>(wing.trimSpeed) + windH;
    return std::fabs(groundH) <= 58.0 && std::fabs(groundV) <= 4.8 && std::fabs(trimH) <= 58.0 &&
           windV - 4.0 >= -5.0 - 1e-9;
}

bool anyWindFitsTask(const Wing &wing, TaskView view)
{
    for (int h = -30; h <= 30; ++h) {
        for (int v = -20; v <= 10; ++v) {
            if (windFitsTask(wing, {h, v}, view)) {
                return true;
            }
        }
    }
    return false;
}

std::optional<ExerciseWind> WindDraw::next(const Wing &wing, TaskView view)
{
    for (int tries = 1;; ++tries) {
        const ExerciseWind wind{between(m_rng, -30, 30), between(m_rng, -20, 10)};
        if (windFitsTask(wing, wind, view)) {
            return wind;
        }
        // So many misses among 1,891 winds: look whether any fits at all.
        if (tries % 20000 == 0 && !anyWindFitsTask(wing, view)) {
            return std::nullopt;
        }
    }
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

std::optional<ReachTask> WindDraw::nextReach(const Wing &wing, TaskView view)
{
    for (int tries = 0; tries < 10000; ++tries) {
        const std::optional<ExerciseWind> wind = next(wing, view);
        if (!wind) {
            return std::nullopt;
        }
        const float windH = static_cast<float>(wind->windH);
        const float windV = WindVFromTenths(wind->windVTenths);
        float best = 0;
        // A task's wind descends at best glide: the ratio is positive and finite.
        const double ratio = BestGlide(wing, best, windH, windV);
        const bool reaches = between(m_rng, 0, 1) == 1;
        ReachQuestion q;
        q.marginM = 50.0 * between(m_rng, 0, 4);
        q.heightM = 50.0 * between(m_rng, 6, 30);
        // The field needs this share of the best ratio: less than all of it where the
        // field is reached, more where it is not.
        const double share = between(m_rng, reaches ? 60 : 110, reaches ? 92 : 150) / 100.0;
        q.distanceKm = std::round(share * ratio * (q.heightM - q.marginM) / 100.0) / 10.0;
        if (q.heightM < q.marginM + 100.0 || q.distanceKm < kReachShortestKm ||
            q.distanceKm > kReachFarthestKm) {
            continue;
        }
        const Reach r = ReachField(wing, q, windH, windV);
        if (r.reaches == reaches && std::fabs(r.arrivalM - q.marginM) > reachReadingTolerance(q)) {
            return ReachTask{*wind, q};
        }
    }
    return std::nullopt;
}

int reachPercent(bool answerRight, float learnerH, float learnerV, float bestH, float bestV)
{
    const int airspeed = achievedPercent(learnerH, learnerV, bestH, bestV);
    return (answerRight ? 50 : 0) + static_cast<int>(std::lround(airspeed / 2.0));
}

std::optional<ClimbTask> WindDraw::nextClimb(const Wing &wing, bool drifting, TaskView view)
{
    for (int tries = 0; tries < 10000; ++tries) {
        const std::optional<ExerciseWind> wind = next(wing, view);
        if (!wind) {
            return std::nullopt;
        }
        const int climb = between(m_rng, 5, 30);
        const float windH = static_cast<float>(wind->windH);
        const float windV = WindVFromTenths(wind->windVTenths);
        const SpeedToFly s = SpeedToFlyFor(wing, climb / 10.0, windH, windV, drifting);
        const double touchH = static_cast<double>(s.airspeed) + windH;
        const double touchV = static_cast<double>(wing.sink(s.airspeed)) + windV;
        if (s.hasAverage && !s.atMin && !s.atMax && s.averageKmh >= 2.0 &&
            std::fabs(touchH) <= 58.0 && std::fabs(touchV) <= 4.8 &&
            std::fabs(s.originKmh) <= 58.0) {
            return ClimbTask{*wind, climb};
        }
    }
    return std::nullopt;
}

int climbPercent(double learnerAverage, double bestAverage)
{
    if (!(learnerAverage > 0.0) || !(bestAverage > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::lround(100.0 * learnerAverage / bestAverage));
}
