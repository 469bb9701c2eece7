#include "Diagram.h"
#include "Format.h"
#include "Look.h"
#include "PictureBox.h"
#include "TextPlacement.h"

#include <cmath>
#include <cstdlib>

namespace {

// Keeps the pen of the box and gives it back when it goes.
class PenKept
{
public:
    explicit PenKept(PictureBox &pic)
        : m_pic(pic), m_width(pic.DrawWidth()), m_style(pic.DrawStyle()), m_color(pic.ForeColor())
    {}
    ~PenKept()
    {
        m_pic.setDrawWidth(m_width);
        m_pic.setDrawStyle(m_style);
        m_pic.setForeColor(m_color);
    }
    PenKept(const PenKept &) = delete;
    PenKept &operator=(const PenKept &) = delete;

private:
    PictureBox &m_pic;
    int m_width;
    int m_style;
    int m_color;
};

} // namespace

void DrawComparison(PictureBox &pic, const Comparison &ghost)
{
    const PenKept kept(pic);
    pic.setElement(Element::Comparison);
    pic.setDrawStyle(PictureBox::kStyleSolid);
    DrawShiftedPolar(pic, ghost.wing, ghost.windH, ghost.windV, Look::kComparisonGrey);
    pic.setDrawWidth(2);
    pic.setForeColor(Look::kComparisonGrey);
    DrawGroundSpeedVector(pic, ghost.flight.groundSpeedH, ghost.flight.groundSpeedV);
    pic.setElement(Element::None);
}

void DrawSolution(PictureBox &pic, float gsH, float gsV)
{
    const PenKept kept(pic);
    pic.setDrawWidth(3);
    pic.setDrawStyle(PictureBox::kStyleDash);
    pic.setForeColor(Look::kSolutionViolet);
    pic.setElement(Element::Solution);
    DrawGroundSpeedVector(pic, gsH, gsV);
    pic.setElement(Element::None);
}

namespace {

// "Name, 95 kg · 33,5 km/h · GZ 7,9" for the wing in words who; with a wind in words,
// "Name, 95 kg · 12 km/h Gegenwind · 33,5 km/h · GZ 7,9".
QString legendLine(const QString &who, const QString &wind, const Flight &f, const QLocale &locale)
{
    const QString head = wind.isEmpty() ? who : QStringLiteral("%1 · %2").arg(who, wind);
    return QStringLiteral("%1 · %2 km/h · %3")
        .arg(head, FormatFixed(f.airspeed, 1, locale),
             glideInWords(f.groundSpeedH, f.groundSpeedV, locale));
}

// The line for the wing, its name shortened with "…" until the line is at most width
// wide.
QString fittedLine(PictureBox &pic, const Wing &wing, const QString &wind, const Flight &f,
                   const QLocale &locale, double width)
{
    return legendLine(wingInWords(wing, locale,
                                  [&](const QString &who) {
                                      return pic.TextWidth(legendLine(who, wind, f, locale)) <=
                                             width;
                                  }),
                      wind, f, locale);
}

bool sameWing(const Wing &a, const Wing &b)
{
    return a.builtIn == b.builtIn && a.name == b.name && a.minSpeed == b.minSpeed &&
           a.trimSpeed == b.trimSpeed && a.maxSpeed == b.maxSpeed &&
           a.sink(a.trimSpeed) == b.sink(b.trimSpeed);
}

} // namespace

void DrawComparisonLegend(PictureBox &pic, const Comparison &held, const Wing &liveWing,
                          const Flight &live, float liveWindH, float liveWindV,
                          const QLocale &locale)
{
    const PenKept kept(pic);
    // The right half of the diagram, clear of the axis and its caption; each line with a
    // sample of its polar's line before it.
    constexpr double kSample = 30.0;
    constexpr double kGap = 8.0;
    const double right = pic.ScaleLeft() + pic.ScaleWidth() - 10.0;
    const double width = right - (pic.ScaleLeft() + pic.ScaleWidth() / 2.0 + 40.0) - kSample - kGap;
    // Two states of one wing differ by their winds: the legend names them.
    const bool oneWing = sameWing(held.wing, liveWing);
    const auto windOf = [&](float windH, float windV) {
        return oneWing ? windInWords(qRound(windH), qRound(windV * 10.0f), locale) : QString();
    };
    const QString lines[] = {
        fittedLine(pic, held.wing, windOf(held.windH, held.windV), held.flight, locale, width),
        fittedLine(pic, liveWing, windOf(liveWindH, liveWindV), live, locale, width)};
    const int textColors[] = {Look::kLegendGrey, Look::kBlack};
    const int lineColors[] = {Look::kComparisonGrey, Look::kPolarBlue};
    double y = pic.ScaleTop() - 10.0; // the window's top, where a lecture page shifts it
    for (int i = 0; i < 2; ++i) {
        const double left = right - pic.TextWidth(lines[i]);
        const double middle = y + pic.TextHeight(lines[i]) / 2.0;
        pic.setDrawStyle(PictureBox::kStyleSolid);
        pic.setDrawWidth(2);
        pic.setForeColor(lineColors[i]);
        pic.Line(left - kGap - kSample, middle, left - kGap, middle);
        pic.setForeColor(textColors[i]);
        pic.setCurrentX(static_cast<float>(left));
        pic.setCurrentY(static_cast<float>(y));
        pic.Print(lines[i]);
        y += pic.TextHeight(lines[i]);
    }
}
