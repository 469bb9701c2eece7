#include "Diagram.h"

#include "BrakeBand.h"
#include "BrakeScale.h"
#include "Format.h"
#include "Language.h"
#include "Look.h"
#include "PictureBox.h"

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

// Text with its top-left corner at (x, y).
void printAt(PictureBox &pic, double x, double y, const QString &text)
{
    pic.setCurrentX(static_cast<float>(x));
    pic.setCurrentY(static_cast<float>(y));
    pic.Print(text);
}

} // namespace

double labelInside(const PictureBox &pic, const Wing &wing, double x, double w)
{
    if (wing.builtIn) {
        return x;
    }
    constexpr double kMargin = 5.0;
    const double left = pic.ScaleLeft();
    return std::clamp(x, left + kMargin, left + pic.ScaleWidth() - w - kMargin);
}

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
                         Y(windV - BrakeBand::kLabelsBelowOrigin), false, false});
    }
    if (switches.freeBrakes && !switches.instruction) {
        return texts;
    }
    const bool bold = switches.freeBrakes;
    const QString caption = bold ? translated("Diagram", "Man verschiebe den schwarzen Balken")
                                 : translated("Diagram", "Geschwindigkeit des besten Gleitens");
    const bool wasBold = pic.FontBold();
    pic.setFontBold(bold);
    const double w = pic.TextWidth(caption);
    pic.setFontBold(wasBold);
    texts.push_back({caption, X(static_cast<double>(windH) + (slowest + fastest) / 2) - w / 2,
                     Y(windV - BrakeBand::kCaptionBelowOrigin), bold, true});
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
    pic.setDrawWidth(6);
    pic.Line(ox, 0, ox, oy);
    pic.setDrawWidth(2);
    pic.Line(ox + 10, oy - 20.0 * sV, ox, oy);
    pic.Line(ox - 10, oy - 20.0 * sV, ox, oy);
    if (windV != 0) {
        const QString text = translated("Diagram", "v-Aufwind");
        const double w = pic.TextWidth(text);
        const double h = -pic.TextHeight(text);
        printAt(pic, ox - 10 - w, oy / 2 + h / 2, text);
    }
    pic.setDrawWidth(6);
    pic.Line(0, 0, ox, 0);
    pic.setDrawWidth(2);
    pic.Line(ox - 15.0 * sH, -10, ox, 0);
    pic.Line(ox - 15.0 * sH, 10, ox, 0);
    if (windH != 0) {
        const QString text = translated("Diagram", "v-Wind");
        const double w = pic.TextWidth(text);
        const double h = -pic.TextHeight(text);
        printAt(pic, ox / 2 - w / 2, 10 + h, text);
    }
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
    pic.setDrawWidth(3);
    pic.Line(ox, oy, qx, qy);
    pic.setDrawWidth(2);
    pic.Line(px + 10, py + 20, px, py);
    pic.Line(px - 10, py + 20, px, py);
    if (A != 0) {
        const QString text =
            translated("Diagram", "v-Air = %1 km/h").arg(Format(A, QStringLiteral("0.0"), locale));
        const double w = pic.TextWidth(text);
        const double h = -pic.TextHeight(text);
        printAt(pic, X(A / 2.0 + windH) - w / 2, oy + 10 + h, text);
    }
    pic.setDrawWidth(3);
    pic.Line(qx, qy, px, py);
    pic.setDrawWidth(2);
    pic.Line(qx - 15, qy - 10, qx, qy);
    pic.Line(qx - 15, qy + 10, qx, qy);
    const QString text = translated("Diagram", "v-Vertikal = %1 m/s")
                             .arg(Format(sink, QStringLiteral("0.0"), locale));
    const double h = -pic.TextHeight(text);
    // Right of the vector; a pilot's wing at full speed puts it left where right would
    // leave the diagram.
    const double w = pic.TextWidth(text);
    const bool left = !wing.builtIn && px + 10 + w > pic.ScaleLeft() + pic.ScaleWidth();
    printAt(pic, left ? px - 10 - w : px + 10, Y(sink / 2.0 + windV) + h / 2, text);
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
    DrawShiftedPolar(pic, wing, windH, windV, Look::kPolarBlue, [&](int position) {
        if (position == 19) {
            brakeBox(19, RGB(255, 0, 0));
            pic.Circle(ox, oy, 2, Look::kAirOriginBlack);
        } else {
            brakeBox(position, brakeScaleColor(position));
        }
    });

    // The labels of the brake scale, then its caption.
    for (const PlacedText &t : brakeScaleTexts(pic, wing, switches, windH, windV)) {
        pic.setForeColor(t.caption ? Look::kBrakeCaption : Look::kBrakeLabel);
        pic.setFontBold(t.bold);
        printAt(pic, labelInside(pic, wing, t.x, pic.TextWidth(t.text)), t.y, t.text);
    }
    pic.setFontBold(false);
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
