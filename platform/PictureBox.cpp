#include "PictureBox.h"

#include "Controls.h"
#include "FloatingPoint.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {

int buttonMask(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton) {
        mask |= 1;
    }
    if (buttons & Qt::RightButton) {
        mask |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        mask |= 4;
    }
    return mask;
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) {
        mask |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        mask |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        mask |= 4;
    }
    return mask;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setDrawFont(font());
    resetBuffer();
}

PictureBox::~PictureBox()
{
    endPainter();
}

float PictureBox::ScaleX(float pixels) const
{
    return static_cast<float>(pixels * m_scale.unitsPerPixelX(QSizeF(size())));
}

QPointF PictureBox::toUser(const QPointF &pixel) const
{
    return m_scale.toUser(pixel, QSizeF(size()));
}

QPointF PictureBox::toPixel(double x, double y) const
{
    return m_scale.toPixel(x, y, QSizeF(size()));
}

QRect PictureBox::userRectToPixels(double left, double top, double width, double height) const
{
    const double dirX = m_scale.width < 0 ? -1.0 : 1.0;
    const double dirY = m_scale.height < 0 ? -1.0 : 1.0;
    const QPointF a = toPixel(left, top);
    const QPointF b = toPixel(left + dirX * width, top + dirY * height);
    return QRectF(a, b).normalized().toAlignedRect();
}

void PictureBox::setBackColor(int color)
{
    m_backColor = color;
    resetBuffer();
}

void PictureBox::setDrawFont(const QFont &font)
{
    m_font = font;
    if (font.pointSizeF() > 0) {
        const QScreen *s = screen();
        const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
        m_font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0)));
    }
    m_fontPixels = m_font.pixelSize();
    setOutputScale(m_outputScale);
}

void PictureBox::setOutputScale(double scale)
{
    m_outputScale = scale;
    m_measured[0].clear();
    m_measured[1].clear();
    m_ascent[0] = m_ascent[1] = -1;
    if (m_fontPixels > 0) {
        m_font.setPixelSize(std::max(1, static_cast<int>(std::lround(m_fontPixels * scale))));
    }
}

QFont PictureBox::fontFor(bool bold) const
{
    QFont f = m_font;
    f.setBold(bold);
    return f;
}

QSizeF PictureBox::measured(const QString &text, bool bold) const
{
    QHash<QString, QSizeF> &sizes = m_measured[bold ? 1 : 0];
    const auto known = sizes.constFind(text);
    if (known != sizes.constEnd()) {
        return *known;
    }
    const QtFloatingPointScope qtCode;
    const QFontMetricsF fm(fontFor(bold));
    const QSizeF size(fm.horizontalAdvance(text), fm.height());
    if (sizes.size() > 512) {
        sizes.clear(); // read-outs change with every airspeed: keep the cache small
    }
    sizes.insert(text, size);
    return size;
}

void PictureBox::setExternalPainter(QPainter *painter)
{
    if (painter == nullptr && m_external != nullptr) {
        settle(); // the waiting texts belong to the other painter's picture
    }
    m_external = painter;
    if (painter != nullptr) {
        // Another painter needs no picture of the box's size: a large vector export would
        // otherwise hold hundreds of megabytes it never uses.
        endPainter();
        const qreal dpr = m_buffer.devicePixelRatio();
        m_buffer = QImage(1, 1, QImage::Format_RGB32);
        m_buffer.setDevicePixelRatio(dpr);
    }
}

QPainter &PictureBox::painter()
{
    if (m_external != nullptr) {
        return *m_external;
    }
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_buffer);
        m_painter->setRenderHint(QPainter::Antialiasing);
        m_painter->setRenderHint(QPainter::TextAntialiasing);
    }
    return *m_painter;
}

void PictureBox::endPainter() const
{
    m_painter.reset();
}

void PictureBox::resetBuffer()
{
    if (m_external != nullptr) {
        if (m_painting) {
            m_external->fillRect(QRectF(QPointF(0, 0), QSizeF(size())),
                                 colorFromValue(m_backColor));
        }
        return;
    }
    endPainter();
    // Nothing is painted: no picture of the box's size is needed either.
    if (!m_painting) {
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize().expandedTo(QSize(1, 1));
    if (!m_picture.isNull() && m_picture.size() == device && m_picture.devicePixelRatio() == dpr &&
        m_picture.format() == QImage::Format_RGB32) {
        m_buffer = m_picture; // shared until the first drawing detaches it
        return;
    }
    m_buffer = QImage(device, QImage::Format_RGB32);
    m_buffer.setDevicePixelRatio(dpr);
    m_buffer.fill(colorFromValue(m_backColor));
    if (!m_picture.isNull()) {
        QPainter p(&m_buffer);
        p.drawImage(QPointF(0, 0), m_picture);
    }
}

void PictureBox::record(DrawOp op)
{
    op.element = m_element;
    m_ops.push_back(std::move(op));
    update();
}

void PictureBox::deferText(DeferredText text)
{
    m_deferred.push_back(std::move(text));
    update();
}

void PictureBox::settle() const
{
    if (m_deferred.empty()) {
        return;
    }
    // What the box shows is read or painted through const functions; placing the texts
    // that wait completes it, as if it had been done at the end of the drawing.
    auto *self = const_cast<PictureBox *>(this);
    std::vector<DeferredText> texts;
    texts.swap(self->m_deferred);
    const int color = m_foreColor;
    const bool bold = m_fontBold;
    const float x = m_currentX;
    const float y = m_currentY;
    if (m_placer) {
        m_placer(*self, std::move(texts));
    } else {
        for (const DeferredText &t : texts) {
            if (t.places.empty()) {
                continue;
            }
            self->setForeColor(t.color);
            self->setFontBold(t.bold);
            if (t.draw) {
                t.draw(*self, t.places.front());
                continue;
            }
            self->setCurrentX(static_cast<float>(t.places.front().x()));
            self->setCurrentY(static_cast<float>(t.places.front().y()));
            self->Print(t.text);
        }
    }
    self->m_placedUpTo = m_ops.size();
    self->m_foreColor = color;
    self->m_fontBold = bold;
    self->m_currentX = x;
    self->m_currentY = y;
}

std::vector<DrawOp> PictureBox::operationsSincePlacing() const
{
    std::vector<DrawOp> all = m_pictureOps;
    all.insert(all.end(), m_ops.begin() + static_cast<std::ptrdiff_t>(m_placedUpTo), m_ops.end());
    return all;
}

void PictureBox::Cls()
{
    m_deferred.clear();
    m_placedUpTo = 0;
    m_ops.clear();
    m_textRects.clear();
    m_currentX = 0.0f;
    m_currentY = 0.0f;
    resetBuffer();
    update();
}

void PictureBox::setPicture(const QImage &picture, std::vector<DrawOp> drawnWith)
{
    m_picture = picture;
    m_pictureOps = std::move(drawnWith);
    m_deferred.clear();
    m_placedUpTo = 0;
    m_ops.clear();
    m_textRects.clear();
    resetBuffer();
    update();
}

std::vector<DrawOp> PictureBox::shownOperations() const
{
    settle();
    std::vector<DrawOp> all = m_pictureOps;
    all.insert(all.end(), m_ops.begin(), m_ops.end());
    return all;
}

QImage PictureBox::Image() const
{
    settle();
    endPainter();
    return m_buffer;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    settle();
    endPainter();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_buffer);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    const qreal dpr = devicePixelRatioF();
    if (m_buffer.size() == (QSizeF(size()) * dpr).toSize()) {
        return;
    }
    const QImage old = Image();
    resetBuffer();
    QPainter p(&m_buffer);
    p.drawImage(QPointF(0, 0), old);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF u = toUser(event->position());
    emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()),
                   static_cast<float>(u.x()), static_cast<float>(u.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF u = toUser(event->position());
    emit MouseUp(buttonMask(event->button()), shiftMask(event->modifiers()),
                 static_cast<float>(u.x()), static_cast<float>(u.y()));
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    emit KeyDown(event->key(), shiftMask(event->modifiers()));
    QWidget::keyPressEvent(event);
}
