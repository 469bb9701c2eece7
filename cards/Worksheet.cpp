#include "Worksheet.h"

#include "BrakeScale.h"
#include "Diagram.h"
#include "DiagramFile.h"
#include "Exercise.h"
#include "Format.h"
#include "KneeboardCard.h"
#include "Language.h"
#include "PictureBox.h"
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
#include <numeric>
#include <vector>

namespace {

// Millimetres on the A4 page.
constexpr double kMargin = 12.0;
constexpr double kTitle = 8.0;     // the title line
constexpr double kNameLines = 8.0; // "Name", "Datum", "Kurs" on task pages
constexpr double kMethod = 15.0;   // the method, on the first page
constexpr double kMaxDiagramWidth = 170.0;
constexpr double kTextLines = 19.0; // under each diagram: task, answer, a note
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
    std::optional<ReachQuestion> field; // a landing-field task's field
    std::optional<double> climb;        // a speed-to-fly task's expected climb, m/s
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

// A glide ratio read off the diagram is sensitive where reading the touch point a little
// off changes it by more than this.
constexpr double kSensitiveRatio = 3.0;

QString sensitiveNote()
{
    return translated("Worksheet", "Die Gleitzahl über Grund ist hier empfindlich: ein kleiner "
                                   "Ablesefehler ändert sie stark.");
}

// A task's answers as the key prints them.
struct Answer
{
    QString airspeed, setting, percent, ratio, ratioTolerance;
    bool sensitive = false;
};

Answer answerOf(const Wing &wing, const Task &task)
{
    const GridCell cell = bestGlideCell(wing, task.wind.windH, task.wind.windVTenths);
    const Tolerances t = tolerancesOf(wing, cell);
    const QLocale locale = textLocale();
    return {FormatFixed(cell.airspeed, 1, locale),
            cardCell(wing, task.wind.windH, task.wind.windVTenths).setting,
            FormatFixed(t.percent, 0, locale),
            FormatFixed(cell.ratio, 1, locale),
            FormatFixed(t.ratio, 1, locale),
            t.ratio > kSensitiveRatio};
}

// A landing-field task's answers as the key prints them, each with how far a reading off
// the diagram may be from it.
struct ReachAnswer
{
    QString needed, ratio, ratioTolerance, verdict, arrival, arrivalTolerance, airspeed, band;
    bool reaches = false;
};

// A setting in the key with its tolerance: "Bremse 39 % (± 5 %)".
QString settingWithTolerance(const Wing &wing, float airspeed)
{
    GridCell at;
    at.airspeed = airspeed;
    return translated("Worksheet", "%1 (± %2 %)")
        .arg(settingInWords(wing, airspeed),
             FormatFixed(tolerancesOf(wing, at).percent, 0, textLocale()));
}

ReachAnswer reachAnswerOf(const Wing &wing, const Task &task)
{
    const ReachQuestion &q = *task.field;
    const float windH = static_cast<float>(task.wind.windH);
    const float windV = WindVFromTenths(task.wind.windVTenths);
    const Reach r = ReachField(wing, q, windH, windV);
    const GridCell cell = bestGlideCell(wing, task.wind.windH, task.wind.windVTenths);
    const QLocale locale = textLocale();
    ReachAnswer a;
    a.reaches = r.reaches;
    a.needed = FormatFixed(r.requiredRatio, 1, locale);
    a.ratio = FormatFixed(cell.ratio, 1, locale);
    a.ratioTolerance = FormatFixed(tolerancesOf(wing, cell).ratio, 1, locale);
    a.verdict =
        r.reaches ? translated("Worksheet", "reicht") : translated("Worksheet", "reicht nicht");
    a.arrival = FormatFixed(r.arrivalM, 0, locale);
    a.arrivalTolerance = FormatFixed(reachReadingTolerance(q), 0, locale);
    a.airspeed = FormatFixed(r.bestAirspeed, 1, locale);
    a.band = r.reaches ? translated("Worksheet", "%1 bis %2")
                             .arg(settingWithTolerance(wing, r.bandLow),
                                  settingWithTolerance(wing, r.bandHigh))
                       : translated("Worksheet", "keine");
    return a;
}

// A speed-to-fly task's answers with their reading tolerances: the airspeed (± 1 km/h),
// the setting, and the average, read with the touch point 1 km/h and 0,1 m/s off.
struct ClimbAnswer
{
    QString airspeed, setting, average, averageTolerance;
};

ClimbAnswer climbAnswerOf(const Wing &wing, const Task &task)
{
    const float windH = static_cast<float>(task.wind.windH);
    const float windV = WindVFromTenths(task.wind.windVTenths);
    const SpeedToFly s = SpeedToFlyFor(wing, *task.climb, windH, windV, false);
    const double gh = static_cast<double>(s.airspeed) + windH;
    const double gv = static_cast<double>(wing.sink(s.airspeed)) + windV;
    double worst = 0;
    for (const double dh : {-1.0, 0.0, 1.0}) {
        for (const double dv : {-0.1, 0.0, 0.1}) {
            const double v = (gh + dh) * *task.climb / (*task.climb - (gv + dv));
            worst = std::max(worst, std::fabs(v - s.averageKmh));
        }
    }
    const QLocale locale = textLocale();
    return {FormatFixed(s.airspeed, 1, locale), settingWithTolerance(wing, s.airspeed),
            FormatFixed(s.averageKmh, 1, locale), FormatFixed(roundedUp(worst, 0.1), 1, locale)};
}

// A speed-to-fly task as it is asked.
QString climbTaskText(const Task &task)
{
    const QLocale locale = textLocale();
    return translated("Worksheet", "Aufgabe %1: Erwartetes Steigen %2 m/s, %3 auf der Strecke: "
                                   "Sollfahrt und Schnitt?")
        .arg(task.number)
        .arg(FormatFixed(*task.climb, 1, locale),
             windInWords(task.wind.windH, task.wind.windVTenths, locale));
}

// A landing-field task as an exam asks it.
QString reachTaskText(const Task &task)
{
    const ReachQuestion &q = *task.field;
    const QLocale locale = textLocale();
    return translated("Worksheet", "Aufgabe %1: Sie sind %2 m über dem Landeplatz, %3 km "
                                   "entfernt, %4. Reicht es mit %5 m Sicherheitshöhe? Mit welcher "
                                   "Fahrt kommen Sie am höchsten an?")
        .arg(task.number)
        .arg(FormatFixed(q.heightM, 0, locale), FormatFixed(q.distanceKm, 1, locale),
             windInWords(task.wind.windH, task.wind.windVTenths, locale),
             FormatFixed(q.marginM, 0, locale));
}

// Whether a climb's point shows on the axis of its task's diagram, asked and solved, with
// the polar and the brake scale: where it does not, the task cannot be solved on paper.
bool climbShowsInTask(const Wing &wing, const ClimbTask &task)
{
    for (const bool solved : {false, true}) {
        PictureBox pic;
        pic.setPaintingEnabled(false);
        pic.resize(kDiagram);
        setUpDiagram(pic);
        pic.setOutputScale(kDiagramScale);
        const OverlaySwitches switches{true, solved, false, true, true};
        if (!fitTaskWindow(pic, wing, switches, static_cast<float>(task.wind.windH),
                           WindVFromTenths(task.wind.windVTenths), false,
                           QPointF(0.0, 10.0 * task.climbTenths))) {
            return false;
        }
    }
    return true;
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
    state.reach = task.field;
    state.climb = task.climb;
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
    if (task.climb) {
        text(p, QRectF(block.left(), y, textWidth, 7), climbTaskText(task), 3.0, true);
        if (!solved) {
            text(p, QRectF(block.left(), y + 8, textWidth, 6),
                 translated("Worksheet", "Sollfahrt: ________ km/h   Bremsstellung: ________   "
                                         "Schnitt: ________ km/h"),
                 3.0, false);
            return;
        }
        const ClimbAnswer a = climbAnswerOf(wing, task);
        text(p, QRectF(block.left(), y + 7.5, textWidth, 5),
             translated("Worksheet", "Sollfahrt %1 km/h (± 1 km/h) · %2 · Schnitt %3 km/h (± %4)")
                 .arg(a.airspeed, a.setting, a.average, a.averageTolerance),
             3.0, false);
        return;
    }
    if (task.field) {
        text(p, QRectF(block.left(), y, textWidth, 7), reachTaskText(task), 3.0, true);
        if (!solved) {
            text(p, QRectF(block.left(), y + 8, textWidth, 6),
                 translated("Worksheet", "Nötige GZ: ________   GZ über Grund: ________   "
                                         "Reicht es? ja / nein   Fahrt: ________ km/h   "
                                         "Ankunft: ________ m"),
                 3.0, false);
            return;
        }
        const ReachAnswer a = reachAnswerOf(wing, task);
        text(p, QRectF(block.left(), y + 7.5, textWidth, 5),
             translated("Worksheet", "Nötig GZ %1 · über Grund GZ %2 (± %3) · %4 · Ankunft %5 m "
                                     "(± %6 m) bei %7 km/h (± 1 km/h)")
                 .arg(a.needed, a.ratio, a.ratioTolerance, a.verdict, a.arrival, a.arrivalTolerance,
                      a.airspeed),
             3.0, false);
        text(p, QRectF(block.left(), y + 12, textWidth, 5),
             translated("Worksheet", "Mit der Sicherheitshöhe reichen: %1").arg(a.band), 3.0,
             false);
        return;
    }
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
    const Answer a = answerOf(wing, task);
    text(p, QRectF(block.left(), y, textWidth, 6),
         translated("Worksheet", "Aufgabe %1: %2.").arg(task.number).arg(wind), 3.2, true);
    text(p, QRectF(block.left(), y + 6, textWidth, 5),
         translated("Worksheet",
                    "Fahrt %1 km/h (± 1 km/h) · %2 (± %3 %) · Gleitzahl über Grund %4 (± %5)")
             .arg(a.airspeed, a.setting, a.percent, a.ratio, a.ratioTolerance),
         3.0, false);
    if (a.sensitive) {
        text(p, QRectF(block.left(), y + 11, textWidth, 5), sensitiveNote(), 3.0, false);
    }
}

// The page's head: its title with the wing, shortened so that it never runs into the
// page's number on the right.
void paintHead(QPainter &p, double width, const QString &title, const Wing &wing,
               const QString &pageText)
{
    const QFont pageFont = millimetreFont(3.0, false);
    const double room = width - QFontMetricsF(pageFont).horizontalAdvance(pageText) / 10.0 - 4.0;
    // The font shrinks a little before the wing's name gives way, and the name only as far
    // as the room requires.
    double height = 4.6;
    const auto fits = [&](const QString &w) {
        return QFontMetricsF(millimetreFont(height, true))
                       .horizontalAdvance(title + QStringLiteral(" – ") + w) /
                   10.0 <=
               room;
    };
    while (!wing.builtIn && !fits(wingTitle(wing, textLocale())) && height > 3.6) {
        height -= 0.1;
    }
    const QString wingText = wingTitle(wing, textLocale(), fits);
    text(p, QRectF(kMargin, kMargin, room, kTitle),
         wingText.isEmpty() ? title : title + QStringLiteral(" – ") + wingText, height, true);
    text(p, QRectF(kMargin, kMargin, width, kTitle), pageText, 3.0, false, Qt::AlignRight);
}

constexpr double kRow = 5.5;        // a row of the answers' table
constexpr double kTableFoot = 10.0; // the note under it

// Rows of the answers' table a page holds.
int rowsPerPage()
{
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return static_cast<int>((paper.height() - 2 * kMargin - kTitle - kRow - kTableFoot) / kRow);
}

// One page of the table of all answers: the key at a glance, before its diagrams. Each
// column as wide as its widest text, the wind's taking what is left; the font shrinks
// where the page is too narrow for them all.
void paintAnswerTable(QPainter &p, double width, const Wing &wing, const QList<Task> &tasks)
{
    const Qt::Alignment aligns[] = {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft,
                                    Qt::AlignRight};
    const bool reach = !tasks.isEmpty() && tasks.first().field;
    const bool climb = !tasks.isEmpty() && tasks.first().climb;
    QList<QStringList> rows{{translated("Worksheet", "Aufgabe"), translated("Worksheet", "Wind"),
                             translated("Worksheet", "Fahrt (± 1 km/h)"),
                             translated("Worksheet", "Bremsstellung"),
                             translated("Worksheet", "Gleitzahl über Grund")}};
    if (reach) {
        rows = {{translated("Worksheet", "Aufgabe"), translated("Worksheet", "Wind"),
                 translated("Worksheet", "Fahrt (± 1 km/h)"), translated("Worksheet", "Reicht es?"),
                 translated("Worksheet", "Ankunft")}};
    }
    if (climb) {
        rows = {{translated("Worksheet", "Aufgabe"), translated("Worksheet", "Wind"),
                 translated("Worksheet", "Sollfahrt (± 1 km/h)"),
                 translated("Worksheet", "Bremsstellung"), translated("Worksheet", "Schnitt")}};
    }
    bool anySensitive = false;
    for (const Task &task : tasks) {
        if (climb) {
            const ClimbAnswer a = climbAnswerOf(wing, task);
            rows.append(
                {QString::number(task.number),
                 translated("Worksheet", "MC %1 m/s, %2")
                     .arg(FormatFixed(*task.climb, 1, textLocale()),
                          windInWords(task.wind.windH, task.wind.windVTenths, textLocale())),
                 a.airspeed + QStringLiteral(" km/h"), a.setting,
                 translated("Worksheet", "%1 km/h (± %2)").arg(a.average, a.averageTolerance)});
            continue;
        }
        if (reach) {
            const ReachAnswer a = reachAnswerOf(wing, task);
            rows.append(
                {QString::number(task.number),
                 windInWords(task.wind.windH, task.wind.windVTenths, textLocale()),
                 a.airspeed + QStringLiteral(" km/h"),
                 translated("Worksheet", "%1 (nötig GZ %2, GZ %3)")
                     .arg(a.verdict, a.needed, a.ratio),
                 translated("Worksheet", "%1 m (± %2 m)").arg(a.arrival, a.arrivalTolerance)});
            continue;
        }
        const Answer a = answerOf(wing, task);
        anySensitive = anySensitive || a.sensitive;
        rows.append(
            {QString::number(task.number),
             windInWords(task.wind.windH, task.wind.windVTenths, textLocale()),
             a.airspeed + QStringLiteral(" km/h"),
             translated("Worksheet", "%1 (± %2 %)").arg(a.setting, a.percent),
             QStringLiteral("%1 (± %2)%3")
                 .arg(a.ratio, a.ratioTolerance, a.sensitive ? QStringLiteral(" *") : QString())});
    }
    constexpr double kAir = 3.0; // between two columns
    double height = 3.0;
    std::vector<double> widths;
    const auto measure = [&] {
        widths.assign(std::size(aligns), 0.0);
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QFontMetricsF fm(millimetreFont(height, r == 0));
            for (qsizetype c = 0; c < rows[r].size(); ++c) {
                widths[c] = std::max(widths[c], fm.horizontalAdvance(rows[r][c]) / 10.0 + kAir);
            }
        }
        return std::accumulate(widths.begin(), widths.end(), 0.0);
    };
    while (measure() > width && height > 2.2) {
        height -= 0.1;
    }
    widths[1] += std::max(0.0, width - std::accumulate(widths.begin(), widths.end(), 0.0));
    double top = kMargin + kTitle;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        double x = kMargin;
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const bool right = aligns[c] == Qt::AlignRight;
            drawMillimetreText(
                p, QRectF(x + (right ? 0.0 : kAir / 2), top, widths[c] - kAir / 2, kRow),
                rows[r][c], millimetreFont(height, r == 0),
                static_cast<int>(aligns[c] | Qt::AlignVCenter));
            x += widths[c];
        }
        top += kRow;
        if (r == 0) {
            p.setPen(QPen(Qt::black, 0.2));
            p.drawLine(QPointF(kMargin, top), QPointF(kMargin + width, top));
        }
    }
    if (anySensitive) {
        text(p, QRectF(kMargin, top + 2.0, width, kTableFoot - 2.0),
             QStringLiteral("* ") + sensitiveNote(), 3.0, false);
    }
}

} // namespace

std::optional<ClimbTask> nextWorksheetClimb(WindDraw &draw, const Wing &wing)
{
    std::optional<ClimbTask> task = draw.nextClimb(wing, false, TaskView::FittedDiagram);
    for (int tries = 0; task && !climbShowsInTask(wing, *task); ++tries) {
        task = tries < 1000 ? draw.nextClimb(wing, false, TaskView::FittedDiagram) : std::nullopt;
    }
    return task;
}

QByteArray worksheetPdf(const Wing &wing, int tasks, std::uint64_t seed, const QString &remake,
                        WorksheetTopic topic)
{
    QList<Task> all;
    WindDraw draw(seed);
    const bool reach = topic == WorksheetTopic::Reach;
    const bool climb = topic == WorksheetTopic::SpeedToFly;
    for (int k = 1; k <= tasks; ++k) {
        if (climb) {
            const std::optional<ClimbTask> task = nextWorksheetClimb(draw, wing);
            if (!task) {
                return {};
            }
            all.append({k, task->wind, std::nullopt, task->climbTenths / 10.0});
            continue;
        }
        if (reach) {
            const std::optional<ReachTask> task = draw.nextReach(wing, TaskView::FittedDiagram);
            if (!task) {
                return {};
            }
            all.append({k, task->wind, task->question, std::nullopt});
            continue;
        }
        const std::optional<ExerciseWind> wind = draw.next(wing, TaskView::FittedDiagram);
        if (!wind) {
            return {};
        }
        all.append({k, *wind, std::nullopt, std::nullopt});
    }
    const QString title = climb ? translated("Worksheet", "Arbeitsblatt: Sollfahrt (MacCready)")
                          : reach
                              ? translated("Worksheet", "Arbeitsblatt: Landeplatz erreichen")
                              : translated("Worksheet", "Arbeitsblatt: bestes Gleiten über Grund");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter p;
    if (!beginMillimetrePages(pdf, p, QPageSize::A4, 300, title, QStringLiteral("azodo-render"))) {
        return {};
    }
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double width = paper.width() - 2 * kMargin;
    const int pagesEach = (tasks + 1) / 2;
    const int perTable = rowsPerPage();
    const int tablePages = (tasks + perTable - 1) / perTable;
    const int solutionPages = tablePages + pagesEach;
    for (int page = 0; page < pagesEach + solutionPages; ++page) {
        if (page > 0) {
            pdf.newPage();
        }
        const bool solved = page >= pagesEach;
        const int solution = page - pagesEach; // the key's own page, from 0
        const int k = solved ? solution + 1 : page + 1;
        paintHead(
            p, width, solved ? translated("Worksheet", "Lösungen") : title, wing,
            solved ? translated("Worksheet", "Lösungen, Seite %1 von %2").arg(k).arg(solutionPages)
                   : translated("Worksheet", "Aufgaben, Seite %1 von %2").arg(k).arg(pagesEach));
        // The command that makes the same sheet and its key again.
        text(p, QRectF(kMargin, paper.height() - kMargin, width, 6), remake, 2.6, false,
             Qt::AlignRight);
        if (solved && solution < tablePages) {
            paintAnswerTable(p, width, wing, all.mid(solution * perTable, perTable));
            continue;
        }
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
            const QString method =
                climb   ? translated("Worksheet",
                                     "So geht es: 1. Legen Sie vom erwarteten Steigen auf der "
                                       "senkrechten Achse die Tangente an die verschobene Polare. "
                                       "2. Der Berührpunkt gibt die Sollfahrt, auf der Bremsskala die "
                                       "Bremsstellung. 3. Wo die Tangente die Geschwindigkeitsachse "
                                       "schneidet, liegt der Schnitt über Grund.")
                : reach ? translated("Worksheet",
                                     "So geht es: 1. Nötige Gleitzahl = Entfernung ÷ (Höhe − "
                                     "Sicherheitshöhe). 2. Die Tangente vom Ursprung an die "
                                     "verschobene Polare gibt die Gleitzahl über Grund und die "
                                     "Fahrt, die am höchsten ankommt. 3. Es reicht, wo sie "
                                     "mindestens die nötige ist; Ankunft = Höhe − Entfernung ÷ "
                                     "Gleitzahl über Grund.")
                        : translated("Worksheet",
                                     "So geht es: 1. Legen Sie vom Ursprung die Tangente an die "
                                     "verschobene Polare. 2. Lesen Sie die Fahrt des Berührpunkts "
                                     "auf der Bremsskala ab. 3. Gleitzahl über Grund = "
                                     "Grundgeschwindigkeit ÷ Sinken über Grund (beide am "
                                     "Berührpunkt, km/h durch 3,6 in m/s).");
            text(p, QRectF(kMargin, top, width, kMethod), withNumberSign(method), 3.0, false);
            top += kMethod;
        }
        const double blockHeight = (paper.height() - kMargin - top) / 2;
        const double diagramWidth =
            std::min(kMaxDiagramWidth, (blockHeight - kTextLines) * kDiagram.width() /
                                           static_cast<double>(kDiagram.height()));
        const int sheet = solved ? solution - tablePages : page; // the tasks' page, from 0
        for (int slot = 0; slot < 2; ++slot) {
            const int index = sheet * 2 + slot;
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
