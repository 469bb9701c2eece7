#include "BrakeBand.h"
#include "BrakeScale.h"
#include "Diagram.h"
#include "Format.h"
#include "Look.h"
#include "PictureBox.h"
#include "TextPlacement.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

QFont standardFont(bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

void setUpDiagram(PictureBox &pic)
{
    pic.setBackColor(Look::kWhite);
    pic.setScaleHeight(kScaleHeight);
    pic.setScaleWidth(kScaleWidth);
    pic.setScaleTop(kScaleTop);
    pic.setScaleLeft(kScaleLeft);
    pic.setDrawFont(standardFont());
    pic.setTextPlacer(placeDiagramTexts);
}

void DrawBackground(PictureBox &pic)
{
    pic.Cls();
    pic.setForeColor(Look::kBlack);
    pic.setDrawStyle(PictureBox::kStyleSolid);
    pic.setDrawWidth(2);
    pic.setElement(Element::Axis);

    // The axes run through the ground origin and stop 50 units short of the edges; ticks
    // and numbers follow the window, every 10 km/h and every 1 m/s, and leave the axes'
    // ends to the units.
    const double left = pic.ScaleLeft();
    const double right = left + pic.ScaleWidth();
    const double top = pic.ScaleTop();
    const double bottom = top + pic.ScaleHeight();
    pic.Line(left + 50, 0, right - 50, 0);
    pic.Line(0, bottom + 50, 0, top - 50);
    pic.setElement(Element::None);

    pic.setDrawWidth(1);
    // Horizontal scale, km/h: ticks down from the axis, numbers centred under them.
    for (int k = 10 * static_cast<int>(std::ceil((left + 50) / 100));
         10.0 * k <= right - 100 + 1e-9; k += 10) {
        pic.Line(10.0 * k, 0, 10.0 * k, -10);
        const QString text = StandardNumberText(k);
        const float w = pic.TextWidth(text);
        pic.setCurrentX(static_cast<float>(10.0 * k - w / 2.0));
        pic.setCurrentY(-13);
        pic.setForeColor(Look::kScaleGrey);
        if (k != 0) {
            pic.Print(text);
        }
        pic.setForeColor(Look::kBlack);
    }
    // Vertical scale, m/s: ticks left of the axis, numbers centred on them.
    for (int m = static_cast<int>(std::ceil((bottom + 50) / 100)); 100.0 * m <= top - 100 + 1e-9;
         ++m) {
        pic.Line(0, 100.0 * m, -10, 100.0 * m);
        const QString text = StandardNumberText(m);
        const float w = pic.TextWidth(text);
        const float h = -pic.TextHeight(text); // the scale grows upward
        pic.setCurrentX(-w - 13);
        pic.setCurrentY(static_cast<float>(100.0 * m + h / 2.0));
        pic.setForeColor(Look::kScaleGrey);
        if (m != 0) {
            pic.Print(text);
        }
        pic.setForeColor(Look::kBlack);
    }

    pic.setFontBold(true);
    pic.setCurrentX(pic.ScaleLeft() + pic.ScaleWidth() - 60);
    pic.setCurrentY(-13);
    pic.Print(QStringLiteral("km/h"));
    const float w = pic.TextWidth(QStringLiteral("m/s"));
    pic.setCurrentX(-w - 13);
    pic.setCurrentY(static_cast<float>(top - 30));
    pic.Print(QStringLiteral("m/s"));
    pic.setFontBold(false);
}

namespace {

// The rectangles of texts, in diagram units.
std::vector<QRectF> textRects(PictureBox &pic, const std::vector<PlacedText> &texts)
{
    std::vector<QRectF> rects;
    const bool wasBold = pic.FontBold();
    for (const PlacedText &t : texts) {
        pic.setFontBold(t.bold);
        rects.push_back(QRectF(t.x, t.y, t.width, pic.TextHeight(t.text)).normalized());
    }
    pic.setFontBold(wasBold);
    return rects;
}

} // namespace

bool fitTaskWindow(PictureBox &pic, const Wing &wing, const OverlaySwitches &switches,
                   const float &windH, const float &windV, bool airOrigin,
                   std::optional<QPointF> climbPoint)
{
    // Everything that must show, as a box in diagram units (y grows upward).
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    const auto take = [&](double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    // The origin with the vertical axis's numbers left of it.
    take(-pic.TextWidth(QStringLiteral("-4")) - 13, 0);
    if (airOrigin) {
        take(10.0 * static_cast<double>(windH), 100.0 * static_cast<double>(windV));
    }
    // The polar as drawn, through the brake scale's positions, and the touch point.
    for (int position = 18; position <= 50; ++position) {
        const double v = BrakeScale::airspeedAtScale(wing, position);
        take(10.0 * (v + static_cast<double>(windH)),
             100.0 * (static_cast<double>(wing.sink(static_cast<float>(v))) + windV));
    }
    float best = 0;
    BestGlide(wing, best, windH, windV);
    take(10.0 * (static_cast<double>(best) + windH),
         100.0 * (static_cast<double>(wing.sink(best)) + windV));
    // The band, its labels and caption.
    take(BrakeBand::x(wing.minSpeed, windH), BrakeBand::bottomY(windV));
    for (const QRectF &r : textRects(pic, brakeScaleTexts(pic, wing, switches, windH, windV))) {
        take(r.left(), r.top());
        take(r.right(), r.bottom());
    }
    // An expected climb's point on the axis, where the axis still reaches, with its ring;
    // where that would not fit, the rest keeps the frame and the point lies beyond it.
    bool pointShows = true;
    if (climbPoint) {
        const double wasMinX = minX, wasMaxX = maxX, wasMinY = minY, wasMaxY = maxY;
        take(climbPoint->x() - 10.0, climbPoint->y() + 60.0);
        take(climbPoint->x() + 10.0, climbPoint->y() - 10.0);
        if (maxX - minX > kScaleWidth - 40.0 || maxY - minY > -kScaleHeight - 40.0) {
            pointShows = false;
            minX = wasMinX;
            maxX = wasMaxX;
            minY = wasMinY;
            maxY = wasMaxY;
        }
    }
    // Centred, on whole km/h and tenths of m/s.
    const double centreX = 10.0 * std::round((minX + maxX) / 20.0);
    const double centreY = 10.0 * std::round((minY + maxY) / 20.0);
    pic.setScaleLeft(static_cast<float>(centreX + kScaleLeft));
    pic.setScaleTop(static_cast<float>(centreY + kScaleTop));
    return pointShows;
}
