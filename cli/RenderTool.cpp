#include "RenderTool.h"
#include "Language.h"

#include "Exercise.h"
#include "RenderArguments.h"
#include "SafeOutput.h"
#include "ToolStart.h"
#include "WingOptions.h"
#include "Worksheet.h"

#include <QApplication>
#include <QRegularExpression>
#include <random>

namespace {

constexpr char kTool[] = "azodo-render";

// Words as a POSIX shell reads them back: quoted where a character would mean something.
QString shellWords(const QStringList &words)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:,=+@%-]+$"));
    QStringList quoted;
    for (const QString &w : words) {
        quoted << (plain.match(w).hasMatch()
                       ? w
                       : QLatin1Char('\'') +
                             QString(w).replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
                             QLatin1Char('\''));
    }
    return quoted.join(QLatin1Char(' '));
}

} // namespace

int runRenderTool(int argc, char *argv[])
{
    // Arguments first: a bad call gets its one-line answer before any window system
    // is touched.
    auto options = startTool(argc, argv, kTool, parseRenderArguments);
    if (!options) {
        return 2;
    }
    if (options->help || options->version) {
        const QString text =
            options->help ? renderUsage() : QStringLiteral("azodo-render " AZODO_VERSION "\n");
        return writeOutput(kTool, QStringLiteral("-"), text.toUtf8());
    }
    if (options->wing || options->compareWing) {
        QString error;
        std::optional<Wing> wing = options->polar;
        if (options->wing) {
            wing = loadChosenWing(*options->wing, kTool, error);
        }
        std::optional<Wing> held = wing;
        if (wing && options->compareWing) {
            held = loadChosenWing(*options->compareWing, kTool, error);
        }
        if (!wing || !held) {
            printToolError(kTool, error);
            return 2;
        }
        options->polar = *wing;
        options->comparePolar = *held;
        if (!airspeedInRange(*options, error)) {
            printToolError(kTool, error);
            return 2;
        }
    }

    // The export needs no display; and Qt never sees the user's arguments, so it cannot
    // read them as its own options.
    prepareOffscreenQt();
    int qtArgc = 1;
    char name[] = "azodo-render";
    char *qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);

    // A wing for which no wind of the envelope makes a task whose tangent touches.
    if (options->worksheet > 0 && !anyWindFitsTask(options->polar, TaskView::FittedDiagram)) {
        printToolError(kTool, withNumberSign(translated(
                                  "Tools", "--worksheet: für diesen Schirm ergibt kein Wind "
                                           "von -30 bis 30 km/h und -2,0 bis 1,0 m/s eine "
                                           "Aufgabe, deren Tangente die Polare berührt")));
        return 2;
    }
    const bool toStdout = options->output == QLatin1String("-");
    const ExportFormat format = toStdout ? ExportFormat::Png : exportFormatFor(options->output);
    const QSize size(options->outputWidth(),
                     options->diagramHeight(readoutStripHeight(options->scale)));
    QByteArray bytes;
    if (options->worksheet > 0) {
        // The footer gives the whole command that makes the same sheet again.
        const std::uint64_t seed = options->seed.value_or(std::random_device{}());
        QStringList remake{QStringLiteral("--worksheet"), QString::number(options->worksheet)};
        if (options->topic) {
            remake << QStringLiteral("--topic")
                   << (*options->topic == WorksheetTopic::Reach        ? QStringLiteral("reach")
                       : *options->topic == WorksheetTopic::SpeedToFly ? QStringLiteral("mc")
                                                                       : QStringLiteral("glide"));
        }
        remake +=
            options->wingArguments + QStringList{QStringLiteral("--seed"), QString::number(seed),
                                                 QStringLiteral("-o"), options->output};
        bytes = worksheetPdf(options->polar, options->worksheet, seed,
                             QStringLiteral("azodo-render ") + shellWords(remake),
                             options->topic.value_or(WorksheetTopic::Glide));
    } else {
        bytes = options->states.size() > 1 ? exportPdfPages(size, statesOf(*options))
                                           : exportDiagram(format, size, stateOf(*options));
    }
    if (bytes.isEmpty()) {
        printToolError(kTool, translated("Tools", "das Bild konnte nicht erzeugt werden"));
        return 1;
    }
    return writeOutput(kTool, options->output, bytes);
}
