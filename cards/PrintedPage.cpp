#include "PrintedPage.h"

#include <QPainter>
#include <QPdfWriter>

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
