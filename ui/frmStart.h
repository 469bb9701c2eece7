#pragma once

#include "Controls.h"
#include "Diagram.h"
#include "Exercise.h"
#include "Layout.h"
#include "PictureBox.h"
#include "Wing.h"
#include "modDeklarationen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

// The program's one window: the diagram, the wind bars, the switches and buttons.
// Its controls and drawing procedures are public because the tour drives them.
class QDoubleSpinBox;

class frmStart : public QWidget
{
    Q_OBJECT
public:
    explicit frmStart(QWidget *parent = nullptr);
    ~frmStart() override;

    // The redraw cycle every change of state ends in.
    void Repaint();
    void RestoreBackground();
    void DrawPolarOverlay(float &windH, float &windV);
    void DrawGlidePath(float &windH, float &windV);

    // Moves a scroll bar's thumb the way the program does: no wind handler runs.
    static void setBarValue(QScrollBar *bar, int value);
    // A check box's Value: 1 ticked, 0 not.
    static int Value(const QAbstractButton *box) { return box->isChecked() ? 1 : 0; }

    // The tour panel's height in diagram units (it is placed in them).
    float tourTextHeight() const { return m_tourTextHeight; }
    void setTourTextHeight(float units);

    const FormLayout &layout() const { return m_layout; }
    OverlaySwitches switches() const;

    // Writes the diagram as it stands on the screen to path: PNG pixel for pixel, SVG or
    // PDF as the same drawing in vectors (by the file's ending), with the read-out above.
    // False with a reason in the user's language on failure.
    bool saveDiagram(const QString &path, QString &error);

    // A pilot's wing in place of the built-in polar (nullptr: the built-in one); redraws.
    // A held comparison stays, drawn with the wing it was made with.
    void setWing(const Wing *wing);
    // The wing the user chose: the built-in polar unless one was loaded.
    const Wing &wing() const { return m_wing; }
    // The tour teaches with a polar of its own, passed here (nullptr: back to the user's
    // wing). True when that changes the polar shown; the caller redraws.
    bool setTourWing(const Wing *wing);
    // The polar the window computes and draws with now.
    const Wing &polar() const { return m_tourWing ? *m_tourWing : m_wing; }

    // An exercise's result line from its numbers: the words as they stand, or shorter ones
    // where the line would not fit (fits says whether it does).
    struct ExerciseScore
    {
        float chosenAirspeed, chosenGroundH, chosenGroundV; // km/h, km/h, m/s
        float bestAirspeed, bestGroundH, bestGroundV;
        int percent, average, solved, given;
    };
    static QString exerciseResultText(const ExerciseScore &score,
                                      const std::function<bool(const QString &)> &fits);
    // How far and which way the learner's airspeed (km/h) is off the right one: "richtig"
    // within 0,5 km/h, else "2,5 km/h zu schnell" or "… zu langsam".
    static QString directionWords(float chosenAirspeed, float bestAirspeed);

    // Exercises: F5 sets a random wind and frees the brake bar, the learner moves it to
    // best glide over the ground and presses Enter; the read-out strip shows the task,
    // then the score. Esc, a wind set by the user, locking the brakes or the tour end it;
    // endExercise leaves the redraw to its caller.
    void newExercise();
    void solveExercise();
    void endExercise();
    bool exerciseRunning() const { return m_exercise.active; }
    bool exerciseSolved() const { return m_exercise.solved; }
    // The winds of the exercises follow from this seed (by default a random one).
    void setExerciseSeed(std::uint64_t seed) { m_windDraw = WindDraw(seed); }

    // The present shifted polar and ground-speed vector kept in grey under every later
    // redraw, with a legend, until cleared (the tour clears it too); another wing loaded
    // meanwhile leaves it as it was made.
    void holdComparison();
    void clearComparison(bool redraw = true);
    bool hasComparison() const { return m_comparison.has_value(); }

    // The window's lessons: best glide over the ground (the default, and the tour's), and
    // whether a landing field is reached. F6 and the context menu choose.
    enum class Lesson { BestGlide, Reach, SpeedToFly };
    Lesson lesson() const { return m_lesson; }
    void setLesson(Lesson lesson);
    void nextLesson();
    // The landing field of the lesson, as its row of fields holds it.
    const ReachQuestion &reachQuestion() const { return m_reachQuestion; }
    QDoubleSpinBox *distanceField() const { return m_distanceField; }
    QDoubleSpinBox *heightField() const { return m_heightField; }
    QDoubleSpinBox *marginField() const { return m_marginField; }
    // The expected climb of the lesson "Sollfahrt", and whether the thermal drifts.
    double expectedClimb() const { return m_climb; }
    bool thermalDrifts() const { return m_drifting; }
    QDoubleSpinBox *climbField() const { return m_climbField; }
    QCheckBox *driftBox() const { return m_driftBox; }
    // Why the field kept from the last run was forgotten at this start; empty if it was not.
    QString storedReachProblem() const { return m_storedReachProblem; }
    // Why the climb kept from the last run was forgotten at this start; empty if it was not.
    QString storedClimbProblem() const { return m_storedClimbProblem; }

    // A landing-field task in the read-out's two lines: the task and the question while it
    // runs (answer: the yes or no given so far), the verdict and the score once solved.
    static QStringList reachTaskLines(int number, const ReachQuestion &q, int windH,
                                      int windVTenths, std::optional<bool> answer);
    struct ReachResult
    {
        bool right, reaches;
        double arrivalM;                     // at the airspeed that arrives highest
        float bestAirspeed, chosenAirspeed;  // km/h
        int percent, average, solved, given; // as the exercise's result counts them
    };
    static QStringList reachResultLines(const ReachResult &r);
    // A task of the lesson "Sollfahrt" in the read-out's two lines, asked and solved.
    static QStringList climbTaskLines(int number, double climbMs, int windH, int windVTenths);
    struct ClimbResult
    {
        double climbMs;
        float bestAirspeed, chosenAirspeed; // km/h
        QString bestSetting;                // brake or accelerator at the speed to fly
        double bestAverage, chosenAverage;  // km/h; NaN where the bar's average has no meaning
        int percent, average, solved, given;
    };
    static QStringList climbResultLines(const ClimbResult &r);

    // What "Ende" does after telling everyone: by default end the event loop.
    void setEndProgram(std::function<void()> end) { m_endProgram = std::move(end); }

    modDeklarationen decl;
    bool WaitingForWeiter = false;
    bool WeiterPressed = false;

    PictureBox *picPolare = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QCheckBox *chkWind = nullptr;
    QCheckBox *chkAirspeed = nullptr;
    QPushButton *chkBremsen = nullptr;
    QPushButton *cmdTour = nullptr;
    QPushButton *cmdWeiter = nullptr;
    Label *txtTour = nullptr;
    Label *lblInfo = nullptr;
    Label *lblAufwind = nullptr;
    Label *lblWind = nullptr;

    // What the tour never touches, read-only for everyone else.
    bool brakeBarDragging() const { return BrakeBarDragging; }
    PictureBox *copyBox() const { return picCopy; }
    QPushButton *endButton() const { return cmdEnde; }
    QComboBox *freewareBox() const { return cboFree; }
    Label *authorLabel() const { return lblAuthor; }
    Label *updraftCaption() const { return lblVScrUp; }
    Label *downdraftCaption() const { return lblVScrDown; }
    Label *headwindCaption() const { return lblHScrRight; }
    Label *tailwindCaption() const { return lblHscrLeft; }

signals:
    // The window is closing, or "Ende" was pressed: a running tour must give up.
    void closing();
    void ending();

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void createControls();
    void Form_Load();
    float checkBoxHeightTwips() const;
    void placeWindow(const FormLayout &L);
    void placeControls(const FormLayout &L);
    void adoptFrame(const QMargins &frame);
    void placeInDiagram(QWidget *child, const TwipsRect &units);
    void setUpAccessibility();
    void setUpExport();
    void copyDiagram();
    void saveDiagramAs();
    void picPolare_ContextMenu(const QPoint &at);
    void loadWingFromFile();
    void applyWing();
    void setUpLessons();
    void createReachRow();
    void placeReadout();
    void reachFieldsChanged();
    void showReach();
    void answerReach(bool yes);
    void showReachTask();
    void setReachFields(const ReachQuestion &question);
    void createSpeedToFlyRow();
    void speedToFlyChanged();
    void showSpeedToFly();
    void showClimbTask();
    void enableExerciseKeys(bool on);
    void showExercise();
    QString exerciseTask() const;
    QString exerciseResult() const;
    // After Enter the answer stands: the bar moves neither by mouse nor by key.
    // The average score of the exercises solved in this lesson, whole percent.
    int lessonAverage() const;
    bool barLocked() const { return m_exercise.active && m_exercise.solved; }
    void picPolare_KeyDown(int key);
    // The wind bars carry the winds in their accessible names.
    void announceWinds();

    void VScroll1_Scroll();
    void HScroll1_Scroll();
    void chkWind_Click();
    void chkAirspeed_Click();
    void chkBremsen_Click();
    void cmdEnde_Click();
    void picPolare_MouseMove(int button, int shift, float x, float y);
    void picPolare_MouseUp(int button, int shift, float x, float y);
    bool overBrakeBar(float x, float y) const;

    bool BrakeBarDragging = false;
    PictureBox *picCopy = nullptr;
    QPushButton *cmdEnde = nullptr;
    QComboBox *cboFree = nullptr;
    Label *lblAuthor = nullptr;
    Label *lblVScrUp = nullptr;
    Label *lblVScrDown = nullptr;
    Label *lblHScrRight = nullptr;
    Label *lblHscrLeft = nullptr;

    FormLayout m_layout;
    SavedPen m_saved;
    float m_tourTextHeight = 0.0f;
    bool m_frameAdopted = false;
    std::function<void()> m_endProgram;
    Wing m_wing;
    std::optional<Wing> m_tourWing;

    struct Exercise
    {
        bool active = false;
        bool solved = false;
        int number = 0;         // counts from 1 in each run of the program
        int windH = 0;          // km/h
        int windVTenths = 0;    // tenths of m/s
        float bestGroundH = 0;  // km/h, best glide over the ground
        float bestGroundV = 0;  // m/s
        float bestAirspeed = 0; // km/h
        // The learner's answer as Enter fixed it.
        float chosenAirspeed = 0;
        float chosenGroundH = 0;
        float chosenGroundV = 0;
        // A landing-field task: its field, whether it is reached, and the learner's yes
        // or no.
        bool reach = false;
        ReachQuestion question;
        bool reaches = false;
        double arrivalM = 0; // at best glide over the ground
        std::optional<bool> answer;
        // A speed-to-fly task: its climb (m/s), and the best average (km/h).
        bool climb = false;
        double climbMs = 0;
        double bestAverage = 0;
        double chosenAverage = 0;
    };
    Exercise m_exercise;
    WindDraw m_windDraw{std::random_device{}()};
    std::map<int, int> m_scores; // solved exercise's number -> achieved percent
    std::optional<Comparison> m_comparison;
    Lesson m_lesson = Lesson::BestGlide;
    ReachQuestion m_reachQuestion;
    QString m_storedReachProblem;
    QString m_storedClimbProblem;
    QWidget *m_reachRow = nullptr;
    double m_climb = 1.0;    // m/s
    bool m_drifting = false; // the thermal drifts with the wind
    QWidget *m_speedToFlyRow = nullptr;
    QDoubleSpinBox *m_climbField = nullptr;
    QCheckBox *m_driftBox = nullptr;
    QDoubleSpinBox *m_distanceField = nullptr;
    QDoubleSpinBox *m_heightField = nullptr;
    QDoubleSpinBox *m_marginField = nullptr;
    QShortcut *m_solveKey = nullptr;
    QShortcut *m_solveKeypad = nullptr;
    QShortcut *m_endKey = nullptr;
    QShortcut *m_yesKey = nullptr;
    QShortcut *m_noKey = nullptr;
};
