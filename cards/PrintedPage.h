#pragma once

#include <QPageSize>
#include <QString>

class QPainter;
class QPdfWriter;

// Sets up pdf for portrait pages of the given size without margins, at dpi, with its
// title and creator, and begins p on it scaled so that one unit is a millimetre on the
// page. False if the painter cannot begin.
bool beginMillimetrePages(QPdfWriter &pdf, QPainter &p, QPageSize::PageSizeId size, int dpi,
                          const QString &title, const QString &creator);
