#include "BrakeScale.h"
#include "modCalc.h"

#include <QtTest>
#include <cmath>

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
    QVERIFY2(std::fabs(Polar(airspeed) - sink) <= tolerance,
             qPrintable(QString::number(Polar(airspeed), 'f', 6)));
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
    const float r = BestGlide(best, windH, windV);
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
            const float r = BestGlide(best, windH, windV);
            QVERIFY(best >= 18.0f && best <= 50.0f);
            QCOMPARE(std::fmod(best * 2.0f, 1.0f), 0.0f);
            QVERIFY(!std::isnan(r));
            if (std::isinf(r)) {
                QCOMPARE(Polar(best) + windV, 0.0f);
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
        const float windV = -Polar(v);
        float best = 0.0f;
        const float ratio = BestGlide(best, 0.0f, windV);
        QVERIFY(!std::isnan(ratio));
        if (Polar(best) + windV == 0.0f) {
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
    const BrakeScale::Setting s = BrakeScale::settingFor(airspeed);
    QCOMPARE(s.brakePercent, brake);
    QCOMPARE(s.acceleratorPercent, accelerator);
    QCOMPARE(s.isTrim(), brake == 0 && accelerator == 0);
    const BrakeScale::Rgb c = BrakeScale::colorFor(airspeed);
    QCOMPARE(c.red, red);
    QCOMPARE(c.green, green);
    QCOMPARE(c.blue, blue);
}

QTEST_APPLESS_MAIN(TestCalc)
#include "tst_calc.moc"
