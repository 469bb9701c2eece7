#include "SpeedToFlyGrid.h"

#include "BrakeScale.h"
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "SpeedToFly.h"
#include "Wing.h"
#include "modCalc.h"

#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <limits>

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

GridCell bestGlideCell(const Wing &wing, int windH, int windVTenths)
{
    GridCell cell;
    cell.windH = windH;
    cell.windVTenths = windVTenths;
    cell.windV = WindVFromTenths(windVTenths);
    const float h = static_cast<float>(windH);
    cell.ratio = BestGlide(wing, cell.airspeed, h, cell.windV);
    cell.groundSpeedH = cell.airspeed + h;
    cell.groundSpeedV = wing.sink(cell.airspeed) + cell.windV;
    return cell;
}

GridCell advisedCell(const Wing &wing, const GridCell &model)
{
    if (model.progresses()) {
        return model;
    }
    GridCell cell = model;
    const Flight full =
        FlightFor(wing, wing.maxSpeed, true, static_cast<float>(model.windH), model.windV);
    cell.airspeed = full.airspeed;
    cell.groundSpeedH = full.groundSpeedH;
    cell.groundSpeedV = full.groundSpeedV;
    cell.ratio = cell.groundSpeedV != 0.0f
                     ? static_cast<float>(cell.groundSpeedH / 3.6 / std::fabs(cell.groundSpeedV))
                     : std::numeric_limits<float>::infinity();
    return cell;
}

QStringList regimeWords(const GridCell &cell, const QLocale &locale)
{
    return flightRegimeWords(cell.groundSpeedH, cell.groundSpeedV, locale);
}

QString wingTitle(const Wing &wing, const QLocale &locale,
                  const std::function<bool(const QString &)> &fits)
{
    return wing.builtIn ? QString() : wingInWords(wing, locale, fits);
}

QString extrapolationNote(const Wing &wing)
{
    if (!wing.extrapolatedSlow && !wing.extrapolatedFast) {
        return {};
    }
    const QString where = wing.extrapolatedSlow && wing.extrapolatedFast
                              ? translated("Card", "bei voller Bremse und vollem Beschleuniger")
                          : wing.extrapolatedSlow ? translated("Card", "bei voller Bremse")
                                                  : translated("Card", "bei vollem Beschleuniger");
    return translated("Card", "Die Polare ist %1 über die gemessenen Punkte hinaus hochgerechnet.")
        .arg(where);
}

QString cardCsv(const CardOptions &options)
{
    const QLocale c = QLocale::c();
    QString out;
    QTextStream s(&out);
    s << "wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,"
         "ground_speed_kmh,ground_vertical_ms,advice_airspeed_kmh"
      << (options.reach ? ",arrival_m,reaches\n" : "\n");
    for (int h : rangeValues(options.windH)) {
        for (int tenths : rangeValues(options.windV)) {
            const GridCell cell = bestGlideCell(options.polar, h, tenths);
            s << h << ',' << FormatFixed(cell.windV, 1, c) << ','
              << FormatFixed(cell.airspeed, 1, c) << ','
              << (std::isinf(cell.ratio) ? QStringLiteral("inf") : FormatFixed(cell.ratio, 4, c));
            const BrakeScale::Setting setting =
                BrakeScale::settingFor(options.polar, cell.airspeed);
            s << ',' << setting.brakePercent << ',' << setting.acceleratorPercent << ','
              << FormatFixed(cell.groundSpeedH, 1, c) << ',' << FormatFixed(cell.groundSpeedV, 3, c)
              << ',' << FormatFixed(advisedCell(options.polar, cell).airspeed, 1, c);
            if (options.reach) {
                const Reach r =
                    ReachField(options.polar, *options.reach, static_cast<float>(h), cell.windV);
                s << ',' << (r.headway ? FormatFixed(r.arrivalM, 1, c) : QString()) << ','
                  << (r.reaches ? 1 : 0);
            }
            s << '\n';
        }
    }
    return out;
}

namespace {

// Each column as wide as its widest cell, so that long cells never run into each other:
// the row label left, the cells right-aligned, three blanks between.
QString alignedGrid(const QList<QStringList> &grid)
{
    QList<qsizetype> widths(grid.first().size(), 0);
    for (const QStringList &line : grid) {
        for (qsizetype c = 0; c < line.size(); ++c) {
            widths[c] = std::max(widths[c], line[c].size());
        }
    }
    QString out;
    for (const QStringList &line : grid) {
        out += line[0].leftJustified(widths[0]);
        for (qsizetype c = 1; c < line.size(); ++c) {
            out += QStringLiteral("   ") + line[c].rightJustified(widths[c]);
        }
        out += QLatin1Char('\n');
    }
    return out;
}

// A table's first row: its corner, then the vertical wind of each column.
QStringList windVHeader(const QString &corner, const IntRange &windV, const QLocale &locale)
{
    QStringList header{corner};
    for (int tenths : rangeValues(windV)) {
        header.append(FormatFixed(WindVFromTenths(tenths), 1, locale));
    }
    return header;
}

// A text table: its heading lines, the wing's extrapolation note where it has one, then
// the grid under an empty line.
QString tableText(const QString &heading, const Wing &wing, const QList<QStringList> &grid)
{
    QString out = heading;
    if (const QString note = extrapolationNote(wing); !note.isEmpty()) {
        out += note + QLatin1Char('\n');
    }
    return out + QLatin1Char('\n') + alignedGrid(grid);
}

} // namespace

QString cardTable(const CardOptions &options, const QLocale &locale)
{
    const QList<int> rows = rangeValues(options.windH);
    const QList<int> columns = rangeValues(options.windV);
    // All cells first: each column is as wide as its widest cell, so that cells with
    // ratios of three or four digits never run into each other.
    QList<QStringList> grid{windVHeader(QStringLiteral("km/h \\ m/s"), options.windV, locale)};
    for (int h : rows) {
        QStringList line{QString::number(h)};
        for (int tenths : columns) {
            const GridCell cell =
                advisedCell(options.polar, bestGlideCell(options.polar, h, tenths));
            // A cell that is no glide says what it is instead of a ratio.
            const QStringList regime = regimeWords(cell, locale);
            line.append(FormatFixed(cell.airspeed, 1, locale) + QStringLiteral(" / ") +
                        (regime.isEmpty() ? FormatFixed(cell.ratio, 1, locale)
                                          : regime.join(QStringLiteral(", "))));
        }
        grid.append(line);
    }
    const QString wing = wingTitle(options.polar, locale);
    return tableText(
        (wing.isEmpty()
             ? translated("Card", "Geschwindigkeit des besten Gleitens über Grund")
             : translated("Card", "Geschwindigkeit des besten Gleitens über Grund: %1").arg(wing)) +
            QLatin1Char('\n') +
            translated(
                "Card",
                "Jede Zelle: Fahrt in km/h / Gleitzahl über Grund; wo der Schirm nicht über "
                "Grund gleitet,\n"
                "stattdessen \"steigt x m/s\" (er steigt über Grund), \"hält die Höhe\" oder "
                "\"kein Vorankommen\" (Grundgeschwindigkeit 0 oder rückwärts;\n"
                "dort die Fahrt des vollen Beschleunigers, mit der er am wenigsten "
                "zurücktreibt)\n"
                "Zeilen: Wind horizontal (negativ: Gegenwind), "
                "Spalten: Wind vertikal (positiv: Aufwind)\n"),
        options.polar, grid);
}

QString reachTable(const CardOptions &options, const QLocale &locale)
{
    const ReachQuestion &q = *options.reach;
    QList<QStringList> grid{windVHeader(QStringLiteral("km/h \\ m/s"), options.windV, locale)};
    for (int h : rangeValues(options.windH)) {
        QStringList line{QString::number(h)};
        for (int tenths : rangeValues(options.windV)) {
            const Reach r =
                ReachField(options.polar, q, static_cast<float>(h), WindVFromTenths(tenths));
            line.append(!r.headway  ? translated("Card", "kein Vorankommen")
                        : r.reaches ? FormatFixed(r.arrivalM, 0, locale) + QStringLiteral(" m")
                                    : translated("Card", "erreicht nicht"));
        }
        grid.append(line);
    }
    const QString wing = wingTitle(options.polar, locale);
    const QString field =
        translated("Card", "Landeplatz %1 km entfernt, %2 m darunter, Sicherheitshöhe %3 m: "
                           "nötig GZ %4 über Grund")
            .arg(FormatFixed(q.distanceKm, 1, locale), FormatFixed(q.heightM, 0, locale),
                 FormatFixed(q.marginM, 0, locale),
                 FormatFixed(ReachField(options.polar, q, 0.0f, 0.0f).requiredRatio, 1, locale));
    return tableText(
        (wing.isEmpty() ? field : field + QStringLiteral(" – ") + wing) + QLatin1Char('\n') +
            translated("Card",
                       "Jede Zelle: Ankunftshöhe über dem Landeplatz in m bei der Fahrt, die am "
                       "höchsten ankommt;\n"
                       "\"erreicht nicht\": auch sie kommt unter der Sicherheitshöhe an, \"kein "
                       "Vorankommen\": Grundgeschwindigkeit 0 oder rückwärts\n"
                       "Zeilen: Wind horizontal (negativ: Gegenwind), "
                       "Spalten: Wind vertikal (positiv: Aufwind)\n"),
        options.polar, grid);
}

namespace {

// The horizontal wind of a climb table: the one given, 0 by default.
int climbTableWind(const CardOptions &options)
{
    return options.windHGiven ? options.windH.from : 0;
}

} // namespace

QString climbCsv(const CardOptions &options)
{
    const QLocale c = QLocale::c();
    const int windH = climbTableWind(options);
    QString out =
        QStringLiteral("mc,wind_h,wind_v,airspeed,brake_percent,accelerator_percent,average_kmh\n");
    for (int climb : rangeValues(*options.climbTenths)) {
        for (int tenths : rangeValues(options.windV)) {
            const float windV = WindVFromTenths(tenths);
            const SpeedToFly s = SpeedToFlyFor(options.polar, climb / 10.0,
                                               static_cast<float>(windH), windV, options.drifting);
            const BrakeScale::Setting setting = BrakeScale::settingFor(options.polar, s.airspeed);
            out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                       .arg(FormatFixed(climb / 10.0, 1, c))
                       .arg(windH)
                       .arg(FormatFixed(windV, 1, c), FormatFixed(s.airspeed, 1, c))
                       .arg(setting.brakePercent)
                       .arg(setting.acceleratorPercent)
                       .arg(s.hasAverage ? FormatFixed(s.averageKmh, 2, c) : QString());
        }
    }
    return out;
}

QString climbTable(const CardOptions &options, const QLocale &locale)
{
    const int windH = climbTableWind(options);
    QList<QStringList> grid{windVHeader(QStringLiteral("MC m/s \\ m/s"), options.windV, locale)};
    for (int climb : rangeValues(*options.climbTenths)) {
        QStringList line{FormatFixed(climb / 10.0, 1, locale)};
        for (int tenths : rangeValues(options.windV)) {
            const SpeedToFly s =
                SpeedToFlyFor(options.polar, climb / 10.0, static_cast<float>(windH),
                              WindVFromTenths(tenths), options.drifting);
            line.append(
                settingInWords(options.polar, s.airspeed) + QStringLiteral(" / ") +
                (s.hasAverage ? FormatFixed(s.averageKmh, 1, locale) : QStringLiteral("–")));
        }
        grid.append(line);
    }
    const QString wing = wingTitle(options.polar, locale);
    const QString title = translated("Card", "Sollfahrt nach MacCready");
    const QString thermal =
        options.drifting
            ? translated("Card", "Wind horizontal %1 km/h; der Bart driftet mit dem Wind")
            : translated("Card", "Wind horizontal %1 km/h; der Bart steht über Grund");
    return tableText((wing.isEmpty() ? title : title + QStringLiteral(": ") + wing) +
                         QLatin1Char('\n') + thermal.arg(windH) + QLatin1Char('\n') +
                         translated("Card", "Jede Zelle: Bremsstellung der Sollfahrt / Schnitt "
                                            "über Grund in km/h (\"–\": bestes Gleiten, kein "
                                            "Schnitt)\n"
                                            "Zeilen: erwartetes Steigen (MC), Spalten: Wind "
                                            "vertikal auf der Strecke (positiv: Aufwind)\n"),
                     options.polar, grid);
}
