#pragma once

#include <QScreen>
#include <QWidget>

// Places a window in the middle of the screen it is on.
inline void centreOnScreen(QWidget* window)
{
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}
