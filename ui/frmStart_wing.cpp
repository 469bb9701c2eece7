// A pilot's own wing in the window: loaded from a file through the diagram's context
// menu or from the command line, shown in the title, set aside while the tour teaches
// with the built-in polar.
#include "SpeedToFlyGrid.h"
#include "WingDialog.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("Var Azodoviravovorididaz");
const QString kLoadTitle = QStringLiteral("Polare laden");

} // namespace

void frmStart::setWing(const Wing *wing)
{
    // An exercise's answer and a held comparison belong to the polar they were made with.
    endExercise();
    m_comparison.reset();
    m_wing.reset();
    if (wing != nullptr) {
        m_wing = *wing;
    }
    applyWing();
    Repaint();
}

void frmStart::setWingSuspended(bool suspended)
{
    if (m_wingSuspended == suspended) {
        return;
    }
    m_wingSuspended = suspended;
    applyWing();
    // Without a wing nothing changes, and the tour's first steps keep the picture as it was.
    if (m_wing) {
        Repaint();
    }
}

void frmStart::applyWing()
{
    const Wing *active = m_wing && !m_wingSuspended ? &*m_wing : nullptr;
    SetActiveWing(active);
    setWindowTitle(active == nullptr ? kTitle
                                     : kTitle + QStringLiteral(" – ") +
                                           wingTitle(QLocale(QLocale::German, QLocale::Germany)));
    // A brake setting outside the new range moves to its nearest end.
    decl.Airspeed = std::clamp(decl.Airspeed, MinAirspeed(), MaxAirspeed());
}

void frmStart::loadWingFromFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, kLoadTitle, QString(),
        QStringLiteral("Polaren (*.plr *.csv *.txt);;Alle Dateien (*)"));
    if (path.isEmpty()) {
        return;
    }
    const std::string file = QFile::encodeName(path).toStdString();
    std::string error;
    const std::optional<PolarData> data = readPolarFile(file, error);
    if (!data) {
        QMessageBox::warning(this, kLoadTitle, QString::fromStdString(error));
        return;
    }
    WingDialog dialog(*data, file, QFileInfo(path).fileName(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::optional<Wing> wing = makeWing(*data, dialog.choice(file), error);
    if (!wing) {
        // The polar shown before stays.
        QMessageBox::warning(this, kLoadTitle, QString::fromStdString(error));
        return;
    }
    setWing(&*wing);
}
