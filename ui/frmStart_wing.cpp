// A pilot's own wing in the window: loaded from a file through the diagram's context
// menu or from the command line, shown in the title, set aside while the tour teaches
// with a polar of its own.
#include "Language.h"
#include "RememberedWing.h"
#include "SpeedToFlyGrid.h"
#include "WingDialog.h"
#include "WingMessages.h"
#include "frmStart.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("Var Azodoviravovorididaz");
QString loadTitle()
{
    return translated("Window", "Polare laden");
}

} // namespace

void frmStart::setWing(const Wing *wing)
{
    // An exercise's answer belongs to the polar it was set with; a held comparison keeps
    // its own wing.
    endExercise();
    m_wing = wing != nullptr ? *wing : Wing();
    applyWing();
    Repaint();
}

bool frmStart::setTourWing(const Wing *wing)
{
    const bool wasBuiltIn = polar().builtIn;
    m_tourWing.reset();
    if (wing != nullptr) {
        m_tourWing = *wing;
    }
    applyWing();
    // With the built-in polar on both sides nothing changes.
    return !(wasBuiltIn && polar().builtIn);
}

void frmStart::applyWing()
{
    const Wing &shown = polar();
    setWindowTitle(shown.builtIn ? kTitle
                                 : kTitle + QStringLiteral(" – ") + wingTitle(shown, textLocale()));
    // A brake setting outside the new range moves to its nearest end.
    decl.Airspeed = std::clamp(decl.Airspeed, shown.minSpeed, shown.maxSpeed);
}

void frmStart::loadWingFromFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, loadTitle(), lastPolarFolder(),
        translated("Window", "Polaren (*.plr *.csv *.txt);;Alle Dateien (*)"));
    if (path.isEmpty()) {
        return;
    }
    rememberPolarFolder(QFileInfo(path).absolutePath());
    const std::string file = QFile::encodeName(path).toStdString();
    WingProblem error;
    const std::optional<PolarData> data = readPolarFile(file, error);
    if (!data) {
        QMessageBox::warning(this, loadTitle(), wingProblemText(error));
        return;
    }
    WingDialog dialog(*data, file, QFileInfo(path).fileName(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::optional<Wing> wing = makeWing(*data, dialog.choice(file), error);
    if (!wing) {
        // The polar shown before stays.
        QMessageBox::warning(this, loadTitle(), wingProblemText(error));
        return;
    }
    setWing(&*wing);
    // The next start shows this wing. Where it cannot be kept, the user hears so once a
    // run; the wing stays for this one.
    static bool told = false;
    if (QString why; !rememberWing(*wing, why) && !told) {
        told = true;
        QMessageBox::warning(this, loadTitle(), why);
    }
}
