#pragma once

#include <cstdint>
#include <random>

struct Wing;
// Exercises on best glide over the ground: random winds and the learner's score. No Qt.

struct ExerciseWind
{
    int windH = 0;       // km/h, negative is headwind
    int windVTenths = 0; // tenths of m/s, positive is updraft
};

// Random winds as the tour sets them: whole km/h from -30 to 30, tenths of m/s from -2.0
// to 1.0, drawn again until best glide over the ground (with the wing's polar) is a
// forward descent. The same seed gives the same winds, in the same order.
class WindDraw
{
public:
    explicit WindDraw(std::uint64_t seed) : m_rng(seed) {}
    ExerciseWind next(const Wing &wing);

private:
    std::mt19937_64 m_rng;
};

// The learner's glide ratio over the ground as a share of the best one, whole percent:
// both ratios as the read-out forms them (horizontal over vertical ground speed, signed);
// 0 when the learner's choice does not move forward and down. Ground speeds in km/h and
// m/s.
int achievedPercent(float learnerH, float learnerV, float bestH, float bestV);
