#include "ReachOption.h"

#include "Language.h"
#include "SafeOutput.h"
#include "ToolStart.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {

const QString kOption = QStringLiteral("--reach");

// The fields as numbers within their ranges; false where one is not.
bool questionOf(const QStringList &parts, ReachQuestion &q)
{
    if (parts.size() < 2 || parts.size() > 3) {
        return false;
    }
    double values[3] = {0.0, 0.0, 0.0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = QLocale::c().toDouble(parts[i], &ok);
        if (!ok || !std::isfinite(values[i])) {
            return false;
        }
    }
    q = {values[0], values[1], values[2]};
    return q.distanceKm >= kReachShortestKm && q.distanceKm <= kReachFarthestKm &&
           q.heightM >= kReachLowestM && q.heightM <= kReachHighestM && q.marginM >= 0.0 &&
           q.marginM <= kReachLargestMarginM;
}

} // namespace

bool parseReachOption(const QString &text, ReachQuestion &question, QString &error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    ReachQuestion q;
    if (questionOf(parts, q)) {
        if (q.heightM <= q.marginM) {
            error = translated("Tools", "--reach: die Höhe %1 m liegt nicht über der "
                                        "Sicherheitshöhe %2 m")
                        .arg(parts[1], parts[2]);
            return false;
        }
        question = q;
        return true;
    }
    // "6,5,800": a decimal comma, where joining two neighbours makes a question, or where
    // there is one field too many to be anything else.
    for (const bool mustFit : {true, false}) {
        // From the right: a margin typed "150,5" is likelier than a distance "6,800".
        for (qsizetype i = parts.size() - 2; i >= 0; --i) {
            const QString joined = parts[i] + QLatin1Char(',') + parts[i + 1];
            QStringList fixed = parts;
            fixed[i] = QString(joined).replace(QLatin1Char(','), QLatin1Char('.'));
            fixed.removeAt(i + 1);
            if (isDecimalComma(joined) && (mustFit ? questionOf(fixed, q) : parts.size() == 4)) {
                error = decimalCommaError(kOption, joined);
                return false;
            }
        }
    }
    error =
        translated("Tools", "--reach: KM,M oder KM,M,SICHERHEITSHÖHE erwartet (Entfernung "
                            "0.5..30 km, Höhe 50..3000 m, Sicherheitshöhe 0..500 m), nicht '%1'")
            .arg(shortened(text));
    return false;
}
