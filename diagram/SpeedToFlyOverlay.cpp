// The lesson "Sollfahrt (MacCready)" in the diagram: the tangent from the expected climb
// and the average speed where it crosses the speed axis.
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "Look.h"
#include "PictureBox.h"
#include "TextPlacement.h"

#include <cmath>

namespace {

// The line from the expected climb through the speed to fly's point on the shifted polar,
// in colour; returns where it crosses the speed axis (km/h).
void drawTangent(PictureBox &pic, const Wing &wing, double climb, const SpeedToFly &s, float windH,
                 float windV, int color)
{
    const double x = 10.0 * (static_cast<double>(s.airspeed) + windH);
    const double y = 100.0 * (static_cast<double>(wing.sink(s.airspeed)) + windV);
    pic.setForeColor(color);
    pic.Line(10.0 * s.originKmh, 100.0 * climb, x, y);
}

} // namespace

void DrawSpeedToFly(PictureBox &pic, const Wing &wing, double climb, float windH, float windV,
                    bool drifting, bool showAnswer, const QLocale &locale)
{
    const int color = pic.ForeColor();
    const int width = pic.DrawWidth();
    const int style = pic.DrawStyle();
    pic.setElement(Element::SpeedToFly);
    pic.setDrawStyle(PictureBox::kStyleSolid);
    const SpeedToFly s = SpeedToFlyFor(wing, climb, windH, windV, drifting);
    if (!showAnswer) {
        pic.Circle(10.0 * s.originKmh, 100.0 * climb, 8.0, Look::kSpeedToFlyTeal);
    } else if (s.tangent && s.hasAverage) {
        // The other way the lift may act, in grey beneath: how much the drift matters.
        if (drifting) {
            pic.setDrawWidth(1);
            drawTangent(pic, wing, climb, SpeedToFlyFor(wing, climb, windH, windV, false), windH,
                        windV, Look::kComparisonGrey);
        }
        pic.setDrawWidth(2);
        drawTangent(pic, wing, climb, s, windH, windV, Look::kSpeedToFlyTeal);
        // The expected climb on the vertical axis (or over the wind, for a drifting
        // thermal), and the average where the line crosses the speed axis.
        pic.Circle(10.0 * s.originKmh, 100.0 * climb, 8.0, Look::kSpeedToFlyTeal);
        pic.Circle(10.0 * s.averageKmh, 0.0, 6.0, Look::kSpeedToFlyTeal);
        const QString text =
            translated("Diagram", "Schnitt %1 km/h").arg(FormatFixed(s.averageKmh, 1, locale));
        const double w = pic.TextWidth(text);
        const double h = -pic.TextHeight(text);
        const double x = 10.0 * s.averageKmh;
        // Owned by nothing: the label keeps off its own tangent too.
        std::vector<QPointF> places;
        for (const double dx : {-w - 8.0, 8.0, -w / 2, -w - 30.0, 30.0}) {
            for (const double y : {h + 8.0, -8.0, h + 30.0, -30.0}) {
                places.emplace_back(x + dx, y);
            }
        }
        // Where the vectors and the axis' numbers crowd the crossing, it moves along the axis
        // or a row up or down, in its own colour still read as the crossing's.
        const double rowHeight = pic.TextHeight(text);
        const QPointF above(x - w / 2, h + 8.0);
        pic.deferText({text, std::move(places), Look::kSpeedToFlyTeal, false, Element::None,
                       TextRank::SpeedToFly, [=] {
                           return placesAround(above, 5.0, 30, 4, 3, rowHeight, 40.0);
                       }});
    }
    pic.setElement(Element::None);
    pic.setForeColor(color);
    pic.setDrawWidth(width);
    pic.setDrawStyle(style);
}

SpeedToFlyWords speedToFlyInWords(const Wing &wing, double climb, const SpeedToFly &s,
                                  std::optional<float> chosenAirspeed, float windH, float windV,
                                  bool drifting, const QLocale &locale)
{
    const QString mc = translated("Diagram", "MC %1 m/s").arg(FormatFixed(climb, 1, locale));
    const QString airspeed = FormatFixed(s.airspeed, 1, locale);
    SpeedToFlyWords words;
    if (!s.tangent) {
        words.answer = translated("Diagram", "%1: keine Tangente – der Gleitflug steigt so schnell "
                                             "wie erwartet; bestes Gleiten %2 km/h")
                           .arg(mc, airspeed);
    } else if (!s.hasAverage) {
        words.answer = translated("Diagram", "%1: bestes Gleiten über Grund %2 km/h (%3), kein "
                                             "Schnitt")
                           .arg(mc, airspeed, settingInWords(wing, s.airspeed));
    } else if (s.atMax || s.atMin) {
        words.answer = (s.atMax ? translated("Diagram", "%1: voller Beschleuniger – schneller geht "
                                                        "es nicht: %2 km/h, Schnitt %3 km/h")
                                : translated("Diagram", "%1: volle Bremse – langsamer geht es "
                                                        "nicht: %2 km/h, Schnitt %3 km/h"))
                           .arg(mc, airspeed, FormatFixed(s.averageKmh, 1, locale));
    } else {
        words.answer = translated("Diagram", "%1: Sollfahrt %2 km/h (%3), Schnitt %4 km/h")
                           .arg(mc, airspeed, settingInWords(wing, s.airspeed),
                                FormatFixed(s.averageKmh, 1, locale));
    }
    if (chosenAirspeed && s.hasAverage) {
        const double v = AverageSpeed(wing, climb, *chosenAirspeed, windH, windV, drifting);
        const QString yours = translated("Diagram", "Ihre Fahrt %1 km/h")
                                  .arg(FormatFixed(*chosenAirspeed, 1, locale));
        const QString average = std::isnan(v) ? QStringLiteral("–") : FormatFixed(v, 1, locale);
        // A share only of a forward average: behind the start no share means anything.
        words.yours = std::isnan(v) || v <= 0.0 || s.averageKmh <= 0.0
                          ? translated("Diagram", "%1: Schnitt %2 km/h").arg(yours, average)
                          : translated("Diagram", "%1: Schnitt %2 km/h, %3 %")
                                .arg(yours, average)
                                .arg(std::lround(100.0 * v / s.averageKmh));
    }
    return words;
}
