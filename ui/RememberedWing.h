#pragma once

#include "Reach.h"
#include "SpeedToFly.h"
#include "Wing.h"

#include <QString>
#include <optional>

// The wing the window shows at its next start, kept with QSettings in the user's
// configuration folder: the polar as it was read (not only the file's path, so that
// moving the file loses nothing), the speeds, the masses and the name. Only the window
// uses it; the command-line tools never look at it.

// Keeps the wing for the next start; a built-in polar forgets the stored one. False with
// a sentence in the user's language in error where the settings cannot be written.
bool rememberWing(const Wing &wing, QString &error);
void forgetWing();

// The stored wing, made again through every check of a wing; nothing if none is stored.
// Stored data that no longer passes (an edited or corrupt settings file, an entry that is
// no number, no polar) gives nothing with a reason naming the settings file in error, and
// the stored wing is forgotten.
std::optional<Wing> rememberedWing(QString &error);

// The folder the polar file dialog opened last; empty at first.
QString lastPolarFolder();
void rememberPolarFolder(const QString &folder);

// The landing field of the window's lesson "Landeplatz erreichen", kept like the wing.
// False with a sentence in error where the settings cannot be written.
bool rememberReach(const ReachQuestion &question, QString &error);

// The expected climb (m/s) and the drifting thermal of the lesson "Sollfahrt", kept like
// the field.
bool rememberClimb(double climb, bool drifting, QString &error);
// The stored ones; nothing if none are stored or they do not hold (then forgotten, and
// error says why).
std::optional<std::pair<double, bool>> rememberedClimb(QString &error);

// The stored landing field; nothing if none is stored. Entries that are no number, out
// of range, or a height not above the margin give nothing with a reason naming the
// settings file in error, and the stored field is forgotten.
std::optional<ReachQuestion> rememberedReach(QString &error);
