#include "ShortNumber.h"

#include <QRegularExpression>
#include <cmath>

std::optional<int> shortNumberFromText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    double whole = std::round(value);
    // std::round takes halves away from zero; a half goes to the even neighbour instead.
    if (std::abs(value - std::trunc(value)) == 0.5)
        whole = 2.0 * std::round(value / 2.0);
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return int(whole);
}
