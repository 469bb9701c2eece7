#pragma once

// The speed to fly between thermals (MacCready): the airspeed that gives the highest
// average speed over the ground when each glide ends in a climb of the expected rate. In
// the diagram it is the tangent to the shifted polar laid from the expected climb on the
// vertical axis; where it crosses the speed axis it gives the average. No state, no Qt.

struct Wing;

// Expected climbs the lesson takes, m/s.
constexpr double kLowestClimb = 0.0;
constexpr double kStrongestClimb = 5.0;

struct SpeedToFly
{
    // False where the glide itself rises as fast as the expected climb somewhere (sink
    // plus vertical air at least the climb): no tangent; the airspeed is then best glide
    // over the ground and there is no average.
    bool tangent = false;
    float airspeed = 0.0f; // km/h, MIN..MAX
    // The average speed over the ground, km/h; none at a climb of 0 (best glide over the
    // ground, which has no average) or without a tangent.
    bool hasAverage = false;
    double averageKmh = 0.0;
    // The best lies at an end of the wing's range: the tangent would touch beyond it.
    bool atMin = false;
    bool atMax = false;
    double originKmh = 0.0; // x of the point the tangent is laid from: 0, or the wind
};

// The average speed over the ground (km/h) when gliding at airspeed (km/h) and climbing
// at climb (m/s) between glides: where the line from (origin, climb) through the shifted
// polar's point crosses the speed axis. origin is 0 when the lift stands over the ground
// and windH when the thermal drifts with the wind. NaN where the glide does not sink
// faster than the climb. windH km/h (positive tailwind), windV m/s (positive updraft).
double AverageSpeed(const Wing &wing, double climb, float airspeed, float windH, float windV,
                    bool drifting);

// The speed to fly for an expected climb (m/s, 0..5), in a horizontal wind and vertical
// air on the glide, with the lift standing over the ground or drifting with the wind.
SpeedToFly SpeedToFlyFor(const Wing &wing, double climb, float windH, float windV, bool drifting);
