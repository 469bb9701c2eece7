#pragma once

#include "Reach.h"
#include "SpeedToFly.h"
#include "Wing.h"
#include "modCalc.h"
#include "modDeklarationen.h"

#include <QFont>
#include <QLocale>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class PictureBox;

// The diagram's user scale: x from -600 to 600 (10 units per km/h), y from 500 at the top
// to -500 (100 units per m/s).
constexpr float kScaleLeft = -600, kScaleTop = 500, kScaleWidth = 1200, kScaleHeight = -1000;

// The window's standard font, the classic 8.25 pt sans serif; the diagram draws in it.
QFont standardFont(bool bold = false);

// Gives a picture box the diagram's user scale, white ground and font.
void setUpDiagram(PictureBox &pic);

// The drawing of the ground-speed diagram. Each procedure draws on top of what the box
// shows and hands the pen back as it found it. The window calls them; so does the
// picture export, so both show the same picture.

// The static background: axes, ticks, grey numbers, bold unit captions, through the
// ground origin and along the box's window. Clears first.
void DrawBackground(PictureBox &pic);

// The wind-dependent overlay of the wing's polar for the given winds (windH km/h, windV
// m/s) and airspeed (km/h), which the caller has computed (best glide, or the brakes'
// setting).
void DrawPolarOverlay(PictureBox &pic, const Wing &wing, float airspeed, SavedPen &saved,
                      const OverlaySwitches &switches, const float &windH, const float &windV,
                      const QLocale &locale = QLocale());

// The ground-speed vector, glide angle, flight path and brake bar of a flight computed
// before; returns the glide-ratio read-out.
QString DrawGlidePath(PictureBox &pic, const Wing &wing, const Flight &flight, SavedPen &saved,
                      const float &windV, const QLocale &locale = QLocale());

// The wing's polar shifted by the winds, 32 segments through the brake scale's box
// edges, at width 2 in color; afterSegment(k) runs after the segment that ends at scale
// position k (19..50).
void DrawShiftedPolar(PictureBox &pic, const Wing &wing, const float &windH, const float &windV,
                      int color, const std::function<void(int position)> &afterSegment = {});

// The ground-speed vector from the origin with its arrowhead, in the current pen;
// ground speeds in km/h and m/s.
void DrawGroundSpeedVector(PictureBox &pic, float gsH, float gsV);

// A state kept for comparison, with the wing it was made with: its shifted polar and
// ground-speed vector stay, whatever wing is shown later.
struct Comparison
{
    Wing wing;
    float windH = 0.0f; // km/h
    float windV = 0.0f; // m/s
    Flight flight;
};

// The comparison in grey, by the same procedures as the live polar and vector; hands the
// pen back as it found it and changes nothing else.
void DrawComparison(PictureBox &pic, const Comparison &ghost);

// What a flight over the ground is when it is no glide: "steigt 0,4 m/s", "kein
// Vorankommen", both (in that order), or "hält die Höhe" (a vertical ground speed that
// reads 0,0); empty for a glide (forward and down). Ground speeds in km/h and m/s.
QStringList flightRegimeWords(float groundSpeedH, float groundSpeedV,
                              const QLocale &locale = QLocale());

// A wing in words: "Schulschirm, 95 kg" (with the mass where one was given); the
// built-in polar is "Eingebaute Polare". Where fits is given and says no, only the name
// gives way, shortened with "…" until fits says yes.
QString wingInWords(const Wing &wing, const QLocale &locale = QLocale(),
                    const std::function<bool(const QString &)> &fits = {});

// A flight over the ground in a pilot's words: "GZ 7,9" for a glide (one decimal, no
// sign), else its flightRegimeWords, joined ("steigt 0,4 m/s, kein Vorankommen").
QString glideInWords(float groundSpeedH, float groundSpeedV, const QLocale &locale = QLocale());

// A wind in words, as the exercise, the worksheet and a lecture's pages say it: "12 km/h
// Gegenwind, 0,9 m/s Abwind"; a part that is zero is left out, and no wind at all is
// "Windstille". windH in km/h (negative: headwind), windVTenths in tenths of m/s
// (positive: updraft).
QString windInWords(int windH, int windVTenths, const QLocale &locale = QLocale());

// The legend of a comparison in the diagram's top right corner: in grey the held state's
// wing, airspeed and glide ratio over ground, under it in ink the live one's (at the live
// winds, km/h and m/s), each after a sample of its polar's line; where both are of one
// wing, each names its wind.
void DrawComparisonLegend(PictureBox &pic, const Comparison &held, const Wing &liveWing,
                          const Flight &live, float liveWindH, float liveWindV,
                          const QLocale &locale = QLocale());

// The best-glide ground-speed vector of an exercise's solution, dashed; hands the pen
// back as it found it.
void DrawSolution(PictureBox &pic, float gsH, float gsV);

// A text of the diagram and where it belongs: top-left corner in diagram units.
struct PlacedText
{
    QString text;
    double x = 0;
    double y = 0;
    bool bold = false;
    bool caption = false; // the brake scale's caption, under its labels
    double width = 0;     // in diagram units, measured in its own weight
};

// The brake scale's labels ("100%", "0%", "Beschleuniger", "Bremse") and, where the
// switches show one, its caption, measured in the box's font.
std::vector<PlacedText> brakeScaleTexts(PictureBox &pic, const Wing &wing,
                                        const OverlaySwitches &switches, const float &windH,
                                        const float &windV);

// The same, arranged for the box's window: in their order from full brake to full
// accelerator, apart and inside the picture (on two rows where one is too narrow); none
// where the scale lies wholly outside.
std::vector<PlacedText> arrangedBrakeScaleTexts(PictureBox &pic, const Wing &wing,
                                                const OverlaySwitches &switches, const float &windH,
                                                const float &windV);

// Shifts the box's window, at the diagram's own scale, so that a task's diagram shows
// whole: the ground origin with the vertical axis's numbers, the shifted polar from MIN
// to MAX, best glide's touch point, and the brake scale with its labels and caption, each
// at least 2 km/h and 0,2 m/s inside the frame; with airOrigin the end of the wind
// vectors too; an expected climb's point (diagram units) too, where all of it fits, and
// the function says whether it did. Printed tasks and lecture pages use it; the window
// keeps its fixed one.
bool fitTaskWindow(PictureBox &pic, const Wing &wing, const OverlaySwitches &switches,
                   const float &windH, const float &windV, bool airOrigin = false,
                   std::optional<QPointF> climbPoint = std::nullopt);

// The landing field of the lesson "Landeplatz erreichen" for a wing in a wind (km/h, m/s):
// the glide the field needs as a dashed line from the ground origin, labelled with its
// glide ratio; the part of the shifted polar that arrives with the margin, broad beneath
// the polar, and the same airspeeds as a band over the brake scale. Draw it before the
// polar; and where the text placement finds room, the glide seen from the side (at the
// airspeed that arrives highest and, given, at the chosen one). Without showAnswer only
// the needed glide: a task's question, not its answer. Hands the pen back as it found it.
void DrawReach(PictureBox &pic, const Wing &wing, const ReachQuestion &question, const Reach &reach,
               float windH, float windV, bool showAnswer = true,
               std::optional<float> chosenAirspeed = std::nullopt,
               const QLocale &locale = QLocale());

// The answer in words for the read-out. field: "Landeplatz 6,0 km, 800 m"; answer: what
// the field needs and what the wing gives, the arrival height, the airspeed that arrives
// highest and the brake settings that reach; yours: with free brakes, how the chosen
// airspeed (km/h) arrives, else empty.
struct ReachWords
{
    QString field;
    QString answer;
    QString yours;
    QString line() const; // "field: answer"
};
ReachWords reachInWords(const Wing &wing, const ReachQuestion &question, const Reach &reach,
                        float windH, float windV, std::optional<float> chosenAirspeed,
                        const QLocale &locale = QLocale());

// A lesson's read-out in two lines: the glide ratios with the marker's own result beside
// them where there is one, and the lesson's answer under them.
QString lessonReadout(const QString &ratios, const QString &yours, const QString &answer);

// The lesson "Sollfahrt (MacCready)" for an expected climb (m/s) in a wind (km/h, m/s):
// the tangent laid from the climb (on the vertical axis, or over the wind where the thermal
// drifts) to the shifted polar, the average where it crosses the speed axis, labelled; with
// a drifting thermal the standing one's tangent too, in grey. Without showAnswer only the
// climb's point: a task's question. Draw it before the polar.
// Hands the pen back as it found it.
void DrawSpeedToFly(PictureBox &pic, const Wing &wing, double climb, float windH, float windV,
                    bool drifting, bool showAnswer = true, const QLocale &locale = QLocale());

// The read-out's words: answer, "MC 1,0 m/s: Sollfahrt 36,9 km/h (Bremse 6 %), Schnitt
// 15,8 km/h"; yours, with free brakes, the chosen airspeed's average and its share of the
// best, else empty.
struct SpeedToFlyWords
{
    QString answer;
    QString yours;
};
SpeedToFlyWords speedToFlyInWords(const Wing &wing, double climb, const SpeedToFly &s,
                                  std::optional<float> chosenAirspeed, float windH, float windV,
                                  bool drifting, const QLocale &locale = QLocale());

// A brake setting in the pilot's words: "Bremse 50 %", "Trimm", "Beschleuniger 34 %".
QString settingInWords(const Wing &wing, float airspeed);

// The glide ratio over the ground as the read-out writes it: signed, two decimals.
QString overGroundRatioText(float groundSpeedH, float groundSpeedV,
                            const QLocale &locale = QLocale());

// The read-out for an airspeed (km/h) of the wing and a ground-speed vector (km/h, m/s).
QString glideRatioReadout(const Wing &wing, float airspeed, float groundSpeedH, float groundSpeedV,
                          const QLocale &locale = QLocale());

// Colour of the brake-scale box that ends at scale position v (whole, 19..50).
int brakeScaleColor(int v);
