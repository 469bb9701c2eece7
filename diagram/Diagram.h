#pragma once

#include "modDeklarationen.h"

#include <QFont>
#include <QLocale>
#include <QString>
#include <functional>

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

// The static background: axes, ticks, grey numbers, bold unit captions. Clears first.
void DrawBackground(PictureBox &pic);

// The wind-dependent overlay. In best-glide mode it first moves airspeed (km/h) to the
// best glide for the given winds (windH km/h, windV m/s).
void DrawPolarOverlay(PictureBox &pic, float &airspeed, SavedPen &saved,
                      const OverlaySwitches &switches, const float &windH, const float &windV,
                      const QLocale &locale = QLocale());

// The ground-speed vector, glide angle, flight path and brake bar. Writes GroundSpeedH,
// GroundSpeedV and GlideAngle of state and returns the glide-ratio read-out.
QString DrawGlidePath(PictureBox &pic, modDeklarationen &state, SavedPen &saved, const float &windH,
                      const float &windV, const QLocale &locale = QLocale());

// The shifted polar of the active polar, 32 segments through the brake scale's box
// edges, at width 2 in color; afterSegment(k) runs after the segment that ends at scale
// position k (19..50).
void DrawShiftedPolar(PictureBox &pic, const float &windH, const float &windV, int color,
                      const std::function<void(int position)> &afterSegment = {});

// The ground-speed vector from the origin with its arrowhead, in the current pen;
// ground speeds in km/h and m/s.
void DrawGroundSpeedVector(PictureBox &pic, float gsH, float gsV);

// A state kept for comparison: its shifted polar and ground-speed vector.
struct Comparison
{
    float windH = 0.0f;        // km/h
    float windV = 0.0f;        // m/s
    float groundSpeedH = 0.0f; // km/h
    float groundSpeedV = 0.0f; // m/s
};

// The comparison in grey, by the same procedures as the live polar and vector; hands the
// pen back as it found it and changes nothing else.
void DrawComparison(PictureBox &pic, const Comparison &ghost);

// The best-glide ground-speed vector of an exercise's solution, dashed; hands the pen
// back as it found it.
void DrawSolution(PictureBox &pic, float gsH, float gsV);

// The glide ratio over the ground as the read-out writes it: signed, two decimals.
QString overGroundRatioText(float groundSpeedH, float groundSpeedV,
                            const QLocale &locale = QLocale());

// The read-out for an airspeed (km/h) and a ground-speed vector (km/h, m/s).
QString glideRatioReadout(float airspeed, float groundSpeedH, float groundSpeedV,
                          const QLocale &locale = QLocale());

// Colour of the brake-scale box that ends at airspeed v (km/h, whole, 19..50).
int brakeScaleColor(int v);
