#include "Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

bool g_overrideActive = false;

float twipsPerPixel(double dpi)
{
    return dpi > 0 ? static_cast<float>(1440.0 / dpi) : 15.0f;
}

} // namespace

namespace Screen {

float TwipsPerPixelX()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return twipsPerPixel(s ? s->logicalDotsPerInchX() : 96.0);
}

float TwipsPerPixelY()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return twipsPerPixel(s ? s->logicalDotsPerInchY() : 96.0);
}

float Width()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? static_cast<float>(s->geometry().width()) * TwipsPerPixelX() : 0.0f;
}

float Height()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? static_cast<float>(s->geometry().height()) * TwipsPerPixelY() : 0.0f;
}

void setMousePointer(int pointer)
{
    if (pointer == kPointerSizeWE) {
        if (!g_overrideActive) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::SizeHorCursor));
            g_overrideActive = true;
        }
    } else if (g_overrideActive) {
        QGuiApplication::restoreOverrideCursor();
        g_overrideActive = false;
    }
}

int MousePointer()
{
    return g_overrideActive ? kPointerSizeWE : kPointerDefault;
}

} // namespace Screen
