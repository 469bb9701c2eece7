#pragma once

#include <QColor>
#include <QFont>
#include <QPageSize>
#include <QRectF>
#include <QString>

class QPainter;
class QPdfWriter;

// A text of the given height in millimetres as a pixel font for drawMillimetreText;
// condensed takes the narrow cut of the same family.
QFont millimetreFont(double millimetres, bool bold, bool condensed = false);

// Draws s into a box given in millimetres on a page that beginMillimetrePages set up. The
// text is laid out in tenths of a millimetre, so that pixel-sized fonts stay smooth.
void drawMillimetreText(QPainter &p, const QRectF &mm, const QString &s, const QFont &font,
                        int flags, const QColor &color = Qt::black);

// Sets up pdf for portrait pages of the given size without margins, at dpi, with its
// title and creator, and begins p on it scaled so that one unit is a millimetre on the
// page. False if the painter cannot begin.
bool beginMillimetrePages(QPdfWriter &pdf, QPainter &p, QPageSize::PageSizeId size, int dpi,
                          const QString &title, const QString &creator);
