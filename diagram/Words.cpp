// The diagram's words for winds and for what a flight over the ground is, shared by the
// window, the card, the worksheet and the pictures.
#include "Diagram.h"
#include "Format.h"
#include "Language.h"

#include <cmath>
#include <cstdlib>

QStringList flightRegimeWords(float groundSpeedH, float groundSpeedV, const QLocale &locale)
{
    // Judged by what a pilot reads, one decimal: a climb of 0,0 m/s holds the height.
    const double tenths = std::round(static_cast<double>(groundSpeedV) * 10.0);
    QStringList words;
    if (tenths > 0) {
        words.append(
            translated("Diagram", "steigt %1 m/s").arg(FormatFixed(groundSpeedV, 1, locale)));
    } else if (!(tenths < 0)) {
        words.append(translated("Diagram", "hält die Höhe"));
    }
    if (!(groundSpeedH > 0.0f)) {
        words.append(translated("Diagram", "kein Vorankommen"));
    }
    return words;
}

QString windInWords(int windH, int windVTenths, const QLocale &locale)
{
    QStringList parts;
    if (windH != 0) {
        parts.append((windH < 0 ? translated("Diagram", "%1 km/h Gegenwind")
                                : translated("Diagram", "%1 km/h Rückenwind"))
                         .arg(std::abs(windH)));
    }
    if (windVTenths != 0) {
        parts.append((windVTenths < 0 ? translated("Diagram", "%1 m/s Abwind")
                                      : translated("Diagram", "%1 m/s Aufwind"))
                         .arg(FormatFixed(std::abs(windVTenths) / 10.0, 1, locale)));
    }
    return parts.isEmpty() ? translated("Diagram", "Windstille") : parts.join(QStringLiteral(", "));
}

QString wingInWords(const Wing &wing, const QLocale &locale,
                    const std::function<bool(const QString &)> &fits)
{
    QString mass;
    if (!wing.builtIn && wing.massKg > 0) {
        const bool whole = wing.massKg == std::round(wing.massKg);
        mass = QStringLiteral(", %1 kg").arg(FormatFixed(wing.massKg, whole ? 0 : 1, locale));
    }
    const QString name = wing.builtIn ? translated("Diagram", "Eingebaute Polare")
                                      : QString::fromStdString(wing.name);
    QString words = name + mass;
    for (qsizetype keep = name.size() - 1; fits && !fits(words) && keep > 0; --keep) {
        words = name.left(keep) + QChar(0x2026) + mass;
    }
    return words;
}

QString glideInWords(float groundSpeedH, float groundSpeedV, const QLocale &locale)
{
    const QStringList regime = flightRegimeWords(groundSpeedH, groundSpeedV, locale);
    if (!regime.isEmpty()) {
        return regime.join(QStringLiteral(", "));
    }
    return translated("Diagram", "GZ %1")
        .arg(FormatFixed(
            std::fabs(static_cast<double>(groundSpeedH) / 3.6 / static_cast<double>(groundSpeedV)),
            1, locale));
}
