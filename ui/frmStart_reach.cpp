// The window's lessons beyond best glide: whether a landing field is reached, with its row
// of fields under the wind bar and its answer in the read-out.
#include "Diagram.h"
#include "Format.h"
#include "Language.h"
#include "RememberedWing.h"
#include "frmStart.h"

#include <QDoubleSpinBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <cmath>

namespace {

// A number field with its label in a lesson's row; the label names it for screen readers
// too and gives it its shortcut.
QDoubleSpinBox *addNumberField(QWidget *row, QHBoxLayout *layout, const QString &label, double min,
                               double max, double step, int decimals, const QString &suffix)
{
    auto *text = new QLabel(label, row);
    auto *box = new QDoubleSpinBox(row);
    box->setDecimals(decimals);
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setSuffix(suffix);
    box->setAccessibleName(label);
    text->setBuddy(box);
    layout->addWidget(text);
    layout->addWidget(box);
    return box;
}

} // namespace

void frmStart::createReachRow()
{
    m_reachRow = new QWidget(this);
    auto *row = new QHBoxLayout(m_reachRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    const auto field = [&](const QString &label, double max, double step, int decimals,
                           const QString &suffix) {
        QDoubleSpinBox *box =
            addNumberField(m_reachRow, row, label, 0.0, max, step, decimals, suffix);
        box->setAccelerated(true);
        row->addSpacing(6);
        return box;
    };
    m_distanceField =
        field(translated("Window", "Landeplatz"), kReachFarthestKm, 0.1, 1, QStringLiteral(" km"));
    m_heightField =
        field(translated("Window", "Höhe"), kReachHighestM, 10.0, 0, QStringLiteral(" m"));
    m_marginField = field(translated("Window", "Sicherheitshöhe"), kReachLargestMarginM, 10.0, 0,
                          QStringLiteral(" m"));
    row->addStretch(1);
    m_distanceField->setMinimum(kReachShortestKm);

    // The field of the last run, where one was kept and still holds.
    if (const std::optional<ReachQuestion> kept = rememberedReach(m_storedReachProblem)) {
        m_reachQuestion = *kept;
    }
    for (QDoubleSpinBox *box : {m_distanceField, m_heightField, m_marginField}) {
        const QSignalBlocker quiet(box);
        box->setValue(box == m_distanceField ? m_reachQuestion.distanceKm
                      : box == m_heightField ? m_reachQuestion.heightM
                                             : m_reachQuestion.marginM);
        connect(box, &QDoubleSpinBox::valueChanged, this, &frmStart::reachFieldsChanged);
    }
    // A field is always above its safety margin.
    m_heightField->setMinimum(std::max(kReachLowestM, m_reachQuestion.marginM + 10.0));
    m_reachRow->hide();
}

void frmStart::reachFieldsChanged()
{
    {
        const QSignalBlocker quiet(m_heightField);
        m_heightField->setMinimum(std::max(kReachLowestM, m_marginField->value() + 10.0));
    }
    m_reachQuestion = {m_distanceField->value(), m_heightField->value(), m_marginField->value()};
    // The picture answers first, so that a message about the settings stands over it.
    Repaint();
    // Kept for the next start; where it cannot be, the user hears so once a run.
    static bool told = false;
    if (QString why; !rememberReach(m_reachQuestion, why) && !told) {
        told = true;
        QMessageBox::warning(this, translated("Window", "Landeplatz erreichen"), why);
    }
}

void frmStart::placeReadout()
{
    const TwipsRect &r =
        m_lesson == Lesson::BestGlide ? m_layout.lblInfo : m_layout.lblInfoTwoLines;
    setGeometryTwips(lblInfo, {r.left, r.top, r.width, r.height});
}

void frmStart::setLesson(Lesson lesson)
{
    if (lesson == m_lesson) {
        return;
    }
    // An exercise and its average belong to the lesson they were set in.
    endExercise();
    m_scores.clear();
    m_lesson = lesson;
    m_reachRow->setVisible(lesson == Lesson::Reach);
    m_speedToFlyRow->setVisible(lesson == Lesson::SpeedToFly);
    placeReadout();
    Repaint();
}

void frmStart::nextLesson()
{
    if (!cmdTour->isEnabled()) {
        return;
    }
    setLesson(m_lesson == Lesson::BestGlide ? Lesson::Reach
              : m_lesson == Lesson::Reach   ? Lesson::SpeedToFly
                                            : Lesson::BestGlide);
}

void frmStart::showReach()
{
    const Reach reach = ReachField(polar(), m_reachQuestion, decl.WindH, decl.WindV);
    const std::optional<float> chosen =
        Value(chkBremsen) == 1 ? std::optional<float>(decl.Airspeed) : std::nullopt;
    const ReachWords words =
        reachInWords(polar(), m_reachQuestion, reach, decl.WindH, decl.WindV, chosen);
    // The glide ratios as the glide path wrote them, the bar's arrival beside them, and
    // the answer under them; without the field's numbers, which its row shows, where the
    // whole line would not fit.
    const QFontMetricsF metrics(lblInfo->font());
    QString second = words.line();
    if (metrics.horizontalAdvance(second) > lblInfo->width()) {
        second = words.answer;
    }
    lblInfo->setCaption(lessonReadout(lblInfo->caption(), words.yours, second));
}

void frmStart::setReachFields(const ReachQuestion &question)
{
    // The task's field, shown and used, but not kept for the next start.
    for (QDoubleSpinBox *box : {m_distanceField, m_heightField, m_marginField}) {
        const QSignalBlocker quiet(box);
        if (box == m_heightField) {
            box->setMinimum(std::max(kReachLowestM, question.marginM + 10.0));
        }
        box->setValue(box == m_distanceField ? question.distanceKm
                      : box == m_heightField ? question.heightM
                                             : question.marginM);
    }
    m_reachQuestion = question;
}

void frmStart::answerReach(bool yes)
{
    if (!m_exercise.active || !m_exercise.reach || m_exercise.solved) {
        return;
    }
    m_exercise.answer = yes;
    showReachTask();
}

QStringList frmStart::reachTaskLines(int number, const ReachQuestion &q, int windH, int windVTenths,
                                     std::optional<bool> answer)
{
    const QString task =
        translated("Window", "Aufgabe %1: %2 m über dem Landeplatz, %3 km entfernt, %4, "
                             "Sicherheitshöhe %5 m")
            .arg(number)
            .arg(FormatFixed(q.heightM, 0), FormatFixed(q.distanceKm, 1),
                 windInWords(windH, windVTenths), FormatFixed(q.marginM, 0));
    const QString ask =
        !answer ? translated("Window", "Reicht es? J oder N, dann Balken auf die Fahrt, die am "
                                       "höchsten ankommt, und Eingabetaste")
        : *answer
            ? translated("Window", "Ihre Antwort: ja – nun Balken auf die Fahrt, die am höchsten "
                                   "ankommt, und Eingabetaste")
            : translated("Window", "Ihre Antwort: nein – nun Balken auf die Fahrt, die am "
                                   "höchsten ankommt, und Eingabetaste");
    return {task, ask};
}

QStringList frmStart::reachResultLines(const ReachResult &r)
{
    const QString verdict =
        (r.reaches ? translated("Window", "%1: es reicht – Ankunft %2 m bei %3 km/h")
                   : translated("Window", "%1: es reicht nicht – Ankunft %2 m bei %3 km/h"))
            .arg(r.right ? translated("Window", "Richtig") : translated("Window", "Falsch"),
                 FormatFixed(r.arrivalM, 0), FormatFixed(r.bestAirspeed, 1));
    const QString direction = directionWords(r.chosenAirspeed, r.bestAirspeed);
    const QString score =
        translated("Window", "Ihre Fahrt %1 km/h, %2 · %3 % · Schnitt %4 % (%5 von %6)")
            .arg(FormatFixed(r.chosenAirspeed, 1), direction)
            .arg(r.percent)
            .arg(r.average)
            .arg(r.solved)
            .arg(r.given);
    return {verdict, score};
}

void frmStart::showReachTask()
{
    const Exercise &e = m_exercise;
    if (!e.solved) {
        lblInfo->setCaption(
            reachTaskLines(e.number, e.question, e.windH, e.windVTenths, e.answer).join('\n'));
        return;
    }
    DrawSolution(*picPolare, e.bestGroundH, e.bestGroundV);
    const ReachResult result{*e.answer == e.reaches,
                             e.reaches,
                             e.arrivalM,
                             e.bestAirspeed,
                             e.chosenAirspeed,
                             m_scores.at(e.number),
                             lessonAverage(),
                             static_cast<int>(m_scores.size()),
                             e.number};
    lblInfo->setCaption(reachResultLines(result).join('\n'));
}

void frmStart::createSpeedToFlyRow()
{
    m_speedToFlyRow = new QWidget(this);
    auto *row = new QHBoxLayout(m_speedToFlyRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    m_climbField = addNumberField(m_speedToFlyRow, row, translated("Window", "Erwartetes Steigen"),
                                  kLowestClimb, kStrongestClimb, 0.1, 1, QStringLiteral(" m/s"));
    m_driftBox = new QCheckBox(translated("Window", "Bart driftet mit dem Wind"), m_speedToFlyRow);
    row->addSpacing(12);
    row->addWidget(m_driftBox);
    row->addStretch(1);
    if (const std::optional<std::pair<double, bool>> kept = rememberedClimb(m_storedClimbProblem)) {
        m_climb = kept->first;
        m_drifting = kept->second;
    }
    {
        const QSignalBlocker quiet(m_climbField);
        const QSignalBlocker quietToo(m_driftBox);
        m_climbField->setValue(m_climb);
        m_driftBox->setChecked(m_drifting);
    }
    connect(m_climbField, &QDoubleSpinBox::valueChanged, this, &frmStart::speedToFlyChanged);
    connect(m_driftBox, &QCheckBox::toggled, this, &frmStart::speedToFlyChanged);
    m_speedToFlyRow->hide();
}

void frmStart::speedToFlyChanged()
{
    m_climb = m_climbField->value();
    m_drifting = m_driftBox->isChecked();
    Repaint();
    static bool told = false;
    if (QString why; !rememberClimb(m_climb, m_drifting, why) && !told) {
        told = true;
        QMessageBox::warning(this, translated("Window", "Sollfahrt (MacCready)"), why);
    }
}

void frmStart::showSpeedToFly()
{
    const SpeedToFly s = SpeedToFlyFor(polar(), m_climb, decl.WindH, decl.WindV, m_drifting);
    const std::optional<float> chosen =
        Value(chkBremsen) == 1 ? std::optional<float>(decl.Airspeed) : std::nullopt;
    const SpeedToFlyWords words =
        speedToFlyInWords(polar(), m_climb, s, chosen, decl.WindH, decl.WindV, m_drifting);
    lblInfo->setCaption(lessonReadout(lblInfo->caption(), words.yours, words.answer));
}

QStringList frmStart::climbTaskLines(int number, double climbMs, int windH, int windVTenths)
{
    const QString mc = translated("Diagram", "MC %1 m/s").arg(FormatFixed(climbMs, 1));
    return {translated("Window", "Aufgabe %1: %2, %3")
                .arg(number)
                .arg(mc, windInWords(windH, windVTenths)),
            translated("Window", "Balken auf die Sollfahrt, dann Eingabetaste")};
}

QStringList frmStart::climbResultLines(const ClimbResult &r)
{
    const QString mc = translated("Diagram", "MC %1 m/s").arg(FormatFixed(r.climbMs, 1));
    const QString first =
        translated("Window", "%1: Sollfahrt %2 km/h (%3), Schnitt %4 km/h")
            .arg(mc, FormatFixed(r.bestAirspeed, 1), r.bestSetting, FormatFixed(r.bestAverage, 1));
    const QString second =
        translated("Window", "Ihre Fahrt %1 km/h, %2 · Schnitt %3 km/h · %4 % · Mittel %5 % "
                             "(%6 von %7)")
            .arg(FormatFixed(r.chosenAirspeed, 1), directionWords(r.chosenAirspeed, r.bestAirspeed),
                 std::isnan(r.chosenAverage) ? QStringLiteral("–")
                                             : FormatFixed(r.chosenAverage, 1))
            .arg(r.percent)
            .arg(r.average)
            .arg(r.solved)
            .arg(r.given);
    return {first, second};
}

void frmStart::showClimbTask()
{
    const Exercise &e = m_exercise;
    if (!e.solved) {
        lblInfo->setCaption(climbTaskLines(e.number, e.climbMs, e.windH, e.windVTenths).join('\n'));
        return;
    }
    DrawSolution(*picPolare, e.bestAirspeed + decl.WindH,
                 polar().sink(e.bestAirspeed) + decl.WindV);
    const ClimbResult result{e.climbMs,
                             e.bestAirspeed,
                             e.chosenAirspeed,
                             settingInWords(polar(), e.bestAirspeed),
                             e.bestAverage,
                             e.chosenAverage,
                             m_scores.at(e.number),
                             lessonAverage(),
                             static_cast<int>(m_scores.size()),
                             e.number};
    lblInfo->setCaption(climbResultLines(result).join('\n'));
}
