#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The language the programs speak: German, their own, or English. Chosen once, at start,
// from the environment.
enum class Language { German, English };

// The first of LC_ALL, LC_MESSAGES, LANG that is set and not empty decides (none counts
// as C). C, POSIX, C.UTF-8 and C.utf8 (scripts, tests) give German whatever LANGUAGE
// says; otherwise the first of the system's interface languages that is German or
// English, and English where there is none.
Language languageFromEnvironment();

// Chooses the language from the environment and loads the program's translations for
// it, from the programs themselves. Needs no application object; call it first.
void setUpLanguage();

// The language chosen (German before setUpLanguage).
Language currentLanguage();

// The locale of the numbers the programs compute and print (German before setUpLanguage).
// Under C and POSIX: German with decimal commas, and the application's default locale is
// left alone. Otherwise setUpLanguage makes it the default too, so that a read-out never
// mixes two decimal signs.
QLocale textLocale();

// A number speaks the language of its sentence: where the user's locale is in the chosen
// language, its decimal sign (Swiss German: a point); otherwise the language's usual sign
// (English: a point, German: a comma).
QLocale numberLocale(Language language, const QLocale &system);

// A text's own fixed numbers ("weniger als 0,05 m/s"), written with the language's usual
// decimal sign, in the sign of textLocale. Only for texts whose numbers the user reads, not
// those that show what to type.
QString withNumberSign(QString text);

// A text in the chosen language: the German source's translation, from the context's
// entries; count fills %n and picks the plural form. The translation tools know it as
// QCoreApplication::translate.
QString translated(const char *context, const char *source, const char *disambiguation = nullptr,
                   int count = -1);

// Qt's own texts (dialogs, buttons, the keys' names) in the chosen language, for the
// window's application.
void installQtTranslations();
