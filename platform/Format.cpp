#include "Format.h"

#include "FloatingPoint.h"

#include <cmath>

QString FormatFixed(double value, int decimals, const QLocale &locale)
{
    if (std::isnan(value)) {
        return QStringLiteral("?");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    }
    const QtFloatingPointScope qtCode;
    QLocale l = locale;
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = l.toString(value, 'f', decimals);
    // "-0,00" for -0.001: a rounded zero carries no sign.
    const QString zero = l.toString(0.0, 'f', decimals);
    const QString minus = l.negativeSign();
    if (text.startsWith(minus) && text.mid(minus.size()) == zero) {
        text = zero;
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
