// Lessons in the window: exercises that score the learner, and a state held for
// comparison. Reached through keys and the diagram's context menu, never during the tour.
#include "Diagram.h"
#include "Format.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QShortcut>
#include <numeric>

void frmStart::setUpLessons()
{
    new QShortcut(Qt::Key_F5, this, this, &frmStart::newExercise);
    // Enter and Esc belong to the exercise only while one runs; otherwise they stay with
    // the focused control.
    m_solveKey = new QShortcut(Qt::Key_Return, this, this, &frmStart::solveExercise);
    m_solveKeypad = new QShortcut(Qt::Key_Enter, this, this, &frmStart::solveExercise);
    m_endKey = new QShortcut(Qt::Key_Escape, this, this, [this] {
        endExercise();
        Repaint();
    });
    enableExerciseKeys(false);
}

void frmStart::enableExerciseKeys(bool on)
{
    for (QShortcut *key : {m_solveKey, m_solveKeypad, m_endKey}) {
        key->setEnabled(on);
    }
}

void frmStart::newExercise()
{
    if (!cmdTour->isEnabled()) {
        return;
    }
    // The wind as the tour sets it: the program moves the bars, no scroll handler runs.
    const ExerciseWind wind = m_windDraw.next(polar());
    decl.WindH = static_cast<float>(wind.windH);
    decl.WindV = WindVFromTenths(wind.windVTenths);
    setBarValue(HScroll1, wind.windH);
    setBarValue(VScroll1, BarValueFromWindV(decl.WindV));
    float best = 0;
    BestGlide(polar(), best, decl.WindH, decl.WindV);
    m_exercise = {
        true, false, m_exercise.number + 1, best + decl.WindH, Polar(polar(), best) + decl.WindV,
        best};
    enableExerciseKeys(true);
    // The learner starts from trim, with the bar free.
    decl.Airspeed = polar().trimSpeed;
    if (Value(chkBremsen) == 1) {
        Repaint();
    } else {
        chkBremsen->setChecked(true); // its click reaction redraws
    }
}

void frmStart::solveExercise()
{
    if (!m_exercise.active || m_exercise.solved) {
        return;
    }
    m_exercise.solved = true;
    Repaint();
}

// The normal read-out and picture return with the next drawing: every caller draws when
// it has changed what it came to change.
void frmStart::endExercise()
{
    if (!m_exercise.active) {
        return;
    }
    m_exercise.active = false;
    m_exercise.solved = false;
    enableExerciseKeys(false);
}

void frmStart::showExercise()
{
    if (!m_exercise.solved) {
        lblInfo->setCaption(QStringLiteral("Übung %1: Schieben Sie den schwarzen Balken auf "
                                           "bestes Gleiten über Grund, dann Eingabetaste.")
                                .arg(m_exercise.number));
        return;
    }
    DrawSolution(*picPolare, m_exercise.bestGroundH, m_exercise.bestGroundV);
    // The learner may go on moving the bar: the score follows the latest choice.
    m_scores[m_exercise.number] = achievedPercent(decl.GroundSpeedH, decl.GroundSpeedV,
                                                  m_exercise.bestGroundH, m_exercise.bestGroundV);
    const int sum =
        std::accumulate(m_scores.begin(), m_scores.end(), 0,
                        [](int total, const auto &score) { return total + score.second; });
    const int average = static_cast<int>(
        std::lround(static_cast<double>(sum) / static_cast<double>(m_scores.size())));
    const QString pattern = QStringLiteral("0.0");
    lblInfo->setCaption(
        QStringLiteral("Ihre Wahl %1 km/h: GZ %2 · Bestes Gleiten %3 km/h: GZ %4 · erreicht %5 % "
                       "· Schnitt %6 %")
            .arg(Format(decl.Airspeed, pattern),
                 overGroundRatioText(decl.GroundSpeedH, decl.GroundSpeedV),
                 Format(m_exercise.bestAirspeed, pattern),
                 overGroundRatioText(m_exercise.bestGroundH, m_exercise.bestGroundV))
            .arg(m_scores[m_exercise.number])
            .arg(average));
}

void frmStart::holdComparison()
{
    if (!cmdTour->isEnabled()) {
        return;
    }
    m_comparison =
        Comparison{polar(), decl.WindH, decl.WindV,
                   Flight{decl.Airspeed, decl.GroundSpeedH, decl.GroundSpeedV, decl.GlideAngle}};
    Repaint();
}

void frmStart::clearComparison(bool redraw)
{
    if (!m_comparison) {
        return;
    }
    m_comparison.reset();
    if (redraw) {
        Repaint();
    }
}
