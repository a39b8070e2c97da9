#pragma once

#include <QColor>

// The program's colours are 32-bit values: red + 256 * green + 65536 * blue.
inline QColor colourFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 valueFromColour(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
