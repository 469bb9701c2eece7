#include "BrakeBand.h"
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "Look.h"
#include "PictureBox.h"
#include "TextPlacement.h"

#include <cmath>

namespace {

// The top-left corner of a text of the given height (as TextHeight gives it) with its
// left edge at x, centred vertically on y.
QPointF centredOn(double x, double y, double height)
{
    return {x, y - height / 2.0};
}

} // namespace

QString overGroundRatioText(float groundSpeedH, float groundSpeedV, const QLocale &locale)
{
    // A vertical wind that exactly cancels the sink leaves no finite ratio over ground:
    // infinite with the sign of the horizontal ground speed, and none at all when the
    // glider stands still over the ground.
    if (groundSpeedV != 0.0f) {
        return Format(static_cast<double>(groundSpeedH) / 3.6 / static_cast<double>(groundSpeedV),
                      QStringLiteral("0.00"), locale);
    }
    if (groundSpeedH > 0.0f) {
        return QStringLiteral("∞");
    }
    return groundSpeedH < 0.0f ? QStringLiteral("-∞") : QStringLiteral("–");
}

QString glideRatioReadout(const Wing &wing, float airspeed, float groundSpeedH, float groundSpeedV,
                          const QLocale &locale)
{
    const double inAir =
        static_cast<double>(airspeed) / 3.6 / static_cast<double>(wing.sink(airspeed));
    return translated("Diagram", "Gleitzahl in Luft: %1,   Gleitzahl über Grund: %2")
        .arg(Format(inAir, QStringLiteral("0.00"), locale),
             overGroundRatioText(groundSpeedH, groundSpeedV, locale));
}

void DrawGroundSpeedVector(PictureBox &pic, float gsH, float gsV)
{
    const double G = 10.0 * gsH;
    const double tipY = 100.0 * gsV;
    pic.Line(0, 0, G, tipY);
    const double d = std::sqrt(std::pow(static_cast<double>(gsH), 2) + std::pow(10.0 * gsV, 2));
    if (d > 0) { // a zero vector has no direction to point an arrowhead in
        const double ux = gsH / d;
        const double uy = 10.0 * gsV / d;
        pic.Line(G, tipY, G - 30 * ux + 6 * uy, tipY - 30 * uy - 6 * ux);
        pic.Line(G, tipY, G - 30 * ux - 6 * uy, tipY - 30 * uy + 6 * ux);
    }
}

QString DrawGlidePath(PictureBox &pic, const Wing &wing, const Flight &flight, SavedPen &saved,
                      const float &windV, const QLocale &locale)
{
    saved.SavedDrawWidth = static_cast<std::int16_t>(pic.DrawWidth());
    saved.SavedDrawStyle = static_cast<std::int16_t>(pic.DrawStyle());
    saved.SavedForeColor = pic.ForeColor();
    pic.setDrawWidth(2);
    pic.setForeColor(Look::kGroundGreen);

    const float sink = wing.sink(flight.airspeed);
    const float gsH = flight.groundSpeedH;
    const float gsV = flight.groundSpeedV;
    const float angle = flight.glideAngle;
    const double G = 10.0 * gsH;
    const double tipY = 100.0 * gsV;

    if (gsH > 0) {
        pic.setElement(Element::GlideArc);
        if (angle < 0 && std::fabs(angle) > 0.1f) {
            // 2π only makes the start angle positive; the arc stops 0.05 short of the path.
            pic.Arc(0, 0, 120, angle + 6.2831852 + 0.05, 0);
        } else if (angle > 0 && std::fabs(angle) > 0.1f) {
            pic.Arc(0, 0, 120, 0, angle - 0.05);
        }
        // Beside the arc, on the line that halves the angle; further out where that place
        // is taken.
        const QString text = translated("Diagram", "Gleitwinkel");
        std::vector<QPointF> places;
        const double height = pic.TextHeight(text);
        const double above = -height + 10; // clear of a nearly level vector
        for (const double lift : {0.0, above}) {
            for (const double r : {125.0, 150.0, 180.0, 215.0, 255.0, 300.0}) {
                places.push_back(centredOn(std::fabs(std::cos(angle / 2.0) * r),
                                           std::sin(angle / 2.0) * r + lift, height));
            }
        }
        // Else just beyond the vector, where a small picture has no room between the two.
        const double beyond = angle >= 0 ? angle + 0.3 : angle - 0.3;
        for (const double r : {150.0, 180.0, 215.0}) {
            places.push_back(
                centredOn(std::fabs(std::cos(beyond) * r), std::sin(beyond) * r, height));
        }
        pic.deferText(
            {text, places, Look::kGroundGreen, false, Element::GlideArc, TextRank::GlideAngle});
    }

    pic.setElement(Element::GroundVector);
    DrawGroundSpeedVector(pic, gsH, gsV);

    pic.setForeColor(Look::kGroundGreen);
    pic.setDrawWidth(2);
    pic.Circle(G, tipY, 5);
    pic.setDrawWidth(3);
    pic.Line(G, 0, G, 5);
    pic.setElement(Element::Path);
    pic.setDrawWidth(1);
    pic.Line(G, tipY, 14.0 * gsH, 140.0 * gsV);
    // At the end of the path; else beside it, above or below the line (a text beyond the
    // end leaves a narrow picture).
    const QString path = translated("Diagram", "Flugrichtung von der Seite betrachtet");
    const double width = pic.TextWidth(path);
    const double height = pic.TextHeight(path); // negative: the scale grows upward
    std::vector<QPointF> places{centredOn(1.4 * G + 10, 1.4 * tipY, height)};
    const double gap = 8;
    const double pathFrom = std::min(0.0, 1.4 * G);
    const double pathTo = std::max(0.0, 1.4 * G);
    // Above, then below the line where the text spans from left on: the path runs through
    // the origin and ends 1.4 times the vector out.
    const auto besideLine = [&](double left) {
        const double from = std::clamp(left, pathFrom, pathTo);
        const double to = std::clamp(left + width, pathFrom, pathTo);
        const double a = G != 0 ? tipY * from / G : tipY;
        const double b = G != 0 ? tipY * to / G : tipY;
        places.push_back({left, std::max(a, b) + gap - height});
        places.push_back({left, std::min(a, b) - gap});
    };
    // Ending with the path, or at the picture's edge where the path leaves it; then out
    // to the edge beyond the path's end; then moved back along it.
    const double edge = G >= 0 ? pic.ScaleLeft() + pic.ScaleWidth() - 10 : pic.ScaleLeft() + 10;
    const auto endingAt = [&](double x) {
        return G >= 0 ? x - width : x;
    };
    besideLine(endingAt(G >= 0 ? std::min(1.4 * G, edge) : std::max(1.4 * G, edge)));
    besideLine(endingAt(edge));
    for (const double f : {1.3, 1.2, 1.1, 1.0, 0.9, 0.8, 0.7, 0.6}) {
        besideLine(endingAt(f * G));
    }
    for (const double f : {1.3, 1.2, 1.1, 1.0, 0.9, 0.8}) {
        places.push_back(centredOn(f * G + 10, f * tipY, height));
    }
    pic.deferText(
        {path, places, Look::kPathCaptionGreen, false, Element::Path, TextRank::SideView});
    pic.setElement(Element::None);

    pic.setForeColor(Look::kGuideDarkRed);
    pic.setDrawStyle(PictureBox::kStyleDot);
    pic.Line(G, 0, G, BrakeBand::bottomY(windV));
    pic.Line(G, 0, G, 100.0 * (static_cast<double>(sink) + windV));

    pic.setDrawStyle(PictureBox::kStyleSolid);
    pic.setDrawWidth(3);
    pic.setForeColor(Look::kBrakeBarBlack);
    pic.setElement(Element::BrakeBar);
    pic.Line(G, BrakeBand::topY(windV), G, BrakeBand::bottomY(windV));
    pic.setElement(Element::None);

    pic.setDrawWidth(saved.SavedDrawWidth);
    pic.setForeColor(saved.SavedForeColor);
    pic.setDrawStyle(saved.SavedDrawStyle);

    return glideRatioReadout(wing, flight.airspeed, gsH, gsV, locale);
}
