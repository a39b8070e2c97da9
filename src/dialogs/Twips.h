#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

// Positions and sizes are designed in twips; a logical pixel is 15 twips (1440 twips per
// inch at 96 dpi). Qt scales logical pixels for high-dpi screens.
namespace Twips {

constexpr double kPerPixel = 15.0;

inline int toPixels(double twips)
{
    return int(std::lround(twips / kPerPixel));
}

inline double fromPixels(int pixels)
{
    return pixels * kPerPixel;
}

inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(rect(left, top, width, height));
}

} // namespace Twips
