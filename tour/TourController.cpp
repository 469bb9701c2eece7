#include "TourController.h"
#include "Language.h"

#include "Clock.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <cmath>
#include <thread>

TourController::TourController(frmStart &form, QObject *parent) : QObject(parent), m_form(&form)
{
    connect(form.cmdTour, &QPushButton::clicked, this, &TourController::cmdTour_Click);
    connect(form.cmdWeiter, &QPushButton::clicked, this, &TourController::cmdWeiter_Click);
    // A wait returns 0 when the application quits, just as after a click: only these
    // notices tell the tour that it has to give up.
    connect(&form, &frmStart::closing, this, &TourController::abandon);
    connect(&form, &frmStart::ending, this, &TourController::abandon);
    connect(&form, &QObject::destroyed, this, &TourController::abandon);
}

TourController::~TourController() = default;

frmStart &TourController::form()
{
    throwIfAbandoned();
    return *m_form;
}

void TourController::abandon()
{
    m_abandoned = true;
    if (m_loop) {
        m_loop->exit(1);
    }
}

void TourController::throwIfAbandoned() const
{
    if (m_abandoned || !m_form) {
        throw TourAbandoned{};
    }
}

void TourController::cmdTour_Click()
{
    if (m_running || !m_form) {
        return;
    }
    m_running = true;
    m_abandoned = false;
    try {
        start();
        RunTourScript(*this);
        end();
    } catch (const TourAbandoned &) {
        // The window is closing or the program ends: nothing of the tour runs on.
    }
    m_running = false;
    m_step = 0;
}

void TourController::cmdWeiter_Click()
{
    if (!m_form || !m_form->WaitingForWeiter) {
        return;
    }
    m_form->WeiterPressed = true;
    if (m_loop) {
        m_loop->exit(0);
    }
}

void TourController::WaitForWeiter()
{
    frmStart &f = form();
    f.WaitingForWeiter = true;
    emit waiting(m_step);
    while (!form().WeiterPressed) {
        QEventLoop loop;
        m_loop = &loop;
        const int code = loop.exec();
        m_loop = nullptr;
        if (code != 0) {
            throw TourAbandoned{};
        }
    }
    f.WeiterPressed = false;
    f.WaitingForWeiter = false;
}

void TourController::Pause(float seconds)
{
    if (m_pause) {
        m_pause(seconds);
        return;
    }
    const float startTime = Timer();
    while (Timer() < startTime + seconds) {
        const float left = startTime + seconds - Timer();
        if (left > 0) {
            std::this_thread::sleep_for(std::chrono::duration<float>(left));
        }
    }
}

void TourController::animate(float &variable, float start, float end, float step,
                             const std::function<void()> &frame)
{
    variable = start;
    while (step > 0 ? variable <= end : variable >= end) {
        frame();
        Pause(0.02f);
        variable = variable + step; // single precision decides the number of frames
    }
}

void TourController::showFrame()
{
    frmStart &f = form();
    for (QWidget *w : std::initializer_list<QWidget *>{f.picPolare, f.lblInfo, f.lblWind,
                                                       f.lblAufwind, f.HScroll1, f.VScroll1}) {
        w->repaint();
    }
}

void TourController::windHFrame()
{
    frmStart &f = form();
    frmStart::setBarValue(f.HScroll1, static_cast<int>(std::nearbyint(f.decl.WindH)));
    f.Repaint();
    showFrame();
}

void TourController::windVFrame()
{
    frmStart &f = form();
    frmStart::setBarValue(f.VScroll1, BarValueFromWindV(f.decl.WindV));
    f.Repaint();
    showFrame();
}

void TourController::redrawFrame()
{
    form().Repaint();
    showFrame();
}

void TourController::start()
{
    frmStart &f = form();
    // The tour shows its own states: an exercise and a comparison end, and its texts
    // quote the built-in polar's numbers.
    bool changed = f.exerciseRunning() || f.hasComparison();
    f.endExercise();
    f.clearComparison(false);
    // The tour teaches best glide: its lesson comes back.
    if (f.lesson() != frmStart::Lesson::BestGlide) {
        f.setLesson(frmStart::Lesson::BestGlide);
    }
    // The tour's texts quote the built-in polar's numbers: it teaches with that one.
    const Wing builtIn;
    changed = f.setTourWing(&builtIn) || changed;
    // One redraw cycle for all of it; nothing changed keeps the picture as it was.
    if (changed) {
        f.Repaint();
    }
    f.txtTour->setVisible(true);
    f.cmdWeiter->setVisible(true);
    f.cmdWeiter->setText(translated("Tour", ">> Weiter"));
    // The keyboard goes with the tour: disabling the focused "Tour" below would otherwise
    // hand the focus on, possibly to "Ende", and the next Space would end the program.
    f.cmdWeiter->setFocus(Qt::OtherFocusReason);
    // Qt paints the window at once (no redraw cycle): the panel shows before the tour's
    // first pause.
    f.repaint();

    for (QWidget *w :
         std::initializer_list<QWidget *>{f.chkBremsen, f.chkWind, f.chkAirspeed, f.cmdTour}) {
        w->setEnabled(false);
    }
    f.chkWind->setChecked(true);
    f.chkAirspeed->setChecked(true);
    f.decl.WindH = 0.0f;
    f.decl.WindV = 0.0f;
    frmStart::setBarValue(f.HScroll1, 0);
    frmStart::setBarValue(f.VScroll1, 0);
    f.lblWind->setCaption(QStringLiteral("0 km/h"));
    f.lblAufwind->setCaption(QStringLiteral("0 m/s"));
    f.txtTour->setForeColor(RGB(0, 0, 0));
}

void TourController::end()
{
    frmStart &f = form();
    f.txtTour->setVisible(false);
    f.cmdWeiter->setVisible(false);
    for (QWidget *w : std::initializer_list<QWidget *>{f.chkBremsen, f.chkWind, f.chkAirspeed,
                                                       f.cmdTour, f.HScroll1, f.VScroll1}) {
        w->setEnabled(true);
    }
    // The hidden ">> Weiter" gave the focus away; "Tour" takes it, never "Ende".
    f.cmdTour->setFocus(Qt::OtherFocusReason);
    if (f.setTourWing(nullptr)) {
        f.Repaint();
    }
}
