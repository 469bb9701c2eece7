#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QEventLoop;
class frmStart;

// The machinery of the guided tour: start and end, the wait for ">> Weiter", the pause
// between animation frames and the animation loop. The 25 steps are in TourScript.
class TourController : public QObject
{
    Q_OBJECT
public:
    explicit TourController(frmStart &form, QObject *parent = nullptr);
    ~TourController() override;

    // Runs one whole tour and returns when it is over, or at once when the window closes
    // or the program ends meanwhile.
    void cmdTour_Click();
    void cmdWeiter_Click();

    // Returns after one click on the continue button; window events are handled meanwhile
    // and the thread sleeps until one arrives.
    void WaitForWeiter();
    // Returns after that many seconds; no window events are handled meanwhile.
    void Pause(float seconds);

    // The counted loop of every animation: variable runs from start while it has not
    // passed end, in single-precision steps; frame draws, then a pause of 0.02 s.
    void animate(float &variable, float start, float end, float step,
                 const std::function<void()> &frame);
    // The frames of the wind animations: move the bar (no handler), then redraw.
    void windHFrame();
    void windVFrame();
    // A frame of an airspeed animation: redraw.
    void redrawFrame();
    // Puts what a frame drew on the screen now, without returning to the event loop.
    void showFrame();

    frmStart &form();
    bool running() const { return m_running; }
    int step() const { return m_step; }
    void setStep(int step) { m_step = step; }

    // Tests shorten or record the pauses.
    void setPauseFunction(std::function<void(float)> pause) { m_pause = std::move(pause); }

signals:
    // A wait for the continue button begins, in the given step (1..25).
    void waiting(int step);

private:
    void abandon();
    void throwIfAbandoned() const;
    void start();
    void end();

    QPointer<frmStart> m_form;
    QEventLoop *m_loop = nullptr;
    bool m_abandoned = false;
    bool m_running = false;
    int m_step = 0;
    std::function<void(float)> m_pause;
};

// Thrown inside the tour when the window goes away or the program ends; caught where
// the tour began.
struct TourAbandoned
{
};

// The 25 steps, in order.
void RunTourScript(TourController &tour);
