#include "BrakeScale.h"
#include "Exercise.h"
#include "Reach.h"
#include "SpeedToFly.h"
#include "TestWings.h"
#include "Wing.h"
#include "modCalc.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const Wing kBuiltIn; // the program's own polar
} // namespace

namespace {

// A problem in a line of its own: "NotANumber@1#5 3x", "SpeedsNotOrdered 30.0|25.0|50.0"
// (code, @line[-last line], #field, then its texts and numbers).
QString describe(const WingProblem &p)
{
    const auto name = [](WingProblem::Code code) -> QString {
#define NAME(c)                                                                                    \
    case WingProblem::c:                                                                           \
        return QStringLiteral(#c);
        switch (code) {
            NAME(None)
            NAME(Unreadable)
            NAME(UnreadableIo)
            NAME(UnreadableMissing)
            NAME(UnreadableDenied)
            NAME(UnreadableFolder)
            NAME(UnreadableFifo)
            NAME(UnreadableSocket)
            NAME(UnreadableDevice)
            NAME(TooLarge)
            NAME(Utf16)
            NAME(ZeroBytes)
            NAME(NoPolar)
            NAME(NotANumber)
            NAME(NotFinite)
            NAME(NotAThreePointLine)
            NAME(SemicolonSeparated)
            NAME(TabSeparated)
            NAME(BlankSeparated)
            NAME(DecimalComma)
            NAME(TwoFieldsExpected)
            NAME(MassOutOfRange)
            NAME(SpeedOutOfRange)
            NAME(SpeedsNotRising)
            NAME(SinkNotNegative)
            NAME(SinkTooDeep)
            NAME(SinkTooSmall)
            NAME(MiddlePointLow)
            NAME(PointDoesNotFit)
            NAME(PointsOpenUpward)
            NAME(TooFewPoints)
            NAME(TableNeedsSpeeds)
            NAME(SpeedsOutsideFile)
            NAME(SpeedsNotOrdered)
            NAME(RefMassOnlyForTable)
            NAME(MassNeedsRefMass)
            NAME(MassOutOfLimits)
            NAME(SpeedsBeyondDiagram)
            NAME(SinksTooDeep)
            NAME(CurveDoesNotSink)
            NAME(SinksTooLittle)
            NAME(NameHasControl)
            NAME(NameTooLong)
            NAME(CurveOpensUpward)
            NAME(NoteMinExtrapolated)
            NAME(NoteMaxExtrapolated)
            NAME(NoteTrimSlow)
        }
#undef NAME
        return QStringLiteral("?");
    };
    QString out = name(p.code);
    if (p.line > 0) {
        out += QStringLiteral("@%1").arg(p.line);
    }
    if (p.lastLine > 0) {
        out += QStringLiteral("-%1").arg(p.lastLine);
    }
    if (p.field > 0) {
        out += QStringLiteral("#%1").arg(p.field);
    }
    QStringList values;
    for (const std::string &t : p.texts) {
        values.append(QString::fromStdString(t));
    }
    for (const std::string &n : p.numbers) {
        values.append(QString::fromStdString(n));
    }
    if (!values.isEmpty()) {
        out += QLatin1Char(' ') + values.join(QLatin1Char('|'));
    }
    return out;
}

} // namespace

class TestCalc : public QObject
{
    Q_OBJECT
private slots:
    void polarSamples_data();
    void polarSamples();
    void bestGlide_data();
    void bestGlide();
    void bestGlideStaysOnGridForEveryBarWind();
    void exactCancellationGivesInfiniteRatio();
    void windVFromBar_data();
    void windVFromBar();
    void brakeTerms_data();
    void brakeTerms();

    void fitThroughThreePointsIsExact();
    void unreadableFilesSayWhy();
    void fitOfANoisyTable();
    void massScalesSpeedsNotTheGlideRatio();
    void wingFiles_data();
    void wingFiles();
    void wingNotes_data();
    void wingNotes();
    void wingNames();
    void wingBestGlideAgainstBruteForce_data();
    void wingBestGlideAgainstBruteForce();
    void wingScaleMapsItsThreeSpeeds();
    void builtInScaleIsTheIdentity();

    void reachWorkedExamples_data();
    void reachWorkedExamples();
    void reachAgainstBruteForce();
    void reachTasksAskFairly();
    void speedToFlyWorkedExamples_data();
    void speedToFlyWorkedExamples();
    void speedToFlyAgainstBruteForce();

private:
    QTemporaryDir m_dir;
    std::string writeFile(const char *name, const std::string &content);
};

void TestCalc::polarSamples_data()
{
    QTest::addColumn<float>("airspeed");
    QTest::addColumn<double>("sink");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("slow end 18") << 18.0f << -3.03 << 0.005;
    QTest::newRow("25") << 25.0f << -1.40 << 0.005;
    QTest::newRow("near minimum sink 30") << 30.0f << -1.12 << 0.005;
    QTest::newRow("35") << 35.0f << -1.23 << 0.005;
    QTest::newRow("40") << 40.0f << -1.57 << 0.005;
    QTest::newRow("fast end 50") << 50.0f << -2.72 << 0.005;
    // Worked value of the glide path read-out: -1.1705 at 33.5 km/h.
    QTest::newRow("best glide 33.5") << 33.5f << -1.1705 << 0.00005;
}

void TestCalc::polarSamples()
{
    QFETCH(float, airspeed);
    QFETCH(double, sink);
    QFETCH(double, tolerance);
    QVERIFY2(std::fabs(Polar(kBuiltIn, airspeed) - sink) <= tolerance,
             qPrintable(QString::number(Polar(kBuiltIn, airspeed), 'f', 6)));
}

void TestCalc::bestGlide_data()
{
    QTest::addColumn<float>("windH");
    QTest::addColumn<float>("windV");
    QTest::addColumn<float>("airspeed");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("still air") << 0.0f << 0.0f << 33.5f << 7.95 << 0.005;
    QTest::newRow("headwind 25") << -25.0f << 0.0f << 43.5f << 2.71 << 0.005;
    QTest::newRow("headwind 30") << -30.0f << 0.0f << 48.0f << 2.06 << 0.005;
    QTest::newRow("headwind 40") << -40.0f << 0.0f << 50.0f << 1.02 << 0.005;
    QTest::newRow("tailwind 25") << 25.0f << 0.0f << 32.0f << 14.0 << 0.05;
    QTest::newRow("tailwind 10") << 10.0f << 0.0f << 32.5f << 10.4 << 0.05;
    QTest::newRow("headwind 10") << -10.0f << 0.0f << 35.0f << 5.6 << 0.05;
    QTest::newRow("downdraft 1") << 0.0f << -1.0f << 37.0f << 4.38 << 0.005;
    QTest::newRow("headwind 25 downdraft 1") << -25.0f << -1.0f << 49.0f << 1.87 << 0.005;
    QTest::newRow("updraft 1, nearly level") << 0.0f << 1.0f << 31.0f << 73.0 << 0.5;
    QTest::newRow("updraft 1.5, steepest climb") << 0.0f << 1.5f << 30.0f << 21.9 << 0.005;
    // The faster point stands still over ground: the nudge avoids the division.
    QTest::newRow("headwind 50") << -50.0f << 0.0f << 50.0f << 0.0 << 1e-9;
    QTest::newRow("headwind 50 strong lift") << -50.0f << 4.0f << 50.0f << 0.0 << 1e-9;
}

void TestCalc::bestGlide()
{
    QFETCH(float, windH);
    QFETCH(float, windV);
    QFETCH(float, airspeed);
    QFETCH(double, ratio);
    QFETCH(double, tolerance);
    float best = -1.0f;
    const float r = BestGlide(kBuiltIn, best, windH, windV);
    QCOMPARE(best, airspeed);
    QVERIFY2(std::fabs(r - ratio) <= tolerance, qPrintable(QString::number(r, 'f', 6)));
}

void TestCalc::bestGlideStaysOnGridForEveryBarWind()
{
    // Every wind the two bars can set: the result lies on the 0.5 km/h grid within the
    // polar's range and the ratio is a number (infinite only at an exact cancellation).
    for (int h = -50; h <= 50; ++h) {
        for (int bar = -40; bar <= 40; ++bar) {
            const float windH = static_cast<float>(h);
            const float windV = WindVFromBarValue(bar);
            float best = 0.0f;
            const float r = BestGlide(kBuiltIn, best, windH, windV);
            QVERIFY(best >= 18.0f && best <= 50.0f);
            QCOMPARE(std::fmod(best * 2.0f, 1.0f), 0.0f);
            QVERIFY(!std::isnan(r));
            if (std::isinf(r)) {
                QCOMPARE(Polar(kBuiltIn, best) + windV, 0.0f);
            }
        }
    }
}

void TestCalc::exactCancellationGivesInfiniteRatio()
{
    // An updraft equal to the sink at the airspeed the walk returns leaves a vertical
    // ground speed of exactly zero: the ratio is +infinity, never NaN, and no trap.
    int cancellations = 0;
    for (float v = 18.0f; v <= 50.0f; v += 0.5f) {
        const float windV = -Polar(kBuiltIn, v);
        float best = 0.0f;
        const float ratio = BestGlide(kBuiltIn, best, 0.0f, windV);
        QVERIFY(!std::isnan(ratio));
        if (Polar(kBuiltIn, best) + windV == 0.0f) {
            ++cancellations;
            QVERIFY(std::isinf(ratio) && ratio > 0);
        } else {
            QVERIFY(std::isfinite(ratio));
        }
    }
    QVERIFY(cancellations > 0);
}

void TestCalc::windVFromBar_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<float>("windV");
    QTest::newRow("top: strongest updraft") << -40 << 4.0f;
    QTest::newRow("bottom: strongest downdraft") << 40 << -4.0f;
    QTest::newRow("middle") << 0 << 0.0f;
    QTest::newRow("one arrow step up") << -1 << 0.1f;
    QTest::newRow("-13 rounds the double 1.3") << -13 << static_cast<float>(1.3);
}

void TestCalc::windVFromBar()
{
    QFETCH(int, bar);
    QFETCH(float, windV);
    QCOMPARE(WindVFromBarValue(bar), windV);
    QVERIFY(!std::signbit(WindVFromBarValue(0)));
}

void TestCalc::brakeTerms_data()
{
    // The brake scale in the pilot's terms: 18 km/h full brake, 38 trim, 50 full
    // accelerator; the tint is the scale's box the airspeed lies in.
    QTest::addColumn<float>("airspeed");
    QTest::addColumn<int>("brake");
    QTest::addColumn<int>("accelerator");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("slow end, full brake") << 18.0f << 100 << 0 << 255 << 0 << 0;
    QTest::newRow("inside the first box") << 19.0f << 95 << 0 << 255 << 0 << 0;
    QTest::newRow("second box") << 19.5f << 93 << 0 << 230 << 26 << 0;
    QTest::newRow("middle of the brakes") << 28.0f << 50 << 0 << 128 << 128 << 0;
    QTest::newRow("still-air best glide") << 33.5f << 23 << 0 << 51 << 204 << 0;
    QTest::newRow("half a percent rounds up") << 37.5f << 3 << 0 << 0 << 255 << 0;
    QTest::newRow("trim, last green box") << 38.0f << 0 << 0 << 0 << 255 << 0;
    QTest::newRow("just past trim, blue") << 38.5f << 0 << 4 << 21 << 21 << 234;
    QTest::newRow("headwind 25 best glide") << 43.5f << 0 << 46 << 128 << 128 << 128;
    QTest::newRow("fast end, full accelerator") << 50.0f << 0 << 100 << 255 << 255 << 0;
}

void TestCalc::brakeTerms()
{
    QFETCH(float, airspeed);
    QFETCH(int, brake);
    QFETCH(int, accelerator);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const BrakeScale::Setting s = BrakeScale::settingFor(kBuiltIn, airspeed);
    QCOMPARE(s.brakePercent, brake);
    QCOMPARE(s.acceleratorPercent, accelerator);
    QCOMPARE(s.isTrim(), brake == 0 && accelerator == 0);
    const BrakeScale::Rgb c = BrakeScale::colorFor(kBuiltIn, airspeed);
    QCOMPARE(c.red, red);
    QCOMPARE(c.green, green);
    QCOMPARE(c.blue, blue);
}

namespace {

// A made-up wing: 24, 37 and 54 km/h at 90 kg, sinking 1.7, 1.1 and 2.1 m/s.
constexpr char kLine[] = "90,0,24,-1.7,37,-1.1,54,-2.1,23.5\n";

double quadratic(double a, double b, double c, double v)
{
    return a * v * v + b * v + c;
}

} // namespace

std::string TestCalc::writeFile(const char *name, const std::string &content)
{
    const std::string path = m_dir.filePath(QString::fromLatin1(name)).toStdString();
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

void TestCalc::fitThroughThreePointsIsExact()
{
    const double v[] = {24, 37, 54};
    const double w[] = {-1.7, -1.1, -2.1};
    double a = 0, b = 0, c = 0;
    QVERIFY(fitQuadratic(v, w, 3, a, b, c));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(std::fabs(quadratic(a, b, c, v[i]) - w[i]) < 1e-9);
    }
    const double twice[] = {30, 30, 40};
    QVERIFY(!fitQuadratic(twice, w, 3, a, b, c));
}

void TestCalc::fitOfANoisyTable()
{
    // Points of w = -0.004 v² + 0.26 v - 5.3 with ±0.03 m/s of alternating noise: the
    // fit lies within the noise across the range, and its coefficients near the truth.
    std::vector<double> v, w;
    for (int i = 0; i < 15; ++i) {
        v.push_back(22 + 2.0 * i);
        w.push_back(quadratic(-0.004, 0.26, -5.3, v.back()) + (i % 2 ? 0.03 : -0.03));
    }
    double a = 0, b = 0, c = 0;
    QVERIFY(fitQuadratic(v.data(), w.data(), 15, a, b, c));
    QVERIFY(std::fabs(a + 0.004) < 2e-4);
    for (double x = 22; x <= 50; x += 1) {
        QVERIFY(std::fabs(quadratic(a, b, c, x) - quadratic(-0.004, 0.26, -5.3, x)) < 0.03);
    }
}

void TestCalc::massScalesSpeedsNotTheGlideRatio()
{
    // The three-point line names its reference mass; a table gets it with --ref-mass.
    // Either way, heavier, the same polar runs faster and sinks faster by the same factor.
    const struct
    {
        std::string content;
        float lo, trim, hi;
        bool table;
    } sources[] = {{kLine, 24, 37, 54, false},
                   {"airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n50,-1.9\n", 25, 35, 50, true}};
    for (const auto &src : sources) {
        WingProblem error;
        WingChoice light{writeFile("m.plr", src.content), {}, {}, {}, {}, {}, {}};
        if (src.table) {
            light.minSpeed = src.lo;
            light.trimSpeed = src.trim;
            light.maxSpeed = src.hi;
            light.refMassKg = 90.0;
        }
        const std::optional<Wing> ref = loadWing(light, error);
        QVERIFY2(ref, qPrintable(describe(error)));
        WingChoice heavy = light;
        heavy.massKg = 110.0;
        const std::optional<Wing> wing = loadWing(heavy, error);
        QVERIFY2(wing, qPrintable(describe(error)));
        const double k = std::sqrt(110.0 / 90.0);
        QVERIFY(std::fabs(wing->minSpeed - src.lo * k) < 1e-4);
        QVERIFY(std::fabs(wing->trimSpeed - src.trim * k) < 1e-4);
        QVERIFY(std::fabs(wing->maxSpeed - src.hi * k) < 1e-4);
        QCOMPARE(wing->massKg, 110.0);
        // Each point of the polar moves out along its ray from the origin: same glide ratio.
        for (float v = src.lo; v <= src.hi; v += 3) {
            const float heavyV = static_cast<float>(v * k);
            QVERIFY(std::fabs(wing->sink(heavyV) - k * ref->sink(v)) < 1e-4);
            QVERIFY(std::fabs(heavyV / wing->sink(heavyV) - v / ref->sink(v)) < 1e-3);
        }
    }
}

void TestCalc::wingFiles_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("options"); // speeds MIN:TRIM:MAX, mass, ref-mass, name; "-": none
    QTest::addColumn<QString>("error");   // a piece of the problem as described; empty: loads
    const QString line = QString::fromLatin1(kLine);
    const QString table = QStringLiteral("airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n50,-1.9\n");
    QTest::newRow("three-point line") << line << "-,-,-,-"
                                      << "";
    QTest::newRow("other systems' files")
        << "\xEF\xBB\xBF* comment\r\n\r\n 90 , 0 , 24 , -1.7 , 37 "
           ", -1.1 , 54 , -2.1 , 23.5 , 1 , x\r\n5,5\r\n"
        << "-,-,-,-"
        << "";
    QTest::newRow("table with its speeds and masses") << table << "25:35:50,95,90,-"
                                                      << "";
    QTest::newRow("not a number") << "90,0,24,-1.7,3x,-1.1,54,-2.1"
                                  << "-,-,-,-"
                                  << "NotANumber@1#5 3x";
    QTest::newRow("NaN") << "90,0,24,-1.7,nan,-1.1,54,-2.1"
                         << "-,-,-,-"
                         << "NotFinite@1#5 nan";
    QTest::newRow("infinity") << "* x\n90,0,24,-1.7,37,-inf,54,-2.1"
                              << "-,-,-,-"
                              << "NotFinite@2#6 -inf";
    QTest::newRow("too few fields") << "90,0,24,-1.7,37,-1.1"
                                    << "-,-,-,-"
                                    << "NotAThreePointLine@1";
    // What a pilot's slips look like, and the line that says what to mend.
    QTest::newRow("decimal comma in the line") << "90,0,24,-1.7,37,-1,1,54,-2.1"
                                               << "-,-,-,-"
                                               << "DecimalComma@1 -1,1";
    QTest::newRow("every decimal a comma") << "90,0,24,-1,7,37,-1,1,54,-2,1"
                                           << "-,-,-,-"
                                           << "DecimalComma@1 -1,7";
    QTest::newRow("decimal comma in a speed") << "90,0,24,5,-1.7,37,-1.1,54,-2.1"
                                              << "-,-,-,-"
                                              << "DecimalComma@1 24,5";
    QTest::newRow("decimal comma in the last field") << "90,0,24,-1.7,37,-1.1,54,5,-2.1"
                                                     << "-,-,-,-"
                                                     << "DecimalComma@1 54,5";
    QTest::newRow("decimal comma in a row") << "airspeed_kmh,sink_ms\n25,-1.5\n35,-1,1\n50,-1.9\n"
                                            << "25:35:50,-,-,-"
                                            << "DecimalComma@3 -1,1";
    QTest::newRow("a passing line is never rejoined") << "90,0,24,-1.7,37,-1.1,54,-2.1,1,5"
                                                      << "-,-,-,-"
                                                      << "";
    QTest::newRow("a table without its header") << "airspeed,sink\n25,-1.5\n35,-1.1\n"
                                                << "25:35:50,-,-,-"
                                                << "NotAThreePointLine@1";
    QTest::newRow("a spreadsheet's semicolons") << "airspeed_kmh;sink_ms\n25;-1.5\n"
                                                << "25:35:50,-,-,-"
                                                << "SemicolonSeparated@1";
    QTest::newRow("tabs in a row") << "airspeed_kmh,sink_ms\n25\t-1.5\n"
                                   << "25:35:50,-,-,-"
                                   << "TabSeparated@2";
    QTest::newRow("blanks in the line") << "90 0 24 -1.7 37 -1.1 54 -2.1"
                                        << "-,-,-,-"
                                        << "BlankSeparated@1";
    QTest::newRow("one point out of a table")
        << "airspeed_kmh,sink_ms\n25,-1.5\n30,-1.2\n37,-5\n44,-1.4\n50,-1.9\n"
        << "25:35:50,-,-,-"
        << "PointDoesNotFit@4 37|-5";
    QTest::newRow("-11 typed for -1.1") << "90,0,24,-1.7,37,-11,54,-2.1"
                                        << "-,-,-,-"
                                        << "SinkTooDeep@1 -11";
    QTest::newRow("a sink of exactly 3.4") << "90,0,24,-1.7,37,-1.1,54,-3.4"
                                           << "-,-,-,-"
                                           << "";
    QTest::newRow("never sinks") << "90,0,24,-1e-300,37,-1e-300,54,-1e-300"
                                 << "-,-,-,-"
                                 << "SinkTooSmall@1 -1e-300";
    QTest::newRow("sinks like a stone") << "90,0,24,-1e300,37,-1.1,54,-2.1"
                                        << "-,-,-,-"
                                        << "SinkTooDeep@1 -1e300";
    QTest::newRow("two signs") << "90,0,24,-1.7,37,+-1.1,54,-2.1"
                               << "-,-,-,-"
                               << "NotANumber@1#6 +-1.1";
    QTest::newRow("old Mac line ends") << "* c\r90,0,24,-1.7,37,-1.1,54,-2.1\r"
                                       << "-,-,-,-"
                                       << "";
    QTest::newRow("comments inside a table")
        << "airspeed_kmh,sink_ms\n* measured\n25,-1.5\n35,-1.1\r\n  * more\n50,-1.9\n"
        << "25:35:50,-,-,-"
        << "";
    QTest::newRow("reference mass for a line") << line << "-,-,90,-"
                                               << "RefMassOnlyForTable";
    QTest::newRow("too fast without a mass") << table << "25:35:70,-,-,-"
                                             << "SpeedsBeyondDiagram 25.0|70.0";
    QTest::newRow("too few points") << "airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n"
                                    << "25:30:35,-,-,-"
                                    << "TooFewPoints 2";
    QTest::newRow("speeds not rising") << table + "45,-1.6\n"
                                       << "25:35:45,-,-,-"
                                       << "SpeedsNotRising@5 50|45";
    QTest::newRow("speed beyond 120") << "90,0,24,-1.7,37,-1.1,154,-2.1"
                                      << "-,-,-,-"
                                      << "SpeedOutOfRange@1 154";
    QTest::newRow("sink not negative") << "90,0,24,-1.7,37,0.1,54,-2.1"
                                       << "-,-,-,-"
                                       << "SinkNotNegative@1 0.1";
    QTest::newRow("opens upward") << "90,0,24,-1.0,37,-1.9,54,-1.0"
                                  << "-,-,-,-"
                                  << "MiddlePointLow@1 24|-1.0|37|-1.9|54|-1.0";
    QTest::newRow("climbs inside the range") << "airspeed_kmh,sink_ms\n20,-0.35\n30,0.01\n40,-0.4\n"
                                             << "20:30:40,-,-,-"
                                             << "SinkNotNegative@3 0.01";
    QTest::newRow("hardly sinks at take-off mass")
        << "airspeed_kmh,sink_ms\n20,-0.45\n30,-0.31\n40,-0.5\n"
        << "20:30:40,40,90,-"
        << "SinksTooLittle ";
    QTest::newRow("trim not between") << line << "30:25:50,-,-,-"
                                      << "SpeedsNotOrdered 30.0|25.0|50.0";
    QTest::newRow("mass too small") << line << "-,25,-,-"
                                    << "MassOutOfLimits 25.0";
    QTest::newRow("reference mass too large") << "400,0,24,-1.7,37,-1.1,54,-2.1"
                                              << "-,-,-,-"
                                              << "MassOutOfRange@1 400";
    QTest::newRow("table mass needs a reference") << table << "25:35:50,95,-,-"
                                                  << "MassNeedsRefMass";
    QTest::newRow("table needs speeds") << table << "-,-,-,-"
                                        << "TableNeedsSpeeds";
    QTest::newRow("name too long")
        << line << QStringLiteral("-,-,-,") + QString(61, QLatin1Char('n')) << "NameTooLong";
    QTest::newRow("too fast once heavy") << line << "-,200,-,-"
                                         << "SpeedsBeyondDiagram 200.0|";
    QTest::newRow("sinks into the brake scale") << "90,0,24,-3.6,37,-1.1,54,-2.1"
                                                << "-,-,-,-"
                                                << "SinksTooDeep 24.0|3.6";
    QTest::newRow("no data") << "* only a comment\n\n"
                             << "-,-,-,-"
                             << "NoPolar";
    QTest::newRow("file over 1 MB") << "*" + QString(1024 * 1024, QLatin1Char('x')) << "-,-,-,-"
                                    << "TooLarge";
}

void TestCalc::wingFiles()
{
    QFETCH(QString, content);
    QFETCH(QString, options);
    QFETCH(QString, error);
    const QStringList o = options.split(QLatin1Char(','));
    WingChoice choice;
    choice.path = writeFile("w.plr", content.toStdString());
    if (o[0] != QLatin1String("-")) {
        const QStringList speeds = o[0].split(QLatin1Char(':'));
        choice.minSpeed = speeds[0].toFloat();
        choice.trimSpeed = speeds[1].toFloat();
        choice.maxSpeed = speeds[2].toFloat();
    }
    if (o[1] != QLatin1String("-")) {
        choice.massKg = o[1].toDouble();
    }
    if (o[2] != QLatin1String("-")) {
        choice.refMassKg = o[2].toDouble();
    }
    if (o[3] != QLatin1String("-")) {
        choice.name = o[3].toStdString();
    }
    WingProblem why;
    const std::optional<Wing> wing = loadWing(choice, why);
    if (error.isEmpty()) {
        QVERIFY2(wing, qPrintable(describe(why)));
        QVERIFY(wing->a < 0 && wing->minSpeed < wing->trimSpeed);
        return;
    }
    QVERIFY(!wing);
    QCOMPARE(QString::fromStdString(why.file), QString::fromStdString(choice.path));
    QVERIFY2(describe(why).contains(error), qPrintable(describe(why)));
    // Computed numbers a pilot can act on: never "inf", "nan" or a mass of 0.
    for (const std::string &n : why.numbers) {
        QVERIFY2(std::isfinite(std::stod(n)), n.c_str());
    }
}

void TestCalc::wingNotes_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("speeds"); // MIN:TRIM:MAX, or "-" for the line's own
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<bool>("slow");
    QTest::addColumn<bool>("fast");
    const QString narrow = QStringLiteral("airspeed_kmh,sink_ms\n30,-1.2\n37,-1.1\n44,-1.5\n");
    const QString table = QStringLiteral("airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n50,-1.9\n");
    QTest::newRow("the README's wing")
        << QString::fromLatin1(kLine) << "-" << QStringList() << false << false;
    QTest::newRow("the test table at 25:35:50")
        << table << "25:35:50" << QStringList() << false << false;
    // 3 km/h beyond is still measured; a little more is not.
    QTest::newRow("within 3 km/h") << narrow << "27:35:47" << QStringList() << false << false;
    QTest::newRow("both ends and trim")
        << narrow << "26.9:31.8:47.1"
        << QStringList{"NoteMinExtrapolated 26.9|30.0", "NoteMaxExtrapolated 47.1|44.0",
                       "NoteTrimSlow 31.8|34.9"}
        << true << true;
    QTest::newRow("a line's MIN far below v1")
        << QString::fromLatin1(kLine) << "12:37:54" << QStringList{"NoteMinExtrapolated 12.0|24.0"}
        << true << false;
}

void TestCalc::wingNotes()
{
    QFETCH(QString, content);
    QFETCH(QString, speeds);
    QFETCH(QStringList, notes);
    QFETCH(bool, slow);
    QFETCH(bool, fast);
    WingChoice choice;
    choice.path = writeFile("n.plr", content.toStdString());
    if (speeds != QLatin1String("-")) {
        const QStringList v = speeds.split(QLatin1Char(':'));
        choice.minSpeed = v[0].toFloat();
        choice.trimSpeed = v[1].toFloat();
        choice.maxSpeed = v[2].toFloat();
    }
    WingProblem error;
    const std::optional<Wing> wing = loadWing(choice, error);
    QVERIFY2(wing, qPrintable(describe(error)));
    QCOMPARE(static_cast<qsizetype>(wing->notes.size()), notes.size());
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const QString note = describe(wing->notes[static_cast<std::size_t>(i)]);
        QVERIFY2(note == notes[i], qPrintable(note));
    }
    QCOMPARE(wing->extrapolatedSlow, slow);
    QCOMPARE(wing->extrapolatedFast, fast);
}

void TestCalc::wingNames()
{
    // A name taken from the file's name is made one plain line and shortened; a name the
    // user types must be one already.
    const std::string odd = "Schirm\n\x1b[31m\u202Ex" + std::string(80, 'y') + ".plr";
    WingChoice choice;
    choice.path = m_dir.path().toStdString() + "/" + odd;
    std::ofstream(choice.path) << kLine;
    WingProblem error;
    std::optional<Wing> wing = loadWing(choice, error);
    QVERIFY2(wing, qPrintable(describe(error)));
    const QString name = QString::fromStdString(wing->name);
    QCOMPARE(name.size(), 60);
    QVERIFY2(name.startsWith(QStringLiteral("Schirm  [31m x")) && name.endsWith(QChar(0x2026)),
             qPrintable(name));
    // A byte order mark before the file's name is dropped from the wing's name.
    choice.path = m_dir.path().toStdString() + "/\xEF\xBB\xBFMarke.plr";
    std::ofstream(choice.path) << kLine;
    wing = loadWing(choice, error);
    QVERIFY2(wing && wing->name == "Marke", qPrintable(describe(error)));
    for (const std::string typed :
         {"a\nb", "a\x1b[2Jb", "a\u202Eb", "a\u200Bb", "a\u2028b", "a\u2029b"}) {
        choice.name = typed;
        QVERIFY(!loadWing(choice, error));
        QVERIFY2(describe(error).startsWith(QStringLiteral("NameHasControl U+")),
                 qPrintable(describe(error)));
    }
    choice.name = std::string(60, 'n');
    QVERIFY2(loadWing(choice, error), qPrintable(describe(error)));
    choice.name = std::string(59, 'n') + "ä";
    QVERIFY2(loadWing(choice, error), qPrintable(describe(error)));
    choice.name = std::string(61, 'n');
    QVERIFY(!loadWing(choice, error));
}

void TestCalc::wingBestGlideAgainstBruteForce_data()
{
    QTest::addColumn<float>("windH");
    QTest::addColumn<float>("windV");
    QTest::newRow("still air") << 0.0f << 0.0f;
    QTest::newRow("headwind 20") << -20.0f << 0.0f;
    QTest::newRow("headwind 35, sink 1.5") << -35.0f << -1.5f;
    QTest::newRow("tailwind 30") << 30.0f << 0.0f;
    QTest::newRow("lift 0.7") << 0.0f << 0.7f;
    QTest::newRow("headwind 50") << -50.0f << 0.0f;
    QTest::newRow("lift 3, headwind 10") << -10.0f << 3.0f;
}

void TestCalc::wingBestGlideAgainstBruteForce()
{
    // The walk stops at the first airspeed where slowing down no longer flattens the path;
    // the path angle of a quadratic polar has a single peak, so the walk must land on the
    // flattest of all the grid's airspeeds, found here by trying every one.
    QFETCH(float, windH);
    QFETCH(float, windV);
    WingProblem error;
    WingChoice choice{writeFile("b.plr", kLine), {}, {}, {}, {}, {}, {}};
    choice.massKg = 100.0;
    const std::optional<Wing> wing = loadWing(choice, error);
    QVERIFY2(wing, qPrintable(describe(error)));
    float found = 0;
    BestGlide(*wing, found, windH, windV);
    const auto angle = [&](double v) {
        const double h = (v + windH) / 3.6;
        const double a = std::atan((wing->sink(static_cast<float>(v)) + windV) / h);
        return h < 0 ? a - M_PI : a;
    };
    double best = wing->maxSpeed;
    for (double v = wing->maxSpeed; v >= wing->minSpeed - 1e-6; v -= 0.5) {
        if (v + windH != 0 && angle(v) > angle(best) + 1e-9) {
            best = v;
        }
    }
    QVERIFY2(std::fabs(found - best) < 1e-4,
             qPrintable(QStringLiteral("walk %1, brute force %2").arg(found).arg(best)));
    QVERIFY(found >= wing->minSpeed && found <= wing->maxSpeed);
}

void TestCalc::wingScaleMapsItsThreeSpeeds()
{
    WingProblem error;
    WingChoice choice{writeFile("s.plr", kLine), 24.0f, 37.0f, 54.0f, {}, {}, {}};
    const std::optional<Wing> wing = loadWing(choice, error);
    QVERIFY2(wing, qPrintable(describe(error)));
    const Wing &w = *wing;
    QCOMPARE(BrakeScale::scalePosition(w, 24.0f), 18.0);
    QCOMPARE(BrakeScale::scalePosition(w, 37.0f), 38.0);
    QCOMPARE(BrakeScale::scalePosition(w, 54.0f), 50.0);
    QCOMPARE(BrakeScale::airspeedAtScale(w, 28.0), 30.5);
    QCOMPARE(BrakeScale::airspeedAtScale(w, 44.0), 45.5);
    QCOMPARE(BrakeScale::settingFor(w, 24.0f).brakePercent, 100);
    QVERIFY(BrakeScale::settingFor(w, 37.0f).isTrim());
    QCOMPARE(BrakeScale::settingFor(w, 54.0f).acceleratorPercent, 100);
    QCOMPARE(BrakeScale::settingFor(w, 30.5f).brakePercent, 50);
    QCOMPARE(w.minSpeed, 24.0f);
    QCOMPARE(w.maxSpeed, 54.0f);
    // The first box is red, the last yellow, as on the built-in scale.
    QCOMPARE(BrakeScale::colorFor(w, 24.2f).red, 255);
    QCOMPARE(BrakeScale::colorFor(w, 53.9f).blue, 0);
}

void TestCalc::builtInScaleIsTheIdentity()
{
    QVERIFY(kBuiltIn.builtIn);
    for (float v = 18.0f; v <= 50.0f; v += 0.5f) {
        QCOMPARE(BrakeScale::scalePosition(kBuiltIn, v), static_cast<double>(v));
        QCOMPARE(BrakeScale::airspeedAtScale(kBuiltIn, v), static_cast<double>(v));
    }
}

void TestCalc::unreadableFilesSayWhy()
{
    // What a file is that cannot be read decides what the message says.
    const std::string dir = m_dir.path().toStdString();
    const std::string fifo = dir + "/fifo.plr";
    QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir + "/socket.plr";
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    QCOMPARE(::bind(sock, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    const std::string locked = dir + "/locked.plr";
    std::ofstream(locked) << "90,0,24,-1.7,37,-1.1,54,-2.1\n";
    ::chmod(locked.c_str(), 0);
    const bool root = ::geteuid() == 0; // reads whatever the mode says
    const struct
    {
        std::string path;
        WingProblem::Code code;
    } cases[] = {
        {dir + "/nicht-da.plr", WingProblem::UnreadableMissing},
        {dir, WingProblem::UnreadableFolder},
        {fifo, WingProblem::UnreadableFifo},
        {socketPath, WingProblem::UnreadableSocket},
        {"/dev/null", WingProblem::UnreadableDevice},
        {locked, root ? WingProblem::None : WingProblem::UnreadableDenied},
    };
    // Read, but no text this reader knows.
    for (const auto &[bytes, code] :
         {std::pair{std::string("\xFF\xFE"
                                "9\0"
                                "0\0"
                                ",\0",
                                8),
                    WingProblem::Utf16},
          std::pair{std::string("9\0"
                                "0\0"
                                ",\0",
                                6),
                    WingProblem::Utf16},
          std::pair{std::string("\0"
                                "90,0,24,-1.7,37,-1.1,54,-2.1\n",
                                30),
                    WingProblem::Utf16},
          std::pair{std::string("90,0,24,-1.7,37,-1.1,54,-2.1\n\0\0", 31),
                    WingProblem::ZeroBytes}}) {
        WingProblem error;
        QVERIFY(!parsePolarText("w.plr", bytes, error));
        QVERIFY2(error.code == code, qPrintable(describe(error)));
    }
    for (const auto &c : cases) {
        WingProblem error;
        const bool read = readPolarFile(c.path, error).has_value();
        QVERIFY2(read == (c.code == WingProblem::None), c.path.c_str());
        QVERIFY2(read || error.code == c.code, qPrintable(describe(error)));
    }
    ::close(sock);
}

QTEST_APPLESS_MAIN(TestCalc)
#include "tst_calc.moc"

void TestCalc::reachWorkedExamples_data()
{
    // Wind (km/h, m/s), distance km, height m, margin m; then the expected answer worked
    // by hand from the polar: needed ratio, arrival height, and the band (0: not reached,
    // 50: to full accelerator, -1: reached, band not worked).
    QTest::addColumn<float>("windH");
    QTest::addColumn<float>("windV");
    QTest::addColumn<double>("km");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("margin");
    QTest::addColumn<double>("needed");
    QTest::addColumn<double>("arrival");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("still air, short of the margin")
        << 0.0f << 0.0f << 6.0 << 800.0 << 150.0 << 9.23 << 45.0 << 0.0 << 0.0;
    QTest::newRow("tailwind 10") << 10.0f << 0.0f << 10.0 << 1000.0 << 0.0 << 10.0 << 34.0 << 30.2
                                 << 35.7;
    QTest::newRow("headwind 27, to full accelerator")
        << -27.0f << 0.0f << 2.0 << 1000.0 << 0.0 << 2.0 << 178.0 << 36.5 << 50.0;
    QTest::newRow("lift on the way climbs above the start")
        << 0.0f << 1.5f << 5.0 << 500.0 << 100.0 << 12.5 << 500.0 << -1.0 << -1.0;
}

void TestCalc::reachWorkedExamples()
{
    QFETCH(float, windH);
    QFETCH(float, windV);
    QFETCH(double, km);
    QFETCH(double, height);
    QFETCH(double, margin);
    QFETCH(double, needed);
    QFETCH(double, arrival);
    QFETCH(double, low);
    QFETCH(double, high);
    const Reach r = ReachField(kBuiltIn, {km, height, margin}, windH, windV);
    QVERIFY(r.headway);
    QVERIFY2(std::fabs(r.requiredRatio - needed) < 0.01,
             qPrintable(QString::number(r.requiredRatio)));
    if (windV > 0.0f) {
        // Rising air everywhere: it arrives higher than it started.
        QVERIFY2(r.arrivalM > arrival, qPrintable(QString::number(r.arrivalM)));
    } else {
        QVERIFY2(std::fabs(r.arrivalM - arrival) < 5.0, qPrintable(QString::number(r.arrivalM)));
    }
    QCOMPARE(r.reaches, low != 0.0);
    if (low > 0.0) {
        QVERIFY2(std::fabs(r.bandLow - low) < 0.15 && std::fabs(r.bandHigh - high) < 0.15,
                 qPrintable(QStringLiteral("%1..%2").arg(r.bandLow).arg(r.bandHigh)));
    }
}

void TestCalc::reachAgainstBruteForce()
{
    // Every airspeed on a 0.01 km/h grid, its arrival height worked directly from the
    // polar: the highest arrival, and the airspeeds that keep the margin.
    const Wing wings[] = {kBuiltIn, schoolWing(95), schoolWing(75),
                          wingFromLine("100,0,30,-1.2,40,-1.5,60,-3.0\n", 110)};
    const ReachQuestion questions[] = {{2.0, 400.0, 0.0},
                                       {6.0, 800.0, 150.0},
                                       {12.0, 1500.0, 100.0},
                                       {25.0, 3000.0, 300.0},
                                       {0.5, 60.0, 0.0}};
    int cases = 0;
    int reached = 0;
    for (const Wing &wing : wings) {
        for (int windH = -40; windH <= 40; windH += 8) {
            for (int tenths = -30; tenths <= 20; tenths += 5) {
                const float windV = tenths / 10.0f;
                for (const ReachQuestion &q : questions) {
                    const Reach r = ReachField(wing, q, static_cast<float>(windH), windV);
                    double top = -1e300;
                    double topSpeed = 0;
                    double low = 1e9;
                    double high = -1e9;
                    bool headway = false;
                    const int from = static_cast<int>(std::ceil(wing.minSpeed * 100.0 - 1e-6));
                    const int to = static_cast<int>(std::floor(wing.maxSpeed * 100.0 + 1e-6));
                    for (int c = from; c <= to; ++c) {
                        const double v = c / 100.0;
                        const double ground = v + windH;
                        if (ground <= 0.0) {
                            continue;
                        }
                        headway = true;
                        const double sink = wing.sink(static_cast<float>(v)) + windV;
                        const double a = q.heightM + sink * 3600.0 * q.distanceKm / ground;
                        if (a > top) {
                            top = a;
                            topSpeed = v;
                        }
                        if (a >= q.marginM) {
                            low = std::min(low, v);
                            high = std::max(high, v);
                        }
                    }
                    const QString where = QStringLiteral("%1 %2 km/h %3 m/s, %4 km %5 m %6 m")
                                              .arg(QString::fromStdString(wing.name))
                                              .arg(windH)
                                              .arg(windV)
                                              .arg(q.distanceKm)
                                              .arg(q.heightM)
                                              .arg(q.marginM);
                    QVERIFY2(r.headway == headway, qPrintable(where));
                    if (!headway) {
                        continue;
                    }
                    ++cases;
                    // Climbing while barely moving forward arrives arbitrarily high; the
                    // highest arrival is compared where the glide descends.
                    if (top < q.heightM) {
                        QVERIFY2(std::fabs(r.bestAirspeed - topSpeed) <= 0.5, qPrintable(where));
                        QVERIFY2(std::fabs(r.arrivalM - top) <= std::max(5.0, 0.01 * q.heightM),
                                 qPrintable(where));
                    } else {
                        QVERIFY2(r.arrivalM >= q.heightM, qPrintable(where));
                    }
                    QVERIFY2(r.reaches == (low <= high), qPrintable(where));
                    if (r.reaches) {
                        ++reached;
                        QVERIFY2(std::fabs(r.bandLow - low) <= 0.2 &&
                                     std::fabs(r.bandHigh - high) <= 0.2,
                                 qPrintable(where + QStringLiteral(": %1..%2, brute %3..%4")
                                                        .arg(r.bandLow)
                                                        .arg(r.bandHigh)
                                                        .arg(low)
                                                        .arg(high)));
                    }
                }
            }
        }
    }
    QVERIFY2(cases > 1500 && reached > 300 && reached < cases - 300,
             qPrintable(QStringLiteral("%1 cases, %2 reached").arg(cases).arg(reached)));
}

void TestCalc::reachTasksAskFairly()
{
    // About half the fields are reached, none so narrowly that reading the diagram could
    // not tell, every wind one of the exercise's; the same seed asks the same again.
    const Wing wings[] = {kBuiltIn, schoolWing(95), schoolWing(75)};
    for (const Wing &wing : wings) {
        WindDraw draw(7);
        WindDraw again(7);
        int reached = 0;
        const int tasks = 150;
        for (int i = 0; i < tasks; ++i) {
            const std::optional<ReachTask> t = draw.nextReach(wing);
            QVERIFY(t);
            const std::optional<ReachTask> same = again.nextReach(wing);
            QVERIFY(same && same->question.distanceKm == t->question.distanceKm &&
                    same->wind.windH == t->wind.windH);
            const ReachQuestion &q = t->question;
            QVERIFY(windFitsTask(wing, t->wind));
            QVERIFY(q.distanceKm >= 0.5 && q.distanceKm <= 30.0 && q.heightM >= 300.0 &&
                    q.heightM <= 1500.0 && q.marginM >= 0.0 && q.marginM <= 200.0);
            // The arrival worked from the polar at best glide over the ground.
            float best = 0;
            const float windH = static_cast<float>(t->wind.windH);
            const float windV = WindVFromTenths(t->wind.windVTenths);
            BestGlide(wing, best, windH, windV);
            const double arrival =
                q.heightM + (wing.sink(best) + windV) * 3600.0 * q.distanceKm / (best + windH);
            QVERIFY2(std::fabs(arrival - q.marginM) >
                         std::max(20.0, 0.05 * (q.heightM - q.marginM)),
                     qPrintable(QString::number(arrival)));
            reached += arrival >= q.marginM ? 1 : 0;
        }
        QVERIFY2(reached > tasks * 35 / 100 && reached < tasks * 65 / 100,
                 qPrintable(QString::number(reached)));
    }
}

void TestCalc::speedToFlyWorkedExamples_data()
{
    // Wind (km/h, m/s), climb (m/s), drifting; the speed to fly and the average, worked by
    // hand from the polar (the average is v·MC / (MC − sink) over the ground).
    QTest::addColumn<float>("windH");
    QTest::addColumn<float>("windV");
    QTest::addColumn<double>("climb");
    QTest::addColumn<bool>("drifting");
    QTest::addColumn<double>("airspeed");
    QTest::addColumn<double>("average");
    QTest::newRow("still air, MC 1") << 0.0f << 0.0f << 1.0 << false << 36.9 << 15.8;
    QTest::newRow("still air, MC 2") << 0.0f << 0.0f << 2.0 << false << 41.2 << 22.4;
    QTest::newRow("headwind 20, MC 1") << -20.0f << 0.0f << 1.0 << false << 46.3 << 8.2;
    QTest::newRow("headwind 20, MC 1, drifting") << -20.0f << 0.0f << 1.0 << true << 36.9 << -4.2;
    QTest::newRow("tailwind 20, MC 1, drifting") << 20.0f << 0.0f << 1.0 << true << 36.9 << 35.8;
}

void TestCalc::speedToFlyWorkedExamples()
{
    QFETCH(float, windH);
    QFETCH(float, windV);
    QFETCH(double, climb);
    QFETCH(bool, drifting);
    QFETCH(double, airspeed);
    QFETCH(double, average);
    const SpeedToFly s = SpeedToFlyFor(kBuiltIn, climb, windH, windV, drifting);
    QVERIFY(s.tangent && s.hasAverage && !s.atMin && !s.atMax);
    QVERIFY2(std::fabs(s.airspeed - airspeed) <= 0.15, qPrintable(QString::number(s.airspeed)));
    QVERIFY2(std::fabs(s.averageKmh - average) <= 0.1, qPrintable(QString::number(s.averageKmh)));
}

void TestCalc::speedToFlyAgainstBruteForce()
{
    // Every airspeed on a 0.01 km/h grid, the average worked directly: the line from the
    // climb through the polar point, where it crosses the speed axis. MC 0 is best glide,
    // lift on the glide as strong as the climb has no tangent, and a strong climb in a
    // headwind saturates at full speed bar.
    const Wing wings[] = {kBuiltIn, schoolWing(95), schoolWing(75),
                          wingFromLine("100,0,30,-1.2,40,-1.5,60,-3.0\n", 110)};
    int cases = 0;
    int atMax = 0;
    int none = 0;
    for (const Wing &wing : wings) {
        for (int windH = -30; windH <= 30; windH += 10) {
            for (int tenths = -20; tenths <= 20; tenths += 10) {
                const float windV = tenths / 10.0f;
                for (const double climb : {0.0, 0.5, 1.0, 2.0, 3.5, 5.0}) {
                    for (const bool drifting : {false, true}) {
                        const SpeedToFly s =
                            SpeedToFlyFor(wing, climb, static_cast<float>(windH), windV, drifting);
                        const double origin = drifting ? windH : 0.0;
                        double best = -1e300;
                        double bestV = 0;
                        bool tangent = true;
                        const int from = static_cast<int>(std::ceil(wing.minSpeed * 100.0 - 1e-6));
                        const int to = static_cast<int>(std::floor(wing.maxSpeed * 100.0 + 1e-6));
                        for (int c = from; c <= to; ++c) {
                            const double v = c / 100.0;
                            const double sink = wing.sink(static_cast<float>(v)) + windV;
                            if (sink >= climb) {
                                tangent = false;
                                break;
                            }
                            const double average =
                                origin + (v + windH - origin) * climb / (climb - sink);
                            if (average > best) {
                                best = average;
                                bestV = v;
                            }
                        }
                        const QString where = QStringLiteral("%1 %2 km/h %3 m/s MC %4%5")
                                                  .arg(QString::fromStdString(wing.name))
                                                  .arg(windH)
                                                  .arg(windV)
                                                  .arg(climb)
                                                  .arg(drifting ? " drifting" : "");
                        QCOMPARE(s.tangent, tangent);
                        ++cases;
                        if (!tangent || climb == 0.0) {
                            none += tangent ? 0 : 1;
                            float glide = 0;
                            BestGlide(wing, glide, static_cast<float>(windH), windV);
                            QVERIFY2(!s.hasAverage && s.airspeed == glide, qPrintable(where));
                            continue;
                        }
                        QVERIFY2(s.hasAverage && std::fabs(s.airspeed - bestV) <= 0.5,
                                 qPrintable(
                                     where +
                                     QStringLiteral(": %1, brute %2").arg(s.airspeed).arg(bestV)));
                        // Lift on the glide nearly as strong as the climb makes averages of
                        // thousands of km/h, where single precision sets the limit.
                        QVERIFY2(std::fabs(s.averageKmh - best) <= std::max(0.2, 1e-4 * best),
                                 qPrintable(where));
                        atMax += s.atMax ? 1 : 0;
                        // Saturated at full speed bar: the tangent would touch beyond.
                        QVERIFY2(!s.atMax || bestV >= wing.maxSpeed - 0.5, qPrintable(where));
                        QVERIFY2(s.atMax || bestV < wing.maxSpeed - 0.005, qPrintable(where));
                    }
                }
            }
        }
    }
    QVERIFY2(cases == 4 * 7 * 5 * 6 * 2 && atMax > 20 && none > 20,
             qPrintable(QStringLiteral("%1 %2 %3").arg(cases).arg(atMax).arg(none)));
}
