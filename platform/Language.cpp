#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtGlobal>

namespace {

Language g_language = Language::German;
QTranslator *g_texts = nullptr;

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

} // namespace

Language languageFromEnvironment()
{
    const QString chosen = firstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
    for (const char *plain : {"C", "POSIX", "C.UTF-8", "C.utf8"}) {
        if (chosen == QLatin1String(plain)) {
            return Language::German;
        }
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
}

Language currentLanguage()
{
    return g_language;
}

QLocale textLocale()
{
    return g_language == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                           : QLocale(QLocale::German, QLocale::Germany);
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
