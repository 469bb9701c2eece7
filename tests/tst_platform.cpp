#include "Controls.h"
#include "Format.h"
#include "PictureBox.h"
#include "Screen.h"

#include <QApplication>
#include <QtTest>
#include <limits>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void formatKeepsLatinDigitsAndAsciiMinus_data();
    void formatKeepsLatinDigitsAndAsciiMinus();
    void standardNumberText();
    void userScaleMapsCornersAndCentre();
    void textMeasuresInUserUnits();
    void operationsAreRecordedUntilPicture();
    void linesKeepPixelWidthsAndColours();
    void filledBoxCoversItsArea();
    void pictureResetsBufferAndSurvivesExpose();
    void labelShowsCarriageReturnAsLineBreak();
    void pointerOverrideIsKeptOnce();
    void twipsFollowTheScreen();
    void hiDpiBufferKeepsPixelWidths();
};

void TestPlatform::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("glide ratio") << -7.954 << "0.00"
                                 << "-7,95"
                                 << "-7.95";
    QTest::newRow("exact tie away from zero") << 0.125 << "0.00"
                                              << "0,13"
                                              << "0.13";
    QTest::newRow("no grouping") << 1234.5 << "0.0"
                                 << "1234,5"
                                 << "1234.5";
    QTest::newRow("big ratio") << 12345.678 << "0.00"
                               << "12345,68"
                               << "12345.68";
    QTest::newRow("updraft read-out") << 1.3 << "0.0"
                                      << "1,3"
                                      << "1.3";
    QTest::newRow("downdraft read-out") << -4.0 << "0.0"
                                        << "-4,0"
                                        << "-4.0";
    QTest::newRow("zero read-out") << 0.0 << "0.0"
                                   << "0,0"
                                   << "0.0";
    QTest::newRow("headwind km/h") << -25.0 << "0"
                                   << "-25"
                                   << "-25";
    QTest::newRow("rounded zero has no sign") << -0.001 << "0.00"
                                              << "0,00"
                                              << "0.00";
    QTest::newRow("negative zero") << -0.0 << "0.0"
                                   << "0,0"
                                   << "0.0";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "0.00"
                              << "∞"
                              << "∞";
}

void TestPlatform::formatKeepsLatinDigitsAndAsciiMinus_data()
{
    // Only the decimal separator comes from the locale; digits, minus and direction are
    // the pattern's. A read-out like "km/h ١٥-" or "−7,95" is a fault.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Swedish minus") << "sv_SE" << -7.954 << "0.00"
                                   << "-7,95";
    QTest::newRow("Finnish minus") << "fi_FI" << -15.0 << "0"
                                   << "-15";
    QTest::newRow("Norwegian minus") << "nb_NO" << -1.25 << "0.0"
                                     << "-1,3";
    QTest::newRow("Egyptian digits") << "ar_EG" << -15.0 << "0"
                                     << "-15";
    QTest::newRow("Saudi digits") << "ar_SA" << 21.9 << "0.00" << QString::fromUtf8("21\u066b90");
    QTest::newRow("Persian digits") << "fa_IR" << -4.0 << "0.0" << QString::fromUtf8("-4\u066b0");
    QTest::newRow("Swiss no grouping") << "de_CH" << 1234.5 << "0.0"
                                       << "1234.5";
    QTest::newRow("rounded zero, Swedish") << "sv_SE" << -0.001 << "0.00"
                                           << "0,00";
}

void TestPlatform::formatKeepsLatinDigitsAndAsciiMinus()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    const QString text = Format(value, pattern, QLocale(locale));
    QCOMPARE(text, expected);
    for (const QChar c : text) {
        const bool foreign = c.unicode() >= 0x80 && (c.isDigit() || c == QChar(0x2212) ||
                                                     c.category() == QChar::Other_Format);
        QVERIFY2(!foreign, qPrintable(text));
    }
}

void TestPlatform::format()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QCOMPARE(Format(value, pattern, QLocale(QLocale::German, QLocale::Germany)), german);
    QCOMPARE(Format(value, pattern, QLocale(QLocale::English, QLocale::UnitedStates)), english);
}

void TestPlatform::standardNumberText()
{
    QCOMPARE(StandardNumberText(10), QStringLiteral(" 10"));
    QCOMPARE(StandardNumberText(4), QStringLiteral(" 4"));
    QCOMPARE(StandardNumberText(-10), QStringLiteral("-10"));
    QCOMPARE(StandardNumberText(0), QStringLiteral(" 0"));
}

static void setDiagramScale(PictureBox &pic)
{
    pic.setScaleHeight(-1000);
    pic.setScaleWidth(1200);
    pic.setScaleTop(500);
    pic.setScaleLeft(-600);
}

void TestPlatform::userScaleMapsCornersAndCentre()
{
    PictureBox pic;
    pic.resize(1200, 500);
    setDiagramScale(pic);
    QCOMPARE(pic.toPixel(-600, 500), QPointF(0, 0));
    QCOMPARE(pic.toPixel(600, -500), QPointF(1200, 500));
    QCOMPARE(pic.toPixel(0, 0), QPointF(600, 250));
    QCOMPARE(pic.toUser(QPointF(600, 250)), QPointF(0, 0));
    // y grows upward: a point above the origin has a smaller pixel row.
    QVERIFY(pic.toPixel(0, 100).y() < 250);
    QCOMPARE(pic.ScaleX(1), 1.0f);
    pic.resize(600, 500); // the scale stays, its pixels change
    QCOMPARE(pic.ScaleX(1), 2.0f);
    QCOMPARE(pic.userRectToPixels(-600, 500, 1200, 170), QRect(0, 0, 600, 85));
}

void TestPlatform::textMeasuresInUserUnits()
{
    PictureBox pic;
    pic.resize(600, 500);
    setDiagramScale(pic);
    const float w = pic.TextWidth(QStringLiteral("km/h"));
    const float h = pic.TextHeight(QStringLiteral("km/h"));
    QVERIFY(w > 0);
    QVERIFY(h < 0); // the scale grows upward
    pic.resize(1200, 500);
    QCOMPARE(qRound(pic.TextWidth(QStringLiteral("km/h")) * 2), qRound(w));
    pic.setFontBold(true);
    QVERIFY(pic.TextWidth(QStringLiteral("km/h")) > w / 2);
}

void TestPlatform::operationsAreRecordedUntilPicture()
{
    PictureBox pic;
    pic.resize(400, 300);
    setDiagramScale(pic);
    pic.setForeColor(RGB(1, 2, 3));
    pic.setDrawWidth(4);
    pic.setDrawStyle(PictureBox::kStyleDot);
    pic.Line(-100, 50, 200, -50);
    pic.setCurrentX(10);
    pic.setCurrentY(20);
    pic.setFontBold(true);
    pic.Print(QStringLiteral("Text"));
    QCOMPARE(pic.operations().size(), size_t(2));
    const DrawOp &line = pic.operations()[0];
    QCOMPARE(line.kind, DrawOp::Line);
    QCOMPARE(line.x1, -100.0);
    QCOMPARE(line.y2, -50.0);
    QCOMPARE(line.color, RGB(1, 2, 3));
    QCOMPARE(line.width, 4);
    QCOMPARE(line.style, PictureBox::kStyleDot);
    const DrawOp &text = pic.operations()[1];
    QCOMPARE(text.kind, DrawOp::Print);
    QCOMPARE(text.text, QStringLiteral("Text"));
    QVERIFY(text.bold);
    QCOMPARE(text.x1, 10.0);
    // The next print goes below at the left edge.
    QCOMPARE(pic.CurrentX(), -600.0f);
    QVERIFY(pic.CurrentY() < 20.0f);

    pic.setPicture(pic.Image());
    QVERIFY(pic.operations().empty());
    pic.Line(0, 0, 1, 1);
    pic.Cls();
    QVERIFY(pic.operations().empty());
}

void TestPlatform::linesKeepPixelWidthsAndColours()
{
    PictureBox pic;
    pic.resize(600, 500);
    setDiagramScale(pic);
    pic.setBackColor(RGB(255, 255, 255));
    pic.Cls();
    pic.setForeColor(RGB(0, 0, 255));
    pic.setDrawWidth(3);
    pic.Line(-500, 0, 500, 0); // horizontal, 3 pixels thick through row 250
    const QImage img = pic.Image();
    QCOMPARE(img.pixelColor(300, 250), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(300, 249), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(300, 251), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(300, 247), QColor(255, 255, 255));
    QCOMPARE(img.pixelColor(300, 253), QColor(255, 255, 255));
}

void TestPlatform::filledBoxCoversItsArea()
{
    PictureBox pic;
    pic.resize(600, 500);
    setDiagramScale(pic);
    pic.Cls();
    pic.setDrawWidth(2);
    pic.LineBox(0, 0, 100, -100, RGB(230, 26, 0));
    const QImage img = pic.Image();
    // The box spans pixels 300..350 across and 250..300 down; its middle is filled.
    QCOMPARE(img.pixelColor(325, 275), QColor(230, 26, 0));
    QCOMPARE(img.pixelColor(325, 320), QColor(255, 255, 255));
    QCOMPARE(pic.operations().back().kind, DrawOp::Box);
    QCOMPARE(pic.operations().back().color, RGB(230, 26, 0));
}

void TestPlatform::pictureResetsBufferAndSurvivesExpose()
{
    PictureBox pic;
    pic.resize(200, 100);
    setDiagramScale(pic);
    pic.Cls();
    pic.setDrawWidth(1);
    pic.setForeColor(RGB(0, 0, 0));
    pic.Line(-600, 0, 600, 0);
    const QImage background = pic.Image();
    pic.setForeColor(RGB(255, 0, 0));
    pic.setDrawWidth(5);
    pic.Line(0, 500, 0, -500);
    QCOMPARE(pic.Image().pixelColor(100, 20), QColor(255, 0, 0));
    pic.setPicture(background);
    QCOMPARE(pic.Image().pixelColor(100, 20), QColor(255, 255, 255));
    QCOMPARE(pic.Image().pixelColor(50, 50), QColor(0, 0, 0));
    // Showing, covering and exposing the widget paints the buffer back.
    pic.setForeColor(RGB(0, 255, 0));
    pic.Line(0, 500, 0, -500);
    pic.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pic));
    pic.hide();
    pic.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pic));
    QCOMPARE(pic.grab().toImage().pixelColor(100, 20), QColor(0, 255, 0));
}

void TestPlatform::labelShowsCarriageReturnAsLineBreak()
{
    Label label;
    label.setCaption(QStringLiteral("eins\rzwei"));
    QCOMPARE(label.caption(), QStringLiteral("eins\rzwei"));
    QCOMPARE(label.text(), QStringLiteral("eins\nzwei"));
    label.setAlignment(kAlignCenter);
    QVERIFY(label.QLabel::alignment() & Qt::AlignHCenter);
    label.setAlignment(kAlignRight);
    QVERIFY(label.QLabel::alignment() & Qt::AlignRight);
}

void TestPlatform::pointerOverrideIsKeptOnce()
{
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    Screen::setMousePointer(Screen::kPointerSizeWE);
    Screen::setMousePointer(Screen::kPointerSizeWE);
    QCOMPARE(Screen::MousePointer(), Screen::kPointerSizeWE);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeHorCursor);
    Screen::setMousePointer(Screen::kPointerDefault);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    Screen::setMousePointer(Screen::kPointerDefault); // no second restore
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestPlatform::twipsFollowTheScreen()
{
    // The test screen: 1920 x 1080 at 96 dpi, 15 twips a pixel.
    QCOMPARE(Screen::TwipsPerPixelX(), 15.0f);
    QCOMPARE(Screen::Width(), 28800.0f);
    QCOMPARE(Screen::Height(), 16200.0f);
}

void TestPlatform::hiDpiBufferKeepsPixelWidths()
{
    PictureBox pic;
    pic.resize(600, 500);
    setDiagramScale(pic);
    if (pic.devicePixelRatioF() < 2) {
        QSKIP("needs a screen with a device pixel ratio of 2 (run as tst_platform_hidpi)");
    }
    pic.Cls();
    const QImage blank = pic.Image();
    QCOMPARE(blank.size(), QSize(1200, 1000));
    QCOMPARE(blank.devicePixelRatio(), 2.0);
    pic.setForeColor(RGB(0, 0, 255));
    pic.setDrawWidth(3); // three screen pixels: six device pixels, on whole rows
    pic.Line(-500, 0, 500, 0);
    const QImage img = pic.Image();
    int rows = 0;
    for (int y = 480; y < 520; ++y) {
        const QColor c = img.pixelColor(600, y);
        if (c == QColor(0, 0, 255)) {
            ++rows;
        } else {
            QCOMPARE(c, QColor(255, 255, 255)); // no half-covered, blurred rows
        }
    }
    QCOMPARE(rows, 6);
    // Text is drawn at the device resolution: its strokes have fully dark pixels.
    pic.setForeColor(RGB(0, 0, 0));
    pic.setCurrentX(-400);
    pic.setCurrentY(300);
    pic.Print(QStringLiteral("km/h"));
    const QImage text = pic.Image();
    int dark = 0;
    for (int y = 200; y < 260; ++y) {
        for (int x = 200; x < 320; ++x) {
            dark += text.pixelColor(x, y).lightness() < 40;
        }
    }
    QVERIFY(dark > 20);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
