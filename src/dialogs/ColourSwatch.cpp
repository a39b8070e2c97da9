#include "ColourSwatch.h"

#include "platform/qt/ColourValue.h"

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFillColour(0);
}

void ColourSwatch::setFillColour(quint32 value)
{
    m_fillColour = value;
    QPalette swatch = palette();
    swatch.setColor(QPalette::Window, colourFromValue(value));
    setPalette(swatch);
}
