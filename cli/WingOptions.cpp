#include "WingOptions.h"
#include "Language.h"
#include "WingMessages.h"

#include "SafeOutput.h"
#include "ToolStart.h"

#include <QFile>

bool takeWingOption(const QStringList &args, int &i, std::optional<WingChoice> &choice,
                    QString &error, const QString &prefix)
{
    const QString &arg = args[i];
    if (!arg.startsWith(prefix)) {
        return false;
    }
    const QString name = QStringLiteral("--") + arg.mid(prefix.size());
    if (name != QLatin1String("--polar") && name != QLatin1String("--speeds") &&
        name != QLatin1String("--mass") && name != QLatin1String("--ref-mass") &&
        name != QLatin1String("--name")) {
        return false;
    }
    if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
        error = translated("Tools", "%1: Wert fehlt").arg(arg);
        return true;
    }
    const QString value = args[++i];
    if (!choice) {
        choice = WingChoice{};
    }
    if (name == QLatin1String("--polar")) {
        choice->path = QFile::encodeName(value).toStdString();
    } else if (name == QLatin1String("--name")) {
        choice->name = value.toStdString();
    } else if (name == QLatin1String("--speeds")) {
        const QStringList parts = value.split(QLatin1Char(':'));
        if (parts.size() != 3) {
            // "24,5:37:52" splits into three parts too; only a comma that is no decimal
            // point stays here.
            error = translated("Tools", "%1: MIN:TRIMM:MAX in km/h erwartet, nicht '%2'")
                        .arg(arg, shortened(value));
            return true;
        }
        double v[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k) {
            if (!parseDecimalOption(arg, parts[k], v[k], error)) {
                return true;
            }
            if (v[k] < kWingLowestSpeed || v[k] > kWingHighestSpeed) {
                error = translated("Tools", "%1: „%2“ km/h liegt nicht zwischen 10 und 120 km/h")
                            .arg(arg, shortened(parts[k]));
                return true;
            }
        }
        choice->minSpeed = static_cast<float>(v[0]);
        choice->trimSpeed = static_cast<float>(v[1]);
        choice->maxSpeed = static_cast<float>(v[2]);
    } else {
        double kg = 0;
        if (!parseDecimalOption(arg, value, kg, error)) {
            return true;
        }
        if (kg < kWingLightest || kg > kWingHeaviest) {
            error = translated("Tools", "%1: Masse in kg von 30 bis 300 erwartet, nicht '%2'")
                        .arg(arg, shortened(value));
            return true;
        }
        (name == QLatin1String("--mass") ? choice->massKg : choice->refMassKg) = kg;
    }
    return true;
}

bool checkWingChoice(const std::optional<WingChoice> &choice, QString &error, const QString &prefix)
{
    if (choice && choice->path.empty()) {
        error = translated("Tools", "%1speeds, %1mass, %1ref-mass und %1name gelten nur zusammen "
                                    "mit %1polar")
                    .arg(prefix);
        return false;
    }
    return true;
}

std::optional<Wing> loadChosenWing(const WingChoice &choice, const char *tool, QString &error)
{
    WingProblem why;
    std::optional<Wing> wing = loadWing(choice, why);
    if (!wing) {
        error = wingProblemText(why);
        return std::nullopt;
    }
    printWingNotes(*wing, tool);
    return wing;
}

void printWingNotes(const Wing &wing, const char *tool)
{
    for (const WingProblem &note : wing.notes) {
        printToolError(tool, wingProblemText(note));
    }
}

QString wingUsage()
{
    return translated(
        "Tools",
        "  --polar DATEI           die Polare des eigenen Schirms: die Dreipunktzeile der\n"
        "                          Fluginstrumente (Masse, Ballast, v1, w1, v2, w2, v3, w3)\n"
        "                          oder eine Tabelle airspeed_kmh,sink_ms (mindestens 3 Zeilen)\n"
        "  --speeds MIN:TRIMM:MAX  volle Bremse, Trimm, voller Beschleuniger in km/h bei der\n"
        "                          Bezugsmasse (Vorgabe der Dreipunktzeile: v1:v2:v3)\n"
        "  --mass KG               Startmasse; Fahrten und Sinken wachsen mit der Wurzel\n"
        "  --ref-mass KG           Bezugsmasse einer Tabelle\n"
        "  --name TEXT             Name des Schirms (Vorgabe: der Dateiname)\n");
}
