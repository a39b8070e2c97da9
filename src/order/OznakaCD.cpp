#include "OznakaCD.h"

#include "listings/ShopFiles.h"

QString OznakaCD(const QString& text, int comboSelectionIndex)
{
    if (text.startsWith(QLatin1String("CD ")))
        return text;
    return QStringLiteral("CD ") + ShopFiles::cdNumberText(comboSelectionIndex + 1) +
           QStringLiteral(": ") + text;
}
