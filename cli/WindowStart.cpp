#include "WindowStart.h"
#include "Language.h"
#include "WingMessages.h"

#include "RememberedWing.h"
#include "SafeOutput.h"
#include "ToolStart.h"
#include "WingOptions.h"

#include <QApplication>
#include <QMessageBox>
#include <QMutex>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QtMessageHandler g_defaultHandler = nullptr;
// Qt may speak from its own threads while it starts.
QMutex g_startMessagesLock;
QList<QPair<QtMsgType, QString>> g_startMessages;

// Qt gives up with a multi-line English abort when it finds no display; the user gets
// one line in the user's language and a plain exit code instead. What Qt says while it starts is
// held back until it is clear that the start succeeded.
void startMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        const QByteArray line =
            translated("Tools", "azodo: keine grafische Anzeige erreichbar; das Programm braucht "
                                "einen Bildschirm (DISPLAY oder WAYLAND_DISPLAY)\n")
                .toLocal8Bit();
        std::fputs(line.constData(), stderr);
        std::_Exit(1);
    }
    const QMutexLocker locked(&g_startMessagesLock);
    g_startMessages.append({type, message});
}

int printErrorAndExit(const QString &message)
{
    std::fprintf(stderr, "azodo: %s\n", oneLine(message).toLocal8Bit().constData());
    return 2;
}

int printAndExit(const QString &text)
{
    ignoreOutputSignals();
    if (const int e = writeStandardOutput(text.toUtf8()); e != 0) {
        std::fprintf(stderr, "azodo: %s\n",
                     translated("Tools", "die Ausgabe kann nicht geschrieben werden: %1")
                         .arg(systemErrorText(e))
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    return 0;
}

// The window's own options: the wing's and --seed N. True if args[i] is one (i moved past
// its value), error set where its value is bad.
bool takeWindowOption(const QStringList &args, int &i, std::optional<WingChoice> &choice,
                      std::optional<std::uint64_t> &seed, QString &error)
{
    if (takeWingOption(args, i, choice, error)) {
        return true;
    }
    if (args[i] != QLatin1String("--seed")) {
        return false;
    }
    bool ok = false;
    const qulonglong value = i + 1 < args.size() ? args[i + 1].toULongLong(&ok) : 0;
    if (!ok) {
        error = translated("Tools", "--seed: eine ganze Zahl ab 0 erwartet");
    }
    seed = value;
    ++i;
    return true;
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char *argv[], WindowOptions &options)
{
    guardStandardDescriptors();
    setUpLanguage();
    // The remembered wing lives under these names in the user's configuration folder.
    QCoreApplication::setOrganizationName(QStringLiteral("azodo"));
    QCoreApplication::setApplicationName(QStringLiteral("azodo"));
    // A name that is not valid text would be read as another file than the one given.
    QStringList args;
    if (!decodeArguments(argc, argv, "azodo", args)) {
        return 2;
    }
    std::optional<WingChoice> choice;
    for (int i = 0; i < args.size(); ++i) {
        // Anything else is Qt's (-platform, say), left to it and refused once it has taken
        // its own.
        if (QString error;
            takeWindowOption(args, i, choice, options.seed, error) && !error.isEmpty()) {
            return printErrorAndExit(error);
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            return printAndExit(QStringLiteral("azodo " AZODO_VERSION "\n"));
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return printAndExit(translated(
                "Tools",
                "Aufruf: azodo [--polar DATEI [--speeds MIN:TRIMM:MAX] [--mass KG]\n"
                "              [--ref-mass KG] [--name TEXT]]\n"
                "              [--seed N]\n"
                "       azodo --help | --version\n"
                "Var Azodoviravovorididaz: die Geschwindigkeitspolare eines Gleitschirms im "
                "Wind,\nbestes Gleiten über Grund, mit einer geführten Tour in 25 Schritten.\n"
                "Mit --polar zeigt es die Polare des eigenen Schirms; die Optionen sind die "
                "von\nazodo-table (siehe azodo-table --help). F5 stellt eine Übung; --seed N "
                "wiederholt\ndieselbe Folge von Winden. F6 wechselt die Lektion: bestes Gleiten "
                "oder\nLandeplatz erreichen.\n"));
        }
    }
    if (QString error; !checkWingChoice(choice, error)) {
        return printErrorAndExit(error);
    }
    if (choice) {
        WingProblem error;
        options.wing = loadWing(*choice, error);
        if (!options.wing) {
            return printErrorAndExit(wingProblemText(error));
        }
        printWingNotes(*options.wing, "azodo");
    } else {
        options.wing = rememberedWing(options.storedWingError);
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(int argc, char *argv[])
{
    QStringList args;
    if (!decodeArguments(argc, argv, "azodo", args)) {
        return 2;
    }
    // Read and checked before the window: only what is none of them matters here.
    std::optional<WingChoice> choice;
    std::optional<std::uint64_t> seed;
    for (int i = 0; i < args.size(); ++i) {
        if (QString error; takeWindowOption(args, i, choice, seed, error)) {
            continue;
        }
        return printErrorAndExit(translated("Tools", "unbekanntes Argument '%1' (siehe --help)")
                                     .arg(shortened(args[i])));
    }
    return std::nullopt;
}

void reportStoredWing(QWidget *window, const WindowOptions &options)
{
    if (!options.storedWingError.isEmpty()) {
        reportOverWindow(window, translated("Tools", "Polare laden"),
                         translated("Tools", "Die gespeicherte Polare gilt nicht mehr und ist "
                                             "vergessen; das Programm zeigt die eingebaute "
                                             "Polare.\n%1")
                             .arg(options.storedWingError));
    }
}

void reportOverWindow(QWidget *window, const QString &title, const QString &text)
{
    if (text.isEmpty()) {
        return;
    }
    // Over the window once it shows, not before it.
    QTimer::singleShot(0, window,
                       [window, title, text] { QMessageBox::warning(window, title, text); });
}

WindowStart::WindowStart()
{
    g_defaultHandler = qInstallMessageHandler(startMessageHandler);
}

void WindowStart::started()
{
    qInstallMessageHandler(g_defaultHandler);
    QList<QPair<QtMsgType, QString>> held;
    {
        const QMutexLocker locked(&g_startMessagesLock);
        held.swap(g_startMessages);
    }
    for (const auto &[type, message] : std::as_const(held)) {
        g_defaultHandler(type, QMessageLogContext(), message);
    }
    // Qt's own texts (the save dialog, the keys' names) in the language of the rest.
    installQtTranslations();
    // The diagram and its bars read left to right in every language; Qt's -reverse
    // would turn the wind bars round.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setApplicationVersion(QStringLiteral(AZODO_VERSION));
}
