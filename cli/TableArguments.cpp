#include "TableArguments.h"
#include "Language.h"

#include "ReachOption.h"
#include "SafeOutput.h"
#include "ToolStart.h"
#include "WingOptions.h"

#include <cmath>

namespace {

bool parseInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

bool parseRange(const QString &option, const QString &text, int min, int max, IntRange &range,
                QString &error)
{
    QStringList parts = text.split(QLatin1Char(':'));
    // One number N is the range N:N:1.
    if (parts.size() == 1) {
        parts << parts[0] << QStringLiteral("1");
    }
    if (parts.size() != 3 || !parseInt(parts[0], range.from) || !parseInt(parts[1], range.to) ||
        !parseInt(parts[2], range.step)) {
        error = translated("Tools", "%1: erwartet VON:BIS:SCHRITT aus ganzen Zahlen, nicht '%2'")
                    .arg(option, shortened(text));
        return false;
    }
    // Bounds first, by arithmetic: a range is never built before it is known to be small.
    if (range.from < min || range.from > max || range.to < min || range.to > max) {
        error = translated("Tools", "%1: '%2' liegt nicht im Bereich %3..%4")
                    .arg(option, shortened(text))
                    .arg(min)
                    .arg(max);
        return false;
    }
    if (range.step == 0 || (range.step > 0 && range.from > range.to) ||
        (range.step < 0 && range.from < range.to)) {
        error = translated("Tools", "%1: der Bereich '%2' ist leer").arg(option, shortened(text));
        return false;
    }
    return true;
}

// Expected climbs FROM:TO:STEP in m/s with a decimal point, to a tenth, 0.0 to 5.0, or
// one climb; kept in tenths so that no step accumulates an error.
bool parseClimbs(const QString &text, IntRange &tenths, QString &error)
{
    QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() == 1) {
        parts << parts[0] << QStringLiteral("0.1");
    }
    const auto usage = [&] {
        error = translated("Tools", "--mc: VON:BIS:SCHRITT in m/s von 0.0 bis 5.0 auf ein "
                                    "Zehntel erwartet, nicht '%1'")
                    .arg(shortened(text));
        return false;
    };
    if (parts.size() != 3) {
        return usage();
    }
    int values[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        double v = 0;
        if (!parseDecimalOption(QStringLiteral("--mc"), parts[k], v, error)) {
            return false;
        }
        const double scaled = v * 10.0;
        if (std::fabs(scaled - std::round(scaled)) > 1e-6 || std::fabs(scaled) > 1e6) {
            return usage();
        }
        values[k] = static_cast<int>(std::lround(scaled));
    }
    tenths = {values[0], values[1], values[2]};
    if (tenths.from < 0 || tenths.from > 50 || tenths.to < 0 || tenths.to > 50) {
        return usage();
    }
    if (tenths.step <= 0 || tenths.from > tenths.to) {
        error = translated("Tools", "%1: der Bereich '%2' ist leer")
                    .arg(QStringLiteral("--mc"), shortened(text));
        return false;
    }
    return true;
}

} // namespace

std::optional<CardOptions> parseCardArguments(const QStringList &args, QString &error)
{
    CardOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        QString wingError;
        if (takeWingOption(args, i, options.wing, wingError)) {
            if (!wingError.isEmpty()) {
                error = wingError;
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
        } else if (arg == QLatin1String("--csv")) {
            options.csv = true;
        } else if (arg == QLatin1String("--pdf") || arg == QLatin1String("--paper")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                error = translated("Tools", "%1: Wert fehlt").arg(arg);
                return std::nullopt;
            }
            const QString value = args[++i];
            if (arg == QLatin1String("--pdf")) {
                options.pdf = value;
            } else if (value == QLatin1String("a4") || value == QLatin1String("a5") ||
                       value == QLatin1String("a6")) {
                options.paper = value;
            } else {
                error = translated("Tools", "--paper: a4, a5 oder a6 erwartet, nicht '%1'")
                            .arg(shortened(value));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--mc")) {
            IntRange climbs;
            if (i + 1 >= args.size()) {
                error = translated("Tools", "%1: Wert fehlt").arg(arg);
                return std::nullopt;
            }
            if (!parseClimbs(args[++i], climbs, error)) {
                return std::nullopt;
            }
            options.climbTenths = climbs;
        } else if (arg == QLatin1String("--drift")) {
            options.drifting = true;
        } else if (arg == QLatin1String("--reach")) {
            ReachQuestion q;
            if (i + 1 >= args.size()) {
                error = translated("Tools", "%1: Wert fehlt").arg(arg);
                return std::nullopt;
            }
            if (!parseReachOption(args[++i], q, error)) {
                return std::nullopt;
            }
            options.reach = q;
        } else if (arg == QLatin1String("--wind-h") || arg == QLatin1String("--wind-v")) {
            if (i + 1 >= args.size()) {
                error = translated("Tools", "%1: VON:BIS:SCHRITT fehlt").arg(arg);
                return std::nullopt;
            }
            const bool horizontal = arg == QLatin1String("--wind-h");
            if (horizontal) {
                options.windHGiven = true;
                options.windHSingle = !args[i + 1].contains(QLatin1Char(':'));
            }
            if (!parseRange(arg, args[++i], horizontal ? -50 : -40, horizontal ? 50 : 40,
                            horizontal ? options.windH : options.windV, error)) {
                return std::nullopt;
            }
        } else {
            error =
                translated("Tools", "unbekanntes Argument '%1' (siehe --help)").arg(shortened(arg));
            return std::nullopt;
        }
    }
    if (options.csv && !options.pdf.isEmpty()) {
        error = translated("Tools", "--csv und --pdf schließen einander aus");
        return std::nullopt;
    }
    if (options.drifting && !options.climbTenths) {
        error = translated("Tools", "--drift gilt nur zusammen mit --mc");
        return std::nullopt;
    }
    if (options.climbTenths && options.windHGiven && !options.windHSingle) {
        error = translated("Tools", "--mc gilt für einen Wind: --wind-h N, kein Bereich");
        return std::nullopt;
    }
    if (options.climbTenths && (options.reach || !options.pdf.isEmpty())) {
        error = translated("Tools", "--mc gilt nur für die Tabelle und --csv, ohne --reach und "
                                    "--pdf");
        return std::nullopt;
    }
    if (options.reach && !options.pdf.isEmpty()) {
        error = translated("Tools", "--reach gilt nur für die Tabelle und --csv, nicht für --pdf");
        return std::nullopt;
    }
    if (!options.paper.isEmpty() && options.pdf.isEmpty()) {
        error = translated("Tools", "--paper gilt nur zusammen mit --pdf");
        return std::nullopt;
    }
    if (!checkWingChoice(options.wing, error)) {
        return std::nullopt;
    }
    return options;
}

QString cardUsage()
{
    return translated(
               "Tools",
               "Aufruf: azodo-table [--csv | --pdf DATEI [--paper a4|a5|a6]]\n"
               "                    [--polar DATEI [--speeds MIN:TRIMM:MAX] [--mass KG]\n"
               "                    [--ref-mass KG] [--name TEXT]]\n"
               "                    [--wind-h VON:BIS:SCHRITT] [--wind-v VON:BIS:SCHRITT]\n"
               "                    [--reach KM,M[,SICHERHEITSHÖHE] | --mc VON:BIS:SCHRITT "
               "[--drift]]\n"
               "Druckt die Fahrt des besten Gleitens über Grund und die Gleitzahl über Grund.\n"
               "  --wind-h  Wind horizontal in km/h, -50..50 (negativ: Gegenwind); Vorgabe "
               "-50:50:10\n"
               "  --wind-v  Wind vertikal in Zehntel m/s, -40..40 (positiv: Aufwind); Vorgabe "
               "-40:40:10\n"
               "  --csv     wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,\n"
               "            ground_speed_kmh,ground_vertical_ms,advice_airspeed_kmh mit\n"
               "            Dezimalpunkt; die letzte ist die Fahrt, zu der die Karte rät\n"
               "  --pdf     eine Karte zum Ausdrucken: Bremse, Trimm oder Beschleuniger je Wind\n"
               "            (-: auf die Standardausgabe)\n"
               "  --paper   Papierformat der Karte, hochkant: a4, a5 (Vorgabe) oder a6\n"
               "  --mc      Sollfahrt nach MacCready für erwartetes Steigen in m/s (etwa\n"
               "            0:3:0.5 oder ein Wert) bei einem Wind --wind-h N (Vorgabe 0): je\n"
               "            Steigen und Wind vertikal Bremsstellung und Schnitt; mit --csv\n"
               "            mc,wind_h,wind_v,airspeed,brake_percent,accelerator_percent,\n"
               "            average_kmh. --drift: der Bart driftet mit dem Wind\n"
               "  --reach   ein Landeplatz KM entfernt, M Meter tiefer, mit Sicherheitshöhe\n"
               "            in m (Vorgabe 0): je Wind die Ankunftshöhe bei der Fahrt, die am\n"
               "            höchsten ankommt; mit --csv die Spalten arrival_m und reaches\n"
               "  --help    diese Hilfe\n"
               "  --version die Version\n"
               "Der eigene Schirm statt der eingebauten Polare:\n"
               "%1")
        .arg(wingUsage());
}
