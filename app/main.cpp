#include "TourController.h"
#include "frmStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("azodo"));
    frmStart form;
    TourController tour(form);
    form.show();
    return QApplication::exec();
}
