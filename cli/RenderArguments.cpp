#include "RenderArguments.h"

#include "DiagramFile.h"
#include "SafeOutput.h"
#include "WingOptions.h"
#include "modCalc.h"

#include <QRegularExpression>
#include <cmath>

namespace {

bool parseIntIn(const QString &text, int min, int max, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= min && value <= max;
}

} // namespace

std::optional<RenderOptions> parseRenderArguments(const QStringList &args, QString &error)
{
    RenderOptions o;
    const auto needValue = [&](int i) {
        if (i + 1 >= args.size()) {
            error = QStringLiteral("%1: Wert fehlt").arg(shortened(args[i]));
            return false;
        }
        return true;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        QString wingError;
        if (takeWingOption(args, i, o.wing, wingError)) {
            if (!wingError.isEmpty()) {
                error = wingError;
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
        } else if (arg == QLatin1String("--version")) {
            o.version = true;
        } else if (arg == QLatin1String("--no-wind-vectors")) {
            o.windVectors = false;
        } else if (arg == QLatin1String("--no-airspeed-vectors")) {
            o.airspeedVectors = false;
        } else if (arg == QLatin1String("--wind-h") || arg == QLatin1String("--wind-v")) {
            if (!needValue(i)) {
                return std::nullopt;
            }
            const bool horizontal = arg == QLatin1String("--wind-h");
            const int limit = horizontal ? 50 : 40;
            if (!parseIntIn(args[++i], -limit, limit, horizontal ? o.windH : o.windVTenths)) {
                error = QStringLiteral("%1: ganze Zahl von %2 bis %3 erwartet, nicht '%4'")
                            .arg(arg)
                            .arg(-limit)
                            .arg(limit)
                            .arg(shortened(args[i]));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--airspeed")) {
            if (!needValue(i)) {
                return std::nullopt;
            }
            bool ok = false;
            const double v = args[++i].toDouble(&ok);
            o.airspeedText = args[i];
            o.airspeed = ok && std::isfinite(v) ? v : -1.0;
        } else if (arg == QLatin1String("--size")) {
            if (!needValue(i)) {
                return std::nullopt;
            }
            static const QRegularExpression re(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
            const auto m = re.match(args[++i]);
            if (!m.hasMatch() || !parseIntIn(m.captured(1), 200, 8000, o.width) ||
                !parseIntIn(m.captured(2), 200, 8000, o.height)) {
                error = QStringLiteral("--size: BREITExHÖHE von 200 bis 8000 Pixeln erwartet, "
                                       "nicht '%1'")
                            .arg(shortened(args[i]));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("-o") || arg == QLatin1String("--output")) {
            if (!needValue(i)) {
                return std::nullopt;
            }
            o.output = args[++i];
            if (o.output.isEmpty()) {
                error = QStringLiteral("-o: leerer Dateiname");
                return std::nullopt;
            }
        } else {
            error = QStringLiteral("unbekanntes Argument '%1' (siehe --help)").arg(shortened(arg));
            return std::nullopt;
        }
    }
    if (!o.help && !o.version && o.output.isEmpty()) {
        error = QStringLiteral("keine Ausgabedatei: -o DATEI.png fehlt");
        return std::nullopt;
    }
    if (!checkWingChoice(o.wing, error)) {
        return std::nullopt;
    }
    // With a wing its range is known once it is loaded; the built-in one's now.
    if (!o.wing && !airspeedInRange(o, error)) {
        return std::nullopt;
    }
    return o;
}

bool airspeedInRange(const RenderOptions &options, QString &error)
{
    if (!options.airspeed ||
        (*options.airspeed >= MinAirspeed() && *options.airspeed <= MaxAirspeed())) {
        return true;
    }
    const QLocale c = QLocale::c();
    error = QStringLiteral("--airspeed: Zahl von %1 bis %2 erwartet, nicht '%3'")
                .arg(c.toString(MinAirspeed(), 'g', 4), c.toString(MaxAirspeed(), 'g', 4),
                     shortened(options.airspeedText));
    return false;
}

QString renderUsage()
{
    return QStringLiteral(
               "Aufruf: azodo-render [Optionen] -o DATEI.png|DATEI.svg|DATEI.pdf\n"
               "Zeichnet das Diagramm für einen Zustand und schreibt es als PNG, als SVG oder als\n"
               "PDF (A4 quer), je nach der Endung der Datei.\n"
               "  --wind-h N              Wind horizontal in km/h, -50..50 (negativ: Gegenwind)\n"
               "  --wind-v N              Wind vertikal in Zehntel m/s, -40..40 (positiv: "
               "Aufwind)\n"
               "  --airspeed V            Bremsen frei verstellbar, Fahrt V km/h (18..50, mit\n"
               "                          --polar von MIN bis MAX);\n"
               "                          ohne: Geschwindigkeit des besten Gleitens\n"
               "  --no-wind-vectors       ohne Wind-Vektoren\n"
               "  --no-airspeed-vectors   ohne Airspeed-Vektoren\n"
               "  --size BxH              Größe des Diagramms in Pixeln (Vorgabe 1600x1000,\n"
               "                          für PDF 1100x700)\n"
               "  -o DATEI                Ausgabedatei; -o - schreibt ein PNG auf die "
               "Standardausgabe\n"
               "%1"
               "  --help, --version       diese Hilfe, die Version\n")
        .arg(wingUsage());
}

DiagramState stateOf(const RenderOptions &options)
{
    DiagramState state;
    state.windH = static_cast<float>(options.windH);
    state.windV = WindVFromTenths(options.windVTenths);
    state.switches = {options.windVectors, options.airspeedVectors, false};
    if (options.airspeed) {
        state.switches.freeBrakes = true;
        state.airspeed = static_cast<float>(*options.airspeed);
    }
    return state;
}
