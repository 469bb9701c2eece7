#include "KneeboardCard.h"

#include "BrakeScale.h"
#include "Format.h"
#include "modCalc.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

QColor colorOf(const BrakeScale::Rgb &c)
{
    return QColor(c.red, c.green, c.blue);
}

// Black or white, whichever contrasts more with the tint (WCAG relative luminance), so
// that the text stays legible on bright greens and yellows as on deep blues and reds.
bool wantsDarkText(const BrakeScale::Rgb &c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
    const double withBlack = (luminance + 0.05) / 0.05;
    const double withWhite = 1.05 / (luminance + 0.05);
    return withBlack >= withWhite;
}

struct Page
{
    QList<int> rows;    // horizontal winds, km/h
    QList<int> columns; // vertical winds, tenths of m/s
};

} // namespace

CardCell cardCell(int windH, int windVTenths)
{
    const float h = static_cast<float>(windH);
    const float v = WindVFromBarValue(-windVTenths);
    float airspeed = 0;
    const float ratio = BestGlide(airspeed, h, v);
    const BrakeScale::Setting s = BrakeScale::settingFor(airspeed);
    CardCell cell;
    cell.setting = s.isTrim() ? QStringLiteral("Trimm")
                   : s.acceleratorPercent
                       ? QStringLiteral("Beschleuniger %1 %").arg(s.acceleratorPercent)
                       : QStringLiteral("Bremse %1 %").arg(s.brakePercent);
    cell.detail = FormatFixed(airspeed, 1, kGerman) + QStringLiteral(" km/h · GZ ") +
                  FormatFixed(ratio, 1, kGerman);
    cell.tint = BrakeScale::colorFor(airspeed);
    cell.darkText = wantsDarkText(cell.tint);
    return cell;
}

QByteArray cardPdf(const CardOptions &options)
{
    const QList<int> rows = rangeValues(options.windH);
    const QList<int> columns = rangeValues(options.windV);
    const QPageSize::PageSizeId sizeId = options.paper == QLatin1String("a4")   ? QPageSize::A4
                                         : options.paper == QLatin1String("a6") ? QPageSize::A6
                                                                                : QPageSize::A5;
    const QSizeF paper = QPageSize(sizeId).size(QPageSize::Millimeter);

    // Everything below is measured in millimetres on the page.
    constexpr double kMargin = 8.0;
    constexpr double kHead = 14.0;   // title and the line on the cells
    constexpr double kLegend = 33.0; // legend, scale and the warning
    constexpr double kLabelWidth = 11.0;
    constexpr double kHeaderHeight = 6.0;
    constexpr double kMinCellWidth = 12.0;
    constexpr double kMinCellHeight = 10.0;
    const double gridWidth = paper.width() - 2 * kMargin - kLabelWidth;
    const double gridHeight = paper.height() - 2 * kMargin - kHead - kLegend - kHeaderHeight;
    const int perPageColumns = std::max(1, static_cast<int>(gridWidth / kMinCellWidth));
    const int perPageRows = std::max(1, static_cast<int>(gridHeight / kMinCellHeight));

    QList<Page> pages;
    for (qsizetype r = 0; r < rows.size(); r += perPageRows) {
        for (qsizetype c = 0; c < columns.size(); c += perPageColumns) {
            pages.append({rows.mid(r, perPageRows), columns.mid(c, perPageColumns)});
        }
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Fahrtentabelle: bestes Gleiten über Grund"));
    pdf.setCreator(QStringLiteral("azodo-table"));
    pdf.setPageSize(QPageSize(sizeId));
    pdf.setPageOrientation(QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(600);
    QPainter p;
    if (!p.begin(&pdf)) {
        return {};
    }
    p.setRenderHint(QPainter::Antialiasing);
    const double dotsPerMm = pdf.resolution() / 25.4;
    p.scale(dotsPerMm, dotsPerMm);
    // Text sizes are heights in millimetres on the page.
    const auto mmFont = [](double millimetres, bool bold) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(bold);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(millimetres * 10))));
        return f;
    };
    // Text is laid out in tenths of a millimetre so that pixel-sized fonts stay smooth.
    const auto text = [&](const QRectF &mm, const QString &s, double heightMm, bool bold, int flags,
                          const QColor &color) {
        p.save();
        p.scale(0.1, 0.1);
        QFont f = mmFont(heightMm, bold);
        // Shrink until the line fits its box; a paragraph wraps instead.
        for (int px = f.pixelSize(); px > 8 && !(flags & Qt::TextWordWrap); --px) {
            f.setPixelSize(px);
            if (QFontMetricsF(f).horizontalAdvance(s) <= mm.width() * 10) {
                break;
            }
        }
        p.setFont(f);
        p.setPen(color);
        p.drawText(QRectF(mm.x() * 10, mm.y() * 10, mm.width() * 10, mm.height() * 10), flags, s);
        p.restore();
    };

    for (qsizetype n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            pdf.newPage();
        }
        const Page &page = pages[n];
        const double left = kMargin;
        double y = kMargin;
        QString title = QStringLiteral("Bestes Gleiten über Grund: Bremsstellung je Wind");
        if (pages.size() > 1) {
            title += QStringLiteral("  (Seite %1 von %2)").arg(n + 1).arg(pages.size());
        }
        text(QRectF(left, y, paper.width() - 2 * kMargin, 6), title, 4.2, true,
             Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
        text(QRectF(left, y + 6.5, paper.width() - 2 * kMargin, 5),
             QStringLiteral("Jede Zelle: Bremsstellung, darunter Fahrt in km/h und Gleitzahl über "
                            "Grund (GZ)"),
             2.6, false, Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
        y += kHead;

        const double cellW = std::min(gridWidth / page.columns.size(), 26.0);
        const double cellH = std::min(gridHeight / page.rows.size(), 18.0);
        // Header: the vertical winds; the corner names the two axes.
        text(QRectF(left, y, kLabelWidth, kHeaderHeight), QStringLiteral("km/h \\ m/s"), 2.2, true,
             Qt::AlignCenter, Qt::black);
        for (qsizetype c = 0; c < page.columns.size(); ++c) {
            const float v = WindVFromBarValue(-page.columns[c]);
            QString label = FormatFixed(v, 1, kGerman);
            if (v > 0) {
                label.prepend(QLatin1Char('+'));
            }
            text(QRectF(left + kLabelWidth + c * cellW, y, cellW, kHeaderHeight), label, 2.8, true,
                 Qt::AlignCenter, Qt::black);
        }
        y += kHeaderHeight;
        for (qsizetype r = 0; r < page.rows.size(); ++r) {
            const int h = page.rows[r];
            const double top = y + r * cellH;
            text(QRectF(left, top, kLabelWidth, cellH),
                 h > 0 ? QStringLiteral("+%1").arg(h) : QString::number(h), 2.8, true,
                 Qt::AlignCenter, Qt::black);
            for (qsizetype c = 0; c < page.columns.size(); ++c) {
                const CardCell cell = cardCell(h, page.columns[c]);
                const QRectF box(left + kLabelWidth + c * cellW, top, cellW, cellH);
                p.fillRect(box, colorOf(cell.tint));
                p.setPen(QPen(Qt::white, 0.3));
                p.drawRect(box);
                const QColor ink = cell.darkText ? Qt::black : Qt::white;
                const QRectF inner = box.adjusted(0.6, 0.4, -0.6, -0.4);
                const int split = cell.setting.lastIndexOf(QLatin1Char(' '), -3);
                if (cell.setting == QLatin1String("Trimm") || split < 0) {
                    text(QRectF(inner.x(), inner.y(), inner.width(), inner.height() * 0.62),
                         cell.setting, std::min(3.6, cellH * 0.3), true, Qt::AlignCenter, ink);
                } else {
                    // "Bremse" / "Beschleuniger" small above the percentage.
                    text(QRectF(inner.x(), inner.y(), inner.width(), inner.height() * 0.28),
                         cell.setting.left(split), std::min(2.4, cellH * 0.2), false,
                         Qt::AlignCenter, ink);
                    text(QRectF(inner.x(), inner.y() + inner.height() * 0.26, inner.width(),
                                inner.height() * 0.38),
                         cell.setting.mid(split + 1), std::min(3.6, cellH * 0.3), true,
                         Qt::AlignCenter, ink);
                }
                text(QRectF(inner.x(), inner.y() + inner.height() * 0.64, inner.width(),
                            inner.height() * 0.36),
                     cell.detail, std::min(2.0, cellH * 0.16), false, Qt::AlignCenter, ink);
            }
        }

        // Legend: the scale itself with its terms, the signs of the winds, the warning.
        double ly = paper.height() - kMargin - kLegend + 3;
        const double scaleLeft = left + 2;
        const double scaleWidth = std::min(paper.width() - 2 * kMargin - 4, 110.0);
        const double unit = scaleWidth / 32.0; // one km/h
        for (int v = 19; v <= 50; ++v) {       // the box from v - 1 to v
            p.fillRect(QRectF(scaleLeft + (v - 19) * unit, ly, unit + 0.05, 3),
                       colorOf(BrakeScale::colorFor(static_cast<float>(v))));
        }
        const auto mark = [&](double kmh, const QString &label, int align) {
            const double x = scaleLeft + (kmh - 18) * unit;
            const double from = align == Qt::AlignLeft    ? x
                                : align == Qt::AlignRight ? x - 30
                                                          : x - 15;
            text(QRectF(from, ly + 3.2, 30, 3), label, 2.0, false, align | Qt::AlignVCenter,
                 Qt::black);
        };
        mark(18, QStringLiteral("Bremse 100 %"), Qt::AlignLeft);
        mark(38, QStringLiteral("Trimm"), Qt::AlignHCenter);
        mark(50, QStringLiteral("Beschl. 100 %"), Qt::AlignRight);
        ly += 7.0;
        const double lineWidth = paper.width() - 2 * kMargin;
        const QStringList legend{
            QStringLiteral("Bremse 100 % bei 18 km/h bis 0 % (Trimm) bei 38 km/h: Bremse x % = "
                           "(38 − Fahrt) ÷ 20 × 100; darüber Beschleuniger x % = (Fahrt − 38) ÷ 12 "
                           "× 100, voll bei 50 km/h."),
            QStringLiteral("Zeilen: Wind waagerecht in km/h, − Gegenwind, + Rückenwind. Spalten: "
                           "Wind senkrecht in m/s, + Aufwind, − Abwind."),
            QStringLiteral("Gilt nur für die Polare dieses Programms und ersetzt keine "
                           "Flugausbildung.")};
        for (qsizetype i = 0; i < legend.size(); ++i) {
            const bool bold = i == legend.size() - 1;
            const double height =
                QFontMetricsF(mmFont(2.2, bold))
                    .boundingRect(QRectF(0, 0, lineWidth * 10, 1000), Qt::TextWordWrap, legend[i])
                    .height() /
                10.0;
            text(QRectF(left, ly, lineWidth, height + 0.5), legend[i], 2.2, bold,
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Qt::black);
            ly += height + 0.8;
        }
    }
    p.end();
    return bytes;
}
