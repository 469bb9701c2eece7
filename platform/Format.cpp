#include "Format.h"

#include "FloatingPoint.h"

#include <cmath>

namespace {

// The locale's decimal separator without the direction marks some locales carry along.
QString decimalSeparator(const QLocale &locale)
{
    QString point = locale.decimalPoint();
    point.removeIf(
        [](QChar c) { return c.category() == QChar::Other_Format || c.isSpace() || c.isDigit(); });
    return point.isEmpty() ? QStringLiteral(".") : point;
}

} // namespace

QString FormatFixed(double value, int decimals, const QLocale &locale)
{
    if (std::isnan(value)) {
        return QStringLiteral("?");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    }
    const QtFloatingPointScope qtCode;
    // The patterns give Latin digits and an ASCII minus everywhere; only the decimal
    // separator is the user's. A locale's own digits, its minus sign (U+2212) or the
    // Arabic letter mark that comes with its numbers would change what a read-out says,
    // or turn it right to left on the screen.
    QString text = QLocale::c().toString(value, 'f', decimals);
    // "-0,00" for -0.001: a rounded zero carries no sign.
    if (text.startsWith(QLatin1Char('-')) &&
        text.mid(1) == QLocale::c().toString(0.0, 'f', decimals)) {
        text.remove(0, 1);
    }
    if (decimals > 0) {
        text.replace(QLatin1Char('.'), decimalSeparator(locale));
    }
    return text;
}

QString Format(double value, const QString &pattern, const QLocale &locale)
{
    int decimals = 0;
    const int point = pattern.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        decimals = static_cast<int>(pattern.size() - point - 1);
    }
    return FormatFixed(value, decimals, locale);
}

QString StandardNumberText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}
