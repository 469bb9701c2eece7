#include "DiagramExport.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // The export needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QString error;
    const auto options = parseRenderArguments(QApplication::arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "azodo-render: %s\n", qPrintable(error));
        return 2;
    }
    if (options->help) {
        std::fputs(renderUsage().toUtf8().constData(), stdout);
        return 0;
    }
    if (!writePng(renderDiagram(*options), options->output, error)) {
        std::fprintf(stderr, "azodo-render: '%s' kann nicht geschrieben werden: %s\n",
                     qPrintable(options->output), qPrintable(error));
        return 1;
    }
    return 0;
}
