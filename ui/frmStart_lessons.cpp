// Lessons in the window: exercises that score the learner, and a state held for
// comparison. Reached through keys and the diagram's context menu, never during the tour.
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QDoubleSpinBox>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QShortcut>
#include <cmath>
#include <numeric>

void frmStart::setUpLessons()
{
    new QShortcut(Qt::Key_F5, this, this, &frmStart::newExercise);
    new QShortcut(Qt::Key_F6, this, this, &frmStart::nextLesson);
    // Enter and Esc belong to the exercise only while one runs; otherwise they stay with
    // the focused control.
    m_solveKey = new QShortcut(Qt::Key_Return, this, this, &frmStart::solveExercise);
    m_solveKeypad = new QShortcut(Qt::Key_Enter, this, this, &frmStart::solveExercise);
    m_endKey = new QShortcut(Qt::Key_Escape, this, this, [this] {
        endExercise();
        Repaint();
    });
    // A landing-field task's yes or no, in the user's language: J/N, Y/N.
    const bool english = currentLanguage() == Language::English;
    m_yesKey =
        new QShortcut(english ? Qt::Key_Y : Qt::Key_J, this, this, [this] { answerReach(true); });
    m_noKey = new QShortcut(Qt::Key_N, this, this, [this] { answerReach(false); });
    enableExerciseKeys(false);
}

void frmStart::enableExerciseKeys(bool on)
{
    for (QShortcut *key : {m_solveKey, m_solveKeypad, m_endKey, m_yesKey, m_noKey}) {
        key->setEnabled(on);
    }
}

void frmStart::newExercise()
{
    if (!cmdTour->isEnabled()) {
        return;
    }
    // The lesson decides the task: a wind, or a wind with a landing field.
    std::optional<ReachTask> task;
    std::optional<ClimbTask> climbTask;
    std::optional<ExerciseWind> wind;
    if (m_lesson == Lesson::SpeedToFly) {
        climbTask = m_windDraw.nextClimb(polar(), m_drifting);
        wind = climbTask ? std::optional<ExerciseWind>(climbTask->wind) : std::nullopt;
    } else if (m_lesson == Lesson::Reach) {
        task = m_windDraw.nextReach(polar());
        wind = task ? std::optional<ExerciseWind>(task->wind) : std::nullopt;
    } else {
        wind = m_windDraw.next(polar());
    }
    if (!wind) {
        QMessageBox::information(
            this, translated("Window", "Übung"),
            withNumberSign(translated("Window", "Für diesen Schirm ergibt kein Wind von -30 bis "
                                                "30 km/h und -2,0 bis 1,0 m/s eine Aufgabe, deren "
                                                "Tangente im Diagramm liegt.")));
        return;
    }
    // The wind as the tour sets it: the program moves the bars, no scroll handler runs.
    decl.WindH = static_cast<float>(wind->windH);
    decl.WindV = WindVFromTenths(wind->windVTenths);
    setBarValue(HScroll1, wind->windH);
    setBarValue(VScroll1, BarValueFromWindV(decl.WindV));
    Exercise next;
    next.active = true;
    next.number = m_exercise.number + 1;
    next.windH = wind->windH;
    next.windVTenths = wind->windVTenths;
    const Flight best = FlightFor(polar(), 0.0f, false, decl.WindH, decl.WindV);
    next.bestAirspeed = best.airspeed;
    next.bestGroundH = best.groundSpeedH;
    next.bestGroundV = best.groundSpeedV;
    if (climbTask) {
        next.climb = true;
        next.climbMs = climbTask->climbTenths / 10.0;
        const SpeedToFly s =
            SpeedToFlyFor(polar(), next.climbMs, decl.WindH, decl.WindV, m_drifting);
        next.bestAirspeed = s.airspeed;
        next.bestAverage = s.averageKmh;
        const QSignalBlocker quiet(m_climbField);
        m_climbField->setValue(next.climbMs);
        m_climb = next.climbMs;
    }
    if (task) {
        next.reach = true;
        next.question = task->question;
        const Reach reach = ReachField(polar(), task->question, decl.WindH, decl.WindV);
        next.reaches = reach.reaches;
        next.arrivalM = reach.arrivalM;
        setReachFields(task->question);
    }
    m_exercise = next;
    enableExerciseKeys(true);
    // The learner starts from trim, with the bar free and the keys on the diagram.
    decl.Airspeed = polar().trimSpeed;
    picPolare->setFocus(Qt::OtherFocusReason);
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
    // A landing-field task wants its yes or no first: Enter alone scores nothing.
    if (m_exercise.reach && !m_exercise.answer) {
        lblInfo->setCaption(
            lblInfo->caption().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') +
            translated("Window", "Erst J oder N: Reicht es? Dann die Eingabetaste."));
        return;
    }
    // The answer is fixed now: the bar stays where it is until the exercise ends.
    BrakeBarDragging = false;
    m_exercise.solved = true;
    m_exercise.chosenAirspeed = decl.Airspeed;
    m_exercise.chosenGroundH = decl.GroundSpeedH;
    m_exercise.chosenGroundV = decl.GroundSpeedV;
    m_exercise.chosenAverage = AverageSpeed(polar(), m_exercise.climbMs, decl.Airspeed, decl.WindH,
                                            decl.WindV, m_drifting);
    m_scores[m_exercise.number] =
        m_exercise.climb ? climbPercent(m_exercise.chosenAverage, m_exercise.bestAverage)
        : m_exercise.reach
            ? reachPercent(*m_exercise.answer == m_exercise.reaches, decl.GroundSpeedH,
                           decl.GroundSpeedV, m_exercise.bestGroundH, m_exercise.bestGroundV)
            : achievedPercent(decl.GroundSpeedH, decl.GroundSpeedV, m_exercise.bestGroundH,
                              m_exercise.bestGroundV);
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

namespace {

// The learner's and the best flight in words ("GZ 13,1", "kein Vorankommen"), with the
// longest word shortened on demand.
QString glideWords(float groundH, float groundV, bool shortWords)
{
    QString words = glideInWords(groundH, groundV);
    if (shortWords) {
        words.replace(translated("Diagram", "kein Vorankommen"),
                      translated("Window", "kein Vorank."));
    }
    return words;
}

} // namespace

QString frmStart::exerciseTask() const
{
    return translated("Window", "Übung %1: %2 – Balken auf bestes Gleiten, dann Eingabetaste")
        .arg(m_exercise.number)
        .arg(windInWords(m_exercise.windH, m_exercise.windVTenths));
}

QString frmStart::directionWords(float chosenAirspeed, float bestAirspeed)
{
    const double off = static_cast<double>(chosenAirspeed) - bestAirspeed;
    return std::fabs(off) <= 0.5 ? translated("Window", "richtig")
                                 : (off > 0 ? translated("Window", "%1 km/h zu schnell")
                                            : translated("Window", "%1 km/h zu langsam"))
                                       .arg(FormatFixed(std::fabs(off), 1));
}

int frmStart::lessonAverage() const
{
    const int sum =
        std::accumulate(m_scores.begin(), m_scores.end(), 0,
                        [](int total, const auto &score) { return total + score.second; });
    return static_cast<int>(
        std::lround(static_cast<double>(sum) / static_cast<double>(m_scores.size())));
}

QString frmStart::exerciseResultText(const ExerciseScore &s,
                                     const std::function<bool(const QString &)> &fits)
{
    const QString direction = directionWords(s.chosenAirspeed, s.bestAirspeed);
    // The words as they stand, then shorter ones until the line fits its strip; no part
    // is ever left out.
    const QString patterns[] = {
        translated("Window", "Ihre Wahl %1 km/h, %2 · Bestes Gleiten %3 km/h, %4 · %5 · %6 % · "
                             "Schnitt %7 % (%8 von %9)"),
        translated("Window", "Wahl %1 km/h, %2 · Bestes %3 km/h, %4 · %5 · %6 % · Schnitt %7 % "
                             "(%8 von %9)"),
        translated("Window", "Wahl %1 km/h, %2 · Bestes %3 km/h, %4 · %5 · %6 % · Ø %7 % (%8/%9)")};
    QString line;
    for (int level = 0; level < 3; ++level) {
        line = patterns[level]
                   .arg(FormatFixed(s.chosenAirspeed, 1),
                        glideWords(s.chosenGroundH, s.chosenGroundV, level == 2),
                        FormatFixed(s.bestAirspeed, 1),
                        glideWords(s.bestGroundH, s.bestGroundV, level == 2), direction)
                   .arg(s.percent)
                   .arg(s.average)
                   .arg(s.solved)
                   .arg(s.given);
        if (fits(line)) {
            break;
        }
    }
    return line;
}

QString frmStart::exerciseResult() const
{
    const ExerciseScore score{m_exercise.chosenAirspeed,
                              m_exercise.chosenGroundH,
                              m_exercise.chosenGroundV,
                              m_exercise.bestAirspeed,
                              m_exercise.bestGroundH,
                              m_exercise.bestGroundV,
                              m_scores.at(m_exercise.number),
                              lessonAverage(),
                              static_cast<int>(m_scores.size()),
                              m_exercise.number};
    const QFontMetricsF metrics(lblInfo->font());
    return exerciseResultText(score, [&](const QString &line) {
        return metrics.horizontalAdvance(line) <= lblInfo->width();
    });
}

void frmStart::showExercise()
{
    if (m_exercise.reach) {
        showReachTask();
        return;
    }
    if (m_exercise.climb) {
        showClimbTask();
        return;
    }
    if (!m_exercise.solved) {
        lblInfo->setCaption(exerciseTask());
        return;
    }
    DrawSolution(*picPolare, m_exercise.bestGroundH, m_exercise.bestGroundV);
    lblInfo->setCaption(exerciseResult());
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
