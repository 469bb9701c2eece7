#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtGlobal>

namespace {

Language g_language = Language::German;
QTranslator *g_texts = nullptr;
QLocale g_numbers(QLocale::German, QLocale::Germany);

QString firstSet(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QStringLiteral("C");
}

// C and POSIX: what scripts and tests run under, where every output stays as it always was.
bool plainEnvironment()
{
    const QString chosen = firstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
    for (const char *plain : {"C", "POSIX", "C.UTF-8", "C.utf8"}) {
        if (chosen == QLatin1String(plain)) {
            return true;
        }
    }
    return false;
}

} // namespace

Language languageFromEnvironment()
{
    if (plainEnvironment()) {
        return Language::German;
    }
    for (const QString &ui : QLocale::system().uiLanguages()) {
        if (ui.startsWith(QLatin1String("de"))) {
            return Language::German;
        }
        if (ui.startsWith(QLatin1String("en"))) {
            return Language::English;
        }
    }
    return Language::English;
}

void setUpLanguage()
{
    g_language = languageFromEnvironment();
    // German needs its own file only for its plural forms.
    static QTranslator texts;
    const QString file = g_language == Language::English ? QStringLiteral(":/i18n/azodo_en.qm")
                                                         : QStringLiteral(":/i18n/azodo_de.qm");
    g_texts = texts.load(file) ? &texts : nullptr;
    if (plainEnvironment()) {
        g_numbers = QLocale(QLocale::German, QLocale::Germany);
    } else {
        // Every number of every output, the window's fields included, in one sign.
        g_numbers = numberLocale(g_language, QLocale::system());
        QLocale::setDefault(g_numbers);
    }
}

QLocale numberLocale(Language language, const QLocale &system)
{
    const QLocale usual = language == Language::English
                              ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                              : QLocale(QLocale::German, QLocale::Germany);
    if (system.language() != usual.language()) {
        return usual;
    }
    return QLocale(system.language(), system.script(), system.territory());
}

Language currentLanguage()
{
    return g_language;
}

QLocale textLocale()
{
    return g_numbers;
}

QString withNumberSign(QString text)
{
    const QChar usual = g_language == Language::English ? QLatin1Char('.') : QLatin1Char(',');
    const QString sign = textLocale().decimalPoint();
    if (sign == usual) {
        return text;
    }
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == usual && text[i - 1].isDigit() && text[i + 1].isDigit()) {
            text.replace(i, 1, sign);
        }
    }
    return text;
}

QString translated(const char *context, const char *source, const char *disambiguation, int count)
{
    QString text;
    if (g_texts) {
        text = g_texts->translate(context, source, disambiguation, count);
    }
    if (text.isEmpty()) {
        text = QString::fromUtf8(source);
    }
    if (count >= 0) {
        text.replace(QLatin1String("%n"), QString::number(count));
    }
    return text;
}

void installQtTranslations()
{
    static QTranslator qtTexts;
    const QLocale locale = textLocale();
    if (qtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
}
