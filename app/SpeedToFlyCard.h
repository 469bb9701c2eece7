#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
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
    QString pdf;   // the printable card's file; "-" for standard output
    QString paper; // a4, a5 or a6; empty: a5
    bool help = false;
    bool version = false;
};

// Parses the arguments (without the program name). On failure returns nothing and sets
// error to a one-line message.
std::optional<CardOptions> parseCardArguments(const QStringList &args, QString &error);

// The values of a range, in order.
QList<int> rangeValues(const IntRange &range);

QString cardCsv(const CardOptions &options);
QString cardTable(const CardOptions &options, const QLocale &locale = QLocale());
QString cardUsage();
