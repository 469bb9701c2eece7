#pragma once

// Whether a landing field is reached: the glide over the ground a pilot needs beside the
// glide the wing gives. No state, no Qt, no text.

struct Wing;

// Where the field is, seen from the glider.
struct ReachQuestion
{
    double distanceKm = 6.0; // horizontal distance to the field, km
    double heightM = 800.0;  // height above the field, m
    double marginM = 100.0;  // safety margin the pilot wants left over the field, m
};

// What the distances allow: a question the lesson and the tools accept.
constexpr double kReachShortestKm = 0.5;
constexpr double kReachFarthestKm = 30.0;
constexpr double kReachLowestM = 50.0;
constexpr double kReachHighestM = 3000.0;
constexpr double kReachLargestMarginM = 500.0;

struct Reach
{
    bool headway = false; // some airspeed from MIN to MAX moves forward over the ground
    bool reaches = false; // some airspeed arrives with the margin left
    // Glide ratio over the ground the field needs: distance over the height to lose, with
    // the margin kept; +infinity where the height does not exceed the margin.
    double requiredRatio = 0.0;
    // The airspeed that arrives highest (km/h) and its arrival height: signed metres above
    // the field, negative where the glide meets the ground first, above the start height
    // where the glider climbs on the way. Set only with headway.
    float bestAirspeed = 0.0f;
    double arrivalM = 0.0;
    double minutes = 0.0; // time to the field at bestAirspeed
    // The airspeeds that arrive with the margin, km/h on a 0.1 grid, inside MIN..MAX. Set
    // only where the field is reached.
    float bandLow = 0.0f;
    float bandHigh = 0.0f;
};

// How far an arrival height read off the diagram may be off, m: the larger of 20 m and a
// twentieth of the height to lose. A task never asks about an arrival this close to the
// margin.
double reachReadingTolerance(const ReachQuestion &q);

// Arrival height (m above the field, signed) at an airspeed (km/h) in a horizontal wind
// (km/h, positive tailwind) and vertical air (m/s, positive updraft); NaN without headway.
double ArrivalHeight(const Wing &wing, const ReachQuestion &q, float airspeed, float windH,
                     float windV);

// The answer for a wing and a wind. Where the glide descends the highest arrival is at the
// best glide over the ground, found by BestGlide's own walk.
Reach ReachField(const Wing &wing, const ReachQuestion &q, float windH, float windV);
