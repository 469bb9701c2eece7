#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class WindDraw;
struct ClimbTask;
struct Wing;

// A worksheet for a theory evening: A4 portrait, two tasks a page, each the diagram for
// a random wind with the shifted polar, the wind vectors and the brake scale, where the
// learner lays the tangent; then the "Lösungen" pages with the same diagrams complete
// and the answers the card gives. The winds come from the whole envelope, each diagram's
// window shifted to show its task whole. The same seed gives the same winds.

// The solutions open with a table of all answers. Every footer prints remake, the
// command that makes the same sheet again.

// What the tasks ask: best glide over the ground, or whether a landing field is reached
// (each task then names a field and its safety margin, and about half are reached).
enum class WorksheetTopic { Glide, Reach, SpeedToFly };

// The PDF's bytes; needs a QApplication (its diagrams are drawn through a picture box).
// Empty if it cannot be made.
QByteArray worksheetPdf(const Wing &wing, int tasks, std::uint64_t seed, const QString &remake,
                        WorksheetTopic topic = WorksheetTopic::Glide);

// The next speed-between-thermals task of a worksheet: as the window's exercise draws
// them, and drawn again until the climb's point shows on the vertical axis of the task's
// printed diagram together with the polar and the brake scale. None if none is found.
std::optional<ClimbTask> nextWorksheetClimb(WindDraw &draw, const Wing &wing);
