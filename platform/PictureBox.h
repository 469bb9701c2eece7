#pragma once

#include "UserScale.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

// One drawing operation as the picture box received it, in user coordinates. Tests read
// these to check drawing code against exact coordinates and colours.
struct DrawOp
{
    enum Kind { Line, Box, Circle, Arc, Print };
    Kind kind = Line;
    double x1 = 0, y1 = 0;     // line start, box corner, circle centre, text top-left
    double x2 = 0, y2 = 0;     // line end, opposite box corner
    double radius = 0;         // circle and arc, in x units
    double start = 0, end = 0; // arc angles, radians, counter-clockwise from +x
    int color = 0;
    int width = 1;
    int style = 0;
    bool bold = false;
    QString text;
    int element = 0;            // what the operation draws a part of (0: nothing named)
    QSizeF textSize = QSizeF(); // a text's size in the box's pixels as it was printed
};

class PictureBox;

// A text whose place is chosen only once everything under it is drawn: one of places
// (top-left corners in user units, the preferred first), else of morePlaces, or none.
// owner is the element it labels (its own lines may touch it); rank orders the texts by
// importance, lower first.
struct DeferredText
{
    QString text;
    std::vector<QPointF> places;
    int color = 0;
    bool bold = false;
    int owner = 0;
    int rank = 0;
    // Further places, made only where none of places is free (a label with many).
    std::function<std::vector<QPointF>()> morePlaces = {};
    // A small drawing placed like a text instead of one: its size in the box's pixels, and
    // what draws it with its top-left corner at the place chosen (user units).
    QSizeF pixels = {};
    std::function<void(PictureBox &, QPointF)> draw = {};
};

// A picture box: a widget that shows a back buffer, drawn into with a user scale and a
// pen state, on top of an optional background picture. Painting the widget only blits
// the buffer, so covering or exposing the window never loses what was drawn.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kStyleSolid = 0;
    static constexpr int kStyleDash = 1;
    static constexpr int kStyleDot = 2;

    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    // The user scale.
    void setScaleLeft(float v) { m_scale.left = v; }
    void setScaleTop(float v) { m_scale.top = v; }
    void setScaleWidth(float v) { m_scale.width = v; }
    void setScaleHeight(float v) { m_scale.height = v; }
    float ScaleLeft() const { return m_scale.left; }
    float ScaleTop() const { return m_scale.top; }
    float ScaleWidth() const { return m_scale.width; }
    float ScaleHeight() const { return m_scale.height; }
    const UserScale &scale() const { return m_scale; }
    // Pixels to horizontal user units (a positive amount).
    float ScaleX(float pixels) const;
    QPointF toUser(const QPointF &pixel) const;
    QPointF toPixel(double x, double y) const;
    // A rectangle given in user units (left, top edge; positive width and height)
    // in widget pixels, for placing child controls.
    QRect userRectToPixels(double left, double top, double width, double height) const;

    // Pen and text state.
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    int DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(int style) { m_drawStyle = style; }
    int ForeColor() const { return m_foreColor; }
    void setForeColor(int color) { m_foreColor = color; }
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool bold) { m_fontBold = bold; }
    float CurrentX() const { return m_currentX; }
    float CurrentY() const { return m_currentY; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }
    void setBackColor(int color);
    // The drawing font (size in points, turned into pixels for the screen's dpi).
    void setDrawFont(const QFont &font);
    // Every line width and the font drawn this many times larger (a picture for a
    // projector); 1 draws as the screen does.
    void setOutputScale(double scale);
    double outputScale() const { return m_outputScale; }
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // Drawing.
    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    // The box form with an explicit colour, filled; its outline at DrawWidth.
    void LineBox(double x1, double y1, double x2, double y2, int color);
    // Radius in x units; round on screen. Colour < 0 takes ForeColor.
    void Circle(double x, double y, double radius, int color = -1);
    // Arc counter-clockwise from start to end (radians from +x), in ForeColor.
    void Arc(double x, double y, double radius, double start, double end);
    void Print(const QString &text);
    // In user units: width positive, height negative when y grows upward.
    float TextWidth(const QString &text) const;
    float TextHeight(const QString &text) const;

    // The element the next operations draw a part of (0: nothing named), recorded with
    // each, so that a text can tell its own element's lines from another's.
    void setElement(int element) { m_element = element; }
    int element() const { return m_element; }

    // Texts that wait for their place: they are placed by the placer (or, without one,
    // printed at their first place) before anything reads or paints what the box shows,
    // so that they can keep clear of everything drawn up to then. Cls and a new picture
    // drop those still waiting.
    void deferText(DeferredText text);
    void setTextPlacer(std::function<void(PictureBox &, std::vector<DeferredText>)> placer)
    {
        m_placer = std::move(placer);
    }
    // Places the waiting texts now.
    void settle() const;
    // What the waiting texts keep clear of: the picture's operations and those drawn since
    // texts were last placed (a frame drawn over an earlier one ignores the earlier one's).
    std::vector<DrawOp> operationsSincePlacing() const;

    // The background picture: assigning resets the buffer to it. drawnWith are the
    // operations that made the picture, so that what the box shows can be drawn again as
    // vectors (see shownOperations).
    void setPicture(const QImage &picture, std::vector<DrawOp> drawnWith = {});
    // What the box shows now.
    QImage Image() const;

    // Off: operations are recorded but not painted (for checks of the drawing code alone).
    void setPaintingEnabled(bool on) { m_painting = on; }

    // Texts left out, neither drawn nor recorded: dropClipped, those the box's edge would
    // cut (a vector file would keep them whole, invisible, for search and copy);
    // dropOverlapping, those that would fall on a text printed before (a printed diagram).
    void setTextRules(bool dropClipped, bool dropOverlapping)
    {
        m_dropClippedText = dropClipped;
        m_dropOverlappingText = dropOverlapping;
    }
    // Where a text printed now would stand, in the box's pixels.
    QRectF textRect(const QString &text) const;

    // Makes the buffer ready for drawing now: a shared background picture is copied here
    // rather than at the first drawing operation.
    void prepareDrawing() { painter(); }

    // Draws into another painter (a vector file, a printed page) instead of the back
    // buffer, in the same space of the box's pixel size, so that one drawing code serves
    // the screen and every export. Cls fills the box's area there. Null returns to the
    // buffer. The painter must outlive its use here.
    void setExternalPainter(QPainter *painter);

    // The operations drawn since the last Cls or picture.
    const std::vector<DrawOp> &operations() const
    {
        settle();
        return m_ops;
    }
    // Everything the box shows, in order: the operations that made its picture, then those
    // drawn since.
    std::vector<DrawOp> shownOperations() const;
    // Draws the operations again, each with its own pen, colour and text position; the pen
    // state of this box is what the last one left.
    void replay(const std::vector<DrawOp> &ops);

signals:
    // Button and shift masks as the runtime counts them (1 left, 2 right, 4 middle;
    // 1 shift, 2 ctrl, 4 alt); x and y in user units.
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    // A key pressed while the box has the focus (Qt's key code); it goes on to the parent.
    void KeyDown(int key, int shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPainter &painter();
    void endPainter() const;
    void resetBuffer();
    QFont fontFor(bool bold) const;
    // A text's size in pixels in the box's font, regular or bold.
    QSizeF measured(const QString &text, bool bold) const;
    QPointF snapped(const QPointF &p, int widthPixels) const;
    void record(DrawOp op);

    UserScale m_scale;
    int m_drawWidth = 1;
    int m_drawStyle = kStyleSolid;
    int m_foreColor = 0;
    int m_backColor = 0xffffff;
    bool m_fontBold = false;
    bool m_autoRedraw = false;
    bool m_painting = true;
    bool m_dropClippedText = false;
    bool m_dropOverlappingText = false;
    std::vector<QRectF> m_textRects; // texts printed under a rule since Cls or the picture
    float m_currentX = 0.0f;
    float m_currentY = 0.0f;
    QFont m_font;
    int m_fontPixels = 0; // the font's pixel size before the output scale
    // Sizes of texts measured in the current font: a redraw measures the same few labels
    // several times (arranged, placed, printed), and shaping a text is the dear part.
    mutable QHash<QString, QSizeF> m_measured[2];
    mutable double m_ascent[2] = {-1, -1};
    double m_outputScale = 1.0;
    QImage m_picture;
    mutable QImage m_buffer;
    mutable std::unique_ptr<QPainter> m_painter;
    QPainter *m_external = nullptr;
    std::vector<DrawOp> m_ops;
    std::vector<DrawOp> m_pictureOps;
    int m_element = 0;
    std::size_t m_placedUpTo = 0; // m_ops before this index were drawn before texts were placed
    std::vector<DeferredText> m_deferred;
    std::function<void(PictureBox &, std::vector<DeferredText>)> m_placer;
};
