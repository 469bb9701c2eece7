// A seeded random sequence of user actions on the real window, with the state checked
// after every one. AZODO_SOAK_SEED repeats a run; AZODO_SOAK_ACTIONS changes its length.
#include "Format.h"
#include "Look.h"
#include "TourController.h"
#include "frmStart.h"
#include "modCalc.h"

#include "ScrollBarHelpers.h"
#include "TestWings.h"

#include <QtTest>
#include <cmath>
#include <random>

namespace {

class Soak
{
public:
    Soak(quint32 seed, int actions) : m_seed(seed), m_actions(actions), m_rng(seed)
    {
        form.setEndProgram([] {});
        tour.setPauseFunction([](float) {});
        form.show();
    }

    QString run()
    {
        QEventLoop outer;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, &form, [&] {
            if (m_done < m_actions && m_failure.isEmpty()) {
                act();
                ++m_done;
                check();
                return;
            }
            // Finish a running tour, then stop.
            if (tour.running()) {
                QTest::mouseClick(form.cmdWeiter, Qt::LeftButton);
                return;
            }
            timer.stop();
            outer.quit();
        });
        timer.start();
        outer.exec();
        return m_failure;
    }

    int done() const { return m_done; }
    int tours() const { return m_tours; }

    frmStart form;
    TourController tour{form};

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    int between(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_rng); }

    QPoint pointInDiagram(bool allowOutside)
    {
        const QRect r = form.picPolare->rect();
        if (allowOutside && pick(4) == 0) {
            return {between(-300, r.width() + 300), between(-300, r.height() + 300)};
        }
        if (pick(2) == 0) { // near the brake bar
            const QPointF bar = form.picPolare->toPixel(10.0 * form.decl.GroundSpeedH,
                                                        100.0 * (form.decl.WindV - 3.6));
            return bar.toPoint() + QPoint(between(-3, 3), between(-8, 8));
        }
        return {between(0, r.width() - 1), between(0, r.height() - 1)};
    }

    void dragThumb(QScrollBar *bar)
    {
        const QPoint from = subControl(bar, QStyle::SC_ScrollBarSlider).center();
        const int length = bar->orientation() == Qt::Horizontal ? bar->width() : bar->height();
        const int to = between(-50, length + 50);
        const QPoint end =
            bar->orientation() == Qt::Horizontal ? QPoint(to, from.y()) : QPoint(from.x(), to);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(bar, (from + end) / 2);
        QTest::mouseMove(bar, end);
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, end);
    }

    void act()
    {
        m_penBefore = {form.picPolare->DrawWidth(), form.picPolare->ForeColor(),
                       form.picPolare->DrawStyle()};
        QScrollBar *bar = pick(2) ? form.HScroll1 : form.VScroll1;
        switch (pick(15)) {
        case 0:
        case 1:
            dragThumb(bar);
            break;
        case 2: {
            const QStyle::SubControl sc[] = {
                QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine,
                QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSubPage};
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                              subControl(bar, sc[pick(4)]).center());
            break;
        }
        case 3: {
            const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            bar->setFocus();
            QTest::keyClick(bar, keys[pick(8)]);
            break;
        }
        case 4:
            QTest::mouseClick(pick(2) ? form.chkWind : form.chkAirspeed, Qt::LeftButton);
            break;
        case 5:
            QTest::mouseClick(form.chkBremsen, Qt::LeftButton);
            break;
        case 6:
        case 7:
        case 8: { // the brake bar: press, a few moves, release, inside or outside
            const QPoint press = pointInDiagram(false);
            QTest::mousePress(form.picPolare, Qt::LeftButton, Qt::NoModifier, press);
            QTest::mouseMove(form.picPolare, press);
            for (int i = between(1, 4); i > 0; --i) {
                QTest::mouseMove(form.picPolare, pointInDiagram(true));
            }
            QTest::mouseRelease(form.picPolare, Qt::LeftButton, Qt::NoModifier,
                                pointInDiagram(true));
            break;
        }
        case 9:
            QTest::mouseMove(form.picPolare, pointInDiagram(false));
            break;
        case 10:
            if (!tour.running() && pick(40) == 0) {
                ++m_tours;
                // The tour runs in a handler of its own: a timer does not fire again while
                // its own handler runs, and this one has to go on acting inside the tour.
                QTimer::singleShot(0, &form,
                                   [this] { QTest::mouseClick(form.cmdTour, Qt::LeftButton); });
            }
            break;
        case 11:
            QTest::mouseClick(form.cmdWeiter, Qt::LeftButton);
            break;
        case 12: { // an exercise: a new wind, solve it, or leave it
            const Qt::Key keys[] = {Qt::Key_F5, Qt::Key_Return, Qt::Key_Escape};
            QTest::keyClick(&form, keys[pick(3)]);
            break;
        }
        case 13: // a comparison held or cleared, as the context menu offers it
            if (!tour.running()) {
                pick(2) ? form.holdComparison() : form.clearComparison();
            }
            break;
        case 14: // another wing, or back to the built-in polar
            if (!tour.running()) {
                form.setWing(pick(2) ? &m_wing : nullptr);
            }
            break;
        }
    }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty()) {
            m_failure = QStringLiteral("seed %1, action %2: %3").arg(m_seed).arg(m_done).arg(what);
        }
    }

    void check()
    {
        const modDeklarationen &d = form.decl;
        const bool inTour = tour.running();
        if (!(std::fabs(d.WindH) <= 50.0f) || !(std::fabs(d.WindV) <= 4.0f)) {
            fail(QStringLiteral("wind out of range: %1 / %2").arg(d.WindH).arg(d.WindV));
        }
        if (!inTour) {
            if (d.WindH != static_cast<float>(form.HScroll1->value()) ||
                d.WindV != WindVFromBarValue(form.VScroll1->value())) {
                fail(QStringLiteral("winds %1 / %2 but bars %3 / %4")
                         .arg(d.WindH)
                         .arg(d.WindV)
                         .arg(form.HScroll1->value())
                         .arg(form.VScroll1->value()));
            }
            const Wing &w = form.polar();
            if (!(d.Airspeed >= w.minSpeed && d.Airspeed <= w.maxSpeed)) {
                fail(QStringLiteral("airspeed %1").arg(d.Airspeed));
            }
            if (form.exerciseSolved() &&
                !form.lblInfo->caption().contains(QStringLiteral("Schnitt"))) {
                fail(QStringLiteral("a solved exercise without its score"));
            }
            // A held comparison is drawn whole, with its two legend lines.
            int grey = 0;
            for (const DrawOp &op : form.picPolare->operations()) {
                grey += op.color == Look::kComparisonGrey;
            }
            if (form.hasComparison() != (grey >= 32 + 3 + 1)) {
                fail(QStringLiteral("comparison held %1, %2 grey operations")
                         .arg(form.hasComparison())
                         .arg(grey));
            }
            if (form.lblWind->caption() != Format(d.WindH, QStringLiteral("0")) + " km/h" ||
                form.lblAufwind->caption() != Format(d.WindV, QStringLiteral("0.0")) + " m/s") {
                fail(QStringLiteral("read-outs %1 / %2 for %3 / %4")
                         .arg(form.lblWind->caption(), form.lblAufwind->caption())
                         .arg(d.WindH)
                         .arg(d.WindV));
            }
            const Pen after{form.picPolare->DrawWidth(), form.picPolare->ForeColor(),
                            form.picPolare->DrawStyle()};
            if (after.width != m_penBefore.width || after.color != m_penBefore.color ||
                after.style != m_penBefore.style) {
                fail(QStringLiteral("the pen changed"));
            }
        } else if (!(d.Airspeed >= 17.5f && d.Airspeed <= 52.0f)) {
            fail(QStringLiteral("airspeed %1 in the tour").arg(d.Airspeed));
        }
        if (QGuiApplication::overrideCursor() && !form.chkBremsen->isChecked() &&
            !form.brakeBarDragging()) {
            fail(QStringLiteral("double arrow left with the brakes locked"));
        }
        const QString info = form.lblInfo->caption();
        if (info.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            info.contains(QLatin1String("inf"), Qt::CaseInsensitive)) {
            fail(QStringLiteral("read-out ") + info);
        }
        for (const DrawOp &op : form.picPolare->operations()) {
            if (!(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                  std::isfinite(op.y2) && std::isfinite(op.radius) && std::isfinite(op.start) &&
                  std::isfinite(op.end)) ||
                op.text.contains(QLatin1String("nan"), Qt::CaseInsensitive)) {
                fail(QStringLiteral("a non-finite drawing operation"));
                break;
            }
        }
    }

    struct Pen
    {
        int width;
        int color;
        int style;
    };

    // A pilot's wing to switch to: slower at one end and faster at the other.
    const Wing m_wing = schoolWing(95);

    quint32 m_seed;
    int m_actions;
    std::mt19937 m_rng;
    int m_done = 0;
    int m_tours = 0;
    Pen m_penBefore{};
    QString m_failure;
};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void randomActions();
};

void TestSoak::randomActions()
{
    bool ok = false;
    quint32 seed = qEnvironmentVariableIntValue("AZODO_SOAK_SEED", &ok);
    if (!ok) {
        seed = static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
    }
    int actions = qEnvironmentVariableIntValue("AZODO_SOAK_ACTIONS", &ok);
    if (!ok) {
        actions = 20000;
    }
    qInfo("soak seed %u, %d actions (repeat with AZODO_SOAK_SEED=%u)", seed, actions, seed);
    Soak soak(seed, actions);
    const QString failure = soak.run();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(soak.done(), actions);
    qInfo("%d tours started", soak.tours());
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
