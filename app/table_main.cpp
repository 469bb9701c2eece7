#include "SpeedToFlyCard.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString error;
    const auto options = parseCardArguments(QCoreApplication::arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "azodo-table: %s\n", qPrintable(error));
        return 2;
    }
    const QString out = options->help  ? cardUsage()
                        : options->csv ? cardCsv(*options)
                                       : cardTable(*options);
    std::fputs(out.toUtf8().constData(), stdout);
    return 0;
}
