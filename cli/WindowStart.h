#pragma once

#include "Wing.h"

class QWidget;

#include <QString>
#include <cstdint>
#include <optional>

// The start of the window program, around its QApplication.

struct WindowOptions
{
    std::optional<Wing> wing;          // --polar and its companions, or the remembered wing
    std::optional<std::uint64_t> seed; // --seed: the exercises' winds repeat
    QString storedWingError;           // why the remembered wing was dropped; empty: it wasn't
};

// Call first: guards the standard descriptors, answers --help and --version without any
// window, loads the wing that --polar names (with --speeds, --mass, --ref-mass, --name)
// for this start only, else the wing remembered from an earlier run, and takes --seed N.
// Returns the exit code when the program is done (2 after one line for a bad polar
// or seed), nothing when the window is to open.
std::optional<int> answerWithoutWindow(int argc, char *argv[], WindowOptions &options);

// Once the QApplication has taken its own options (-style, -reverse, -platform ...) out of
// argc and argv: what is left that is none of the program's is refused with one line,
// exit code 2, as the tools refuse it. Nothing when every argument was understood.
std::optional<int> refuseUnknownArguments(int argc, char *argv[]);

// Once the window is up: a remembered wing that no longer passed its checks is one
// message box over it; the window goes on with the built-in polar.
void reportStoredWing(QWidget *window, const WindowOptions &options);

// A warning over the window once it shows; nothing for an empty text.
void reportOverWindow(QWidget *window, const QString &title, const QString &text);

// Lives across the making of the QApplication: Qt's abort for a missing display becomes
// one line in the user's language, and what Qt says while it starts is held back until the start
// has succeeded. started() then sets up what the window needs of the application: Qt's own texts in
// the user's language, left to right in every language, the program's name.
class WindowStart
{
public:
    WindowStart();
    WindowStart(const WindowStart &) = delete;
    WindowStart &operator=(const WindowStart &) = delete;
    void started();
};
