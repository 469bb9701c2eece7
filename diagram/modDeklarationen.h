#pragma once

#include <cstdint>

// The program's shared variables, single precision, all 0 when a window is made.
struct modDeklarationen
{
    float WindH = 0.0f;        // horizontal wind, km/h, negative is headwind
    float WindV = 0.0f;        // vertical wind, m/s, positive is updraft
    float Airspeed = 0.0f;     // brake setting: airspeed on the polar, km/h
    float GroundSpeedH = 0.0f; // horizontal ground speed of the last drawing, km/h
    float GroundSpeedV = 0.0f; // vertical ground speed of the last drawing, m/s, up positive
    float GlideAngle = 0.0f;   // angle of the ground-speed vector in diagram units, radians
};

// The pen of the diagram as a drawing procedure keeps it while it draws.
struct SavedPen
{
    std::int16_t SavedDrawWidth = 0;
    std::int16_t SavedDrawStyle = 0;
    std::int32_t SavedForeColor = 0;
};

// Which parts of the overlay are drawn, as the three switches of the window say.
struct OverlaySwitches
{
    bool windVectors = true;     // chkWind
    bool airspeedVectors = true; // chkAirspeed
    bool freeBrakes = false;     // chkBremsen: the user sets the airspeed
    bool instruction = true;     // with free brakes, the caption that says to move the bar
    bool speedToFly = false;     // locked brakes stand at the speed to fly, not best glide
};
