#pragma once

#include "Wing.h"

// A pilot's wing from a three-point line, named after path, at the given take-off mass;
// the built-in polar where the line does not make a wing.
inline Wing wingFromLine(const char *line, double massKg, const char *path = "w.plr")
{
    WingProblem error;
    WingChoice choice;
    choice.path = path;
    choice.massKg = massKg;
    const std::optional<PolarData> data = parsePolarText(choice.path, line, error);
    return data ? makeWing(*data, choice, error).value_or(Wing()) : Wing();
}

// The made-up school wing of the README, 24, 37 and 54 km/h at 90 kg, sinking 1.7, 1.1
// and 2.1 m/s, at the given take-off mass: a pilot's wing for tests of the window.
inline Wing schoolWing(double massKg = 95)
{
    return wingFromLine("90,0,24,-1.7,37,-1.1,54,-2.1\n", massKg, "Schulschirm.plr");
}
