#include "OznakaCD.h"

#include "listings/OrderItemText.h"

QString OznakaCD(const QString& text, int comboSelectionIndex)
{
    if (OrderItemText::isLabelled(text))
        return text;
    return OrderItemText::make(OrderItemText::label(comboSelectionIndex + 1), text);
}
