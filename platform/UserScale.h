#pragma once

#include <QPointF>
#include <QSizeF>

// The user scale of a picture box: the user coordinates of its left and top edge and
// its extent in user units. A negative height makes y grow upward. The mapping to
// pixels depends on the box's pixel size only, never the other way round.
struct UserScale
{
    float left = 0.0f;
    float top = 0.0f;
    float width = 1.0f;
    float height = 1.0f;

    // User coordinates to pixels of a box of the given pixel size.
    QPointF toPixel(double x, double y, const QSizeF &pixels) const
    {
        return {(x - left) * pixels.width() / width, (y - top) * pixels.height() / height};
    }
    // Pixels back to user coordinates.
    QPointF toUser(const QPointF &p, const QSizeF &pixels) const
    {
        return {left + p.x() * width / pixels.width(), top + p.y() * height / pixels.height()};
    }
    // Positive amounts: user units per pixel along x and along y.
    double unitsPerPixelX(const QSizeF &pixels) const;
    double unitsPerPixelY(const QSizeF &pixels) const;
};
