#include "BrakeBand.h"
#include "Diagram.h"
#include "DiagramFile.h"
#include "Exercise.h"
#include "Language.h"
#include "Layout.h"
#include "Look.h"
#include "PictureBox.h"
#include "TestWings.h"
#include "TextPlacement.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QtTest>
#include <cmath>

namespace {
const Wing kBuiltIn; // the program's own polar
} // namespace

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// A diagram box the size of the window's at a 1920 x 1080 screen.
struct Diagram
{
    PictureBox pic;
    modDeklarationen decl;
    SavedPen saved;
    OverlaySwitches switches;
    QImage background;

    explicit Diagram(QSize size = QSize(1468, 770))
    {
        pic.resize(size);
        setUpDiagram(pic);
        DrawBackground(pic);
        background = pic.Image();
    }
    QString draw(float windH, float windV)
    {
        decl.WindH = windH;
        decl.WindV = windV;
        pic.setPicture(background);
        return drawAt(decl.WindH, decl.WindV);
    }
    // Computed first, then drawn, as the window does.
    QString drawAt(float windH, float windV)
    {
        const Flight f = FlightFor(kBuiltIn, decl.Airspeed, switches.freeBrakes, windH, windV);
        decl.Airspeed = f.airspeed;
        decl.GroundSpeedH = f.groundSpeedH;
        decl.GroundSpeedV = f.groundSpeedV;
        decl.GlideAngle = f.glideAngle;
        DrawPolarOverlay(pic, kBuiltIn, f.airspeed, saved, switches, windH, windV, kGerman);
        return DrawGlidePath(pic, kBuiltIn, f, saved, windV, kGerman);
    }
    std::vector<DrawOp> ops(DrawOp::Kind kind, int color = -1) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp &op : pic.operations()) {
            if (op.kind == kind && (color < 0 || op.color == color)) {
                out.push_back(op);
            }
        }
        return out;
    }
    const DrawOp *text(const QString &startsWith, bool exact = false) const
    {
        for (const DrawOp &op : pic.operations()) {
            if (op.kind == DrawOp::Print &&
                (exact ? op.text == startsWith : op.text.startsWith(startsWith))) {
                return &op;
            }
        }
        return nullptr;
    }
};

bool hasLine(const std::vector<DrawOp> &ops, double x1, double y1, double x2, double y2, int width,
             double eps = 1e-3)
{
    for (const DrawOp &op : ops) {
        if (op.kind == DrawOp::Line && std::fabs(op.x1 - x1) < eps && std::fabs(op.y1 - y1) < eps &&
            std::fabs(op.x2 - x2) < eps && std::fabs(op.y2 - y2) < eps && op.width == width) {
            return true;
        }
    }
    return false;
}

// Colour of the pixel at user coordinates.
QColor probe(const PictureBox &pic, double x, double y)
{
    const QPointF p = pic.toPixel(x, y);
    return pic.Image().pixelColor(qFloor(p.x()), qFloor(p.y()));
}

} // namespace

class TestDiagram : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(kGerman);
        // German in the suite; English in its English run.
        setUpLanguage();
    }

    void layoutOfA1024By768Screen();
    void layoutOfFullHd();
    void windowAfterStartUp();

    void backgroundOperations();
    void backgroundPixels();

    void brakeScaleColors_data();
    void brakeScaleColors();

    void overlayStillAir();
    void overlayHeadwind();
    void overlayUpdraftAndDowndraft();
    void overlayFreeBrakes();
    void overlayTailwind50IsDrawnAndClipped();
    void overlayWithoutVectors();
    void overlayPixels();

    void glidePathStillAir();
    void glidePathWorkedValues_data();
    void glidePathWorkedValues();
    void glidePathBackwardAndLevel();
    void glideAngleArcOnScreen_data();
    void glideAngleArcOnScreen();
    void penIsRestored();
    void exactCancellations();
    void nothingNonFiniteOverAllBarStates();
    void windsInWords_data();
    void windsInWords();
    void everyExerciseWindIsInView();
    void fastWingLabelsStayInside();
    void slidesKeepTheirLabelsApart();
    void textsWholeAndApartOverTheEnvelope();
    void speedToFlyBeyondTheFrame_data();
    void speedToFlyBeyondTheFrame();
};

void TestDiagram::layoutOfA1024By768Screen()
{
    const FormLayout L = computeLayout(15360, 11520);
    QCOMPARE(L.window.width, 13824.0f);
    QCOMPARE(L.window.height, 10944.0f);
    QCOMPARE(L.window.left, 768.0f);
    QCOMPARE(L.window.top, 0.0f);
}

void TestDiagram::layoutOfFullHd()
{
    // 1920 x 1080 pixels at 15 twips: window 25920 x 15390 twips, no frame.
    const FormLayout L = computeLayout(28800, 16200);
    const auto near = [](float a, double b) {
        return std::fabs(a - b) < 0.01;
    };
    QVERIFY(near(L.picPolare.left, 3369.6));
    QVERIFY(near(L.picPolare.top, 769.5));
    QVERIFY(near(L.picPolare.width, 22032));
    QVERIFY(near(L.picPolare.height, 11542.5));
    QVERIFY(near(L.cmdEnde.top, 15390 - 558));
    QVERIFY(near(L.cmdEnde.right(), L.picPolare.right()));
    QVERIFY(near(L.lblAuthor.top, 14832 - 382.5));
    QVERIFY(near(L.cboFree.top, 14449.5 - 472.5));
    QVERIFY(near(L.cboFree.right(), L.cmdEnde.right()));
    QVERIFY(near(L.VScroll1.left, 3369.6 - 302));
    QVERIFY(near(L.VScroll1.height, 11542.5));
    QVERIFY(near(L.HScroll1.top, 12362));
    QVERIFY(near(L.chkAirspeed.top, 15012));
    QVERIFY(near(L.chkAirspeed.bottom(), L.cmdEnde.bottom()));
    QVERIFY(near(L.chkWind.top, 15012 - 230.4));
    QVERIFY(near(L.chkAirspeed.left, 3369.6));
    QVERIFY(near(L.chkBremsen.left, 3369.6 + 11016 - 1206));
    QVERIFY(near(L.chkBremsen.top, L.chkWind.top));
    QVERIFY(near(L.cmdTour.left, L.cmdEnde.left - 1310.4));
    QVERIFY(near(L.lblAufwind.top, 769.5 + 5771.25 - 126));
    QVERIFY(near(L.lblAufwind.right(), L.VScroll1.left - 50));
    QVERIFY(near(L.lblWind.top, 12362 + 327.6));
    QVERIFY(near(L.lblHscrLeft.right(), L.picPolare.right()));
    QVERIFY(near(L.lblHScrRight.left, 3369.6));
    QVERIFY(near(L.lblVScrDown.bottom(), L.VScroll1.bottom()));
    QVERIFY(near(L.lblInfo.top, (769.5 - 252) / 2));
    // Inside the diagram, in its units.
    QCOMPARE(L.txtTour.left, -600.0f);
    QCOMPARE(L.txtTour.top, 500.0f);
    QCOMPARE(L.txtTour.width, 1200.0f);
    QCOMPARE(L.txtTour.height, 170.0f);
    QVERIFY(near(L.cmdWeiter.width, 1452.0 * 1200 / 22032));
    QVERIFY(near(L.cmdWeiter.height, 372.0 * 1000 / 11542.5));
    QVERIFY(near(L.cmdWeiter.top, 330 - 0.2 * 372.0 * 1000 / 11542.5));
    QVERIFY(near(L.cmdWeiter.left + 1.1 * L.cmdWeiter.width, 600));

    // Under a window manager (twm: 2 + 2 px across, 21 + 2 px up and down) the outer
    // window keeps its size and place; the client area and the controls shrink into it.
    // A tick box 17 px high keeps the bottom row's rules.
    const FormLayout F = computeLayout(28800, 16200, 60, 345, 255);
    QCOMPARE(F.window.width, 25920.0f);
    QCOMPARE(F.window.height, 15390.0f);
    QCOMPARE(F.window.left, 1440.0f);
    QCOMPARE(F.clientWidth, 25860.0f);
    QCOMPARE(F.clientHeight, 15045.0f);
    QVERIFY(near(F.picPolare.height, 0.75 * 15045));
    QVERIFY(near(F.cmdEnde.bottom(), 15045 - 0.5 * 372));
    QVERIFY(near(F.chkAirspeed.height, 255));
    QVERIFY(near(F.chkAirspeed.bottom(), F.cmdEnde.bottom()));
    QVERIFY(near(F.chkWind.top, F.chkAirspeed.top - 1.2 * 255));
    QVERIFY(near(F.chkWind.height, 255));
    QVERIFY(near(F.chkBremsen.top, F.chkWind.top));
}

void TestDiagram::windowAfterStartUp()
{
    frmStart form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Var Azodoviravovorididaz"));
    QCOMPARE(form.width(), 1728); // 25920 twips
    QCOMPARE(form.height(), 1026);
    QCOMPARE(form.picPolare->geometry(), QRect(225, 51, 1468, 770));
    QCOMPARE(form.copyBox()->geometry(), form.picPolare->geometry());
    QVERIFY(form.copyBox()->isHidden());
    QVERIFY(form.txtTour->isHidden());
    QVERIFY(form.cmdWeiter->isHidden());
    QVERIFY(form.cmdTour->isEnabled());
    QVERIFY(!form.picPolare->AutoRedraw());
    QCOMPARE(form.VScroll1->minimum(), -40);
    QCOMPARE(form.VScroll1->maximum(), 40);
    QCOMPARE(form.VScroll1->pageStep(), 10);
    QCOMPARE(form.HScroll1->minimum(), -50);
    QCOMPARE(form.HScroll1->maximum(), 50);
    QCOMPARE(form.HScroll1->pageStep(), 5);
    QCOMPARE(form.VScroll1->value(), 0);
    QCOMPARE(form.decl.WindH, 0.0f);
    QCOMPARE(form.decl.WindV, 0.0f);
    QCOMPARE(form.decl.Airspeed, 33.5f);
    QVERIFY(form.chkWind->isChecked());
    QVERIFY(form.chkAirspeed->isChecked());
    QVERIFY(!form.chkBremsen->isChecked());
    QVERIFY(form.chkBremsen->isCheckable());
    QCOMPARE(form.chkWind->text(), QStringLiteral("Wind-Vektoren"));
    QCOMPARE(form.chkAirspeed->text(), QStringLiteral("Airspeed-Vektoren"));
    QCOMPARE(form.chkBremsen->text(), QStringLiteral("Bremsen frei verstellbar"));
    QCOMPARE(form.cmdTour->text(), QStringLiteral("Tour"));
    QCOMPARE(form.endButton()->text(), QStringLiteral("Ende"));
    QCOMPARE(form.cmdWeiter->text(), QStringLiteral(">> Weiter"));
    QCOMPARE(form.updraftCaption()->caption(), QStringLiteral("Aufwind"));
    QCOMPARE(form.downdraftCaption()->caption(), QStringLiteral("Abwind"));
    QCOMPARE(form.headwindCaption()->caption(), QStringLiteral("Gegenwind"));
    QCOMPARE(form.tailwindCaption()->caption(), QStringLiteral("Rückenwind"));
    QCOMPARE(form.freewareBox()->count(), 5);
    QCOMPARE(form.freewareBox()->currentText(), QStringLiteral("Freeware"));
    QVERIFY(form.freewareBox()->isEditable());
    QVERIFY(form.freewareBox()->itemText(4).contains(QLatin1String("://")));
    // The two redraws of the ticked boxes wrote the wind read-outs; the zero-wind
    // drawing wrote the glide ratios.
    QCOMPARE(form.lblWind->caption(), QStringLiteral("0 km/h"));
    QCOMPARE(form.lblAufwind->caption(), QStringLiteral("0,0 m/s"));
    QCOMPARE(form.lblInfo->caption(),
             QStringLiteral("Gleitzahl in Luft: -7,95,   Gleitzahl über Grund: -7,95"));
    QVERIFY(form.lblInfo->font().bold());
    QVERIFY(form.chkBremsen->font().bold());
    // The tour's panel and button lie inside the diagram.
    QVERIFY(form.picPolare->rect().contains(form.txtTour->geometry()));
    QVERIFY(form.picPolare->rect().contains(form.cmdWeiter->geometry()));
    QCOMPARE(form.txtTour->geometry().height(), qRound(770 * 0.17));
    // Resizing later moves no control.
    const QRect before = form.endButton()->geometry();
    form.resize(900, 600);
    QCOMPARE(form.endButton()->geometry(), before);
}

void TestDiagram::backgroundOperations()
{
    Diagram d;
    const auto lines = d.ops(DrawOp::Line);
    QCOMPARE(lines.size(), size_t(2 + 11 + 9));
    QVERIFY(hasLine(lines, -550, 0, 550, 0, 2));
    QVERIFY(hasLine(lines, 0, -450, 0, 450, 2));
    for (int k = -50; k <= 50; k += 10) {
        QVERIFY(hasLine(lines, 10 * k, 0, 10 * k, -10, 1));
    }
    for (int m = -4; m <= 4; ++m) {
        QVERIFY(hasLine(lines, 0, 100 * m, -10, 100 * m, 1));
    }
    for (const DrawOp &l : lines) {
        QCOMPARE(l.color, Look::kBlack);
        QCOMPARE(l.style, PictureBox::kStyleSolid);
    }
    // Numbers: grey, none at the origin; positives with a leading blank.
    const auto texts = d.ops(DrawOp::Print, Look::kScaleGrey);
    QCOMPARE(texts.size(), size_t(10 + 8));
    for (const DrawOp &t : texts) {
        QVERIFY(t.text != QLatin1String(" 0"));
        QVERIFY(!t.bold);
    }
    const DrawOp *ten = d.text(QStringLiteral(" 10"), true);
    QVERIFY(ten);
    QCOMPARE(ten->y1, -13.0);
    QVERIFY(std::fabs(ten->x1 + d.pic.TextWidth(QStringLiteral(" 10")) / 2 - 100) < 1e-3);
    const DrawOp *four = d.text(QStringLiteral(" 4"), true);
    QVERIFY(four);
    QVERIFY(std::fabs(four->x1 + d.pic.TextWidth(QStringLiteral(" 4")) + 13) < 1e-3);
    QVERIFY(std::fabs(four->y1 - (400 - d.pic.TextHeight(QStringLiteral(" 4")) / 2)) < 1e-3);
    const DrawOp *kmh = d.text(QStringLiteral("km/h"));
    QVERIFY(kmh && kmh->bold && kmh->color == Look::kBlack);
    QCOMPARE(kmh->x1, 540.0);
    QCOMPARE(kmh->y1, -13.0);
    const DrawOp *ms = d.text(QStringLiteral("m/s"));
    QVERIFY(ms && ms->bold);
    QCOMPARE(ms->y1, 470.0);
    d.pic.setFontBold(true);
    QVERIFY(std::fabs(ms->x1 + d.pic.TextWidth(QStringLiteral("m/s")) + 13) < 1e-3);
    d.pic.setFontBold(false);
}

void TestDiagram::backgroundPixels()
{
    Diagram d;
    QCOMPARE(probe(d.pic, 300, 0), QColor(0, 0, 0));         // horizontal axis
    QCOMPARE(probe(d.pic, 0, 300), QColor(0, 0, 0));         // vertical axis
    QCOMPARE(probe(d.pic, 300, 300), QColor(255, 255, 255)); // no grid
    QCOMPARE(probe(d.pic, 580, 0), QColor(255, 255, 255));   // the axis stops at 550
    QCOMPARE(probe(d.pic, 0, 480), QColor(255, 255, 255));   // and at 450 upward
}

void TestDiagram::brakeScaleColors_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<QColor>("color");
    QTest::newRow("20") << 20 << QColor(230, 26, 0);
    QTest::newRow("21") << 21 << QColor(217, 38, 0);
    QTest::newRow("24") << 24 << QColor(178, 76, 0);
    QTest::newRow("28") << 28 << QColor(128, 128, 0);
    QTest::newRow("33") << 33 << QColor(64, 191, 0);
    QTest::newRow("37 to 38") << 38 << QColor(0, 255, 0);
    QTest::newRow("38 to 39, the jump to blue") << 39 << QColor(21, 21, 234);
    QTest::newRow("40") << 40 << QColor(42, 42, 212);
    QTest::newRow("44") << 44 << QColor(128, 128, 128);
    QTest::newRow("49") << 49 << QColor(234, 234, 21);
    QTest::newRow("50") << 50 << QColor(255, 255, 0);
    QTest::newRow("box 36 to 37") << 37 << QColor(13, 242, 0);
}

void TestDiagram::brakeScaleColors()
{
    QFETCH(int, v);
    QFETCH(QColor, color);
    QCOMPARE(colorFromValue(brakeScaleColor(v)), color);
}

void TestDiagram::overlayStillAir()
{
    Diagram d;
    d.draw(0, 0);
    QCOMPARE(d.decl.Airspeed, 33.5f);
    const auto blue = d.ops(DrawOp::Line, Look::kWindBlue);
    // The zero-length wind vectors and their four strokes ending at the origin.
    QVERIFY(hasLine(blue, 0, 0, 0, 0, 6));
    QVERIFY(hasLine(blue, 10, 0, 0, 0, 2));
    QVERIFY(hasLine(blue, -10, 0, 0, 0, 2));
    QVERIFY(hasLine(blue, 0, -10, 0, 0, 2));
    QVERIFY(hasLine(blue, 0, 10, 0, 0, 2));
    QVERIFY(!d.text(QStringLiteral("v-Aufwind")));
    QVERIFY(!d.text(QStringLiteral("v-Wind")));
    const auto guide = d.ops(DrawOp::Line, Look::kWindGuide);
    QCOMPARE(guide.size(), size_t(1));
    QCOMPARE(guide[0].style, PictureBox::kStyleDot);
    QCOMPARE(guide[0].width, 1);

    const double py = 100.0 * Polar(kBuiltIn, 33.5f);
    QVERIFY(std::fabs(py + 117.05) < 0.01);
    const auto red = d.ops(DrawOp::Line, Look::kAirspeedRed);
    QVERIFY(hasLine(red, 0, 0, 335, 0, 3));
    QVERIFY(hasLine(red, 345, py + 20, 335, py, 2));
    QVERIFY(hasLine(red, 325, py + 20, 335, py, 2));
    QVERIFY(hasLine(red, 335, 0, 335, py, 3));
    QVERIFY(hasLine(red, 320, -10, 335, 0, 2));
    QVERIFY(hasLine(red, 320, 10, 335, 0, 2));
    const DrawOp *air = d.text(QStringLiteral("v-Air"));
    QVERIFY(air);
    QCOMPARE(air->text, QStringLiteral("v-Air = 33,5 km/h"));
    QVERIFY(std::fabs(air->x1 + d.pic.TextWidth(air->text) / 2 - 167.5) < 1e-3);
    QVERIFY(std::fabs(air->y1 - (10 - d.pic.TextHeight(air->text))) < 1e-3);
    const DrawOp *vert = d.text(QStringLiteral("v-Vertikal"));
    QVERIFY(vert);
    QCOMPARE(vert->text, QStringLiteral("v-Vertikal = -1,2 m/s"));
    QCOMPARE(vert->x1, 345.0);

    // 32 polar segments, 32 boxes, the circle at the air origin.
    const auto polar = d.ops(DrawOp::Line, Look::kPolarBlue);
    int segments = 0;
    for (const DrawOp &l : polar) {
        segments += l.width == 2 && l.x1 >= 180 && l.x2 <= 500 && l.x2 - l.x1 == 10;
    }
    QCOMPARE(segments, 32);
    QVERIFY(hasLine(polar, 180, 100 * Polar(kBuiltIn, 18.0f), 190, 100 * Polar(kBuiltIn, 19.0f), 2,
                    1e-2));
    QVERIFY(hasLine(polar, 490, 100 * Polar(kBuiltIn, 49.0f), 500, 100 * Polar(kBuiltIn, 50.0f), 2,
                    1e-2));
    const auto boxes = d.ops(DrawOp::Box);
    QCOMPARE(boxes.size(), size_t(32));
    QCOMPARE(boxes.front().color, RGB(255, 0, 0));
    QCOMPARE(boxes.front().x1, 190.0);
    QCOMPARE(boxes.front().y1, -350.0);
    QCOMPARE(boxes.front().x2, 180.0);
    QCOMPARE(boxes.front().y2, -370.0);
    QCOMPARE(boxes.back().color, RGB(255, 255, 0));
    const auto circles = d.ops(DrawOp::Circle, Look::kAirOriginBlack);
    QCOMPARE(circles.size(), size_t(1));
    QCOMPARE(circles[0].radius, 2.0);

    const struct
    {
        const char *text;
        double at;
    } labels[] = {{"100%", 180}, {"0%", 380}, {"Beschleuniger", 500}, {"Bremse", 280}};
    for (const auto &l : labels) {
        const DrawOp *op = d.text(QString::fromUtf8(l.text));
        QVERIFY(op);
        QCOMPARE(op->color, Look::kBrakeLabel);
        QVERIFY(std::fabs(op->x1 + d.pic.TextWidth(op->text) / 2 - l.at) < 1e-3);
        QVERIFY(std::fabs(op->y1 + 380) < 1e-3);
    }
    const DrawOp *caption = d.text(QStringLiteral("Geschwindigkeit des besten Gleitens"));
    QVERIFY(caption && !caption->bold && caption->color == Look::kBrakeCaption);
    QVERIFY(std::fabs(caption->y1 + 420) < 1e-3);
}

void TestDiagram::overlayHeadwind()
{
    Diagram d;
    d.draw(-25, 0);
    QCOMPARE(d.decl.Airspeed, 43.5f);
    const auto blue = d.ops(DrawOp::Line, Look::kWindBlue);
    QVERIFY(hasLine(blue, 0, 0, -250, 0, 6));
    // The strokes start 15 units right of the tip of a headwind vector.
    QVERIFY(hasLine(blue, -235, -10, -250, 0, 2));
    QVERIFY(hasLine(blue, -235, 10, -250, 0, 2));
    // No vertical wind: its arrowhead is a horizontal stroke across the tip.
    QVERIFY(hasLine(blue, -240, 0, -250, 0, 2));
    QVERIFY(hasLine(blue, -260, 0, -250, 0, 2));
    QVERIFY(!d.text(QStringLiteral("v-Aufwind")));
    const DrawOp *wind = d.text(QStringLiteral("v-Wind"));
    QVERIFY(wind);
    QVERIFY(std::fabs(wind->x1 + d.pic.TextWidth(wind->text) / 2 + 125) < 1e-3);
    // The brake scale moves with the air origin.
    QCOMPARE(d.ops(DrawOp::Box).front().x2, -70.0);
}

void TestDiagram::overlayUpdraftAndDowndraft()
{
    Diagram up;
    up.draw(0, 1.5f);
    QCOMPARE(up.decl.Airspeed, 30.0f);
    const auto blue = up.ops(DrawOp::Line, Look::kWindBlue);
    QVERIFY(hasLine(blue, 0, 0, 0, 150, 6));
    QVERIFY(hasLine(blue, 10, 130, 0, 150, 2));
    QVERIFY(hasLine(blue, -10, 130, 0, 150, 2));
    const DrawOp *aufwind = up.text(QStringLiteral("v-Aufwind"));
    QVERIFY(aufwind);
    QVERIFY(std::fabs(aufwind->x1 + up.pic.TextWidth(aufwind->text) + 10) < 1e-3);
    QVERIFY(!up.text(QStringLiteral("v-Wind")));
    QCOMPARE(up.ops(DrawOp::Box).front().y1, -200.0);

    Diagram down;
    down.draw(0, -1.0f);
    const auto blueDown = down.ops(DrawOp::Line, Look::kWindBlue);
    // Pointing down: the strokes start 20 units above the tip; the text still says Aufwind.
    QVERIFY(hasLine(blueDown, 10, -80, 0, -100, 2));
    QVERIFY(down.text(QStringLiteral("v-Aufwind")));
}

void TestDiagram::overlayFreeBrakes()
{
    Diagram d;
    d.switches.freeBrakes = true;
    d.decl.Airspeed = 40.0f;
    d.draw(-25, -0.5f);
    QCOMPARE(d.decl.Airspeed, 40.0f);
    const DrawOp *caption = d.text(QStringLiteral("Man verschiebe den schwarzen Balken"));
    QVERIFY(caption && caption->bold);
    QVERIFY(!d.text(QStringLiteral("Geschwindigkeit des besten")));
    QVERIFY(!d.pic.FontBold());
    QCOMPARE(d.text(QStringLiteral("v-Air"))->text, QStringLiteral("v-Air = 40,0 km/h"));
}

void TestDiagram::overlayTailwind50IsDrawnAndClipped()
{
    Diagram d;
    Diagram still;
    still.draw(0, 0);
    d.draw(50, 0);
    const auto boxes = d.ops(DrawOp::Box);
    QCOMPARE(boxes.size(), size_t(32));
    QCOMPARE(boxes.front().x2, 680.0);
    QCOMPARE(boxes.back().x1, 1000.0);
    // The scale lies wholly outside: its texts are left out whole. The airspeed's label
    // stands by the part of its vector inside the box.
    for (const char *word : {"100%", "0%", "Bremse", "Beschleuniger", "Geschwindigkeit des"}) {
        QVERIFY2(!d.text(QLatin1String(word)), word);
    }
    QVERIFY(d.text(QStringLiteral("v-Wind")) && d.text(QStringLiteral("Gleitwinkel")));
    const DrawOp *air = d.text(QStringLiteral("v-Air"));
    QVERIFY(air && air->x1 > 450.0 && air->x1 + d.pic.TextWidth(air->text) <= 600.0);
    // Nothing of the scale shows inside the box: its yellow and blue are nowhere.
    const QImage img = d.pic.Image();
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            QVERIFY(c != QColor(255, 255, 0) && c != QColor(21, 21, 234));
        }
    }
}

void TestDiagram::overlayWithoutVectors()
{
    Diagram d;
    d.switches.windVectors = false;
    d.switches.airspeedVectors = false;
    d.pic.setPicture(d.background);
    DrawPolarOverlay(d.pic, kBuiltIn, d.decl.Airspeed, d.saved, d.switches, d.decl.WindH,
                     d.decl.WindV, kGerman);
    QCOMPARE(d.pic.operations().size(), size_t(32 + 32 + 1 + 4 + 1));
    QVERIFY(d.ops(DrawOp::Line, Look::kAirspeedRed).empty());
}

void TestDiagram::overlayPixels()
{
    frmStart form;
    const PictureBox &pic = *form.picPolare;
    // Box centres of the brake scale at still air: the box of v-1..v at x = 10 v - 5.
    QCOMPARE(probe(pic, 185, -360), QColor(255, 0, 0));
    QCOMPARE(probe(pic, 275, -360), QColor(128, 128, 0));
    QCOMPARE(probe(pic, 375, -360), QColor(0, 255, 0));
    QCOMPARE(probe(pic, 435, -360), QColor(128, 128, 128));
    QCOMPARE(probe(pic, 495, -360), QColor(255, 255, 0));
    // The brake bar stands black at 33.5 km/h on the scale.
    QCOMPARE(probe(pic, 335, -360), QColor(0, 0, 0));
    // The green vector runs from the origin to the tip (335, -117); half way along it:
    const QColor mid = probe(pic, 167.5, -58.5);
    QVERIFY2(mid.green() > 100 && mid.red() < 90 && mid.blue() < 90, qPrintable(mid.name()));
    // The red horizontal airspeed vector on the axis.
    QCOMPARE(probe(pic, 200, 0), QColor(255, 0, 0));
}

void TestDiagram::glidePathStillAir()
{
    Diagram d;
    d.draw(0, 0);
    const double ty = 100.0 * Polar(kBuiltIn, 33.5f);
    QCOMPARE(d.decl.GroundSpeedH, 33.5f);
    QVERIFY(std::fabs(d.decl.GroundSpeedV + 1.1705) < 1e-4);
    QVERIFY(std::fabs(d.decl.GlideAngle + 0.336) < 1e-3);
    const auto green = d.ops(DrawOp::Line, Look::kGroundGreen);
    QVERIFY(hasLine(green, 0, 0, 335, ty, 2));
    QVERIFY(hasLine(green, 335, 0, 335, 5, 3));
    QVERIFY(hasLine(green, 335, ty, 469, 1.4 * ty, 1, 1e-2));
    const auto arcs = d.ops(DrawOp::Arc);
    QCOMPARE(arcs.size(), size_t(1));
    QCOMPARE(arcs[0].radius, 120.0);
    QVERIFY(std::fabs(arcs[0].start - (d.decl.GlideAngle + 6.2831852 + 0.05)) < 1e-6);
    QCOMPARE(arcs[0].end, 0.0);
    const DrawOp *angle = d.text(QStringLiteral("Gleitwinkel"));
    QVERIFY(angle && angle->color == Look::kGroundGreen);
    QVERIFY(std::fabs(angle->x1 - std::fabs(std::cos(d.decl.GlideAngle / 2.0) * 125)) < 1e-3);
    const auto circles = d.ops(DrawOp::Circle, Look::kGroundGreen);
    QCOMPARE(circles.size(), size_t(1));
    QCOMPARE(circles[0].radius, 5.0);
    const DrawOp *path = d.text(QStringLiteral("Flugrichtung von der Seite betrachtet"));
    QVERIFY(path && path->color == Look::kPathCaptionGreen);
    // Moved back along the path from its end, where it was cut at the picture's edge.
    d.pic.setCurrentX(static_cast<float>(path->x1));
    d.pic.setCurrentY(static_cast<float>(path->y1));
    QVERIFY(QRectF(d.pic.rect()).contains(d.pic.textRect(path->text)));
    QVERIFY(path->x1 < 479 && path->x1 > 0.4 * 335);
    const auto guides = d.ops(DrawOp::Line, Look::kGuideDarkRed);
    QCOMPARE(guides.size(), size_t(2));
    QVERIFY(hasLine(guides, 335, 0, 335, -370, 1));
    QVERIFY(hasLine(guides, 335, 0, 335, ty, 1));
    QCOMPARE(guides[0].style, PictureBox::kStyleDot);
    const auto bar = d.ops(DrawOp::Line, Look::kBrakeBarBlack);
    QVERIFY(hasLine(bar, 335, -350, 335, -370, 3));
    QCOMPARE(bar.back().style, PictureBox::kStyleSolid);
    // Barbs: 30 back along the vector and 6 to either side.
    const double d0 = std::sqrt(33.5 * 33.5 + std::pow(10 * d.decl.GroundSpeedV, 2));
    const double ux = 33.5 / d0;
    const double uy = 10 * d.decl.GroundSpeedV / d0;
    QVERIFY(hasLine(green, 335, ty, 335 - 30 * ux + 6 * uy, ty - 30 * uy - 6 * ux, 2, 1e-2));
    QVERIFY(hasLine(green, 335, ty, 335 - 30 * ux - 6 * uy, ty - 30 * uy + 6 * ux, 2, 1e-2));
}

void TestDiagram::glidePathWorkedValues_data()
{
    QTest::addColumn<float>("airspeed");
    QTest::addColumn<float>("windH");
    QTest::addColumn<float>("windV");
    QTest::addColumn<double>("glideAngle");
    QTest::addColumn<QString>("readout");
    QTest::newRow("still air") << 33.5f << 0.0f << 0.0f << -0.336
                               << "Gleitzahl in Luft: -7,95,   Gleitzahl über Grund: -7,95";
    QTest::newRow("headwind 25, fixed brakes")
        << 33.5f << -25.0f << 0.0f << -0.943
        << "Gleitzahl in Luft: -7,95,   Gleitzahl über Grund: -2,02";
    QTest::newRow("updraft 1.5, climbing")
        << 30.0f << 0.0f << 1.5f << 0.126
        << "Gleitzahl in Luft: -7,44,   Gleitzahl über Grund: 21,90";
    // Headwind stronger than the airspeed while sinking: positive over ground.
    QTest::newRow("moving backward") << 20.0f << -30.0f << 0.0f << 1.2
                                     << "Gleitzahl in Luft: -2,35,   Gleitzahl über Grund: 1,17";
}

void TestDiagram::glidePathWorkedValues()
{
    QFETCH(float, airspeed);
    QFETCH(float, windH);
    QFETCH(float, windV);
    QFETCH(double, glideAngle);
    QFETCH(QString, readout);
    Diagram d;
    d.switches.freeBrakes = true;
    d.decl.Airspeed = airspeed;
    QCOMPARE(d.draw(windH, windV), readout);
    if (d.decl.GroundSpeedH > 0) {
        QVERIFY(std::fabs(d.decl.GlideAngle - glideAngle) < 1e-3);
    }
    if (windV == 1.5f) {
        // A climbing path: the arc runs from 0 up to 0.05 short of the vector (0.076).
        const auto arcs = d.ops(DrawOp::Arc);
        QCOMPARE(arcs.size(), size_t(1));
        QCOMPARE(arcs[0].start, 0.0);
        QVERIFY(std::fabs(arcs[0].end - 0.076) < 1e-3);
    }
}

void TestDiagram::glidePathBackwardAndLevel()
{
    Diagram back;
    back.switches.freeBrakes = true;
    back.decl.Airspeed = 20.0f;
    back.draw(-30, 0);
    QVERIFY(back.ops(DrawOp::Arc).empty());
    QVERIFY(!back.text(QStringLiteral("Gleitwinkel")));
    QVERIFY(hasLine(back.ops(DrawOp::Line, Look::kBrakeBarBlack), -100, -350, -100, -370, 3));

    // Nearly level (updraft 1 at 31 km/h): no arc, but the word next to the axis.
    Diagram level;
    level.draw(0, 1.0f);
    QCOMPARE(level.decl.Airspeed, 31.0f);
    QVERIFY(std::fabs(level.decl.GlideAngle) <= 0.1f);
    QVERIFY(level.ops(DrawOp::Arc).empty());
    const DrawOp *word = level.text(QStringLiteral("Gleitwinkel"));
    QVERIFY(word && std::fabs(word->x1 - 125) < 0.1);

    // Ground speed exactly zero across: vertical vector, angle 0.
    Diagram still;
    still.switches.freeBrakes = true;
    still.decl.Airspeed = 25.0f;
    still.draw(-25, 0);
    QCOMPARE(still.decl.GlideAngle, 0.0f);
    QVERIFY(hasLine(still.ops(DrawOp::Line, Look::kGroundGreen), 0, 0, 0,
                    100.0 * Polar(kBuiltIn, 25.0f), 2));
    QVERIFY(!still.text(QStringLiteral("Gleitwinkel")));
}

void TestDiagram::glideAngleArcOnScreen_data()
{
    QTest::addColumn<float>("airspeed"); // 0: best glide
    QTest::addColumn<float>("windH");
    QTest::addColumn<float>("windV");
    QTest::newRow("still air") << 0.0f << 0.0f << 0.0f;
    QTest::newRow("headwind 25") << 0.0f << -25.0f << 0.0f;
    QTest::newRow("downdraft 2, tailwind 20") << 0.0f << 20.0f << -2.0f;
    QTest::newRow("updraft 1.5, climbing") << 30.0f << 0.0f << 1.5f;
}

void TestDiagram::glideAngleArcOnScreen()
{
    // A unit across and a unit up differ on the screen (1.22 and 0.77 pixels here): the
    // arc must still start at the axis and stop just short of the green vector as seen.
    QFETCH(float, airspeed);
    QFETCH(float, windH);
    QFETCH(float, windV);
    Diagram d;
    d.switches.freeBrakes = airspeed > 0;
    d.decl.Airspeed = airspeed;
    d.draw(windH, windV);
    const double angle = d.decl.GlideAngle;
    QVERIFY(std::fabs(angle) > 0.1);
    const double kx = 1468.0 / 1200.0;
    const double ky = 770.0 / 1000.0;
    const auto onScreen = [&](double theta) {
        return std::atan2(std::sin(theta) * ky, std::cos(theta) * kx);
    };
    const double side = angle < 0 ? -1.0 : 1.0;
    const double vector = onScreen(angle);
    const double arcEnd = onScreen(angle - side * 0.05);
    const QPointF centre = d.pic.toPixel(0, 0);
    const double r = 120 * kx;
    const QImage img = d.pic.Image();
    const auto at = [&](double phi) {
        return img.pixelColor(qRound(centre.x() + r * std::cos(phi) - 0.5),
                              qRound(centre.y() - r * std::sin(phi) - 0.5));
    };
    const auto green = [](const QColor &c) {
        return c.green() - c.red() > 60;
    };
    const double degree = 3.141592653589793 / 180.0;
    QVERIFY2(green(at(arcEnd / 2)), qPrintable(at(arcEnd / 2).name()));
    QVERIFY2(green(at(arcEnd - side * 1.0 * degree)), qPrintable(at(arcEnd).name()));
    const QColor beyond = at(vector + side * 3.0 * degree);
    QVERIFY2(beyond.green() - beyond.red() < 20, qPrintable(beyond.name()));
    // The arc lies on the side of the axis the vector points to.
    QVERIFY(!green(at(-side * 10.0 * degree)));
}

void TestDiagram::penIsRestored()
{
    for (bool free : {false, true}) {
        Diagram d;
        d.switches.freeBrakes = free;
        d.decl.Airspeed = 40.0f;
        d.pic.setDrawWidth(7);
        d.pic.setForeColor(RGB(0, 80, 0));
        d.pic.setDrawStyle(PictureBox::kStyleSolid);
        d.pic.setPicture(d.background);
        float h = -10.0f;
        float v = 1.2f;
        const Flight f = FlightFor(kBuiltIn, d.decl.Airspeed, free, h, v);
        DrawPolarOverlay(d.pic, kBuiltIn, f.airspeed, d.saved, d.switches, h, v, kGerman);
        QCOMPARE(d.pic.DrawWidth(), 7);
        QCOMPARE(d.pic.ForeColor(), RGB(0, 80, 0));
        QCOMPARE(d.pic.DrawStyle(), PictureBox::kStyleSolid);
        QVERIFY(!d.pic.FontBold());
        d.pic.setDrawStyle(PictureBox::kStyleDot);
        DrawGlidePath(d.pic, kBuiltIn, f, d.saved, v, kGerman);
        QCOMPARE(d.pic.DrawWidth(), 7);
        QCOMPARE(d.pic.ForeColor(), RGB(0, 80, 0));
        QCOMPARE(d.pic.DrawStyle(), PictureBox::kStyleDot);
    }
}

void TestDiagram::exactCancellations()
{
    // The vertical wind cancels the sink exactly: the ratio over ground is infinite.
    Diagram level;
    level.switches.freeBrakes = true;
    level.decl.Airspeed = 30.0f;
    const QString readout = level.draw(0, -Polar(kBuiltIn, 30.0f));
    QCOMPARE(level.decl.GroundSpeedV, 0.0f);
    QCOMPARE(readout, QStringLiteral("Gleitzahl in Luft: -7,44,   Gleitzahl über Grund: ∞"));

    // Both ground speeds zero: no direction, so no arrowhead; nothing non-finite drawn.
    Diagram zero;
    zero.switches.freeBrakes = true;
    zero.decl.Airspeed = 25.0f;
    const QString r0 = zero.draw(-25, -Polar(kBuiltIn, 25.0f));
    QCOMPARE(zero.decl.GroundSpeedH, 0.0f);
    QCOMPARE(zero.decl.GroundSpeedV, 0.0f);
    QVERIFY2(r0.endsWith(QStringLiteral("Grund: –")), qPrintable(r0));

    // Level over the ground while moving backward: infinite, with the sign of the motion.
    Diagram back;
    back.switches.freeBrakes = true;
    back.decl.Airspeed = 20.0f;
    const QString rb = back.draw(-30, -Polar(kBuiltIn, 20.0f));
    QCOMPARE(back.decl.GroundSpeedV, 0.0f);
    QVERIFY2(rb.endsWith(QStringLiteral("Grund: -∞")), qPrintable(rb));
    int fromTip = 0;
    for (const DrawOp &op : zero.ops(DrawOp::Line, Look::kGroundGreen)) {
        fromTip += op.x1 == 0 && op.y1 == 0 && op.width == 2 && (op.x2 != 0 || op.y2 != 0);
    }
    QCOMPARE(fromTip, 0);
    for (const DrawOp &op : zero.pic.operations()) {
        QVERIFY(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                std::isfinite(op.y2));
    }
}

void TestDiagram::nothingNonFiniteOverAllBarStates()
{
    Diagram d(QSize(300, 200));
    for (bool free : {false, true}) {
        d.switches.freeBrakes = free;
        for (int h = -50; h <= 50; ++h) {
            for (int bar = -40; bar <= 40; ++bar) {
                if (free) {
                    d.decl.Airspeed = 18.0f + static_cast<float>((h + bar + 90) % 33);
                }
                const QString readout = d.draw(static_cast<float>(h), WindVFromBarValue(bar));
                QVERIFY(!readout.contains(QLatin1String("nan"), Qt::CaseInsensitive));
                QVERIFY(!readout.contains(QLatin1String("inf"), Qt::CaseInsensitive));
                for (const DrawOp &op : d.pic.operations()) {
                    if (!(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                          std::isfinite(op.y2) && std::isfinite(op.start) &&
                          std::isfinite(op.end))) {
                        QFAIL(qPrintable(QStringLiteral("non-finite at %1 / %2").arg(h).arg(bar)));
                    }
                    QVERIFY(!op.text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
                }
            }
        }
    }
}

void TestDiagram::windsInWords_data()
{
    QTest::addColumn<int>("windH");
    QTest::addColumn<int>("windVTenths");
    QTest::addColumn<QString>("words");
    QTest::newRow("headwind and downdraft") << -12 << -9 << "12 km/h Gegenwind, 0,9 m/s Abwind";
    QTest::newRow("tailwind and updraft") << 15 << 12 << "15 km/h Rückenwind, 1,2 m/s Aufwind";
    QTest::newRow("downdraft alone") << 0 << -5 << "0,5 m/s Abwind";
    QTest::newRow("tailwind alone") << 7 << 0 << "7 km/h Rückenwind";
    QTest::newRow("no wind") << 0 << 0 << "Windstille";
}

void TestDiagram::windsInWords()
{
    QFETCH(int, windH);
    QFETCH(int, windVTenths);
    QFETCH(QString, words);
    QCOMPARE(windInWords(windH, windVTenths, kGerman), words);
}

void TestDiagram::everyExerciseWindIsInView()
{
    // Each wind of the envelope, for the built-in polar and three wings (a slow school
    // wing, the README's at 95 kg, a fast one), drawn as the window draws it: the draw
    // takes exactly the winds whose drawing keeps the task in view, judged here from the
    // drawn coordinates, never through the draw's own rule.
    const Wing wings[] = {Wing(), wingFromLine("80,0,20,-1.5,30,-1.0,42,-2.0\n", 70),
                          schoolWing(95), wingFromLine("100,0,30,-1.4,45,-1.1,60,-2.3\n", 100)};
    QCOMPARE(wings[1].builtIn || wings[3].builtIn, false);
    PictureBox pic;
    pic.setPaintingEnabled(false);
    pic.resize(1468, 770);
    setUpDiagram(pic);
    // A printed task's diagram, at the worksheet's size and scale.
    PictureBox printed;
    printed.setPaintingEnabled(false);
    printed.resize(1100, 700);
    printed.setOutputScale(1.5);
    for (const Wing &wing : wings) {
        int taken = 0;
        int printable = 0;
        for (int h = -30; h <= 30; ++h) {
            for (int tenths = -20; tenths <= 10; ++tenths) {
                const float windH = static_cast<float>(h);
                const float windV = WindVFromTenths(tenths);
                // Best glide, as drawn.
                pic.Cls();
                SavedPen saved;
                const OverlaySwitches best{false, false, false};
                Flight f = FlightFor(wing, 0.0f, false, windH, windV);
                DrawPolarOverlay(pic, wing, f.airspeed, saved, best, windH, windV);
                DrawGlidePath(pic, wing, f, saved, windV);
                double tipX = 0, tipY = 0, barX = 1e9, bandTop = 1e9, boxLeft = 1e9,
                       boxRight = -1e9;
                for (const DrawOp &op : pic.operations()) {
                    if (op.kind == DrawOp::Line && op.color == Look::kGroundGreen && op.x1 == 0 &&
                        op.y1 == 0 && tipX == 0 && tipY == 0) {
                        tipX = op.x2;
                        tipY = op.y2;
                    }
                    if (op.kind == DrawOp::Line && op.color == Look::kBrakeBarBlack &&
                        op.width == 3) {
                        barX = op.x1;
                    }
                    if (op.kind == DrawOp::Box) {
                        bandTop = std::min(bandTop, std::max(op.y1, op.y2));
                        boxLeft = std::min(boxLeft, std::min(op.x1, op.x2));
                        boxRight = std::max(boxRight, std::max(op.x1, op.x2));
                    }
                }
                // The bar at trim, where an exercise starts it.
                pic.Cls();
                f = FlightFor(wing, wing.trimSpeed, true, windH, windV);
                DrawGlidePath(pic, wing, f, saved, windV);
                double trimBarX = 1e9;
                for (const DrawOp &op : pic.operations()) {
                    if (op.kind == DrawOp::Line && op.color == Look::kBrakeBarBlack &&
                        op.width == 3) {
                        trimBarX = op.x1;
                    }
                }
                const double windVDrawn = bandTop / 100.0 + BrakeBand::kTopBelowOrigin;
                const bool atAnEnd =
                    std::fabs(barX - boxLeft) < 1e-6 || std::fabs(barX - boxRight) < 1e-6;
                const bool inView = tipX > 0 && tipY <= -50.0 + 1e-6 && !atAnEnd &&
                                    std::fabs(tipX) <= 580.0 && std::fabs(tipY) <= 480.0 &&
                                    std::fabs(barX) <= 580.0 && std::fabs(trimBarX) <= 580.0 &&
                                    windVDrawn - 4.0 >= -5.0 - 1e-6;
                // The printed task, in its shifted window: everything that must show,
                // 2 km/h and 0,2 m/s inside the frame.
                setUpDiagram(printed);
                const OverlaySwitches task{false, false, false, true};
                fitTaskWindow(printed, wing, task, windH, windV);
                DrawBackground(printed);
                f = FlightFor(wing, 0.0f, false, windH, windV);
                DrawPolarOverlay(printed, wing, f.airspeed, saved, task, windH, windV);
                DrawGlidePath(printed, wing, f, saved, windV);
                const QRectF frame(printed.ScaleLeft() + 20.0, printed.ScaleTop() - 20.0,
                                   printed.ScaleWidth() - 40.0, printed.ScaleHeight() + 40.0);
                const auto inFrame = [&](double x, double y) {
                    return x >= frame.left() - 1e-6 && x <= frame.right() + 1e-6 &&
                           y <= frame.top() + 1e-6 && y >= frame.bottom() - 1e-6;
                };
                const auto inPicture = [&](double x, double y) {
                    return x >= printed.ScaleLeft() &&
                           x <= printed.ScaleLeft() + printed.ScaleWidth() &&
                           y <= printed.ScaleTop() &&
                           y >= printed.ScaleTop() + printed.ScaleHeight();
                };
                bool whole = true;
                std::vector<QRectF> axisTexts;
                std::vector<QRectF> brakeTexts;
                QRectF captionRect;
                double axisX = 1e9, axisY = 1e9;
                for (const DrawOp &op : printed.operations()) {
                    if (op.kind == DrawOp::Line && op.element == Element::Axis) {
                        (op.x1 == op.x2 ? axisX : axisY) = op.x1 == op.x2 ? op.x1 : op.y1;
                    }
                    const bool polar = op.kind == DrawOp::Line && op.color == Look::kPolarBlue;
                    const bool tip = op.kind == DrawOp::Line && op.color == Look::kGroundGreen &&
                                     op.x1 == 0 && op.y1 == 0;
                    if (polar || tip || op.kind == DrawOp::Box) {
                        whole = whole && inFrame(op.x1, op.y1) && inFrame(op.x2, op.y2);
                    }
                    if (op.kind == DrawOp::Print &&
                        (op.color == Look::kBrakeLabel || op.color == Look::kBrakeCaption)) {
                        printed.setFontBold(op.bold);
                        whole = whole && inFrame(op.x1, op.y1) &&
                                inFrame(op.x1 + printed.TextWidth(op.text),
                                        op.y1 + printed.TextHeight(op.text));
                        brakeTexts.push_back(QRectF(QPointF(op.x1, op.y1),
                                                    QPointF(op.x1 + printed.TextWidth(op.text),
                                                            op.y1 + printed.TextHeight(op.text)))
                                                 .normalized());
                        if (op.color == Look::kBrakeCaption) {
                            captionRect = brakeTexts.back();
                        }
                        printed.setFontBold(false);
                    }
                    // The axes' numbers and units whole and apart.
                    if (op.kind == DrawOp::Print &&
                        (op.color == Look::kScaleGrey || op.color == Look::kBlack)) {
                        printed.setFontBold(op.bold);
                        const QRectF r = QRectF(QPointF(op.x1, op.y1),
                                                QPointF(op.x1 + printed.TextWidth(op.text),
                                                        op.y1 + printed.TextHeight(op.text)))
                                             .normalized();
                        printed.setFontBold(false);
                        whole = whole && inPicture(r.left(), r.top()) &&
                                inPicture(r.right(), r.bottom());
                        for (const QRectF &other : axisTexts) {
                            whole = whole && !other.intersects(r);
                        }
                        axisTexts.push_back(r);
                    }
                }
                whole = whole && inFrame(axisX, axisY);
                // The brake scale's labels and caption keep clear of the axes' numbers, the
                // caption of the axes too.
                for (const QRectF &b : brakeTexts) {
                    for (const QRectF &a : axisTexts) {
                        whole = whole && !a.intersects(b);
                    }
                }
                whole = whole && !(captionRect.left() < axisX && captionRect.right() > axisX) &&
                        !(captionRect.top() < axisY && captionRect.bottom() > axisY);
                const bool makesTask = tipX > 0 && tipY <= -50.0 + 1e-6 && !atAnEnd;
                QVERIFY2(windFitsTask(wing, {h, tenths}, TaskView::FittedDiagram) == makesTask,
                         qPrintable(QStringLiteral("%1 wind %2, %3: a task %4")
                                        .arg(QString::fromStdString(wing.name))
                                        .arg(h)
                                        .arg(tenths)
                                        .arg(makesTask)));
                if (makesTask) {
                    QVERIFY2(whole, qPrintable(QStringLiteral("%1 wind %2, %3: printed task cut")
                                                   .arg(QString::fromStdString(wing.name))
                                                   .arg(h)
                                                   .arg(tenths)));
                    ++printable;
                }
                QVERIFY2(windFitsTask(wing, {h, tenths}) == inView,
                         qPrintable(QStringLiteral("%1 wind %2, %3: drawn in view %4")
                                        .arg(QString::fromStdString(wing.name))
                                        .arg(h)
                                        .arg(tenths)
                                        .arg(inView)));
                taken += inView;
            }
        }
        // Enough winds remain to practise with, and the draw finds them.
        QVERIFY2(taken >= 100, qPrintable(QString::number(taken)));
        // The worksheet keeps more of the envelope than the window can show.
        QVERIFY2(printable > taken + 100, qPrintable(QString::number(printable)));
        WindDraw draw(7);
        for (int i = 0; i < 20; ++i) {
            const std::optional<ExerciseWind> w = draw.next(wing);
            QVERIFY(w && windFitsTask(wing, *w));
        }
    }
}

void TestDiagram::fastWingLabelsStayInside()
{
    // A wing up to 60 km/h in still air, every airspeed of its range with free brakes, at
    // the diagram sizes of a 1024 x 768 and a 1920 x 1080 screen: no label leaves the
    // diagram. Each printed text's box is measured as the box drew it.
    WingProblem error;
    WingChoice choice;
    choice.path = "schnell.plr";
    const std::optional<PolarData> data =
        parsePolarText(choice.path, "100,0,30,-1.4,45,-1.1,60,-2.3\n", error);
    const std::optional<Wing> fast = makeWing(*data, choice, error);
    QVERIFY2(fast && fast->maxSpeed > 50, "the fast wing loads");
    for (const auto &[w, h] : {std::pair{15360, 11520}, std::pair{28800, 16200}}) {
        const FormLayout L = computeLayout(w, h);
        PictureBox pic;
        pic.setPaintingEnabled(false);
        pic.resize(qRound(L.picPolare.width / 15.0), qRound(L.picPolare.height / 15.0));
        setUpDiagram(pic);
        for (float v = fast->minSpeed; v <= fast->maxSpeed + 1e-3f; v += 0.5f) {
            const float airspeed = std::min(v, fast->maxSpeed);
            pic.Cls();
            SavedPen saved;
            const OverlaySwitches free{true, true, true};
            const Flight f = FlightFor(*fast, airspeed, true, 0.0f, 0.0f);
            DrawPolarOverlay(pic, *fast, f.airspeed, saved, free, 0.0f, 0.0f);
            DrawGlidePath(pic, *fast, f, saved, 0.0f);
            const std::vector<DrawOp> ops = pic.operations();
            for (const DrawOp &op : ops) {
                if (op.kind != DrawOp::Print) {
                    continue;
                }
                pic.setCurrentX(static_cast<float>(op.x1));
                pic.setCurrentY(static_cast<float>(op.y1));
                pic.setFontBold(op.bold);
                const QRectF box = pic.textRect(op.text);
                QVERIFY2(QRectF(pic.rect()).contains(box),
                         qPrintable(QStringLiteral("%1 at %2 km/h, %3 px wide: %4")
                                        .arg(op.text)
                                        .arg(airspeed)
                                        .arg(pic.width())
                                        .arg(box.right())));
            }
        }
    }
}

namespace {

// The boxes of the texts a state's drawing prints, in order, in a diagram of the given
// pixels at the given scale, drawn as the picture export draws it.
QList<QRectF> printedBoxes(QSize diagram, double scale, const DiagramState &state)
{
    PictureBox pic;
    pic.setPaintingEnabled(false);
    pic.resize(diagram);
    setUpDiagram(pic);
    pic.setOutputScale(scale);
    DrawBackground(pic);
    const Flight f =
        FlightFor(state.wing, state.airspeed, state.switches.freeBrakes, state.windH, state.windV);
    SavedPen saved;
    DrawPolarOverlay(pic, state.wing, f.airspeed, saved, state.switches, state.windH, state.windV);
    DrawGlidePath(pic, state.wing, f, saved, state.windV);
    QList<QRectF> boxes;
    for (const DrawOp &op : pic.operations()) {
        if (op.kind == DrawOp::Print) {
            pic.setCurrentX(static_cast<float>(op.x1));
            pic.setCurrentY(static_cast<float>(op.y1));
            pic.setFontBold(op.bold);
            boxes.append(pic.textRect(op.text));
        }
    }
    return boxes;
}

} // namespace

void TestDiagram::slidesKeepTheirLabelsApart()
{
    // A slide of W x H at scale s shows what W/s x H/s shows at scale 1: a text whole
    // there is whole here, and two texts apart there are apart here, over sizes, scales
    // up to the largest the tool takes, and states.
    const QSize sizes[] = {{1920, 1080}, {3840, 2160}, {2560, 1600}, {1600, 1026}};
    const double scales[] = {1.5, 2.0, 3.0, 4.32, 5.0};
    struct State
    {
        float windH, windV, airspeed;
        bool free;
    };
    const State states[] = {
        {0, 0, 0, false}, {-20, -1.0f, 0, false}, {15, 0.8f, 30, true}, {25, 0, 0, false}};
    int compared = 0;
    for (const QSize &whole : sizes) {
        for (const double s : scales) {
            if (whole.width() / s < 800 - 1e-9 || whole.height() / s < 500 - 1e-9) {
                continue; // refused by the tool
            }
            const QSize big(whole.width(), whole.height() - readoutStripHeight(s));
            const QSize small(qRound(whole.width() / s),
                              qRound(whole.height() / s) - readoutStripHeight(1.0));
            for (const State &st : states) {
                DiagramState state;
                state.windH = st.windH;
                state.windV = st.windV;
                state.airspeed = st.airspeed;
                state.switches.freeBrakes = st.free;
                const QList<QRectF> a = printedBoxes(small, 1.0, state);
                const QList<QRectF> b = printedBoxes(big, s, state);
                QCOMPARE(a.size(), b.size());
                const QRectF frameA(QPointF(0, 0), QSizeF(small));
                // A pixel either way: fonts do not grow quite linearly with their size, and
                // a text that touches the edge at scale 1 may pass it by a fraction of a
                // pixel, its last glyph's anti-aliased fringe.
                const QRectF frameB = QRectF(QPointF(0, 0), QSizeF(big)).adjusted(-1, -1, 1, 1);
                for (qsizetype i = 0; i < a.size(); ++i) {
                    if (!frameA.contains(a[i])) {
                        continue;
                    }
                    QVERIFY2(frameB.contains(b[i]),
                             qPrintable(QStringLiteral("text %1 (%5 in %6) cut at %2x%3, scale %4")
                                            .arg(i)
                                            .arg(whole.width())
                                            .arg(whole.height())
                                            .arg(s)
                                            .arg(QStringLiteral("%1,%2 %3x%4")
                                                     .arg(b[i].x())
                                                     .arg(b[i].y())
                                                     .arg(b[i].width())
                                                     .arg(b[i].height()))
                                            .arg(QStringLiteral("%1x%2; small %3,%4 %5x%6 in %7x%8")
                                                     .arg(big.width())
                                                     .arg(big.height())
                                                     .arg(a[i].x())
                                                     .arg(a[i].y())
                                                     .arg(a[i].width())
                                                     .arg(a[i].height())
                                                     .arg(small.width())
                                                     .arg(small.height()))));
                    for (qsizetype j = i + 1; j < a.size(); ++j) {
                        if (frameA.contains(a[j]) && !a[i].intersects(a[j])) {
                            QVERIFY2(!b[i].adjusted(1, 1, -1, -1).intersects(b[j]),
                                     qPrintable(QStringLiteral("texts %1 and %2 meet at %3x%4, "
                                                               "scale %5")
                                                    .arg(i)
                                                    .arg(j)
                                                    .arg(whole.width())
                                                    .arg(whole.height())
                                                    .arg(s)));
                        }
                    }
                }
                ++compared;
            }
        }
    }
    QVERIFY(compared >= 30);
}

void TestDiagram::textsWholeAndApartOverTheEnvelope()
{
    // Every text the diagram prints, the background's numbers and units included, measured
    // as drawn: whole inside the picture and on no other text. Over the built-in polar and
    // three wings (slow, the README's, fast), the winds of exercises and worksheets, best
    // glide and the brakes at MIN, trim and MAX, the diagrams of a 1024 x 768 and a
    // 1920 x 1080 screen, and 3840 x 2160 slides up to the largest scale.
    const Wing fast = wingFromLine("90,0,30,-1.1,40,-1.2,60,-2.4\n", 90);
    const Wing wings[] = {Wing(), wingFromLine("80,0,20,-1.5,30,-1.0,42,-2.0\n", 70),
                          schoolWing(95), fast};
    QVERIFY(!fast.builtIn && fast.maxSpeed > 55);
    struct Frame
    {
        QSize size;
        double scale;
    };
    std::vector<Frame> screens;
    for (const auto &[w, h] : {std::pair{15360, 11520}, std::pair{28800, 16200}}) {
        const FormLayout L = computeLayout(w, h);
        screens.push_back(
            {QSize(qRound(L.picPolare.width / 15.0), qRound(L.picPolare.height / 15.0)), 1.0});
    }
    std::vector<Frame> slides;
    for (const double s : {1.0, 2.0, 3.0, 4.32}) {
        slides.push_back({QSize(3840, 2160 - readoutStripHeight(s)), s});
    }
    int cases = 0;
    int sideViews = 0;
    int averages = 0;      // speed-to-fly pictures whose average crosses inside the frame
    int averageLabels = 0; // and of those, the ones that found room for its label
    struct Climb
    {
        double mc;
        bool drifting;
    };
    const auto check = [&](const Wing &wing, const Frame &frame, int h, int tenths, float airspeed,
                           bool free, std::optional<ReachQuestion> field = std::nullopt,
                           std::optional<Climb> climb = std::nullopt) {
        PictureBox pic;
        pic.setPaintingEnabled(false);
        pic.resize(frame.size);
        setUpDiagram(pic);
        pic.setOutputScale(frame.scale);
        DrawBackground(pic);
        const float windH = static_cast<float>(h);
        const float windV = WindVFromTenths(tenths);
        std::optional<SpeedToFly> toFly;
        if (climb) {
            toFly = SpeedToFlyFor(wing, climb->mc, windH, windV, climb->drifting);
            DrawSpeedToFly(pic, wing, climb->mc, windH, windV, climb->drifting);
        }
        const Flight f =
            FlightFor(wing, toFly ? toFly->airspeed : airspeed, free || toFly, windH, windV);
        SavedPen saved;
        const OverlaySwitches switches{true, true, free, true, toFly.has_value()};
        if (field) {
            DrawReach(pic, wing, *field, ReachField(wing, *field, windH, windV), windH, windV, true,
                      free ? std::optional<float>(f.airspeed) : std::nullopt);
        }
        DrawPolarOverlay(pic, wing, f.airspeed, saved, switches, windH, windV);
        DrawGlidePath(pic, wing, f, saved, windV);
        std::vector<std::pair<QRectF, QString>> texts;
        std::vector<QRectF> axes, captions;
        std::optional<QRectF> sideView;
        std::vector<QLineF> lines; // of the diagram's elements, which the side view keeps off
        for (const DrawOp &op : pic.operations()) {
            if (op.kind == DrawOp::Box && op.element == Element::ReachSideView) {
                sideView =
                    QRectF(pic.toPixel(op.x1, op.y1), pic.toPixel(op.x2, op.y2)).normalized();
            } else if (op.kind == DrawOp::Line && op.element != Element::None &&
                       op.element != Element::ReachSideView && op.style != PictureBox::kStyleDot) {
                lines.emplace_back(pic.toPixel(op.x1, op.y1), pic.toPixel(op.x2, op.y2));
            }
            if (op.kind == DrawOp::Print && op.element == Element::ReachSideView) {
                continue; // inside its own frame
            }
            if (op.kind == DrawOp::Print) {
                pic.setCurrentX(static_cast<float>(op.x1));
                pic.setCurrentY(static_cast<float>(op.y1));
                pic.setFontBold(op.bold);
                texts.emplace_back(pic.textRect(op.text), op.text);
                if (op.color == Look::kBrakeCaption || op.color == Look::kPathCaptionGreen) {
                    captions.push_back(texts.back().first);
                }
            }
            if (op.kind == DrawOp::Line && op.element == Element::Axis) {
                axes.push_back(
                    QRectF(pic.toPixel(op.x1, op.y1), pic.toPixel(op.x2, op.y2)).normalized());
            }
        }
        if (toFly && toFly->hasAverage &&
            std::fabs(10.0 * toFly->averageKmh - (pic.ScaleLeft() + pic.ScaleWidth() / 2)) <
                pic.ScaleWidth() / 2 - 100) {
            ++averages;
            const std::vector<DrawOp> &ops = pic.operations();
            averageLabels += std::any_of(ops.begin(), ops.end(), [](const DrawOp &op) {
                return op.kind == DrawOp::Print && op.color == Look::kSpeedToFlyTeal;
            });
        }
        // A caption reads as a line of its own: no axis runs through it.
        for (const QRectF &c : captions) {
            for (const QRectF &a : axes) {
                const bool vertical = a.width() < a.height();
                const bool crossed = vertical ? c.left() < a.left() && c.right() > a.left() &&
                                                    c.bottom() > a.top() && c.top() < a.bottom()
                                              : c.top() < a.top() && c.bottom() > a.top() &&
                                                    c.right() > a.left() && c.left() < a.right();
                QVERIFY2(
                    !crossed,
                    qPrintable(
                        QStringLiteral("an axis through a caption, %1 %2").arg(c.x()).arg(c.y())));
            }
        }
        const QString where = QStringLiteral("%1, wind %2 km/h %3 m/s, %4 km/h%5, %6x%7 at %8")
                                  .arg(QString::fromStdString(wing.name))
                                  .arg(h)
                                  .arg(tenths / 10.0)
                                  .arg(free ? f.airspeed : 0.0f)
                                  .arg(free ? "" : " (best glide)")
                                  .arg(frame.size.width())
                                  .arg(frame.size.height())
                                  .arg(frame.scale);
        const QRectF inside = QRectF(pic.rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
        // The side view is a text of its own kind: whole, on nothing else.
        if (sideView) {
            ++sideViews;
            texts.emplace_back(*sideView, QStringLiteral("side view"));
            const QRectF core = sideView->adjusted(2, 2, -2, -2);
            for (const QLineF &l : lines) {
                for (int k = 0; k <= 40; ++k) {
                    QVERIFY2(!core.contains(l.pointAt(k / 40.0)),
                             qPrintable(QStringLiteral("a line through the side view: %1")
                                            .arg(QString::fromStdString(wing.name))));
                }
            }
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            QVERIFY2(inside.contains(texts[i].first),
                     qPrintable(QStringLiteral("\"%1\" cut: %2").arg(texts[i].second, where)));
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                QVERIFY2(!texts[i].first.adjusted(0.5, 0.5, -0.5, -0.5).intersects(texts[j].first),
                         qPrintable(QStringLiteral("\"%1\" on \"%2\": %3")
                                        .arg(texts[i].second, texts[j].second, where)));
            }
        }
        ++cases;
    };
    for (const Wing &wing : wings) {
        for (int h = -30; h <= 30; h += 5) {
            for (int tenths = -20; tenths <= 10; tenths += 5) {
                for (const Frame &frame : screens) {
                    check(wing, frame, h, tenths, 0.0f, false);
                    for (const float v : {wing.minSpeed, wing.trimSpeed, wing.maxSpeed}) {
                        check(wing, frame, h, tenths, v, true);
                    }
                }
                // A landing field: its label and its side view find room too.
                for (const ReachQuestion &field :
                     {ReachQuestion{6.0, 800.0, 150.0}, ReachQuestion{1.5, 1200.0, 0.0}}) {
                    for (const Frame &frame : screens) {
                        check(wing, frame, h, tenths, 0.0f, false, field);
                        check(wing, frame, h, tenths, wing.maxSpeed, true, field);
                    }
                }
                // The speed between thermals: the average's label finds room too.
                for (const Climb c : {Climb{1.0, false}, Climb{3.0, true}}) {
                    check(wing, screens[0], h, tenths, 0.0f, false, std::nullopt, c);
                }
                if (&wing == &wings[0] || &wing == &wings[3]) {
                    for (const Frame &frame : slides) {
                        check(wing, frame, h, tenths, 0.0f, false);
                        check(wing, frame, h, tenths, wing.maxSpeed, true);
                    }
                }
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
        }
    }
    QCOMPARE(cases, 4 * 13 * 7 * 8 + 2 * 13 * 7 * 8 + 4 * 13 * 7 * 8 + 4 * 13 * 7 * 2);
    QVERIFY2(averageLabels > averages * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2").arg(averageLabels).arg(averages)));
    // Most pictures of a field have room for its side view.
    QVERIFY2(sideViews > 4 * 13 * 7 * 8 * 3 / 4, qPrintable(QString::number(sideViews)));
}

void TestDiagram::speedToFlyBeyondTheFrame_data()
{
    QTest::addColumn<bool>("fitted");
    QTest::addColumn<int>("windH");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<double>("climb");
    QTest::addColumn<bool>("drifting");
    QTest::newRow("window, 5 m/s above the axis' end") << false << 0 << 0 << 5.0 << false;
    QTest::newRow("fitted, sinking air") << true << 0 << -30 << 5.0 << false;
    QTest::newRow("fitted, drifting in a tailwind") << true << 20 << -20 << 2.5 << true;
    QTest::newRow("fitted, headwind to full speed") << true << -30 << -25 << 5.0 << false;
}

void TestDiagram::speedToFlyBeyondTheFrame()
{
    // A climb stronger than the frame shows: its point lies above the picture, yet the
    // tangent is drawn where it is visible, the average keeps its label and the words are
    // right. The answer is worked here on a 0.01 km/h grid, from the line through the
    // climb's point and each shifted polar point.
    QFETCH(bool, fitted);
    QFETCH(int, windH);
    QFETCH(int, tenths);
    QFETCH(double, climb);
    QFETCH(bool, drifting);
    const float W = static_cast<float>(windH);
    const float w = WindVFromTenths(tenths);
    const double x0 = drifting ? windH : 0.0;
    double bestV = 0, bestAverage = -1e9;
    for (int i = 0; i <= qRound((kBuiltIn.maxSpeed - kBuiltIn.minSpeed) * 100); ++i) {
        const double v = std::min(kBuiltIn.minSpeed + i / 100.0, double(kBuiltIn.maxSpeed));
        const double average =
            x0 + (v + W - x0) * climb / (climb - kBuiltIn.sink(float(v)) - double(w));
        if (average > bestAverage) {
            bestAverage = average;
            bestV = v;
        }
    }
    PictureBox pic;
    pic.resize(1468, 770);
    setUpDiagram(pic);
    OverlaySwitches switches;
    switches.speedToFly = true;
    if (fitted) {
        fitTaskWindow(pic, kBuiltIn, switches, W, w, false);
    }
    DrawBackground(pic);
    const SpeedToFly s = SpeedToFlyFor(kBuiltIn, climb, W, w, drifting);
    DrawSpeedToFly(pic, kBuiltIn, climb, W, w, drifting, true, kGerman);
    SavedPen saved;
    const Flight f = FlightFor(kBuiltIn, s.airspeed, true, W, w);
    DrawPolarOverlay(pic, kBuiltIn, f.airspeed, saved, switches, W, w, kGerman);
    DrawGlidePath(pic, kBuiltIn, f, saved, w, kGerman);
    // The climb's point lies at or beyond the top of what the axis shows.
    QVERIFY(100.0 * climb >= pic.ScaleTop() - (fitted ? -1.0 : 50.0));
    // The tangent: from the climb's point to the touch point the grid found.
    const DrawOp *tangent = nullptr;
    for (const DrawOp &op : pic.operations()) {
        if (op.kind == DrawOp::Line && op.color == Look::kSpeedToFlyTeal && op.width == 2) {
            tangent = &op;
        }
    }
    QVERIFY(tangent);
    QCOMPARE(tangent->x1, 10.0 * x0);
    QCOMPARE(tangent->y1, 100.0 * climb);
    QVERIFY2(std::fabs(tangent->x2 - 10.0 * (bestV + W)) <= 5.0,
             qPrintable(QStringLiteral("%1 for %2").arg(tangent->x2).arg(bestV)));
    // Where it runs inside the picture it shows in its colour: every point between the
    // frame's top and the touch point, a pixel's width either side.
    const QRectF inside = QRectF(pic.rect()).adjusted(3, 3, -3, -3);
    const QImage img = pic.Image();
    int visible = 0, teal = 0;
    for (int k = 0; k <= 100; ++k) {
        const double t = k / 100.0;
        const QPointF p = pic.toPixel(tangent->x1 + t * (tangent->x2 - tangent->x1),
                                      tangent->y1 + t * (tangent->y2 - tangent->y1));
        if (!inside.contains(p)) {
            continue;
        }
        ++visible;
        bool found = false;
        for (int dx = -1; dx <= 1 && !found; ++dx) {
            for (int dy = -1; dy <= 1 && !found; ++dy) {
                found =
                    img.pixelColor(qFloor(p.x()) + dx, qFloor(p.y()) + dy) == QColor(0, 115, 125);
            }
        }
        teal += found;
    }
    QVERIFY2(visible >= 30 && teal >= visible * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2").arg(teal).arg(visible)));
    // The average's label, whole in the picture, with the grid's number.
    const DrawOp *label = nullptr;
    for (const DrawOp &op : pic.operations()) {
        if (op.kind == DrawOp::Print && op.color == Look::kSpeedToFlyTeal) {
            label = &op;
        }
    }
    QVERIFY(label);
    pic.setCurrentX(static_cast<float>(label->x1));
    pic.setCurrentY(static_cast<float>(label->y1));
    QVERIFY(QRectF(pic.rect()).contains(pic.textRect(label->text)));
    static const QRegularExpression number(QStringLiteral("(-?\\d+,\\d) km/h"));
    const double shown = kGerman.toDouble(number.match(label->text).captured(1));
    QVERIFY2(std::fabs(shown - bestAverage) <= 0.25, qPrintable(label->text));
    // The words: the airspeed, or full speed where the grid found the end of the range.
    const QString answer =
        speedToFlyInWords(kBuiltIn, climb, s, std::nullopt, W, w, drifting, kGerman).answer;
    QVERIFY2(answer.startsWith(QStringLiteral("MC %1 m/s: ").arg(kGerman.toString(climb, 'f', 1))),
             qPrintable(answer));
    const QString fullSpeed = translated("Diagram", "%1: voller Beschleuniger – schneller geht "
                                                    "es nicht: %2 km/h, Schnitt %3 km/h")
                                  .section(QLatin1Char(':'), 1, 1);
    QCOMPARE(answer.contains(fullSpeed), bestV >= kBuiltIn.maxSpeed - 0.005);
    static const QRegularExpression numbers(
        QStringLiteral("(-?\\d+,\\d) km/h.*\\D(-?\\d+,\\d) km/h$"));
    const QRegularExpressionMatch m = numbers.match(answer);
    QVERIFY2(m.hasMatch(), qPrintable(answer));
    QVERIFY(std::fabs(kGerman.toDouble(m.captured(1)) - bestV) <= 0.5);
    QVERIFY(std::fabs(kGerman.toDouble(m.captured(2)) - bestAverage) <= 0.25);
}

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"
