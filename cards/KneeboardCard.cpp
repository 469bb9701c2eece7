#include "KneeboardCard.h"

#include "Language.h"

#include "BrakeScale.h"
#include "Format.h"
#include "PrintedPage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

// Everything is measured in millimetres on the page. No text is smaller than 6.2 pt
// (2.2 mm), on every paper size: a card is read at arm's length in a bumpy cockpit.
constexpr double kMargin = 4.0;
constexpr double kHead = 11.0;   // title and the line on the cells
constexpr double kLegend = 29.0; // legend, scale and the warning
constexpr double kLabelWidth = 6.0;
constexpr double kHeaderHeight = 5.0;
constexpr double kSmallText = 2.2;
constexpr double kValueText = 3.0;
constexpr double kPadding = 0.3;     // above and below the lines
constexpr double kSidePadding = 0.6; // beside them, clear of the dashed frame

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

double widthMm(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text) / 10.0;
}

double lineHeightMm(const QFont &font)
{
    return QFontMetricsF(font).height() / 10.0 * 0.95;
}

// The values split into parts of at most most each, as equal as can be: sizes differ
// by one at most.
QList<QList<int>> balancedParts(const QList<int> &values, int most)
{
    const qsizetype count = (values.size() + most - 1) / most;
    QList<QList<int>> parts;
    qsizetype from = 0;
    for (qsizetype k = 0; k < count; ++k) {
        const qsizetype size = (values.size() - from) / (count - k);
        const qsizetype extra = (values.size() - from) % (count - k) != 0 ? 1 : 0;
        parts.append(values.mid(from, size + extra));
        from += size + extra;
    }
    return parts;
}

using Page = CardPage;

// The font of a line under the setting: the small one, its letters set a little closer
// for a word wider than an airspeed's line ("Vorankommen"), which is never broken and
// keeps the size every text of the card has at least.
QFont detailFont(const QString &line)
{
    QFont font = millimetreFont(kSmallText, false, true);
    const double widest = widthMm(font, QStringLiteral("88,8 km/h"));
    for (int percent = 99; widthMm(font, line) > widest && percent >= 85; --percent) {
        font.setLetterSpacing(QFont::PercentageSpacing, percent);
    }
    return font;
}

// Size a cell needs to show its words at full size.
QSizeF cellNeeds(const CardCell &cell)
{
    const QFont small = millimetreFont(kSmallText, false, true);
    const QFont value = millimetreFont(kValueText, true, true);
    double width = widthMm(value, cell.settingValue);
    double height = lineHeightMm(value);
    if (!cell.settingLabel.isEmpty()) {
        width = std::max(width, widthMm(small, cell.settingLabel));
        height += lineHeightMm(small);
    }
    for (const QString &line : cell.detail) {
        width = std::max(width, widthMm(detailFont(line), line));
        height += lineHeightMm(small);
    }
    return {width + 2 * kSidePadding, height + 2 * kPadding};
}

// How percentages follow from the airspeed, in the numbers of the wing.
QString scaleRule(const Wing &wing)
{
    if (wing.builtIn) {
        return translated("Card",
                          "Bremse 100 % bei 18 km/h bis 0 % (Trimm) bei 38 km/h: Bremse x % = "
                          "(38 − Fahrt) ÷ 20 × 100; darüber Beschleuniger (Beschl.) x % = "
                          "(Fahrt − 38) ÷ 12 × 100, voll bei 50 km/h.");
    }
    const auto kmh = [](double v) {
        return FormatFixed(v, 1, textLocale());
    };
    const double lo = wing.minSpeed;
    const double trim = wing.trimSpeed;
    const double hi = wing.maxSpeed;
    return translated("Card", "Bremse 100 % bei %1 km/h bis 0 % (Trimm) bei %2 km/h: Bremse x % = "
                              "(%2 − Fahrt) ÷ %3 × 100; darüber Beschleuniger (Beschl.) x % = "
                              "(Fahrt − %2) ÷ %4 × 100, voll bei %5 km/h.")
        .arg(kmh(lo), kmh(trim), kmh(trim - lo), kmh(hi - trim), kmh(hi));
}

class CardPainter
{
public:
    CardPainter(QPainter &p, QSizeF paper, const Wing &wing) : m_p(p), m_paper(paper), m_wing(wing)
    {}

    void text(const QRectF &mm, const QString &s, const QFont &font, int flags, const QColor &color)
    {
        drawMillimetreText(m_p, mm, s, font, flags, color);
    }

    void cell(const QRectF &box, const CardCell &cell);
    void header(const Page &page, double cellW, int number, int pages);
    void legend();

private:
    QPainter &m_p;
    QSizeF m_paper;
    const Wing &m_wing;
};

void CardPainter::cell(const QRectF &box, const CardCell &cell)
{
    m_p.fillRect(box, colorOf(cell.tint));
    m_p.setPen(QPen(Qt::white, 0.3));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(box);
    const QColor ink = cell.darkText ? Qt::black : Qt::white;
    if (!cell.isGlide) {
        // Framed apart, the tint untouched: this cell is no glide over the ground.
        QPen dashed(ink, 0.45, Qt::DashLine);
        dashed.setDashPattern({2.0, 1.5});
        m_p.setPen(dashed);
        m_p.drawRect(box.adjusted(0.35, 0.35, -0.35, -0.35));
    }
    const QFont small = millimetreFont(kSmallText, false, true);
    const QFont value = millimetreFont(kValueText, true, true);
    const QSizeF needs = cellNeeds(cell);
    // The stack of lines, centred in the cell.
    double y = box.top() + std::max(0.0, (box.height() - needs.height()) / 2.0) + kPadding;
    const auto line = [&](const QString &s, const QFont &font) {
        const double h = lineHeightMm(font);
        text(QRectF(box.left(), y, box.width(), h), s, font, Qt::AlignCenter, ink);
        y += h;
    };
    if (!cell.settingLabel.isEmpty()) {
        line(cell.settingLabel, small);
    }
    line(cell.settingValue, value);
    for (const QString &s : cell.detail) {
        line(s, detailFont(s));
    }
}

void CardPainter::header(const Page &page, double cellW, int number, int pages)
{
    const double width = m_paper.width() - 2 * kMargin;
    const QString pageCount =
        pages > 1 ? translated("Card", "  (Seite %1 von %2)").arg(number).arg(pages) : QString();
    const auto titleOf = [&](const QString &wing) {
        return (wing.isEmpty()
                    ? translated("Card", "Bestes Gleiten über Grund: Bremsstellung je Wind")
                    : translated("Card", "Bestes Gleiten über Grund: %1").arg(wing)) +
               pageCount;
    };
    // The font shrinks to its least size first; then the name gives way, never the
    // mass or the page count.
    QFont titleFont = millimetreFont(4.0, true);
    while (widthMm(titleFont, titleOf(wingTitle(m_wing, textLocale()))) > width &&
           titleFont.pixelSize() > 26) {
        titleFont.setPixelSize(titleFont.pixelSize() - 1);
    }
    // Where the name would be cut, narrow paper gives the wing's name alone: the line under
    // it says what the cells hold. The name is shortened only where even that is too wide.
    const QString whole = wingTitle(m_wing, textLocale());
    QString title = titleOf(whole);
    if (!whole.isEmpty() && widthMm(titleFont, title) > width) {
        const auto bare = [&](const QString &wing) {
            return wing + pageCount;
        };
        title = bare(wingTitle(m_wing, textLocale(), [&](const QString &wing) {
            return widthMm(titleFont, bare(wing)) <= width;
        }));
    }
    text(QRectF(kMargin, kMargin, width, 6), title, titleFont, Qt::AlignLeft | Qt::AlignVCenter,
         Qt::black);
    text(QRectF(kMargin, kMargin + 6, width, 5),
         translated("Card", "Jede Zelle: Bremsstellung, darunter Fahrt in km/h und Gleitzahl über "
                            "Grund (GZ)"),
         millimetreFont(kSmallText, false), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
         Qt::black);
    const double y = kMargin + kHead;
    text(QRectF(kMargin, y, kLabelWidth, kHeaderHeight), QStringLiteral("km/h\nm/s"),
         millimetreFont(kSmallText, true, true), Qt::AlignCenter, Qt::black);
    for (qsizetype c = 0; c < page.columns.size(); ++c) {
        const float v = bestGlideCell(m_wing, 0, page.columns[c]).windV;
        QString label = FormatFixed(v, 1, textLocale());
        if (v > 0) {
            label.prepend(QLatin1Char('+'));
        }
        text(QRectF(kMargin + kLabelWidth + c * cellW, y, cellW, kHeaderHeight), label,
             millimetreFont(2.8, true, true), Qt::AlignCenter, Qt::black);
    }
}

QString warningFor(const QString &wing)
{
    return translated("Card", "Gilt nur für die Polare von %1 bei dieser Masse und ersetzt keine "
                              "Flugausbildung.")
        .arg(wing);
}

// The legend's sentences under the scale, before the warning.
QStringList legendLines(const Wing &wing)
{
    QStringList lines{
        scaleRule(wing),
        withNumberSign(translated(
            "Card", "Gestrichelter Rahmen: kein Gleiten über Grund. „steigt x m/s“: der "
                    "Schirm steigt über Grund; „hält die Höhe“: weniger als 0,05 m/s; „kein "
                    "Vorankommen“: Grundgeschwindigkeit null oder rückwärts, dort rät die "
                    "Karte zum vollen Beschleuniger, mit dem der Schirm am wenigsten "
                    "zurücktreibt.")),
        translated("Card", "Zeilen: Wind waagerecht in km/h, − Gegenwind, + Rückenwind. Spalten: "
                           "Wind senkrecht in m/s, + Aufwind, − Abwind."),
    };
    if (const QString note = extrapolationNote(wing); !note.isEmpty()) {
        lines.append(note);
    }
    return lines;
}

// The height in millimetres of a text wrapped to a width.
double wrappedHeightMm(const QFont &font, const QString &text, double widthMm)
{
    return QFontMetricsF(font)
               .boundingRect(QRectF(0, 0, widthMm * 10, 1000), Qt::TextWordWrap, text)
               .height() /
           10.0;
}

// The legend's height on a page lineWidth wide: two lines more for a wing's name in the
// warning, and a sentence more for an extrapolated polar; more where narrow paper wraps
// the sentences and the warning with the wing's whole name into more lines.
double legendHeight(const Wing &wing, double lineWidth)
{
    const double estimate =
        kLegend + (wing.builtIn ? 0.0 : 6.0) + (extrapolationNote(wing).isEmpty() ? 0.0 : 6.0);
    const QFont font = millimetreFont(kSmallText, false);
    double measured = 1.5 + 6.8 + 0.5;
    for (const QString &line : legendLines(wing)) {
        measured += wrappedHeightMm(font, line, lineWidth) + 0.4;
    }
    measured += wrappedHeightMm(millimetreFont(kSmallText, true),
                                warningFor(wingTitle(wing, textLocale())), lineWidth);
    return std::max(estimate, measured);
}

void CardPainter::legend()
{
    // The scale itself with its terms, then the three kinds of cell, the signs of the
    // winds and the warning.
    const double left = kMargin;
    const double lineWidth = m_paper.width() - 2 * kMargin;
    double ly = m_paper.height() - kMargin - legendHeight(m_wing, lineWidth) + 1.5;
    const double scaleLeft = left + 2;
    const double scaleWidth = std::min(m_paper.width() - 2 * kMargin - 4, 110.0);
    const double unit = scaleWidth / 32.0; // one km/h
    for (int v = 19; v <= 50; ++v) {       // the box from v - 1 to v
        m_p.fillRect(QRectF(scaleLeft + (v - 19) * unit, ly, unit + 0.05, 3),
                     colorOf(BrakeScale::scaleBoxColor(v)));
    }
    const auto mark = [&](double kmh, const QString &label, int align) {
        const double x = scaleLeft + (kmh - 18) * unit;
        const double from = align == Qt::AlignLeft ? x : align == Qt::AlignRight ? x - 30 : x - 15;
        text(QRectF(from, ly + 3.2, 30, 3), label, millimetreFont(kSmallText, false),
             align | Qt::AlignVCenter, Qt::black);
    };
    mark(18, translated("Card", "Bremse 100 %"), Qt::AlignLeft);
    mark(38, translated("Card", "Trimm"), Qt::AlignHCenter);
    mark(50, translated("Card", "Beschl. 100 %"), Qt::AlignRight);
    ly += 6.8;
    const auto heightOf = [&](const QFont &font, const QString &line) {
        return wrappedHeightMm(font, line, lineWidth);
    };
    for (const QString &line : legendLines(m_wing)) {
        const QFont font = millimetreFont(kSmallText, false);
        const double height = heightOf(font, line);
        text(QRectF(left, ly, lineWidth, height + 0.5), line, font,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Qt::black);
        ly += height + 0.4;
    }
    // The warning last, in bold, whole in the room left: a long name gives way, never the
    // mass it names.
    const QFont bold = millimetreFont(kSmallText, true);
    const double room = m_paper.height() - kMargin - ly;
    const QString warning =
        m_wing.builtIn
            ? translated("Card", "Gilt nur für die Polare dieses Programms und ersetzt keine "
                                 "Flugausbildung.")
            : warningFor(wingTitle(m_wing, textLocale(), [&](const QString &wing) {
                  const QString candidate = warningFor(wing);
                  const QStringList words = candidate.split(QLatin1Char(' '));
                  return heightOf(bold, candidate) <= room &&
                         std::all_of(words.begin(), words.end(), [&](const QString &word) {
                             return widthMm(bold, word) <= lineWidth;
                         });
              }));
    text(QRectF(left, ly, lineWidth, heightOf(bold, warning) + 0.5), warning, bold,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Qt::black);
}

QList<Page> pagesFor(const Wing &wing, const QList<int> &rows, const QList<int> &columns,
                     QSizeF paper, QSizeF cellMin)
{
    const double gridWidth = paper.width() - 2 * kMargin - kLabelWidth;
    const double gridHeight = paper.height() - 2 * kMargin - kHead -
                              legendHeight(wing, paper.width() - 2 * kMargin) - kHeaderHeight;
    const int perPageColumns = std::max(1, static_cast<int>(gridWidth / cellMin.width()));
    const int perPageRows = std::max(1, static_cast<int>(gridHeight / cellMin.height()));
    QList<Page> pages;
    for (const QList<int> &r : balancedParts(rows, perPageRows)) {
        for (const QList<int> &c : balancedParts(columns, perPageColumns)) {
            pages.append({r, c});
        }
    }
    return pages;
}

} // namespace

CardCell cardCell(const Wing &wing, int windH, int windVTenths)
{
    const GridCell grid = advisedCell(wing, bestGlideCell(wing, windH, windVTenths));
    const BrakeScale::Setting s = BrakeScale::settingFor(wing, grid.airspeed);
    CardCell cell;
    if (s.isTrim()) {
        cell.setting = cell.settingValue = translated("Card", "Trimm");
    } else {
        const bool accelerated = s.acceleratorPercent != 0;
        const int percent = accelerated ? s.acceleratorPercent : s.brakePercent;
        cell.settingValue = QStringLiteral("%1 %").arg(percent);
        cell.settingLabel =
            accelerated ? translated("Card", "Beschl.") : translated("Card", "Bremse");
        cell.setting =
            (accelerated ? translated("Card", "Beschleuniger %1") : translated("Card", "Bremse %1"))
                .arg(cell.settingValue);
    }
    const QStringList regime = regimeWords(grid, textLocale());
    cell.isGlide = regime.isEmpty();
    if (grid.progresses()) {
        cell.detail.append(FormatFixed(grid.airspeed, 1, textLocale()) + QStringLiteral(" km/h"));
    }
    if (regime.isEmpty()) {
        cell.detail.append(
            translated("Diagram", "GZ %1").arg(FormatFixed(grid.ratio, 1, textLocale())));
    }
    for (const QString &words : regime) {
        // "kein Vorankommen" on two lines, at its space, so that nine columns fit an A5
        // page at full size; no word is broken.
        cell.detail.append(words == translated("Diagram", "kein Vorankommen")
                               ? words.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                               : QStringList{words});
    }
    cell.tint = BrakeScale::colorFor(wing, grid.airspeed);
    cell.darkText = wantsDarkText(cell.tint);
    return cell;
}

namespace {

QPageSize::PageSizeId paperOf(const CardOptions &options)
{
    return options.paper == QLatin1String("a4")   ? QPageSize::A4
           : options.paper == QLatin1String("a6") ? QPageSize::A6
                                                  : QPageSize::A5;
}

// The cells of the grid, and the smallest cell size that shows each of them whole.
QHash<QPair<int, int>, CardCell> cellsOf(const CardOptions &options, QSizeF &cellMin)
{
    QHash<QPair<int, int>, CardCell> cells;
    cellMin = QSizeF(12.0, 10.0);
    for (int h : rangeValues(options.windH)) {
        for (int v : rangeValues(options.windV)) {
            const CardCell cell = cardCell(options.polar, h, v);
            cellMin = cellMin.expandedTo(cellNeeds(cell));
            cells.insert({h, v}, cell);
        }
    }
    return cells;
}

} // namespace

QList<CardPage> cardPages(const CardOptions &options)
{
    QSizeF cellMin;
    cellsOf(options, cellMin);
    return pagesFor(options.polar, rangeValues(options.windH), rangeValues(options.windV),
                    QPageSize(paperOf(options)).size(QPageSize::Millimeter), cellMin);
}

QByteArray cardPdf(const CardOptions &options)
{
    const QPageSize::PageSizeId sizeId = paperOf(options);
    const QSizeF paper = QPageSize(sizeId).size(QPageSize::Millimeter);
    QSizeF cellMin;
    const QHash<QPair<int, int>, CardCell> cells = cellsOf(options, cellMin);
    const QList<Page> pages = pagesFor(options.polar, rangeValues(options.windH),
                                       rangeValues(options.windV), paper, cellMin);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter p;
    if (!beginMillimetrePages(pdf, p, sizeId, 600,
                              translated("Card", "Fahrtentabelle: bestes Gleiten über Grund"),
                              QStringLiteral("azodo-table"))) {
        return {};
    }
    CardPainter card(p, paper, options.polar);
    const double gridWidth = paper.width() - 2 * kMargin - kLabelWidth;
    const double gridHeight = paper.height() - 2 * kMargin - kHead -
                              legendHeight(options.polar, paper.width() - 2 * kMargin) -
                              kHeaderHeight;
    for (qsizetype n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            pdf.newPage();
        }
        const Page &page = pages[n];
        const double cellW = std::min(gridWidth / page.columns.size(), 26.0);
        const double cellH = std::min(gridHeight / page.rows.size(), 18.0);
        card.header(page, cellW, static_cast<int>(n + 1), static_cast<int>(pages.size()));
        const double top = kMargin + kHead + kHeaderHeight;
        for (qsizetype r = 0; r < page.rows.size(); ++r) {
            const int h = page.rows[r];
            const double y = top + r * cellH;
            card.text(QRectF(kMargin, y, kLabelWidth, cellH),
                      h > 0 ? QStringLiteral("+%1").arg(h) : QString::number(h),
                      millimetreFont(2.8, true, true), Qt::AlignCenter, Qt::black);
            for (qsizetype c = 0; c < page.columns.size(); ++c) {
                card.cell(QRectF(kMargin + kLabelWidth + c * cellW, y, cellW, cellH),
                          cells.value({h, page.columns[c]}));
            }
        }
        card.legend();
    }
    p.end();
    return bytes;
}
