#pragma once

#include "DesignFont.h"
#include "FormColours.h"
#include "Twips.h"

#include <QDialog>

// The frame every dialog of the program shares: a fixed size in twips, a title bar with a
// close box only, the design's default font and the form colours.
inline void setUpFixedDialog(QDialog* dialog, const QString& name, const QString& title,
                             double widthTwips, double heightTwips)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFont(defaultDialogFont());
    useFormColours(dialog);
    dialog->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
}
