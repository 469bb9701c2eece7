#pragma once

#include "Reach.h"

#include <QString>

// --reach KM,M[,MARGIN]: the landing field of the lesson "Landeplatz erreichen", as both
// tools take it. Decimal points; MARGIN defaults to 0, as the exam's questions have it.
// False with error set to a one-line message; a decimal comma is named as such.
bool parseReachOption(const QString &text, ReachQuestion &question, QString &error);
