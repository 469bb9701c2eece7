// Copying and saving the diagram from the window: Ctrl+C, Ctrl+S and the diagram's
// context menu.
#include "DiagramFile.h"
#include "Language.h"
#include "RememberedWing.h"
#include "SafeOutput.h"
#include "frmStart.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>
#include <QStandardPaths>

namespace {

QString saveTitle()
{
    return translated("Window", "Diagramm speichern");
}
QString pngFilter()
{
    return translated("Window", "PNG-Bild (*.png)");
}
QString svgFilter()
{
    return translated("Window", "SVG-Grafik (*.svg)");
}
QString pdfFilter()
{
    return translated("Window", "PDF-Dokument (*.pdf)");
}

} // namespace

void frmStart::setUpExport()
{
    // Window-wide, so that they also work while the tour waits for ">> Weiter".
    new QShortcut(QKeySequence::Copy, this, this, &frmStart::copyDiagram);
    new QShortcut(QKeySequence::Save, this, this, &frmStart::saveDiagramAs);
    picPolare->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picPolare, &QWidget::customContextMenuRequested, this,
            &frmStart::picPolare_ContextMenu);
}

void frmStart::copyDiagram()
{
    // The picture as the screen shows it, at the screen's own pixel density.
    QGuiApplication::clipboard()->setImage(picPolare->Image());
}

void frmStart::picPolare_ContextMenu(const QPoint &at)
{
    // The right button while the brake bar is dragged changes nothing.
    if (BrakeBarDragging || (QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        return;
    }
    QMenu menu(this);
    // The keys as the user's language names them: Strg in German, Ctrl in English.
    QAction *copy = menu.addAction(translated("Window", "Diagramm kopieren\tStrg+C"));
    QAction *save = menu.addAction(translated("Window", "Diagramm speichern …\tStrg+S"));
    menu.addSeparator();
    // The tour teaches with the built-in polar: no other while it runs.
    const bool touring = !cmdTour->isEnabled();
    QAction *load = menu.addAction(translated("Window", "Polare laden …"));
    load->setEnabled(!touring);
    QAction *builtIn = menu.addAction(translated("Window", "Eingebaute Polare"));
    builtIn->setEnabled(!touring && !m_wing.builtIn);
    menu.addSeparator();
    QAction *bestGlide = menu.addAction(translated("Window", "Lektion: Bestes Gleiten"));
    QAction *reach = menu.addAction(translated("Window", "Lektion: Landeplatz erreichen"));
    QAction *speedToFly = menu.addAction(translated("Window", "Lektion: Sollfahrt (MacCready)"));
    for (QAction *lesson : {bestGlide, reach, speedToFly}) {
        lesson->setCheckable(true);
        lesson->setEnabled(!touring);
    }
    bestGlide->setChecked(m_lesson == Lesson::BestGlide);
    reach->setChecked(m_lesson == Lesson::Reach);
    speedToFly->setChecked(m_lesson == Lesson::SpeedToFly);
    menu.addSeparator();
    QAction *exercise = menu.addAction(translated("Window", "Übung: neuer Wind\tF5"));
    exercise->setEnabled(!touring);
    QAction *solve = menu.addAction(translated("Window", "Übung: auflösen\tEingabe"));
    solve->setEnabled(m_exercise.active && !m_exercise.solved);
    QAction *hold = menu.addAction(translated("Window", "Vergleich festhalten"));
    hold->setEnabled(!touring);
    QAction *clear = menu.addAction(translated("Window", "Vergleich löschen"));
    clear->setEnabled(m_comparison.has_value());
    QAction *chosen = menu.exec(picPolare->mapToGlobal(at));
    if (chosen == copy) {
        copyDiagram();
    } else if (chosen == save) {
        saveDiagramAs();
    } else if (chosen == load) {
        loadWingFromFile();
    } else if (chosen == builtIn) {
        setWing(nullptr);
        forgetWing();
    } else if (chosen == bestGlide) {
        setLesson(Lesson::BestGlide);
    } else if (chosen == reach) {
        setLesson(Lesson::Reach);
    } else if (chosen == speedToFly) {
        setLesson(Lesson::SpeedToFly);
    } else if (chosen == exercise) {
        newExercise();
    } else if (chosen == solve) {
        solveExercise();
    } else if (chosen == hold) {
        holdComparison();
    } else if (chosen == clear) {
        clearComparison();
    }
}

void frmStart::saveDiagramAs()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    QString filter = pngFilter();
    QString path = QFileDialog::getSaveFileName(
        this, saveTitle(), QDir(folder).filePath(translated("Window", "polare.png")),
        QStringList{pngFilter(), svgFilter(), pdfFilter()}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    // A name without one of the three endings takes the ending of the chosen kind.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf")) {
        path += filter == svgFilter()   ? QStringLiteral(".svg")
                : filter == pdfFilter() ? QStringLiteral(".pdf")
                                        : QStringLiteral(".png");
    }
    QString error;
    if (!saveDiagram(path, error)) {
        QMessageBox::warning(
            this, saveTitle(),
            translated("Window", "Das Diagramm konnte nicht gespeichert werden.\n%1\n%2")
                .arg(QDir::toNativeSeparators(path), error));
    }
}

bool frmStart::saveDiagram(const QString &path, QString &error)
{
    QByteArray bytes;
    const ExportFormat format = exportFormatFor(path);
    if (format == ExportFormat::Png) {
        // What the diagram shows, pixel for pixel, as the clipboard gets it.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picPolare->Image().save(&buffer, "PNG")) {
            bytes.clear();
        }
    } else {
        // What the diagram shows, as vectors: the operations that drew it, replayed, and
        // the read-out as it stands, also in the middle of the tour.
        const std::vector<DrawOp> shown = picPolare->shownOperations();
        const QString readout = lblInfo->text();
        bytes = exportPainted(format, picPolare->size(), [&](QPainter &p) {
            paintShownDiagram(p, picPolare->size(), shown, readout);
        });
    }
    if (bytes.isEmpty()) {
        error = translated("Window", "das Bild konnte nicht erzeugt werden");
        return false;
    }
    return writeFileSafely(QFile::encodeName(path), bytes, error);
}
