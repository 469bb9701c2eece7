#include "RenderArguments.h"
#include "Language.h"
#include "ReachOption.h"

#include "DiagramFile.h"
#include "SafeOutput.h"
#include "ToolStart.h"
#include "Wing.h"
#include "WingOptions.h"
#include "modCalc.h"

#include <QRegularExpression>
#include <cmath>
#include <utility>

namespace {

bool parseIntIn(const QString &text, int min, int max, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= min && value <= max;
}

// One --state H,V[,AIRSPEED]: winds as --wind-h and --wind-v count them, the airspeed in
// km/h with a decimal point. A comma in the airspeed makes a fourth part; error names it.
bool parseState(const QString &text, RenderState &state, QString &error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const auto usage = [&] {
        error = translated("Tools", "--state: H,V oder H,V,FAHRT erwartet (H -50..50 km/h, V "
                                    "-40..40 Zehntel m/s), nicht '%1'")
                    .arg(shortened(text));
        return false;
    };
    if (parts.size() < 2 || parts.size() > 4 || !parseIntIn(parts[0], -50, 50, state.windH) ||
        !parseIntIn(parts[1], -40, 40, state.windVTenths)) {
        return usage();
    }
    if (parts.size() == 4) {
        const QString joined = parts[2] + QLatin1Char(',') + parts[3];
        if (isDecimalComma(joined)) {
            error = decimalCommaError(QStringLiteral("--state"), joined);
            return false;
        }
        return usage();
    }
    if (parts.size() == 3) {
        double v = 0;
        if (!parseDecimalOption(QStringLiteral("--state"), parts[2], v, error)) {
            return false;
        }
        state.airspeed = v;
    }
    state.text = text;
    return true;
}

// The options of slides and worksheets; true if args[i] was one (error set if bad).
bool takeLessonOption(const QStringList &args, int &i, RenderOptions &o, QString &error)
{
    const QString &arg = args[i];
    if (arg != QLatin1String("--scale") && arg != QLatin1String("--state") &&
        arg != QLatin1String("--compare") && arg != QLatin1String("--worksheet") &&
        arg != QLatin1String("--seed") && arg != QLatin1String("--reach") &&
        arg != QLatin1String("--topic") && arg != QLatin1String("--mc")) {
        return false;
    }
    if (i + 1 >= args.size()) {
        error = translated("Tools", "%1: Wert fehlt").arg(arg);
        return true;
    }
    const QString value = args[++i];
    bool ok = false;
    if (arg == QLatin1String("--scale")) {
        o.scaleGiven = true;
        if (parseDecimalOption(arg, value, o.scale, error) && !(o.scale >= 0.5 && o.scale <= 8.0)) {
            error = translated("Tools", "--scale: Zahl von 0.5 bis 8 erwartet, nicht '%1'")
                        .arg(shortened(value));
        }
    } else if (arg == QLatin1String("--state")) {
        RenderState state;
        parseState(value, state, error);
        o.states.append(state);
    } else if (arg == QLatin1String("--compare")) {
        RenderState state;
        if (parseState(value, state, error)) {
            o.compare = state;
        } else {
            error.replace(QLatin1String("--state"), QLatin1String("--compare"));
        }
    } else if (arg == QLatin1String("--reach")) {
        ReachQuestion q;
        if (parseReachOption(value, q, error)) {
            o.reach = q;
        }
    } else if (arg == QLatin1String("--mc")) {
        double climb = 0;
        if (value.contains(QLatin1Char(':'))) {
            error = translated("Tools", "--mc: ein Wert in m/s, kein Bereich: '%1'")
                        .arg(shortened(value));
        } else if (parseDecimalOption(arg, value, climb, error) &&
                   !(climb >= kLowestClimb && climb <= kStrongestClimb)) {
            error = translated("Tools", "--mc: Steigen in m/s von 0.0 bis 5.0 erwartet, nicht '%1'")
                        .arg(shortened(value));
        } else {
            o.climb = climb;
        }
    } else if (arg == QLatin1String("--topic")) {
        if (value == QLatin1String("glide")) {
            o.topic = WorksheetTopic::Glide;
        } else if (value == QLatin1String("reach")) {
            o.topic = WorksheetTopic::Reach;
        } else if (value == QLatin1String("mc")) {
            o.topic = WorksheetTopic::SpeedToFly;
        } else {
            error = translated("Tools", "--topic: glide, reach oder mc erwartet, nicht '%1'")
                        .arg(shortened(value));
        }
    } else if (arg == QLatin1String("--worksheet")) {
        if (!parseIntIn(value, 1, 200, o.worksheet)) {
            error = translated("Tools", "--worksheet: Anzahl der Aufgaben von 1 bis 200 erwartet, "
                                        "nicht '%1'")
                        .arg(shortened(value));
        }
    } else {
        const qulonglong seed = value.toULongLong(&ok);
        if (!ok) {
            error = translated("Tools", "--seed: ganze Zahl ab 0 erwartet, nicht '%1'")
                        .arg(shortened(value));
        }
        o.seed = seed;
    }
    return true;
}

// What the options may not ask for together.
bool lessonOptionsFit(const RenderOptions &o, QString &error)
{
    const bool pdf =
        o.output != QLatin1String("-") && exportFormatFor(o.output) == ExportFormat::Pdf;
    if (!o.states.isEmpty() && o.stateOptionGiven) {
        error = translated("Tools", "--state schließt --wind-h, --wind-v und --airspeed aus");
    } else if (o.states.size() > 1 && !pdf) {
        error = translated("Tools", "mehrere --state nur in ein PDF (-o DATEI.pdf), eine Seite je "
                                    "Zustand");
    } else if (o.worksheet > 0 && !pdf) {
        error = translated("Tools", "--worksheet schreibt ein PDF: -o DATEI.pdf");
    } else if (o.worksheet > 0 && (o.stateOptionGiven || !o.states.isEmpty())) {
        error = translated("Tools", "--worksheet zieht die Winde selbst: ohne --state, --wind-h, "
                                    "--wind-v und --airspeed");
    } else if (o.worksheet > 0 &&
               (o.scaleGiven || o.height > 0 || !o.windVectors || !o.airspeedVectors)) {
        error =
            translated("Tools", "--worksheet legt Größe und Inhalt seiner Diagramme selbst fest: "
                                "ohne --scale, --size, --no-wind-vectors und "
                                "--no-airspeed-vectors");
    } else if (o.fit && o.fixed) {
        error = translated("Tools", "--fit und --fixed schließen einander aus");
    } else if (o.worksheet > 0 && (o.fit || o.fixed)) {
        error = translated("Tools", "--worksheet rückt jede Aufgabe selbst ins Bild: ohne --fit "
                                    "und --fixed");
    } else if (o.worksheet > 0 && o.reach) {
        error = translated("Tools", "--worksheet stellt seine Aufgaben selbst: ohne --reach");
    } else if (o.worksheet > 0 && o.compare) {
        error = translated("Tools", "--worksheet zeichnet keinen Vergleich: ohne --compare");
    } else if (o.compareWing && !o.compare) {
        error = translated("Tools", "--compare-polar und seine Optionen gelten nur zusammen mit "
                                    "--compare");
    } else if (o.scale > 1.0 && (o.outputWidth() / o.scale < 800.0 - 1e-9 ||
                                 o.wholeHeight() / o.scale < 500.0 - 1e-9)) {
        // At least 800 x 500 pixels of the picture per scale: a slide shows at that scale
        // what the screen shows at 1.
        const double largest =
            std::floor(std::min(o.outputWidth() / 800.0, o.wholeHeight() / 500.0) * 100.0 + 1e-9) /
            100.0;
        // A size that takes the scale, as close to the one given as it can be.
        const auto fitting = [&](int given, double perScale) {
            return QString::number(
                std::max(given, static_cast<int>(std::ceil(perScale * o.scale - 1e-9))));
        };
        error = translated("Tools", "--scale %1 ist zu groß für %2x%3 Pixel: höchstens %4; ein "
                                    "größeres Bild mit --size, etwa --size %5x%6")
                    .arg(QLocale::c().toString(o.scale), QString::number(o.outputWidth()),
                         QString::number(o.wholeHeight()),
                         QLocale::c().toString(std::max(largest, 1.0), 'f', 2),
                         fitting(o.outputWidth(), 800.0), fitting(o.wholeHeight(), 500.0));
    } else if (o.seed && o.worksheet == 0) {
        error = translated("Tools", "--seed gilt nur zusammen mit --worksheet");
    } else if (o.drifting && !o.climb) {
        error = translated("Tools", "--drift gilt nur zusammen mit --mc");
    } else if (o.climb && o.reach) {
        error = translated("Tools", "--mc und --reach schließen einander aus");
    } else if (o.worksheet > 0 && o.climb) {
        error = translated("Tools", "--worksheet stellt seine Aufgaben selbst: ohne --mc");
    } else if (o.topic && o.worksheet == 0) {
        error = translated("Tools", "--topic gilt nur zusammen mit --worksheet");
    }
    return error.isEmpty();
}

} // namespace

namespace {

// The options that take a value and say what and how large to draw; true if args[i] was
// one (error set if its value is bad or missing).
bool takeValueOption(const QStringList &args, int &i, RenderOptions &o, QString &error)
{
    const QString &arg = args[i];
    const bool wind = arg == QLatin1String("--wind-h") || arg == QLatin1String("--wind-v");
    const bool output = arg == QLatin1String("-o") || arg == QLatin1String("--output");
    if (!wind && !output && arg != QLatin1String("--airspeed") && arg != QLatin1String("--size")) {
        return false;
    }
    if (i + 1 >= args.size()) {
        error = translated("Tools", "%1: Wert fehlt").arg(shortened(arg));
        return true;
    }
    const QString &value = args[++i];
    if (wind) {
        const bool horizontal = arg == QLatin1String("--wind-h");
        o.stateOptionGiven = true;
        const int limit = horizontal ? 50 : 40;
        if (!parseIntIn(value, -limit, limit, horizontal ? o.windH : o.windVTenths)) {
            error = translated("Tools", "%1: ganze Zahl von %2 bis %3 erwartet, nicht '%4'")
                        .arg(arg)
                        .arg(-limit)
                        .arg(limit)
                        .arg(shortened(value));
        }
    } else if (arg == QLatin1String("--airspeed")) {
        double v = 0;
        o.airspeedText = value;
        o.stateOptionGiven = true;
        // Not a number at all is answered with the range, as one out of it.
        if (isDecimalComma(value)) {
            error = decimalCommaError(arg, value);
        } else if (QString notANumber; !parseDecimalOption(arg, value, v, notANumber)) {
            v = -1.0;
        }
        o.airspeed = v;
    } else if (arg == QLatin1String("--size")) {
        static const QRegularExpression re(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
        const auto m = re.match(value);
        if (!m.hasMatch() || !parseIntIn(m.captured(1), 200, 8000, o.width) ||
            !parseIntIn(m.captured(2), 200, 8000, o.height)) {
            error = translated("Tools", "--size: BREITExHÖHE von 200 bis 8000 Pixeln erwartet, "
                                        "nicht '%1'")
                        .arg(shortened(value));
        }
    } else {
        o.output = value;
        if (o.output.isEmpty()) {
            error = translated("Tools", "-o: leerer Dateiname");
        }
    }
    return true;
}

} // namespace

std::optional<RenderOptions> parseRenderArguments(const QStringList &args, QString &error)
{
    RenderOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        QString optionError;
        const int first = i;
        const bool wingOption = takeWingOption(args, i, o.wing, optionError);
        if (wingOption) {
            o.wingArguments << args.mid(first, i - first + 1);
        }
        if (wingOption ||
            takeWingOption(args, i, o.compareWing, optionError, QStringLiteral("--compare-")) ||
            takeLessonOption(args, i, o, optionError) || takeValueOption(args, i, o, optionError)) {
            if (!optionError.isEmpty()) {
                error = optionError;
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
        } else if (arg == QLatin1String("--drift")) {
            o.drifting = true;
        } else if (arg == QLatin1String("--fit")) {
            o.fit = true;
        } else if (arg == QLatin1String("--fixed")) {
            o.fixed = true;
        } else {
            error =
                translated("Tools", "unbekanntes Argument '%1' (siehe --help)").arg(shortened(arg));
            return std::nullopt;
        }
    }
    if (!o.help && !o.version && o.output.isEmpty()) {
        error = translated("Tools", "keine Ausgabedatei: -o DATEI.png fehlt");
        return std::nullopt;
    }
    if (!checkWingChoice(o.wing, error) ||
        !checkWingChoice(o.compareWing, error, QStringLiteral("--compare-")) ||
        (!o.help && !o.version && !lessonOptionsFit(o, error))) {
        return std::nullopt;
    }
    // With a wing its range is known once it is loaded; the built-in one's now.
    if (!o.wing && !o.compareWing && !airspeedInRange(o, error)) {
        return std::nullopt;
    }
    return o;
}

namespace {

bool inRangeOf(const Wing &wing, double v)
{
    return v >= wing.minSpeed && v <= wing.maxSpeed;
}

// A wing's range as it must be typed, rounded inwards, so that every value printed is
// accepted: "28.2", "59.0".
std::pair<QString, QString> typedRange(const Wing &wing)
{
    const QLocale c = QLocale::c();
    return {c.toString(std::ceil(wing.minSpeed * 10.0 - 1e-9) / 10.0, 'f', 1),
            c.toString(std::floor(wing.maxSpeed * 10.0 + 1e-9) / 10.0, 'f', 1)};
}

} // namespace

bool airspeedInRange(const RenderOptions &options, QString &error)
{
    const Wing &wing = options.polar;
    const auto [lo, hi] = typedRange(wing);
    if (options.airspeed && !inRangeOf(wing, *options.airspeed)) {
        error = translated("Tools", "--airspeed: Zahl von %1 bis %2 erwartet, nicht '%3'")
                    .arg(lo, hi, shortened(options.airspeedText));
        return false;
    }
    for (const RenderState &state : options.states) {
        if (state.airspeed && !inRangeOf(wing, *state.airspeed)) {
            error = translated("Tools", "--state: Fahrt von %1 bis %2 erwartet, nicht '%3'")
                        .arg(lo, hi, shortened(state.text));
            return false;
        }
    }
    const Wing &held = options.comparePolar;
    if (options.compare && options.compare->airspeed &&
        !inRangeOf(held, *options.compare->airspeed)) {
        const auto [heldLo, heldHi] = typedRange(held);
        error = translated("Tools", "--compare: Fahrt von %1 bis %2 erwartet, nicht '%3'")
                    .arg(heldLo, heldHi, shortened(options.compare->text));
        return false;
    }
    return true;
}

QString renderUsage()
{
    return translated(
               "Tools",
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
               "  --fit                   das Bild so verschoben, dass der Zustand ganz zu\n"
               "                          sehen ist (Polare, Ursprung, Berührpunkt, Bremsskala);\n"
               "                          --state-Seiten tun das von selbst\n"
               "  --fixed                 der feste Ausschnitt des Fensters, auch für --state\n"
               "  --size BxH              Größe des ganzen Bildes in Pixeln, die Zeile der\n"
               "                          Gleitzahlen eingeschlossen (Vorgabe 1600x1026; für\n"
               "                          PDF das Seitenverhältnis, Vorgabe 1100x726)\n"
               "  -o DATEI                Ausgabedatei; -o - schreibt ein PNG auf die "
               "Standardausgabe\n"
               "%1"
               "  --scale F               Schriften und Linien F-mal so groß (0.5..8), etwa für\n"
               "                          einen Projektor mit --size 3840x2160; das Bild muss\n"
               "                          je F mindestens 800x500 Pixel haben\n"
               "  --state H,V[,FAHRT]     ein Zustand (Einheiten wie --wind-h, --wind-v,\n"
               "                          --airspeed); mehrmals: eine PDF-Seite je Zustand\n"
               "  --worksheet N           ein Arbeitsblatt (PDF, A4 hoch) mit N Aufgaben zu\n"
               "                          zufälligen Winden, danach die Lösungen (1..200)\n"
               "  --seed S                dieselben Winde für dasselbe S\n"
               "  --mc MC                 Sollfahrt nach MacCready für ein erwartetes Steigen\n"
               "                          MC in m/s (0.0..5.0, mit Dezimalpunkt; anders als\n"
               "                          --wind-v nicht in Zehnteln): Tangente, Schnitt und\n"
               "                          die Antwort in der Zeile der Gleitzahlen\n"
               "  --drift                 mit --mc: der Bart driftet mit dem Wind\n"
               "  --topic glide|reach|mc  was das Arbeitsblatt fragt: bestes Gleiten\n"
               "                          (Vorgabe), ob ein Landeplatz erreicht wird, oder\n"
               "                          Sollfahrt und Schnitt nach MacCready\n"
               "  --reach KM,M[,SH]       ein Landeplatz KM entfernt, M Meter tiefer, mit\n"
               "                          Sicherheitshöhe SH in m (Vorgabe 0): die nötige\n"
               "                          Gleitzahl, die Fahrten, die ihn erreichen, und die\n"
               "                          Antwort in der Zeile der Gleitzahlen\n"
               "  --compare H,V[,FAHRT]   ein Zustand zum Vergleich, grau unter dem Bild, mit\n"
               "                          Legende (Einheiten wie --state), auf jeder Seite\n"
               "  --compare-polar DATEI   sein eigener Schirm (sonst der des Bildes); dazu\n"
               "                          --compare-speeds, --compare-mass, --compare-ref-mass\n"
               "                          und --compare-name wie die Optionen des Schirms\n"
               "  --help, --version       diese Hilfe, die Version\n")
        .arg(wingUsage());
}

namespace {

DiagramState diagramStateOf(const RenderOptions &options, int windH, int windVTenths,
                            std::optional<double> airspeed)
{
    DiagramState state;
    state.wing = options.polar;
    state.windH = static_cast<float>(windH);
    state.windV = WindVFromTenths(windVTenths);
    state.switches = {options.windVectors, options.airspeedVectors, false};
    if (airspeed) {
        state.switches.freeBrakes = true;
        state.airspeed = static_cast<float>(*airspeed);
    }
    state.scale = options.scale;
    // A lecture's page shows its state whole, strong winds too.
    state.fittedWindow = options.fit || (!options.states.isEmpty() && !options.fixed);
    state.airOrigin = options.windVectors;
    state.reach = options.reach;
    state.climb = options.climb;
    state.drifting = options.drifting;
    // A lecture's page says its wind; the window's instruction to move the bar is no
    // part of a page.
    if (!options.states.isEmpty()) {
        state.title = windInWords(windH, windVTenths, textLocale());
        state.switches.instruction = false;
    }
    if (options.compare) {
        const RenderState &held = *options.compare;
        const float heldH = static_cast<float>(held.windH);
        const float heldV = WindVFromTenths(held.windVTenths);
        state.comparison = Comparison{options.comparePolar, heldH, heldV,
                                      FlightFor(options.comparePolar,
                                                static_cast<float>(held.airspeed.value_or(0)),
                                                held.airspeed.has_value(), heldH, heldV)};
    }
    return state;
}

} // namespace

DiagramState stateOf(const RenderOptions &options)
{
    if (!options.states.isEmpty()) {
        const RenderState &first = options.states.first();
        return diagramStateOf(options, first.windH, first.windVTenths, first.airspeed);
    }
    return diagramStateOf(options, options.windH, options.windVTenths, options.airspeed);
}

QList<DiagramState> statesOf(const RenderOptions &options)
{
    QList<DiagramState> states;
    for (const RenderState &state : options.states) {
        states.append(diagramStateOf(options, state.windH, state.windVTenths, state.airspeed));
    }
    if (states.isEmpty()) {
        states.append(stateOf(options));
    }
    return states;
}
