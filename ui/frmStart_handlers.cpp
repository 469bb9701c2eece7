// The handlers of the window and the redraw cycle they all end in.
#include "BrakeBand.h"
#include "Diagram.h"
#include "Format.h"
#include "Screen.h"
#include "frmStart.h"
#include "modCalc.h"

#include <algorithm>
#include <cmath>

void frmStart::RestoreBackground()
{
    picPolare->setPicture(picCopy->Image(), picCopy->shownOperations());
}

// Each drawing step computes what it shows first, then draws it: best-glide mode moves the
// brake setting, and the glide path keeps the ground-speed vector for the bar's drag and
// the tour.
void frmStart::DrawPolarOverlay(float &windH, float &windV)
{
    if (Value(chkBremsen) != 1) {
        // Locked brakes stand at best glide, or at the speed to fly in its lesson.
        if (m_lesson == Lesson::SpeedToFly) {
            decl.Airspeed = SpeedToFlyFor(polar(), m_climb, windH, windV, m_drifting).airspeed;
        } else {
            BestGlide(polar(), decl.Airspeed, windH, windV);
        }
    }
    ::DrawPolarOverlay(*picPolare, polar(), decl.Airspeed, m_saved, switches(), windH, windV);
}

void frmStart::DrawGlidePath(float &windH, float &windV)
{
    const Flight flight = FlightFor(polar(), decl.Airspeed, true, windH, windV);
    decl.GroundSpeedH = flight.groundSpeedH;
    decl.GroundSpeedV = flight.groundSpeedV;
    decl.GlideAngle = flight.glideAngle;
    lblInfo->setCaption(::DrawGlidePath(*picPolare, polar(), flight, m_saved, windV));
}

void frmStart::Repaint()
{
    RestoreBackground();
    // A state held for comparison lies under everything drawn now.
    if (m_comparison) {
        DrawComparison(*picPolare, *m_comparison);
    }
    // A landing field's marks lie under the polar they mark.
    // A task shows the glide its field needs, not which airspeeds reach it.
    if (m_lesson == Lesson::Reach) {
        DrawReach(*picPolare, polar(), m_reachQuestion,
                  ReachField(polar(), m_reachQuestion, decl.WindH, decl.WindV), decl.WindH,
                  decl.WindV, !(m_exercise.active && !m_exercise.solved),
                  Value(chkBremsen) == 1 ? std::optional<float>(decl.Airspeed) : std::nullopt);
    }
    // A task shows the climb, not the tangent that answers it.
    if (m_lesson == Lesson::SpeedToFly) {
        DrawSpeedToFly(*picPolare, polar(), m_climb, decl.WindH, decl.WindV, m_drifting,
                       !(m_exercise.active && !m_exercise.solved));
    }
    DrawPolarOverlay(decl.WindH, decl.WindV);
    DrawGlidePath(decl.WindH, decl.WindV);
    if (m_comparison) {
        DrawComparisonLegend(*picPolare, *m_comparison, polar(),
                             {decl.Airspeed, decl.GroundSpeedH, decl.GroundSpeedV, decl.GlideAngle},
                             decl.WindH, decl.WindV);
    }
    // The field stays as the exercise found it.
    m_reachRow->setEnabled(!m_exercise.active);
    m_speedToFlyRow->setEnabled(!m_exercise.active);
    if (m_exercise.active) {
        showExercise();
    } else if (m_lesson == Lesson::Reach) {
        showReach();
    } else if (m_lesson == Lesson::SpeedToFly) {
        showSpeedToFly();
    }
    lblAufwind->setCaption(Format(decl.WindV, QStringLiteral("0.0")) + QStringLiteral(" m/s"));
    lblWind->setCaption(Format(decl.WindH, QStringLiteral("0")) + QStringLiteral(" km/h"));
    announceWinds();
}

// The wind follows every move of the bar the user makes: a drag, an arrow or page
// click, a key or a wheel step. The program moves the thumb with setBarValue, which
// reaches no handler.
void frmStart::VScroll1_Scroll()
{
    endExercise();
    decl.WindV = WindVFromBarValue(VScroll1->value());
    Repaint();
}

void frmStart::HScroll1_Scroll()
{
    endExercise();
    decl.WindH = static_cast<float>(HScroll1->value());
    Repaint();
}

// While a tour runs (its button is disabled) it sets these boxes itself and draws
// when it wants to.
void frmStart::chkWind_Click()
{
    if (cmdTour->isEnabled()) {
        Repaint();
    }
}

void frmStart::chkAirspeed_Click()
{
    if (cmdTour->isEnabled()) {
        Repaint();
    }
}

void frmStart::chkBremsen_Click()
{
    // A locked bar cannot be grabbed: no double arrow may stay behind.
    if (Value(chkBremsen) == 0) {
        endExercise();
    }
    if (Value(chkBremsen) == 0 && !BrakeBarDragging) {
        Screen::setMousePointer(Screen::kPointerDefault);
    }
    Repaint();
}

void frmStart::cmdEnde_Click()
{
    emit ending();
    Screen::setMousePointer(Screen::kPointerDefault);
    hide();
    if (m_endProgram) {
        m_endProgram();
    }
}

bool frmStart::overBrakeBar(float x, float y) const
{
    const double bar = 10.0 * decl.GroundSpeedH;
    const float left = static_cast<float>(bar - 2.0 * picPolare->ScaleX(1));
    const float right = static_cast<float>(bar + 2.0 * picPolare->ScaleX(1));
    const float bottom = static_cast<float>(BrakeBand::bottomY(decl.WindV));
    const float top = static_cast<float>(BrakeBand::topY(decl.WindV));
    return x > left && x < right && y > bottom && y < top;
}

void frmStart::picPolare_MouseMove(int button, int, float x, float y)
{
    // A move without the left button while dragging means its release went elsewhere
    // (another program took the mouse): the drag is over, the bar must not follow.
    if (BrakeBarDragging && ((button & 1) == 0 || barLocked())) {
        BrakeBarDragging = false;
    }
    if (BrakeBarDragging) {
        // The airspeed that puts the bar under the pointer, within the polar's range.
        decl.Airspeed = static_cast<float>(static_cast<long double>(x) / 10.0L - decl.WindH);
        if (decl.Airspeed > polar().maxSpeed) {
            decl.Airspeed = polar().maxSpeed;
        }
        if (!(decl.Airspeed >= polar().minSpeed)) {
            decl.Airspeed = polar().minSpeed;
        }
        Repaint();
    }
    if (Value(chkBremsen) == 1 && !barLocked()) {
        if (overBrakeBar(x, y)) {
            Screen::setMousePointer(Screen::kPointerSizeWE);
            if (button == 1) {
                BrakeBarDragging = true;
            }
        } else {
            Screen::setMousePointer(Screen::kPointerDefault);
        }
    } else if (!BrakeBarDragging) {
        // With the bar locked there is nothing to grab: never keep the double arrow.
        Screen::setMousePointer(Screen::kPointerDefault);
    }
}

// Left and Right move the bar by 0,5 km/h onto the 0,5 grid, PgUp and PgDn by 5 km/h,
// Home and End to full brake and full accelerator; within the polar's range, redrawn as
// a drag is.
void frmStart::picPolare_KeyDown(int key)
{
    if (Value(chkBremsen) != 1 || barLocked()) {
        return;
    }
    const double v = decl.Airspeed;
    double to = v;
    switch (key) {
    case Qt::Key_Right:
        to = std::floor(2.0 * (v + 0.5)) / 2.0;
        break;
    case Qt::Key_Left:
        to = std::ceil(2.0 * (v - 0.5)) / 2.0;
        break;
    case Qt::Key_PageUp:
        to = std::floor(2.0 * (v + 5.0)) / 2.0;
        break;
    case Qt::Key_PageDown:
        to = std::ceil(2.0 * (v - 5.0)) / 2.0;
        break;
    case Qt::Key_Home:
        to = polar().minSpeed;
        break;
    case Qt::Key_End:
        to = polar().maxSpeed;
        break;
    default:
        return;
    }
    decl.Airspeed = std::clamp(static_cast<float>(to), polar().minSpeed, polar().maxSpeed);
    Repaint();
}

void frmStart::picPolare_MouseUp(int, int, float x, float y)
{
    BrakeBarDragging = false;
    // A drag released away from the bar must not leave the double arrow behind.
    if (Value(chkBremsen) != 1 || !overBrakeBar(x, y)) {
        Screen::setMousePointer(Screen::kPointerDefault);
    }
}
