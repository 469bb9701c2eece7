#include "UserScale.h"

#include <cmath>

double UserScale::unitsPerPixelX(const QSizeF &pixels) const
{
    return std::fabs(static_cast<double>(width)) / pixels.width();
}

double UserScale::unitsPerPixelY(const QSizeF &pixels) const
{
    return std::fabs(static_cast<double>(height)) / pixels.height();
}
