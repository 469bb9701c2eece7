#pragma once

struct Wing;

// The brake scale: every airspeed of a wing's polar in the pilot's own terms. For the
// built-in polar 18 km/h is full brake (100 %), 38 km/h is trim (0 %), 50 km/h is full
// accelerator (100 %); between them the percentages run linearly. A pilot's wing has
// its own three speeds: its airspeeds map piecewise linearly onto the scale's positions
// 18..38 (brake) and 38..50 (accelerator), which keep the 32 boxes and their colours.

namespace BrakeScale {

constexpr float kFullBrake = 18.0f;       // km/h
constexpr float kTrim = 38.0f;            // km/h
constexpr float kFullAccelerator = 50.0f; // km/h

struct Setting
{
    int brakePercent = 0;       // 0..100, 0 above trim
    int acceleratorPercent = 0; // 0..100, 0 at and below trim
    bool isTrim() const { return brakePercent == 0 && acceleratorPercent == 0; }
};

// Rounded to whole percent (halves away from zero); airspeed in km/h.
Setting settingFor(const Wing &wing, float airspeed);

// The scale's position (18..50) of an airspeed (km/h) of the wing, and back. Both are
// the identity for the built-in polar.
double scalePosition(const Wing &wing, float airspeed);
double airspeedAtScale(const Wing &wing, double position);

struct Rgb
{
    int red = 0, green = 0, blue = 0;
};

// Colour of the scale's box from position v - 1 to v (v whole, 20..50): red towards green
// over the brakes, blue towards yellow over the accelerator.
Rgb boxColor(int v);

// Colour of the box from scale position v - 1 to v (v whole, 19..50); the first box, 18
// to 19, is pure red.
Rgb scaleBoxColor(int v);

// Colour of the box an airspeed (km/h) lies in: the box from v - 1 to v for a scale
// position above v - 1 up to v.
Rgb colorFor(const Wing &wing, float airspeed);

} // namespace BrakeScale
