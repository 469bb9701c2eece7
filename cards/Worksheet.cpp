#include "Worksheet.h"

#include "DiagramFile.h"
#include "Exercise.h"
#include "Format.h"
#include "KneeboardCard.h"
#include "PrintedPage.h"
#include "SpeedToFlyGrid.h"
#include "modCalc.h"

#include <QBuffer>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// Millimetres on the A4 page.
constexpr double kMargin = 12.0;
constexpr double kHeader = 10.0;
constexpr double kDiagramWidth = 170.0;
constexpr double kTextLines = 16.0; // under each diagram
// The diagram in its own pixels, in the proportions of a PDF export.
const QSize kDiagram(1100, 700);

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
    // Printed at a sixth of a millimetre a pixel, the screen's 8 pt would shrink to 5 pt.
    state.scale = 1.5;
    const QSize whole(kDiagram.width(), kDiagram.height() + readoutStripHeight(state.scale));
    const double mmPerPixel = block.width() / whole.width();
    p.save();
    p.translate(block.topLeft());
    p.scale(mmPerPixel, mmPerPixel);
    paintDiagram(p, kDiagram, state, kGerman);
    p.restore();
    p.setPen(QPen(Qt::black, 0.2));
    p.drawRect(QRectF(block.topLeft(), QSizeF(block.width(), whole.height() * mmPerPixel)));

    const double y = block.top() + whole.height() * mmPerPixel + 1.5;
    const QString wind = windInWords(task.wind.windH, task.wind.windVTenths, kGerman);
    if (!solved) {
        text(
            p, QRectF(block.left(), y, textWidth, 6),
            QStringLiteral("Aufgabe %1: %2. Legen Sie die Tangente an.").arg(task.number).arg(wind),
            3.2, true);
        text(p, QRectF(block.left(), y + 7, textWidth, 6),
             QStringLiteral("Fahrt: ____________ km/h     Bremsstellung: ____________     "
                            "Gleitzahl über Grund: ____________"),
             3.0, false);
        return;
    }
    const GridCell cell = bestGlideCell(wing, task.wind.windH, task.wind.windVTenths);
    text(p, QRectF(block.left(), y, textWidth, 6),
         QStringLiteral("Aufgabe %1: %2.").arg(task.number).arg(wind), 3.2, true);
    text(p, QRectF(block.left(), y + 7, textWidth, 6),
         QStringLiteral("Fahrt %1 km/h · %2 · Gleitzahl über Grund %3")
             .arg(FormatFixed(cell.airspeed, 1, kGerman),
                  cardCell(wing, task.wind.windH, task.wind.windVTenths).setting,
                  FormatFixed(cell.ratio, 2, kGerman)),
         3.0, false);
}

} // namespace

QByteArray worksheetPdf(const Wing &wing, int tasks, std::uint64_t seed)
{
    QList<Task> all;
    WindDraw draw(seed);
    for (int k = 1; k <= tasks; ++k) {
        const std::optional<ExerciseWind> wind = draw.next(wing);
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
                              QStringLiteral("Arbeitsblatt: bestes Gleiten über Grund"),
                              QStringLiteral("azodo-render"))) {
        return {};
    }
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const int pagesEach = (tasks + 1) / 2;
    const QString wingText = wingTitle(wing, kGerman);
    const double blockHeight = (paper.height() - 2 * kMargin - kHeader) / 2;
    for (int page = 0; page < 2 * pagesEach; ++page) {
        if (page > 0) {
            pdf.newPage();
        }
        const bool solved = page >= pagesEach;
        QString title = solved ? QStringLiteral("Lösungen")
                               : QStringLiteral("Arbeitsblatt: bestes Gleiten über Grund");
        if (!wingText.isEmpty()) {
            title += QStringLiteral(" – ") + wingText;
        }
        text(p, QRectF(kMargin, kMargin, paper.width() - 2 * kMargin, 8), title, 4.6, true);
        text(p, QRectF(kMargin, kMargin, paper.width() - 2 * kMargin, 8),
             QStringLiteral("Seite %1 von %2").arg(page + 1).arg(2 * pagesEach), 3.0, false,
             Qt::AlignRight);
        for (int slot = 0; slot < 2; ++slot) {
            const int index = (page % pagesEach) * 2 + slot;
            if (index >= all.size()) {
                break;
            }
            const QRectF block(kMargin, kMargin + kHeader + slot * blockHeight, kDiagramWidth,
                               blockHeight - kTextLines);
            paintTask(p, block, paper.width() - 2 * kMargin, wing, all[index], solved);
        }
    }
    p.end();
    return bytes;
}
