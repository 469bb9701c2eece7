#pragma once

#include "SpeedToFlyGrid.h"

#include <QString>
#include <QStringList>
#include <optional>

// The arguments of azodo-table.

// Parses the arguments (without the program name). On failure returns nothing and sets
// error to a one-line message.
std::optional<CardOptions> parseCardArguments(const QStringList &args, QString &error);

QString cardUsage();
