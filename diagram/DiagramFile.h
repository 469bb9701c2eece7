#pragma once

#include "modDeklarationen.h"

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
struct DrawOp;

// The diagram of one state as a file: the same drawing procedures as the window, drawn
// into a picture, a vector drawing or a printable page, with the glide-ratio read-out in
// a strip above the diagram.

struct DiagramState
{
    float windH = 0.0f;    // km/h, negative is headwind
    float windV = 0.0f;    // m/s, positive is updraft
    float airspeed = 0.0f; // km/h; used in free-brake mode only
    OverlaySwitches switches;
};

enum class ExportFormat { Png, Svg, Pdf };

// By the file name's extension (case-insensitive); PNG for anything else.
ExportFormat exportFormatFor(const QString &path);

// Height in pixels of the read-out strip above a diagram.
int readoutStripHeight();

// Paints strip and diagram into painter, in a space of size.width() by
// size.height() + readoutStripHeight(), from its origin. Needs a QGuiApplication.
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
// size.height() + readoutStripHeight().
QByteArray exportPainted(ExportFormat format, QSize size,
                         const std::function<void(QPainter &)> &paint);
