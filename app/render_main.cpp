#include "DiagramExport.h"
#include "SafeOutput.h"
#include "ToolMain.h"

#include <QApplication>

namespace {

constexpr char kTool[] = "azodo-render";

} // namespace

int main(int argc, char *argv[])
{
    guardStandardDescriptors();
    ignoreOutputSignals();
    // Arguments first: a bad call gets its one-line answer before any window system
    // is touched.
    QStringList args;
    if (!decodeArguments(argc, argv, kTool, args)) {
        return 2;
    }
    QString error;
    const auto options = parseRenderArguments(args, error);
    if (!options) {
        printToolError(kTool, error);
        return 2;
    }
    if (options->help || options->version) {
        const QString text =
            options->help ? renderUsage() : QStringLiteral("azodo-render " AZODO_VERSION "\n");
        return writeOutput(kTool, QStringLiteral("-"), text.toUtf8());
    }

    // The export needs no display; and Qt never sees the user's arguments, so it cannot
    // read them as its own options.
    prepareOffscreenQt();
    int qtArgc = 1;
    char name[] = "azodo-render";
    char *qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);

    const bool toStdout = options->output == QLatin1String("-");
    const ExportFormat format = toStdout ? ExportFormat::Png : exportFormatFor(options->output);
    const QByteArray bytes = exportDiagram(
        format, QSize(options->outputWidth(), options->outputHeight()), stateOf(*options));
    if (bytes.isEmpty()) {
        printToolError(kTool, QStringLiteral("das Bild konnte nicht erzeugt werden"));
        return 1;
    }
    return writeOutput(kTool, options->output, bytes);
}
