#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The windows keep the light form colours of their design whatever the desktop's theme: the
// detail colours of the options (black and dark red unless the user chooses others) and the
// about box's shadow colours are meant to be read on a light background.
QPalette formPalette();
void useFormColours(QWidget* window);

// The contrast ratio of two colours, from 1 to 21, by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);

// The least contrast at which a text reads well against its background.
constexpr double kReadableContrast = 4.5;

// The colour moved towards black (on a light background) or white (on a dark one) just far
// enough to reach kReadableContrast against the background.
QColor readableOn(const QColor& colour, const QColor& background);

// The red of an order over the capacity, as it reads on the form colour.
QColor overCapacityRed();
