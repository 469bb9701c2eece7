#pragma once

// The flight model: the speed polar of a paraglider and the search for the airspeed of
// best glide over the ground. The polar is always passed in; no state, no Qt.

struct Wing;

// Vertical speed through the air at airspeed v (km/h) on the wing's polar, m/s,
// positive upward (so negative everywhere on the glider's range: it sinks).
float Polar(const Wing &wing, const float &v);

// Walks down the wing's polar from its fast end in 0.5 km/h steps and stops where the
// path over the ground stops getting flatter (or, in strong lift, steeper in climb).
// Writes that airspeed (km/h: for the built-in polar on the 0.5 grid within 18..50, for
// a wing the grid from its MAX down, within its range) into bestAirspeed and returns the
// glide ratio over the ground there: horizontal ground speed (m/s, signed) over the
// magnitude of the vertical ground speed (m/s). Where the vertical ground speed is
// exactly zero the ratio is +infinity; nothing is divided by zero.
// windH: km/h, positive tailwind. windV: m/s, positive updraft.
float BestGlide(const Wing &wing, float &bestAirspeed, const float &windH, const float &windV);

// What the diagram shows for a state, computed before anything is drawn: the airspeed
// (moved to best glide unless the brakes are free), the ground-speed vector and its
// angle as drawn.
struct Flight
{
    float airspeed = 0.0f;     // km/h
    float groundSpeedH = 0.0f; // km/h, positive forward
    float groundSpeedV = 0.0f; // m/s, positive upward
    float glideAngle = 0.0f;   // radians, in the diagram's units (10 per km/h, 100 per m/s)
};
Flight FlightFor(const Wing &wing, float airspeed, bool freeBrakes, const float &windH,
                 const float &windV);

// The vertical wind (m/s, positive updraft) that the vertical wind bar stands for:
// its value counts tenths of m/s with the minimum (strongest updraft) at the top.
float WindVFromBarValue(int barValue);

// The same vertical wind counted in tenths of m/s with the updraft positive, as the
// tools take it on their command lines.
float WindVFromTenths(int tenths);

// The bar's value that stands for a vertical wind (m/s, positive updraft): the nearest
// tenth, counted with the updraft negative.
int BarValueFromWindV(float windV);
