#pragma once

#include "WingProblem.h"

#include <string>

// Texts of the wing's problems and names, shared by the file reader and the checks; no
// Qt. Numbers are written with a decimal point, for the language to write its own way.
namespace wingtext {

// A path as messages show it: at most 60 characters, cut where a character begins.
std::string shown(const std::string &path);

// The value with one decimal ("-1.7"; never "-0.0").
std::string number(double v);

// The value written so that it lies strictly beyond limit, as the check saw it: one
// decimal where that already shows it, else more (3.4001 beyond 3.4 reads "3.401").
std::string beyond(double value, double limit);

// Sets error to problem and returns false, so that a check can end in one line.
inline bool fail(WingProblem &error, const WingProblem &problem)
{
    error = problem;
    return false;
}

// Blanks and tabs off both ends.
std::string trimmed(const std::string &s);

// The first Unicode control or format character (categories Cc and Cf: a line break, an
// escape, a direction override), or 0 when there is none.
char32_t firstControl(const std::string &utf8);

// Every control or format character replaced by a blank.
std::string blankControls(const std::string &utf8);

// At most limit characters; a longer text keeps limit - 1 and ends with "…".
std::string shortenedTo(const std::string &utf8, std::size_t limit);

// The number of characters (not bytes) of UTF-8 text.
std::size_t characters(const std::string &utf8);

} // namespace wingtext
