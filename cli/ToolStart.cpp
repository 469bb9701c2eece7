#include "ToolStart.h"

#include "Language.h"
#include "SafeOutput.h"

#include <QHashFunctions>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtGlobal>
#include <cerrno>
#include <cmath>
#include <cstdio>

namespace {

void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

void printToolError(const char *tool, const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", tool, oneLine(message).toLocal8Bit().constData());
}

bool prepareTool(int argc, char *argv[], const char *tool, QStringList &args)
{
    guardStandardDescriptors();
    ignoreOutputSignals();
    setUpLanguage();
    return decodeArguments(argc, argv, tool, args);
}

bool decodeArguments(int argc, char *argv[], const char *tool, QStringList &args)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        // A leading byte order mark stays in the text: skipped, the text would no longer
        // be what was typed, and a file of that name another file.
        QStringDecoder decode(QStringDecoder::System, QStringDecoder::Flag::ConvertInitialBom);
        QStringEncoder encode(QStringEncoder::System);
        const QString text = decode(raw);
        if (decode.hasError() || QByteArray(encode(text)) != raw) {
            printToolError(tool, translated("Tools", "Argument %1 ist kein gültiger Text in der "
                                                     "Zeichenkodierung des Systems")
                                     .arg(i));
            return false;
        }
        args.append(text);
    }
    return true;
}

QString decimalCommaError(const QString &option, const QString &part)
{
    return translated("Tools", "%1: Dezimalpunkt statt Komma: „%2“").arg(option, shortened(part));
}

bool isDecimalComma(const QString &text)
{
    static const QRegularExpression comma(QStringLiteral("^[+-]?\\d+,\\d+$"));
    return comma.match(text).hasMatch();
}

bool parseDecimalOption(const QString &option, const QString &text, double &value, QString &error)
{
    if (isDecimalComma(text)) {
        error = decimalCommaError(option, text);
        return false;
    }
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    // One sign at most: QLocale takes none of "+-1" anyway, but say so plainly.
    if (!ok || !std::isfinite(value) || text.startsWith(QLatin1String("+-")) ||
        text.startsWith(QLatin1String("-+"))) {
        error = translated("Tools", "%1: „%2“ ist keine Zahl").arg(option, shortened(text));
        return false;
    }
    return true;
}

int writeOutput(const char *tool, const QString &target, const QByteArray &bytes)
{
    if (target == QLatin1String("-")) {
        if (const int e = writeStandardOutput(bytes); e != 0) {
            if (e == EBADF) {
                printToolError(tool, systemErrorText(e));
                return 1;
            }
            printToolError(tool,
                           translated("Tools", "die Ausgabe kann nicht geschrieben werden: %1")
                               .arg(systemErrorText(e)));
            return 1;
        }
        return 0;
    }
    QString error;
    if (!writeFileSafely(target.toLocal8Bit(), bytes, error)) {
        printToolError(tool, translated("Tools", "'%1' kann nicht geschrieben werden: %2")
                                 .arg(shortened(target), error));
        return 1;
    }
    return 0;
}

void prepareOffscreenQt()
{
    // The same input gives the same file: Qt's per-process hash seed would reorder a
    // PDF's objects from one run to the next.
    QHashSeed::setDeterministicGlobalSeed();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qunsetenv("QT_QPA_GENERIC_PLUGINS");
    qunsetenv("QT_STYLE_OVERRIDE");
    qInstallMessageHandler(quietMessages);
}
