#include "BrakeBand.h"
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "Look.h"
#include "PictureBox.h"

#include <cmath>

namespace {

// Text with its left edge at x, centred vertically on y.
void printCentredOn(PictureBox &pic, double x, double y, const QString &text)
{
    pic.setCurrentX(static_cast<float>(x));
    pic.setCurrentY(static_cast<float>(y - pic.TextHeight(text) / 2.0));
    pic.Print(text);
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
        if (angle < 0 && std::fabs(angle) > 0.1f) {
            // 2π only makes the start angle positive; the arc stops 0.05 short of the path.
            pic.Arc(0, 0, 120, angle + 6.2831852 + 0.05, 0);
        } else if (angle > 0 && std::fabs(angle) > 0.1f) {
            pic.Arc(0, 0, 120, 0, angle - 0.05);
        }
        printCentredOn(pic, std::fabs(std::cos(angle / 2.0) * 125), std::sin(angle / 2.0) * 125,
                       translated("Diagram", "Gleitwinkel"));
    }

    DrawGroundSpeedVector(pic, gsH, gsV);

    pic.setForeColor(Look::kGroundGreen);
    pic.setDrawWidth(2);
    pic.Circle(G, tipY, 5);
    pic.setDrawWidth(3);
    pic.Line(G, 0, G, 5);
    pic.setDrawWidth(1);
    pic.Line(G, tipY, 14.0 * gsH, 140.0 * gsV);
    pic.setForeColor(Look::kPathCaptionGreen);
    // At the end of the path; for a pilot's wing moved back along it where the end would
    // leave the diagram.
    const QString path = translated("Diagram", "Flugrichtung von der Seite betrachtet");
    double pathX = 14.0 * gsH + 10;
    const double inside = labelInside(pic, wing, pathX, pic.TextWidth(path));
    double pathY = 140.0 * gsV;
    if (inside != pathX && gsH != 0.0f) {
        pathX = inside;
        pathY = (pathX - 10) * (100.0 * gsV) / (10.0 * gsH) + 20;
    }
    printCentredOn(pic, pathX, pathY, path);

    pic.setForeColor(Look::kGuideDarkRed);
    pic.setDrawStyle(PictureBox::kStyleDot);
    pic.Line(G, 0, G, BrakeBand::bottomY(windV));
    pic.Line(G, 0, G, 100.0 * (static_cast<double>(sink) + windV));

    pic.setDrawStyle(PictureBox::kStyleSolid);
    pic.setDrawWidth(3);
    pic.setForeColor(Look::kBrakeBarBlack);
    pic.Line(G, BrakeBand::topY(windV), G, BrakeBand::bottomY(windV));

    pic.setDrawWidth(saved.SavedDrawWidth);
    pic.setForeColor(saved.SavedForeColor);
    pic.setDrawStyle(saved.SavedDrawStyle);

    return glideRatioReadout(wing, flight.airspeed, gsH, gsV, locale);
}
