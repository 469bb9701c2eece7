#include "frmStart.h"
#include "Language.h"

#include "Diagram.h"
#include "Look.h"
#include "Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace {

Label *makeLabel(QWidget *parent, const QString &caption, int alignment)
{
    auto *label = new Label(parent);
    label->setCaption(caption);
    label->setAlignment(alignment);
    return label;
}

} // namespace

frmStart::frmStart(QWidget *parent) : QWidget(parent)
{
    // The diagram and its bars read left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    m_endProgram = [] {
        QCoreApplication::exit(0);
    };
    createControls();
    Form_Load();
}

frmStart::~frmStart() = default;

void frmStart::createControls()
{
    setWindowTitle(QStringLiteral("Var Azodoviravovorididaz"));
    setFont(standardFont());

    picPolare = new PictureBox(this);
    picCopy = new PictureBox(this);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    // Key_Right should blow the wind towards the tail, as the bar's right end says.
    HScroll1->setInvertedControls(false);

    chkWind = new QCheckBox(translated("Window", "Wind-Vektoren"), this);
    chkAirspeed = new QCheckBox(translated("Window", "Airspeed-Vektoren"), this);
    chkBremsen = new QPushButton(translated("Window", "Bremsen frei verstellbar"), this);
    chkBremsen->setCheckable(true);
    chkBremsen->setFont(standardFont(true));
    cmdTour = new QPushButton(translated("Window", "Tour"), this);
    cmdEnde = new QPushButton(translated("Window", "Ende"), this);

    cmdWeiter = new QPushButton(translated("Window", ">> Weiter"), picPolare);
    cmdWeiter->hide();
    txtTour = makeLabel(picPolare, QString(), kAlignCenter);
    QFont tourFont(QStringLiteral("Liberation Sans"));
    tourFont.setPointSizeF(9);
    tourFont.setBold(true);
    txtTour->setFont(tourFont);
    txtTour->setWordWrap(true);
    txtTour->hide();

    cboFree = new QComboBox(this);
    cboFree->setEditable(true);
    cboFree->setEditText(translated("Window", "Freeware"));

    lblAuthor = makeLabel(this, translated("Window", "Programm und Idee: das Azodo-Team, 2026"),
                          kAlignRight);
    lblInfo = makeLabel(this, QString(), kAlignLeft);
    lblInfo->setFont(standardFont(true));
    lblVScrUp = makeLabel(this, translated("Window", "Aufwind"), kAlignRight);
    lblVScrDown = makeLabel(this, translated("Window", "Abwind"), kAlignRight);
    lblAufwind = makeLabel(this, QString(), kAlignRight);
    lblHScrRight = makeLabel(this, translated("Window", "Gegenwind"), kAlignLeft);
    lblHscrLeft = makeLabel(this, translated("Window", "Rückenwind"), kAlignRight);
    lblWind = makeLabel(this, QString(), kAlignCenter);

    setUpAccessibility();
    setUpExport();
    setUpLessons();
    createReachRow();
    createSpeedToFlyRow();

    connect(VScroll1, &QScrollBar::valueChanged, this, &frmStart::VScroll1_Scroll);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmStart::HScroll1_Scroll);
    connect(chkWind, &QCheckBox::toggled, this, &frmStart::chkWind_Click);
    connect(chkAirspeed, &QCheckBox::toggled, this, &frmStart::chkAirspeed_Click);
    connect(chkBremsen, &QPushButton::toggled, this, &frmStart::chkBremsen_Click);
    connect(cmdEnde, &QPushButton::clicked, this, &frmStart::cmdEnde_Click);
    connect(picPolare, &PictureBox::MouseMove, this, &frmStart::picPolare_MouseMove);
    connect(picPolare, &PictureBox::MouseUp, this, &frmStart::picPolare_MouseUp);
    // With the brakes free the keys move the bar too: a click or Tab gives the diagram
    // the focus.
    picPolare->setFocusPolicy(Qt::StrongFocus);
    connect(picPolare, &PictureBox::KeyDown, this,
            [this](int key, int) { picPolare_KeyDown(key); });
}

void frmStart::placeInDiagram(QWidget *child, const TwipsRect &units)
{
    child->setGeometry(
        picPolare->userRectToPixels(units.left, units.top, units.width, units.height));
}

void frmStart::setTourTextHeight(float units)
{
    m_tourTextHeight = units;
    TwipsRect r = m_layout.txtTour;
    r.height = units;
    placeInDiagram(txtTour, r);
}

// The height in twips that the style needs for a whole tick box with its caption.
float frmStart::checkBoxHeightTwips() const
{
    const int pixels = std::max({chkWind->sizeHint().height(), chkAirspeed->sizeHint().height(),
                                 chkWind->style()->pixelMetric(QStyle::PM_IndicatorHeight)});
    return static_cast<float>(pixels) * Screen::TwipsPerPixelY();
}

void frmStart::placeWindow(const FormLayout &L)
{
    const float tx = Screen::TwipsPerPixelX();
    const float ty = Screen::TwipsPerPixelY();
    // The screen's own origin: a primary screen need not start at (0, 0). For a window,
    // move() places the outer frame and resize() sets the client area.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    move(origin + QPoint(qRound(L.window.left / tx), qRound(L.window.top / ty)));
    resize(qRound(L.clientWidth / tx), qRound(L.clientHeight / ty));
}

void frmStart::placeControls(const FormLayout &L)
{
    const auto place = [](QWidget *w, const TwipsRect &r) {
        setGeometryTwips(w, {r.left, r.top, r.width, r.height});
    };
    place(picPolare, L.picPolare);
    place(cmdEnde, L.cmdEnde);
    place(lblAuthor, L.lblAuthor);
    place(cboFree, L.cboFree);
    place(VScroll1, L.VScroll1);
    place(HScroll1, L.HScroll1);
    place(chkWind, L.chkWind);
    place(chkAirspeed, L.chkAirspeed);
    // Our font runs wider than the classic one: let the captions show in full.
    for (QCheckBox *box : {chkWind, chkAirspeed}) {
        box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
    }
    place(chkBremsen, L.chkBremsen);
    place(cmdTour, L.cmdTour);
    setTourTextHeight(m_tourTextHeight > 0 ? m_tourTextHeight : L.txtTour.height);
    placeInDiagram(cmdWeiter, L.cmdWeiter);
    place(lblAufwind, L.lblAufwind);
    place(lblWind, L.lblWind);
    place(lblHscrLeft, L.lblHscrLeft);
    place(lblHScrRight, L.lblHScrRight);
    place(lblVScrUp, L.lblVScrUp);
    place(lblVScrDown, L.lblVScrDown);
    placeReadout();
    for (QWidget *row : {m_reachRow, m_speedToFlyRow}) {
        setGeometryTwips(
            row, {L.lessonRow.left, L.lessonRow.top, L.lessonRow.width, L.lessonRow.height});
    }
    picCopy->setGeometry(picPolare->geometry());
}

void frmStart::Form_Load()
{
    m_layout = computeLayout(Screen::Width(), Screen::Height(), 0, 0, checkBoxHeightTwips());
    const FormLayout &L = m_layout;

    // The window; its frame is not known before the window system has framed it, so
    // the client area takes the whole size until then (see adoptFrame).
    placeWindow(L);

    // Every control where the layout puts it; the diagram's
    // scale first, as the tour's panel and button are placed in its units.
    setUpDiagram(*picPolare);
    placeControls(L);
    picPolare->setAutoRedraw(true);
    cboFree->addItems({translated("Window", "Freeware"),
                       translated("Window", "Weitergabe ausdrücklich erwünscht"),
                       translated("Window", "Ohne Gewähr: ersetzt keine Flugausbildung"),
                       translated("Window", "Für Schulung und Selbststudium"),
                       QStringLiteral("https://azodo.example.org")});
    cboFree->setEditText(translated("Window", "Freeware"));

    // Ticking the two boxes redraws twice and so writes the wind read-outs.
    chkWind->setChecked(true);
    chkAirspeed->setChecked(true);

    // The tour's panel and button stay hidden until a tour shows them.
    txtTour->setBackColor(Look::kTourPanel);
    txtTour->hide();
    cmdWeiter->hide();

    // The blue labels.
    for (Label *label : {lblAufwind, lblWind, lblHscrLeft, lblHScrRight, lblVScrUp, lblVScrDown}) {
        label->setForeColor(Look::kLabelBlue);
    }

    // The static background, drawn once and kept in picCopy.
    DrawBackground(*picPolare);
    picCopy->setPicture(picPolare->Image(), picPolare->operations());
    picCopy->hide();

    // The wind bars' ranges; no handler reacts.
    {
        const QSignalBlocker blockV(VScroll1);
        VScroll1->setRange(-40, 40);
        VScroll1->setValue(0);
        VScroll1->setPageStep(10);
        VScroll1->setSingleStep(1);
        const QSignalBlocker blockH(HScroll1);
        HScroll1->setRange(-50, 50);
        HScroll1->setValue(0);
        HScroll1->setPageStep(5);
        HScroll1->setSingleStep(1);
    }

    // The still-air picture over the fresh background.
    float zeroH = 0.0f;
    float zeroV = 0.0f;
    DrawPolarOverlay(zeroH, zeroV);
    DrawGlidePath(zeroH, zeroV);
    picPolare->setAutoRedraw(false);
    WaitingForWeiter = false;
}

void frmStart::adoptFrame(const QMargins &frame)
{
    // The window's outer size is what the screen gives it; now that the window system's
    // frame is known, the client area shrinks by it and the controls are laid out once
    // more against that area. The background is drawn anew for the diagram's new size.
    const float tx = Screen::TwipsPerPixelX();
    const float ty = Screen::TwipsPerPixelY();
    m_layout = computeLayout(
        Screen::Width(), Screen::Height(), static_cast<float>(frame.left() + frame.right()) * tx,
        static_cast<float>(frame.top() + frame.bottom()) * ty, checkBoxHeightTwips());
    // The diagram's picture of the old size goes first: Cls would lay it under the new
    // background, and the axes would show twice, a few pixels apart.
    picPolare->setPicture(QImage());
    placeWindow(m_layout);
    placeControls(m_layout);
    DrawBackground(*picPolare);
    picCopy->setPicture(picPolare->Image(), picPolare->operations());
    Repaint();
}

void frmStart::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Under a window manager the frame's margins become known with the first move after
    // the window was framed; without one they stay zero and nothing changes.
    if (m_frameAdopted || !isVisible() || windowHandle() == nullptr) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;
    }
    m_frameAdopted = true;
    adoptFrame(frame);
}

OverlaySwitches frmStart::switches() const
{
    // Once an exercise is answered the result line stands instead of the call to move the bar.
    return {Value(chkWind) == 1, Value(chkAirspeed) == 1, Value(chkBremsen) == 1, !barLocked(),
            m_lesson == Lesson::SpeedToFly};
}

void frmStart::setBarValue(QScrollBar *bar, int value)
{
    const QSignalBlocker block(bar);
    bar->setValue(value);
}

void frmStart::closeEvent(QCloseEvent *event)
{
    emit closing();
    QWidget::closeEvent(event);
}
