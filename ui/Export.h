#pragma once

#include "modDeklarationen.h"

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QSize>
#include <QString>

class QPainter;

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

// The file's bytes: PNG of that many pixels; SVG of that size; PDF as an A4 landscape
// page with the diagram fitted inside its margins. Empty if it cannot be made.
QByteArray exportDiagram(ExportFormat format, QSize size, const DiagramState &state,
                         const QLocale &locale = QLocale());
