#include "Controls.h"

#include "Screen.h"

#include <QPalette>
#include <QWidget>
#include <cmath>

QColor colorFromValue(int value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

void setGeometryTwips(QWidget *widget, const QRectF &twips)
{
    const double tx = Screen::TwipsPerPixelX();
    const double ty = Screen::TwipsPerPixelY();
    const int left = static_cast<int>(std::lround(twips.left() / tx));
    const int top = static_cast<int>(std::lround(twips.top() / ty));
    const int right = static_cast<int>(std::lround((twips.left() + twips.width()) / tx));
    const int bottom = static_cast<int>(std::lround((twips.top() + twips.height()) / ty));
    widget->setGeometry(left, top, right - left, bottom - top);
}

Label::Label(QWidget *parent) : QLabel(parent)
{
    setAlignment(kAlignLeft);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == kAlignRight) {
        horizontal = Qt::AlignRight;
    } else if (alignment == kAlignCenter) {
        horizontal = Qt::AlignHCenter;
    }
    QLabel::setAlignment(horizontal | Qt::AlignTop);
}

void Label::setForeColor(int color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colorFromValue(color));
    setPalette(p);
}

void Label::setBackColor(int color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::setFontUnderline(bool underline)
{
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}
