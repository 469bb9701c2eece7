#pragma once

#include <QLocale>
#include <QString>

// Number formatting with the patterns "0", "0.0" and "0.00": rounded to the shown
// digits, the locale's decimal separator, never grouped, a leading "-" for negatives.
// A value that rounds to zero shows without a sign ("0,0", not "-0,0").
// Infinite values show as "∞" or "-∞"; NaN shows as "?" (nothing computes one).
QString Format(double value, const QString &pattern, const QLocale &locale = QLocale());

// The same with a given number of decimals.
QString FormatFixed(double value, int decimals, const QLocale &locale = QLocale());

// The runtime's standard text of a number as the scale labels use it: a blank where a
// minus sign would stand for non-negative values (" 10", "-10").
QString StandardNumberText(int value);
