#pragma once

#include "Reach.h"
#include "Wing.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The speed-to-fly card: best-glide airspeeds for a grid of winds, as a table or CSV.

struct IntRange
{
    int from = 0, to = 0, step = 1;
};

struct CardOptions
{
    IntRange windH{-50, 50, 10}; // km/h, as the horizontal bar counts
    IntRange windV{-40, 40, 10}; // tenths of m/s, positive updraft
    bool csv = false;
    QString pdf;                    // the printable card's file; "-" for standard output
    QString paper;                  // a4, a5 or a6; empty: a5
    std::optional<WingChoice> wing; // a pilot's wing instead of the built-in polar
    Wing polar;                     // the polar the card is for: the built-in one, or the
                                    // wing chosen, once loaded
    // A landing field: each wind's arrival there instead of the card's glide ratios.
    std::optional<ReachQuestion> reach;
    // Expected climbs in tenths of m/s: the speed to fly for each, at one horizontal wind;
    // drifting: the thermal drifts with the wind.
    std::optional<IntRange> climbTenths;
    bool drifting = false;
    bool windHGiven = false; // --wind-h was given (the default is 0 with climbs)
    bool windHSingle = true; // as one number, not a range
    bool help = false;
    bool version = false;
};

// The values of a range, in order.
QList<int> rangeValues(const IntRange &range);

// Best glide over the ground for one wind of the grid, and what the flight over the
// ground is there: every output of the card (text, CSV, PDF) reads its cells from here.
struct GridCell
{
    int windH = 0;             // km/h, as the horizontal bar counts
    int windVTenths = 0;       // tenths of m/s, positive updraft
    float windV = 0.0f;        // m/s, positive updraft
    float airspeed = 0.0f;     // km/h, best glide over the ground
    float ratio = 0.0f;        // as the flight model returns it
    float groundSpeedH = 0.0f; // km/h, positive forward
    float groundSpeedV = 0.0f; // m/s, positive upward
    // A glide is a forward descent; the rest climb, or make no headway, or both.
    bool progresses() const { return groundSpeedH > 0.0f; }
    bool climbs() const { return groundSpeedV > 0.0f; }
    bool isGlide() const { return progresses() && groundSpeedV < 0.0f; }
};

GridCell bestGlideCell(const Wing &wing, int windH, int windVTenths);

// What the card advises for a cell: best glide where the glider makes headway; where it
// makes none, the full speed bar, which lets it drift backwards least (best glide over
// the ground there is no advice a pilot should take: it may well say "brake").
GridCell advisedCell(const Wing &wing, const GridCell &model);

// What a cell is besides a glide, in words: "steigt 0,9 m/s", "kein Vorankommen", both
// (in that order), "hält die Höhe"; empty for a glide.
QStringList regimeWords(const GridCell &cell, const QLocale &locale);

// The wing in words, "Name, 95 kg"; empty for the built-in polar. Where fits is given
// and says no, the name is shortened with "…" until it says yes (the mass stays).
QString wingTitle(const Wing &wing, const QLocale &locale,
                  const std::function<bool(const QString &)> &fits = {});

// One sentence when the wing's MIN or MAX lies beyond the points its polar was fitted
// to; empty otherwise.
QString extrapolationNote(const Wing &wing);

QString cardCsv(const CardOptions &options);
QString cardTable(const CardOptions &options, const QLocale &locale = QLocale());

// The speed to fly for each expected climb (rows) and vertical air (columns) at one
// horizontal wind: the brake setting and the average speed, as text or CSV.
QString climbTable(const CardOptions &options, const QLocale &locale = QLocale());
QString climbCsv(const CardOptions &options);

// The landing field of options.reach for each wind of the grid: the arrival height at the
// airspeed that arrives highest, or what stops the glider.
QString reachTable(const CardOptions &options, const QLocale &locale = QLocale());
