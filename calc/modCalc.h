#pragma once

// The flight model: the speed polar of one paraglider and the search for the
// airspeed of best glide over the ground. No state, no Qt.

struct Wing;

// Lowest and highest airspeed of the built-in polar, km/h.
constexpr float kMinAirspeed = 18.0f;
constexpr float kMaxAirspeed = 50.0f;

// The polar the model computes with: the built-in one, or a pilot's wing while one is
// set (a copy is kept; nullptr returns to the built-in polar). One program shows one
// wing at a time, so this is the model's one piece of state.
void SetActiveWing(const Wing *wing);
const Wing *ActiveWing();

// Slowest (full brake), trim and fastest (full accelerator) airspeed of the active
// polar, km/h: 18, 38 and 50 for the built-in one.
float MinAirspeed();
float TrimAirspeed();
float MaxAirspeed();

// Vertical speed through the air at airspeed v (km/h), m/s, positive upward
// (so negative everywhere on the glider's range: it sinks). The active polar's.
float Polar(const float &v);

// Walks down the active polar from its fast end in 0.5 km/h steps and stops where the
// path over the ground stops getting flatter (or, in strong lift, steeper in climb).
// Writes that airspeed (km/h, on the 0.5 grid within 18..50) into bestAirspeed and
// returns the glide ratio over the ground there: horizontal ground speed (m/s, signed)
// over the magnitude of the vertical ground speed (m/s). Where the vertical ground
// speed is exactly zero the ratio is +infinity; nothing is divided by zero.
// windH: km/h, positive tailwind. windV: m/s, positive updraft.
float BestGlide(float &bestAirspeed, const float &windH, const float &windV);

// The vertical wind (m/s, positive updraft) that the vertical wind bar stands for:
// its value counts tenths of m/s with the minimum (strongest updraft) at the top.
float WindVFromBarValue(int barValue);

// The same vertical wind counted in tenths of m/s with the updraft positive, as the
// tools take it on their command lines.
float WindVFromTenths(int tenths);

// The bar's value that stands for a vertical wind (m/s, positive updraft): the nearest
// tenth, counted with the updraft negative.
int BarValueFromWindV(float windV);
