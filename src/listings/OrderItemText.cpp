#include "OrderItemText.h"

#include "ShopFiles.h"

namespace OrderItemText {

namespace {

constexpr QStringView kSeparator = u": ";

} // namespace

QString label(int cdNumber)
{
    return QStringLiteral("CD ") + ShopFiles::cdNumberText(cdNumber);
}

QString make(QStringView label, QStringView name)
{
    QString text;
    text.reserve(label.size() + kSeparator.size() + name.size());
    text.append(label).append(kSeparator).append(name);
    return text;
}

bool isLabelled(QStringView text)
{
    if (!text.startsWith(u"CD "))
        return false;
    qsizetype i = 3;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    return i > 3 && text.sliced(i).startsWith(kSeparator);
}

QStringView labelOf(QStringView text)
{
    const qsizetype separator = text.indexOf(kSeparator);
    return separator < 0 ? text : text.first(separator);
}

QStringView nameOf(QStringView text)
{
    const qsizetype separator = text.indexOf(kSeparator);
    return separator < 0 ? QStringView() : text.sliced(separator + kSeparator.size());
}

} // namespace OrderItemText
