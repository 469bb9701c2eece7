#include "Clock.h"

#include <QElapsedTimer>

float Timer()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<float>(static_cast<double>(clock.nsecsElapsed()) / 1e9);
}
