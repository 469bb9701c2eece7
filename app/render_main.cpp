#include "DiagramExport.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Arguments first: a bad call gets its one-line answer before any window system
    // is touched.
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    QString error;
    const auto options = parseRenderArguments(args, error);
    if (!options) {
        std::fprintf(stderr, "azodo-render: %s\n", qPrintable(error));
        return 2;
    }
    if (options->help) {
        std::fputs(renderUsage().toUtf8().constData(), stdout);
        return 0;
    }
    // The export needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (!writePng(renderDiagram(*options), options->output, error)) {
        std::fprintf(stderr, "azodo-render: '%s' kann nicht geschrieben werden: %s\n",
                     qPrintable(options->output), qPrintable(error));
        return 1;
    }
    return 0;
}
