// The lesson "Landeplatz erreichen" in the diagram: the glide a field needs beside the
// glide the wing gives.
#include "BrakeBand.h"
#include "BrakeScale.h"
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "Look.h"
#include "PictureBox.h"
#include "TextPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

// Where the needed glide, from the ground origin down to the right, leaves the box's
// window: its x in diagram units (10 per km/h). slope: m/s of sink per km/h forward.
double lineEndX(const PictureBox &pic, double slope)
{
    const double right = pic.ScaleLeft() + pic.ScaleWidth();
    const double bottom = std::min(pic.ScaleTop(), pic.ScaleTop() + pic.ScaleHeight());
    double x = right;
    // y = -100·slope·x/10 reaches the bottom at x = bottom / (-10·slope).
    if (slope > 0.0 && bottom < 0.0) {
        x = std::min(x, bottom / (-10.0 * slope));
    }
    return std::max(x, 0.0);
}

// Places for the needed glide's label: beside the line, above first, at points along its
// visible part.
std::vector<QPointF> lineLabelPlaces(PictureBox &pic, const QString &text, double endX,
                                     double slope)
{
    const double w = pic.TextWidth(text);
    const double h = -pic.TextHeight(text); // the scale grows upward
    const double gap = std::fabs(h) / 3;
    std::vector<QPointF> places;
    for (const double along : {0.8, 0.65, 0.5, 0.9, 0.35, 0.2}) {
        const double x = endX * along;
        const double y = -10.0 * slope * x;
        // Above the line: its bottom-left corner just over it; below: its top-right
        // corner just under it (the line falls to the right).
        places.emplace_back(x - w / 2, y + 10.0 * slope * (w / 2) + gap + h);
        places.emplace_back(x - w / 2, y - 10.0 * slope * (w / 2) - gap);
    }
    return places;
}

// The glide to the field seen from the side, to scale in each direction: the start
// height, the ground to the field, the margin over it, and the path at the airspeed that
// arrives highest (green), with free brakes also at the bar's (black, dashed). topLeft in
// user units; size in the box's pixels.
void drawSideView(PictureBox &pic, QPointF topLeft, QSizeF size, const ReachQuestion &q,
                  double bestArrival, std::optional<double> barArrival, const QLocale &locale)
{
    const int width = pic.DrawWidth();
    const int style = pic.DrawStyle();
    const QPointF origin = pic.toPixel(topLeft.x(), topLeft.y());
    const auto at = [&](double px, double py) {
        return pic.toUser(origin + QPointF(px, py));
    };
    const auto line = [&](QPointF a, QPointF b) {
        pic.Line(a.x(), a.y(), b.x(), b.y());
    };
    const double s = pic.outputScale();
    const QPointF corner = at(size.width(), size.height());
    pic.setDrawWidth(1);
    pic.setDrawStyle(PictureBox::kStyleSolid);
    pic.LineBox(topLeft.x(), topLeft.y(), corner.x(), corner.y(), Look::kWhite);
    pic.setForeColor(Look::kComparisonGrey);
    line(topLeft, at(size.width(), 0));
    line(at(size.width(), 0), corner);
    line(corner, at(0, size.height()));
    line(at(0, size.height()), topLeft);

    // Heights from the lowest to the highest the paths reach, the ground at 0.
    const double lowest = 0.0;
    double highest = std::max(q.heightM, bestArrival);
    if (barArrival) {
        highest = std::max(highest, *barArrival);
    }
    const double textRow = 14.0 * s;
    const double left = 8.0 * s;
    const double right = size.width() - 8.0 * s;
    const double top = textRow + 4.0 * s;
    const double bottom = size.height() - textRow;
    const auto point = [&](double km, double m) {
        return at(left + (right - left) * km / q.distanceKm,
                  bottom - (bottom - top) * (m - lowest) / (highest - lowest));
    };
    // A path from the start to the field, or to where it meets the ground.
    const auto path = [&](double arrival) {
        const double km =
            arrival >= 0.0 ? q.distanceKm : q.distanceKm * q.heightM / (q.heightM - arrival);
        line(point(0.0, q.heightM), point(km, std::max(arrival, 0.0)));
    };
    pic.setForeColor(Look::kBlack);
    line(point(0.0, 0.0), point(q.distanceKm, 0.0));
    pic.setDrawStyle(PictureBox::kStyleDash);
    pic.setForeColor(Look::kReachOrange);
    line(point(0.0, q.marginM), point(q.distanceKm, q.marginM));
    if (barArrival) {
        pic.setForeColor(Look::kBrakeBarBlack);
        path(*barArrival);
    }
    pic.setDrawStyle(PictureBox::kStyleSolid);
    pic.setDrawWidth(2);
    pic.setForeColor(Look::kGroundGreen);
    path(bestArrival);
    // The field: a short post at the path's end.
    pic.setForeColor(Look::kBlack);
    line(point(q.distanceKm, 0.0), at(right, bottom - 8.0 * s));

    pic.setForeColor(Look::kBlack);
    const QPointF title = at(4.0 * s, 2.0 * s);
    pic.setCurrentX(static_cast<float>(title.x()));
    pic.setCurrentY(static_cast<float>(title.y()));
    pic.Print(translated("Diagram", "Von der Seite: %1 m, %2 km")
                  .arg(FormatFixed(q.heightM, 0, locale), FormatFixed(q.distanceKm, 1, locale)));
    pic.setDrawWidth(width);
    pic.setDrawStyle(style);
}

} // namespace

void DrawReach(PictureBox &pic, const Wing &wing, const ReachQuestion &question, const Reach &reach,
               float windH, float windV, bool showAnswer, std::optional<float> chosenAirspeed,
               const QLocale &locale)
{
    const int color = pic.ForeColor();
    const int width = pic.DrawWidth();
    const int style = pic.DrawStyle();
    pic.setElement(Element::Reach);
    pic.setForeColor(Look::kReachOrange);

    // The part of the shifted polar that arrives with the margin, broad beneath the polar,
    // and the same airspeeds just over the brake scale.
    if (reach.reaches && showAnswer) {
        pic.setDrawWidth(7);
        pic.setDrawStyle(PictureBox::kStyleSolid);
        const int from = static_cast<int>(std::lround(reach.bandLow * 10.0f));
        const int to = static_cast<int>(std::lround(reach.bandHigh * 10.0f));
        for (int tenths = from; tenths < to; ++tenths) {
            const float v1 = static_cast<float>(tenths / 10.0);
            const float v2 = static_cast<float>((tenths + 1) / 10.0);
            pic.Line(10.0 * (v1 + windH), 100.0 * (wing.sink(v1) + windV), 10.0 * (v2 + windH),
                     100.0 * (wing.sink(v2) + windV));
        }
        pic.setDrawWidth(3);
        const double y = BrakeBand::topY(windV) + 6.0;
        pic.Line(BrakeBand::x(reach.bandLow, windH), y, BrakeBand::x(reach.bandHigh, windH), y);
    }

    // The needed glide from the ground origin, as far as the window goes.
    if (std::isfinite(reach.requiredRatio) && reach.requiredRatio > 0.0) {
        const double slope = 1.0 / (3.6 * reach.requiredRatio); // m/s per km/h
        const double endX = lineEndX(pic, slope);
        pic.setDrawWidth(2);
        pic.setDrawStyle(PictureBox::kStyleDash);
        pic.Line(0.0, 0.0, endX, -10.0 * slope * endX);
        const QString text =
            translated("Diagram", "nötig GZ %1").arg(FormatFixed(reach.requiredRatio, 1, locale));
        pic.deferText({text, lineLabelPlaces(pic, text, endX, slope), Look::kReachOrange, false,
                       Element::Reach, TextRank::Reach});
    }

    // The side view where it finds room: a corner first, never on what is drawn.
    if (showAnswer && reach.headway) {
        const double s = pic.outputScale();
        const QSizeF size(260.0 * s, 110.0 * s);
        std::optional<double> bar;
        if (chosenAirspeed && std::fabs(*chosenAirspeed - reach.bestAirspeed) >= 0.05f) {
            const double a = ArrivalHeight(wing, question, *chosenAirspeed, windH, windV);
            bar = std::isnan(a) ? std::nullopt : std::optional<double>(a);
        }
        // A climb on the way reaches arbitrarily high: the view stops at twice the start.
        const double best = std::min(reach.arrivalM, 2.0 * question.heightM);
        if (bar) {
            bar = std::min(*bar, 2.0 * question.heightM);
        }
        std::vector<QPointF> places;
        const double room[] = {pic.width() - size.width() - 6.0 * s,
                               pic.height() - size.height() - 6.0 * s};
        for (const double fy : {0.0, 1.0, 0.5, 0.25, 0.75}) {
            for (const double fx : {0.0, 1.0, 0.5, 0.25, 0.75}) {
                places.push_back(
                    pic.toUser(QPointF(3.0 * s + fx * room[0], 3.0 * s + fy * room[1])));
            }
        }
        DeferredText view;
        view.places = std::move(places);
        view.owner = Element::ReachSideView;
        view.rank = TextRank::ReachSideView;
        view.pixels = size;
        view.draw = [question, best, bar, size, locale](PictureBox &box, QPointF topLeft) {
            drawSideView(box, topLeft, size, question, best, bar, locale);
        };
        pic.deferText(std::move(view));
    }

    pic.setElement(Element::None);
    pic.setForeColor(color);
    pic.setDrawWidth(width);
    pic.setDrawStyle(style);
}

QString lessonReadout(const QString &ratios, const QString &yours, const QString &answer)
{
    return (yours.isEmpty() ? ratios : ratios + QStringLiteral("   ") + yours) + QLatin1Char('\n') +
           answer;
}

QString settingInWords(const Wing &wing, float airspeed)
{
    const BrakeScale::Setting s = BrakeScale::settingFor(wing, airspeed);
    if (s.isTrim()) {
        return translated("Diagram", "Trimm");
    }
    return s.acceleratorPercent != 0
               ? translated("Diagram", "Beschleuniger %1 %").arg(s.acceleratorPercent)
               : translated("Diagram", "Bremse %1 %").arg(s.brakePercent);
}

ReachWords reachInWords(const Wing &wing, const ReachQuestion &question, const Reach &reach,
                        float windH, float windV, std::optional<float> chosenAirspeed,
                        const QLocale &locale)
{
    const auto metres = [&](double m) {
        return FormatFixed(m, 0, locale);
    };
    ReachWords words;
    words.field = translated("Diagram", "Landeplatz %1 km, %2 m")
                      .arg(FormatFixed(question.distanceKm, 1, locale), metres(question.heightM));
    if (!reach.headway) {
        words.answer = translated("Diagram", "kein Vorankommen");
    } else if (!reach.reaches) {
        const float best = reach.bestAirspeed;
        const QString arrival =
            reach.arrivalM >= 0.0
                ? translated("Diagram", "Ankunft %1 m – %2 m unter der Sicherheitshöhe")
                      .arg(metres(reach.arrivalM), metres(question.marginM - reach.arrivalM))
                : translated("Diagram", "es fehlen %1 m Höhe").arg(metres(-reach.arrivalM));
        words.answer =
            translated("Diagram", "nötig GZ %1 · bestes Gleiten %2 über Grund, %3")
                .arg(FormatFixed(reach.requiredRatio, 1, locale),
                     glideInWords(best + windH, wing.sink(best) + windV, locale), arrival);
    } else {
        const bool fromMin = reach.bandLow <= wing.minSpeed + 0.05f;
        const bool toMax = reach.bandHigh >= wing.maxSpeed - 0.05f;
        const QString low = settingInWords(wing, reach.bandLow);
        const QString high = settingInWords(wing, reach.bandHigh);
        QString band = translated("Diagram", "%1 bis %2 reichen").arg(low, high);
        if (fromMin && toMax) {
            band = translated("Diagram", "jede Stellung reicht");
        } else if (toMax) {
            band = translated("Diagram", "ab %1, auch mit vollem Beschleuniger").arg(low);
        } else if (fromMin) {
            band = translated("Diagram", "bis %1, auch mit voller Bremse").arg(high);
        }
        // Climbing on the way, the highest arrival grows without end as the ground speed
        // falls: its number says nothing a pilot can use.
        words.answer =
            reach.arrivalM > question.heightM
                ? translated("Diagram", "erreicht – steigt unterwegs, Ankunft höher als der "
                                        "Start; %1")
                      .arg(band)
                : translated("Diagram", "erreicht – Ankunft %1 m (%2 m über der "
                                        "Sicherheitshöhe) bei %3 km/h; %4")
                      .arg(metres(reach.arrivalM), metres(reach.arrivalM - question.marginM),
                           FormatFixed(reach.bestAirspeed, 1, locale), band);
    }
    if (chosenAirspeed) {
        const double arrival = ArrivalHeight(wing, question, *chosenAirspeed, windH, windV);
        const QString yours = translated("Diagram", "Ihre Fahrt %1 km/h")
                                  .arg(FormatFixed(*chosenAirspeed, 1, locale));
        if (std::isnan(arrival)) {
            words.yours = translated("Diagram", "%1: kein Vorankommen").arg(yours);
        } else if (arrival < 0.0) {
            words.yours =
                translated("Diagram", "%1: es fehlen %2 m Höhe").arg(yours, metres(-arrival));
        } else {
            words.yours = (arrival >= question.marginM
                               ? translated("Diagram", "%1: Ankunft %2 m, reicht")
                               : translated("Diagram", "%1: Ankunft %2 m, reicht nicht"))
                              .arg(yours, metres(arrival));
        }
    }
    return words;
}

QString ReachWords::line() const
{
    return translated("Diagram", "%1: %2").arg(field, answer);
}
