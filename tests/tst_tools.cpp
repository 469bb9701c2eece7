// The two command-line tools: the speed-to-fly card and the picture export.
#include "DiagramExport.h"
#include "SpeedToFlyCard.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(AZODO_BIN_DIR "/") + tool, args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT
private slots:
    void csvOfTheSpecifiedCases();
    void csvCoversTheWholeDefaultGrid();
    void csvWindVFromTenthsAsTheBarCounts();
    void tableIsGerman();
    void cardRejectsBadArguments_data();
    void cardRejectsBadArguments();
    void cardHelp();

    void renderWritesTheDiagram();
    void renderFreeBrakesAndNoVectors();
    void renderRejectsBadArguments_data();
    void renderRejectsBadArguments();
    void renderUnwritablePath();
};

void TestTools::csvOfTheSpecifiedCases()
{
    const Run r =
        run(QStringLiteral("azodo-table"),
            {QStringLiteral("--csv"), QStringLiteral("--wind-h"), QStringLiteral("-50:50:25"),
             QStringLiteral("--wind-v"), QStringLiteral("-10:15:5")});
    QCOMPARE(r.code, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("wind_h,wind_v,airspeed,glide_ratio"));
    QCOMPARE(lines.size(), 1 + 5 * 6);
    QHash<QString, QStringList> rows;
    for (const QString &line : lines.mid(1)) {
        const QStringList f = line.split(QLatin1Char(','));
        QCOMPARE(f.size(), 4);
        rows.insert(f[0] + QLatin1Char('/') + f[1], f);
        QCOMPARE(f[2].section(QLatin1Char('.'), 1).size(), 1);
        QCOMPARE(f[3].section(QLatin1Char('.'), 1).size(), 4);
    }
    const struct
    {
        const char *wind;
        const char *airspeed;
        double ratio;
    } cases[] = {{"0/0.0", "33.5", 7.95},  {"-25/0.0", "43.5", 2.71},  {"25/0.0", "32.0", 14.0},
                 {"0/-1.0", "37.0", 4.38}, {"-25/-1.0", "49.0", 1.87}, {"0/1.5", "30.0", 21.9},
                 {"0/1.0", "31.0", 73.2},  {"-50/0.0", "50.0", 0.0}};
    for (const auto &c : cases) {
        const QStringList f = rows.value(QString::fromLatin1(c.wind));
        QVERIFY2(!f.isEmpty(), c.wind);
        QCOMPARE(f[2], QString::fromLatin1(c.airspeed));
        QVERIFY2(std::fabs(f[3].toDouble() - c.ratio) < 0.05, qPrintable(f.join(',')));
    }
    QVERIFY(r.err.isEmpty());
}

void TestTools::csvCoversTheWholeDefaultGrid()
{
    CardOptions o;
    o.csv = true;
    const QStringList lines = cardCsv(o).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 11 * 9);
    QCOMPARE(lines[1], QStringLiteral("-50,-4.0,50.0,0.0000"));
    QVERIFY(lines.last().startsWith(QStringLiteral("50,4.0,")));
}

void TestTools::csvWindVFromTenthsAsTheBarCounts()
{
    // An updraft that cancels the sink at the result prints "inf", never a number.
    CardOptions o;
    o.windH = {0, 0, 1};
    o.windV = {-40, 40, 1};
    const QString csv = cardCsv(o);
    QCOMPARE(csv.count(QLatin1Char('\n')), 1 + 81);
    QVERIFY(csv.contains(QStringLiteral("\n0,1.3,")));
    QVERIFY(csv.contains(QStringLiteral("\n0,-0.1,")));
    QVERIFY(!csv.contains(QStringLiteral("-0.0,")));
    QVERIFY(!csv.contains(QLatin1String("nan")));
}

void TestTools::tableIsGerman()
{
    CardOptions o;
    const QString table = cardTable(o, QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(table.contains(QStringLiteral("33,5 / 7,9")));
    QVERIFY(table.contains(QStringLiteral("Gegenwind")));
    QVERIFY(table.contains(QStringLiteral("-4,0")));
    QCOMPARE(table.count(QLatin1Char('\n')), 4 + 1 + 11);
    QVERIFY(!table.contains(QStringLiteral("33.5")));
}

void TestTools::cardRejectsBadArguments_data()
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
}

void TestTools::cardRejectsBadArguments()
{
    QFETCH(QStringList, args);
    const Run r = run(QStringLiteral("azodo-table"), args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY(r.err.startsWith(QStringLiteral("azodo-table: ")));
}

void TestTools::cardHelp()
{
    const Run r = run(QStringLiteral("azodo-table"), {QStringLiteral("--help")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("--wind-v")));
}

void TestTools::renderWritesTheDiagram()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("still.png"));
    const Run r =
        run(QStringLiteral("azodo-render"),
            {QStringLiteral("--size"), QStringLiteral("1200x1000"), QStringLiteral("-o"), file});
    QCOMPARE(r.code, 0);
    QImage img(file);
    QVERIFY(!img.isNull());
    QCOMPARE(img.width(), 1200);
    QVERIFY(img.height() > 1000);
    const int strip = img.height() - 1000;
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

void TestTools::renderFreeBrakesAndNoVectors()
{
    RenderOptions o;
    o.width = 1200;
    o.height = 1000;
    o.airspeed = 45.0;
    o.windH = -25;
    o.windVTenths = 15;
    o.windVectors = false;
    o.airspeedVectors = false;
    const QImage img = renderDiagram(o);
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

void TestTools::renderRejectsBadArguments_data()
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
}

void TestTools::renderRejectsBadArguments()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    for (QString &a : args) {
        if (a == QLatin1String("x.png")) {
            a = dir.filePath(a);
        }
    }
    const Run r = run(QStringLiteral("azodo-render"), args);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err.trimmed().count(QLatin1Char('\n')), 0);
    QVERIFY(r.err.startsWith(QStringLiteral("azodo-render: ")));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestTools::renderUnwritablePath()
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
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(ro).isWritable()) {
        r = run(QStringLiteral("azodo-render"),
                {QStringLiteral("-o"), ro + QStringLiteral("/out.png")});
        QCOMPARE(r.code, 1);
        QVERIFY(QDir(ro).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
