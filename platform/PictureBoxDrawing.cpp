// The picture box's drawing operations: lines, boxes, circles, arcs and text in user
// units, recorded so that they can be drawn again, and snapped to whole device pixels.
#include "PictureBox.h"

#include "Controls.h"
#include "FloatingPoint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Snaps a device coordinate so that a line of the given device width covers whole
// pixels: odd widths sit on pixel centres, even widths on pixel edges.
double snapDevice(double v, double deviceWidth)
{
    const long w = std::lround(deviceWidth);
    return (w % 2 == 1) ? std::floor(v) + 0.5 : std::round(v);
}

} // namespace

QPointF PictureBox::snapped(const QPointF &p, int widthPixels) const
{
    const qreal dpr = m_buffer.devicePixelRatio();
    const double w = widthPixels * dpr;
    return {snapDevice(p.x() * dpr, w) / dpr, snapDevice(p.y() * dpr, w) / dpr};
}

void PictureBox::Line(double x1, double y1, double x2, double y2)
{
    record(
        {DrawOp::Line, x1, y1, x2, y2, 0, 0, 0, m_foreColor, m_drawWidth, m_drawStyle, false, {}});
    if (!m_painting) {
        return;
    }
    const QtFloatingPointScope qtCode;
    QPointF a = toPixel(x1, y1);
    QPointF b = toPixel(x2, y2);
    const double width = std::max(1, m_drawWidth) * m_outputScale;
    // Keep axis-parallel lines crisp: put them on the pixel grid across their length.
    const int snapWidth = static_cast<int>(std::lround(width));
    if (x1 == x2) {
        const double x = snapped(a, snapWidth).x();
        a.setX(x);
        b.setX(x);
    }
    if (y1 == y2) {
        const double y = snapped(a, snapWidth).y();
        a.setY(y);
        b.setY(y);
    }
    QPen pen(colorFromValue(m_foreColor), width);
    if (m_drawStyle == kStyleDot) {
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
    } else if (m_drawStyle == kStyleDash) {
        pen.setStyle(Qt::DashLine);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    QPainter &p = painter();
    p.setPen(pen);
    p.drawLine(a, b);
}

void PictureBox::LineBox(double x1, double y1, double x2, double y2, int color)
{
    record({DrawOp::Box, x1, y1, x2, y2, 0, 0, 0, color, m_drawWidth, m_drawStyle, false, {}});
    if (!m_painting) {
        return;
    }
    const QtFloatingPointScope qtCode;
    const qreal dpr = m_buffer.devicePixelRatio();
    const auto grid = [dpr](const QPointF &p) {
        return QPointF(std::round(p.x() * dpr) / dpr, std::round(p.y() * dpr) / dpr);
    };
    QRectF r = QRectF(grid(toPixel(x1, y1)), grid(toPixel(x2, y2))).normalized();
    // The outline at DrawWidth in the fill's own colour adds half the width all round:
    // one larger fill paints exactly those pixels.
    if (m_drawWidth > 1) {
        const double half = m_drawWidth * m_outputScale / 2.0;
        r.adjust(-half, -half, half, half);
    }
    painter().fillRect(r, colorFromValue(color));
}

void PictureBox::Circle(double x, double y, double radius, int color)
{
    const int c = color < 0 ? m_foreColor : color;
    record({DrawOp::Circle, x, y, 0, 0, radius, 0, 0, c, m_drawWidth, m_drawStyle, false, {}});
    if (!m_painting) {
        return;
    }
    const QtFloatingPointScope qtCode;
    const QPointF centre = toPixel(x, y);
    const double r = std::fabs(radius) / m_scale.unitsPerPixelX(QSizeF(size()));
    QPainter &p = painter();
    p.setPen(QPen(colorFromValue(c), std::max(1, m_drawWidth) * m_outputScale));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
}

void PictureBox::Arc(double x, double y, double radius, double start, double end)
{
    record({DrawOp::Arc,
            x,
            y,
            0,
            0,
            radius,
            start,
            end,
            m_foreColor,
            m_drawWidth,
            m_drawStyle,
            false,
            {}});
    if (!m_painting) {
        return;
    }
    const QtFloatingPointScope qtCode;
    constexpr double kTwoPi = 6.283185307179586;
    const QSizeF pixels(size());
    const QPointF centre = toPixel(x, y);
    const double perUnitX = 1.0 / m_scale.unitsPerPixelX(pixels);
    const double perUnitY = 1.0 / m_scale.unitsPerPixelY(pixels);
    const double r = std::fabs(radius) * perUnitX;
    // The angles are directions in user units, and a unit across and a unit up differ in
    // length on the screen: an angle θ points where (cos θ, sin θ) in user units lands.
    // The circle itself stays round, so only the directions of its ends are mapped.
    const auto screenAngle = [&](double theta) {
        return std::atan2(std::sin(theta) * perUnitY, std::cos(theta) * perUnitX);
    };
    double span = end - start;
    while (span < 0) {
        span += kTwoPi;
    }
    const double screenStart = screenAngle(start);
    double screenSpan = span;
    if (span < kTwoPi) {
        screenSpan = screenAngle(end) - screenStart;
        while (screenSpan < 0) {
            screenSpan += kTwoPi;
        }
    }
    // Angles count counter-clockwise on the screen; the y-up scale keeps that sense.
    const double toSixteenths = 180.0 / 3.141592653589793 * 16.0;
    QPen pen(colorFromValue(m_foreColor), std::max(1, m_drawWidth) * m_outputScale);
    pen.setCapStyle(Qt::FlatCap);
    QPainter &p = painter();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
              static_cast<int>(std::lround(screenStart * toSixteenths)),
              static_cast<int>(std::lround(screenSpan * toSixteenths)));
}

void PictureBox::Print(const QString &text)
{
    // Measured once, here: the size is recorded with the text, for whatever must keep
    // clear of it later (a background's numbers are printed once and kept clear of at
    // every redraw).
    const QRectF box = textRect(text);
    // A text the frame would clip is left out where it could otherwise be found (a
    // vector file), and one that would fall on another where two must not meet.
    if (m_dropClippedText || m_dropOverlappingText) {
        const bool clipped = !QRectF(rect()).contains(box);
        const bool overlaps =
            std::any_of(m_textRects.begin(), m_textRects.end(),
                        [&](const QRectF &other) { return other.intersects(box); });
        if ((m_dropClippedText && clipped) || (m_dropOverlappingText && overlaps)) {
            m_currentY += TextHeight(text);
            m_currentX = m_scale.left;
            return;
        }
        m_textRects.push_back(box);
    }
    DrawOp op{DrawOp::Print, m_currentX,  m_currentY,  0,          0,   0, 0, 0,
              m_foreColor,   m_drawWidth, m_drawStyle, m_fontBold, text};
    op.textSize = box.size();
    record(std::move(op));
    if (m_painting) {
        const QtFloatingPointScope qtCode;
        const QFont f = fontFor(m_fontBold);
        double &ascent = m_ascent[m_fontBold ? 1 : 0];
        if (ascent < 0) {
            ascent = QFontMetricsF(f).ascent();
        }
        const QPointF topLeft = toPixel(m_currentX, m_currentY);
        QPainter &p = painter();
        p.setFont(f);
        p.setPen(colorFromValue(m_foreColor));
        p.drawText(QPointF(std::round(topLeft.x()), std::round(topLeft.y() + ascent)), text);
    }
    // Like a line printer: the next text goes under this one, at the left edge.
    m_currentY += TextHeight(text);
    m_currentX = m_scale.left;
}

QRectF PictureBox::textRect(const QString &text) const
{
    return {toPixel(m_currentX, m_currentY), measured(text, m_fontBold)};
}

float PictureBox::TextWidth(const QString &text) const
{
    return static_cast<float>(measured(text, m_fontBold).width() *
                              m_scale.unitsPerPixelX(QSizeF(size())));
}

float PictureBox::TextHeight(const QString &text) const
{
    const double perPixel = static_cast<double>(m_scale.height) / height();
    return static_cast<float>(measured(text, m_fontBold).height() * perPixel);
}

void PictureBox::replay(const std::vector<DrawOp> &ops)
{
    for (const DrawOp &op : ops) {
        m_drawWidth = op.width;
        m_drawStyle = op.style;
        m_foreColor = op.color;
        switch (op.kind) {
        case DrawOp::Line:
            Line(op.x1, op.y1, op.x2, op.y2);
            break;
        case DrawOp::Box:
            LineBox(op.x1, op.y1, op.x2, op.y2, op.color);
            break;
        case DrawOp::Circle:
            Circle(op.x1, op.y1, op.radius, op.color);
            break;
        case DrawOp::Arc:
            Arc(op.x1, op.y1, op.radius, op.start, op.end);
            break;
        case DrawOp::Print:
            m_fontBold = op.bold;
            m_currentX = static_cast<float>(op.x1);
            m_currentY = static_cast<float>(op.y1);
            Print(op.text);
            break;
        }
    }
}
