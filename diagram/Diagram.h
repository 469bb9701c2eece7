#pragma once

#include "modDeklarationen.h"

#include <QFont>
#include <QLocale>
#include <QString>

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

// The read-out for an airspeed (km/h) and a ground-speed vector (km/h, m/s).
QString glideRatioReadout(float airspeed, float groundSpeedH, float groundSpeedV,
                          const QLocale &locale = QLocale());

// Colour of the brake-scale box that ends at airspeed v (km/h, whole, 19..50).
int brakeScaleColor(int v);
