#include "TourController.h"
#include "WindowStart.h"
#include "frmStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> done = answerWithoutWindow(argc, argv)) {
        return *done;
    }
    WindowStart start;
    QApplication app(argc, argv);
    start.started();
    frmStart form;
    TourController tour(form);
    form.show();
    return QApplication::exec();
}
