// The guided tour driven by clicks on ">> Weiter", with the 0.02 s pause shortened.
#include "DiagramFile.h"
#include "Exercise.h"
#include "Language.h"
#include "Layout.h"
#include "Look.h"
#include "TestWings.h"
#include "TourController.h"
#include "WingDialog.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

const QStringList kTexts = {
    QString::fromUtf8("Willkommen zur Windrechner Einführungs- und Erklärungstour"
                      "\r"
                      "Mit dem 'Weiter'-Button klickt man sich durch die Tour"),
    QString::fromUtf8(
        "Dieses Programm soll den Einfluß des Windes, sowohl horizontal als auch vertikal, auf die "
        "Gleitzahl bzw. den Gleitwinkel über Grund veranschaulichen."
        "\r"
        "Vor allem die optimale Bremsstellung für 'bestes Gleiten' bei verschiedenen "
        "Windeinflüssen sollte für den Piloten ersichtlich werden."),
    QString::fromUtf8(
        "Dargestellt ist im Diagramm das Koordinatensystem der Grundgeschwindigkeiten."),
    QString::fromUtf8(
        "Bei Nullwind entspricht es gleichzeitig dem Koordinatensystem der Luftgeschwindigkeiten."),
    QString::fromUtf8(
        "Zwischen horizontaler (Vorwärtsfahrt) und vertikaler (Sinkgeschwindigkeit) "
        "Geschwindigkeit gegenüber der Luft besteht bei jedem Flächenluftfahrzeug ein fester "
        "Zusammenhang, der über die sogenannte Geschwindigkeitspolare dargestellt wird."),
    QString::fromUtf8(
        "Die Polare umfaßt den gesamten erfliegbaren Geschwindigkeitsbereich des Gleitschirms."
        "\r"
        "Auf welchem Punkt der Polare sich der Schirm gerade befindet, steuert der Pilot über die "
        "Bremsstellung."),
    QString::fromUtf8(
        "Interessant wird es, wenn der Windeinfluß hinzukommt:"
        "\r"
        "Die Windgeschwindigkeiten (horiziontal und vertikal) werden zu den Luftgeschwindigkeiten "
        "des Schirms addiert. Bei Gegenwind (negatives Vorzeichen) oder Aufwind subtrahiert sich "
        "die Windgeschwindigkeit von der zugehörigen Luftgeschwindigkeit."),
    QString::fromUtf8("Hierdurch verschiebt sich jeder einzelne Zustandspunkt der Polare mit dem "
                      "Wind gegen das Grundgeschwindigkeits-Koordinatensystem."
                      "\r"
                      "Im Ergebnis verschiebt sich somit die gesamte Polare mit dem Wind, während "
                      "der Ursprung des Grundgeschwindigkeitsvektors (grün) fix bleibt."),
    QString::fromUtf8(
        "Der Grundgeschwindigkeitsvektor (grün) ergibt sich aus der Vektoraddition der "
        "Windgeschwindigkeiten (blau) und der Luftgeschwindigkeiten des Schirms (rot)."
        "\r"
        "Man könnte auch sagen, das Koordinatensystem und damit der Ursprung der "
        "Luftgeschwindigkeiten werden um die Beträge der Windgeschwindigkeiten gegen das "
        "Koordinatensystem der Grundgeschwindigkeiten (schwarz) verschoben."),
    QString::fromUtf8("Aber nun zum 'Besten Gleiten':"),
    QString::fromUtf8("Die Geschwindigkeit des besten Gleitens über Grund (und die dazugehörige "
                      "optimale Bremsstellung) erhält man durch Anlegen eines tangentialen "
                      "Grundgeschwindigkeitsvektors (grün) an die Polare."),
    QString::fromUtf8(
        "Zeichnet man weitere mögliche - von der Bremsstellung abhängige - Vektoren ein, so "
        "erkennt man, daß in allen Fällen der Gleitwinkel größer und somit schlechter wird."),
    QString::fromUtf8(
        "Das eigentliche Ziel dieses Programms ist es, nun aufzuzeigen, wie sich der Punkt des "
        "besten Gleitens und damit die optimale Bremsstellung unter Windeinfluß verändern:"),
    QString::fromUtf8(
        "Lassen wir die Bremsstellung zuerst einmal fest und nehmen einen Gegenwind von 25km/h an:"
        "\r"
        "Man erkennt, daß nun der für die Gleitzahl und den Gleitwinkel entscheidende "
        "Grundgeschwindigekitsvektor (grün) nicht mehr tangential an der Polare anliegt, sondern "
        "diese schneidet."),
    QString::fromUtf8(
        "Dies bedeutet, daß der Pilot sein Gleiten über Grund durch eine Anpassung der "
        "Bremsstellung verbessern kann. Man erkennt direkt aus dem Diagramm, daß ein Lösen der "
        "Bremsen (ab einer bestimmten Windgeschwindigkeit sogar ein Beschleunigen) den Gleitwinkel "
        "flacher und damit die Gleitzahl besser werden läßt."),
    QString::fromUtf8("Wir erhöhen also die Luftgeschwindigkeit soweit, bis der "
                      "Grundgeschwindigkeitsvektor wieder tangential an der Polare anliegt."
                      "\r"
                      "Ein weiteres Beschleunigen hätte wiederum eine Verschlechterung des "
                      "Gleitwinkels zur Folge."),
    QString::fromUtf8("Umgekehrt verhält es sich bei Rückenwind."),
    QString::fromUtf8("Hier kann geringfügig mehr angebremst werden. Stellt man sich extreme "
                      "Windgeschwindigkeiten vor, welche die Polare allerdings aus dem Diagramm "
                      "schieben würden, so nähert sich die optimale Bremsstellung maximal bis an "
                      "den Punkt des geringsten Sinkens (also dem Maximum der Polare) an."),
    QString::fromUtf8("Das Verhalten in diesem Fall oder den Einfluß von Auf- und Abwinden findet "
                      "man aber am besten durch Experimentieren mit den Wind-Scrollbars und dem "
                      "Balken für die Bremstellung heraus."),
    QString::fromUtf8("Bei Abwind verhält es sich ähnlich, wie bei Gegenwind:"),
    QString::fromUtf8(
        "Auch hier kann durch geringeres Anbremsen eine Verbesserung des Gleitens erzielt werden."),
    QString::fromUtf8(
        "Es muß abschließend gesagt werden, daß die optimale Bremsstellung für bestes Gleiten nur "
        "in ganz bestimmten Fällen des Streckenfluges relevant ist:"),
    QString::fromUtf8("Immer dann, wenn aus bestimmten Ausgangshöhen möglichst weite Strecken "
                      "zurückzulegen sind, etwa bei Talquerungen oder Endanflügen auf Zielpunkte "
                      "wird das beste Gleiten über Grund entscheidend."
                      "\r"
                      "Aber auch in kritischen Situationen, wie etwa starke Talwinde bei der "
                      "Landung oder der Versatz ins Lee beim Soaren machen unter Umständen ein "
                      "Wissen um diese Zusammenhänge unabdingbar."),
    QString::fromUtf8("Befindet man sich hingegen in Aufwind, so läßt sich zwar für diese Fälle "
                      "mit diesem Programm das beste Gleiten darstellen, es handelt sich dabei "
                      "gewissermaßen um das steilste Steigen."
                      "\r"
                      "Flugtaktisch muß dies allerdings nicht zwingend dei beste Lösung sein, "
                      "vielmehr wird man hier eher noch stärker zurückbremsen, um möglichst lange "
                      "im Aufwind verbleiben zu können."),
    QString::fromUtf8(
        "Tip zur Verwendung des Programms:"
        "\r"
        "Es ist manchmal sinnvoll, die Vektoren für Wind- und/oder Luftgeschwindigkeit "
        "abzuschalten um das Diagramm übersichtlicher zu halten."),
};

struct Frame
{
    int step;
    float windH, windV, airspeed;
    int barH, barV;
    bool weiterEnabled;
    QString lblWind;
};

struct Wait
{
    int step;
    float windH, windV, airspeed;
    int chkBremsen, chkWind, chkAirspeed;
    int barH, barV;
    QString text;
    int alignment;
    float panelHeight;
    QString weiterCaption;
    bool weiterEnabled, panelVisible, tourEnabled, boxesEnabled;
    bool readoutsBold, readoutsUnderlined;
    QString lblWind, lblAufwind;
    std::vector<DrawOp> ops;
};

// Bit-exact comparison of single-precision values.
bool same(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class Driver
{
public:
    frmStart form;
    TourController tour{form};
    QList<Frame> frames;
    QList<Wait> waits;
    // Called at each wait before the click; returns false to leave the wait alone.
    std::function<bool(int step)> onWait;
    std::function<void(int step)> onFrame;

    Driver()
    {
        form.setEndProgram([] {});
        tour.setPauseFunction([this](float seconds) {
            QCOMPARE(seconds, 0.02f);
            const int s = tour.step();
            frames.append({s, form.decl.WindH, form.decl.WindV, form.decl.Airspeed,
                           form.HScroll1->value(), form.VScroll1->value(),
                           form.cmdWeiter->isEnabled(), form.lblWind->caption()});
            if (onFrame) {
                onFrame(s);
            }
        });
        QObject::connect(&tour, &TourController::waiting, &tour, [this](int step) {
            waits.append(snapshot(step));
            if (onWait && !onWait(step)) {
                return;
            }
            QTimer::singleShot(0, &form,
                               [this] { QTest::mouseClick(form.cmdWeiter, Qt::LeftButton); });
        });
    }

    Wait snapshot(int step) const
    {
        return {step,
                form.decl.WindH,
                form.decl.WindV,
                form.decl.Airspeed,
                frmStart::Value(form.chkBremsen),
                frmStart::Value(form.chkWind),
                frmStart::Value(form.chkAirspeed),
                form.HScroll1->value(),
                form.VScroll1->value(),
                form.txtTour->caption(),
                form.txtTour->alignment(),
                form.tourTextHeight(),
                form.cmdWeiter->text(),
                form.cmdWeiter->isEnabled(),
                !form.txtTour->isHidden(),
                form.cmdTour->isEnabled(),
                form.chkWind->isEnabled() || form.chkAirspeed->isEnabled() ||
                    form.chkBremsen->isEnabled(),
                form.lblWind->fontBold() && form.lblAufwind->fontBold(),
                form.lblWind->fontUnderline() && form.lblAufwind->fontUnderline(),
                form.lblWind->caption(),
                form.lblAufwind->caption(),
                form.picPolare->operations()};
    }

    void runTour() { QTest::mouseClick(form.cmdTour, Qt::LeftButton); }

    QList<Frame> framesOf(int step) const
    {
        QList<Frame> out;
        for (const Frame &f : frames) {
            if (f.step == step) {
                out.append(f);
            }
        }
        return out;
    }
    const Wait &waitOf(int step) const
    {
        for (const Wait &w : waits) {
            if (w.step == step) {
                return w;
            }
        }
        static Wait none{};
        return none;
    }
};

int countLines(const std::vector<DrawOp> &ops, int color, int width)
{
    int n = 0;
    for (const DrawOp &op : ops) {
        n += op.kind == DrawOp::Line && op.color == color && op.width == width && op.x1 == 0 &&
             op.y1 == 0;
    }
    return n;
}

// The largest difference of a colour channel between two pictures of one size, averaged
// over blocks of 8 x 8 pixels: edges drawn a fraction of a pixel apart count little, a
// missing line or box a lot.
int largestBlockDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int by = 0; by + 8 <= a.height(); by += 8) {
        for (int bx = 0; bx + 8 <= a.width(); bx += 8) {
            int sum[3] = {0, 0, 0};
            for (int y = by; y < by + 8; ++y) {
                for (int x = bx; x < bx + 8; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    sum[0] += qRed(p) - qRed(q);
                    sum[1] += qGreen(p) - qGreen(q);
                    sum[2] += qBlue(p) - qBlue(q);
                }
            }
            for (int c : sum) {
                largest = std::max(largest, std::abs(c) / 64);
            }
        }
    }
    return largest;
}

// The diagram part of a saved SVG, drawn at the screen's size.
QImage savedDiagram(frmStart &form, const QString &path)
{
    QString error;
    if (!form.saveDiagram(path, error)) {
        return {};
    }
    QSvgRenderer svg(path);
    const QSize size = form.picPolare->size();
    QImage whole(size.width(), size.height() + readoutStripHeight(), QImage::Format_RGB32);
    whole.fill(Qt::white);
    QPainter p(&whole);
    svg.render(&p, QRectF(whole.rect()));
    p.end();
    return whole.copy(QRect(QPoint(0, whole.height() - size.height()), size));
}

} // namespace

class TestTour : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void animations();
    void statesAfterSteps();
    void textsAndPanel();
    void drawingsOfSteps();
    void startAndEnd();
    void secondTour();
    void tourTeachesWithTheBuiltInPolar();
    void tourEndsTheLessons();
    void freedBrakesBeforeTheTour();
    void windSetDuringAWaitStaysInForce();
    void dragPastTheSweepEnd();
    void clickDuringAnAnimationEndsTheNextWait();
    void closingTheWindowAbandonsTheTour();
    void endeDuringAWait();
    void spaceAloneRunsTheWholeTour();
    void animateCountsInSinglePrecision();
    void textsSpeakTheLanguageAndFit();
};

void TestTour::animations()
{
    Driver d;
    d.runTour();
    QCOMPARE(d.waits.size(), 25);

    // Step 6: three airspeed sweeps, the button disabled throughout.
    const QList<Frame> s6 = d.framesOf(6);
    QCOMPARE(s6.size(), 16 + 33 + 26);
    QCOMPARE(s6.first().airspeed, 33.5f);
    QCOMPARE(s6[15].airspeed, 18.5f);
    QCOMPARE(s6[16].airspeed, 18.0f);
    QCOMPARE(s6[48].airspeed, 50.0f);
    QCOMPARE(s6[49].airspeed, 50.0f);
    QCOMPARE(s6.last().airspeed, 25.0f);
    for (const Frame &f : s6) {
        QVERIFY(!f.weiterEnabled);
    }

    // Step 8: headwind to 15, then updraft to 2.5 with the wind left at -16.
    const QList<Frame> s8 = d.framesOf(8);
    QCOMPARE(s8.size(), 16 + 26);
    QCOMPARE(s8[15].windH, -15.0f);
    QCOMPARE(s8[15].barH, -15);
    QVERIFY(same(s8.last().windV, 2.4999998f));
    QCOMPARE(s8.last().barV, -25);
    QCOMPARE(s8.last().windH, -16.0f);
    QCOMPARE(s8.last().barH, -15);
    QCOMPARE(s8.last().lblWind, QStringLiteral("-16 km/h"));
    QCOMPARE(s8.last().airspeed, 24.0f);
    for (int i = 16; i < s8.size(); ++i) {
        QCOMPARE(s8[i].barV, -static_cast<int>(std::nearbyint(10.0 * s8[i].windV)));
    }

    const QList<Frame> s12 = d.framesOf(12);
    QCOMPARE(s12.size(), 17);
    QCOMPARE(s12.first().airspeed, 18.0f);
    QCOMPARE(s12.last().airspeed, 50.0f);

    const QList<Frame> s14 = d.framesOf(14);
    QCOMPARE(s14.size(), 26);
    QCOMPARE(s14.last().windH, -25.0f);
    QCOMPARE(s14.last().barH, -25);

    const QList<Frame> s16 = d.framesOf(16);
    QCOMPARE(s16.size(), 21);
    QCOMPARE(s16.first().airspeed, 33.5f);
    QCOMPARE(s16.last().airspeed, 43.5f);
    QCOMPARE(s16.last().windH, -26.0f);
    QCOMPARE(s16.last().barH, -25);
    QCOMPARE(s16.last().lblWind, QStringLiteral("-26 km/h"));

    const QList<Frame> s17 = d.framesOf(17);
    QCOMPARE(s17.size(), 26);
    QCOMPARE(s17.first().windH, -25.0f);
    QCOMPARE(s17.last().windH, 0.0f);
    QCOMPARE(s17.first().airspeed, 44.0f);

    const QList<Frame> s18 = d.framesOf(18);
    QCOMPARE(s18.size(), 26);
    QCOMPARE(s18.last().windH, 25.0f);

    const QList<Frame> s20 = d.framesOf(20);
    QCOMPARE(s20.size(), 13);
    QVERIFY(same(s20.last().windV, -1.2000002f));
    QCOMPARE(s20.last().barV, 12);

    const QList<Frame> s21 = d.framesOf(21);
    QCOMPARE(s21.size(), 10);
    QCOMPARE(s21.last().airspeed, 38.0f);
    QVERIFY(same(s21.first().windV, -1.3000002f));

    int total = 0;
    for (int step : {6, 8, 12, 14, 16, 17, 18, 20, 21}) {
        total += static_cast<int>(d.framesOf(step).size());
    }
    QCOMPARE(total, static_cast<int>(d.frames.size()));
}

void TestTour::statesAfterSteps()
{
    Driver d;
    d.runTour();
    const struct
    {
        int step, bremsen, wind, airspeedBox;
        float windH, windV, airspeed;
    } table[] = {
        {5, 0, 1, 0, 0, 0, 33.5f},
        {6, 1, 1, 1, 0, 0, 24},
        {8, 1, 1, 1, -16, 2.5999997f, 24},
        {11, 0, 1, 1, 0, 0, 33.5f},
        {12, 1, 1, 1, 0, 0, 52},
        {13, 1, 1, 1, 0, 0, 33.5f},
        {14, 1, 1, 1, -26, 0, 33.5f},
        {16, 1, 1, 1, -26, 0, 44},
        {17, 0, 1, 1, 1, 0, 33.5f},
        {18, 1, 1, 1, 26, 0, 33.5f},
        {20, 1, 1, 1, 0, -1.3000002f, 33.5f},
        {21, 1, 1, 1, 0, -1.3000002f, 38.5f},
        {22, 0, 1, 1, 0, 0, 33.5f},
        {23, 0, 1, 1, 0, 0, 33.5f},
        {24, 0, 1, 1, 0, 0, 33.5f},
        {25, 0, 1, 1, 0, 0, 33.5f},
    };
    for (const auto &row : table) {
        const Wait &w = d.waitOf(row.step);
        const QByteArray where = "after step " + QByteArray::number(row.step);
        QVERIFY2(w.step == row.step, where);
        QVERIFY2(w.chkBremsen == row.bremsen, where);
        QVERIFY2(w.chkWind == row.wind, where);
        QVERIFY2(w.chkAirspeed == row.airspeedBox, where);
        QVERIFY2(same(w.windH, row.windH), where);
        QVERIFY2(same(w.windV, row.windV), where);
        QVERIFY2(same(w.airspeed, row.airspeed), where);
    }
    // What the bars show where the read-out says something else.
    QCOMPARE(d.waitOf(17).barH, 0);
    QCOMPARE(d.waitOf(17).lblWind, QStringLiteral("1 km/h"));
    QCOMPARE(d.waitOf(16).barH, -25);
    QCOMPARE(d.waitOf(22).barH, 0);
    QCOMPARE(d.waitOf(22).barV, 0);
}

void TestTour::textsAndPanel()
{
    Driver d;
    d.runTour();
    for (int step = 1; step <= 25; ++step) {
        const Wait &w = d.waitOf(step);
        QCOMPARE(w.text, kTexts[step - 1]);
        QVERIFY(w.panelVisible);
        QVERIFY(!w.tourEnabled);
        QVERIFY(!w.boxesEnabled);
        QVERIFY(w.weiterEnabled);
        QCOMPARE(w.weiterCaption,
                 step >= 24 ? QStringLiteral("Tour beenden") : QStringLiteral(">> Weiter"));
        const int align = (step == 1 || step == 10) ? kAlignCenter : kAlignLeft;
        QCOMPARE(w.alignment, align);
        QCOMPARE(w.panelHeight, step == 3 ? 42.5f : 170.0f);
        QCOMPARE(w.readoutsBold, step == 4);
        QCOMPARE(w.readoutsUnderlined, step == 4);
    }
    QCOMPARE(kTexts[0].count(QLatin1Char('\r')), 1);
    // The panel shows the carriage return as a line break.
    QVERIFY(d.form.txtTour->text().contains(QLatin1Char('\n')));
    QCOMPARE(d.waitOf(1).lblWind, QStringLiteral("0 km/h"));
    QCOMPARE(d.waitOf(1).lblAufwind, QStringLiteral("0 m/s"));
}

void TestTour::drawingsOfSteps()
{
    Driver d;
    const std::vector<DrawOp> before = d.form.picPolare->operations();
    // Saved as vectors in the middle of the tour, the diagram is what the screen shows:
    // the empty axes of step 3, the thick best-glide tangent of step 11.
    QTemporaryDir dir;
    QMap<int, int> savedDifference;
    d.onWait = [&](int step) {
        if (step == 3 || step == 11 || step == 12) {
            const QImage saved = savedDiagram(d.form, dir.filePath(QStringLiteral("d.svg")));
            const QImage shown = d.form.picPolare->Image().convertToFormat(QImage::Format_RGB32);
            savedDifference[step] =
                saved.size() == shown.size() ? largestBlockDifference(saved, shown) : 1000;
        }
        return true;
    };
    d.runTour();
    for (int step : {3, 11, 12}) {
        QVERIFY2(savedDifference.value(step, 1000) < 40,
                 qPrintable(QStringLiteral("step %1: %2").arg(step).arg(savedDifference[step])));
    }
    // The start does not redraw: steps 1 and 2 still show the picture from before.
    QCOMPARE(d.waitOf(1).ops.size(), before.size());
    QCOMPARE(d.waitOf(2).ops.size(), before.size());
    // Step 3 and step 10: the empty coordinate system.
    QVERIFY(d.waitOf(3).ops.empty());
    QVERIFY(d.waitOf(10).ops.empty());
    // Step 5: the polar at zero wind without airspeed vectors over the empty system.
    bool red = false;
    for (const DrawOp &op : d.waitOf(5).ops) {
        red = red || (op.color == Look::kAirspeedRed && op.kind == DrawOp::Line);
    }
    QVERIFY(!red);
    QVERIFY(!d.waitOf(5).ops.empty());
    // Step 11: one thick dark-green best-glide vector from the origin to the tangent point.
    const std::vector<DrawOp> &s11 = d.waitOf(11).ops;
    QCOMPARE(countLines(s11, Look::kBestGlideGreen, 3), 1);
    const auto tangent = std::find_if(s11.rbegin(), s11.rend(), [](const DrawOp &op) {
        return op.kind == DrawOp::Line && op.color == Look::kBestGlideGreen;
    });
    QCOMPARE(tangent->x2, 335.0);
    QVERIFY(std::fabs(tangent->y2 + 117.05) < 0.01);
    // Step 12: over the redraw at best glide, 17 ground-speed vectors piled up, the
    // best-glide vector drawn again on top after each.
    const std::vector<DrawOp> &s12 = d.waitOf(12).ops;
    QCOMPARE(countLines(s12, Look::kGroundGreen, 2), 1 + 17);
    QCOMPARE(countLines(s12, Look::kBestGlideGreen, 3), 17);
    // (The frame's texts are placed after its lines.)
    const auto lastLine = std::find_if(s12.rbegin(), s12.rend(),
                                       [](const DrawOp &op) { return op.kind == DrawOp::Line; });
    QCOMPARE(lastLine->color, Look::kBestGlideGreen);
    QCOMPARE(lastLine->width, 3);
    // Step 13 wipes them.
    QCOMPARE(countLines(d.waitOf(13).ops, Look::kGroundGreen, 2), 1);
    // The pen of the best-glide vector stays with the box, and every drawing hands it back.
    QCOMPARE(d.form.picPolare->ForeColor(), Look::kBestGlideGreen);
    QCOMPARE(d.form.picPolare->DrawWidth(), 3);
}

void TestTour::startAndEnd()
{
    Driver d;
    d.form.chkWind->setChecked(false);
    QVERIFY(d.form.HScroll1->isEnabled());
    d.runTour();
    QVERIFY(!d.tour.running());
    QVERIFY(d.form.txtTour->isHidden());
    QVERIFY(d.form.cmdWeiter->isHidden());
    QVERIFY(d.form.cmdTour->isEnabled());
    QVERIFY(d.form.chkWind->isEnabled());
    QVERIFY(d.form.chkAirspeed->isEnabled());
    QVERIFY(d.form.chkBremsen->isEnabled());
    QVERIFY(d.form.chkWind->isChecked());
    QVERIFY(!d.form.chkBremsen->isChecked());
    QCOMPARE(d.form.HScroll1->value(), 0);
    QCOMPARE(d.form.VScroll1->value(), 0);
    QCOMPARE(d.form.decl.WindH, 0.0f);
    QCOMPARE(d.form.decl.WindV, 0.0f);
    // Nothing is redrawn at the end: the picture of step 22 stays.
    QCOMPARE(d.form.picPolare->operations().size(), d.waitOf(22).ops.size());
    QCOMPARE(d.waitOf(1).chkWind, 1);
}

void TestTour::secondTour()
{
    Driver d;
    d.runTour();
    const QList<Wait> first = d.waits;
    const int frames = static_cast<int>(d.frames.size());
    d.waits.clear();
    d.frames.clear();
    d.runTour();
    QCOMPARE(d.waits.size(), 25);
    QCOMPARE(static_cast<int>(d.frames.size()), frames);
    QCOMPARE(d.waitOf(1).weiterCaption, QStringLiteral(">> Weiter"));
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(d.waits[i].text, first[i].text);
    }
}

void TestTour::tourTeachesWithTheBuiltInPolar()
{
    // Its texts quote the built-in polar's numbers: a loaded wing steps aside for the
    // tour and comes back after it, with its title, redrawn once.
    Wing wing;
    wing.builtIn = false;
    wing.name = "Schulschirm";
    wing.massKg = 95;
    wing.a = -0.0042;
    wing.b = 0.3;
    wing.c = -6.3;
    wing.minSpeed = 24;
    wing.trimSpeed = 37;
    wing.maxSpeed = 54;
    Driver d;
    d.form.setWing(&wing);
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Var Azodoviravovorididaz – Schulschirm, 95 kg"));
    QList<float> maxDuringTour;
    QString titleDuringTour;
    d.onWait = [&](int step) {
        maxDuringTour.append(d.form.polar().maxSpeed);
        if (step == 11) {
            titleDuringTour = d.form.windowTitle();
        }
        return true;
    };
    d.runTour();
    QCOMPARE(maxDuringTour.size(), 25);
    QVERIFY(std::all_of(maxDuringTour.begin(), maxDuringTour.end(),
                        [](float v) { return v == 50.0f; }));
    QCOMPARE(titleDuringTour, QStringLiteral("Var Azodoviravovorididaz"));
    // Step 11's best-glide tangent ends at the built-in polar's 33.5 km/h.
    const std::vector<DrawOp> &s11 = d.waitOf(11).ops;
    QCOMPARE(std::find_if(s11.rbegin(), s11.rend(),
                          [](const DrawOp &op) { return op.color == Look::kBestGlideGreen; })
                 ->x2,
             335.0);
    QCOMPARE(d.form.polar().maxSpeed, 54.0f);
    QVERIFY(d.form.windowTitle().endsWith(QStringLiteral("Schulschirm, 95 kg")));
    // Redrawn for the wing: the brake bar stands on its best glide again.
    QVERIFY(d.form.decl.Airspeed >= 24.0f && d.form.decl.Airspeed <= 54.0f);
    QCOMPARE(d.form.decl.GroundSpeedH, d.form.decl.Airspeed);
    d.form.setWing(nullptr);
    QVERIFY(d.form.polar().builtIn);
}

void TestTour::tourEndsTheLessons()
{
    Driver d;
    d.form.setLesson(frmStart::Lesson::Reach);
    d.form.holdComparison();
    d.form.newExercise();
    QVERIFY(d.form.exerciseRunning() && d.form.hasComparison());
    QList<bool> lessonDuringTour;
    d.onWait = [&](int step) {
        if (step == 2) {
            d.form.newExercise(); // F5 and F6 have no say while the tour runs
            d.form.holdComparison();
            d.form.nextLesson();
        }
        lessonDuringTour.append(d.form.exerciseRunning() || d.form.hasComparison() ||
                                d.form.lesson() != frmStart::Lesson::BestGlide);
        return true;
    };
    d.runTour();
    QCOMPARE(lessonDuringTour, QList<bool>(25, false));
    QVERIFY(d.form.lblInfo->caption().startsWith(QStringLiteral("Gleitzahl in Luft")));
}

void TestTour::freedBrakesBeforeTheTour()
{
    Driver d;
    d.form.chkBremsen->setChecked(true);
    d.form.decl.Airspeed = 40.0f;
    d.form.Repaint();
    d.runTour();
    QCOMPARE(d.waitOf(5).airspeed, 40.0f);
    const QList<Frame> s6 = d.framesOf(6);
    QCOMPARE(s6.first().airspeed, 40.0f);
    QCOMPARE(s6.size(), 23 + 33 + 26); // one frame per km/h from 40 down to 18
}

void TestTour::windSetDuringAWaitStaysInForce()
{
    Driver d;
    d.onWait = [&d](int step) {
        if (step == 9) {
            d.form.HScroll1->setFocus();
            QTest::keyClick(d.form.HScroll1, Qt::Key_PageDown); // the user's own step
        }
        return true;
    };
    d.runTour();
    // The user's step from the bar at -15 gives -20 and stays until step 11.
    QCOMPARE(d.waitOf(10).windH, -20.0f);
    QCOMPARE(d.waitOf(10).lblWind, QStringLiteral("-20 km/h"));
    QCOMPARE(d.waitOf(11).windH, 0.0f);
}

void TestTour::dragPastTheSweepEnd()
{
    Driver d;
    d.onWait = [&d](int step) {
        if (step == 15) {
            d.form.decl.Airspeed = 45.0f; // as a drag of the brake bar leaves it
            d.form.Repaint();
        }
        return true;
    };
    d.runTour();
    QVERIFY(d.framesOf(16).isEmpty());
    QCOMPARE(d.waitOf(16).airspeed, 45.0f);
}

void TestTour::clickDuringAnAnimationEndsTheNextWait()
{
    Driver d;
    bool posted = false;
    d.onFrame = [&](int step) {
        if (step == 8 && !posted) {
            posted = true;
            const QPointF c = QRectF(d.form.cmdWeiter->rect()).center();
            const QPointF g = d.form.cmdWeiter->mapToGlobal(c);
            QCoreApplication::postEvent(
                d.form.cmdWeiter, new QMouseEvent(QEvent::MouseButtonPress, c, g, Qt::LeftButton,
                                                  Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(
                d.form.cmdWeiter, new QMouseEvent(QEvent::MouseButtonRelease, c, g, Qt::LeftButton,
                                                  Qt::NoButton, Qt::NoModifier));
        }
    };
    d.onWait = [](int step) {
        return step != 8;
    }; // the posted click must end wait 8
    d.runTour();
    QVERIFY(posted);
    QCOMPARE(d.framesOf(8).size(), 42); // not handled in the middle of the animation
    QCOMPARE(d.waits.size(), 25);
}

void TestTour::closingTheWindowAbandonsTheTour()
{
    Driver d;
    d.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.form));
    d.onWait = [&d](int step) {
        if (step == 7) {
            QTimer::singleShot(0, &d.form, [&d] { d.form.close(); });
            return false;
        }
        return true;
    };
    QElapsedTimer t;
    t.start();
    d.runTour();
    QVERIFY(t.elapsed() < 5000);
    QCOMPARE(d.waits.size(), 7);
    QVERIFY(!d.tour.running());
    QVERIFY(d.framesOf(8).isEmpty());
}

void TestTour::endeDuringAWait()
{
    Driver d;
    int ended = 0;
    d.form.setEndProgram([&ended] { ++ended; });
    d.onWait = [&d](int step) {
        if (step == 3) {
            QTimer::singleShot(0, &d.form,
                               [&d] { QTest::mouseClick(d.form.endButton(), Qt::LeftButton); });
            return false;
        }
        return true;
    };
    d.runTour();
    QCOMPARE(ended, 1);
    QCOMPARE(d.waits.size(), 3);
    QVERIFY(!d.tour.running());
}

void TestTour::spaceAloneRunsTheWholeTour()
{
    // The keyboard user's tour: Space on "Tour", then Space at every wait. Disabling the
    // focused "Tour" (and ">> Weiter" in the sweep of step 6) must not leave the focus on
    // "Ende", where the next Space would end the program.
    Driver d;
    int ended = 0;
    d.form.setEndProgram([&ended] { ++ended; });
    d.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.form));
    QStringList focusAtWaits;
    QSize copiedDuringWait;
    d.onWait = [&](int step) {
        if (step == 3) {
            // The window's shortcuts work while the tour waits: Ctrl+C copies the diagram.
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            copiedDuringWait = QGuiApplication::clipboard()->image().size();
        }
        QWidget *focus = QApplication::focusWidget();
        const auto *button = qobject_cast<QAbstractButton *>(focus);
        focusAtWaits.append(focus == d.form.cmdWeiter ? QStringLiteral("cmdWeiter")
                            : button                  ? button->text()
                            : focus ? QString::fromLatin1(focus->metaObject()->className())
                                    : QStringLiteral("none"));
        QTimer::singleShot(0, &d.form, [&d] {
            QWidget *target = QApplication::focusWidget();
            QTest::keyClick(target ? target : &d.form, Qt::Key_Space);
        });
        return false;
    };
    d.form.cmdTour->setFocus();
    QTest::keyClick(d.form.cmdTour, Qt::Key_Space);
    QCOMPARE(ended, 0);
    QCOMPARE(d.waits.size(), 25);
    QVERIFY(!d.tour.running());
    QCOMPARE(focusAtWaits.size(), 25);
    for (int i = 0; i < focusAtWaits.size(); ++i) {
        QVERIFY2(focusAtWaits[i] == QLatin1String("cmdWeiter"),
                 qPrintable(QStringLiteral("step %1: %2").arg(i + 1).arg(focusAtWaits[i])));
    }
    QCOMPARE(copiedDuringWait, d.form.picPolare->size());
    // After the tour the focus rests on "Tour", not on "Ende".
    QVERIFY(QApplication::focusWidget() != d.form.endButton());
}

void TestTour::animateCountsInSinglePrecision()
{
    Driver d;
    QList<float> seen;
    float v = 99.0f;
    d.tour.animate(v, 0.0f, 2.5f, 0.1f, [&] { seen.append(v); });
    QCOMPARE(seen.size(), 26);
    QVERIFY(same(seen.last(), 2.4999998f));
    QVERIFY(same(v, 2.5999997f));
    seen.clear();
    d.tour.animate(v, 0.0f, -1.3f, -0.1f, [&] { seen.append(v); });
    QCOMPARE(seen.size(), 13);
    QVERIFY(same(seen.last(), -1.2000002f));
    QVERIFY(same(v, -1.3000002f));
    // A start already past the end draws nothing and leaves the value.
    seen.clear();
    v = 45.0f;
    d.tour.animate(v, v, 43.5f, 0.5f, [&] { seen.append(v); });
    QVERIFY(seen.isEmpty());
    QCOMPARE(v, 45.0f);
}

void TestTour::textsSpeakTheLanguageAndFit()
{
    // The language as the program chooses it from the environment: German in the suite,
    // English in its English run (LC_ALL=en_GB.UTF-8).
    setUpLanguage();
    installQtTranslations();
    const bool english = currentLanguage() == Language::English;
    QCOMPARE(english, qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("en")));
    Driver d;
    frmStart &form = d.form;
    QStringList texts; // every text the window shows, for the language check
    QStringList misfits;
    const FormLayout layouts[] = {computeLayout(15360, 11520), computeLayout(28800, 16200)};
    const auto px = [](float twips) {
        return twips / 15.0;
    };
    const auto fits = [&](const QString &what, double needed, double room) {
        if (needed > room) {
            misfits.append(QStringLiteral("%1: %2 px in %3").arg(what).arg(needed).arg(room));
        }
    };
    for (const FormLayout &L : layouts) {
        const auto buttonFits = [&](QAbstractButton *b, const TwipsRect &r, const QString &t) {
            fits(t, QFontMetricsF(b->font()).horizontalAdvance(t) + 6, px(r.width));
        };
        buttonFits(form.endButton(), L.cmdEnde, form.endButton()->text());
        buttonFits(form.cmdTour, L.cmdTour, form.cmdTour->text());
        buttonFits(form.chkBremsen, L.chkBremsen, form.chkBremsen->text());
        // The continue button in the diagram, with both its captions.
        const double weiter = L.cmdWeiter.width / 1200.0 * px(L.picPolare.width);
        for (const char *t : {">> Weiter", "Tour beenden"}) {
            const QString caption = translated("Tour", t);
            fits(caption, QFontMetricsF(form.cmdWeiter->font()).horizontalAdvance(caption) + 6,
                 weiter);
        }
        // The tick boxes take their own width, up to the brake toggle.
        for (QCheckBox *box : {form.chkWind, form.chkAirspeed}) {
            fits(box->text(), box->sizeHint().width(), px(L.chkBremsen.left - L.chkWind.left));
        }
        const std::pair<Label *, TwipsRect> labels[] = {{form.tailwindCaption(), L.lblHscrLeft},
                                                        {form.headwindCaption(), L.lblHScrRight},
                                                        {form.updraftCaption(), L.lblVScrUp},
                                                        {form.downdraftCaption(), L.lblVScrDown},
                                                        {form.authorLabel(), L.lblAuthor}};
        for (const auto &[label, r] : labels) {
            for (const QString &line : label->text().split(QLatin1Char('\n'))) {
                fits(line, QFontMetricsF(label->font()).horizontalAdvance(line), px(r.width));
            }
        }
        for (int i = 0; i < form.freewareBox()->count(); ++i) {
            const QString item = form.freewareBox()->itemText(i);
            fits(item, QFontMetricsF(form.freewareBox()->font()).horizontalAdvance(item) + 24,
                 px(L.cboFree.width));
        }
    }
    // The tour's texts in their panel, on both screens.
    d.runTour();
    QCOMPARE(d.waits.size(), 25);
    for (const Wait &w : std::as_const(d.waits)) {
        const QString text = QString(w.text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        texts.append(text);
        for (const FormLayout &L : layouts) {
            const double width = px(L.picPolare.width) - 4;
            const double height = w.panelHeight / 1000.0 * px(L.picPolare.height);
            const QRect needed = QFontMetrics(form.txtTour->font())
                                     .boundingRect(QRect(0, 0, static_cast<int>(width), 100000),
                                                   Qt::TextWordWrap, text);
            fits(QStringLiteral("step %1").arg(w.step), needed.height(), height);
        }
    }
    // The exercise's longest lines in the strip of a 1024 x 768 screen.
    const double strip = px(layouts[0].lblInfo.width);
    const QFontMetricsF info(form.lblInfo->font());
    const frmStart::ExerciseScore worst{58.8f,  -8.8f, 0.8f, 20.0f, 28.8f,
                                        -0.09f, 100,   100,  888,   888};
    const QString result = frmStart::exerciseResultText(
        worst, [&](const QString &line) { return info.horizontalAdvance(line) <= strip; });
    const QString task =
        translated("Window", "Übung %1: %2 – Balken auf bestes Gleiten, dann Eingabetaste")
            .arg(888)
            .arg(windInWords(30, 8));
    QStringList lines{result, task};
    // A landing-field task's longest lines, asked, answered and solved.
    for (const std::optional<bool> answer :
         {std::optional<bool>(), std::optional<bool>(true), std::optional<bool>(false)}) {
        lines << frmStart::reachTaskLines(888, {29.9, 1500.0, 200.0}, -30, -18, answer);
    }
    for (const bool right : {true, false}) {
        for (const bool reaches : {true, false}) {
            lines << frmStart::reachResultLines(
                {right, reaches, -1234.0, 48.5f, 18.0f, 100, 100, 888, 888});
        }
    }
    // Speed-between-thermals tasks as F5 draws them, for three wings and both thermals,
    // asked and solved with the bar at the speed to fly and at either end of the wing.
    const Wing taskWings[] = {Wing(), schoolWing(),
                              wingFromLine("100,0,32,-1.4,47,-1.1,68,-2.4\n", 110, "fast.plr")};
    int climbTasks = 0;
    for (const Wing &w : taskWings) {
        for (const bool drifting : {false, true}) {
            WindDraw draw(33);
            for (int i = 0; i < 150; ++i) {
                const std::optional<ClimbTask> t = draw.nextClimb(w, drifting);
                QVERIFY(t);
                ++climbTasks;
                const double mc = t->climbTenths / 10.0;
                const float windH = static_cast<float>(t->wind.windH);
                const float windV = WindVFromTenths(t->wind.windVTenths);
                const SpeedToFly best = SpeedToFlyFor(w, mc, windH, windV, drifting);
                lines << frmStart::climbTaskLines(888, mc, t->wind.windH, t->wind.windVTenths);
                for (const float bar : {best.airspeed, w.minSpeed, w.maxSpeed}) {
                    const double average = AverageSpeed(w, mc, bar, windH, windV, drifting);
                    lines << frmStart::climbResultLines(
                        {mc, best.airspeed, bar, settingInWords(w, best.airspeed), best.averageKmh,
                         average, 100, 100, 888, 888});
                }
            }
        }
    }
    QCOMPARE(climbTasks, 900);
    for (const QString &line : std::as_const(lines)) {
        texts.append(line);
        fits(line, info.horizontalAdvance(line), strip);
    }
    // A landing field's row of fields in its band, and its answer in the strip's two lines
    // over winds, fields that reach and do not, and the bar at either end of the wing.
    for (const FormLayout &L : layouts) {
        const QWidget *row = form.distanceField()->parentWidget();
        fits(QStringLiteral("row of fields"), row->sizeHint().width(), px(L.lessonRow.width));
        fits(QStringLiteral("row of fields' height"), row->sizeHint().height(),
             px(L.lessonRow.height));
    }
    for (const FormLayout &L : layouts) {
        const QWidget *row = form.climbField()->parentWidget();
        fits(QStringLiteral("climb's row"), row->sizeHint().width(), px(L.lessonRow.width));
    }
    const Wing wing;
    // The speed to fly's line, with the bar's average, over winds and climbs.
    for (int windH = -50; windH <= 50; windH += 10) {
        for (int tenths = -40; tenths <= 40; tenths += 10) {
            const float windV = WindVFromTenths(tenths);
            for (const double climb : {0.0, 0.1, 1.0, 4.9, 5.0}) {
                for (const bool drifting : {false, true}) {
                    const SpeedToFly s =
                        SpeedToFlyFor(wing, climb, static_cast<float>(windH), windV, drifting);
                    const SpeedToFlyWords words = speedToFlyInWords(
                        wing, climb, s, wing.minSpeed, static_cast<float>(windH), windV, drifting);
                    const QString first =
                        glideRatioReadout(wing, wing.minSpeed,
                                          wing.minSpeed + static_cast<float>(windH),
                                          wing.sink(wing.minSpeed) + windV) +
                        QStringLiteral("   ") + words.yours;
                    texts << words.answer << words.yours;
                    fits(words.answer, info.horizontalAdvance(words.answer), strip);
                    fits(first, info.horizontalAdvance(first), strip);
                }
            }
        }
    }
    const ReachQuestion fields[] = {
        {6.0, 800.0, 150.0}, {29.9, 2990.0, 490.0}, {0.5, 60.0, 0.0}, {12.3, 1500.0, 500.0}};
    for (int windH = -50; windH <= 50; windH += 5) {
        for (int tenths = -30; tenths <= 20; tenths += 5) {
            const float windV = WindVFromTenths(tenths);
            for (const ReachQuestion &q : fields) {
                const Reach r = ReachField(wing, q, static_cast<float>(windH), windV);
                for (const float bar : {wing.minSpeed, wing.maxSpeed}) {
                    const ReachWords words =
                        reachInWords(wing, q, r, static_cast<float>(windH), windV, bar);
                    const QString first =
                        glideRatioReadout(wing, bar, bar + static_cast<float>(windH),
                                          wing.sink(bar) + windV) +
                        QStringLiteral("   ") + words.yours;
                    fits(first, info.horizontalAdvance(first), strip);
                    fits(words.answer, info.horizontalAdvance(words.answer), strip);
                    texts << words.line() << words.yours;
                }
            }
        }
    }
    // Every text of the window, its context menu and the wing dialog.
    for (QWidget *w : QApplication::allWidgets()) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription()
              << w->windowTitle();
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            texts << b->text();
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            texts << l->text();
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i) {
                texts << c->itemText(i);
            }
        }
    }
    QTimer::singleShot(0, [&texts] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *a : menu->actions()) {
                texts << a->text();
            }
            menu->close();
        }
    });
    emit form.picPolare->customContextMenuRequested(QPoint(10, 10));
    WingProblem problem;
    const std::optional<PolarData> data =
        parsePolarText("w.plr", "90,0,24,-1.7,37,-1.1,54,-2.1\n", problem);
    QVERIFY(data);
    WingDialog dialog(*data, "w.plr", QStringLiteral("w.plr"), &form);
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            texts << b->text();
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            texts << l->text();
        }
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1String("; "))));
    if (english) {
        static const QRegularExpression german(QStringLiteral(
            "[äöüÄÖÜß]|\\b(und|nicht|der|die|das|ist|für|mit|oder|eine|kein|Bremse|Gleitzahl|"
            "Fahrt|Übung|Wahl|Polare|Schirm|Wind[a-z]+|Weiter|Ende|Laden|Abbrechen)\\b"));
        for (const QString &t : std::as_const(texts)) {
            QVERIFY2(!t.contains(german), qPrintable(t));
        }
        QVERIFY(texts.contains(QStringLiteral("Quit")));
    }
}

QTEST_MAIN(TestTour)
#include "tst_tour.moc"
