#include "Diagram.h"

#include "BrakeBand.h"
#include "BrakeScale.h"
#include "Format.h"
#include "Language.h"
#include "Look.h"
#include "PictureBox.h"
#include "TextPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

double X(double kmh)
{
    return 10.0 * kmh;
}

double Y(double ms)
{
    return 100.0 * ms;
}

int sign(float v)
{
    return (v > 0) - (v < 0);
}

// A label of a vector from (x1, y1) to (x2, y2): centred on its middle at the given
// side (offset from the vector to the text's near edge, in units across it), else on the
// other side, else slid to a quarter or three quarters of its length, on either side.
// Horizontal vectors carry their label above (offset > 0) or below, vertical ones right
// (offset > 0) or left.
std::vector<QPointF> vectorLabelPlaces(PictureBox &pic, const QString &text, double x1, double y1,
                                       double x2, double y2, double offset)
{
    const double w = pic.TextWidth(text);
    const double h = -pic.TextHeight(text); // the scale grows upward
    std::vector<QPointF> places;
    const bool horizontal = y1 == y2;
    const auto beside = [&](double x, double y) {
        for (const double side : {offset, -offset}) {
            if (horizontal) {
                places.emplace_back(x - w / 2, side > 0 ? y + side + h : y + side);
            } else {
                places.emplace_back(side > 0 ? x + side : x + side - w, y + h / 2);
            }
        }
    };
    for (const double along : {0.5, 0.25, 0.75, 0.1, 0.9}) {
        beside(x1 + (x2 - x1) * along, y1 + (y2 - y1) * along);
    }
    // Then flush with either end, where the vector's middle is crowded: the text's middle
    // half its length and 5 units in from the end, along the vector.
    const double in = (horizontal ? w : h) / 2 + 5;
    const auto inFrom = [&](double from, double to) {
        return from + (to > from ? in : -in);
    };
    const double a = horizontal ? x1 : y1;
    const double b = horizontal ? x2 : y2;
    for (const double centre : {inFrom(a, b), inFrom(b, a)}) {
        beside(horizontal ? centre : x1, horizontal ? y1 : centre);
    }
    return places;
}

void deferLabel(PictureBox &pic, const QString &text, std::vector<QPointF> places, int color,
                int owner, int rank)
{
    pic.deferText({text, std::move(places), color, false, owner, rank});
}

} // namespace

std::vector<PlacedText> brakeScaleTexts(PictureBox &pic, const Wing &wing,
                                        const OverlaySwitches &switches, const float &windH,
                                        const float &windV)
{
    // Labels each centred on its airspeed's place: full brake, the middle of the brake
    // range, trim, full accelerator.
    const double slowest = wing.minSpeed;
    const double trim = wing.trimSpeed;
    const double fastest = wing.maxSpeed;
    const struct
    {
        const char *text;
        double airspeed;
    } labels[] = {{"100%", slowest},
                  {"0%", trim},
                  {QT_TRANSLATE_NOOP("Diagram", "Beschleuniger"), fastest},
                  {QT_TRANSLATE_NOOP("Diagram", "Bremse"), (slowest + trim) / 2}};
    std::vector<PlacedText> texts;
    for (const auto &label : labels) {
        const QString text = translated("Diagram", label.text);
        const double w = pic.TextWidth(text);
        texts.push_back({text, X(static_cast<double>(windH) + label.airspeed) - w / 2,
                         Y(windV - BrakeBand::kLabelsBelowOrigin), false, false, w});
    }
    if (switches.freeBrakes && !switches.instruction) {
        return texts;
    }
    const bool bold = switches.freeBrakes;
    const QString caption = bold ? translated("Diagram", "Man verschiebe den schwarzen Balken")
                            : switches.speedToFly
                                ? translated("Diagram", "Sollfahrt (MacCready)")
                                : translated("Diagram", "Geschwindigkeit des besten Gleitens");
    const bool wasBold = pic.FontBold();
    pic.setFontBold(bold);
    const double w = pic.TextWidth(caption);
    pic.setFontBold(wasBold);
    texts.push_back({caption, X(static_cast<double>(windH) + (slowest + fastest) / 2) - w / 2,
                     Y(windV - BrakeBand::kCaptionBelowOrigin), bold, true, w});
    return texts;
}

std::vector<PlacedText> arrangedBrakeScaleTexts(PictureBox &pic, const Wing &wing,
                                                const OverlaySwitches &switches, const float &windH,
                                                const float &windV)
{
    const double left = pic.ScaleLeft() + 5.0;
    const double right = pic.ScaleLeft() + pic.ScaleWidth() - 5.0;
    if (BrakeBand::x(wing.maxSpeed, windH) < left || BrakeBand::x(wing.minSpeed, windH) > right) {
        return {}; // the scale lies outside the picture: its texts are left out
    }
    std::vector<PlacedText> texts = brakeScaleTexts(pic, wing, switches, windH, windV);
    // The four labels from full brake to full accelerator, as they stand on the scale.
    std::vector<std::size_t> row;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!texts[i].caption) {
            row.push_back(i);
        }
    }
    std::sort(row.begin(), row.end(),
              [&](std::size_t a, std::size_t b) { return texts[a].x < texts[b].x; });
    const double gap = pic.TextWidth(QStringLiteral("  "));
    // In their order, apart, inside the picture: pushed right past the one before, then
    // left before the one after. Where one row is too narrow, every other label goes on a
    // second row.
    const auto spread = [&](const std::vector<std::size_t> &labels) {
        for (std::size_t i = 0; i < labels.size(); ++i) {
            PlacedText &t = texts[labels[i]];
            t.x = std::max(t.x, left);
            if (i > 0) {
                const PlacedText &before = texts[labels[i - 1]];
                t.x = std::max(t.x, before.x + before.width + gap);
            }
        }
        for (std::size_t i = labels.size(); i-- > 0;) {
            PlacedText &t = texts[labels[i]];
            t.x = std::min(t.x, right - t.width);
            if (i + 1 < labels.size()) {
                t.x = std::min(t.x, texts[labels[i + 1]].x - gap - t.width);
            }
        }
        return labels.empty() || texts[labels.front()].x >= left - 1e-9;
    };
    const std::vector<PlacedText> ideal = texts;
    if (!spread(row)) {
        texts = ideal;
        std::vector<std::size_t> first, second;
        for (std::size_t i = 0; i < row.size(); ++i) {
            (i % 2 == 0 ? first : second).push_back(row[i]);
        }
        spread(first);
        spread(second);
        for (const std::size_t i : second) {
            texts[i].y += pic.TextHeight(texts[i].text); // one row down
        }
    }
    return texts;
}

int brakeScaleColor(int v)
{
    const BrakeScale::Rgb c = BrakeScale::boxColor(v);
    return RGB(c.red, c.green, c.blue);
}

void DrawShiftedPolar(PictureBox &pic, const Wing &wing, const float &windH, const float &windV,
                      int color, const std::function<void(int position)> &afterSegment)
{
    const auto polarPoint = [&](int position) {
        const float vf = static_cast<float>(BrakeScale::airspeedAtScale(wing, position));
        return QPointF(X(vf + static_cast<double>(windH)),
                       Y(static_cast<double>(wing.sink(vf)) + windV));
    };
    pic.setDrawWidth(2);
    pic.setForeColor(color);
    QPointF from = polarPoint(18);
    for (int position = 19; position <= 50; ++position) {
        const QPointF to = polarPoint(position);
        pic.Line(from.x(), from.y(), to.x(), to.y());
        if (afterSegment) {
            afterSegment(position);
        }
        from = to;
    }
}

namespace {

// The wind vectors from the origin to the air origin (ox, oy), with their captions.
void drawWindVectors(PictureBox &pic, double ox, double oy, const float &windH, const float &windV)
{
    const int sH = sign(windH);
    const int sV = sign(windV);
    pic.setForeColor(Look::kWindBlue);
    pic.setElement(Element::WindV);
    pic.setDrawWidth(6);
    pic.Line(ox, 0, ox, oy);
    pic.setDrawWidth(2);
    pic.Line(ox + 10, oy - 20.0 * sV, ox, oy);
    pic.Line(ox - 10, oy - 20.0 * sV, ox, oy);
    if (windV != 0) {
        // Left of the vector first.
        const QString text = translated("Diagram", "v-Aufwind");
        deferLabel(pic, text, vectorLabelPlaces(pic, text, ox, 0, ox, oy, -10), Look::kWindBlue,
                   Element::WindV, TextRank::WindV);
    }
    pic.setElement(Element::WindH);
    pic.setDrawWidth(6);
    pic.Line(0, 0, ox, 0);
    pic.setDrawWidth(2);
    pic.Line(ox - 15.0 * sH, -10, ox, 0);
    pic.Line(ox - 15.0 * sH, 10, ox, 0);
    if (windH != 0) {
        const QString text = translated("Diagram", "v-Wind");
        deferLabel(pic, text, vectorLabelPlaces(pic, text, 0, 0, ox, 0, 10), Look::kWindBlue,
                   Element::WindH, TextRank::WindH);
    }
    pic.setElement(Element::None);
    pic.setDrawWidth(1);
    pic.setForeColor(Look::kWindGuide);
    pic.setDrawStyle(PictureBox::kStyleDot);
    pic.Line(0, oy, ox, oy);
    pic.setDrawStyle(PictureBox::kStyleSolid);
}

// The airspeed vectors from the air origin to the polar at airspeed, with their captions.
void drawAirspeedVectors(PictureBox &pic, const Wing &wing, float airspeed, double ox, double oy,
                         const float &windH, const float &windV, const QLocale &locale)
{
    const float A = airspeed;
    const float sink = wing.sink(A);
    const double px = X(static_cast<double>(A) + windH);
    const double py = Y(static_cast<double>(sink) + windV);
    const double qx = px;
    const double qy = oy;
    pic.setForeColor(Look::kAirspeedRed);
    pic.setElement(Element::AirspeedH);
    pic.setDrawWidth(3);
    pic.Line(ox, oy, qx, qy);
    pic.setElement(Element::AirspeedV);
    pic.setDrawWidth(2);
    pic.Line(px + 10, py + 20, px, py);
    pic.Line(px - 10, py + 20, px, py);
    if (A != 0) {
        // Above the vector first.
        const QString text =
            translated("Diagram", "v-Air = %1 km/h").arg(Format(A, QStringLiteral("0.0"), locale));
        deferLabel(pic, text, vectorLabelPlaces(pic, text, ox, oy, qx, qy, 10), Look::kAirspeedRed,
                   Element::AirspeedH, TextRank::AirspeedValue);
    }
    pic.setDrawWidth(3);
    pic.Line(qx, qy, px, py);
    pic.setElement(Element::AirspeedH);
    pic.setDrawWidth(2);
    pic.Line(qx - 15, qy - 10, qx, qy);
    pic.Line(qx - 15, qy + 10, qx, qy);
    pic.setElement(Element::None);
    // Right of the vector first.
    const QString text = translated("Diagram", "v-Vertikal = %1 m/s")
                             .arg(Format(sink, QStringLiteral("0.0"), locale));
    deferLabel(pic, text, vectorLabelPlaces(pic, text, qx, qy, px, py, 10), Look::kAirspeedRed,
               Element::AirspeedV, TextRank::VerticalValue);
}

// The polar through the brake scale's boxes, the scale's labels and its caption.
void drawBrakeScale(PictureBox &pic, const Wing &wing, double ox, double oy,
                    const OverlaySwitches &switches, const float &windH, const float &windV)
{
    // The polar of 32 segments with the brake scale under it, box by box. Segment and box
    // k run between the airspeeds at scale positions 17 + k and 18 + k: whole km/h for
    // the built-in polar, a wing's own airspeeds otherwise.
    const auto brakeBox = [&](int position, int color) {
        pic.LineBox(BrakeBand::x(BrakeScale::airspeedAtScale(wing, position), windH),
                    BrakeBand::topY(windV),
                    BrakeBand::x(BrakeScale::airspeedAtScale(wing, position - 1), windH),
                    BrakeBand::bottomY(windV), color);
    };
    pic.setElement(Element::Polar);
    DrawShiftedPolar(pic, wing, windH, windV, Look::kPolarBlue, [&](int position) {
        if (position == 19) {
            brakeBox(19, RGB(255, 0, 0));
            pic.setElement(Element::None);
            pic.Circle(ox, oy, 2, Look::kAirOriginBlack);
            pic.setElement(Element::Polar);
        } else {
            brakeBox(position, brakeScaleColor(position));
        }
    });
    pic.setElement(Element::None);

    // The labels of the brake scale, then its caption: each where it belongs, else moved
    // sideways or onto a row further down (a label that lies on another, or a wing whose
    // labels crowd or leave the picture). They belong to no drawn line, so they touch none.
    for (const PlacedText &t : arrangedBrakeScaleTexts(pic, wing, switches, windH, windV)) {
        const bool wasBold = pic.FontBold();
        pic.setFontBold(t.bold);
        const double rowHeight = pic.TextHeight(t.text); // negative: rows go down
        pic.setFontBold(wasBold);
        const int steps = t.caption ? 60 : 120;
        const QPointF at(t.x, t.y);
        pic.deferText({t.text,
                       {at},
                       t.caption ? Look::kBrakeCaption : Look::kBrakeLabel,
                       t.bold,
                       Element::None,
                       t.caption ? TextRank::BrakeCaption : TextRank::BrakeLabel,
                       [=] {
                           return placesAround(at, 5.0, steps, 3, t.caption ? 0 : 2, rowHeight,
                                               40.0);
                       }});
    }
}

} // namespace

void DrawPolarOverlay(PictureBox &pic, const Wing &wing, float airspeed, SavedPen &saved,
                      const OverlaySwitches &switches, const float &windH, const float &windV,
                      const QLocale &locale)
{
    saved.SavedDrawWidth = static_cast<std::int16_t>(pic.DrawWidth());
    saved.SavedForeColor = pic.ForeColor();

    const double ox = X(windH); // air origin
    const double oy = Y(windV);

    if (switches.windVectors) {
        drawWindVectors(pic, ox, oy, windH, windV);
    }
    if (switches.airspeedVectors) {
        drawAirspeedVectors(pic, wing, airspeed, ox, oy, windH, windV, locale);
    }
    drawBrakeScale(pic, wing, ox, oy, switches, windH, windV);

    pic.setDrawWidth(saved.SavedDrawWidth);
    pic.setForeColor(saved.SavedForeColor);
}
