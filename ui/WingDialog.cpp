#include "WingDialog.h"
#include "Language.h"
#include "WingMessages.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

WingDialog::WingDialog(const PolarData &data, const std::string &path, const QString &fileName,
                       QWidget *parent)
    : QDialog(parent), m_data(data), m_path(path), m_table(!data.threePoint)
{
    setWindowTitle(translated("Window", "Polare laden"));
    setMinimumWidth(380);
    auto *form = new QFormLayout(this);
    auto *intro = new QLabel(translated("Window", "Polare aus „%1“. Fahrten bei der Bezugsmasse; "
                                                  "die Startmasse skaliert sie.")
                                 .arg(fileName),
                             this);
    intro->setWordWrap(true);
    form->addRow(intro);
    const double ref = m_table ? 90.0 : data.refMassKg;
    if (m_table) {
        m_refMass = addField(translated("Window", "Bezugsmasse der Messung"), kWingLightest,
                             kWingHeaviest, ref, QStringLiteral(" kg"));
    }
    m_mass = addField(translated("Window", "Startmasse"), kWingLightest, kWingHeaviest, ref,
                      QStringLiteral(" kg"));
    const double lo = data.v1;
    const double hi = data.v3;
    const double trim = m_table ? (lo + hi) / 2 : data.v2;
    m_min = addField(translated("Window", "volle Bremse"), kWingLowestSpeed, kWingHighestSpeed, lo,
                     QStringLiteral(" km/h"));
    m_trim = addField(translated("Window", "Trimm"), kWingLowestSpeed, kWingHighestSpeed, trim,
                      QStringLiteral(" km/h"));
    m_max = addField(translated("Window", "voller Beschleuniger"), kWingLowestSpeed,
                     kWingHighestSpeed, hi, QStringLiteral(" km/h"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(translated("Window", "Laden"));
    buttons->button(QDialogButtonBox::Cancel)->setText(translated("Window", "Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QDoubleSpinBox *WingDialog::addField(const QString &label, double min, double max, double value,
                                     const QString &suffix)
{
    auto *box = new QDoubleSpinBox(this);
    box->setRange(min, max);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(suffix);
    box->setValue(value);
    // The field shows a tenth; the file's own value stands until the user edits it.
    box->setProperty("exact", value);
    connect(box, &QDoubleSpinBox::valueChanged, box,
            [box] { box->setProperty("exact", QVariant()); });
    box->setAccessibleName(label);
    static_cast<QFormLayout *>(layout())->addRow(label, box);
    return box;
}

namespace {

// A field's value: the file's, exactly, where the user left it as it was.
double valueOf(const QDoubleSpinBox *box)
{
    const QVariant exact = box->property("exact");
    return exact.isValid() ? exact.toDouble() : box->value();
}

} // namespace

WingChoice WingDialog::choice(const std::string &path) const
{
    WingChoice c;
    c.path = path;
    c.minSpeed = static_cast<float>(valueOf(m_min));
    c.trimSpeed = static_cast<float>(valueOf(m_trim));
    c.maxSpeed = static_cast<float>(valueOf(m_max));
    c.massKg = valueOf(m_mass);
    if (m_refMass != nullptr) {
        c.refMassKg = valueOf(m_refMass);
    }
    return c;
}

void WingDialog::accept()
{
    WingProblem error;
    const std::optional<Wing> wing = makeWing(m_data, choice(m_path), error);
    // A wing that fails is answered by the caller, as for the command line.
    if (wing && !wing->notes.empty()) {
        QStringList lines;
        for (const WingProblem &note : wing->notes) {
            lines.append(wingProblemText(note));
        }
        QMessageBox box(QMessageBox::Information, windowTitle(), lines.join(QLatin1Char('\n')),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        box.button(QMessageBox::Ok)->setText(translated("Window", "Trotzdem laden"));
        box.button(QMessageBox::Cancel)->setText(translated("Window", "Zurück"));
        if (box.exec() != QMessageBox::Ok) {
            return;
        }
    }
    QDialog::accept();
}
