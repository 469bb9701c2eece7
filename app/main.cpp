#include "Language.h"
#include "TourController.h"
#include "WindowStart.h"
#include "frmStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    WindowOptions options;
    if (const std::optional<int> done = answerWithoutWindow(argc, argv, options)) {
        return *done;
    }
    WindowStart start;
    QApplication app(argc, argv);
    if (const std::optional<int> refused = refuseUnknownArguments(argc, argv)) {
        return *refused;
    }
    start.started();
    frmStart form;
    TourController tour(form);
    if (options.wing) {
        form.setWing(&*options.wing);
    }
    if (options.seed) {
        form.setExerciseSeed(*options.seed);
    }
    form.show();
    reportStoredWing(&form, options);
    reportOverWindow(&form, translated("Window", "Landeplatz erreichen"),
                     form.storedReachProblem());
    reportOverWindow(&form, translated("Window", "Sollfahrt (MacCready)"),
                     form.storedClimbProblem());
    return QApplication::exec();
}
