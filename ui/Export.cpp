#include "Export.h"

#include "Diagram.h"
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
QFont readoutFont()
{
    QFont font = standardFont(true);
    font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
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

int readoutStripHeight()
{
    return 2 * QFontMetrics(readoutFont()).height();
}

void paintDiagram(QPainter &painter, QSize size, const DiagramState &state, const QLocale &locale)
{
    const int strip = readoutStripHeight();
    painter.save();
    usualHints(painter);
    painter.fillRect(QRect(0, 0, size.width(), strip), Qt::white);

    // The diagram in a picture box that draws straight into this painter: the window's
    // own procedures, background included, clipped to the diagram like on the screen.
    PictureBox pic;
    pic.resize(size);
    setUpDiagram(pic);
    painter.save();
    painter.translate(0, strip);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    pic.setExternalPainter(&painter);
    DrawBackground(pic);
    modDeklarationen decl;
    decl.WindH = state.windH;
    decl.WindV = state.windV;
    decl.Airspeed = state.airspeed;
    SavedPen saved;
    DrawPolarOverlay(pic, decl.Airspeed, saved, state.switches, decl.WindH, decl.WindV, locale);
    const QString readout = DrawGlidePath(pic, decl, saved, decl.WindH, decl.WindV, locale);
    pic.setExternalPainter(nullptr);
    painter.restore();

    const QFont font = readoutFont();
    const QFontMetrics fm(font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(fm.averageCharWidth(), 0, size.width(), strip),
                     Qt::AlignVCenter | Qt::AlignLeft, readout);
    painter.restore();
}

QImage diagramImage(QSize size, const DiagramState &state, const QLocale &locale)
{
    QImage image(size.width(), size.height() + readoutStripHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintDiagram(p, size, state, locale);
    return image;
}

QByteArray exportDiagram(ExportFormat format, QSize size, const DiagramState &state,
                         const QLocale &locale)
{
    const QSize whole(size.width(), size.height() + readoutStripHeight());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case ExportFormat::Png: {
        // Into memory: the file itself is only ever written by checked writes.
        if (!diagramImage(size, state, locale).save(&buffer, "PNG")) {
            return {};
        }
        break;
    }
    case ExportFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        // At 96 dpi the file's width in millimetres is the size in CSS pixels.
        svg.setResolution(96);
        svg.setSize(whole);
        svg.setViewBox(QRect(QPoint(0, 0), whole));
        svg.setTitle(kTitle);
        svg.setDescription(QStringLiteral("Geschwindigkeitspolare im Wind"));
        QPainter p;
        if (!p.begin(&svg)) {
            return {};
        }
        paintDiagram(p, size, state, locale);
        p.end();
        break;
    }
    case ExportFormat::Pdf: {
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
        // Fitted inside the margins, centred, the proportions kept.
        const double scale = std::min(pdf.width() / static_cast<double>(whole.width()),
                                      pdf.height() / static_cast<double>(whole.height()));
        p.translate((pdf.width() - scale * whole.width()) / 2.0,
                    (pdf.height() - scale * whole.height()) / 2.0);
        p.scale(scale, scale);
        paintDiagram(p, size, state, locale);
        p.end();
        break;
    }
    }
    return bytes;
}
