#include "KneeboardCard.h"
#include "SafeOutput.h"
#include "SpeedToFlyCard.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

// The printable card needs fonts, not a display: it is drawn offscreen, and Qt's own
// messages, in English, stay out of the one-line answer.
int writeCard(const CardOptions &options)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qunsetenv("QT_QPA_GENERIC_PLUGINS");
    qInstallMessageHandler(quietMessages);
    int qtArgc = 1;
    char name[] = "azodo-table";
    char *qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const QByteArray bytes = cardPdf(options);
    if (bytes.isEmpty()) {
        std::fputs("azodo-table: die Karte konnte nicht erzeugt werden\n", stderr);
        return 1;
    }
    QString error;
    if (options.pdf == QLatin1String("-")) {
        if (const int e = writeStandardOutput(bytes); e != 0) {
            error = systemErrorText(e);
        }
    } else if (!writeFileSafely(options.pdf.toLocal8Bit(), bytes, error)) {
        error = QStringLiteral("'%1' kann nicht geschrieben werden: %2").arg(options.pdf, error);
    } else {
        return 0;
    }
    if (error.isEmpty()) {
        return 0;
    }
    std::fprintf(stderr, "azodo-table: %s\n", oneLine(error).toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    ignoreOutputSignals();
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const QString text = QString::fromLocal8Bit(raw);
        // A name that is not valid text would be written as another name than the one given.
        if (text.toLocal8Bit() != raw) {
            std::fprintf(stderr,
                         "azodo-table: Argument %d ist kein gültiger Text in der "
                         "Zeichenkodierung des Systems\n",
                         i);
            return 2;
        }
        args.append(text);
    }
    QString error;
    const auto options = parseCardArguments(args, error);
    if (!options) {
        std::fprintf(stderr, "azodo-table: %s\n", oneLine(error).toLocal8Bit().constData());
        return 2;
    }
    if (!options->pdf.isEmpty() && !options->help && !options->version) {
        return writeCard(*options);
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
