#include "TableTool.h"
#include "Language.h"

#include "KneeboardCard.h"
#include "SafeOutput.h"
#include "TableArguments.h"
#include "ToolStart.h"
#include "WingOptions.h"

#include <QGuiApplication>

namespace {

constexpr char kTool[] = "azodo-table";

// The printable card needs fonts, not a display.
int writeCard(const CardOptions &options)
{
    prepareOffscreenQt();
    int qtArgc = 1;
    char name[] = "azodo-table";
    char *qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const QByteArray bytes = cardPdf(options);
    if (bytes.isEmpty()) {
        printToolError(kTool, translated("Tools", "die Karte konnte nicht erzeugt werden"));
        return 1;
    }
    return writeOutput(kTool, options.pdf, bytes);
}

} // namespace

int runTableTool(int argc, char *argv[])
{
    auto options = startTool(argc, argv, kTool, parseCardArguments);
    if (!options) {
        return 2;
    }
    if (options->wing && !options->help && !options->version) {
        QString error;
        const std::optional<Wing> wing = loadChosenWing(*options->wing, kTool, error);
        if (!wing) {
            printToolError(kTool, error);
            return 2;
        }
        options->polar = *wing;
    }
    if (!options->pdf.isEmpty() && !options->help && !options->version) {
        return writeCard(*options);
    }
    const QString out = options->version ? QStringLiteral("azodo-table " AZODO_VERSION "\n")
                        : options->help  ? cardUsage()
                        : options->climbTenths && options->csv ? climbCsv(*options)
                        : options->climbTenths                 ? climbTable(*options)
                        : options->csv                         ? cardCsv(*options)
                        : options->reach                       ? reachTable(*options)
                                                               : cardTable(*options);
    return writeOutput(kTool, QStringLiteral("-"), out.toUtf8());
}
