#include "SafeOutput.h"
#include "SpeedToFlyCard.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    ignoreOutputSignals();
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    QString error;
    const auto options = parseCardArguments(args, error);
    if (!options) {
        std::fprintf(stderr, "azodo-table: %s\n", oneLine(error).toLocal8Bit().constData());
        return 2;
    }
    const QString out = options->version ? QStringLiteral("azodo-table " AZODO_VERSION "\n")
                        : options->help  ? cardUsage()
                        : options->csv   ? cardCsv(*options)
                                         : cardTable(*options);
    if (const int e = writeStandardOutput(out.toUtf8()); e != 0) {
        std::fprintf(stderr, "azodo-table: die Ausgabe kann nicht geschrieben werden: %s\n",
                     systemErrorText(e).toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
