#include "Worksheet.h"

#include "BrakeScale.h"
#include "DiagramFile.h"
#include "Exercise.h"
#include "Format.h"
#include "KneeboardCard.h"
#include "Language.h"
#include "PrintedPage.h"
#include "SpeedToFlyGrid.h"
#include "modCalc.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

// Millimetres on the A4 page.
constexpr double kMargin = 12.0;
constexpr double kTitle = 8.0;     // the title line
constexpr double kNameLines = 8.0; // "Name", "Datum", "Kurs" on task pages
constexpr double kMethod = 15.0;   // the method, on the first page
constexpr double kMaxDiagramWidth = 170.0;
constexpr double kTextLines = 16.0; // under each diagram
// The diagram in its own pixels, in the proportions of a PDF export.
const QSize kDiagram(1100, 700);
constexpr double kDiagramScale = 1.5; // printed at a sixth of a millimetre a pixel, the
                                      // screen's 8 pt would shrink to 5 pt

// Text in a box given in millimetres, one line or wrapped.
void text(QPainter &p, const QRectF &mm, const QString &s, double heightMm, bool bold,
          Qt::Alignment align = Qt::AlignLeft)
{
    drawMillimetreText(p, mm, s, millimetreFont(heightMm, bold),
                       static_cast<int>(align | Qt::AlignVCenter | Qt::TextWordWrap));
}

struct Task
{
    int number = 0;
    ExerciseWind wind;
};

// How far a value read off the diagram may be from the exact one: the largest change
// when the touch point is read 1 km/h and 0,1 m/s off, rounded up to the shown step.
double roundedUp(double value, double step)
{
    return std::ceil(value / step - 1e-9) * step;
}

struct Tolerances
{
    double percent = 0; // brake or accelerator, whole percent
    double ratio = 0;   // glide ratio over ground, one decimal
};

Tolerances tolerancesOf(const Wing &wing, const GridCell &cell)
{
    Tolerances t;
    const auto percentAt = [&](double v) {
        const BrakeScale::Setting s = BrakeScale::settingFor(wing, static_cast<float>(v));
        return static_cast<double>(s.acceleratorPercent - s.brakePercent);
    };
    const double percent = percentAt(cell.airspeed);
    for (const double dv : {-1.0, 1.0}) {
        t.percent = std::max(t.percent, std::fabs(percentAt(cell.airspeed + dv) - percent));
    }
    t.percent = roundedUp(t.percent, 1.0);
    const auto ratio = [](double h, double v) {
        return h / 3.6 / std::fabs(v);
    };
    const double exact = ratio(cell.groundSpeedH, cell.groundSpeedV);
    for (const double dh : {-1.0, 0.0, 1.0}) {
        for (const double dv : {-0.1, 0.0, 0.1}) {
            t.ratio = std::max(
                t.ratio, std::fabs(ratio(cell.groundSpeedH + dh, cell.groundSpeedV + dv) - exact));
        }
    }
    t.ratio = roundedUp(t.ratio, 0.1);
    return t;
}

// One task's block: the diagram, then its lines.
void paintTask(QPainter &p, const QRectF &block, double textWidth, const Wing &wing,
               const Task &task, bool solved)
{
    DiagramState state;
    state.wing = wing;
    state.windH = static_cast<float>(task.wind.windH);
    state.windV = WindVFromTenths(task.wind.windVTenths);
    state.switches = {true, solved, false};
    state.task = !solved;
    state.scale = kDiagramScale;
    // The answer line says what the read-out would; no label sits on another.
    state.readoutStrip = false;
    state.separateTexts = true;
    state.dropClippedText = true;
    state.fittedWindow = true;
    const double mmPerPixel = block.width() / kDiagram.width();
    p.save();
    p.translate(block.topLeft());
    p.scale(mmPerPixel, mmPerPixel);
    paintDiagram(p, kDiagram, state, textLocale());
    p.restore();
    p.setPen(QPen(Qt::black, 0.2));
    p.drawRect(QRectF(block.topLeft(), QSizeF(block.width(), kDiagram.height() * mmPerPixel)));

    const double y = block.top() + kDiagram.height() * mmPerPixel + 1.5;
    const QString wind = windInWords(task.wind.windH, task.wind.windVTenths, textLocale());
    if (!solved) {
        text(p, QRectF(block.left(), y, textWidth, 6),
             translated("Worksheet", "Aufgabe %1: %2. Legen Sie die Tangente an.")
                 .arg(task.number)
                 .arg(wind),
             3.2, true);
        text(p, QRectF(block.left(), y + 7, textWidth, 6),
             translated("Worksheet", "Fahrt: ____________ km/h     Bremsstellung: ____________     "
                                     "Gleitzahl über Grund: ____________"),
             3.0, false);
        return;
    }
    const GridCell cell = bestGlideCell(wing, task.wind.windH, task.wind.windVTenths);
    const Tolerances t = tolerancesOf(wing, cell);
    text(p, QRectF(block.left(), y, textWidth, 6),
         translated("Worksheet", "Aufgabe %1: %2.").arg(task.number).arg(wind), 3.2, true);
    text(p, QRectF(block.left(), y + 7, textWidth, 6),
         translated("Worksheet", "Fahrt %1 km/h (± 1) · %2 (± %3) · Gleitzahl über Grund %4 (± %5)")
             .arg(FormatFixed(cell.airspeed, 1, textLocale()),
                  cardCell(wing, task.wind.windH, task.wind.windVTenths).setting,
                  FormatFixed(t.percent, 0, textLocale()), FormatFixed(cell.ratio, 1, textLocale()),
                  FormatFixed(t.ratio, 1, textLocale())),
         3.0, false);
}

// The page's head: its title with the wing, shortened so that it never runs into the
// page's number on the right.
void paintHead(QPainter &p, double width, const QString &title, const Wing &wing,
               const QString &pageText)
{
    const QFont titleFont = millimetreFont(4.6, true);
    const QFont pageFont = millimetreFont(3.0, false);
    const double room = width - QFontMetricsF(pageFont).horizontalAdvance(pageText) / 10.0 - 4.0;
    const QString wingText = wingTitle(wing, textLocale(), [&](const QString &w) {
        return QFontMetricsF(titleFont).horizontalAdvance(title + QStringLiteral(" – ") + w) /
                   10.0 <=
               room;
    });
    text(p, QRectF(kMargin, kMargin, room, kTitle),
         wingText.isEmpty() ? title : title + QStringLiteral(" – ") + wingText, 4.6, true);
    text(p, QRectF(kMargin, kMargin, width, kTitle), pageText, 3.0, false, Qt::AlignRight);
}

} // namespace

QByteArray worksheetPdf(const Wing &wing, int tasks, std::uint64_t seed)
{
    QList<Task> all;
    WindDraw draw(seed);
    for (int k = 1; k <= tasks; ++k) {
        const std::optional<ExerciseWind> wind = draw.next(wing, TaskView::FittedDiagram);
        if (!wind) {
            return {};
        }
        all.append({k, *wind});
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter p;
    if (!beginMillimetrePages(pdf, p, QPageSize::A4, 300,
                              translated("Worksheet", "Arbeitsblatt: bestes Gleiten über Grund"),
                              QStringLiteral("azodo-render"))) {
        return {};
    }
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double width = paper.width() - 2 * kMargin;
    const int pagesEach = (tasks + 1) / 2;
    for (int page = 0; page < 2 * pagesEach; ++page) {
        if (page > 0) {
            pdf.newPage();
        }
        const bool solved = page >= pagesEach;
        const int k = page % pagesEach + 1;
        paintHead(p, width,
                  solved ? translated("Worksheet", "Lösungen")
                         : translated("Worksheet", "Arbeitsblatt: bestes Gleiten über Grund"),
                  wing,
                  solved
                      ? translated("Worksheet", "Lösungen, Seite %1 von %2").arg(k).arg(pagesEach)
                      : translated("Worksheet", "Aufgaben, Seite %1 von %2").arg(k).arg(pagesEach));
        double top = kMargin + kTitle;
        if (!solved) {
            text(p, QRectF(kMargin, top, width, kNameLines),
                 translated("Worksheet",
                            "Name: ______________________________     Datum: ______________"
                            "     Kurs: ______________"),
                 3.2, false);
            top += kNameLines;
        }
        if (page == 0) {
            text(p, QRectF(kMargin, top, width, kMethod),
                 translated("Worksheet",
                            "So geht es: 1. Legen Sie vom Ursprung die Tangente an die "
                            "verschobene Polare. 2. Lesen Sie die Fahrt des Berührpunkts "
                            "auf der Bremsskala ab. 3. Gleitzahl über Grund = "
                            "Grundgeschwindigkeit ÷ Sinken über Grund (beide am "
                            "Berührpunkt, km/h durch 3,6 in m/s)."),
                 3.0, false);
            top += kMethod;
        }
        // The seed in every footer: with it the same sheet and its key can be made again.
        text(p, QRectF(kMargin, paper.height() - kMargin, width, 6),
             QStringLiteral("azodo-render --worksheet %1 --seed %2").arg(tasks).arg(seed), 2.6,
             false, Qt::AlignRight);
        const double blockHeight = (paper.height() - kMargin - top) / 2;
        const double diagramWidth =
            std::min(kMaxDiagramWidth, (blockHeight - kTextLines) * kDiagram.width() /
                                           static_cast<double>(kDiagram.height()));
        for (int slot = 0; slot < 2; ++slot) {
            const int index = (page % pagesEach) * 2 + slot;
            if (index >= all.size()) {
                break;
            }
            const QRectF block(kMargin, top + slot * blockHeight, diagramWidth,
                               blockHeight - kTextLines);
            paintTask(p, block, width, wing, all[index], solved);
        }
    }
    p.end();
    return bytes;
}
