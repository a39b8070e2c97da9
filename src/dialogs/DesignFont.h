#pragma once

#include <QFont>

// The windows' fonts: a sans-serif face at the design's point sizes. The captions were
// measured in a narrow face; a face with the same widths is preferred where one is
// installed, so they are not cut off, and the system's sans-serif face is used otherwise.
inline QFont designFont(double points, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The font of every control that has none of its own.
inline QFont defaultDialogFont()
{
    return designFont(8.25);
}
