#pragma once

#include "WingProblem.h"

#include <QString>

// A wing's problem or note as one line in the user's language: the file, the line where
// there is one, and what is wrong ("polare.txt, Zeile 3: das Sinken „-11“ m/s ist tiefer
// als 10 m/s; kein Gleitschirm sinkt so"); a note begins with "Hinweis: ".
QString wingProblemText(const WingProblem &problem);
