#include "Diagram.h"
#include "Format.h"
#include "Look.h"
#include "PictureBox.h"

QFont standardFont(bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

void setUpDiagram(PictureBox &pic)
{
    pic.setBackColor(Look::kWhite);
    pic.setScaleHeight(kScaleHeight);
    pic.setScaleWidth(kScaleWidth);
    pic.setScaleTop(kScaleTop);
    pic.setScaleLeft(kScaleLeft);
    pic.setDrawFont(standardFont());
}

void DrawBackground(PictureBox &pic)
{
    pic.Cls();
    pic.setForeColor(Look::kBlack);
    pic.setDrawStyle(PictureBox::kStyleSolid);
    pic.setDrawWidth(2);

    // The axes stop 50 units short of the edges.
    pic.Line(pic.ScaleLeft() + 50, 0, pic.ScaleLeft() + pic.ScaleWidth() - 50, 0);
    pic.Line(0, -450, 0, 450);

    pic.setDrawWidth(1);
    // Horizontal scale, km/h: ticks down from the axis, numbers centred under them.
    for (int k = -50; k <= 50; k += 10) {
        pic.Line(10.0 * k, 0, 10.0 * k, -10);
        const QString text = StandardNumberText(k);
        const float w = pic.TextWidth(text);
        pic.setCurrentX(static_cast<float>(10.0 * k - w / 2.0));
        pic.setCurrentY(-13);
        pic.setForeColor(Look::kScaleGrey);
        if (k != 0) {
            pic.Print(text);
        }
        pic.setForeColor(Look::kBlack);
    }
    // Vertical scale, m/s: ticks left of the axis, numbers centred on them.
    for (int m = -4; m <= 4; ++m) {
        pic.Line(0, 100.0 * m, -10, 100.0 * m);
        const QString text = StandardNumberText(m);
        const float w = pic.TextWidth(text);
        const float h = -pic.TextHeight(text); // the scale grows upward
        pic.setCurrentX(-w - 13);
        pic.setCurrentY(static_cast<float>(100.0 * m + h / 2.0));
        pic.setForeColor(Look::kScaleGrey);
        if (m != 0) {
            pic.Print(text);
        }
        pic.setForeColor(Look::kBlack);
    }

    pic.setFontBold(true);
    pic.setCurrentX(pic.ScaleLeft() + pic.ScaleWidth() - 60);
    pic.setCurrentY(-13);
    pic.Print(QStringLiteral("km/h"));
    const float w = pic.TextWidth(QStringLiteral("m/s"));
    pic.setCurrentX(-w - 13);
    pic.setCurrentY(470);
    pic.Print(QStringLiteral("m/s"));
    pic.setFontBold(false);
}
