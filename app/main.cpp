#include "TourController.h"
#include "WindowStart.h"
#include "frmStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    std::optional<Wing> wing;
    if (const std::optional<int> done = answerWithoutWindow(argc, argv, wing)) {
        return *done;
    }
    WindowStart start;
    QApplication app(argc, argv);
    start.started();
    frmStart form;
    TourController tour(form);
    if (wing) {
        form.setWing(&*wing);
    }
    form.show();
    return QApplication::exec();
}
