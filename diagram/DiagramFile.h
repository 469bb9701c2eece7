#pragma once

#include "Diagram.h"
#include "modDeklarationen.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QLocale>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
struct DrawOp;

// The diagram of one state as a file: the same drawing procedures as the window, drawn
// into a picture, a vector drawing or a printable page, with the glide-ratio read-out in
// a strip above the diagram.

struct DiagramState
{
    Wing wing;             // the polar drawn: by default the built-in one
    float windH = 0.0f;    // km/h, negative is headwind
    float windV = 0.0f;    // m/s, positive is updraft
    float airspeed = 0.0f; // km/h; used in free-brake mode only
    OverlaySwitches switches;
    double scale = 1.0; // line widths and fonts this many times larger (a projector)
    QString title;      // a lecture page's line in the strip, right of the read-out
    bool task = false;  // an exercise: no ground-speed vector, brake bar or read-out
    std::optional<Comparison> comparison; // a held state in grey beneath, with its legend
    // Text rules of a file: no text the frame clips (vector files keep it, invisible, for
    // search and copy), no text over another (a printed diagram); no read-out strip.
    bool dropClippedText = false;
    bool separateTexts = false;
    bool readoutStrip = true;
    // A printed task or a lecture's page: the window shifted to show the state whole, at
    // the diagram's scale; with the air origin, where the wind vectors end, if airOrigin.
    bool fittedWindow = false;
    bool airOrigin = false;
    // A landing field: its needed glide and what reaches it drawn, the answer in the strip.
    std::optional<ReachQuestion> reach;
    // An expected climb (m/s): the speed to fly's tangent and average, the locked bar at
    // the speed to fly, its answer in the strip; drifting: the thermal drifts with the wind.
    std::optional<double> climb;
    bool drifting = false;
};

enum class ExportFormat { Png, Svg, Pdf };

// By the file name's extension (case-insensitive); PNG for anything else.
ExportFormat exportFormatFor(const QString &path);

// Height in pixels of the read-out strip above a diagram, its font scale times larger.
int readoutStripHeight(double scale = 1.0);

// Paints strip and diagram into painter, in a space of size.width() by
// size.height() + readoutStripHeight() (no strip if the state says so), from its origin. Needs a
// QApplication (the drawing goes through a picture box, a widget).
void paintDiagram(QPainter &painter, QSize size, const DiagramState &state,
                  const QLocale &locale = QLocale());

// Strip and diagram as a picture of size.width() by size.height() + readoutStripHeight()
// pixels.
QImage diagramImage(QSize size, const DiagramState &state, const QLocale &locale = QLocale());

// Paints strip and diagram like paintDiagram, but the diagram is the given drawing
// operations replayed (what a picture box on the screen shows) and the strip holds
// readout as it stands.
void paintShownDiagram(QPainter &painter, QSize size, const std::vector<DrawOp> &shown,
                       const QString &readout);

// The file's bytes: PNG of that many pixels; SVG of that size; PDF as an A4 landscape
// page with the diagram fitted inside its margins. Empty if it cannot be made.
QByteArray exportDiagram(ExportFormat format, QSize size, const DiagramState &state,
                         const QLocale &locale = QLocale());

// The same file from any painting of strip and diagram into a space of size.width() by
// size.height() + readoutStripHeight(scale).
QByteArray exportPainted(ExportFormat format, QSize size,
                         const std::function<void(QPainter &)> &paint, double scale = 1.0);

// A PDF of A4 landscape pages, one painting each, fitted as exportDiagram fits one.
QByteArray pdfPages(QSize size, const QList<std::function<void(QPainter &)>> &pages,
                    double scale = 1.0);

// A PDF with one page per state, in order: a lecture in one file.
QByteArray exportPdfPages(QSize size, const QList<DiagramState> &states,
                          const QLocale &locale = QLocale());
