#pragma once

#include "Wing.h"

#include <QString>
#include <QStringList>
#include <optional>

// The options that give the programs a pilot's own wing:
//   --polar FILE  --speeds MIN:TRIM:MAX  --mass KG  --ref-mass KG  --name TEXT
// Nothing of them is remembered between runs.

// If args[i] is one of them, takes it and its value (moving i on), and returns true;
// error is set when its value is bad or missing. Another prefix than "--" names another
// wing's options: "--compare-" gives --compare-polar, --compare-speeds and so on.
bool takeWingOption(const QStringList &args, int &i, std::optional<WingChoice> &choice,
                    QString &error, const QString &prefix = QStringLiteral("--"));

// The options without --polar are an error: they would silently change nothing.
bool checkWingChoice(const std::optional<WingChoice> &choice, QString &error,
                     const QString &prefix = QStringLiteral("--"));

// Loads the chosen wing. Nothing, with one line in the user's language naming the file (and the
// line where there is one) in error, if it fails. The wing's notes ("Hinweis: ...") go to standard
// error, one line each, after "tool: ".
std::optional<Wing> loadChosenWing(const WingChoice &choice, const char *tool, QString &error);

// The wing's notes on standard error, "tool: Hinweis: ..." one line each.
void printWingNotes(const Wing &wing, const char *tool);

// The usage lines of the options, for --help.
QString wingUsage();
