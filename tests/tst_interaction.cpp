// The window driven with real mouse, key and wheel events, offscreen.
#include "Format.h"
#include "Look.h"
#include "RememberedWing.h"
#include "Screen.h"
#include "TextPlacement.h"
#include "WingDialog.h"
#include "WingMessages.h"
#include "frmStart.h"
#include "modCalc.h"

#include "ScrollBarHelpers.h"
#include "TestWings.h"
#include <QAccessible>
#include <QDoubleSpinBox>
#include <QSignalSpy>

#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
const Wing kBuiltIn; // the program's own polar
} // namespace

namespace {

// Drags the thumb of a bar to a point well past one of its ends.
void dragThumb(QScrollBar *bar, bool towardsMaximum)
{
    const QPoint from = subControl(bar, QStyle::SC_ScrollBarSlider).center();
    const int far = towardsMaximum ? 3000 : -3000;
    const QPoint to = bar->orientation() == Qt::Horizontal ? QPoint(from.x() + far, from.y())
                                                           : QPoint(from.x(), from.y() + far);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(bar, (from + to) / 2);
    QTest::mouseMove(bar, to);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, to);
}

bool hasWindVector(const frmStart &form, double x, double y)
{
    for (const DrawOp &op : form.picPolare->operations()) {
        if (op.kind == DrawOp::Line && op.color == Look::kWindBlue && op.width == 6 && op.x2 == x &&
            op.y2 == y && (op.x1 != op.x2 || op.y1 != op.y2)) {
            return true;
        }
    }
    return false;
}

QPoint pixelOf(const frmStart &form, double x, double y)
{
    return form.picPolare->toPixel(x, y).toPoint();
}

// Sends a mouse move with the given buttons to the diagram.
void moveWith(frmStart &form, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), form.picPolare->mapToGlobal(QPointF(at)),
                  Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(form.picPolare, &e);
}

} // namespace

class TestInteraction : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init();
    void cleanup();

    void thumbDragsToTheEnds();
    void arrowPageKeyAndWheelStepsMoveTheWind();
    void programSetValueChangesNothing();
    void checkBoxesRedraw();
    void brakeToggle();
    void brakeBarDragFromHeadwind();
    void brakeBarDragStartsOnlyWithTheLeftButtonAlone();
    void brakeBarDragStartsWhenMovingOntoTheBar();
    void lostReleaseEndsTheDrag();
    void pointerShape();
    void endeEndsTheProgram();
    void diagramSurvivesExpose();
    void accessibleNamesAndFocusOrder();
    void neverMirrored();
    void copyAndSaveTheDiagram();
    void exerciseScoresTheLearner_data();
    void exerciseScoresTheLearner();
    void exerciseLineFitsA1024By768Screen();
    void exerciseEnds_data();
    void exerciseEnds();
    void exerciseWindsRepeatBySeed();
    void comparisonStaysUnderRedraws();
    void wingDialogShowsItsNotesBeforeLoading();
    void wingIsRememberedAcrossStarts();
    void barKeysMoveOnTheGrid();
    void reachLessonAcrossStarts();
    void reachTasksScoreTheLearner();
    void speedToFlyLessonAcrossStarts();

private:
    frmStart *form = nullptr;
};

namespace {

// Best glide over the ground found by trying every airspeed of the 0.5 km/h grid: the
// flattest path (largest angle, measured down from the horizontal).
float bruteForceBestGlide(float windH, float windV)
{
    float best = 50.0f;
    double bestAngle = -10;
    for (float v = 50.0f; v >= 18.0f; v -= 0.5f) {
        const double h = (v + windH) / 3.6;
        const double angle = std::atan2(static_cast<double>(Polar(kBuiltIn, v) + windV), h);
        if (angle > bestAngle + 1e-12) {
            bestAngle = angle;
            best = v;
        }
    }
    return best;
}

// The number after "label " in the read-out strip.
// The parts of an exercise's result line, as the learner reads them.
struct Result
{
    double chosen = -1, best = -1;
    QString chosenGlide, bestGlide, direction;
    int percent = -1, average = -1, solved = -1, given = -1;
};

Result resultOf(const QString &line)
{
    static const QRegularExpression re(QStringLiteral(
        "^Ihre Wahl ([\\d,]+) km/h, ([^·]+) · Bestes Gleiten ([\\d,]+) km/h, ([^·]+) · "
        "(richtig|[\\d,]+ km/h zu (?:schnell|langsam)) · (\\d+) % · Schnitt (\\d+) % "
        "\\((\\d+) von (\\d+)\\)$"));
    const auto m = re.match(line);
    Result r;
    if (!m.hasMatch()) {
        return r;
    }
    const QLocale de(QLocale::German);
    r.chosen = de.toDouble(m.captured(1));
    r.chosenGlide = m.captured(2);
    r.best = de.toDouble(m.captured(3));
    r.bestGlide = m.captured(4);
    r.direction = m.captured(5);
    r.percent = m.captured(6).toInt();
    r.average = m.captured(7).toInt();
    r.solved = m.captured(8).toInt();
    r.given = m.captured(9).toInt();
    return r;
}

} // namespace

void TestInteraction::init()
{
    form = new frmStart;
    form->setEndProgram([] {});
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void TestInteraction::cleanup()
{
    delete form;
    form = nullptr;
    // No stored wing may reach another test.
    QSettings().clear();
    Screen::setMousePointer(Screen::kPointerDefault);
}

void TestInteraction::thumbDragsToTheEnds()
{
    dragThumb(form->HScroll1, false);
    QCOMPARE(form->HScroll1->value(), -50);
    QCOMPARE(form->decl.WindH, -50.0f);
    QCOMPARE(form->lblWind->caption(), QStringLiteral("-50 km/h"));
    QVERIFY(hasWindVector(*form, -500, 0));

    dragThumb(form->HScroll1, true);
    QCOMPARE(form->decl.WindH, 50.0f);
    QCOMPARE(form->lblWind->caption(), QStringLiteral("50 km/h"));

    dragThumb(form->VScroll1, false); // to the top: updraft
    QCOMPARE(form->VScroll1->value(), -40);
    QCOMPARE(form->decl.WindV, 4.0f);
    QCOMPARE(form->lblAufwind->caption(), QStringLiteral("4,0 m/s"));
    QVERIFY(hasWindVector(*form, 500, 400));

    dragThumb(form->VScroll1, true);
    QCOMPARE(form->decl.WindV, -4.0f);
    QCOMPARE(form->lblAufwind->caption(), QStringLiteral("-4,0 m/s"));
}

void TestInteraction::arrowPageKeyAndWheelStepsMoveTheWind()
{
    QScrollBar *h = form->HScroll1;
    QTest::mouseClick(h, Qt::LeftButton, Qt::NoModifier,
                      subControl(h, QStyle::SC_ScrollBarAddLine).center());
    QCOMPARE(h->value(), 1);
    QCOMPARE(form->decl.WindH, 1.0f);
    QCOMPARE(form->lblWind->caption(), QStringLiteral("1 km/h"));

    QTest::mouseClick(h, Qt::LeftButton, Qt::NoModifier,
                      subControl(h, QStyle::SC_ScrollBarSubPage).center());
    QCOMPARE(h->value(), 1 - 5);
    QCOMPARE(form->decl.WindH, -4.0f);

    h->setFocus();
    QTest::keyClick(h, Qt::Key_Right); // towards the tailwind end
    QCOMPARE(h->value(), -3);
    QCOMPARE(form->decl.WindH, -3.0f);
    QTest::keyClick(h, Qt::Key_PageUp);
    QCOMPARE(form->decl.WindH, static_cast<float>(h->value()));

    QScrollBar *v = form->VScroll1;
    v->setFocus();
    QTest::keyClick(v, Qt::Key_Down); // towards "Abwind"
    QCOMPARE(v->value(), 1);
    QCOMPARE(form->decl.WindV, -0.1f);
    QCOMPARE(form->lblAufwind->caption(), QStringLiteral("-0,1 m/s"));

    const QPoint c = v->rect().center();
    QWheelEvent wheel(QPointF(c), v->mapToGlobal(QPointF(c)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v, &wheel);
    QVERIFY(v->value() > 1);
    QCOMPARE(form->decl.WindV, WindVFromBarValue(v->value()));
    QCOMPARE(form->lblAufwind->caption(),
             QLocale().toString(static_cast<double>(form->decl.WindV), 'f', 1) + " m/s");
}

void TestInteraction::programSetValueChangesNothing()
{
    const size_t ops = form->picPolare->operations().size();
    frmStart::setBarValue(form->HScroll1, -20);
    frmStart::setBarValue(form->VScroll1, 15);
    QCOMPARE(form->HScroll1->value(), -20);
    QCOMPARE(form->decl.WindH, 0.0f);
    QCOMPARE(form->decl.WindV, 0.0f);
    QCOMPARE(form->lblWind->caption(), QStringLiteral("0 km/h"));
    QCOMPARE(form->picPolare->operations().size(), ops);
}

void TestInteraction::checkBoxesRedraw()
{
    dragThumb(form->HScroll1, false);
    QVERIFY(hasWindVector(*form, -500, 0));
    QTest::mouseClick(form->chkWind, Qt::LeftButton);
    QVERIFY(!form->chkWind->isChecked());
    QVERIFY(!hasWindVector(*form, -500, 0));
    QTest::mouseClick(form->chkWind, Qt::LeftButton);
    QVERIFY(hasWindVector(*form, -500, 0));

    QTest::mouseClick(form->chkAirspeed, Qt::LeftButton);
    for (const DrawOp &op : form->picPolare->operations()) {
        QVERIFY(op.color != Look::kAirspeedRed || op.kind == DrawOp::Box);
    }

    // While a tour runs (its button disabled) these boxes draw nothing themselves.
    form->cmdTour->setEnabled(false);
    const size_t ops = form->picPolare->operations().size();
    form->chkAirspeed->setChecked(true);
    form->chkWind->setChecked(false);
    QCOMPARE(form->picPolare->operations().size(), ops);
    // The brake toggle always redraws: its caption changes.
    form->chkBremsen->setChecked(true);
    bool caption = false;
    for (const DrawOp &op : form->picPolare->operations()) {
        caption = caption || op.text == QStringLiteral("Man verschiebe den schwarzen Balken");
    }
    QVERIFY(caption);
}

void TestInteraction::brakeToggle()
{
    dragThumb(form->HScroll1, false); // headwind 50: best glide at 50 km/h
    QCOMPARE(form->decl.Airspeed, 50.0f);
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    QVERIFY(form->chkBremsen->isChecked()); // stays down
    dragThumb(form->HScroll1, true);        // tailwind 50: the brakes are held
    QCOMPARE(form->decl.Airspeed, 50.0f);
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    QVERIFY(!form->chkBremsen->isChecked());
    float best = 0.0f;
    BestGlide(kBuiltIn, best, 50.0f, 0.0f);
    QCOMPARE(form->decl.Airspeed, best);
}

void TestInteraction::brakeBarDragFromHeadwind()
{
    // Headwind 25 by the bar, then free the brakes: the bar stands at 10 * (43.5 - 25).
    QScrollBar *h = form->HScroll1;
    h->setFocus();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(h, Qt::Key_PageDown);
    }
    QCOMPARE(form->decl.WindH, -25.0f);
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    QCOMPARE(form->decl.GroundSpeedH, 18.5f);

    const QPoint bar = pixelOf(*form, 185, -360);
    QTest::mousePress(form->picPolare, Qt::LeftButton, Qt::NoModifier, bar);
    QVERIFY(!form->brakeBarDragging()); // a press alone starts nothing
    QTest::mouseMove(form->picPolare, bar);
    QVERIFY(form->brakeBarDragging());
    QTest::mouseMove(form->picPolare, pixelOf(*form, 0, -360));
    QCOMPARE(form->decl.Airspeed, 25.0f);
    QCOMPARE(form->decl.GroundSpeedH, 0.0f);
    // Beyond the ends the airspeed holds at the limits, also outside the diagram.
    QTest::mouseMove(form->picPolare, pixelOf(*form, 10 * (50 - 25) + 40, -360));
    QCOMPARE(form->decl.Airspeed, 50.0f);
    QTest::mouseMove(form->picPolare, QPoint(-200, 900));
    QCOMPARE(form->decl.Airspeed, 18.0f);
    const QPoint high = pixelOf(*form, 10 * (30 - 25), 400);
    QTest::mouseMove(form->picPolare, high);
    // The drag goes on at any height: airspeed = X / 10 - WindH at the pointer.
    const float expected =
        static_cast<float>(form->picPolare->toUser(QPointF(high)).x() / 10.0 + 25.0);
    QCOMPARE(form->decl.Airspeed, expected);
    QTest::mouseRelease(form->picPolare, Qt::LeftButton, Qt::NoModifier, QPoint(-200, 900));
    QVERIFY(!form->brakeBarDragging());
    QTest::mouseMove(form->picPolare, pixelOf(*form, 0, -360));
    QCOMPARE(form->decl.Airspeed, expected);
    // The released drag left no double arrow behind.
    QCOMPARE(Screen::MousePointer(), Screen::kPointerDefault);
}

void TestInteraction::brakeBarDragStartsOnlyWithTheLeftButtonAlone()
{
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    const QPoint bar = pixelOf(*form, 335, -360);
    moveWith(*form, bar, Qt::LeftButton | Qt::RightButton);
    QVERIFY(!form->brakeBarDragging());
    QCOMPARE(Screen::MousePointer(), Screen::kPointerSizeWE); // still over the bar
    moveWith(*form, bar, Qt::RightButton);
    QVERIFY(!form->brakeBarDragging());

    // With the brakes locked nothing can be grabbed.
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    moveWith(*form, bar, Qt::LeftButton);
    QVERIFY(!form->brakeBarDragging());
    QCOMPARE(Screen::MousePointer(), Screen::kPointerDefault);
}

void TestInteraction::lostReleaseEndsTheDrag()
{
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    const QPoint bar = pixelOf(*form, 335, -360);
    moveWith(*form, bar, Qt::LeftButton);
    QVERIFY(form->brakeBarDragging());
    const float airspeed = form->decl.Airspeed;
    moveWith(*form, pixelOf(*form, 450, -360), Qt::NoButton); // the release never came
    QVERIFY(!form->brakeBarDragging());
    QCOMPARE(form->decl.Airspeed, airspeed);
}

void TestInteraction::brakeBarDragStartsWhenMovingOntoTheBar()
{
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    const QPoint elsewhere = pixelOf(*form, -300, 200);
    QTest::mousePress(form->picPolare, Qt::LeftButton, Qt::NoModifier, elsewhere);
    QTest::mouseMove(form->picPolare, elsewhere);
    QVERIFY(!form->brakeBarDragging());
    QTest::mouseMove(form->picPolare, pixelOf(*form, 335, -360));
    QVERIFY(form->brakeBarDragging());
    QTest::mouseMove(form->picPolare, pixelOf(*form, 400, -100));
    QVERIFY(std::fabs(form->decl.Airspeed - 40.0f) < form->picPolare->ScaleX(1) / 10);
    QTest::mouseRelease(form->picPolare, Qt::LeftButton, Qt::NoModifier, pixelOf(*form, 400, -100));
}

void TestInteraction::pointerShape()
{
    const QPoint bar = pixelOf(*form, 335, -360);
    moveWith(*form, bar, Qt::NoButton);
    QCOMPARE(Screen::MousePointer(), Screen::kPointerDefault); // brakes locked
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    moveWith(*form, bar, Qt::NoButton);
    QCOMPARE(Screen::MousePointer(), Screen::kPointerSizeWE);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeHorCursor);
    // The zone is as high as the scale: -370 < y < -350, both excluded.
    moveWith(*form, pixelOf(*form, 335, -200), Qt::NoButton);
    QCOMPARE(Screen::MousePointer(), Screen::kPointerDefault);
    QVERIFY(!QGuiApplication::overrideCursor());
    moveWith(*form, bar + QPoint(4, 0), Qt::NoButton); // 4 pixels aside: off the bar
    QCOMPARE(Screen::MousePointer(), Screen::kPointerDefault);
    moveWith(*form, bar, Qt::NoButton);
    moveWith(*form, bar, Qt::NoButton);
    QCOMPARE(Screen::MousePointer(), Screen::kPointerSizeWE);
    // Locking the brakes again: the next move gives the default pointer back.
    form->chkBremsen->setChecked(false);
    moveWith(*form, bar, Qt::NoButton);
    QCOMPARE(Screen::MousePointer(), Screen::kPointerDefault);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestInteraction::endeEndsTheProgram()
{
    int ended = 0;
    form->setEndProgram([&ended] { ++ended; });
    QSignalSpy ending(form, &frmStart::ending);
    QTest::mouseClick(form->endButton(), Qt::LeftButton);
    QCOMPARE(ended, 1);
    QCOMPARE(ending.count(), 1);
    QVERIFY(!form->isVisible());
}

void TestInteraction::diagramSurvivesExpose()
{
    dragThumb(form->HScroll1, false);
    const QImage drawn = form->picPolare->Image();
    form->showMinimized();
    QTest::qWait(20);
    form->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto *cover = new QWidget(form);
    cover->setGeometry(form->picPolare->geometry());
    cover->show();
    QTest::qWait(20);
    delete cover;
    QCOMPARE(form->picPolare->grab().toImage().convertToFormat(QImage::Format_RGB32),
             drawn.convertToFormat(QImage::Format_RGB32));
}

void TestInteraction::neverMirrored()
{
    // Qt's -reverse, or a right-to-left language, must not turn the wind bars round:
    // the left end stays "Gegenwind", whatever the application's direction says.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    frmStart mirrored;
    mirrored.setEndProgram([] {});
    mirrored.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mirrored));
    QScrollBar *h = mirrored.HScroll1;
    QCOMPARE(h->layoutDirection(), Qt::LeftToRight);
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(h, Qt::LeftButton, Qt::NoModifier,
                          QPoint(h->width() / 20, h->height() / 2));
    }
    QCOMPARE(h->value(), -15);
    QCOMPARE(mirrored.decl.WindH, -15.0f);
    QVERIFY(mirrored.headwindCaption()->x() < mirrored.tailwindCaption()->x());
    QCOMPARE(mirrored.headwindCaption()->caption(), QStringLiteral("Gegenwind"));
}

void TestInteraction::copyAndSaveTheDiagram()
{
    QVERIFY(QTest::qWaitForWindowActive(form));
    QScrollBar *h = form->HScroll1;
    h->setValue(-25);
    QGuiApplication::clipboard()->clear();
    form->cmdTour->setFocus();
    QTest::keyClick(form->cmdTour, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), form->picPolare->size() * form->picPolare->devicePixelRatioF());
    QCOMPARE(copied.pixelColor(10, 10), QColor(255, 255, 255));
    // Nothing else of the window changed.
    QCOMPARE(form->decl.WindH, -25.0f);
    QVERIFY(form->cmdTour->isEnabled());

    QTemporaryDir dir;
    QString error;
    const QString png = dir.filePath(QStringLiteral("polare.png"));
    QVERIFY2(form->saveDiagram(png, error), qPrintable(error));
    QCOMPARE(QImage(png).size(), copied.size());
    const QString svg = dir.filePath(QStringLiteral("polare.svg"));
    QVERIFY2(form->saveDiagram(svg, error), qPrintable(error));
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains(">Gleitzahl in Luft"));
    QVERIFY(text.contains(">v-Wind"));
    QVERIFY(!text.contains("<image"));
    QVERIFY(!form->saveDiagram(dir.filePath(QStringLiteral("no/such/x.pdf")), error));
    QVERIFY(!error.isEmpty());
}

void TestInteraction::accessibleNamesAndFocusOrder()
{
    const QList<QWidget *> controls = {
        form->picPolare,  form->VScroll1, form->HScroll1,    form->chkWind,   form->chkAirspeed,
        form->chkBremsen, form->cmdTour,  form->endButton(), form->cmdWeiter, form->freewareBox(),
        form->txtTour,    form->lblInfo,  form->lblAufwind,  form->lblWind,   form->authorLabel()};
    for (QWidget *w : controls) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        QVERIFY(a);
        QVERIFY2(!a->text(QAccessible::Name).isEmpty() || w == form->txtTour,
                 w->metaObject()->className());
        QVERIFY2(!w->accessibleDescription().isEmpty() || w == form->freewareBox(),
                 w->metaObject()->className());
    }
    // The read-outs are announced with their values, the bars with the winds.
    QCOMPARE(QAccessible::queryAccessibleInterface(form->lblAufwind)->text(QAccessible::Name),
             QStringLiteral("0,0 m/s"));
    QVERIFY(QAccessible::queryAccessibleInterface(form->lblInfo)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral("Gleitzahl in Luft")));
    dragThumb(form->HScroll1, false);
    QCOMPARE(QAccessible::queryAccessibleInterface(form->HScroll1)->text(QAccessible::Name),
             QStringLiteral("Horizontaler Wind -50 km/h"));

    // Tab walks the controls in the order of the layout.
    const QList<QWidget *> order = {form->cmdWeiter,     form->VScroll1, form->HScroll1,
                                    form->freewareBox(), form->chkWind,  form->chkAirspeed,
                                    form->chkBremsen,    form->cmdTour,  form->endButton()};
    QWidget *w = form->cmdWeiter;
    int next = 1;
    for (int guard = 0; guard < 200 && next < order.size(); ++guard) {
        w = w->nextInFocusChain();
        if (order.contains(w)) {
            QCOMPARE(w, order[next]);
            ++next;
        }
    }
    QCOMPARE(next, static_cast<int>(order.size()));
    QCOMPARE(form->VScroll1->focusPolicy(), Qt::StrongFocus);
}

void TestInteraction::exerciseScoresTheLearner_data()
{
    QTest::addColumn<double>("offset"); // km/h from best glide, by dragging the bar
    QTest::newRow("on the spot") << 0.0;
    QTest::newRow("6 km/h too slow") << -6.0;
    QTest::newRow("8 km/h too fast") << 8.0;
}

void TestInteraction::exerciseScoresTheLearner()
{
    QFETCH(double, offset);
    form->setExerciseSeed(11);
    QTest::keyClick(form, Qt::Key_F5);
    QVERIFY(form->exerciseRunning());
    QCOMPARE(frmStart::Value(form->chkBremsen), 1);
    QCOMPARE(form->decl.Airspeed, 38.0f); // trim
    const float windH = form->decl.WindH;
    const float windV = form->decl.WindV;
    QCOMPARE(form->lblInfo->caption(),
             QStringLiteral("Übung 1: %1 – Balken auf bestes Gleiten, dann Eingabetaste")
                 .arg(windInWords(static_cast<int>(windH), qRound(windV * 10))));
    QCOMPARE(form->HScroll1->value(), static_cast<int>(windH));
    const float best = bruteForceBestGlide(windH, windV);
    // The learner drags the bar from trim to best glide plus the offset.
    const double target = std::clamp(best + offset, 18.0, 50.0);
    const double bandY = 100.0 * (windV - 3.6); // the middle of the brake band
    QTest::mouseMove(form->picPolare, pixelOf(*form, 10 * (38 + windH), bandY));
    QTest::mousePress(form->picPolare, Qt::LeftButton, Qt::NoModifier,
                      pixelOf(*form, 10 * (38 + windH), bandY));
    moveWith(*form, pixelOf(*form, 10 * (38 + windH), bandY), Qt::LeftButton);
    moveWith(*form, pixelOf(*form, 10 * (target + windH), bandY), Qt::LeftButton);
    QTest::mouseRelease(form->picPolare, Qt::LeftButton, Qt::NoModifier,
                        pixelOf(*form, 10 * (target + windH), bandY));
    QVERIFY(std::fabs(form->decl.Airspeed - target) < 0.2);
    const auto captionShown = [&] {
        const std::vector<DrawOp> &ops = form->picPolare->operations();
        return std::any_of(ops.begin(), ops.end(), [](const DrawOp &op) {
            return op.kind == DrawOp::Print && op.text.startsWith(QStringLiteral("Man verschiebe"));
        });
    };
    QVERIFY(captionShown());
    QTest::keyClick(form, Qt::Key_Return);
    QVERIFY(form->exerciseSolved());
    // The call to move the bar no longer applies: the result line stands instead.
    QVERIFY(!captionShown());
    const QString line = form->lblInfo->caption();
    const Result first = resultOf(line);
    QVERIFY2(first.percent >= 0, qPrintable(line));
    // Independent arithmetic: the learner's and the best signed ratios, and their share.
    const double learner = form->decl.GroundSpeedH / 3.6 / form->decl.GroundSpeedV;
    const double bestRatio = (best + windH) / 3.6 / (Polar(kBuiltIn, best) + windV);
    QCOMPARE(first.best, static_cast<double>(best));
    QCOMPARE(first.bestGlide, QStringLiteral("GZ %1").arg(
                                  QLocale(QLocale::German).toString(std::fabs(bestRatio), 'f', 1)));
    const int achieved = static_cast<int>(std::lround(learner / bestRatio * 100));
    QCOMPARE(first.percent, achieved);
    QCOMPARE(first.average, achieved);
    QCOMPARE(first.solved, 1);
    QCOMPARE(first.given, 1);
    QVERIFY(offset != 0.0 || achieved >= 99);
    QVERIFY(offset == 0.0 || achieved < 100);
    // Which way the learner erred, in words.
    const double off = form->decl.Airspeed - best;
    QCOMPARE(first.direction,
             std::fabs(off) <= 0.5
                 ? QStringLiteral("richtig")
                 : QStringLiteral("%1 km/h zu %2")
                       .arg(QLocale(QLocale::German).toString(std::fabs(off), 'f', 1),
                            off > 0 ? QStringLiteral("schnell") : QStringLiteral("langsam")));
    // The answer stands: neither a drag nor a key moves the bar or the score now.
    const float fixed = form->decl.Airspeed;
    QTest::mousePress(form->picPolare, Qt::LeftButton, Qt::NoModifier,
                      pixelOf(*form, 10 * (fixed + windH), bandY));
    moveWith(*form, pixelOf(*form, 10 * (fixed + windH), bandY), Qt::LeftButton);
    moveWith(*form, pixelOf(*form, 10 * (best + windH), bandY), Qt::LeftButton);
    QTest::mouseRelease(form->picPolare, Qt::LeftButton, Qt::NoModifier,
                        pixelOf(*form, 10 * (best + windH), bandY));
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Home}) {
        QTest::keyClick(form->picPolare, key);
    }
    QCOMPARE(form->decl.Airspeed, fixed);
    QCOMPARE(form->lblInfo->caption(), line);
    // The solution, dashed, from the origin to best glide, stays through a redraw.
    form->Repaint();
    const auto &ops = form->picPolare->operations();
    const auto solution = std::find_if(ops.begin(), ops.end(), [](const DrawOp &op) {
        return op.color == Look::kSolutionViolet && op.x1 == 0 && op.y1 == 0;
    });
    QVERIFY(solution != ops.end());
    QCOMPARE(solution->style, static_cast<int>(PictureBox::kStyleDash));
    QVERIFY(std::fabs(solution->x2 - 10.0 * (best + windH)) < 1e-3);
    QVERIFY(std::fabs(solution->y2 - 100.0 * (Polar(kBuiltIn, best) + windV)) < 1e-3);
    // The next exercise counts on, and the average takes both: the second answered at
    // trim, where it starts.
    QTest::keyClick(form, Qt::Key_F5);
    QVERIFY(form->lblInfo->caption().startsWith(QStringLiteral("Übung 2:")));
    // One given and left: it counts among those given, not in the average.
    QTest::keyClick(form, Qt::Key_F5);
    QVERIFY(form->lblInfo->caption().startsWith(QStringLiteral("Übung 3:")));
    const float windH2 = form->decl.WindH;
    const float windV2 = form->decl.WindV;
    const float best2 = bruteForceBestGlide(windH2, windV2);
    QTest::keyClick(form, Qt::Key_Return);
    const double gsH2 = 38.0 + windH2, gsV2 = Polar(kBuiltIn, 38.0f) + windV2;
    const double best2Ratio = (best2 + windH2) / 3.6 / (Polar(kBuiltIn, best2) + windV2);
    const int achieved2 = gsH2 > 0 && gsV2 < 0
                              ? static_cast<int>(std::lround(gsH2 / 3.6 / gsV2 / best2Ratio * 100))
                              : 0;
    const Result second = resultOf(form->lblInfo->caption());
    QCOMPARE(second.percent, achieved2);
    QCOMPARE(second.average, static_cast<int>(std::lround((achieved + achieved2) / 2.0)));
    QCOMPARE(second.solved, 2);
    QCOMPARE(second.given, 3);
}

void TestInteraction::exerciseLineFitsA1024By768Screen()
{
    // The longest task and result the strip can show, with the widest numbers, in its own
    // bold font, against the strip's width on the smallest screen the program is laid out
    // for (15 twips a pixel).
    const FormLayout small = computeLayout(15360, 11520);
    const double strip = small.lblInfo.width / 15.0;
    const QFontMetricsF metrics(form->lblInfo->font());
    const auto fits = [&](const QString &line) {
        return metrics.horizontalAdvance(line) <= strip;
    };
    // The widest numbers: the learner climbing and drifting back, the best at 58,8 km/h.
    const frmStart::ExerciseScore worst{58.8f,  -8.8f, 0.8f, 20.0f, 28.8f,
                                        -0.09f, 100,   100,  888,   888};
    const QString result = frmStart::exerciseResultText(worst, fits);
    QVERIFY2(result.contains(QStringLiteral("steigt 0,8 m/s")) &&
                 result.contains(QStringLiteral("38,8 km/h zu schnell")) &&
                 result.contains(QStringLiteral("888")),
             qPrintable(result));
    // Where there is room the words stand as they are.
    QCOMPARE(frmStart::exerciseResultText({38.0f, 20.0f, -0.5f, 32.0f, 20.0f, -0.4f, 86, 86, 3, 4},
                                          [](const QString &) { return true; }),
             QStringLiteral("Ihre Wahl 38,0 km/h, GZ 11,1 · Bestes Gleiten 32,0 km/h, GZ 13,9 · "
                            "6,0 km/h zu schnell · 86 % · Schnitt 86 % (3 von 4)"));
    const QStringList longest = {
        QStringLiteral("Übung 888: 30 km/h Rückenwind, 0,8 m/s Aufwind – Balken auf bestes "
                       "Gleiten, dann Eingabetaste"),
        result};
    for (const QString &line : longest) {
        const double width = QFontMetricsF(form->lblInfo->font()).horizontalAdvance(line);
        QVERIFY2(
            width <= small.lblInfo.width / 15.0,
            qPrintable(QStringLiteral("%1 px in %2").arg(width).arg(small.lblInfo.width / 15.0)));
    }
}

void TestInteraction::exerciseEnds_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Esc") << 0;
    QTest::newRow("the user moves the wind") << 1;
    QTest::newRow("the brakes locked") << 2;
}

void TestInteraction::exerciseEnds()
{
    QFETCH(int, how);
    QTest::keyClick(form, Qt::Key_F5);
    QTest::keyClick(form, Qt::Key_Return);
    QVERIFY(form->exerciseSolved());
    switch (how) {
    case 0:
        QTest::keyClick(form, Qt::Key_Escape);
        break;
    case 1:
        form->HScroll1->setFocus();
        QTest::keyClick(form->HScroll1, Qt::Key_Right);
        break;
    default:
        QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
        break;
    }
    QVERIFY(!form->exerciseRunning());
    QVERIFY2(form->lblInfo->caption().startsWith(QStringLiteral("Gleitzahl in Luft: ")),
             qPrintable(form->lblInfo->caption()));
    for (const DrawOp &op : form->picPolare->operations()) {
        QVERIFY(op.color != Look::kSolutionViolet);
    }
    // Enter belongs to the controls again.
    QTest::keyClick(form, Qt::Key_Return);
    QVERIFY(!form->exerciseSolved());
}

void TestInteraction::exerciseWindsRepeatBySeed()
{
    frmStart other;
    other.setEndProgram([] {});
    form->setExerciseSeed(5);
    other.setExerciseSeed(5);
    for (int i = 0; i < 12; ++i) {
        form->newExercise();
        other.newExercise();
        QCOMPARE(form->decl.WindH, other.decl.WindH);
        QCOMPARE(form->decl.WindV, other.decl.WindV);
        // Whole km/h within 30, tenths from -2.0 to 1.0, and a forward descent at best.
        QVERIFY(std::fabs(form->decl.WindH) <= 30 &&
                form->decl.WindH == std::round(form->decl.WindH));
        QVERIFY(form->decl.WindV >= -2.0f && form->decl.WindV <= 1.0f);
        const float best = bruteForceBestGlide(form->decl.WindH, form->decl.WindV);
        QVERIFY(best + form->decl.WindH > 0 && Polar(kBuiltIn, best) + form->decl.WindV < 0);
    }
}

void TestInteraction::comparisonStaysUnderRedraws()
{
    // Still air held, then a headwind: the grey polar and vector of still air lie under
    // the live picture, and the live state is what it would be without them.
    form->holdComparison();
    QVERIFY(form->hasComparison());
    form->HScroll1->setFocus();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(form->HScroll1, Qt::Key_PageDown);
    }
    QCOMPARE(form->decl.WindH, -20.0f);
    frmStart plain;
    plain.setEndProgram([] {});
    plain.HScroll1->setValue(-20);
    const auto greyLines = [this] {
        int n = 0;
        for (const DrawOp &op : form->picPolare->operations()) {
            n += op.kind == DrawOp::Line && op.color == Look::kComparisonGrey;
        }
        return n;
    };
    // The polar's segments, the vector and its arrowhead, the legend's sample.
    QCOMPARE(greyLines(), 32 + 3 + 1);
    const DrawOp &first = form->picPolare->operations().front();
    QCOMPARE(first.color, Look::kComparisonGrey); // under everything else
    QCOMPARE(first.x1, 180.0);                    // the still-air polar starts at 18 km/h
    QCOMPARE(form->decl.Airspeed, plain.decl.Airspeed);
    QCOMPARE(form->decl.GroundSpeedH, plain.decl.GroundSpeedH);
    QCOMPARE(form->decl.GroundSpeedV, plain.decl.GroundSpeedV);
    QCOMPARE(form->lblInfo->caption(), plain.lblInfo->caption());
    form->Repaint();
    QCOMPARE(greyLines(), 36);

    // Another wing: the held state keeps its own polar, and the legend names both. An
    // exercise belongs to the polar it was set with and ends.
    const auto printed = [this](int color) {
        QStringList texts;
        for (const DrawOp &op : form->picPolare->operations()) {
            if (op.kind == DrawOp::Print && op.color == color) {
                texts.append(op.text);
            }
        }
        return texts;
    };
    // One wing in two states: the legend names their winds.
    QCOMPARE(printed(Look::kLegendGrey),
             QStringList{QStringLiteral("Eingebaute Polare · Windstille · 33,5 km/h · GZ 7,9")});
    QVERIFY(printed(Look::kBlack)
                .join(QLatin1Char('|'))
                .contains(QStringLiteral("Eingebaute Polare · 20 km/h Gegenwind · ")));
    form->newExercise();
    QVERIFY(form->exerciseRunning());
    const Wing wing = schoolWing(95);
    QVERIFY(!wing.builtIn);
    form->setWing(&wing);
    QVERIFY(!form->exerciseRunning());
    QVERIFY(form->hasComparison());
    QCOMPARE(greyLines(), 36);
    QCOMPARE(form->picPolare->operations().front().x1, 180.0);
    QCOMPARE(printed(Look::kLegendGrey).size(), 1);
    QVERIFY(
        printed(Look::kLegendGrey).first().startsWith(QStringLiteral("Eingebaute Polare · 33,5")));
    const QString live = QStringLiteral("Schulschirm, 95 kg · %1 km/h · ")
                             .arg(FormatFixed(form->decl.Airspeed, 1, QLocale()));
    QVERIFY2(printed(Look::kBlack)
                 .contains(QStringLiteral("%1GZ %2").arg(
                     live,
                     FormatFixed(std::fabs(form->decl.GroundSpeedH / 3.6 / form->decl.GroundSpeedV),
                                 1, QLocale()))),
             qPrintable(printed(Look::kBlack).join(QLatin1Char('|'))));
    form->setWing(nullptr);
    QCOMPARE(greyLines(), 36);
    form->clearComparison();
    QCOMPARE(greyLines(), 0);
    QVERIFY(printed(Look::kLegendGrey).isEmpty());
}

void TestInteraction::wingDialogShowsItsNotesBeforeLoading()
{
    // A table measured from 30 to 44 km/h: the file's own ends load without a word;
    // speeds well beyond them ask first, and "Zurück" keeps the dialog open.
    PolarData data;
    const double v[] = {30, 37, 44};
    const double w[] = {-1.2, -1.1, -1.5};
    QVERIFY(fitQuadratic(v, w, 3, data.a, data.b, data.c));
    data.v1 = 30;
    data.v3 = 44;
    WingDialog dialog(data, "mess.csv", QStringLiteral("mess.csv"), form);
    const auto answerNote = [](const QString &button, QString &seen) {
        QTimer::singleShot(0, [button, &seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            seen = box->text();
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == button) {
                    b->click();
                }
            }
        });
    };
    QString seen;
    dialog.show();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(seen.isEmpty());
    auto *min = dialog.findChildren<QDoubleSpinBox *>().value(2);
    QVERIFY(min != nullptr && min->accessibleName() == QStringLiteral("volle Bremse"));
    min->setValue(25);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    answerNote(QStringLiteral("Zurück"), seen);
    dialog.accept();
    QVERIFY2(seen.startsWith(QStringLiteral("Hinweis: mess.csv: MIN 25,0 km/h liegt mehr als 3 "
                                            "km/h unter dem langsamsten Punkt (30,0 km/h)")),
             qPrintable(seen));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.isVisible());
    seen.clear();
    answerNote(QStringLiteral("Trotzdem laden"), seen);
    dialog.accept();
    QVERIFY(!seen.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

namespace {

// Loads a polar file as the user does: the diagram's context menu, "Polare laden …", the
// file dialog, the wing dialog accepted as it opens. What a message box says on the way
// is kept in said.
void loadThroughTheWindow(frmStart &form, const QString &path, QStringList &said)
{
    QTimer steps;
    steps.setInterval(20);
    QObject::connect(&steps, &QTimer::timeout, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *a : menu->actions()) {
                if (a->text() == QStringLiteral("Polare laden …")) {
                    menu->setActiveAction(a);
                    QTest::keyClick(menu, Qt::Key_Return);
                }
            }
        } else if (auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            // Typed into its name field, then its own button, as a user does.
            if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
                name->setText(path);
                QTest::keyClick(name, Qt::Key_Return);
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said << box->text();
            box->accept();
        } else if (auto *dialog = qobject_cast<WingDialog *>(QApplication::activeModalWidget())) {
            dialog->accept();
        }
    });
    steps.start();
    emit form.picPolare->customContextMenuRequested(QPoint(10, 10));
    // The dialogs that follow the menu run their own loops; wait until all are gone.
    QTRY_VERIFY_WITH_TIMEOUT(
        !QApplication::activeModalWidget() && !QApplication::activePopupWidget(), 5000);
}

} // namespace

void TestInteraction::wingIsRememberedAcrossStarts()
{
    // Loaded through the window, the wing as read and chosen is kept, not the file: the
    // next start has it whole, the speeds as the file gives them, without the file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Messung.csv"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("airspeed_kmh,sink_ms\n* gemessen\n24.25,-1.5\n35,-1.1\n50.05,-1.9\n");
    }
    // The names the program gives itself: without an organisation QSettings writes nothing.
    QCoreApplication::setOrganizationName(QStringLiteral("azodo"));
    QCoreApplication::setApplicationName(QStringLiteral("azodo"));
    QSettings().clear();
    frmStart form;
    form.show();
    QStringList said;
    loadThroughTheWindow(form, path, said);
    QVERIFY2(said.isEmpty(), qPrintable(said.join(QLatin1Char('|'))));
    QVERIFY2(form.windowTitle().endsWith(QStringLiteral("Messung, 90 kg")),
             qPrintable(form.windowTitle()));
    QCOMPARE(QSettings().value(QStringLiteral("wing/min")).toString(), QStringLiteral("24.25"));
    QString why;
    std::optional<Wing> again = rememberedWing(why);
    QVERIFY2(again && why.isEmpty(), qPrintable(why));
    QCOMPARE(again->name, std::string("Messung"));
    QCOMPARE(again->minSpeed, 24.25f);
    QCOMPARE(again->maxSpeed, 50.05f);
    QFile::remove(path);
    QVERIFY(rememberedWing(why) && why.isEmpty());

    // The built-in polar forgets it; nothing stored is no error.
    QVERIFY(rememberWing(Wing(), why));
    QVERIFY(!rememberedWing(why) && why.isEmpty());

    // Settings that cannot be read as written: one reason naming the settings file, and the
    // wing's group gone.
    const QString file = QSettings().fileName();
    const struct
    {
        const char *key;
        QVariant value;
        const char *reason;
    } damaged[] = {
        {"wing/mass", QStringLiteral("abc"), "„mass=abc“ keine Zahl"},
        {"wing/min", QStringLiteral("abc"), "„min=abc“ keine Zahl"},
        {"wing/polar", QVariant(), "fehlt der Eintrag „polar“"},
        {"wing/max", 90, "das Diagramm zeigt 10 bis 60 km/h"},
        {"wing/polar", QStringLiteral("Unsinn"), "gespeicherte Polare"},
    };
    for (const auto &d : damaged) {
        QVERIFY(rememberWing(*again, why));
        if (d.value.isValid()) {
            QSettings().setValue(QLatin1String(d.key), d.value);
        } else {
            QSettings().remove(QLatin1String(d.key));
        }
        QVERIFY(!rememberedWing(why));
        QVERIFY2(why.contains(QString::fromUtf8(d.reason)) && why.contains(file), qPrintable(why));
        QVERIFY2(QSettings().childGroups().isEmpty() || !QSettings().childGroups().contains("wing"),
                 d.key);
        QVERIFY(!rememberedWing(why) && why.isEmpty());
    }
    // A settings file of random bytes.
    QVERIFY(rememberWing(*again, why));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray noise(3000, Qt::Uninitialized);
        for (qsizetype k = 0; k < noise.size(); ++k) {
            noise[k] = static_cast<char>((k * 7919 + 13) % 256);
        }
        f.write(noise);
    }
    QVERIFY(!rememberedWing(why));
    QVERIFY2(why.contains(file), qPrintable(why));
    QVERIFY(!rememberedWing(why) && why.isEmpty()); // said once: the file is clean again

    // Settings that cannot be written: the window says so once, the wing stays loaded.
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file)); // a folder where the file would be
    QFile f2(path);
    QVERIFY(f2.open(QIODevice::WriteOnly));
    f2.write("90,0,24,-1.7,37,-1.1,54,-2.1\n");
    f2.close();
    said.clear();
    loadThroughTheWindow(form, path, said);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.front().contains(QStringLiteral("nicht für den nächsten Start gespeichert")),
             qPrintable(said.front()));
    QVERIFY(form.windowTitle().contains(QStringLiteral("Messung")));
    said.clear();
    loadThroughTheWindow(form, path, said);
    QVERIFY(said.isEmpty());
    QVERIFY(QDir(file).removeRecursively());
}

void TestInteraction::barKeysMoveOnTheGrid()
{
    // With the brakes free and the diagram focused, the keys move the bar onto the 0.5
    // grid, 5 km/h a page, to the ends with Home and End; locked, they move nothing.
    const auto pressFrom = [this](float from, Qt::Key key) {
        form->decl.Airspeed = from;
        form->Repaint();
        QTest::keyClick(form->picPolare, key);
        return form->decl.Airspeed;
    };
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    QTest::mouseClick(form->picPolare, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(form->picPolare->hasFocus());
    QCOMPARE(pressFrom(24.7f, Qt::Key_Right), 25.0f);
    QCOMPARE(pressFrom(24.7f, Qt::Key_Left), 24.5f);
    QCOMPARE(pressFrom(25.0f, Qt::Key_Right), 25.5f);
    QCOMPARE(pressFrom(24.7f, Qt::Key_PageUp), 29.5f);
    QCOMPARE(pressFrom(24.7f, Qt::Key_PageDown), 20.0f);
    QCOMPARE(pressFrom(30.0f, Qt::Key_Home), 18.0f);
    QCOMPARE(pressFrom(30.0f, Qt::Key_End), 50.0f);
    QCOMPARE(pressFrom(49.8f, Qt::Key_PageUp), 50.0f);
    QCOMPARE(pressFrom(18.2f, Qt::Key_Left), 18.0f);
    // The bar drawn where the key put it.
    pressFrom(30.0f, Qt::Key_Right);
    QCOMPARE(form->decl.GroundSpeedH, 30.5f);
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    const float best = form->decl.Airspeed;
    QTest::keyClick(form->picPolare, Qt::Key_Home);
    QCOMPARE(form->decl.Airspeed, best);
}

void TestInteraction::reachLessonAcrossStarts()
{
    QCoreApplication::setOrganizationName(QStringLiteral("azodo"));
    QSettings().clear();
    const auto reachMarks = [&] {
        int marks = 0;
        for (const DrawOp &op : form->picPolare->operations()) {
            marks += op.element == Element::Reach ? 1 : 0;
        }
        return marks;
    };
    QCOMPARE(reachMarks(), 0);
    QVERIFY(!form->distanceField()->isVisible());

    // F6: the row of fields, the needed glide in the diagram, the answer under the ratios.
    // 6 km from 800 m with 100 m to spare: best glide 7,9 arrives 45 m high (worked from
    // the polar: 33,5 km/h, 1,1705 m/s for 6 km at 33,5 km/h).
    QTest::keyClick(form, Qt::Key_F6);
    QCOMPARE(form->lesson(), frmStart::Lesson::Reach);
    QVERIFY(form->distanceField()->isVisible());
    QVERIFY(reachMarks() > 0);
    QStringList lines = form->lblInfo->caption().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(QLatin1String("Gleitzahl in Luft")), qPrintable(lines[0]));
    QVERIFY2(lines[1].endsWith(QStringLiteral("Ankunft 45 m – 55 m unter der Sicherheitshöhe")),
             qPrintable(lines[1]));

    // The margin down by two steps with the keys: 80 m, and 45 m still does not reach;
    // the height up to where it does.
    form->marginField()->setFocus();
    QTest::keyClick(form->marginField(), Qt::Key_Down);
    QTest::keyClick(form->marginField(), Qt::Key_Down);
    QCOMPARE(form->reachQuestion().marginM, 80.0);
    form->heightField()->setValue(900.0);
    lines = form->lblInfo->caption().split(QLatin1Char('\n'));
    QVERIFY2(lines[1].contains(QStringLiteral("erreicht – Ankunft 145 m (65 m über der")),
             qPrintable(lines[1]));
    // The brakes free: the bar's airspeed is judged beside the ratios.
    QTest::mouseClick(form->chkBremsen, Qt::LeftButton);
    QVERIFY2(form->lblInfo->caption().contains(QLatin1String("Ihre Fahrt")),
             qPrintable(form->lblInfo->caption()));

    // A field is never below its margin: a margin of 500 m lifts 300 m to 510 m.
    form->heightField()->setValue(300.0);
    form->marginField()->setValue(500.0);
    QCOMPARE(form->heightField()->value(), 510.0);
    form->distanceField()->setValue(2.5);

    // The next start finds the field as it was left; the lesson starts as always.
    delete form;
    form = new frmStart;
    form->setEndProgram([] {});
    QCOMPARE(form->lesson(), frmStart::Lesson::BestGlide);
    QCOMPARE(form->distanceField()->value(), 2.5);
    QCOMPARE(form->heightField()->value(), 510.0);
    QCOMPARE(form->marginField()->value(), 500.0);

    // A settings entry that is no number: the stored field is forgotten.
    delete form;
    QSettings().setValue(QStringLiteral("reach/height"), QStringLiteral("abc"));
    form = new frmStart;
    form->setEndProgram([] {});
    QCOMPARE(form->heightField()->value(), 800.0);
    QVERIFY(!QSettings().contains(QStringLiteral("reach/height")));
    QVERIFY2(form->storedReachProblem().contains(QStringLiteral("„height=abc“ keine Zahl")),
             qPrintable(form->storedReachProblem()));

    // An exercise locks the row; the tour returns to the first lesson.
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::keyClick(form, Qt::Key_F6);
    QTest::keyClick(form, Qt::Key_F5);
    QVERIFY(!form->distanceField()->isEnabled());
}

void TestInteraction::reachTasksScoreTheLearner()
{
    // Ten tasks in the lesson, answered alternately yes and no with the bar left at trim:
    // the verdict follows the arrival worked from the polar at best glide, Enter before the
    // answer scores nothing, and the band of airspeeds shows only with the solution.
    form->setExerciseSeed(11);
    QTest::keyClick(form, Qt::Key_F6);
    const auto bandShown = [&] {
        for (const DrawOp &op : form->picPolare->operations()) {
            if (op.element == Element::Reach && op.kind == DrawOp::Line && op.width >= 3) {
                return true;
            }
        }
        return false;
    };
    int reached = 0;
    for (int task = 1; task <= 10; ++task) {
        QTest::keyClick(form, Qt::Key_F5);
        QStringList lines = form->lblInfo->caption().split(QLatin1Char('\n'));
        QVERIFY2(lines[0].startsWith(QStringLiteral("Aufgabe %1: ").arg(task)),
                 qPrintable(lines[0]));
        QVERIFY(lines[1].startsWith(QStringLiteral("Reicht es?")));
        QVERIFY(!bandShown());
        QTest::keyClick(form, Qt::Key_Return);
        QVERIFY(form->exerciseRunning() && !form->exerciseSolved());
        QVERIFY(form->lblInfo->caption().contains(QStringLiteral("Erst J oder N")));

        const ReachQuestion q = form->reachQuestion();
        const float best = bruteForceBestGlide(form->decl.WindH, form->decl.WindV);
        const double arrival = q.heightM + (Polar(kBuiltIn, best) + form->decl.WindV) * 3600.0 *
                                               q.distanceKm / (best + form->decl.WindH);
        const bool yes = task % 2 == 1;
        QTest::keyClick(form, yes ? Qt::Key_J : Qt::Key_N);
        QTest::keyClick(form, Qt::Key_Return);
        QVERIFY(form->exerciseSolved());
        QVERIFY(bandShown() == (arrival >= q.marginM));
        lines = form->lblInfo->caption().split(QLatin1Char('\n'));
        const bool right = yes == (arrival >= q.marginM);
        QVERIFY2(
            lines[0].startsWith(right ? QStringLiteral("Richtig: ") : QStringLiteral("Falsch: ")),
            qPrintable(lines[0]));
        QVERIFY2(lines[0].contains(
                     QStringLiteral(" m bei %1 km/h").arg(QLocale().toString(best, 'f', 1))),
                 qPrintable(lines[0]));
        static const QRegularExpression score(QStringLiteral("· (\\d+) % · Schnitt"));
        const int percent = score.match(lines[1]).captured(1).toInt();
        QVERIFY2(right ? percent >= 50 && percent <= 100 : percent <= 50, qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(QStringLiteral("(%1 von %1)").arg(task)), qPrintable(lines[1]));
        reached += arrival >= q.marginM ? 1 : 0;
    }
    QVERIFY(reached >= 2 && reached <= 8);
    // Back to best glide: the lesson's average starts again.
    QTest::keyClick(form, Qt::Key_F6);
    QTest::keyClick(form, Qt::Key_F5);
    QTest::keyClick(form, Qt::Key_Return);
    QVERIFY2(form->lblInfo->caption().endsWith(QStringLiteral("(1 von 11)")),
             qPrintable(form->lblInfo->caption()));
}

void TestInteraction::speedToFlyLessonAcrossStarts()
{
    QCoreApplication::setOrganizationName(QStringLiteral("azodo"));
    QSettings().clear();
    delete form;
    form = new frmStart;
    form->setEndProgram([] {});
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    // The third lesson: the locked bar stands at the speed to fly, the strip says it. The
    // speed to fly worked by trying every airspeed on a 0.1 km/h grid: the highest
    // v·MC / (MC − sink).
    QTest::keyClick(form, Qt::Key_F6);
    QTest::keyClick(form, Qt::Key_F6);
    QCOMPARE(form->lesson(), frmStart::Lesson::SpeedToFly);
    QVERIFY(form->climbField()->isVisible() && !form->distanceField()->isVisible());
    const auto bruteForce = [](double climb) {
        double best = 0;
        float at = 18.0f;
        for (int t = 180; t <= 500; ++t) {
            const float v = t / 10.0f;
            const double average = v * climb / (climb - Polar(kBuiltIn, v));
            if (average > best) {
                best = average;
                at = v;
            }
        }
        return at;
    };
    QVERIFY(std::fabs(form->decl.Airspeed - bruteForce(1.0)) <= 0.1);
    QVERIFY2(form->lblInfo->caption().contains(QStringLiteral("MC 1,0 m/s: Sollfahrt 36,9 km/h")),
             qPrintable(form->lblInfo->caption()));
    // Two steps up with the keys: 1,2 m/s, faster.
    form->climbField()->setFocus();
    QTest::keyClick(form->climbField(), Qt::Key_Up);
    QTest::keyClick(form->climbField(), Qt::Key_Up);
    QCOMPARE(form->expectedClimb(), 1.2);
    QVERIFY(std::fabs(form->decl.Airspeed - bruteForce(1.2)) <= 0.1);
    QTest::mouseClick(form->driftBox(), Qt::LeftButton);
    QVERIFY(form->thermalDrifts());
    // Ten tasks with the marker left at trim: the score is the average at trim as a share
    // of the best, both worked from the polar with the tasks' climbs (standing thermal).
    QTest::mouseClick(form->driftBox(), Qt::LeftButton);
    QVERIFY(!form->thermalDrifts());
    form->setExerciseSeed(5);
    for (int task = 1; task <= 10; ++task) {
        QTest::keyClick(form, Qt::Key_F5);
        QVERIFY2(form->lblInfo->caption().startsWith(QStringLiteral("Aufgabe %1: MC ").arg(task)),
                 qPrintable(form->lblInfo->caption()));
        const double climb = form->expectedClimb();
        QVERIFY(climb >= 0.5 && climb <= 3.0);
        const float windH = form->decl.WindH;
        const float windV = form->decl.WindV;
        double best = 0;
        for (int t = 180; t <= 500; ++t) {
            const float v = t / 10.0f;
            best = std::max(best, (v + windH) * climb / (climb - Polar(kBuiltIn, v) - windV));
        }
        const double atTrim = (38.0 + windH) * climb / (climb - Polar(kBuiltIn, 38.0f) - windV);
        QTest::keyClick(form, Qt::Key_Return);
        QVERIFY(form->exerciseSolved());
        const QStringList lines = form->lblInfo->caption().split(QLatin1Char('\n'));
        static const QRegularExpression score(QStringLiteral("· (\\d+) % · Mittel"));
        const int percent = score.match(lines.value(1)).captured(1).toInt();
        const int expected = atTrim > 0 ? static_cast<int>(std::lround(100.0 * atTrim / best)) : 0;
        QVERIFY2(std::abs(percent - expected) <= 1, qPrintable(lines.value(1)));
        QVERIFY(best >= 2.0);
    }
    // The next start keeps the climb and the drift as the user left them.
    delete form;
    form = new frmStart;
    form->setEndProgram([] {});
    QCOMPARE(form->climbField()->value(), 1.2);
    QVERIFY(!form->driftBox()->isChecked());
    QVERIFY(form->storedClimbProblem().isEmpty());
    // Damaged entries are forgotten and the start says why: the lesson starts from 1,0 m/s
    // in a standing thermal.
    const std::pair<const char *, const char *> damaged[] = {
        {"climb", "viel"}, {"climb", "7.5"}, {"drift", "vielleicht"}};
    const char *const why[] = {"„climb=viel“ keine Zahl", "außerhalb der Grenzen",
                               "„drift=vielleicht“ weder true noch false"};
    for (int i = 0; i < 3; ++i) {
        delete form;
        QSettings().setValue(QStringLiteral("mc/climb"), QStringLiteral("2.5"));
        QSettings().setValue(QStringLiteral("mc/drift"), true);
        QSettings().setValue(QLatin1String("mc/") + QLatin1String(damaged[i].first),
                             QLatin1String(damaged[i].second));
        form = new frmStart;
        form->setEndProgram([] {});
        QCOMPARE(form->climbField()->value(), 1.0);
        QVERIFY(!form->driftBox()->isChecked());
        QVERIFY(!QSettings().contains(QStringLiteral("mc/climb")));
        QVERIFY2(form->storedClimbProblem().contains(QString::fromUtf8(why[i])),
                 qPrintable(form->storedClimbProblem()));
    }
}

QTEST_MAIN(TestInteraction)
#include "tst_interaction.moc"
