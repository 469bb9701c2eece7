#pragma once

#include "BrakeScale.h"
#include "SpeedToFlyGrid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The kneeboard card: for every wind of the chosen ranges the best-glide setting in the
// terms a paraglider pilot flies by, "Bremse 15 %", "Trimm" or "Beschleuniger 83 %",
// with airspeed and glide ratio over ground beneath, each cell tinted with the brake
// scale's colour. A cell where the glider climbs over the ground or makes no headway
// says so instead of a ratio and wears a dashed frame. Portrait pages; a grid too large
// for one page continues on more, in parts of nearly equal size.

// The words of one cell.
struct CardCell
{
    QString setting; // "Bremse 15 %", "Trimm", "Beschleuniger 83 %"
    QString
        settingLabel; // the small word above the percentage: "Bremse", "Beschl."; empty for trim
    QString settingValue; // "15 %", "Trimm"
    // Under the setting, a line each: "33,5 km/h", "GZ 7,9"; or what the flight over the
    // ground is instead of a glide ("steigt 0,9 m/s", "kein Voran-", "kommen").
    QStringList detail;
    bool isGlide = true;  // false: the cell is framed apart
    BrakeScale::Rgb tint; // the brake scale's colour for the airspeed
    bool darkText = true;
};

CardCell cardCell(const Wing &wing, int windH, int windVTenths);

// The part of the grid one page holds.
struct CardPage
{
    QList<int> rows;    // horizontal winds, km/h
    QList<int> columns; // vertical winds, tenths of m/s
};

// The pages of the card, in order; needs a QGuiApplication (the cells are measured).
QList<CardPage> cardPages(const CardOptions &options);

// The PDF's bytes; needs a QGuiApplication. Empty if it cannot be made.
QByteArray cardPdf(const CardOptions &options);
