#include "TextPlacement.h"

#include "PictureBox.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// Something a text must not lie on, in the box's pixels: another text, an area (a box, a
// circle's square) or a line (a line, or a piece of an arc) with its reach, half its
// width and a pixel of air.
struct Obstacle
{
    enum Kind { Text, Area, Line } kind;
    QRectF rect;
    QLineF line;
    double reach = 0;
    int element = Element::None;
};

Obstacle textObstacle(const QRectF &rect, int element)
{
    return {Obstacle::Text, rect, {}, 0, element};
}

Obstacle areaObstacle(const QRectF &rect, int element)
{
    return {Obstacle::Area, rect, {}, 0, element};
}

Obstacle lineObstacle(const QLineF &line, double reach, int element)
{
    return {Obstacle::Line, {}, line, reach, element};
}

// Does the segment come within reach of the rectangle? Clips the segment to the grown
// rectangle (Liang-Barsky).
bool segmentMeets(const QLineF &l, double reach, const QRectF &r)
{
    const QRectF g = r.adjusted(-reach, -reach, reach, reach);
    double t0 = 0, t1 = 1;
    const double dx = l.dx();
    const double dy = l.dy();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1() - g.left(), g.right() - l.x1(), l.y1() - g.top(),
                        g.bottom() - l.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

QRectF textPixels(PictureBox &pic, const QString &text, bool bold, QPointF topLeft)
{
    pic.setFontBold(bold);
    pic.setCurrentX(static_cast<float>(topLeft.x()));
    pic.setCurrentY(static_cast<float>(topLeft.y()));
    return pic.textRect(text);
}

std::vector<Obstacle> obstaclesOf(PictureBox &pic)
{
    std::vector<Obstacle> out;
    for (const DrawOp &op : pic.operationsSincePlacing()) {
        switch (op.kind) {
        case DrawOp::Print:
            // Measured when it was printed; a text from elsewhere is measured now.
            out.push_back(textObstacle(op.textSize.isValid()
                                           ? QRectF(pic.toPixel(op.x1, op.y1), op.textSize)
                                           : textPixels(pic, op.text, op.bold, {op.x1, op.y1}),
                                       op.element));
            break;
        case DrawOp::Line: {
            if (op.element == Element::None || op.style == PictureBox::kStyleDot) {
                break;
            }
            const QPointF a = pic.toPixel(op.x1, op.y1);
            const QPointF b = pic.toPixel(op.x2, op.y2);
            const double widthPx = std::max(1, op.width) * pic.outputScale();
            out.push_back(lineObstacle(QLineF(a, b), widthPx / 2.0 + 1.0, op.element));
            break;
        }
        case DrawOp::Box:
            if (op.element != Element::None) {
                out.push_back(areaObstacle(
                    QRectF(pic.toPixel(op.x1, op.y1), pic.toPixel(op.x2, op.y2)).normalized(),
                    op.element));
            }
            break;
        case DrawOp::Circle:
        case DrawOp::Arc: {
            if (op.element == Element::None) {
                break;
            }
            const QPointF c = pic.toPixel(op.x1, op.y1);
            const double r = std::fabs(pic.toPixel(op.x1 + op.radius, op.y1).x() - c.x());
            if (op.kind == DrawOp::Circle) {
                out.push_back(areaObstacle(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), op.element));
                break;
            }
            double start = op.start;
            double end = op.end;
            while (end < start) {
                end += 2 * M_PI;
            }
            constexpr int kPieces = 16;
            QPointF from(c.x() + r * std::cos(start), c.y() - r * std::sin(start));
            for (int i = 1; i <= kPieces; ++i) {
                const double a = start + (end - start) * i / kPieces;
                const QPointF to(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
                out.push_back(lineObstacle(QLineF(from, to), 2.0, op.element));
                from = to;
            }
            break;
        }
        }
    }
    return out;
}

constexpr int kOnAText = 1000;

// How many obstacles a text's rectangle meets; a text counts as kOnAText, and one that
// ends where the next begins reads as one word with it: texts keep a fifth of their
// height apart sideways. The axes count only for a caption, which reads as a line of its
// own.
int meetings(const std::vector<Obstacle> &obstacles, const QRectF &r, int owner, bool caption)
{
    const double air = r.height() / 5.0;
    const QRectF spaced = r.adjusted(-air, 0, air, 0);
    int n = 0;
    for (const Obstacle &o : obstacles) {
        if (o.kind == Obstacle::Text) {
            n += o.rect.intersects(spaced) ? kOnAText : 0;
        } else if (o.element == Element::Axis && !caption) {
            continue;
        } else if (o.element != owner) {
            n += o.kind == Obstacle::Line ? segmentMeets(o.line, o.reach, r) : o.rect.intersects(r);
        }
    }
    return n;
}

} // namespace

std::vector<QPointF> placesAround(QPointF preferred, double step, int steps, int rowsBelow,
                                  int rowsAbove, double rowHeight, double rowCost)
{
    // The order of the offsets (sideways steps, rows) depends on the counts and costs
    // alone: it is sorted once for each kind of label, not at every drawing.
    using Offsets = std::vector<std::pair<int, int>>;
    thread_local std::map<std::tuple<double, int, int, int, double>, Offsets> orders;
    Offsets &order = orders[{step, steps, rowsBelow, rowsAbove, rowCost}];
    if (order.empty()) {
        std::vector<std::pair<double, std::pair<int, int>>> costed;
        for (int row = -rowsAbove; row <= rowsBelow; ++row) {
            for (int k = -steps; k <= steps; ++k) {
                costed.push_back({std::abs(k) * step + std::abs(row) * rowCost + (k < 0 ? 0.5 : 0) +
                                      (row < 0 ? 0.25 : 0),
                                  {k, row}});
            }
        }
        std::stable_sort(costed.begin(), costed.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &c : costed) {
            order.push_back(c.second);
        }
    }
    std::vector<QPointF> out;
    out.reserve(order.size());
    for (const auto &[k, row] : order) {
        out.push_back(preferred + QPointF(k * step, row * rowHeight));
    }
    return out;
}

void placeDiagramTexts(PictureBox &pic, std::vector<DeferredText> texts)
{
    std::stable_sort(texts.begin(), texts.end(),
                     [](const DeferredText &a, const DeferredText &b) { return a.rank < b.rank; });
    std::vector<Obstacle> obstacles = obstaclesOf(pic);
    // Half a pixel of slack: a text that ends on the box's edge is whole.
    const QRectF frame = QRectF(pic.rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const DeferredText &t : texts) {
        std::optional<QPointF> chosen;
        QRectF chosenRect;
        int fewest = kOnAText;
        // Measured once: a text's size is the same wherever it stands, and a label may try
        // a thousand places.
        const QSizeF size = t.draw ? t.pixels : textPixels(pic, t.text, t.bold, QPointF()).size();
        // Tries the places in order; true once one is free.
        const auto tryPlaces = [&](const std::vector<QPointF> &places) {
            for (const QPointF &place : places) {
                // Where the box would print it: at its current position, in single precision.
                const QRectF r(
                    pic.toPixel(static_cast<float>(place.x()), static_cast<float>(place.y())),
                    size);
                if (!frame.contains(r)) {
                    continue;
                }
                const int n = meetings(obstacles, r, t.owner,
                                       t.rank == TextRank::BrakeCaption ||
                                           t.rank == TextRank::SideView || t.draw);
                if (n == 0) {
                    chosen = place;
                    chosenRect = r;
                    return true;
                }
                // A brake-scale label stays where it meets least, but never on a text.
                if (t.rank == TextRank::BrakeLabel && n < std::min(fewest, kOnAText)) {
                    fewest = n;
                    chosen = place;
                    chosenRect = r;
                }
            }
            return false;
        };
        if (!tryPlaces(t.places) && t.morePlaces) {
            tryPlaces(t.morePlaces());
        }
        if (!chosen) {
            continue;
        }
        pic.setForeColor(t.color);
        pic.setFontBold(t.bold);
        pic.setElement(t.owner);
        if (t.draw) {
            t.draw(pic, *chosen);
        } else {
            pic.setCurrentX(static_cast<float>(chosen->x()));
            pic.setCurrentY(static_cast<float>(chosen->y()));
            pic.Print(t.text);
        }
        obstacles.push_back(textObstacle(chosenRect, t.owner));
    }
    pic.setElement(Element::None);
    pic.setFontBold(false);
}
