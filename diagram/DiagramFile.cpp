#include "DiagramFile.h"

#include "Diagram.h"
#include "Language.h"
#include "PictureBox.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

const QString kTitle = QStringLiteral("Var Azodoviravovorididaz");

// The read-out's font sized in pixels of the diagram's space: a point size would be
// taken at the device's resolution, 300 dpi on a page, 72 in an SVG.
QFont readoutFont(double scale)
{
    QFont font = standardFont(true);
    font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0 * scale));
    return font;
}

void usualHints(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace

ExportFormat exportFormatFor(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        return ExportFormat::Svg;
    }
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        return ExportFormat::Pdf;
    }
    return ExportFormat::Png;
}

int readoutStripHeight(double scale)
{
    return 2 * QFontMetrics(readoutFont(scale)).height();
}

namespace {

// The strip and the frame of the diagram around draw, which draws into a picture box
// that paints straight into painter: clipped to the diagram like on the screen.
struct FrameRules
{
    bool dropClippedText = false;
    bool separateTexts = false;
    bool readoutStrip = true;
    QString title; // right in the strip
};

void paintFramed(QPainter &painter, QSize size, double scale, const FrameRules &rules,
                 const std::function<QString(PictureBox &)> &draw)
{
    const int strip = rules.readoutStrip ? readoutStripHeight(scale) : 0;
    painter.save();
    usualHints(painter);
    painter.fillRect(QRect(0, 0, size.width(), strip), Qt::white);

    PictureBox pic;
    pic.resize(size);
    painter.save();
    painter.translate(0, strip);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    pic.setExternalPainter(&painter);
    setUpDiagram(pic);
    pic.setOutputScale(scale);
    pic.setTextRules(rules.dropClippedText, rules.separateTexts);
    const QString readout = draw(pic);
    pic.setExternalPainter(nullptr);
    painter.restore();
    if (!rules.readoutStrip) {
        painter.restore();
        return;
    }

    const QFont font = readoutFont(scale);
    const QFontMetrics fm(font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(fm.averageCharWidth(), 0, size.width(), strip),
                     Qt::AlignVCenter | Qt::AlignLeft, readout);
    if (!rules.title.isEmpty()) {
        painter.drawText(QRect(0, 0, size.width() - fm.averageCharWidth(), strip),
                         Qt::AlignVCenter | Qt::AlignRight, rules.title);
    }
    painter.restore();
}

} // namespace

void paintDiagram(QPainter &painter, QSize size, const DiagramState &state, const QLocale &locale)
{
    // The window's own procedures, background included.
    const FrameRules rules{state.dropClippedText, state.separateTexts, state.readoutStrip,
                           state.title};
    paintFramed(painter, size, state.scale, rules, [&](PictureBox &pic) {
        // In the lesson of the speed between thermals the brake scale is read for it, in a
        // task as in its answer.
        OverlaySwitches switches = state.switches;
        switches.speedToFly = state.climb.has_value();
        // A printed task's window, shifted to show it whole.
        if (state.fittedWindow) {
            std::optional<QPointF> climbPoint;
            if (state.climb) {
                climbPoint =
                    QPointF(state.drifting ? 10.0 * state.windH : 0.0, 100.0 * *state.climb);
            }
            fitTaskWindow(pic, state.wing, switches, state.windH, state.windV, state.airOrigin,
                          climbPoint);
        }
        DrawBackground(pic);
        // Computed first, then drawn; locked brakes stand at the speed to fly in its lesson.
        std::optional<SpeedToFly> toFly;
        if (state.climb && !state.task) {
            toFly =
                SpeedToFlyFor(state.wing, *state.climb, state.windH, state.windV, state.drifting);
        }
        const bool free = state.switches.freeBrakes;
        const Flight flight =
            FlightFor(state.wing, toFly && !free ? toFly->airspeed : state.airspeed,
                      free || toFly.has_value(), state.windH, state.windV);
        if (state.climb) {
            // A task shows the climb's point, not the tangent that answers it.
            DrawSpeedToFly(pic, state.wing, *state.climb, state.windH, state.windV, state.drifting,
                           !state.task, locale);
        }
        if (state.comparison) {
            DrawComparison(pic, *state.comparison);
        }
        std::optional<Reach> reach;
        if (state.reach && !state.task) {
            reach = ReachField(state.wing, *state.reach, state.windH, state.windV);
            DrawReach(pic, state.wing, *state.reach, *reach, state.windH, state.windV, true,
                      state.switches.freeBrakes ? std::optional<float>(state.airspeed)
                                                : std::nullopt,
                      locale);
        }
        SavedPen saved;
        DrawPolarOverlay(pic, state.wing, flight.airspeed, saved, switches, state.windH,
                         state.windV, locale);
        // A task leaves the ground-speed vector, the bar and the read-out to the learner.
        if (state.task) {
            return QString();
        }
        QString readout = DrawGlidePath(pic, state.wing, flight, saved, state.windV, locale);
        if (reach) {
            const std::optional<float> chosen =
                state.switches.freeBrakes ? std::optional<float>(flight.airspeed) : std::nullopt;
            const ReachWords words = reachInWords(state.wing, *state.reach, *reach, state.windH,
                                                  state.windV, chosen, locale);
            readout = lessonReadout(readout, words.yours, words.line());
        }
        if (toFly) {
            const SpeedToFlyWords words =
                speedToFlyInWords(state.wing, *state.climb, *toFly,
                                  free ? std::optional<float>(flight.airspeed) : std::nullopt,
                                  state.windH, state.windV, state.drifting, locale);
            readout = lessonReadout(readout, words.yours, words.answer);
        }
        if (state.comparison) {
            DrawComparisonLegend(pic, *state.comparison, state.wing, flight, state.windH,
                                 state.windV, locale);
        }
        return readout;
    });
}

void paintShownDiagram(QPainter &painter, QSize size, const std::vector<DrawOp> &shown,
                       const QString &readout)
{
    // What the screen shows, clipped labels included, as the user saved it.
    paintFramed(painter, size, 1.0, FrameRules{}, [&](PictureBox &pic) {
        pic.Cls();
        pic.replay(shown);
        return readout;
    });
}

namespace {

// Strip and diagram painted by paint into a white picture of their size.
QImage paintedImage(QSize size, double scale, const std::function<void(QPainter &)> &paint)
{
    QImage image(size.width(), size.height() + readoutStripHeight(scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paint(p);
    return image;
}

} // namespace

QImage diagramImage(QSize size, const DiagramState &state, const QLocale &locale)
{
    return paintedImage(size, state.scale,
                        [&](QPainter &p) { paintDiagram(p, size, state, locale); });
}

QByteArray exportDiagram(ExportFormat format, QSize size, const DiagramState &state,
                         const QLocale &locale)
{
    // A vector file keeps no text that the frame clips.
    DiagramState drawn = state;
    drawn.dropClippedText = drawn.dropClippedText || format != ExportFormat::Png;
    return exportPainted(
        format, size, [&](QPainter &p) { paintDiagram(p, size, drawn, locale); }, state.scale);
}

QByteArray exportPdfPages(QSize size, const QList<DiagramState> &states, const QLocale &locale)
{
    QList<std::function<void(QPainter &)>> pages;
    double scale = 1.0;
    for (DiagramState state : states) {
        state.dropClippedText = true;
        pages.append([size, state, &locale](QPainter &p) { paintDiagram(p, size, state, locale); });
        scale = state.scale;
    }
    return pdfPages(size, pages, scale);
}

QByteArray pdfPages(QSize size, const QList<std::function<void(QPainter &)>> &pages, double scale)
{
    const QSize whole(size.width(), size.height() + readoutStripHeight(scale));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(kTitle);
    pdf.setCreator(QStringLiteral("azodo"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    pdf.setResolution(300);
    QPainter p;
    if (!p.begin(&pdf)) {
        return {};
    }
    for (qsizetype n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            pdf.newPage();
        }
        // Fitted inside the margins, centred, the proportions kept.
        const double fit = std::min(pdf.width() / static_cast<double>(whole.width()),
                                    pdf.height() / static_cast<double>(whole.height()));
        p.resetTransform();
        p.translate((pdf.width() - fit * whole.width()) / 2.0,
                    (pdf.height() - fit * whole.height()) / 2.0);
        p.scale(fit, fit);
        pages[n](p);
    }
    p.end();
    return bytes;
}

QByteArray exportPainted(ExportFormat format, QSize size,
                         const std::function<void(QPainter &)> &paint, double scale)
{
    if (format == ExportFormat::Pdf) {
        return pdfPages(size, {paint}, scale);
    }
    const QSize whole(size.width(), size.height() + readoutStripHeight(scale));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case ExportFormat::Png:
        // Into memory: the file itself is only ever written by checked writes.
        if (!paintedImage(size, scale, paint).save(&buffer, "PNG")) {
            return {};
        }
        break;
    case ExportFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        // At 96 dpi the file's width in millimetres is the size in CSS pixels.
        svg.setResolution(96);
        svg.setSize(whole);
        svg.setViewBox(QRect(QPoint(0, 0), whole));
        svg.setTitle(kTitle);
        svg.setDescription(translated("Diagram", "Geschwindigkeitspolare im Wind"));
        QPainter p;
        if (!p.begin(&svg)) {
            return {};
        }
        paint(p);
        p.end();
        break;
    }
    case ExportFormat::Pdf:
        break; // above
    }
    return bytes;
}
