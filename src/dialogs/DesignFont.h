#pragma once

#include <QFont>

// The dialogs' fonts: the system's sans-serif face at the design's point sizes.
inline QFont designFont(double points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Sans Serif"));
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
