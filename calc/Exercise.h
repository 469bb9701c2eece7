#pragma once

#include "Reach.h"

#include <cstdint>
#include <optional>
#include <random>

struct Wing;
// Exercises on best glide over the ground: random winds and the learner's score. No Qt.

struct ExerciseWind
{
    int windH = 0;       // km/h, negative is headwind
    int windVTenths = 0; // tenths of m/s, positive is updraft
};

// Where a task's diagram is drawn: the window's fixed one (x -60..60 km/h, y -5..5 m/s),
// or a printed one whose window is shifted to show the task whole.
enum class TaskView { FixedDiagram, FittedDiagram };

// Whether a wind makes a task: best glide over the ground is a forward descent of at
// least 0,5 m/s and neither MIN nor MAX (so a tangent touches the polar). In the fixed
// diagram the task must also be solvable in view: the touch point 2 km/h and 0,2 m/s
// inside the diagram, the bar at trim and at best glide within -58..58 km/h, and the
// brake band with its labels above the lower edge (vertical wind - 4,0 m/s >= -5,0 m/s).
bool windFitsTask(const Wing &wing, const ExerciseWind &wind,
                  TaskView view = TaskView::FixedDiagram);

// Whether any wind of the envelope fits a task for the wing.
bool anyWindFitsTask(const Wing &wing, TaskView view = TaskView::FixedDiagram);

// Random winds from the whole envelope: whole km/h from -30 to 30, tenths of m/s from
// -2.0 to 1.0, drawn again until the wind fits the task. The same seed gives the
// same winds, in the same order. Nothing when no wind of the envelope fits the wing.
// A task of the lesson "Landeplatz erreichen": a wind that fits a task, and a field.
struct ReachTask
{
    ExerciseWind wind;
    ReachQuestion question;
};

// A task of the lesson "Sollfahrt": a wind that fits a task, and an expected climb.
struct ClimbTask
{
    ExerciseWind wind;
    int climbTenths = 0; // m/s in tenths, 5..30
};

class WindDraw
{
public:
    explicit WindDraw(std::uint64_t seed) : m_rng(seed) {}
    std::optional<ExerciseWind> next(const Wing &wing, TaskView view = TaskView::FixedDiagram);
    // A wind as next draws it and a field for it, as an exam asks: the height a multiple
    // of 50 m from 300 to 1500 m, the margin one of 0 to 200 m, the distance to 0,1 km.
    // Heads or tails decides whether the field is reached, so about half are; no arrival
    // lies within reachReadingTolerance of the margin.
    std::optional<ReachTask> nextReach(const Wing &wing, TaskView view = TaskView::FixedDiagram);
    // A wind as next draws it and a climb of 0,5 to 3,0 m/s, drawn again until the speed
    // to fly is neither MIN nor MAX, its touch point and the climb's point lie in the
    // window's diagram, and the best average is at least 2 km/h.
    std::optional<ClimbTask> nextClimb(const Wing &wing, bool drifting,
                                       TaskView view = TaskView::FixedDiagram);

private:
    std::mt19937_64 m_rng;
};

// The learner's glide ratio over the ground as a share of the best one, whole percent:
// both ratios as the read-out forms them (horizontal over vertical ground speed, signed);
// 0 when the learner's choice does not move forward and down. Ground speeds in km/h and
// m/s.
int achievedPercent(float learnerH, float learnerV, float bestH, float bestV);

// A speed-to-fly task's score, whole percent: the average at the learner's airspeed as a
// share of the best average (km/h); 0 where the learner's average is not forward.
int climbPercent(double learnerAverage, double bestAverage);

// A landing-field task's score, whole percent: half for the right yes or no, half for the
// airspeed as achievedPercent judges it against the one that arrives highest.
int reachPercent(bool answerRight, float learnerH, float learnerV, float bestH, float bestV);
