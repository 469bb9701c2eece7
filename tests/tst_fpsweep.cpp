// The flight model and both drawing procedures over every state the controls allow,
// with the traps for invalid operations, division by zero and overflow switched on
// around the program's own arithmetic (Qt's code runs with them off). A trap ends the
// process with the state that caused it.
#include "Diagram.h"
#include "PictureBox.h"
#include "modCalc.h"

#include <QtTest>
#include <cfenv>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const Wing kBuiltIn; // the program's own polar
} // namespace

namespace {

char g_case[160] = "none";

extern "C" void onTrap(int)
{
    const char head[] = "floating-point trap while computing: ";
    [[maybe_unused]] ssize_t n = write(STDERR_FILENO, head, sizeof head - 1);
    n = write(STDERR_FILENO, g_case, strnlen(g_case, sizeof g_case));
    n = write(STDERR_FILENO, "\n", 1);
    _exit(3);
}

constexpr int kTraps = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

class Traps
{
public:
    Traps()
    {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(kTraps);
    }
    ~Traps() { fedisableexcept(kTraps); }
};

struct Sweep
{
    PictureBox pic;
    modDeklarationen decl;
    SavedPen saved;
    OverlaySwitches switches;
    QImage background;

    Sweep()
    {
        pic.resize(1468, 770);
        setUpDiagram(pic);
        DrawBackground(pic);
        background = pic.Image();
        pic.setPaintingEnabled(false);
    }

    void draw(float windH, float windV)
    {
        pic.setPicture(background);
        const Traps on;
        const Flight f = FlightFor(kBuiltIn, decl.Airspeed, switches.freeBrakes, windH, windV);
        decl.Airspeed = f.airspeed;
        DrawPolarOverlay(pic, kBuiltIn, f.airspeed, saved, switches, windH, windV);
        DrawGlidePath(pic, kBuiltIn, f, saved, windV);
    }
};

} // namespace

class TestFpSweep : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void trapsAreReallyOn();
    void bestGlideOverAllBarWinds();
    void drawingOverAllBarWinds();
    void freeBrakesOverAllAirspeeds();
    void exactCancellations();
};

void TestFpSweep::initTestCase()
{
    struct sigaction sa = {};
    sa.sa_handler = onTrap;
    sigaction(SIGFPE, &sa, nullptr);
}

void TestFpSweep::trapsAreReallyOn()
{
    // The check can fail: a division by zero under the traps must be caught.
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGFPE, SIG_DFL);
        const Traps on;
        volatile double zero = 0.0;
        volatile double r = 1.0 / zero;
        (void)r;
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGFPE);
}

void TestFpSweep::bestGlideOverAllBarWinds()
{
    int cases = 0;
    for (int h = -50; h <= 50; ++h) {
        for (int bar = -40; bar <= 40; ++bar) {
            std::snprintf(g_case, sizeof g_case, "BestGlide windH %d bar %d", h, bar);
            const float windH = static_cast<float>(h);
            float windV = 0;
            float best = 0;
            {
                const Traps on;
                windV = WindVFromBarValue(bar);
                BestGlide(kBuiltIn, best, windH, windV);
            }
            ++cases;
        }
    }
    QCOMPARE(cases, 101 * 81);
}

void TestFpSweep::drawingOverAllBarWinds()
{
    Sweep s;
    for (int h = -50; h <= 50; ++h) {
        for (int bar = -40; bar <= 40; ++bar) {
            std::snprintf(g_case, sizeof g_case, "best-glide drawing windH %d bar %d", h, bar);
            s.draw(static_cast<float>(h), WindVFromBarValue(bar));
        }
    }
    QVERIFY(!s.pic.operations().empty());
}

void TestFpSweep::freeBrakesOverAllAirspeeds()
{
    // Every airspeed from 18 to 50 in 0.01 steps, each with every horizontal wind, the
    // vertical wind walking through all bar values so that every bar wind is met too.
    Sweep s;
    s.switches.freeBrakes = true;
    int n = 0;
    for (int a = 1800; a <= 5000; ++a) {
        for (int h = -50; h <= 50; ++h) {
            const int bar = (a * 7 + h + 90) % 81 - 40;
            std::snprintf(g_case, sizeof g_case, "free brakes airspeed %d/100 windH %d bar %d", a,
                          h, bar);
            s.decl.Airspeed = static_cast<float>(a / 100.0);
            s.draw(static_cast<float>(h), WindVFromBarValue(bar));
            ++n;
        }
    }
    QCOMPARE(n, 3201 * 101);
}

void TestFpSweep::exactCancellations()
{
    // Winds that cancel the airspeed and the sink exactly, which a drag can come to.
    Sweep s;
    s.switches.freeBrakes = true;
    for (int a = 1800; a <= 5000; ++a) {
        const float airspeed = static_cast<float>(a / 100.0);
        s.decl.Airspeed = airspeed;
        std::snprintf(g_case, sizeof g_case, "cancellation at airspeed %d/100", a);
        s.draw(-airspeed, -Polar(kBuiltIn, airspeed));
        QCOMPARE(s.decl.GroundSpeedH, 0.0f);
        QCOMPARE(s.decl.GroundSpeedV, 0.0f);
        s.draw(0.0f, -Polar(kBuiltIn, airspeed));
        s.draw(-airspeed, 0.0f);
        float best = 0;
        const Traps on;
        BestGlide(kBuiltIn, best, -airspeed, -Polar(kBuiltIn, airspeed));
    }
}

QTEST_MAIN(TestFpSweep)
#include "tst_fpsweep.moc"
