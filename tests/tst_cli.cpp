// The three programs from outside: arguments, outputs, exit codes and failed writes.
#include "KneeboardCard.h"
#include "RenderArguments.h"
#include "SpeedToFlyGrid.h"
#include "TableArguments.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <fcntl.h>
#include <numeric>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
    QByteArray rawOut;
};

Run run(const QString &tool, const QStringList &args,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
        const QString &workingDirectory = QString())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workingDirectory);
    p.start(QStringLiteral(AZODO_BIN_DIR "/") + tool, args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1000;
    r.rawOut = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.rawOut);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// What a system tool (pdftotext, pdfinfo, pdfimages) prints for a file.
QString tool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Drains a FIFO in the background, so that a tool writing into it never blocks.
class FifoDrain
{
public:
    explicit FifoDrain(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK))
    {
        m_thread = std::thread([this] {
            char buffer[65536];
            while (!m_stop) {
                pollfd p{m_fd, POLLIN, 0};
                if (::poll(&p, 1, 20) > 0) {
                    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
                    if (n > 0) {
                        m_bytes += n;
                    }
                }
            }
        });
    }
    ~FifoDrain()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    long bytes() const { return m_bytes; }

private:
    int m_fd;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_bytes{0};
    std::thread m_thread;
};

bool isFifo(const QString &path)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

bool isCharDevice(const QString &path)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A null device node of the test's own where it may make one (as root), else the
// system's, which an ordinary user cannot replace anyway.
QString nullDevice(const QTemporaryDir &dir)
{
    if (::geteuid() == 0) {
        const QString node = dir.filePath(QStringLiteral("null"));
        if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
            const int fd = ::open(QFile::encodeName(node).constData(), O_WRONLY);
            if (fd >= 0) {
                ::close(fd);
                return node;
            }
            ::unlink(QFile::encodeName(node).constData());
        }
        return {};
    }
    return QStringLiteral("/dev/null");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                  QDir::System);
}

// A file of the given content in dir; its path.
QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

const QByteArray kSchoolWing = "90,0,24,-1.7,37,-1.1,54,-2.1\n";

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1)
               : QByteArray();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void csvOfWindsWorkedByHand();
    void csvOfALandingField();
    void withoutAFieldTheTableStaysAsItWas();
    void csvOfSpeedsToFly();
    void cardRejectsBadArguments_data();
    void cardRejectsBadArguments();
    void cardHelp();

    void renderWritesTheDiagram();
    void renderFreeBrakesAndNoVectors();
    void renderAnswersALandingField_data();
    void renderAnswersALandingField();
    void renderRejectsBadArguments_data();
    void renderRejectsBadArguments();
    void renderUnwritablePath();
    void renderVectorFiles();
    void kneeboardCard();
    void cardKeepsMassAndPagesForALongName();
    void renderHoldsAComparison();
    void wingCsvAgainstAnIndependentWalk();
    void vectorFilesHoldNoHiddenText();
    void renderNeverReplacesWhatIsNotAFile();
    void worksheetAnswersAreTheCards_data();
    void worksheetAnswersAreTheCards();
    void worksheetOfLandingFields();
    void worksheetOfSpeedsToFly();
    void slidesScaleAndStates();
    void lecturePagesShowStrongWindsWhole();
    void windowRefusesUnknownArguments();
    void printedPagesKeepATwentyCharacterName();
    void vectorExportHoldsNoPicture_data();
    void vectorExportHoldsNoPicture();
    void toolsReportFailedWrites_data();
    void toolsReportFailedWrites();
    void fuzzedArgumentsKeepTheContract();
    void wingReachesTheTools_data();
    void wingReachesTheTools();
    void programsAnswerWithoutADisplay_data();
    void programsAnswerWithoutADisplay();
    void languageFromTheEnvironment_data();
    void languageFromTheEnvironment();
    void numbersSpeakTheLanguageOfTheirSentence_data();
    void numbersSpeakTheLanguageOfTheirSentence();
};

void TestCli::csvOfWindsWorkedByHand()
{
    const Run r =
        run(QStringLiteral("azodo-table"),
            {QStringLiteral("--csv"), QStringLiteral("--wind-h"), QStringLiteral("-50:50:25"),
             QStringLiteral("--wind-v"), QStringLiteral("-10:15:5")});
    QCOMPARE(r.code, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("wind_h,wind_v,airspeed,glide_ratio,brake_percent,"
                                           "accelerator_percent,ground_speed_kmh,"
                                           "ground_vertical_ms,advice_airspeed_kmh"));
    QCOMPARE(lines.size(), 1 + 5 * 6);
    QHash<QString, QStringList> rows;
    for (const QString &line : lines.mid(1)) {
        const QStringList f = line.split(QLatin1Char(','));
        QCOMPARE(f.size(), 9);
        rows.insert(f[0] + QLatin1Char('/') + f[1], f);
        // The advice is best glide where the glider makes headway, else the full speed
        // bar, which drifts back least.
        QCOMPARE(f[8], f[6].toDouble() > 0 ? f[2] : QStringLiteral("50.0"));
        QCOMPARE(f[2].section(QLatin1Char('.'), 1).size(), 1);
        QCOMPARE(f[3].section(QLatin1Char('.'), 1).size(), 4);
        QCOMPARE(f[6].section(QLatin1Char('.'), 1).size(), 1);
        QCOMPARE(f[7].section(QLatin1Char('.'), 1).size(), 3);
        // The ground vector is airspeed plus wind, and the unsigned ratio is its slope.
        const double groundH = f[6].toDouble();
        const double groundV = f[7].toDouble();
        QVERIFY(std::fabs(groundH - (f[2].toDouble() + f[0].toDouble())) < 0.051);
        if (groundV != 0.0) {
            QVERIFY2(std::fabs(groundH / 3.6 / std::fabs(groundV) - f[3].toDouble()) <
                         0.01 * f[3].toDouble() + 0.01,
                     qPrintable(line));
        }
    }
    const struct
    {
        const char *wind;
        const char *airspeed;
        double ratio;
        const char *brakeAndAccelerator;
    } cases[] = {{"0/0.0", "33.5", 7.95, "23,0"},    {"-25/0.0", "43.5", 2.71, "0,46"},
                 {"25/0.0", "32.0", 14.0, "30,0"},   {"0/-1.0", "37.0", 4.38, "5,0"},
                 {"-25/-1.0", "49.0", 1.87, "0,92"}, {"0/1.5", "30.0", 21.9, "40,0"},
                 {"0/1.0", "31.0", 73.2, "35,0"},    {"-50/0.0", "50.0", 0.0, "0,100"}};
    for (const auto &c : cases) {
        const QStringList f = rows.value(QString::fromLatin1(c.wind));
        QVERIFY2(!f.isEmpty(), c.wind);
        QCOMPARE(f[2], QString::fromLatin1(c.airspeed));
        QVERIFY2(std::fabs(f[3].toDouble() - c.ratio) < 0.05, qPrintable(f.join(',')));
        QCOMPARE(f[4] + QLatin1Char(',') + f[5], QString::fromLatin1(c.brakeAndAccelerator));
    }
    QVERIFY(r.err.isEmpty());
}

void TestCli::csvOfALandingField()
{
    // The field's two columns after the card's own, which stay as they are: the arrival
    // height is the start height plus the sink over the ground for the time the ground
    // speed needs for the distance, at the airspeed of the row.
    const QStringList plain =
        run(QStringLiteral("azodo-table"), {"--csv"}).out.split(QLatin1Char('\n'));
    const QStringList lines = run(QStringLiteral("azodo-table"), {"--csv", "--reach", "6,800,150"})
                                  .out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), plain.first() + QStringLiteral(",arrival_m,reaches"));
    QCOMPARE(lines.size(), 1 + 11 * 9);
    int reached = 0;
    int stuck = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QVERIFY(lines[i].startsWith(plain[i] + QLatin1Char(',')));
        const QStringList f = lines[i].split(QLatin1Char(','));
        QCOMPARE(f.size(), 11);
        const double groundH = f[6].toDouble();
        if (groundH <= 0.0) {
            // Backwards at the row's airspeed; at full speed bar it may still move.
            QVERIFY2(f[9].isEmpty() == (f[0].toInt() + 50 <= 0), qPrintable(lines[i]));
            stuck += f[9].isEmpty() ? 1 : 0;
            continue;
        }
        const double arrival = 800.0 + f[7].toDouble() * 3600.0 * 6.0 / groundH;
        QVERIFY2(std::fabs(f[9].toDouble() - arrival) < 2.0 + 0.002 * std::fabs(arrival),
                 qPrintable(lines[i]));
        QCOMPARE(f[10], f[9].toDouble() >= 150.0 ? QStringLiteral("1") : QStringLiteral("0"));
        reached += f[10].toInt();
    }
    QVERIFY2(reached > 10 && stuck == 9,
             qPrintable(QStringLiteral("%1 %2").arg(reached).arg(stuck)));
}

void TestCli::renderAnswersALandingField_data()
{
    // The state, and the texts the picture must hold, worked by hand from the polar's
    // samples: at 40 km/h it sinks 1.57 m/s, in a 10 km/h tailwind 10 km take 720 s.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("short of the margin")
        << QStringList{"--reach", "6,800,150"}
        << QStringList{">nötig GZ 9.2<", ">Landeplatz 6.0 km, 800 m: nötig GZ 9.2 · bestes Gleiten "
                                         "GZ 7.9 über Grund, Ankunft 45 m – 105 m unter der "
                                         "Sicherheitshöhe<"};
    QTest::newRow("tailwind, the bar's airspeed judged")
        << QStringList{"--reach", "10,1000", "--wind-h", "10", "--airspeed", "40"}
        << QStringList{"Ihre Fahrt 40.0 km/h: es fehlen 130 m Höhe<",
                       ">Landeplatz 10.0 km, 1000 m: erreicht – Ankunft 34 m (34 m über der "
                       "Sicherheitshöhe) bei 32.5 km/h; Bremse 39 % bis Bremse 12 % reichen<"};
    QTest::newRow("headwind, to full accelerator")
        << QStringList{"--reach", "2,1000", "--wind-h", "-27"}
        << QStringList{"Ankunft 178 m", "ab Bremse 8 %, auch mit vollem Beschleuniger<"};
    QTest::newRow("lift on the way")
        << QStringList{"--reach", "5,500,100", "--wind-v", "15"}
        << QStringList{"steigt unterwegs, Ankunft höher als der Start"};
    QTest::newRow("no headway") << QStringList{"--reach", "5,500", "--wind-h", "-50"}
                                << QStringList{">Landeplatz 5.0 km, 500 m: kein Vorankommen<"};
    QTest::newRow("speed to fly, still air")
        << QStringList{"--mc", "1"}
        << QStringList{">Schnitt 15.8 km/h<",
                       ">MC 1.0 m/s: Sollfahrt 36.9 km/h (Bremse 6 %), Schnitt 15.8 km/h<"};
    QTest::newRow("speed to fly, drifting thermal in a headwind")
        << QStringList{"--mc", "1", "--drift", "--wind-h", "-20"}
        << QStringList{"Sollfahrt 36.9 km/h", "Schnitt -4.2 km/h<"};
    QTest::newRow("speed to fly, the bar judged")
        << QStringList{"--mc", "1", "--airspeed", "31.9"}
        << QStringList{"Ihre Fahrt 31.9 km/h: Schnitt 15."};
    QTest::newRow("without a field, no answer") << QStringList{"--wind-h", "10"} << QStringList{};
}

void TestCli::renderAnswersALandingField()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, texts);
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("field.svg"));
    const Run r = run(QStringLiteral("azodo-render"), args + QStringList{"-o", svg});
    QCOMPARE(r.code, 0);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    for (const QString &text : texts) {
        QVERIFY2(content.contains(text), qPrintable(text));
    }
    QCOMPARE(content.contains(QLatin1String("Landeplatz")) ||
                 content.contains(QLatin1String("Sollfahrt")),
             !texts.isEmpty());
}

void TestCli::worksheetOfLandingFields()
{
    // Twenty exam-style tasks: each names its field and margin; each solution's needed
    // ratio is the field's arithmetic, its arrival the card's best glide for that wind
    // flown over the distance, its yes or no the arrival against the margin.
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("felder.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {"--worksheet", "20", "--topic", "reach", "--seed", "3", "-o", sheet})
                 .code,
             0);
    const QString text = tool(QStringLiteral("pdftotext"), {sheet, QStringLiteral("-")})
                             .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QVERIFY(text.contains(QStringLiteral("--topic reach")));
    QCOMPARE(text.count(QStringLiteral("Sicherheitshöhe? Mit welcher Fahrt")), 40);
    static const QRegularExpression solution(QStringLiteral(
        "Sie sind (\\d+) m über dem Landeplatz, ([\\d,]+) km entfernt, (?:Windstille|(?:(\\d+) "
        "km/h (Gegenwind|Rückenwind))?(?:, )?(?:(\\d+,\\d) m/s (Abwind|Aufwind))?)\\. Reicht es "
        "mit (\\d+) m Sicherheitshöhe\\? Mit welcher Fahrt kommen Sie am höchsten an\\? +Nötig GZ "
        "([\\d,]+) · über Grund GZ [\\d,]+ \\(± [\\d,]+\\) · (reicht|reicht nicht) · Ankunft "
        "(-?\\d+) m \\(± (\\d+) m\\) bei ([\\d,]+) km/h"));
    const QLocale de(QLocale::German);
    int solved = 0;
    int reached = 0;
    for (auto it = solution.globalMatch(text); it.hasNext(); ++solved) {
        const auto m = it.next();
        const double height = m.captured(1).toDouble();
        const double km = de.toDouble(m.captured(2));
        const int windH = m.captured(3).toInt() * (m.captured(4) == "Gegenwind" ? -1 : 1);
        const int tenths = qRound(de.toDouble(m.captured(5)) * 10) *
                           (m.captured(6) == QLatin1String("Abwind") ? -1 : 1);
        const double margin = m.captured(7).toDouble();
        QCOMPARE(m.captured(8), de.toString(1000.0 * km / (height - margin), 'f', 1));
        const QStringList f = run(QStringLiteral("azodo-table"),
                                  {"--csv", "--wind-h", QStringLiteral("%1:%1:1").arg(windH),
                                   "--wind-v", QStringLiteral("%1:%1:1").arg(tenths)})
                                  .out.split(QLatin1Char('\n'))
                                  .value(1)
                                  .split(QLatin1Char(','));
        QCOMPARE(f.size(), 9);
        const double arrival = height + f[7].toDouble() * 3600.0 * km / f[6].toDouble();
        QVERIFY2(std::fabs(m.captured(10).toDouble() - arrival) <= 2.0, qPrintable(m.captured(0)));
        QCOMPARE(m.captured(9) == QLatin1String("reicht"), arrival >= margin);
        QVERIFY(std::fabs(arrival - margin) > m.captured(11).toDouble());
        QCOMPARE(m.captured(12), QString(f[2]).replace(QLatin1Char('.'), QLatin1Char(',')));
        reached += arrival >= margin ? 1 : 0;
    }
    QCOMPARE(solved, 20);
    QVERIFY2(reached >= 5 && reached <= 15, qPrintable(QString::number(reached)));
}

void TestCli::csvOfSpeedsToFly()
{
    // Each row against every airspeed of the built-in polar on a 0.01 km/h grid: the line
    // from the climb through the shifted polar point, where it crosses the speed axis.
    for (const bool drifting : {false, true}) {
        QStringList args{"--csv", "--mc", "0:5:0.5", "--wind-h", "10", "--wind-v", "-20:20:10"};
        if (drifting) {
            args << QStringLiteral("--drift");
        }
        const Run r = run(QStringLiteral("azodo-table"), args);
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("mc,wind_h,wind_v,airspeed,brake_percent,"
                                               "accelerator_percent,average_kmh"));
        QCOMPARE(lines.size(), 1 + 11 * 5);
        const Wing wing;
        int averages = 0;
        for (const QString &line : lines.mid(1)) {
            const QStringList f = line.split(QLatin1Char(','));
            QCOMPARE(f.size(), 7);
            const double climb = f[0].toDouble();
            const double windH = f[1].toDouble();
            const double windV = f[2].toDouble();
            const double origin = drifting ? windH : 0.0;
            double best = -1e300;
            double at = 0;
            bool tangent = true;
            for (int c = 1800; c <= 5000; ++c) {
                const double v = c / 100.0;
                const double sink = wing.sink(static_cast<float>(v)) + windV;
                tangent = tangent && sink < climb;
                const double average = origin + (v + windH - origin) * climb / (climb - sink);
                if (sink < climb && average > best) {
                    best = average;
                    at = v;
                }
            }
            QCOMPARE(f[6].isEmpty(), climb == 0.0 || !tangent);
            if (!f[6].isEmpty()) {
                ++averages;
                QVERIFY2(std::fabs(f[3].toDouble() - at) <= 0.5, qPrintable(line));
                QVERIFY2(std::fabs(f[6].toDouble() - best) <= 0.2, qPrintable(line));
                QCOMPARE(f[6].section(QLatin1Char('.'), 1).size(), 2);
            }
        }
        QVERIFY(averages > 30);
    }
}

void TestCli::withoutAFieldTheTableStaysAsItWas()
{
    // The table and the CSV as the programs printed them before landing fields came in,
    // byte for byte (SHA-256 of that version's output).
    QTemporaryDir dir;
    const QString wing = written(dir, QStringLiteral("school.plr"), kSchoolWing);
    const struct
    {
        QStringList args;
        const char *sha256;
    } outputs[] = {
        {{}, "bac01dd02eb34cb6cd1151934b95bd6b87af04b73ba187d564ed15edc2e9ab42"},
        {{"--csv"}, "9c5255d7ceac40e74069198474d6f15f712c44c9ab8f12d5a2018b8b363f282f"},
        {{"--polar", wing, "--mass", "95"},
         "7e54490e2a58f32bc26902ee428a1a948f27ed2507b46d7592a957a0fa180a75"},
        {{"--csv", "--polar", wing},
         "eda993ffbb7f5e045fcd5587a5f65ca697ed14929e3a50485f4bd580e5df7825"},
    };
    for (const auto &o : outputs) {
        const Run r = run(QStringLiteral("azodo-table"), o.args);
        QCOMPARE(r.code, 0);
        QCOMPARE(QCryptographicHash::hash(r.rawOut, QCryptographicHash::Sha256).toHex(),
                 QByteArray(o.sha256));
    }
}

void TestCli::worksheetOfSpeedsToFly()
{
    // Each solution is what the table of climbs says for its climb and wind.
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("mc.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {"--worksheet", "10", "--topic", "mc", "--seed", "4", "-o", sheet})
                 .code,
             0);
    const QString text = tool(QStringLiteral("pdftotext"), {sheet, QStringLiteral("-")})
                             .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QVERIFY(text.contains(QStringLiteral("--topic mc")));
    // The tasks' brake scales are read for the speed to fly, not for best glide.
    const QString tasks =
        tool(QStringLiteral("pdftotext"), {"-l", "5", sheet, QStringLiteral("-")});
    QCOMPARE(tasks.count(QRegularExpression(QStringLiteral("^Sollfahrt \\(MacCready\\)$"),
                                            QRegularExpression::MultilineOption)),
             10);
    QVERIFY(!tasks.contains(QStringLiteral("besten Gleitens")));
    static const QRegularExpression solution(QStringLiteral(
        "Erwartetes Steigen ([\\d,]+) m/s, (?:Windstille|(?:(\\d+) km/h (Gegenwind|Rückenwind))?"
        "(?:, )?(?:(\\d+,\\d) m/s (Abwind|Aufwind))?) auf der Strecke: Sollfahrt und Schnitt\\? +"
        "Sollfahrt ([\\d,]+) km/h \\(± 1 km/h\\) · (Trimm|Bremse \\d+ %|Beschleuniger \\d+ %) "
        "\\(± \\d+ %\\) · Schnitt (-?[\\d,]+) km/h"));
    const QLocale de(QLocale::German);
    int solved = 0;
    for (auto it = solution.globalMatch(text); it.hasNext(); ++solved) {
        const auto m = it.next();
        const int windH = m.captured(2).toInt() * (m.captured(3) == "Gegenwind" ? -1 : 1);
        const int tenths = qRound(de.toDouble(m.captured(4)) * 10) *
                           (m.captured(5) == QLatin1String("Abwind") ? -1 : 1);
        const QStringList f =
            run(QStringLiteral("azodo-table"),
                {"--csv", "--mc", QString::number(de.toDouble(m.captured(1)), 'f', 1), "--wind-h",
                 QString::number(windH), "--wind-v", QString::number(tenths)})
                .out.split(QLatin1Char('\n'))
                .value(1)
                .split(QLatin1Char(','));
        QCOMPARE(f.size(), 7);
        QCOMPARE(m.captured(6), QString(f[3]).replace(QLatin1Char('.'), QLatin1Char(',')));
        QVERIFY2(std::fabs(de.toDouble(m.captured(8)) - f[6].toDouble()) <= 0.051,
                 qPrintable(m.captured(0)));
    }
    QCOMPARE(solved, 10);
}

void TestCli::cardRejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--wind")};
    QTest::newRow("empty range") << QStringList{QStringLiteral("--wind-h"),
                                                QStringLiteral("10:0:1")};
    QTest::newRow("zero step") << QStringList{QStringLiteral("--wind-h"), QStringLiteral("0:10:0")};
    QTest::newRow("beyond the bar")
        << QStringList{QStringLiteral("--wind-h"), QStringLiteral("-60:0:10")};
    QTest::newRow("vertical beyond the bar")
        << QStringList{QStringLiteral("--wind-v"), QStringLiteral("0:41:1")};
    QTest::newRow("not a number") << QStringList{QStringLiteral("--wind-v"),
                                                 QStringLiteral("a:b:c")};
    QTest::newRow("decimal") << QStringList{QStringLiteral("--wind-h"), QStringLiteral("0:1.5:1")};
    QTest::newRow("missing value")
        << QStringList{QStringLiteral("--csv"), QStringLiteral("--wind-h")};
    QTest::newRow("whole int range")
        << QStringList{QStringLiteral("--wind-h"), QStringLiteral("-2147483648:2147483647:1")};
    QTest::newRow("huge vertical range")
        << QStringList{QStringLiteral("--wind-v"), QStringLiteral("-100000000:100000000:1")};
}

void TestCli::cardRejectsBadArguments()
{
    QFETCH(QStringList, args);
    const Run r = run(QStringLiteral("azodo-table"), args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY(r.err.startsWith(QStringLiteral("azodo-table: ")));
}

void TestCli::cardHelp()
{
    const Run r = run(QStringLiteral("azodo-table"), {QStringLiteral("--help")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("--wind-v")));
}

void TestCli::renderWritesTheDiagram()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("still.png"));
    // --size is the whole picture: a diagram of 1200 x 1000 under its strip.
    const int strip = readoutStripHeight();
    const Run r = run(QStringLiteral("azodo-render"),
                      {QStringLiteral("--size"), QStringLiteral("1200x%1").arg(1000 + strip),
                       QStringLiteral("-o"), file});
    QCOMPARE(r.code, 0);
    QImage img(file);
    QVERIFY(!img.isNull());
    QCOMPARE(img.size(), QSize(1200, 1000 + strip));
    // One user unit is one pixel here; the origin sits at (600, strip + 500).
    const auto at = [&](double x, double y) {
        return img.pixelColor(qFloor(x + 600), qFloor(strip + 500 - y));
    };
    QCOMPARE(at(185, -360), QColor(255, 0, 0));   // first brake-scale box
    QCOMPARE(at(375, -360), QColor(0, 255, 0));   // box 37..38
    QCOMPARE(at(385, -360), QColor(21, 21, 234)); // box 38..39
    QCOMPARE(at(335, -360), QColor(0, 0, 0));     // brake bar at 33.5 km/h
    const QColor ring = at(335, -117.05 - 5);     // circle around the green tip
    QVERIFY2(ring.red() < 20 && std::abs(ring.green() - 155) < 20 && ring.blue() < 20,
             qPrintable(ring.name()));
    QCOMPARE(at(-300, 0), QColor(0, 0, 0)); // axis
    // The read-out line above: dark text pixels in the strip.
    bool text = false;
    for (int y = 0; y < strip && !text; ++y) {
        for (int x = 0; x < 400 && !text; ++x) {
            text = img.pixelColor(x, y).lightness() < 80;
        }
    }
    QVERIFY(text);
}

void TestCli::renderFreeBrakesAndNoVectors()
{
    RenderOptions o;
    o.width = 1200;
    o.height = 1000 + readoutStripHeight();
    o.airspeed = 45.0;
    o.windH = -25;
    o.windVTenths = 15;
    o.windVectors = false;
    o.airspeedVectors = false;
    const QImage img =
        diagramImage(QSize(o.outputWidth(), o.diagramHeight(readoutStripHeight())), stateOf(o));
    const int strip = img.height() - 1000;
    const auto at = [&](double x, double y) {
        return img.pixelColor(qFloor(x + 600), qFloor(strip + 500 - y));
    };
    // Brake bar at X(45 - 25) = 200 on the scale lifted by 1.5 m/s.
    QCOMPARE(at(200, -210), QColor(0, 0, 0));
    // No wind vector along the axis left of the origin.
    QCOMPARE(at(-120, 0), QColor(0, 0, 0)); // the black axis, no blue over it
    QVERIFY(at(-120, 2) != QColor(0, 0, 255));
}

void TestCli::renderRejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no output") << QStringList{};
    QTest::newRow("airspeed too low")
        << QStringList{QStringLiteral("--airspeed"), QStringLiteral("17.5"), QStringLiteral("-o"),
                       QStringLiteral("x.png")};
    QTest::newRow("wind beyond the bar")
        << QStringList{QStringLiteral("--wind-h"), QStringLiteral("51"), QStringLiteral("-o"),
                       QStringLiteral("x.png")};
    QTest::newRow("vertical not whole")
        << QStringList{QStringLiteral("--wind-v"), QStringLiteral("1.5"), QStringLiteral("-o"),
                       QStringLiteral("x.png")};
    QTest::newRow("bad size") << QStringList{QStringLiteral("--size"), QStringLiteral("100"),
                                             QStringLiteral("-o"), QStringLiteral("x.png")};
    QTest::newRow("unknown") << QStringList{QStringLiteral("--colour"), QStringLiteral("-o"),
                                            QStringLiteral("x.png")};
    const auto row = [](const char *name, std::initializer_list<const char *> args) {
        QStringList list;
        for (const char *a : args) {
            list.append(QString::fromUtf8(a));
        }
        QTest::newRow(name) << list;
    };
    row("no worksheet of 0 tasks", {"--worksheet", "0", "-o", "x.pdf"});
    row("no worksheet of 201 tasks", {"--worksheet", "201", "-o", "x.pdf"});
    row("a worksheet is a PDF", {"--worksheet", "2", "-o", "x.png"});
    row("a worksheet draws its own winds", {"--worksheet", "2", "--wind-h", "5", "-o", "x.pdf"});
    row("seed without worksheet", {"--seed", "4", "-o", "x.png"});
    row("scale too small", {"--scale", "0.4", "-o", "x.png"});
    row("scale too large", {"--scale", "8.5", "-o", "x.png"});
    row("state without its vertical wind", {"--state", "10", "-o", "x.pdf"});
    row("state beyond the bar", {"--state", "60,0", "-o", "x.pdf"});
    row("state airspeed beyond the polar", {"--state", "0,0,55", "-o", "x.pdf"});
    row("two states into a picture", {"--state", "0,0", "--state", "5,0", "-o", "x.png"});
    row("two states into a drawing", {"--state", "0,0", "--state", "5,0", "-o", "x.svg"});
    row("state and wind", {"--state", "0,0", "--wind-v", "5", "-o", "x.pdf"});
    row("state and airspeed", {"--airspeed", "30", "--state", "0,0", "-o", "x.pdf"});
}

void TestCli::renderRejectsBadArguments()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    for (QString &a : args) {
        if (a.startsWith(QLatin1String("x."))) {
            a = dir.filePath(a);
        }
    }
    const Run r = run(QStringLiteral("azodo-render"), args);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err.trimmed().count(QLatin1Char('\n')), 0);
    QVERIFY(r.err.startsWith(QStringLiteral("azodo-render: ")));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestCli::renderUnwritablePath()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/dir/out.png"));
    Run r = run(QStringLiteral("azodo-render"), {QStringLiteral("-o"), missing});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("out.png")));
    // The name of an existing folder: the folder stays as it was, nothing is left beside.
    const QString folder = dir.filePath(QStringLiteral("taken.png"));
    QVERIFY(QDir().mkdir(folder));
    r = run(QStringLiteral("azodo-render"), {QStringLiteral("-o"), folder});
    QCOMPARE(r.code, 1);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("taken.png")});
    // A read-only folder (only meaningful where permissions bind, not for root).
    const QString ro = dir.filePath(QStringLiteral("ro"));
    QVERIFY(QDir().mkdir(ro));
    const QString writable = ro + QStringLiteral("/old.png");
    {
        QFile f(writable);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(ro).isWritable()) {
        r = run(QStringLiteral("azodo-render"),
                {QStringLiteral("-o"), ro + QStringLiteral("/out.png")});
        QCOMPARE(r.code, 1);
        QCOMPARE(QDir(ro).entryList(QDir::Files | QDir::Hidden), QStringList{"old.png"});
        // A writable file in it is overwritten in place, as no file can be put beside it.
        r = run(
            QStringLiteral("azodo-render"),
            {QStringLiteral("--size"), QStringLiteral("200x200"), QStringLiteral("-o"), writable});
        QCOMPARE(r.code, 0);
        QCOMPARE(QImage(writable).width(), 200);
    }
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestCli::renderVectorFiles()
{
    // SVG and PDF are drawings, not pictures: every text is text, no image is embedded,
    // and the SVG drawn again shows the diagram where the window shows it.
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("polare.svg"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {QStringLiteral("--size"), QStringLiteral("1200x1000"), QStringLiteral("-o"), svg})
                 .code,
             0);
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    QVERIFY(!svgText.contains("<image"));
    for (const char *text :
         {"Gleitwinkel", "Geschwindigkeit des besten Gleitens", "km/h", "Gleitzahl in Luft"}) {
        QVERIFY2(svgText.contains(QByteArray(">") + text), text);
    }
    QSvgRenderer renderer(svgText);
    QVERIFY(renderer.isValid());
    QVERIFY(svgText.contains("width=\"317.5mm\"")); // 1200 CSS pixels
    const QSize whole = renderer.viewBox().size();
    QCOMPARE(whole.width(), 1200);
    QImage drawn(whole, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter p(&drawn);
        renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(whole)));
    }
    const int strip = whole.height() - 1000;
    QCOMPARE(drawn.pixelColor(600 + 185, strip + 500 + 360), QColor(255, 0, 0)); // first box
    QCOMPARE(drawn.pixelColor(600 + 335, strip + 500 + 360), QColor(0, 0, 0));   // brake bar

    const QString pdf = dir.filePath(QStringLiteral("polare.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {QStringLiteral("--wind-h"), QStringLiteral("-25"), QStringLiteral("-o"), pdf})
                 .code,
             0);
    const QString text = tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Gleitzahl über Grund: -2")), qPrintable(text.left(200)));
    QVERIFY(text.contains(QStringLiteral("Flugrichtung von der Seite")));
    QVERIFY(text.contains(QStringLiteral("Beschleuniger")));
    const QStringList images = tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2); // the two header lines, no image
    const QString info = tool(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(
                 QRegularExpression(QStringLiteral("Page size: +841.89 x 595.276 pts \\(A4\\)"))) ||
                 info.contains(QStringLiteral("842 x 595 pts (A4)")),
             qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Pages:           1")));
}

namespace {

// Glide cells of a card's grid, counted from its CSV: forward and down over the ground,
// at the airspeed the card advises (the built-in polar's full speed, 50 km/h, sinking
// 2.7193 m/s, where best glide makes no headway), and sinking at least 0,05 m/s.
int glideCells(const QStringList &gridArgs)
{
    const Run r =
        run(QStringLiteral("azodo-table"), QStringList{QStringLiteral("--csv")} + gridArgs);
    int glides = 0;
    for (const QString &line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1)) {
        const QStringList f = line.split(QLatin1Char(','));
        const bool advisedFull = f.value(6).toDouble() <= 0;
        const double groundH = advisedFull ? 50.0 + f.value(0).toDouble() : f.value(6).toDouble();
        const double groundV =
            advisedFull ? -2.7193 + f.value(1).toDouble() : f.value(7).toDouble();
        glides += groundH > 0 && groundV <= -0.05 ? 1 : 0;
    }
    return glides;
}

// The smallest text of a PDF in points: the height of its lowest word box.
double smallestTextPoints(const QString &pdf)
{
    const QString html =
        tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
    double smallest = 1000;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        smallest = std::min(smallest, m.captured(2).toDouble() - m.captured(1).toDouble());
    }
    return smallest;
}

} // namespace

void TestCli::kneeboardCard()
{
    QTemporaryDir dir;
    const QString a5 = dir.filePath(QStringLiteral("karte.pdf"));
    Run r = run(QStringLiteral("azodo-table"), {QStringLiteral("--pdf"), a5});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.isEmpty() && r.err.isEmpty());
    const QString info = tool(QStringLiteral("pdfinfo"), {a5});
    QVERIFY(info.contains(QStringLiteral("(A5)")));
    // The default grid on one page, its smallest text at least 6 pt (a word box is a
    // little taller than the font's size).
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    QVERIFY(smallestTextPoints(a5) >= 6.0);
    const QString text = tool(QStringLiteral("pdftotext"), {a5, QStringLiteral("-")});
    // Still air: best glide 33.5 km/h is 23 % brake; 25 km/h headwind: 46 % accelerator.
    QVERIFY(text.contains(QStringLiteral("33,5 km/h\nGZ 7,9")));
    QVERIFY(text.contains(QStringLiteral("23 %")));
    QVERIFY(text.contains(QStringLiteral("Beschl.")));
    QVERIFY(text.contains(QStringLiteral("ersetzt keine Flugausbildung")));
    // A ratio only where the glider glides; every other cell says what it does.
    const int glides = glideCells({});
    QVERIFY(glides > 0 && glides < 11 * 9);
    QCOMPARE(text.count(QStringLiteral("GZ ")), glides);
    QVERIFY(text.contains(QStringLiteral("steigt 0,9 m/s")));
    QVERIFY(text.contains(QStringLiteral("kein Vorankommen")));
    // A small page continues on pages whose parts differ by one row or column at most,
    // and no cell is lost on the way.
    const QString a6 = dir.filePath(QStringLiteral("a6.pdf"));
    r = run(QStringLiteral("azodo-table"),
            {QStringLiteral("--pdf"), a6, QStringLiteral("--paper"), QStringLiteral("a6")});
    QCOMPARE(r.code, 0);
    QVERIFY(smallestTextPoints(a6) >= 6.0);
    QVERIFY(tool(QStringLiteral("pdfinfo"), {a6})
                .contains(QRegularExpression(QStringLiteral("Pages: +4\n"))));
    CardOptions o;
    o.paper = QStringLiteral("a6");
    QList<qsizetype> rows, columns;
    qsizetype cells = 0;
    for (const CardPage &page : cardPages(o)) {
        rows.append(page.rows.size());
        columns.append(page.columns.size());
        cells += page.rows.size() * page.columns.size();
    }
    QCOMPARE(cells, 11 * 9);
    QCOMPARE(rows, (QList<qsizetype>{6, 6, 5, 5}));
    QCOMPARE(columns, (QList<qsizetype>{5, 4, 5, 4}));
    // A grid that needs many pages still splits evenly.
    o.windH = {-50, 50, 1};
    o.windV = {-40, 40, 1};
    const QList<CardPage> many = cardPages(o);
    QVERIFY(many.size() > 4);
    qsizetype least = 1000, most = 0;
    for (const CardPage &page : many) {
        least = std::min(least, page.rows.size());
        most = std::max(most, page.rows.size());
    }
    QVERIFY(most - least <= 1);
    r = run(QStringLiteral("azodo-table"),
            {QStringLiteral("--paper"), QStringLiteral("a3"), QStringLiteral("--pdf"), a6});
    QCOMPARE(r.code, 2);
}

void TestCli::cardKeepsMassAndPagesForALongName()
{
    // The widest 60 characters a name may have: only the name gives way, measured, and
    // every word stays on its page.
    QTemporaryDir dir;
    const QString polar = written(dir, QStringLiteral("w.plr"), kSchoolWing);
    const QString name(60, QLatin1Char('W'));
    for (const char *paper : {"a6", "a5", "a4"}) {
        const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
        const Run r = run(QStringLiteral("azodo-table"),
                          {"--polar", polar, "--name", name, "--mass", "95", "--speeds", "12:37:54",
                           "--paper", paper, "--pdf", pdf});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains(QStringLiteral("Hinweis")), qPrintable(r.err));
        const QString text = tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                                 .replace(QLatin1Char('\n'), QLatin1Char(' '));
        const int pages = tool(QStringLiteral("pdfinfo"), {pdf})
                              .section(QStringLiteral("Pages:"), 1)
                              .trimmed()
                              .section(QLatin1Char('\n'), 0, 0)
                              .toInt();
        QVERIFY(pages >= 1);
        static const QRegularExpression title(QStringLiteral(
            "(?:Bestes Gleiten über Grund: |^|\f)W+…?, 95 kg( +\\(Seite (\\d+) von (\\d+)\\))?"));
        int seen = 0;
        for (auto it = title.globalMatch(text); it.hasNext(); ++seen) {
            const auto m = it.next();
            QCOMPARE(m.captured(2).toInt(), pages > 1 ? seen + 1 : 0);
            QCOMPARE(m.captured(3).toInt(), pages > 1 ? pages : 0);
        }
        QCOMPARE(seen, pages);
        static const QRegularExpression warning(QStringLiteral(
            "Gilt nur für die Polare von W+…?, 95 kg bei dieser Masse und ersetzt keine "
            "Flugausbildung\\."));
        QCOMPARE(text.count(warning), pages);
        QCOMPARE(text.count(QStringLiteral("hochgerechnet")), pages);
        const QString boxes =
            tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const auto page = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\" "
                                                            "height=\"([0-9.]+)\""))
                              .match(boxes);
        QVERIFY(page.hasMatch());
        static const QRegularExpression word(QStringLiteral(
            "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const auto m = it.next();
            QVERIFY2(m.captured(3).toDouble() <= page.captured(1).toDouble() &&
                         m.captured(4).toDouble() <= page.captured(2).toDouble(),
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(paper), m.captured(0))));
        }
    }
}

void TestCli::renderHoldsAComparison()
{
    // School wing against performance wing at 20 km/h headwind, the slide an instructor
    // asks for: both named in the legend, on every page of a lecture.
    QTemporaryDir dir;
    const QString school = written(dir, QStringLiteral("Schulschirm.plr"), kSchoolWing);
    const QString fast =
        written(dir, QStringLiteral("Leistung.plr"), "100,0,25,-1.4,39,-1.0,58,-2.0\n");
    const QString svg = dir.filePath(QStringLiteral("vergleich.svg"));
    Run r = run(QStringLiteral("azodo-render"),
                {"--polar", fast, "--wind-h", "-20", "--compare", "-20,0", "--compare-polar",
                 school, "--compare-mass", "85", "-o", svg});
    QCOMPARE(r.code, 0);
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString drawing = QString::fromUtf8(f.readAll());
    // The held wing at its own mass, lighter and slower: its best glide differs.
    QVERIFY(drawing.contains(QStringLiteral("Schulschirm, 85 kg · ")));
    QVERIFY(drawing.contains(QStringLiteral("Leistung, 100 kg · ")));
    const QString pdf = dir.filePath(QStringLiteral("vortrag.pdf"));
    r = run(QStringLiteral("azodo-render"), {"--state", "-20,0", "--state", "0,-10", "--state",
                                             "10,5,30", "--compare", "-20,0", "-o", pdf});
    QCOMPARE(r.code, 0);
    const QString text = tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QCOMPARE(text.count(QStringLiteral("Eingebaute Polare")), 6); // grey and live, three pages
}

void TestCli::wingCsvAgainstAnIndependentWalk()
{
    // The README's wing at 95 kg: its parabola through the three points by Lagrange, the
    // mass applied by hand, and every airspeed of the 0.5 grid from MAX down tried for the
    // flattest path. The card's columns must say the same.
    QTemporaryDir dir;
    const QString polar = written(dir, QStringLiteral("w.plr"), kSchoolWing);
    const double k = std::sqrt(95.0 / 90.0);
    const auto at90 = [](double v) {
        const double x[] = {24, 37, 54}, y[] = {-1.7, -1.1, -2.1};
        double w = 0;
        for (int i = 0; i < 3; ++i) {
            double term = y[i];
            for (int j = 0; j < 3; ++j) {
                term *= j == i ? 1.0 : (v - x[j]) / (x[i] - x[j]);
            }
            w += term;
        }
        return w;
    };
    const auto sink = [&](double v) {
        return k * at90(v / k);
    };
    const double lo = 24 * k, trim = 37 * k, hi = 54 * k;
    const Run r =
        run(QStringLiteral("azodo-table"), {"--csv", "--polar", polar, "--mass", "95", "--wind-h",
                                            "-30:20:10", "--wind-v", "-15:5:10"});
    QCOMPARE(r.code, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 6 * 3);
    int glides = 0;
    for (const QString &line : lines.mid(1)) {
        const QStringList f = line.split(QLatin1Char(','));
        const double windH = f[0].toDouble(), windV = f[1].toDouble();
        const auto angle = [&](double v) {
            return std::atan2(sink(v) + windV, (v + windH) / 3.6);
        };
        double best = hi;
        for (double v = hi; v >= lo - 1e-9; v -= 0.5) {
            best = angle(v) > angle(best) + 1e-12 ? v : best;
        }
        const double gsH = best + windH, gsV = sink(best) + windV;
        if (!(gsH > 0 && gsV < 0)) {
            continue; // the walk and the flattest path part ways only where nothing glides
        }
        QVERIFY2(std::fabs(f[2].toDouble() - best) < 0.051, qPrintable(line));
        QVERIFY2(std::fabs(f[3].toDouble() - gsH / 3.6 / std::fabs(gsV)) < 1e-3 * f[3].toDouble(),
                 qPrintable(line));
        const int brake =
            best <= trim ? static_cast<int>(std::lround((trim - best) / (trim - lo) * 100)) : 0;
        const int accelerator =
            best > trim ? static_cast<int>(std::lround((best - trim) / (hi - trim) * 100)) : 0;
        QCOMPARE(f[4].toInt(), brake);
        QCOMPARE(f[5].toInt(), accelerator);
        QVERIFY2(std::fabs(f[6].toDouble() - gsH) < 0.051, qPrintable(line));
        QVERIFY2(std::fabs(f[7].toDouble() - gsV) < 0.0006, qPrintable(line));
        ++glides;
    }
    QVERIFY(glides >= 12);
}

void TestCli::vectorFilesHoldNoHiddenText()
{
    // In 50 km/h tailwind the brake scale with its labels and caption lies beyond the
    // frame: a vector file leaves them out instead of keeping them invisible for search
    // and copy. In still air they are there.
    QTemporaryDir dir;
    for (const char *ending : {"pdf", "svg"}) {
        const QString file = dir.filePath(QStringLiteral("d.") + QLatin1String(ending));
        const auto words = [&](const QStringList &wind) {
            const Run r = run(QStringLiteral("azodo-render"), wind + QStringList{"-o", file});
            if (r.code != 0) {
                return QString();
            }
            if (file.endsWith(QLatin1String(".pdf"))) {
                return tool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
            }
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString still = words({});
        const QString gale = words({"--wind-h", "50"});
        for (const char *hidden : {"Beschleuniger", "Bremse", "Geschwindigkeit des besten"}) {
            QVERIFY2(still.contains(QLatin1String(hidden)), hidden);
            QVERIFY2(!gale.contains(QLatin1String(hidden)), hidden);
        }
        QVERIFY(gale.contains(QStringLiteral("Gleitwinkel")));
    }
}

void TestCli::renderNeverReplacesWhatIsNotAFile()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.png"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    {
        FifoDrain drain(fifo);
        QVERIFY(drain.isOpen());
        const Run r =
            run(QStringLiteral("azodo-render"),
                {QStringLiteral("--size"), QStringLiteral("300x200"), QStringLiteral("-o"), fifo});
        QCOMPARE(r.code, 0);
        QTRY_VERIFY(drain.bytes() > 1000);
    }
    QVERIFY(isFifo(fifo));
    const QString device = nullDevice(dir);
    if (!device.isEmpty()) {
        const Run r = run(QStringLiteral("azodo-render"), {QStringLiteral("-o"), device});
        QCOMPARE(r.code, 0);
        QVERIFY(isCharDevice(device));
    }
    // A link stays a link; its target gets the picture.
    const QString target = dir.filePath(QStringLiteral("target.png"));
    const QString link = dir.filePath(QStringLiteral("link.png"));
    QVERIFY(QFile::link(target, link));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {QStringLiteral("--size"), QStringLiteral("200x200"), QStringLiteral("-o"), link})
                 .code,
             0);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QImage(target).width(), 200);
    // Standard output takes the picture itself.
    const Run r =
        run(QStringLiteral("azodo-render"), {QStringLiteral("--size"), QStringLiteral("200x200"),
                                             QStringLiteral("-o"), QStringLiteral("-")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    QVERIFY(r.rawOut.startsWith("\x89PNG"));
    QCOMPARE(QImage::fromData(r.rawOut).width(), 200);
}

void TestCli::worksheetAnswersAreTheCards_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<QStringList>("wing"); // options for a wing; WING: its file
    QTest::newRow("five tasks") << 5 << QStringList{};
    QTest::newRow("one task, a wing")
        << 1
        << QStringList{QStringLiteral("--polar"), QStringLiteral("WING"), QStringLiteral("--mass"),
                       QStringLiteral("100")};
    QTest::newRow("twenty tasks, a wing")
        << 20
        << QStringList{QStringLiteral("--polar"), QStringLiteral("WING"), QStringLiteral("--mass"),
                       QStringLiteral("95")};
    QTest::newRow("a key over two pages") << 60 << QStringList{};
}

void TestCli::worksheetAnswersAreTheCards()
{
    QFETCH(int, tasks);
    QFETCH(QStringList, wing);
    QTemporaryDir dir;
    const QString wingFile = written(dir, QStringLiteral("schirm.plr"), kSchoolWing);
    wing.replaceInStrings(QStringLiteral("WING"), wingFile);
    const QString sheet = dir.filePath(QStringLiteral("blatt.pdf"));
    const QStringList args =
        QStringList{QStringLiteral("--worksheet"), QString::number(tasks),
                    QStringLiteral("--seed"),      QStringLiteral("42"),
                    QStringLiteral("-o"),          QStringLiteral("blatt.pdf")} +
        wing;
    QCOMPARE(run(QStringLiteral("azodo-render"), args, QProcessEnvironment::systemEnvironment(),
                 dir.path())
                 .code,
             0);
    // Two tasks a page, then the key: its table of answers, then as many pages of diagrams.
    const int taskPages = (tasks + 1) / 2;
    const QRegularExpressionMatch count = QRegularExpression(QStringLiteral("Pages: +(\\d+)\n"))
                                              .match(tool(QStringLiteral("pdfinfo"), {sheet}));
    const int pages = count.captured(1).toInt();
    QVERIFY2(pages > 2 * taskPages, qPrintable(count.captured(0)));
    const int tablePages = pages - 2 * taskPages;
    QVERIFY(tablePages == 1 || tasks > 40);
    // Every solution is the card's answer for that wind.
    const QString text = tool(QStringLiteral("pdftotext"), {sheet, QStringLiteral("-")});
    static const QRegularExpression solution(QStringLiteral(
        "Aufgabe (\\d+): (?:Windstille|(?:(\\d+) km/h (Gegenwind|Rückenwind))?(?:, )?"
        "(?:(\\d+,\\d) m/s (Abwind|Aufwind))?)\\.[^\n]*\n+Fahrt ([\\d,]+) km/h \\(± 1 km/h\\) "
        "· (Trimm|Bremse (\\d+) %|Beschleuniger (\\d+) %) \\(± (\\d+) %\\) · Gleitzahl über "
        "Grund ([\\d,]+) \\(± ([\\d,]+)\\)\n+(Die Gleitzahl über Grund ist hier )?"));
    // The key's table, row by row as laid out: the same answers.
    QStringList tableRows;
    static const QRegularExpression row(QStringLiteral(
        "^ *(\\d+) +\\S.*? +([\\d,]+) km/h +(Trimm|Bremse \\d+ %|Beschleuniger \\d+ %) "
        "\\(± (\\d+) %\\) +([\\d,]+) \\(± ([\\d,]+)\\)( \\*)?$"));
    const QStringList laidOut =
        tool(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(taskPages + 1),
              QStringLiteral("-l"), QString::number(taskPages + tablePages), sheet,
              QStringLiteral("-")})
            .split(QLatin1Char('\n'));
    for (const QString &line : laidOut) {
        const QRegularExpressionMatch m = row.match(line);
        if (m.hasMatch()) {
            tableRows << m.captured(0).simplified();
            QCOMPARE(m.captured(1).toInt(), tableRows.size());
        }
    }
    QCOMPARE(tableRows.size(), tasks);
    int solved = 0;
    for (auto it = solution.globalMatch(text); it.hasNext(); ++solved) {
        const auto m = it.next();
        const int windH =
            m.captured(2).toInt() * (m.captured(3) == QLatin1String("Gegenwind") ? -1 : 1);
        const int tenths = qRound(QLocale(QLocale::German).toDouble(m.captured(4)) * 10) *
                           (m.captured(5) == QLatin1String("Abwind") ? -1 : 1);
        const Run card =
            run(QStringLiteral("azodo-table"),
                QStringList{QStringLiteral("--csv"), QStringLiteral("--wind-h"),
                            QStringLiteral("%1:%1:1").arg(windH), QStringLiteral("--wind-v"),
                            QStringLiteral("%1:%1:1").arg(tenths)} +
                    wing);
        const QStringList f = card.out.split(QLatin1Char('\n')).value(1).split(QLatin1Char(','));
        QCOMPARE(f.size(), 9);
        QCOMPARE(m.captured(6), QString(f[2]).replace(QLatin1Char('.'), QLatin1Char(',')));
        QCOMPARE(m.captured(8).isEmpty() ? 0 : m.captured(8).toInt(), f[4].toInt());
        QCOMPARE(m.captured(9).isEmpty() ? 0 : m.captured(9).toInt(), f[5].toInt());
        const QLocale de(QLocale::German);
        QVERIFY(std::fabs(de.toDouble(m.captured(11)) - f[3].toDouble()) <= 0.051);
        // The ratio's tolerance: the touch point read 1 km/h and 0,1 m/s off, the largest
        // change, rounded up to a tenth.
        const double gh = f[6].toDouble(), gv = f[7].toDouble(), exact = gh / 3.6 / -gv;
        double worst = 0;
        for (const double dh : {-1.0, 1.0}) {
            for (const double dv : {-0.1, 0.1}) {
                worst = std::max(worst, std::fabs((gh + dh) / 3.6 / -(gv + dv) - exact));
            }
        }
        QCOMPARE(de.toDouble(m.captured(12)), std::ceil(worst * 10 - 1e-9) / 10);
        QVERIFY(m.captured(10).toInt() >= 5);
        // A wide tolerance says why; the table gives the same answer with a star.
        const bool sensitive = de.toDouble(m.captured(12)) > 3.0;
        QCOMPARE(!m.captured(13).isEmpty(), sensitive);
        const QString expected =
            QStringLiteral("%1 km/h %2 (± %3 %) %4 (± %5)%6")
                .arg(m.captured(6), m.captured(7), m.captured(10), m.captured(11), m.captured(12),
                     sensitive ? QStringLiteral(" *") : QString());
        const QString tableRow = tableRows.value(m.captured(1).toInt() - 1);
        QVERIFY2(tableRow.endsWith(expected),
                 qPrintable(tableRow + QStringLiteral(" / ") + expected));
    }
    QCOMPARE(solved, tasks);
    // The task pages give nothing of it away: no answer line, no airspeed vector or
    // read-out, no ground-speed vector's label; the solution pages have them all.
    const QStringList pageTexts = text.split(QLatin1Char('\f'));
    QVERIFY(pageTexts.size() >= pages);
    static const QRegularExpression answers(
        QStringLiteral("Fahrt [\\d,]+ km/h|Gleitzahl über Grund [\\d,]|v-Air|Gleitzahl in Luft|"
                       "Lösungen|Flugrichtung|Gleitwinkel"));
    for (int page = 0; page < pages; ++page) {
        const bool taskPage = page < taskPages;
        const QString &t = pageTexts[page];
        QVERIFY2(t.contains(answers) != taskPage,
                 qPrintable(QStringLiteral("page %1").arg(page + 1)));
        // Each part numbered on its own; lines for the learner on the tasks; the method on
        // the first page; the seed on every page, so that the key can be made again.
        QVERIFY(
            t.contains(QStringLiteral("%1, Seite %2 von %3")
                           .arg(taskPage ? QStringLiteral("Aufgaben") : QStringLiteral("Lösungen"))
                           .arg(taskPage ? page + 1 : page - taskPages + 1)
                           .arg(taskPage ? taskPages : pages - taskPages)));
        QCOMPARE(t.contains(QStringLiteral("Name:")) && t.contains(QStringLiteral("Datum:")) &&
                     t.contains(QStringLiteral("Kurs:")),
                 taskPage);
        QCOMPARE(t.contains(QStringLiteral("So geht es:")), page == 0);
        QVERIFY(t.contains(QStringLiteral("--seed 42")));
    }
    // The footer's command, run as it stands, makes the same sheet: the wing's options too.
    const QString footer = QRegularExpression(QStringLiteral("azodo-render --worksheet [^\n]*"))
                               .match(text)
                               .captured(0);
    const QStringList remake = QProcess::splitCommand(footer);
    const QStringList expected =
        QStringList{QStringLiteral("--worksheet"), QString::number(tasks)} + wing +
        QStringList{"--seed", "42", "-o", "blatt.pdf"};
    QVERIFY2(remake.mid(1) == expected, qPrintable(footer));
    // The same seed gives the same file, but for the date Qt's writer stamps.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("nochmal")));
    const QString again = dir.filePath(QStringLiteral("nochmal/blatt.pdf"));
    QStringList secondArgs = remake.mid(1);
    QCOMPARE(run(QStringLiteral("azodo-render"), secondArgs,
                 QProcessEnvironment::systemEnvironment(), dir.filePath(QStringLiteral("nochmal")))
                 .code,
             0);
    const auto undated = [](const QString &path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        static const QRegularExpression date(QStringLiteral("/CreationDate \\([^)]*\\)"));
        return QString::fromLatin1(bytes).remove(date);
    };
    QCOMPARE(undated(again), undated(sheet));
    // Without the wing's options, or with another seed, the tasks differ.
    secondArgs = remake.mid(1);
    secondArgs.replaceInStrings(QStringLiteral("42"), QStringLiteral("43"));
    QCOMPARE(run(QStringLiteral("azodo-render"), secondArgs,
                 QProcessEnvironment::systemEnvironment(), dir.filePath(QStringLiteral("nochmal")))
                 .code,
             0);
    QVERIFY(undated(again) != undated(sheet));
    if (!wing.isEmpty()) {
        QCOMPARE(run(QStringLiteral("azodo-render"),
                     {"--worksheet", QString::number(tasks), "--seed", "42", "-o", again})
                     .code,
                 0);
        QVERIFY(tool(QStringLiteral("pdftotext"), {again, QStringLiteral("-")})
                    .section(QLatin1Char('\f'), 0, taskPages - 1) !=
                text.section(QLatin1Char('\f'), 0, taskPages - 1));
    }
}

void TestCli::slidesScaleAndStates()
{
    QTemporaryDir dir;
    // A projector's slide: 3840 x 2160 is the whole picture; scaled three times, the strip
    // grows with its font, the diagram takes the rest, and the thick wind vector is three
    // times as wide.
    const QString slide = dir.filePath(QStringLiteral("folie.png"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {QStringLiteral("--scale"), QStringLiteral("3"), QStringLiteral("--size"),
                  QStringLiteral("3840x2160"), QStringLiteral("--wind-h"), QStringLiteral("-30"),
                  QStringLiteral("--no-airspeed-vectors"), QStringLiteral("-o"), slide})
                 .code,
             0);
    const QImage image(slide);
    QCOMPARE(image.size(), QSize(3840, 2160));
    const int strip = readoutStripHeight(3.0);
    QVERIFY2(std::abs(strip - 3 * readoutStripHeight()) <= 3, qPrintable(QString::number(strip)));
    // The headwind vector runs along the axis (y 0 is the diagram's middle row), from the
    // origin to x -300: 6 px wide at scale 1, 18 here, seen at x -200.
    const int diagramHeight = 2160 - strip;
    const int axisRow = strip + diagramHeight / 2;
    int blue = 0;
    for (int y = axisRow - 15; y <= axisRow + 15; ++y) {
        // The dotted guide of the vertical wind runs along its middle in a lighter blue.
        const QColor c = image.pixelColor(3840 * 400 / 1200, y);
        blue += c == QColor(0, 0, 255) || c == QColor(136, 136, 255);
    }
    QVERIFY2(blue >= 16 && blue <= 20, qPrintable(QString::number(blue)));
    // A scale too large for the size is refused, naming the largest it takes.
    Run r = run(QStringLiteral("azodo-render"), {"--scale", "3", "-o", slide});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.startsWith(QStringLiteral("azodo-render: --scale 3 ist zu groß für 1600x1026 "
                                             "Pixel: höchstens 2.00; ein größeres Bild mit "
                                             "--size")),
             qPrintable(r.err));
    r = run(QStringLiteral("azodo-render"),
            {"--scale", "4.32", "--size", "3840x2160", "-o", slide});
    QCOMPARE(r.code, 0);
    r = run(QStringLiteral("azodo-render"),
            {"--scale", "4.33", "--size", "3840x2160", "-o", slide});
    QVERIFY2(r.code == 2 && r.err.contains(QStringLiteral("höchstens 4.32")), qPrintable(r.err));
    // The size it suggests takes the scale.
    r = run(QStringLiteral("azodo-render"), {"--scale", "8", "--size", "3840x2160", "-o", slide});
    QVERIFY2(r.code == 2 && r.err.endsWith(QStringLiteral("etwa --size 6400x4000\n")),
             qPrintable(r.err));
    // A lecture: one page per state, in order.
    const QString lecture = dir.filePath(QStringLiteral("vortrag.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {QStringLiteral("--state"), QStringLiteral("0,0"), QStringLiteral("--state"),
                  QStringLiteral("-25,0"), QStringLiteral("--state"),
                  QStringLiteral("-25,-10,45.5"), QStringLiteral("-o"), lecture})
                 .code,
             0);
    QVERIFY(tool(QStringLiteral("pdfinfo"), {lecture})
                .contains(QRegularExpression(QStringLiteral("Pages: +3\n"))));
    const QString third =
        tool(QStringLiteral("pdftotext"),
             {QStringLiteral("-f"), QStringLiteral("3"), lecture, QStringLiteral("-")});
    QVERIFY2(third.contains(QStringLiteral("v-Air = 45.5 km/h")), qPrintable(third));
    // Each page says its wind; the free-brake page holds no instruction to move the bar.
    QVERIFY2(third.contains(QStringLiteral("25 km/h Gegenwind, 1,0 m/s Abwind")),
             qPrintable(third));
    QVERIFY(!third.contains(QStringLiteral("Man verschiebe")));
    const QString first =
        tool(QStringLiteral("pdftotext"),
             {QStringLiteral("-l"), QStringLiteral("1"), lecture, QStringLiteral("-")});
    QVERIFY(first.contains(QStringLiteral("v-Air = 33.5 km/h")));
    QVERIFY(first.contains(QStringLiteral("Windstille")));
}

void TestCli::lecturePagesShowStrongWindsWhole()
{
    // A lecture's pages show strong winds whole: each page holds the brake scale's labels,
    // its caption and the airspeed; --fixed keeps the window's frame, which cuts them.
    QTemporaryDir dir;
    const QString lecture = dir.filePath(QStringLiteral("sturm.pdf"));
    const QStringList states{"-30,-40", "-12,-15", "30,-40", "25,20", "-50,40"};
    QStringList args;
    for (const QString &state : states) {
        args << QStringLiteral("--state") << state;
    }
    QCOMPARE(run(QStringLiteral("azodo-render"), args + QStringList{"-o", lecture}).code, 0);
    const auto page = [&](const QString &file, int n) {
        return tool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                     QString::number(n), file, QStringLiteral("-")});
    };
    for (int n = 1; n <= states.size(); ++n) {
        const QString text = page(lecture, n);
        for (const char *word : {"100%", "Bremse", "0%", "Beschleuniger",
                                 "Geschwindigkeit des besten Gleitens", "v-Air = "}) {
            QVERIFY2(text.contains(QString::fromUtf8(word)),
                     qPrintable(states[n - 1] + QStringLiteral(": ") + QString::fromUtf8(word)));
        }
    }
    const QString fixed = dir.filePath(QStringLiteral("fest.pdf"));
    QCOMPARE(
        run(QStringLiteral("azodo-render"), {"--state", "-30,-40", "--fixed", "-o", fixed}).code,
        0);
    QVERIFY(!page(fixed, 1).contains(QStringLiteral("Beschleuniger")));
    QCOMPARE(run(QStringLiteral("azodo-render"), {"--fit", "--fixed", "-o", fixed}).code, 2);

    // --fit draws one state so: the polar alone in blue (no vectors) shows whole, as much
    // of it as in still air; the default keeps the window's frame, where it leaves.
    const auto polarPixels = [&](const QStringList &options) {
        const QString png = dir.filePath(QStringLiteral("p.png"));
        if (run(QStringLiteral("azodo-render"),
                options + QStringList{"--no-wind-vectors", "--no-airspeed-vectors", "-o", png})
                .code != 0) {
            return -1;
        }
        const QImage image(png);
        int blue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                blue += image.pixel(x, y) == qRgb(0, 0, 255);
            }
        }
        return blue;
    };
    const int still = polarPixels({"--fit"});
    const int storm = polarPixels({"--fit", "--wind-h", "-30", "--wind-v", "-40"});
    const int framed = polarPixels({"--wind-h", "-30", "--wind-v", "-40"});
    QVERIFY2(still > 300 && std::abs(storm - still) < still / 5 && framed < still / 2,
             qPrintable(QStringLiteral("%1 %2 %3").arg(still).arg(storm).arg(framed)));
}

void TestCli::printedPagesKeepATwentyCharacterName()
{
    // A name of 20 characters is whole on the A6 card's title and safety line and in the
    // worksheet's header, in German and in English; every word on its page.
    QTemporaryDir dir;
    const QString polar = written(dir, QStringLiteral("w.plr"), kSchoolWing);
    const QString name = QStringLiteral("Zwanzig Zeichen Name");
    QCOMPARE(name.size(), 20);
    const QString wing = name + QStringLiteral(", 95 kg");
    for (const char *language : {"C.UTF-8", "en_US.UTF-8"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(language));
        env.remove(QStringLiteral("LANGUAGE"));
        const bool german = QByteArray(language).startsWith("C.");
        const QString card = dir.filePath(QStringLiteral("a6.pdf"));
        QCOMPARE(
            run(QStringLiteral("azodo-table"),
                {"--polar", polar, "--mass", "95", "--name", name, "--paper", "a6", "--pdf", card},
                env)
                .code,
            0);
        const QString text = tool(QStringLiteral("pdftotext"), {card, QStringLiteral("-")})
                                 .replace(QLatin1Char('\n'), QLatin1Char(' '));
        const int pages = text.count(QLatin1Char('\f'));
        QVERIFY(pages >= 1);
        QVERIFY2(!text.contains(QChar(0x2026)), qPrintable(text.left(300)));
        QCOMPARE(text.count(QRegularExpression(
                     QRegularExpression::escape(wing) +
                     (german ? QStringLiteral(" +\\(Seite") : QStringLiteral(" +\\(page")))),
                 pages);
        QCOMPARE(text.count((german ? QStringLiteral("Gilt nur für die Polare von ")
                                    : QStringLiteral("Valid only for the polar of ")) +
                            wing),
                 pages);
        const QString boxes =
            tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), card, QStringLiteral("-")});
        const auto page = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\" "
                                                            "height=\"([0-9.]+)\""))
                              .match(boxes);
        static const QRegularExpression word(QStringLiteral(
            "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const auto m = it.next();
            QVERIFY2(m.captured(1).toDouble() >= 0 && m.captured(2).toDouble() >= 0 &&
                         m.captured(3).toDouble() <= page.captured(1).toDouble() &&
                         m.captured(4).toDouble() <= page.captured(2).toDouble(),
                     qPrintable(m.captured(0)));
        }
        const QString sheet = dir.filePath(QStringLiteral("blatt.pdf"));
        QCOMPARE(run(QStringLiteral("azodo-render"),
                     {"--worksheet", "2", "--seed", "1", "--polar", polar, "--mass", "95", "--name",
                      name, "-o", sheet},
                     env)
                     .code,
                 0);
        QVERIFY(tool(QStringLiteral("pdftotext"), {sheet, QStringLiteral("-")})
                    .contains(QStringLiteral(" – ") + wing));
    }
    // A cell that holds its height says so, with no headway too; no word is hyphenated.
    const QString still = dir.filePath(QStringLiteral("null.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-table"),
                 {"--wind-h", "-50:-50:1", "--wind-v", "27:27:1", "--pdf", still})
                 .code,
             0);
    const QString cell = tool(QStringLiteral("pdftotext"), {still, QStringLiteral("-")});
    QVERIFY2(cell.contains(QStringLiteral("hält die Höhe\nkein\nVorankommen")), qPrintable(cell));
    QCOMPARE(run(QStringLiteral("azodo-table"), {"--pdf", still}).code, 0);
    QVERIFY(!tool(QStringLiteral("pdftotext"), {still, QStringLiteral("-")})
                 .contains(QStringLiteral("-\n")));
}

void TestCli::windowRefusesUnknownArguments()
{
    // What Qt does not take and the window does not know is refused with one line, as the
    // tools refuse it; Qt's own options and the window's still open the window.
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("LANGUAGE"));
    const struct
    {
        QStringList args;
        const char *refused;
    } cases[] = {
        {{"--polr", "wing.plr"}, "--polr"},
        {{"extra"}, "extra"},
        {{"-style", "Fusion", "--seed", "4", "extra"}, "extra"},
        {{"--style=Fusion", "-x"}, "-x"},
    };
    for (const auto &c : cases) {
        const Run r = run(QStringLiteral("azodo"), c.args, env);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, QStringLiteral("azodo: unbekanntes Argument '%1' (siehe --help)\n")
                            .arg(QLatin1String(c.refused)));
    }
    for (const QStringList &accepted :
         {QStringList{"-reverse", "--seed", "7"}, QStringList{"-style", "Fusion"}}) {
        QProcess window;
        window.setProcessEnvironment(env);
        window.start(QStringLiteral(AZODO_BIN_DIR "/azodo"), accepted);
        QVERIFY(window.waitForStarted());
        QVERIFY2(!window.waitForFinished(3000), qPrintable(window.readAllStandardError()));
        window.kill();
        window.waitForFinished();
    }
}

void TestCli::vectorExportHoldsNoPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("svg") << QStringLiteral("gross.svg");
    QTest::newRow("pdf") << QStringLiteral("gross.pdf");
}

void TestCli::vectorExportHoldsNoPicture()
{
    // A picture of 8000 x 8000 pixels takes 256 MB; the drawing needs none.
    QFETCH(QString, name);
    QTemporaryDir dir;
    // GNU time measures the tool from a small process of its own: a child forked from this
    // test would count the test's own memory too (under the sanitizers it is large).
    QProcess p;
    p.start(QStringLiteral("/usr/bin/time"),
            {QStringLiteral("-f"), QStringLiteral("maxrss %M"),
             QStringLiteral(AZODO_BIN_DIR "/azodo-render"), QStringLiteral("--size"),
             QStringLiteral("8000x8000"), QStringLiteral("-o"), dir.filePath(name)});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    const long kb = err.section(QStringLiteral("maxrss "), 1).trimmed().toLong();
    QVERIFY2(kb > 0 && kb < 200 * 1024, qPrintable(err));
}

void TestCli::toolsReportFailedWrites_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("card") << QStringLiteral("azodo-table") << QStringList{};
    QTest::newRow("card csv") << QStringLiteral("azodo-table")
                              << QStringList{QStringLiteral("--csv")};
    QTest::newRow("picture") << QStringLiteral("azodo-render")
                             << QStringList{QStringLiteral("--size"), QStringLiteral("200x200"),
                                            QStringLiteral("-o"), QStringLiteral("-")};
}

void TestCli::toolsReportFailedWrites()
{
    // A full disk: the output goes to /dev/full, which refuses every write.
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QSKIP("no /dev/full here");
    }
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(QStringLiteral(AZODO_BIN_DIR "/") + tool, args);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY2(err.contains(QStringLiteral("kein Platz")), qPrintable(err));
}

void TestCli::fuzzedArgumentsKeepTheContract()
{
    // Generated argument lists, each checked against the tools' promise: exit 0 with
    // output, or exit 1 or 2 with exactly one line on stderr, nothing on stdout and no
    // file left behind; never a signal; a FIFO and a device node stay what they are.
    const quint32 seed = qEnvironmentVariableIsSet("AZODO_FUZZ_SEED")
                             ? qEnvironmentVariable("AZODO_FUZZ_SEED").toUInt()
                             : QRandomGenerator::global()->generate();
    qInfo("fuzz seed %u (repeat with AZODO_FUZZ_SEED=%u)", seed, seed);
    QRandomGenerator rng(seed);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.png"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    FifoDrain drain(fifo);
    const QString device = nullDevice(dir);
    const QString existing = written(dir, QStringLiteral("old.png"), "not a picture yet");
    const QString subdir = dir.filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkdir(subdir));

    const QStringList numbers{
        QStringLiteral("0"),          QStringLiteral("1"),           QStringLiteral("-1"),
        QStringLiteral("50"),         QStringLiteral("-50"),         QStringLiteral("51"),
        QStringLiteral("40"),         QStringLiteral("-41"),         QStringLiteral("18"),
        QStringLiteral("17.9"),       QStringLiteral("33,5"),        QStringLiteral("1e3"),
        QStringLiteral("nan"),        QStringLiteral("inf"),         QStringLiteral("-0"),
        QStringLiteral("2147483647"), QStringLiteral("-2147483648"), QStringLiteral("99999999999"),
        QStringLiteral(""),           QStringLiteral(" "),           QStringLiteral("0x10"),
        QStringLiteral("١٢"),         QStringLiteral("a\nb"),        QStringLiteral("−5")};
    const auto number = [&] {
        return numbers[rng.bounded(numbers.size())];
    };
    const auto range = [&] {
        switch (rng.bounded(4)) {
        case 0:
            return number();
        case 1:
            return number() + QLatin1Char(':') + number();
        default:
            return number() + QLatin1Char(':') + number() + QLatin1Char(':') + number();
        }
    };
    const auto target = [&]() -> QString {
        switch (rng.bounded(9)) {
        case 0:
            return fifo;
        case 1:
            return device.isEmpty() ? fifo : device;
        case 2:
            return existing;
        case 3:
            return subdir;
        case 4:
            return dir.filePath(QStringLiteral("no/such/x.png"));
        case 5:
            return QStringLiteral("-");
        case 6:
            return QString();
        default:
            return dir.filePath(QStringLiteral("new%1.png").arg(rng.bounded(1000)));
        }
    };

    const auto check = [&](const QString &tool, const QStringList &args, Run &r) {
        const QString call = tool + QLatin1Char(' ') + args.join(QLatin1Char(' '));
        const QByteArray oldDigest = digest(existing);
        const QStringList before = entries(dir.path());
        r = run(tool, args);
        QVERIFY2(r.code == 0 || r.code == 1 || r.code == 2,
                 qPrintable(QStringLiteral("exit %1: %2").arg(r.code).arg(call)));
        if (r.code == 0) {
            QVERIFY2(r.err.isEmpty(), qPrintable(call + QStringLiteral(" | ") + r.err));
        } else {
            QVERIFY2(r.err.count(QLatin1Char('\n')) == 1 && r.err.endsWith(QLatin1Char('\n')),
                     qPrintable(call + QStringLiteral(" | ") + r.err));
            QVERIFY2(r.out.isEmpty(), qPrintable(call));
            QVERIFY2(entries(dir.path()) == before, qPrintable(call));
            QVERIFY2(digest(existing) == oldDigest, qPrintable(call));
        }
        QVERIFY2(isFifo(fifo), qPrintable(call));
        QVERIFY2(device.isEmpty() || isCharDevice(device), qPrintable(call));
    };

    const QStringList cardOptions{QStringLiteral("--csv"),     QStringLiteral("--wind-h"),
                                  QStringLiteral("--wind-v"),  QStringLiteral("--help"),
                                  QStringLiteral("--version"), QStringLiteral("-h"),
                                  QStringLiteral("--wind"),    QStringLiteral("-"),
                                  QStringLiteral("--pdf"),     QStringLiteral("--paper")};
    const QStringList papers{QStringLiteral("a4"), QStringLiteral("a5"), QStringLiteral("a6"),
                             QStringLiteral("a3"), QString()};
    for (int n = 0; n < 300; ++n) {
        QStringList args;
        const int count = static_cast<int>(rng.bounded(5));
        for (int i = 0; i < count; ++i) {
            const QString option = cardOptions[rng.bounded(cardOptions.size())];
            args << option;
            if (option.startsWith(QLatin1String("--wind")) && rng.bounded(8) != 0) {
                args << range();
            } else if (option == QLatin1String("--pdf")) {
                args << target();
            } else if (option == QLatin1String("--paper")) {
                args << papers[rng.bounded(papers.size())];
            }
        }
        Run r;
        check(QStringLiteral("azodo-table"), args, r);
        if (QTest::currentTestFailed()) {
            return;
        }
        // Success shows: text on stdout, or the card in its file.
        const qsizetype pdf = args.lastIndexOf(QStringLiteral("--pdf"));
        const QString card = pdf >= 0 && pdf + 1 < args.size() ? args[pdf + 1] : QString();
        const bool toFile = !card.isEmpty() && card != QLatin1String("-") &&
                            !args.contains(QLatin1String("--help")) &&
                            !args.contains(QLatin1String("-h")) &&
                            !args.contains(QLatin1String("--version"));
        if (r.code == 0 && toFile) {
            QVERIFY2(r.out.isEmpty(), qPrintable(args.join(QLatin1Char(' '))));
            if (QFileInfo(card).isFile()) {
                QFile f(card);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QVERIFY2(f.read(5) == "%PDF-", qPrintable(args.join(QLatin1Char(' '))));
            }
        } else {
            QVERIFY2(r.code != 0 || !r.out.isEmpty(), qPrintable(args.join(QLatin1Char(' '))));
        }
    }

    const QStringList renderOptions{QStringLiteral("--wind-h"),
                                    QStringLiteral("--wind-v"),
                                    QStringLiteral("--airspeed"),
                                    QStringLiteral("--size"),
                                    QStringLiteral("-o"),
                                    QStringLiteral("--no-wind-vectors"),
                                    QStringLiteral("--no-airspeed-vectors"),
                                    QStringLiteral("-platform"),
                                    QStringLiteral("-style"),
                                    QStringLiteral("--help")};
    const QStringList sizes{QStringLiteral("200x200"), QStringLiteral("240x300"),
                            QStringLiteral("199x200"), QStringLiteral("8001x200"),
                            QStringLiteral("x"),       QStringLiteral("300X300")};
    for (int n = 0; n < 300; ++n) {
        QStringList args;
        const int count = static_cast<int>(rng.bounded(5));
        for (int i = 0; i < count; ++i) {
            const QString option = renderOptions[rng.bounded(renderOptions.size())];
            args << option;
            if (option == QLatin1String("--size")) {
                args << sizes[rng.bounded(sizes.size())];
            } else if (option == QLatin1String("-o")) {
                args << target();
            } else if (option.startsWith(QLatin1String("--")) &&
                       !option.startsWith(QLatin1String("--no")) &&
                       option != QLatin1String("--help")) {
                args << number();
            }
        }
        // Most calls that get as far as drawing draw small, so the test stays quick.
        if (rng.bounded(3) != 0) {
            args << QStringLiteral("-o") << target();
            if (!args.contains(QLatin1String("--size"))) {
                args << QStringLiteral("--size") << QStringLiteral("200x200");
            }
        }
        Run r;
        check(QStringLiteral("azodo-render"), args, r);
        if (QTest::currentTestFailed()) {
            return;
        }
        const qsizetype o = args.lastIndexOf(QStringLiteral("-o"));
        if (r.code == 0 && o >= 0 && o + 1 < args.size() &&
            !args.contains(QLatin1String("--help"))) {
            const QString out = args[o + 1];
            if (out == QLatin1String("-")) {
                QVERIFY2(r.rawOut.startsWith("\x89PNG"), qPrintable(args.join(QLatin1Char(' '))));
            } else if (QFileInfo(out).isFile()) {
                QVERIFY2(!QImage(out).isNull(), qPrintable(args.join(QLatin1Char(' '))));
            }
        }
    }
}

void TestCli::wingReachesTheTools_data()
{
    QTest::addColumn<QString>("program");
    // WING stands for a good polar file, TABLE for a good table of points, BAD for a bad one
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    // The start of standard output, or of the error line; with exit 0, "program: Hinweis"
    // is the start of standard error, and the output must still be complete.
    QTest::addColumn<QString>("answer");
    const auto row = [](const char *name, const char *program, const QStringList &args, int code,
                        const QString &answer) {
        QTest::newRow(name) << QString::fromLatin1(program) << args << code << answer;
    };
    row("card names the wing", "azodo-table",
        {"--polar", "WING", "--mass", "95", "--wind-h", "0:0:1", "--wind-v", "0:0:1"}, 0,
        "Geschwindigkeit des besten Gleitens über Grund: Schulschirm, 95 kg\n");
    row("csv of the wing", "azodo-table",
        {"--csv", "--polar", "WING", "--speeds", "24:37:54", "--wind-h", "0:0:1", "--wind-v",
         "0:0:1"},
        0, "wind_h,");
    row("bad line named", "azodo-table", {"--polar", "BAD"}, 2,
        "azodo-table: BAD, Zeile 2: Feld 3: „x“ ist keine Zahl");
    row("speeds malformed", "azodo-table", {"--polar", "WING", "--speeds", "24:37"}, 2,
        "azodo-table: --speeds: MIN:TRIMM:MAX");
    row("mass without a polar", "azodo-table", {"--mass", "95"}, 2,
        "azodo-table: --speeds, --mass, --ref-mass und --name gelten nur zusammen mit --polar");
    row("airspeed inside the wing's range", "azodo-render",
        {"--polar", "WING", "--airspeed", "53", "--size", "200x200", "-o", "-"}, 0, "\uFFFDPNG");
    // The range printed is rounded inwards and every value of it is accepted.
    row("airspeed beyond the wing's range", "azodo-render",
        {"--polar", "WING", "--airspeed", "20", "-o", "-"}, 2,
        "azodo-render: --airspeed: Zahl von 24.0 bis 54.0 erwartet, nicht '20'");
    row("airspeed beyond the heavier wing's range", "azodo-render",
        {"--polar", "WING", "--mass", "95", "--airspeed", "20", "-o", "-"}, 2,
        "azodo-render: --airspeed: Zahl von 24.7 bis 55.4 erwartet, nicht '20'");
    for (const char *v : {"24.7", "55.4"}) {
        QTest::addRow("printed limit %s accepted", v)
            << QStringLiteral("azodo-render")
            << QStringList{"--polar", "WING",   "--mass",  "95", "--airspeed",
                           v,         "--size", "200x200", "-o", "-"}
            << 0 << QStringLiteral("\uFFFDPNG");
    }
    row("built-in range", "azodo-render", {"--airspeed", "17.9", "-o", "-"}, 2,
        "azodo-render: --airspeed: Zahl von 18.0 bis 50.0 erwartet, nicht '17.9'");
    // A decimal comma is named wherever a decimal is taken.
    row("comma in --speeds", "azodo-table", {"--polar", "WING", "--speeds", "24,5:37:52"}, 2,
        "azodo-table: --speeds: Dezimalpunkt statt Komma: „24,5“");
    row("comma in --mass", "azodo-table", {"--polar", "WING", "--mass", "95,5"}, 2,
        "azodo-table: --mass: Dezimalpunkt statt Komma: „95,5“");
    row("comma in --ref-mass", "azodo-table",
        {"--polar", "TABLE", "--speeds", "25:35:50", "--ref-mass", "90,5"}, 2,
        "azodo-table: --ref-mass: Dezimalpunkt statt Komma: „90,5“");
    row("comma in --airspeed", "azodo-render", {"--airspeed", "28,1", "-o", "-"}, 2,
        "azodo-render: --airspeed: Dezimalpunkt statt Komma: „28,1“");
    row("comma in --state", "azodo-render", {"--state", "0,0,32,5", "-o", "x.pdf"}, 2,
        "azodo-render: --state: Dezimalpunkt statt Komma: „32,5“");
    row("comma in --scale", "azodo-render", {"--scale", "1,5", "-o", "-"}, 2,
        "azodo-render: --scale: Dezimalpunkt statt Komma: „1,5“");
    row("a speed beyond float", "azodo-table", {"--polar", "WING", "--speeds", "1e39:35:45"}, 2,
        "azodo-table: --speeds: „1e39“ km/h liegt nicht zwischen 10 und 120 km/h");
    // A landing field: decimal points, the printed ranges accepted, a height over the margin.
    row("comma in --reach", "azodo-table", {"--reach", "6,5,800"}, 2,
        "azodo-table: --reach: Dezimalpunkt statt Komma: „6,5“");
    row("comma in the margin", "azodo-table", {"--reach", "6.5,800,150,5"}, 2,
        "azodo-table: --reach: Dezimalpunkt statt Komma: „150,5“");
    row("field too far", "azodo-table", {"--reach", "30.1,800"}, 2,
        "azodo-table: --reach: KM,M oder KM,M,SICHERHEITSHÖHE erwartet (Entfernung 0.5..30 km");
    row("height not above the margin", "azodo-table", {"--reach", "6,100,100"}, 2,
        "azodo-table: --reach: die Höhe 100 m liegt nicht über der Sicherheitshöhe 100 m");
    row("nearest and lowest field", "azodo-table", {"--reach", "0.5,50", "--wind-h", "0:0:1"}, 0,
        "Landeplatz 0.5 km entfernt, 50 m darunter, Sicherheitshöhe 0 m: nötig GZ 10.0");
    row("farthest and highest field", "azodo-table", {"--reach", "30,3000,500"}, 0,
        "Landeplatz 30.0 km entfernt, 3000 m darunter, Sicherheitshöhe 500 m: nötig GZ 12.0");
    row("climbs with a range of winds", "azodo-table", {"--mc", "1", "--wind-h", "-10:10:10"}, 2,
        "azodo-table: --mc gilt für einen Wind: --wind-h N, kein Bereich");
    row("climbs beyond 5 m/s", "azodo-table", {"--mc", "0:6:1"}, 2,
        "azodo-table: --mc: VON:BIS:SCHRITT in m/s von 0.0 bis 5.0 auf ein Zehntel erwartet");
    row("a climb with a comma in the table", "azodo-table", {"--mc", "1,5"}, 2,
        "azodo-table: --mc: Dezimalpunkt statt Komma: „1,5“");
    row("the table's drift without climbs", "azodo-table", {"--drift"}, 2,
        "azodo-table: --drift gilt nur zusammen mit --mc");
    row("a table of climbs", "azodo-table", {"--mc", "0:3:0.5", "--wind-v", "0"}, 0,
        "Sollfahrt nach MacCready\nWind horizontal 0 km/h; der Bart steht über Grund\n");
    row("one wind as one number", "azodo-table", {"--wind-h", "10", "--wind-v", "0", "--csv"}, 0,
        "wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,ground_speed_kmh,"
        "ground_vertical_ms,advice_airspeed_kmh\n10,0.0,32.5,");
    row("drift without a climb", "azodo-render", {"--drift", "-o", "x.png"}, 2,
        "azodo-render: --drift gilt nur zusammen mit --mc");
    row("a range of climbs for a picture", "azodo-render", {"--mc", "0:3:0.5", "-o", "x.png"}, 2,
        "azodo-render: --mc: ein Wert in m/s, kein Bereich: '0:3:0.5'");
    row("a climb beyond 5 m/s", "azodo-render", {"--mc", "5.1", "-o", "x.png"}, 2,
        "azodo-render: --mc: Steigen in m/s von 0.0 bis 5.0 erwartet, nicht '5.1'");
    row("a climb with a comma", "azodo-render", {"--mc", "1,5", "-o", "x.png"}, 2,
        "azodo-render: --mc: Dezimalpunkt statt Komma: „1,5“");
    row("a climb and a field", "azodo-render", {"--mc", "1", "--reach", "6,800", "-o", "x.png"}, 2,
        "azodo-render: --mc und --reach schließen einander aus");
    row("the strongest climb accepted", "azodo-render",
        {"--mc", "5.0", "--size", "200x200", "-o", "-"}, 0, "\uFFFDPNG");
    row("a topic without a worksheet", "azodo-render", {"--topic", "reach", "-o", "x.pdf"}, 2,
        "azodo-render: --topic gilt nur zusammen mit --worksheet");
    row("an unknown topic", "azodo-render",
        {"--worksheet", "2", "--topic", "thermals", "-o", "x.pdf"}, 2,
        "azodo-render: --topic: glide, reach oder mc erwartet, nicht 'thermals'");
    row("a topic with a field", "azodo-render",
        {"--worksheet", "2", "--topic", "reach", "--reach", "6,800", "-o", "x.pdf"}, 2,
        "azodo-render: --worksheet stellt seine Aufgaben selbst: ohne --reach");
    row("a worksheet sets its own fields", "azodo-render",
        {"--reach", "6,800", "--worksheet", "2", "-o", "w.pdf"}, 2,
        "azodo-render: --worksheet stellt seine Aufgaben selbst: ohne --reach");
    row("comma in the render's field", "azodo-render", {"--reach", "6,800,150,5", "-o", "-"}, 2,
        "azodo-render: --reach: Dezimalpunkt statt Komma: „150,5“");
    row("no printed card of a field", "azodo-table", {"--reach", "6,800", "--pdf", "-"}, 2,
        "azodo-table: --reach gilt nur für die Tabelle und --csv");
    row("reference mass for a line", "azodo-table", {"--polar", "WING", "--ref-mass", "90"}, 2,
        "azodo-table: WING: --ref-mass gilt nur für eine Tabelle");
    row("a name with an escape", "azodo-table", {"--polar", "WING", "--name", "a\x1b[2Jb"}, 2,
        "azodo-table: WING: der Name enthält ein Steuerzeichen (U+001B)");
    row("a name with a byte order mark", "azodo-table",
        {"--polar", "WING", "--name", QChar(0xFEFF) + QStringLiteral("X")}, 2,
        "azodo-table: WING: der Name enthält ein Steuerzeichen (U+FEFF)");
    row("a missing polar file", "azodo-table", {"--polar", "/nicht/da.plr"}, 2,
        "azodo-table: /nicht/da.plr: die Datei kann nicht gelesen werden (es gibt sie nicht)");
    row("a folder for a polar file", "azodo-table", {"--polar", "/"}, 2,
        "azodo-table: /: die Datei kann nicht gelesen werden (ein Ordner)");
    row("a read error", "azodo-table", {"--polar", "/proc/self/mem"}, 2,
        "azodo-table: /proc/self/mem: die Datei kann nicht gelesen werden");
    for (const char *option : {"--scale", "--size", "--no-wind-vectors"}) {
        QStringList args{"--worksheet", "2", option, "-o", "x.pdf"};
        if (QByteArray(option) != "--no-wind-vectors") {
            args.insert(3, QByteArray(option) == "--scale" ? "2" : "800x600");
        }
        QTest::addRow("worksheet refuses %s", option)
            << QStringLiteral("azodo-render") << args << 2
            << QStringLiteral("azodo-render: --worksheet legt Größe und Inhalt");
    }
    // A held state in grey, with its own wing or the picture's.
    row("comparison on a worksheet", "azodo-render",
        {"--worksheet", "2", "--compare", "0,0", "-o", "x.pdf"}, 2,
        "azodo-render: --worksheet zeichnet keinen Vergleich");
    row("a held wing without a held state", "azodo-render", {"--compare-polar", "WING", "-o", "-"},
        2, "azodo-render: --compare-polar und seine Optionen gelten nur zusammen mit --compare");
    row("held wing options without its polar", "azodo-render",
        {"--compare", "0,0", "--compare-mass", "95", "-o", "-"}, 2,
        "azodo-render: --compare-speeds, --compare-mass, --compare-ref-mass und --compare-name "
        "gelten nur zusammen mit --compare-polar");
    row("held airspeed beyond the held wing", "azodo-render",
        {"--compare", "0,0,20", "--compare-polar", "WING", "-o", "-"}, 2,
        "azodo-render: --compare: Fahrt von 24.0 bis 54.0 erwartet, nicht '0,0,20'");
    row("comma in --compare", "azodo-render", {"--compare", "0,0,32,5", "-o", "-"}, 2,
        "azodo-render: --compare: Dezimalpunkt statt Komma: „32,5“");
    row("comma in --compare-mass", "azodo-render",
        {"--compare", "0,0", "--compare-polar", "WING", "--compare-mass", "9,5", "-o", "-"}, 2,
        "azodo-render: --compare-mass: Dezimalpunkt statt Komma: „9,5“");
    // Doubtful speeds load with a note; sound ones without.
    row("the test table loads without a note", "azodo-table",
        {"--polar", "TABLE", "--speeds", "25:35:50", "--wind-h", "0:0:1", "--wind-v", "0:0:1"}, 0,
        "Geschwindigkeit des besten Gleitens über Grund: Tabelle\n");
    row("MIN far below the points", "azodo-table",
        {"--polar", "TABLE", "--speeds", "12:35:50", "--wind-h", "0:0:1", "--wind-v", "0:0:1"}, 0,
        "azodo-table: Hinweis: TABLE: MIN 12,0 km/h liegt mehr als 3 km/h unter");
    row("MAX far above, in a picture", "azodo-render",
        {"--polar", "TABLE", "--speeds", "25:35:54", "--size", "200x200", "-o", "-"}, 0,
        "azodo-render: Hinweis: TABLE: MAX 54,0 km/h liegt mehr als 3 km/h über");
    row("render with a bad polar", "azodo-render", {"--polar", "BAD", "-o", "-"}, 2,
        "azodo-render: BAD, Zeile 2");
}

void TestCli::wingReachesTheTools()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, answer);
    QTemporaryDir dir;
    const QString good =
        written(dir, QStringLiteral("Schulschirm.plr"), "* made up\n" + kSchoolWing);
    const QString bad =
        written(dir, QStringLiteral("kaputt.plr"), "* made up\n90,0,x,-1.7,37,-1.1,54,-2.1\n");
    const QString table = written(dir, QStringLiteral("Tabelle.csv"),
                                  "airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n50,-1.9\n");
    args.replaceInStrings(QStringLiteral("WING"), good);
    args.replaceInStrings(QStringLiteral("BAD"), bad);
    args.replaceInStrings(QStringLiteral("TABLE"), table);
    answer.replace(QStringLiteral("BAD"), bad);
    answer.replace(QStringLiteral("WING"), good);
    answer.replace(QStringLiteral("TABLE:"), table + QLatin1Char(':'));
    const Run r = run(program, args);
    QCOMPARE(r.code, code);
    if (code == 0 && answer.startsWith(program + QStringLiteral(": Hinweis: "))) {
        QVERIFY2(r.err.startsWith(answer), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(r.rawOut.startsWith("Geschwindigkeit") || r.rawOut.startsWith("\x89PNG"));
        // The card says where its polar is extrapolated; a picture's end is its IEND.
        QVERIFY(!r.rawOut.startsWith("G") || r.out.contains(QStringLiteral("hochgerechnet")));
        QVERIFY(!r.rawOut.startsWith("\x89") || r.rawOut.contains("IEND"));
    } else if (code == 0) {
        QVERIFY2(r.out.startsWith(answer), qPrintable(r.out.left(120)));
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    } else {
        QVERIFY2(r.err.startsWith(answer), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    }
}

void TestCli::programsAnswerWithoutADisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("answer");
    for (const char *p : {"azodo", "azodo-table", "azodo-render"}) {
        const QString name = QString::fromLatin1(p);
        QTest::addRow("%s --version", p) << name << QStringList{QStringLiteral("--version")} << 0
                                         << name + QStringLiteral(" 1.");
        QTest::addRow("%s --help", p) << name << QStringList{QStringLiteral("--help")} << 0
                                      << QStringLiteral("Aufruf: ") + name;
    }
    // The window program where there is no display: one German line, not Qt's abort.
    QTest::newRow("azodo without display") << QStringLiteral("azodo") << QStringList{} << 1
                                           << QStringLiteral("azodo: keine grafische Anzeige");
    // A bad polar is answered before any window is tried.
    QTest::newRow("azodo with a bad polar")
        << QStringLiteral("azodo")
        << QStringList{QStringLiteral("--polar"), QStringLiteral("/nicht/da.plr")} << 2
        << QStringLiteral("azodo: /nicht/da.plr: die Datei kann nicht gelesen werden");
    QTest::newRow("azodo with a read error")
        << QStringLiteral("azodo")
        << QStringList{QStringLiteral("--polar"), QStringLiteral("/proc/self/mem")} << 2
        << QStringLiteral("azodo: /proc/self/mem: die Datei kann nicht gelesen werden");
    // The picture export never needs one, whatever the environment names.
    QTest::newRow("render with xcb named")
        << QStringLiteral("azodo-render")
        << QStringList{QStringLiteral("--size"), QStringLiteral("200x200"), QStringLiteral("-o"),
                       QStringLiteral("-")}
        << 0 << QStringLiteral("\uFFFDPNG");
}

void TestCli::programsAnswerWithoutADisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, answer);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const Run r = run(program, args, env);
    QCOMPARE(r.code, code);
    if (code == 0) {
        QVERIFY2(r.out.startsWith(answer), qPrintable(r.out.left(80)));
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    } else {
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith(answer), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    }
}

QTEST_MAIN(TestCli)
void TestCli::languageFromTheEnvironment_data()
{
    // LC_ALL, LC_MESSAGES, LANG, LANGUAGE (empty: unset), and whether English answers.
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<bool>("english");
    QTest::newRow("nothing set") << QStringList{"", "", "", ""} << false;
    QTest::newRow("C whatever LANGUAGE says") << QStringList{"C", "", "", "en"} << false;
    QTest::newRow("POSIX") << QStringList{"POSIX", "", "en_GB.UTF-8", ""} << false;
    QTest::newRow("C.utf8 over LANG") << QStringList{"C.utf8", "", "en_US.UTF-8", ""} << false;
    QTest::newRow("British") << QStringList{"en_GB.UTF-8", "", "", ""} << true;
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"", "en_US.UTF-8", "de_DE.UTF-8", ""} << true;
    QTest::newRow("German LANG") << QStringList{"", "", "de_AT.UTF-8", ""} << false;
    QTest::newRow("LANGUAGE picks English") << QStringList{"", "", "de_DE.UTF-8", "en"} << true;
    QTest::newRow("first known of LANGUAGE")
        << QStringList{"", "", "fr_FR.UTF-8", "fr:de"} << false;
    QTest::newRow("neither: English") << QStringList{"", "", "fr_FR.UTF-8", ""} << true;
}

void TestCli::languageFromTheEnvironment()
{
    QFETCH(QStringList, env);
    QFETCH(bool, english);
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    const char *names[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    for (int i = 0; i < 4; ++i) {
        e.remove(QString::fromLatin1(names[i]));
        if (!env[i].isEmpty()) {
            e.insert(QString::fromLatin1(names[i]), env[i]);
        }
    }
    for (const QString &program : {QStringLiteral("azodo-table"), QStringLiteral("azodo")}) {
        const Run r = run(
            program,
            {QStringLiteral("--bogus-option"), QStringLiteral("--seed"), QStringLiteral("x")}, e);
        QCOMPARE(r.code, 2);
        const bool saysEnglish = r.err.contains(QLatin1String("unknown argument")) ||
                                 r.err.contains(QLatin1String("expected a whole number"));
        const bool saysGerman = r.err.contains(QLatin1String("unbekanntes Argument")) ||
                                r.err.contains(QLatin1String("ganze Zahl ab 0 erwartet"));
        QVERIFY2(saysEnglish == english && saysGerman == !english, qPrintable(r.err));
    }
}

void TestCli::numbersSpeakTheLanguageOfTheirSentence_data()
{
    // LANG, LANGUAGE (empty: unset), and the one decimal sign every number must show.
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("sign");
    QTest::newRow("German") << "de_DE.UTF-8"
                            << ""
                            << ",";
    QTest::newRow("Swiss German") << "de_CH.UTF-8"
                                  << ""
                                  << ".";
    QTest::newRow("French speaks English") << "fr_FR.UTF-8"
                                           << ""
                                           << ".";
    QTest::newRow("French speaks German") << "fr_FR.UTF-8"
                                          << "de"
                                          << ",";
    QTest::newRow("German locale, English text") << "de_DE.UTF-8"
                                                 << "en"
                                                 << ".";
    QTest::newRow("South African English") << "en_ZA.UTF-8"
                                           << ""
                                           << ",";
}

void TestCli::numbersSpeakTheLanguageOfTheirSentence()
{
    // The page's title, the diagram's read-outs, the table's cells, the card's legend and the
    // worksheet's tasks: a Swiss "1.5 m/s" never stands beside a German "-6,38".
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(QString, sign);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LC_MESSAGES", "LANGUAGE"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("LANG"), lang);
    if (!language.isEmpty()) {
        env.insert(QStringLiteral("LANGUAGE"), language);
    }
    QTemporaryDir dir;
    const QString pages = dir.filePath(QStringLiteral("pages.pdf"));
    const QString sheet = dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-render"),
                 {"--state", "-10,-15", "--state", "10,5,40", "-o", pages}, env)
                 .code,
             0);
    QCOMPARE(run(QStringLiteral("azodo-render"), {"--worksheet", "2", "-o", sheet}, env).code, 0);
    const QString card = dir.filePath(QStringLiteral("card.pdf"));
    QCOMPARE(run(QStringLiteral("azodo-table"), {"--pdf", card}, env).code, 0);
    const Run table = run(QStringLiteral("azodo-table"), {"--wind-h", "-10:10:10"}, env);
    QCOMPARE(table.code, 0);
    QString text = table.out;
    for (const QString &pdf : {pages, sheet, card}) {
        text += tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    }
    const QRegularExpression number(QStringLiteral("\\d([.,])\\d"));
    int numbers = 0;
    for (auto it = number.globalMatch(text); it.hasNext(); ++numbers) {
        const QRegularExpressionMatch m = it.next();
        QVERIFY2(m.captured(1) == sign,
                 qPrintable(text.mid(std::max<qsizetype>(0, m.capturedStart() - 30), 60)));
    }
    QVERIFY2(numbers > 50, qPrintable(text.left(300)));
}

#include "tst_cli.moc"
