#include "DiagramExport.h"
#include "SafeOutput.h"

#include <QApplication>
#include <cstdio>

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "azodo-render: %s\n", oneLine(message).toLocal8Bit().constData());
}

// Qt's own warnings (fonts, plugins) are English and would break the one-line answer.
void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char *argv[])
{
    ignoreOutputSignals();
    // Arguments first: a bad call gets its one-line answer before any window system
    // is touched. An argument that is not valid text in the system's encoding would be
    // read as another name than the one given, so it is refused.
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const QString text = QString::fromLocal8Bit(raw);
        if (text.toLocal8Bit() != raw) {
            printError(QStringLiteral("Argument %1 ist kein gültiger Text in der Zeichenkodierung "
                                      "des Systems")
                           .arg(i));
            return 2;
        }
        args.append(text);
    }
    QString error;
    const auto options = parseRenderArguments(args, error);
    if (!options) {
        printError(error);
        return 2;
    }
    if (options->help || options->version) {
        const QString text =
            options->help ? renderUsage() : QStringLiteral("azodo-render " AZODO_VERSION "\n");
        if (const int e = writeStandardOutput(text.toUtf8()); e != 0) {
            printError(QStringLiteral("die Ausgabe kann nicht geschrieben werden: %1")
                           .arg(systemErrorText(e)));
            return 1;
        }
        return 0;
    }

    // The export needs no display, whatever the environment names; and Qt never sees the
    // user's arguments, so it cannot read them as its own options.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qunsetenv("QT_QPA_GENERIC_PLUGINS");
    qunsetenv("QT_STYLE_OVERRIDE");
    qInstallMessageHandler(quietMessages);
    int qtArgc = 1;
    char name[] = "azodo-render";
    char *qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);

    const bool toStdout = options->output == QLatin1String("-");
    const ExportFormat format = toStdout ? ExportFormat::Png : exportFormatFor(options->output);
    const QByteArray bytes = exportDiagram(
        format, QSize(options->outputWidth(), options->outputHeight()), stateOf(*options));
    if (bytes.isEmpty()) {
        printError(QStringLiteral("das Bild konnte nicht erzeugt werden"));
        return 1;
    }
    if (toStdout) {
        if (const int e = writeStandardOutput(bytes); e != 0) {
            printError(QStringLiteral("die Ausgabe kann nicht geschrieben werden: %1")
                           .arg(systemErrorText(e)));
            return 1;
        }
        return 0;
    }
    if (!writeFileSafely(options->output.toLocal8Bit(), bytes, error)) {
        printError(
            QStringLiteral("'%1' kann nicht geschrieben werden: %2").arg(options->output, error));
        return 1;
    }
    return 0;
}
