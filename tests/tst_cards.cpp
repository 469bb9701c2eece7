// The speed-to-fly grid: its cells, the text table, the CSV, the kneeboard card's words.
#include "DiagramFile.h"
#include "Exercise.h"
#include "KneeboardCard.h"
#include "SpeedToFlyGrid.h"
#include "TestWings.h"
#include "Worksheet.h"

#include <QColor>
#include <QPainter>
#include <QSet>
#include <QtTest>
#include <cmath>

namespace {
const Wing kBuiltIn; // the program's own polar
} // namespace

class TestCards : public QObject
{
    Q_OBJECT
private slots:
    void csvCoversTheWholeDefaultGrid();
    void csvWindVFromTenthsAsTheBarCounts();
    void tableIsGerman();
    void cardSaysWhatIsNoGlide_data();
    void cardSaysWhatIsNoGlide();
    void kneeboardCellsAreLegible();
    void climbsOfAWorksheetShowOnPaper();
};

void TestCards::csvCoversTheWholeDefaultGrid()
{
    CardOptions o;
    o.csv = true;
    const QStringList lines = cardCsv(o).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 11 * 9);
    QVERIFY(lines[1].startsWith(QStringLiteral("-50,-4.0,50.0,0.0000,0,100,0.0,-")));
    QVERIFY(lines.last().startsWith(QStringLiteral("50,4.0,")));
}

void TestCards::csvWindVFromTenthsAsTheBarCounts()
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

void TestCards::tableIsGerman()
{
    CardOptions o;
    const QString table = cardTable(o, QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(table.contains(QStringLiteral("33,5 / 7,9")));
    QVERIFY(table.contains(QStringLiteral("Gegenwind")));
    QVERIFY(table.contains(QStringLiteral("-4,0")));
    QCOMPARE(table.count(QLatin1Char('\n')), 6 + 1 + 11);
    QVERIFY(!table.contains(QStringLiteral("33.5")));
    // A wide cell widens its column; the row label stays apart from it. (There the glider
    // sinks 0,006 m/s, which reads 0,0: it holds its height.)
    o.windH = {50, 50, 1};
    o.windV = {11, 11, 1};
    const QStringList lines = cardTable(o, QLocale(QLocale::German)).split(QLatin1Char('\n'));
    const QString row = lines.value(7);
    QVERIFY2(QRegularExpression(QStringLiteral("^50 +30,5 / hält die Höhe$")).match(row).hasMatch(),
             qPrintable(row));
    QCOMPARE(lines.value(6).size(), row.size());
}

void TestCards::cardSaysWhatIsNoGlide_data()
{
    QTest::addColumn<int>("windH");       // km/h
    QTest::addColumn<int>("windVTenths"); // tenths of m/s
    QTest::addColumn<QString>("cell");
    // Climbing 0.86 m/s over the ground at 29 km/h: no glide ratio of 9.3 for it.
    QTest::newRow("ridge lift, still air") << 0 << 20 << "29,0 / steigt 0,9 m/s";
    QTest::newRow("headwind eats the airspeed") << -50 << 0 << "50,0 / kein Vorankommen";
    QTest::newRow("lift into a gale") << -50 << 40 << "50,0 / steigt 1,3 m/s, kein Vorankommen";
    QTest::newRow("a glide stays a glide") << 0 << 0 << "33,5 / 7,9";
}

void TestCards::cardSaysWhatIsNoGlide()
{
    QFETCH(int, windH);
    QFETCH(int, windVTenths);
    QFETCH(QString, cell);
    CardOptions o;
    o.windH = {windH, windH, 1};
    o.windV = {windVTenths, windVTenths, 1};
    const QString table = cardTable(o, QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(table.trimmed().endsWith(cell), qPrintable(table));
}

void TestCards::kneeboardCellsAreLegible()
{
    // Every tint of the card carries text of at least the contrast WCAG asks for small
    // print (4.5:1), and the words are those the pilot flies by. The contrast is measured
    // here first against the ratios WCAG's own tools publish, so that it is no echo of the
    // card's choice.
    const auto luminance = [](const QColor &c) {
        const auto lin = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const auto ratio = [&](const QColor &a, const QColor &b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    const struct
    {
        const char *a, *b;
        double published;
    } known[] = {{"#ffffff", "#000000", 21.0}, {"#000000", "#ff0000", 5.25},
                 {"#ffffff", "#0000ff", 8.59}, {"#000000", "#ffff00", 19.56},
                 {"#ffffff", "#777777", 4.48}, {"#000000", "#00ff00", 15.3}};
    for (const auto &k : known) {
        QVERIFY2(std::fabs(ratio(QColor(k.a), QColor(k.b)) - k.published) < 0.01, k.b);
    }

    QSet<QString> words;
    for (int h = -50; h <= 50; h += 5) {
        for (int v = -40; v <= 40; v += 5) {
            const CardCell cell = cardCell(kBuiltIn, h, v);
            const QColor tint(cell.tint.red, cell.tint.green, cell.tint.blue);
            const double contrast = ratio(tint, cell.darkText ? Qt::black : Qt::white);
            QVERIFY2(contrast >= 4.5, qPrintable(cell.setting + QLatin1Char(' ') + tint.name()));
            words.insert(cell.setting.section(QLatin1Char(' '), 0, 0));
            QVERIFY(cell.setting == QLatin1String("Trimm") ||
                    cell.setting.endsWith(QLatin1String(" %")));
        }
    }
    QCOMPARE(words, (QSet<QString>{QStringLiteral("Bremse"), QStringLiteral("Trimm"),
                                   QStringLiteral("Beschleuniger")}));
    QCOMPARE(cardCell(kBuiltIn, 0, 0).setting, QStringLiteral("Bremse 23 %"));
    QCOMPARE(cardCell(kBuiltIn, -25, 0).setting, QStringLiteral("Beschleuniger 46 %"));
}

void TestCards::climbsOfAWorksheetShowOnPaper()
{
    // Each printed task's climb is a ring on the vertical axis where the learner lays the
    // tangent from: painted as the sheet paints a task, it lies whole on the paper. The
    // window's exercise rule alone would lose some off the top: drawn from the same
    // seeds, some of its rings are cut or missing, so the check can tell.
    const auto ringShows = [](const Wing &wing, const ClimbTask &t) {
        DiagramState state;
        state.wing = wing;
        state.windH = static_cast<float>(t.wind.windH);
        state.windV = WindVFromTenths(t.wind.windVTenths);
        state.switches = {true, false, false};
        state.task = true;
        state.scale = 1.5;
        state.readoutStrip = false;
        state.separateTexts = true;
        state.dropClippedText = true;
        state.fittedWindow = true;
        state.climb = t.climbTenths / 10.0;
        QImage img(1100, 700, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        paintDiagram(p, img.size(), state, QLocale::c());
        p.end();
        QRect ring;
        for (int y = 0; y < img.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                if (std::abs(qRed(line[x])) + std::abs(qGreen(line[x]) - 115) +
                        std::abs(qBlue(line[x]) - 125) <
                    60) {
                    ring |= QRect(x, y, 1, 1);
                }
            }
        }
        return ring.width() >= 8 && ring.height() >= 8 &&
               img.rect().adjusted(2, 2, -2, -2).contains(ring);
    };
    const Wing wings[] = {Wing(), wingFromLine("80,0,20,-1.5,30,-1.0,42,-2.0\n", 70),
                          wingFromLine("100,0,30,-1.4,45,-1.1,60,-2.3\n", 100)};
    int lost = 0;
    for (const Wing &wing : wings) {
        for (const std::uint64_t seed : {1u, 2u}) {
            WindDraw sheet(seed);
            WindDraw window(seed);
            for (int i = 0; i < 25; ++i) {
                const std::optional<ClimbTask> t = nextWorksheetClimb(sheet, wing);
                QVERIFY(t);
                QVERIFY2(ringShows(wing, *t),
                         qPrintable(QStringLiteral("%1: %2 m/s, wind %3 km/h %4")
                                        .arg(QString::fromStdString(wing.name))
                                        .arg(t->climbTenths / 10.0)
                                        .arg(t->wind.windH)
                                        .arg(t->wind.windVTenths)));
                const std::optional<ClimbTask> raw =
                    window.nextClimb(wing, false, TaskView::FittedDiagram);
                QVERIFY(raw);
                lost += !ringShows(wing, *raw);
            }
        }
    }
    QVERIFY2(lost > 0, "the window's rule alone keeps every ring on paper: nothing tested");
}

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
