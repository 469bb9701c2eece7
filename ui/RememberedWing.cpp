#include "RememberedWing.h"
#include "WingMessages.h"

#include <QSettings>
#include <QVariant>

namespace {

const QString kGroup = QStringLiteral("wing");

std::optional<float> speed(const QSettings &s, const QString &key)
{
    bool ok = false;
    const float v = s.value(key).toFloat(&ok);
    return ok ? std::optional<float>(v) : std::nullopt;
}

std::optional<double> mass(const QSettings &s, const QString &key)
{
    bool ok = false;
    const double v = s.value(key).toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace

void rememberWing(const Wing &wing)
{
    if (wing.builtIn) {
        forgetWing();
        return;
    }
    QSettings s;
    s.remove(kGroup);
    s.beginGroup(kGroup);
    const WingChoice &c = wing.choice;
    s.setValue(QStringLiteral("polar"), QString::fromStdString(wing.polarText));
    s.setValue(QStringLiteral("file"), QString::fromStdString(c.path));
    const auto put = [&](const char *key, const auto &value) {
        if (value) {
            s.setValue(QLatin1String(key), QVariant::fromValue(*value));
        }
    };
    put("min", c.minSpeed);
    put("trim", c.trimSpeed);
    put("max", c.maxSpeed);
    put("mass", c.massKg);
    put("refMass", c.refMassKg);
    if (c.name) {
        s.setValue(QStringLiteral("name"), QString::fromStdString(*c.name));
    }
    s.endGroup();
}

void forgetWing()
{
    QSettings().remove(kGroup);
}

std::optional<Wing> rememberedWing(QString &error)
{
    error.clear();
    QSettings s;
    s.beginGroup(kGroup);
    if (!s.contains(QStringLiteral("polar"))) {
        return std::nullopt;
    }
    WingChoice c;
    c.path = s.value(QStringLiteral("file")).toString().toStdString();
    c.minSpeed = speed(s, QStringLiteral("min"));
    c.trimSpeed = speed(s, QStringLiteral("trim"));
    c.maxSpeed = speed(s, QStringLiteral("max"));
    c.massKg = mass(s, QStringLiteral("mass"));
    c.refMassKg = mass(s, QStringLiteral("refMass"));
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
        error = wingProblemText(why);
        forgetWing();
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
