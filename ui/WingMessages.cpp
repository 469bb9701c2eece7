#include "WingMessages.h"

#include "Language.h"

#include <QStringList>
#include <string>

namespace {

// %1..%9 of pattern filled in one pass, so that a user's text holding "%2" stays as typed.
QString fill(const QString &pattern, const QStringList &args)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
            const int n = pattern[i + 1].digitValue();
            if (n >= 1 && n <= args.size()) {
                out += args[n - 1];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

const char *reasonPattern(const WingProblem &p)
{
    switch (p.code) {
    case WingProblem::None:
        return "";
    case WingProblem::Unreadable:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden");
    case WingProblem::UnreadableIo:
        return QT_TRANSLATE_NOOP("Wing",
                                 "die Datei kann nicht gelesen werden (Ein-/Ausgabefehler)");
    case WingProblem::UnreadableMissing:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden (es gibt sie nicht)");
    case WingProblem::UnreadableDenied:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden (keine Leserechte)");
    case WingProblem::UnreadableFolder:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden (ein Ordner)");
    case WingProblem::UnreadableFifo:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden (eine FIFO)");
    case WingProblem::UnreadableSocket:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden (ein Socket)");
    case WingProblem::UnreadableDevice:
        return QT_TRANSLATE_NOOP("Wing", "die Datei kann nicht gelesen werden (ein Gerät)");
    case WingProblem::Utf16:
        return QT_TRANSLATE_NOOP("Wing", "die Datei ist in UTF-16 geschrieben; erwartet ist "
                                         "UTF-8 oder ASCII");
    case WingProblem::ZeroBytes:
        return QT_TRANSLATE_NOOP("Wing", "die Datei enthält Nullbytes und ist keine Textdatei");
    case WingProblem::TooLarge:
        return QT_TRANSLATE_NOOP("Wing", "die Datei ist größer als 1 MB");
    case WingProblem::NoPolar:
        return QT_TRANSLATE_NOOP("Wing", "keine Polare in der Datei");
    case WingProblem::NotANumber:
        return p.field > 0 ? QT_TRANSLATE_NOOP("Wing", "Feld %2: „%1“ ist keine Zahl")
                           : QT_TRANSLATE_NOOP("Wing", "„%1“ ist keine Zahl");
    case WingProblem::NotFinite:
        return p.field > 0 ? QT_TRANSLATE_NOOP("Wing", "Feld %2: „%1“ ist keine endliche Zahl")
                           : QT_TRANSLATE_NOOP("Wing", "„%1“ ist keine endliche Zahl");
    case WingProblem::NotAThreePointLine:
        return QT_TRANSLATE_NOOP("Wing", "erwartet die Dreipunktzeile (Masse, Ballast, v1, w1, "
                                         "v2, w2, v3, w3) oder die Kopfzeile einer Tabelle, "
                                         "airspeed_kmh,sink_ms");
    case WingProblem::SemicolonSeparated:
        return QT_TRANSLATE_NOOP("Wing",
                                 "die Felder sind durch Semikolons getrennt; erwartet sind Kommas");
    case WingProblem::TabSeparated:
        return QT_TRANSLATE_NOOP(
            "Wing", "die Felder sind durch Tabulatoren getrennt; erwartet sind Kommas");
    case WingProblem::BlankSeparated:
        return QT_TRANSLATE_NOOP(
            "Wing", "die Felder sind durch Leerzeichen getrennt; erwartet sind Kommas");
    case WingProblem::DecimalComma:
        return QT_TRANSLATE_NOOP("Wing", "Dezimalpunkt statt Komma: „%1“");
    case WingProblem::TwoFieldsExpected:
        return QT_TRANSLATE_NOOP("Wing",
                                 "erwartet zwei Felder wie in airspeed_kmh,sink_ms, nicht %1");
    case WingProblem::MassOutOfRange:
        return QT_TRANSLATE_NOOP("Wing", "die Masse „%1“ kg liegt nicht zwischen 30 und 300 kg");
    case WingProblem::SpeedOutOfRange:
        return QT_TRANSLATE_NOOP("Wing",
                                 "die Fahrt „%1“ km/h liegt nicht zwischen 10 und 120 km/h");
    case WingProblem::SpeedsNotRising:
        return QT_TRANSLATE_NOOP("Wing", "die Fahrten steigen nicht („%1“, dann „%2“ km/h)");
    case WingProblem::SinkNotNegative:
        return QT_TRANSLATE_NOOP("Wing", "das Sinken „%1“ m/s ist nicht negativ");
    case WingProblem::SinkTooDeep:
        return QT_TRANSLATE_NOOP(
            "Wing", "das Sinken „%1“ m/s ist tiefer als 10 m/s; kein Gleitschirm sinkt so");
    case WingProblem::SinkTooSmall:
        return QT_TRANSLATE_NOOP("Wing", "das Sinken „%1“ m/s ist geringer als 0,3 m/s; ein "
                                         "Gleitschirm sinkt mindestens 0,3 m/s");
    case WingProblem::MiddlePointLow:
        return QT_TRANSLATE_NOOP("Wing", "der mittlere Punkt (%3 km/h, %4 m/s) liegt nicht über "
                                         "der Geraden zwischen (%1 km/h, %2 m/s) und (%5 km/h, "
                                         "%6 m/s); eine Polare ist nach unten gewölbt");
    case WingProblem::PointDoesNotFit:
        return QT_TRANSLATE_NOOP("Wing", "der Punkt (%1 km/h, %2 m/s) passt nicht zu den "
                                         "anderen; mit ihm ist die Kurve nach oben gewölbt, "
                                         "eine Polare ist nach unten gewölbt");
    case WingProblem::PointsOpenUpward:
        return QT_TRANSLATE_NOOP("Wing", "die Punkte ergeben eine nach oben gewölbte Kurve; "
                                         "eine Polare ist nach unten gewölbt");
    case WingProblem::TooFewPoints:
        return QT_TRANSLATE_N_NOOP("Wing", "zu wenige Punkte (%n), mindestens 3");
    case WingProblem::TableNeedsSpeeds:
        return QT_TRANSLATE_NOOP("Wing",
                                 "eine Tabelle von Punkten braucht die Fahrten MIN:TRIMM:MAX");
    case WingProblem::SpeedsOutsideFile:
        return QT_TRANSLATE_NOOP("Wing", "die Fahrten liegen nicht zwischen 10 und 120 km/h");
    case WingProblem::SpeedsNotOrdered:
        return QT_TRANSLATE_NOOP("Wing",
                                 "die Fahrten %1, %2, %3 km/h erfüllen nicht MIN < TRIMM < MAX");
    case WingProblem::RefMassOnlyForTable:
        return QT_TRANSLATE_NOOP("Wing", "--ref-mass gilt nur für eine Tabelle; die "
                                         "Dreipunktzeile nennt ihre Bezugsmasse im ersten Feld");
    case WingProblem::MassNeedsRefMass:
        return QT_TRANSLATE_NOOP(
            "Wing", "für eine Tabelle braucht die Masse auch die Bezugsmasse (--ref-mass)");
    case WingProblem::MassOutOfLimits:
        return QT_TRANSLATE_NOOP("Wing", "die Masse %1 kg liegt nicht zwischen 30 und 300 kg");
    case WingProblem::SpeedsBeyondDiagram:
        return p.withMass ? QT_TRANSLATE_NOOP("Wing", "bei %1 kg reichen die Fahrten von %2 bis "
                                                      "%3 km/h; das Diagramm zeigt 10 bis 60 km/h")
                          : QT_TRANSLATE_NOOP("Wing", "die Fahrten reichen von %1 bis %2 km/h; "
                                                      "das Diagramm zeigt 10 bis 60 km/h");
    case WingProblem::SinksTooDeep:
        return QT_TRANSLATE_NOOP(
            "Wing", "bei %1 km/h sinkt der Schirm %2 m/s; das Diagramm zeigt höchstens 3,4 m/s");
    case WingProblem::CurveDoesNotSink:
        return QT_TRANSLATE_NOOP("Wing", "bei %1 km/h sinkt die angepasste Kurve nicht; ein "
                                         "Gleitschirm sinkt von MIN bis MAX überall mindestens "
                                         "0,3 m/s");
    case WingProblem::SinksTooLittle:
        return QT_TRANSLATE_NOOP("Wing", "bei %1 km/h sinkt der Schirm nur %2 m/s; ein "
                                         "Gleitschirm sinkt von MIN bis MAX überall mindestens "
                                         "0,3 m/s");
    case WingProblem::NameHasControl:
        return QT_TRANSLATE_NOOP("Wing", "der Name enthält ein Steuerzeichen (%1)");
    case WingProblem::NameTooLong:
        return QT_TRANSLATE_NOOP("Wing", "der Name ist länger als 60 Zeichen");
    case WingProblem::CurveOpensUpward:
        return QT_TRANSLATE_NOOP(
            "Wing", "die Kurve ist nach oben gewölbt; eine Polare ist nach unten gewölbt");
    case WingProblem::NoteMinExtrapolated:
        return QT_TRANSLATE_NOOP("Wing", "MIN %1 km/h liegt mehr als 3 km/h unter dem "
                                         "langsamsten Punkt (%2 km/h); die Polare ist dort "
                                         "hochgerechnet");
    case WingProblem::NoteMaxExtrapolated:
        return QT_TRANSLATE_NOOP("Wing", "MAX %1 km/h liegt mehr als 3 km/h über dem "
                                         "schnellsten Punkt (%2 km/h); die Polare ist dort "
                                         "hochgerechnet");
    case WingProblem::NoteTrimSlow:
        return QT_TRANSLATE_NOOP("Wing", "TRIMM %1 km/h liegt mehr als 3 km/h unter der Fahrt "
                                         "des geringsten Sinkens (%2 km/h)");
    }
    return "";
}

bool isNote(WingProblem::Code code)
{
    return code == WingProblem::NoteMinExtrapolated || code == WingProblem::NoteMaxExtrapolated ||
           code == WingProblem::NoteTrimSlow;
}

} // namespace

QString wingProblemText(const WingProblem &p)
{
    // The user's texts as typed; computed numbers with the language's decimal sign.
    QStringList args;
    for (const std::string &t : p.texts) {
        args.append(QString::fromStdString(t));
    }
    const QString point = textLocale().decimalPoint();
    for (const std::string &n : p.numbers) {
        args.append(QString::fromStdString(n).replace(QLatin1Char('.'), point));
    }
    if (p.field > 0) {
        args.append(QString::number(p.field));
    }
    // A count picks the plural form of its sentence.
    // Read without exceptions: a count that is not one picks the general form.
    int count = -1;
    if (p.code == WingProblem::TooFewPoints && !p.numbers.empty()) {
        bool ok = false;
        count = QString::fromStdString(p.numbers.front()).toInt(&ok);
        count = ok ? count : -1;
    }
    const QString reason =
        fill(withNumberSign(translated("Wing", reasonPattern(p), nullptr, count)), args);
    const QString file = QString::fromStdString(p.file);
    if (isNote(p.code)) {
        return fill(translated("Wing", "Hinweis: %1: %2"), {file, reason});
    }
    if (p.lastLine > 0) {
        return fill(translated("Wing", "%1, Zeilen %2 bis %3: %4"),
                    {file, QString::number(p.line), QString::number(p.lastLine), reason});
    }
    if (p.line > 0) {
        return fill(translated("Wing", "%1, Zeile %2: %3"),
                    {file, QString::number(p.line), reason});
    }
    return fill(translated("Wing", "%1: %2"), {file, reason});
}
