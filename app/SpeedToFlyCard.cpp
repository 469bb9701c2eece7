#include "SpeedToFlyCard.h"

#include "BrakeScale.h"
#include "Format.h"
#include "SafeOutput.h"
#include "modCalc.h"

#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

// The card reads a vertical wind in tenths of m/s with updraft positive; the vertical
// bar counts the other way round, and the wind is formed from the bar's value.
float windVFromTenths(int tenths)
{
    return WindVFromBarValue(-tenths);
}

bool parseInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

bool parseRange(const QString &option, const QString &text, int min, int max, IntRange &range,
                QString &error)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3 || !parseInt(parts[0], range.from) || !parseInt(parts[1], range.to) ||
        !parseInt(parts[2], range.step)) {
        error = QStringLiteral("%1: erwartet VON:BIS:SCHRITT aus ganzen Zahlen, nicht '%2'")
                    .arg(option, shortened(text));
        return false;
    }
    // Bounds first, by arithmetic: a range is never built before it is known to be small.
    if (range.from < min || range.from > max || range.to < min || range.to > max) {
        error = QStringLiteral("%1: '%2' liegt nicht im Bereich %3..%4")
                    .arg(option, shortened(text))
                    .arg(min)
                    .arg(max);
        return false;
    }
    if (range.step == 0 || (range.step > 0 && range.from > range.to) ||
        (range.step < 0 && range.from < range.to)) {
        error = QStringLiteral("%1: der Bereich '%2' ist leer").arg(option, shortened(text));
        return false;
    }
    return true;
}

} // namespace

QList<int> rangeValues(const IntRange &range)
{
    QList<int> values;
    if (range.step > 0) {
        for (long v = range.from; v <= range.to; v += range.step) {
            values.append(static_cast<int>(v));
        }
    } else if (range.step < 0) {
        for (long v = range.from; v >= range.to; v += range.step) {
            values.append(static_cast<int>(v));
        }
    }
    return values;
}

GridCell bestGlideCell(int windH, int windVTenths)
{
    GridCell cell;
    cell.windH = windH;
    cell.windVTenths = windVTenths;
    cell.windV = windVFromTenths(windVTenths);
    const float h = static_cast<float>(windH);
    cell.ratio = BestGlide(cell.airspeed, h, cell.windV);
    cell.groundSpeedH = cell.airspeed + h;
    cell.groundSpeedV = Polar(cell.airspeed) + cell.windV;
    return cell;
}

QStringList regimeWords(const GridCell &cell, const QLocale &locale)
{
    QStringList words;
    if (cell.climbs()) {
        words.append(
            QStringLiteral("steigt %1 m/s").arg(FormatFixed(cell.groundSpeedV, 1, locale)));
    }
    if (!cell.progresses()) {
        words.append(QStringLiteral("kein Vorankommen"));
    }
    if (words.isEmpty() && !cell.isGlide()) {
        words.append(QStringLiteral("hält die Höhe"));
    }
    return words;
}

std::optional<CardOptions> parseCardArguments(const QStringList &args, QString &error)
{
    CardOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
        } else if (arg == QLatin1String("--csv")) {
            options.csv = true;
        } else if (arg == QLatin1String("--pdf") || arg == QLatin1String("--paper")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                error = QStringLiteral("%1: Wert fehlt").arg(arg);
                return std::nullopt;
            }
            const QString value = args[++i];
            if (arg == QLatin1String("--pdf")) {
                options.pdf = value;
            } else if (value == QLatin1String("a4") || value == QLatin1String("a5") ||
                       value == QLatin1String("a6")) {
                options.paper = value;
            } else {
                error = QStringLiteral("--paper: a4, a5 oder a6 erwartet, nicht '%1'")
                            .arg(shortened(value));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--wind-h") || arg == QLatin1String("--wind-v")) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1: VON:BIS:SCHRITT fehlt").arg(arg);
                return std::nullopt;
            }
            const bool horizontal = arg == QLatin1String("--wind-h");
            if (!parseRange(arg, args[++i], horizontal ? -50 : -40, horizontal ? 50 : 40,
                            horizontal ? options.windH : options.windV, error)) {
                return std::nullopt;
            }
        } else {
            error = QStringLiteral("unbekanntes Argument '%1' (siehe --help)").arg(shortened(arg));
            return std::nullopt;
        }
    }
    if (options.csv && !options.pdf.isEmpty()) {
        error = QStringLiteral("--csv und --pdf schließen einander aus");
        return std::nullopt;
    }
    if (!options.paper.isEmpty() && options.pdf.isEmpty()) {
        error = QStringLiteral("--paper gilt nur zusammen mit --pdf");
        return std::nullopt;
    }
    return options;
}

QString cardCsv(const CardOptions &options)
{
    const QLocale c = QLocale::c();
    QString out;
    QTextStream s(&out);
    s << "wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,"
         "ground_speed_kmh,ground_vertical_ms\n";
    for (int h : rangeValues(options.windH)) {
        for (int tenths : rangeValues(options.windV)) {
            const GridCell cell = bestGlideCell(h, tenths);
            s << h << ',' << FormatFixed(cell.windV, 1, c) << ','
              << FormatFixed(cell.airspeed, 1, c) << ','
              << (std::isinf(cell.ratio) ? QStringLiteral("inf") : FormatFixed(cell.ratio, 4, c));
            const BrakeScale::Setting setting = BrakeScale::settingFor(cell.airspeed);
            s << ',' << setting.brakePercent << ',' << setting.acceleratorPercent << ','
              << FormatFixed(cell.groundSpeedH, 1, c) << ',' << FormatFixed(cell.groundSpeedV, 3, c)
              << '\n';
        }
    }
    return out;
}

QString cardTable(const CardOptions &options, const QLocale &locale)
{
    const QList<int> rows = rangeValues(options.windH);
    const QList<int> columns = rangeValues(options.windV);
    // All cells first: each column is as wide as its widest cell, so that cells with
    // ratios of three or four digits never run into each other.
    QList<QStringList> grid;
    QStringList header{QStringLiteral("km/h \\ m/s")};
    for (int tenths : columns) {
        header.append(FormatFixed(windVFromTenths(tenths), 1, locale));
    }
    grid.append(header);
    for (int h : rows) {
        QStringList line{QString::number(h)};
        for (int tenths : columns) {
            const GridCell cell = bestGlideCell(h, tenths);
            // A cell that is no glide says what it is instead of a ratio.
            const QStringList regime = regimeWords(cell, locale);
            line.append(FormatFixed(cell.airspeed, 1, locale) + QStringLiteral(" / ") +
                        (regime.isEmpty() ? FormatFixed(cell.ratio, 1, locale)
                                          : regime.join(QStringLiteral(", "))));
        }
        grid.append(line);
    }
    QList<qsizetype> widths(header.size(), 0);
    for (const QStringList &line : grid) {
        for (qsizetype c = 0; c < line.size(); ++c) {
            widths[c] = std::max(widths[c], line[c].size());
        }
    }
    QString out;
    QTextStream s(&out);
    s << "Geschwindigkeit des besten Gleitens über Grund\n"
      << "Jede Zelle: Fahrt in km/h / Gleitzahl über Grund; wo der Schirm nicht über Grund "
         "gleitet,\n"
      << "stattdessen \"steigt x m/s\" (er steigt über Grund) oder \"kein Vorankommen\" "
         "(Grundgeschwindigkeit 0 oder rückwärts)\n"
      << "Zeilen: Wind horizontal (negativ: Gegenwind), "
         "Spalten: Wind vertikal (positiv: Aufwind)\n\n";
    for (const QStringList &line : grid) {
        // The row label stands left, the cells right-aligned, three blanks between.
        s << line[0].leftJustified(widths[0]);
        for (qsizetype c = 1; c < line.size(); ++c) {
            s << QStringLiteral("   ") << line[c].rightJustified(widths[c]);
        }
        s << '\n';
    }
    return out;
}

QString cardUsage()
{
    return QStringLiteral(
        "Aufruf: azodo-table [--csv | --pdf DATEI [--paper a4|a5|a6]]\n"
        "                    [--wind-h VON:BIS:SCHRITT] [--wind-v VON:BIS:SCHRITT]\n"
        "Druckt die Fahrt des besten Gleitens über Grund und die Gleitzahl über Grund.\n"
        "  --wind-h  Wind horizontal in km/h, -50..50 (negativ: Gegenwind); Vorgabe -50:50:10\n"
        "  --wind-v  Wind vertikal in Zehntel m/s, -40..40 (positiv: Aufwind); Vorgabe -40:40:10\n"
        "  --csv     wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,\n"
        "            ground_speed_kmh,ground_vertical_ms mit Dezimalpunkt\n"
        "  --pdf     eine Karte zum Ausdrucken: Bremse, Trimm oder Beschleuniger je Wind\n"
        "            (-: auf die Standardausgabe)\n"
        "  --paper   Papierformat der Karte, hochkant: a4, a5 (Vorgabe) oder a6\n"
        "  --help    diese Hilfe\n"
        "  --version die Version\n");
}
