#include "PrintedPage.h"

#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

QFont millimetreFont(double millimetres, bool bold, bool condensed)
{
    QFont f(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    f.setBold(bold);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(millimetres * 10))));
    return f;
}

void drawMillimetreText(QPainter &p, const QRectF &mm, const QString &s, const QFont &font,
                        int flags, const QColor &color)
{
    p.save();
    p.scale(0.1, 0.1);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRectF(mm.x() * 10, mm.y() * 10, mm.width() * 10, mm.height() * 10), flags, s);
    p.restore();
}

bool beginMillimetrePages(QPdfWriter &pdf, QPainter &p, QPageSize::PageSizeId size, int dpi,
                          const QString &title, const QString &creator)
{
    pdf.setTitle(title);
    pdf.setCreator(creator);
    pdf.setPageSize(QPageSize(size));
    pdf.setPageOrientation(QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(dpi);
    if (!p.begin(&pdf)) {
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const double dotsPerMm = pdf.resolution() / 25.4;
    p.scale(dotsPerMm, dotsPerMm);
    return true;
}
