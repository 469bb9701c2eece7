#include "RememberedWing.h"
#include "WingMessages.h"

#include "Language.h"
#include "SafeOutput.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <iterator>

namespace {

const QString kGroup = QStringLiteral("wing");
const QStringList kNumbers{QStringLiteral("min"), QStringLiteral("trim"), QStringLiteral("max"),
                           QStringLiteral("mass"), QStringLiteral("refMass")};

// A number as the shortest text that reads back as the same value: "24.3", not the
// seventeen digits of the float's double.
template <typename T> QString shortest(T value)
{
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), value).ptr;
    return QString::fromLatin1(text, static_cast<qsizetype>(end - text));
}

// The settings file as the user finds it, for a message.
QString settingsFile(const QSettings &s)
{
    return QDir::toNativeSeparators(s.fileName());
}

// An entry of the settings' current group read as a number, as it was written; nothing,
// with the sentence that says so in error, where it is none.
std::optional<double> storedNumber(const QSettings &s, const QString &key, QString &error)
{
    const QString text = s.value(key).toString();
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        error = translated("Window", "In %1 ist „%2=%3“ keine Zahl.")
                    .arg(settingsFile(s), key, oneLine(shortened(text)));
        return std::nullopt;
    }
    return value;
}

// Writes what was set out to the file; false, with failed (the file as %1) in error, where
// it cannot be written.
bool written(QSettings &s, const QString &failed, QString &error)
{
    s.sync();
    if (s.status() != QSettings::NoError) {
        error = failed.arg(settingsFile(s));
        return false;
    }
    return true;
}

} // namespace

bool rememberWing(const Wing &wing, QString &error)
{
    error.clear();
    QSettings s;
    s.remove(kGroup); // a built-in polar only forgets the stored wing
    if (!wing.builtIn) {
        s.beginGroup(kGroup);
        const WingChoice &c = wing.choice;
        s.setValue(QStringLiteral("polar"), QString::fromStdString(wing.polarText));
        s.setValue(QStringLiteral("file"), QString::fromStdString(c.path));
        const std::optional<double> numbers[] = {c.minSpeed, c.trimSpeed, c.maxSpeed, c.massKg,
                                                 c.refMassKg};
        for (qsizetype k = 0; k < kNumbers.size(); ++k) {
            if (!numbers[k]) {
                continue;
            }
            // Speeds are floats: their own shortest form, not their double's.
            s.setValue(kNumbers[k],
                       k < 3 ? shortest(static_cast<float>(*numbers[k])) : shortest(*numbers[k]));
        }
        if (c.name) {
            s.setValue(QStringLiteral("name"), QString::fromStdString(*c.name));
        }
        s.endGroup();
    }
    return written(s,
                   translated("Window", "Die Polare kann nicht für den nächsten Start gespeichert "
                                        "werden: %1 lässt sich nicht schreiben."),
                   error);
}

void forgetWing()
{
    QSettings().remove(kGroup);
}

std::optional<Wing> rememberedWing(QString &error)
{
    error.clear();
    QSettings s;
    const QString file = settingsFile(s);
    // Whatever of the group cannot be read as it was written is one message naming the
    // settings file, and the group goes: no half-read wing.
    const auto dropped = [&](const QString &why) {
        error = why;
        s.remove(kGroup);
        s.sync();
        return std::nullopt;
    };
    // A file of bytes that are no text at all was written by no QSettings: it goes whole,
    // or the next start would say so again.
    const auto garbled = [&] {
        QFile raw(s.fileName());
        if (!raw.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray bytes = raw.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(bytes);
        return bytes.contains('\0') || utf8.hasError();
    };
    if (s.status() == QSettings::FormatError || garbled()) {
        // QSettings never writes over a file it could not read: it is removed.
        QFile::remove(s.fileName());
        return dropped(translated("Window", "%1 ist beschädigt; die gespeicherten Einstellungen "
                                            "sind verworfen.")
                           .arg(file));
    }
    s.beginGroup(kGroup);
    const QStringList keys = s.childKeys();
    s.endGroup();
    if (keys.isEmpty()) {
        return std::nullopt;
    }
    s.beginGroup(kGroup);
    if (!s.contains(QStringLiteral("polar"))) {
        s.endGroup();
        return dropped(translated("Window", "In %1 fehlt der Eintrag „polar“.").arg(file));
    }
    WingChoice c;
    c.path = s.value(QStringLiteral("file")).toString().toStdString();
    std::optional<double> numbers[5];
    for (qsizetype k = 0; k < kNumbers.size(); ++k) {
        if (!s.contains(kNumbers[k])) {
            continue;
        }
        QString why;
        numbers[k] = storedNumber(s, kNumbers[k], why);
        if (!numbers[k]) {
            s.endGroup();
            return dropped(why);
        }
    }
    const auto speed = [](const std::optional<double> &v) {
        return v ? std::optional<float>(static_cast<float>(*v)) : std::nullopt;
    };
    c.minSpeed = speed(numbers[0]);
    c.trimSpeed = speed(numbers[1]);
    c.maxSpeed = speed(numbers[2]);
    c.massKg = numbers[3];
    c.refMassKg = numbers[4];
    if (s.contains(QStringLiteral("name"))) {
        c.name = s.value(QStringLiteral("name")).toString().toStdString();
    }
    const std::string text = s.value(QStringLiteral("polar")).toString().toStdString();
    s.endGroup();
    WingProblem why;
    std::optional<Wing> wing;
    if (const std::optional<PolarData> data = parsePolarText(c.path, text, why)) {
        wing = makeWing(*data, c, why);
    }
    if (!wing) {
        return dropped(translated("Window", "Die in %1 gespeicherte Polare: %2")
                           .arg(file, wingProblemText(why)));
    }
    return wing;
}

QString lastPolarFolder()
{
    return QSettings().value(QStringLiteral("polarFolder")).toString();
}

void rememberPolarFolder(const QString &folder)
{
    QSettings().setValue(QStringLiteral("polarFolder"), folder);
}

namespace {

const QString kReachGroup = QStringLiteral("reach");
const QString kReachKeys[] = {QStringLiteral("distance"), QStringLiteral("height"),
                              QStringLiteral("margin")};

} // namespace

bool rememberReach(const ReachQuestion &question, QString &error)
{
    error.clear();
    QSettings s;
    s.beginGroup(kReachGroup);
    const double values[] = {question.distanceKm, question.heightM, question.marginM};
    for (int k = 0; k < 3; ++k) {
        s.setValue(kReachKeys[k], shortest(values[k]));
    }
    s.endGroup();
    return written(s,
                   translated("Window", "Der Landeplatz kann nicht für den nächsten Start "
                                        "gespeichert werden: %1 lässt sich nicht schreiben."),
                   error);
}

std::optional<ReachQuestion> rememberedReach(QString &error)
{
    error.clear();
    QSettings s;
    s.beginGroup(kReachGroup);
    const QStringList keys = s.childKeys();
    if (keys.isEmpty()) {
        return std::nullopt;
    }
    double values[3] = {0.0, 0.0, 0.0};
    for (int k = 0; k < 3; ++k) {
        const std::optional<double> value = storedNumber(s, kReachKeys[k], error);
        if (!value) {
            break;
        }
        values[k] = *value;
    }
    const ReachQuestion q{values[0], values[1], values[2]};
    if (error.isEmpty() &&
        !(q.distanceKm >= kReachShortestKm && q.distanceKm <= kReachFarthestKm &&
          q.heightM <= kReachHighestM && q.marginM >= 0.0 && q.marginM <= kReachLargestMarginM &&
          q.heightM >= std::max(kReachLowestM, q.marginM + 10.0))) {
        error = translated("Window", "In %1 liegt der Landeplatz außerhalb der Grenzen.")
                    .arg(settingsFile(s));
    }
    s.endGroup();
    if (!error.isEmpty()) {
        s.remove(kReachGroup);
        s.sync();
        return std::nullopt;
    }
    return q;
}

bool rememberClimb(double climb, bool drifting, QString &error)
{
    error.clear();
    QSettings s;
    s.setValue(QStringLiteral("mc/climb"), shortest(climb));
    s.setValue(QStringLiteral("mc/drift"), drifting);
    return written(s,
                   translated("Window", "Das erwartete Steigen kann nicht für den nächsten Start "
                                        "gespeichert werden: %1 lässt sich nicht schreiben."),
                   error);
}

std::optional<std::pair<double, bool>> rememberedClimb(QString &error)
{
    error.clear();
    QSettings s;
    s.beginGroup(QStringLiteral("mc"));
    if (s.childKeys().isEmpty()) {
        return std::nullopt;
    }
    const std::optional<double> climb = storedNumber(s, QStringLiteral("climb"), error);
    const QString driftText = s.value(QStringLiteral("drift")).toString().trimmed();
    if (climb && !(*climb >= kLowestClimb && *climb <= kStrongestClimb)) {
        error = translated("Window", "In %1 liegt das erwartete Steigen außerhalb der Grenzen.")
                    .arg(settingsFile(s));
    } else if (climb && driftText != QLatin1String("true") && driftText != QLatin1String("false")) {
        error = translated("Window", "In %1 ist „%2=%3“ weder true noch false.")
                    .arg(settingsFile(s), QStringLiteral("drift"), oneLine(shortened(driftText)));
    }
    s.endGroup();
    if (!error.isEmpty()) {
        s.remove(QStringLiteral("mc"));
        s.sync();
        return std::nullopt;
    }
    return std::pair{*climb, driftText == QLatin1String("true")};
}
