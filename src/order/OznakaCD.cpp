#include "OznakaCD.h"

#include "listings/ShopFiles.h"

QString OznakaCD(const QString& text, int comboSelectionIndex)
{
    if (text.startsWith(QLatin1String("CD ")))
        return text;
    const QString number = ShopFiles::cdNumberText(comboSelectionIndex + 1);
    QString item;
    item.reserve(5 + number.size() + text.size());
    item.append(QLatin1String("CD ")).append(number).append(QLatin1String(": ")).append(text);
    return item;
}
