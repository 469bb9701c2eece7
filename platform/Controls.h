#pragma once

#include <QColor>
#include <QLabel>
#include <QRectF>
#include <QString>

class QWidget;

// The runtime's colour value: red + 256 * green + 65536 * blue.
constexpr int RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}
QColor colorFromValue(int value);

// Places a widget given in twips (floats) relative to its parent's client area.
void setGeometryTwips(QWidget *widget, const QRectF &twips);

// Label alignment as the runtime counts it.
enum LabelAlignment { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

// A label whose caption may hold carriage returns (code 13) as line breaks, and whose
// alignment, colours and font flags are set the way the window's code names them.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setAlignment(int alignment);
    int alignment() const { return m_alignment; }
    void setForeColor(int color);
    void setBackColor(int color);
    void setFontBold(bool bold);
    bool fontBold() const { return font().bold(); }
    void setFontUnderline(bool underline);
    bool fontUnderline() const { return font().underline(); }

private:
    QString m_caption;
    int m_alignment = kAlignLeft;
};
