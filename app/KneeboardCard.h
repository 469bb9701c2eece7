#pragma once

#include "BrakeScale.h"
#include "SpeedToFlyCard.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The kneeboard card: for every wind of the chosen ranges the best-glide setting in the
// terms a paraglider pilot flies by, "Bremse 15 %", "Trimm" or "Beschleuniger 83 %",
// with airspeed and glide ratio over ground beneath, each cell tinted with the brake
// scale's colour. Portrait pages; a grid too large for one page continues on more.

// The words of one cell: the setting, and the airspeed with the ratio over ground.
struct CardCell
{
    QString setting;      // "Bremse 15 %", "Trimm", "Beschleuniger 83 %"
    QString detail;       // "33,5 km/h · GZ 7,9"
    BrakeScale::Rgb tint; // the brake scale's colour for the airspeed
    bool darkText = true;
};

CardCell cardCell(int windH, int windVTenths);

// The PDF's bytes; needs a QGuiApplication. Empty if it cannot be made.
QByteArray cardPdf(const CardOptions &options);
