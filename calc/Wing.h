#pragma once

#include "WingProblem.h"

#include <optional>
#include <string>
#include <vector>

// A wing as a value: its still-air polar and its speed range, all at the take-off mass.
// A default Wing is the built-in polar; a pilot's own wing has a quadratic fitted to what
// the pilot gives (the three-point line of gliding flight computers, or a table of
// measured points). Everything that computes or draws with a polar is handed one. No Qt.

// The polar as the file gives it, before any mass or speed range is applied.
struct PolarData
{
    bool threePoint = false; // the flight computers' line; else a table of points
    double refMassKg = 0;    // the line's first field; 0 for a table
    double a = 0, b = 0, c = 0;
    float v1 = 0, v2 = 0, v3 = 0; // the line's three speeds, km/h; a table's first and
                                  // last measured one in v1 and v3
    int line = 0;                 // the three-point line's number in the file
    std::string text;             // the polar as read: its line, or header and rows
};

// What the user adds on the command line or in the dialog. Unset values take the
// file's own (the three-point line's speeds and mass).
struct WingChoice
{
    std::string path;
    std::optional<float> minSpeed, trimSpeed, maxSpeed; // km/h at the reference mass
    std::optional<double> massKg;                       // take-off mass
    std::optional<double> refMassKg;                    // for a table of points
    std::optional<std::string> name;
};

struct Wing
{
    bool builtIn = true;                    // the program's own polar; else a pilot's wing
    std::string name = "Eingebaute Polare"; // shown in titles
    double massKg = 0; // take-off mass the polar and the speeds hold for; 0: none given
    double a = 0;      // a pilot's wing: sink w(v) = a·v² + b·v + c, v in km/h, w in m/s
    double b = 0;
    double c = 0;
    float minSpeed = 18.0f;  // km/h, full brake
    float trimSpeed = 38.0f; // km/h, brakes and accelerator off
    float maxSpeed = 50.0f;  // km/h, full accelerator
    // MIN or MAX lie well beyond the points the polar was fitted to: the curve is
    // extrapolated there, and the card says so.
    bool extrapolatedSlow = false;
    bool extrapolatedFast = false;
    // Plausible but doubtful choices (the Note codes): the wing loads, and the programs
    // show them, one line each.
    std::vector<WingProblem> notes;

    // The polar as the user gave it, so that the wing can be made again from it (a
    // remembered wing): the file's polar line or table as read, and the choice made for
    // it. Empty for the built-in polar.
    std::string polarText;
    WingChoice choice;

    // Vertical speed through the air at airspeed v (km/h), m/s, positive upward (so
    // negative on the whole range: the glider sinks).
    float sink(float v) const;
};

// What a polar file, the command line or the dialog may give: airspeeds in km/h, masses
// in kg.
constexpr double kWingLowestSpeed = 10.0;
constexpr double kWingHighestSpeed = 120.0;
constexpr double kWingLightest = 30.0;
constexpr double kWingHeaviest = 300.0;

// Least-squares fit of w = a·v² + b·v + c through the points (exact through three).
// False if the points do not determine a quadratic.
bool fitQuadratic(const double *v, const double *w, int count, double &a, double &b, double &c);

// Reads and fits the polar file. On failure returns nothing and sets error to what is
// wrong, with the file and, where there is one, the line. A read error is such a problem
// too; nothing is thrown.
std::optional<PolarData> readPolarFile(const std::string &path, WingProblem &error);

// The file read, the speeds and mass applied and every limit checked: the wing the
// diagram and the card can show. Errors as above.
std::optional<Wing> loadWing(const WingChoice &choice, WingProblem &error);

// The polar from its text (a file's content), as readPolarFile reads it; path names it in
// errors.
std::optional<PolarData> parsePolarText(const std::string &path, std::string text,
                                        WingProblem &error);

// The wing from polar data already read (the window's dialog offers the file's values
// first); errors name the file of choice.path.
std::optional<Wing> makeWing(const PolarData &data, const WingChoice &choice, WingProblem &error);
