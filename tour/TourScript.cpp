// The tour's 25 steps, each in the order of its actions.
#include "Language.h"
#include "Look.h"
#include "TourController.h"
#include "TourTexts.h"
#include "frmStart.h"

#include <QCoreApplication>

namespace {

class Script
{
public:
    explicit Script(TourController &tour) : m_tour(tour) {}

    void run();

private:
    frmStart &form() { return m_tour.form(); }
    void text(const char *caption) { form().txtTour->setCaption(translated("Tour", caption)); }
    void align(int alignment) { form().txtTour->setAlignment(alignment); }
    void waitForWeiter() { m_tour.WaitForWeiter(); }
    void redraw() { form().Repaint(); }
    // Every change of the brake toggle redraws through its click reaction.
    void brakesFreed() { form().chkBremsen->setChecked(true); }
    void bestGlideMode() { form().chkBremsen->setChecked(false); }
    void zeroWinds()
    {
        form().decl.WindH = 0.0f;
        form().decl.WindV = 0.0f;
        frmStart::setBarValue(form().VScroll1, 0);
        frmStart::setBarValue(form().HScroll1, 0);
    }
    void windReadoutsStandOut(bool on)
    {
        for (Label *label : {form().lblAufwind, form().lblWind}) {
            label->setFontBold(on);
            label->setFontUnderline(on);
        }
    }
    void drawTangent() { form().picPolare->Line(0, 0, 10.0 * tangentH, 100.0 * tangentV); }
    void step(int n) { m_tour.setStep(n); }

    float &windH() { return form().decl.WindH; }
    float &windV() { return form().decl.WindV; }
    float &airspeed() { return form().decl.Airspeed; }

    void windHAnimation(float from, float to, float by)
    {
        m_tour.animate(windH(), from, to, by, [this] { m_tour.windHFrame(); });
    }
    void windVAnimation(float from, float to, float by)
    {
        m_tour.animate(windV(), from, to, by, [this] { m_tour.windVFrame(); });
    }
    void airspeedAnimation(float from, float to, float by)
    {
        m_tour.animate(airspeed(), from, to, by, [this] { m_tour.redrawFrame(); });
    }

    TourController &m_tour;
    float tangentH = 0.0f; // the best-glide ground-speed vector at zero wind, km/h
    float tangentV = 0.0f; // m/s
};

void Script::run()
{
    float zeroH = 0.0f;
    float zeroV = 0.0f;

    step(1); // Welcome
    align(kAlignCenter);
    text(TourTexts::kStep1);
    waitForWeiter();

    step(2); // Purpose of the program
    align(kAlignLeft);
    text(TourTexts::kStep2);
    waitForWeiter();

    step(3); // The coordinate system of ground speeds
    text(TourTexts::kStep3);
    form().setTourTextHeight(form().tourTextHeight() * 0.25f);
    form().RestoreBackground();
    waitForWeiter();

    step(4); // At zero wind, ground speeds are airspeeds
    form().setTourTextHeight(form().tourTextHeight() / 0.25f);
    windReadoutsStandOut(true);
    text(TourTexts::kStep4);
    waitForWeiter();

    step(5); // The polar
    windReadoutsStandOut(false);
    form().chkAirspeed->setChecked(false);
    zeroH = zeroV = 0.0f;
    form().DrawPolarOverlay(zeroH, zeroV);
    text(TourTexts::kStep5);
    waitForWeiter();

    step(6); // The brake setting moves the point on the polar
    form().chkAirspeed->setChecked(true);
    zeroH = zeroV = 0.0f;
    form().DrawPolarOverlay(zeroH, zeroV);
    form().DrawGlidePath(zeroH, zeroV);
    text(TourTexts::kStep6);
    brakesFreed();
    form().cmdWeiter->setEnabled(false);
    airspeedAnimation(airspeed(), 18.0f, -1.0f);
    airspeedAnimation(18.0f, 50.0f, 1.0f);
    airspeedAnimation(50.0f, 25.0f, -1.0f);
    // Clicks made on the button while it was disabled are dropped now, not counted later.
    QCoreApplication::processEvents();
    form().cmdWeiter->setEnabled(true);
    // Disabling it passed the focus on; the keyboard user continues where the mouse would.
    form().cmdWeiter->setFocus(Qt::OtherFocusReason);
    waitForWeiter();

    step(7); // Wind comes in
    text(TourTexts::kStep7);
    waitForWeiter();

    step(8); // The polar moves with the wind
    text(TourTexts::kStep8);
    windHAnimation(0.0f, -15.0f, -1.0f);
    windVAnimation(0.0f, 2.5f, 0.1f);
    waitForWeiter();

    step(9); // The ground-speed vector as a vector sum
    text(TourTexts::kStep9);
    waitForWeiter();

    step(10); // Best glide
    align(kAlignCenter);
    text(TourTexts::kStep10);
    form().RestoreBackground();
    waitForWeiter();

    step(11); // The tangent of best glide
    align(kAlignLeft);
    text(TourTexts::kStep11);
    bestGlideMode();
    zeroWinds();
    redraw();
    form().picPolare->setForeColor(Look::kBestGlideGreen);
    form().picPolare->setDrawWidth(3);
    tangentH = form().decl.GroundSpeedH;
    tangentV = form().decl.GroundSpeedV;
    drawTangent();
    waitForWeiter();

    step(12); // Every other brake setting glides worse
    text(TourTexts::kStep12);
    bestGlideMode();
    redraw();
    brakesFreed();
    m_tour.animate(airspeed(), 18.0f, 50.0f, 2.0f, [this] {
        form().DrawPolarOverlay(windH(), windV());
        form().DrawGlidePath(windH(), windV());
        drawTangent();
        m_tour.showFrame();
    });
    waitForWeiter();

    step(13); // The aim: best glide under wind
    bestGlideMode();
    redraw();
    brakesFreed();
    text(TourTexts::kStep13);
    waitForWeiter();

    step(14); // Headwind at fixed brakes
    text(TourTexts::kStep14);
    windHAnimation(0.0f, -25.0f, -1.0f);
    waitForWeiter();

    step(15); // Releasing the brakes improves the glide
    text(TourTexts::kStep15);
    waitForWeiter();

    step(16); // Faster until the vector is tangential again
    text(TourTexts::kStep16);
    airspeedAnimation(airspeed(), 43.5f, 0.5f);
    waitForWeiter();

    step(17); // Tailwind
    text(TourTexts::kStep17);
    windHAnimation(-25.0f, 0.0f, 1.0f);
    bestGlideMode();
    waitForWeiter();

    step(18); // Slightly more brake in a tailwind
    text(TourTexts::kStep18);
    brakesFreed();
    windHAnimation(0.0f, 25.0f, 1.0f);
    waitForWeiter();

    step(19); // Experimenting
    text(TourTexts::kStep19);
    waitForWeiter();

    step(20); // Downdraft
    bestGlideMode();
    zeroWinds();
    redraw();
    brakesFreed();
    text(TourTexts::kStep20);
    windVAnimation(0.0f, -1.3f, -0.1f);
    waitForWeiter();

    step(21); // Less brake in a downdraft
    text(TourTexts::kStep21);
    airspeedAnimation(airspeed(), 38.0f, 0.5f);
    waitForWeiter();

    step(22); // Where best glide matters
    text(TourTexts::kStep22);
    zeroWinds();
    bestGlideMode();
    redraw();
    waitForWeiter();

    step(23); // Long glides and critical situations
    text(TourTexts::kStep23);
    waitForWeiter();

    step(24); // Updraft
    text(TourTexts::kStep24);
    form().cmdWeiter->setText(translated("Tour", "Tour beenden"));
    waitForWeiter();

    step(25); // Tip
    text(TourTexts::kStep25);
    form().cmdWeiter->setText(translated("Tour", "Tour beenden"));
    waitForWeiter();
}

} // namespace

void RunTourScript(TourController &tour)
{
    Script(tour).run();
}
