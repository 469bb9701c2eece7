// The diagram's words for winds and for what a flight over the ground is, shared by the
// window, the card, the worksheet and the pictures.
#include "Diagram.h"
#include "Format.h"

#include <cmath>
#include <cstdlib>

QStringList flightRegimeWords(float groundSpeedH, float groundSpeedV, const QLocale &locale)
{
    // Judged by what a pilot reads, one decimal: a climb of 0,0 m/s holds the height.
    const double tenths = std::round(static_cast<double>(groundSpeedV) * 10.0);
    QStringList words;
    if (tenths > 0) {
        words.append(QStringLiteral("steigt %1 m/s").arg(FormatFixed(groundSpeedV, 1, locale)));
    }
    if (!(groundSpeedH > 0.0f)) {
        words.append(QStringLiteral("kein Vorankommen"));
    }
    if (words.isEmpty() && !(tenths < 0)) {
        words.append(QStringLiteral("hält die Höhe"));
    }
    return words;
}

QString windInWords(int windH, int windVTenths, const QLocale &locale)
{
    QStringList parts;
    if (windH != 0) {
        parts.append(
            QStringLiteral("%1 km/h %2")
                .arg(std::abs(windH))
                .arg(windH < 0 ? QStringLiteral("Gegenwind") : QStringLiteral("Rückenwind")));
    }
    if (windVTenths != 0) {
        parts.append(
            QStringLiteral("%1 m/s %2")
                .arg(FormatFixed(std::abs(windVTenths) / 10.0, 1, locale))
                .arg(windVTenths < 0 ? QStringLiteral("Abwind") : QStringLiteral("Aufwind")));
    }
    return parts.isEmpty() ? QStringLiteral("Windstille") : parts.join(QStringLiteral(", "));
}
