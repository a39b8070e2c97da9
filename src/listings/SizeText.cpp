#include "SizeText.h"

#include "PackedRows.h"
#include "WorkControl.h"
#include "platform/TextCodec.h"

#include <QLocale>
#include <cmath>

namespace {

// The numeric value of a text, rounded down: plain digits on the fast path, otherwise a
// decimal number with a full stop and optional surrounding spaces.
std::optional<double> floorOfNumber(QStringView text)
{
    if (!text.isEmpty() && text.size() <= 9) {
        qint64 value = 0;
        bool digitsOnly = true;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9') {
                digitsOnly = false;
                break;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digitsOnly)
            return double(value);
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return std::floor(value);
}

// Whole numbers are formatted from the double itself: a total made of size texts such as
// "9e99" is far beyond any integer type.
QString padded(double value, int width)
{
    const QString digits = QString::number(std::abs(value), 'f', 0).rightJustified(width, u'0');
    return value < 0 ? u'-' + digits : digits;
}

} // namespace

namespace SizeText {

std::optional<double> bytes(QStringView sizeText)
{
    const std::optional<double> mebibytes = floorOfNumber(sizeText.left(3));
    const std::optional<double> kibibytes = floorOfNumber(sizeText.right(4));
    // A size below zero would lower the total and could hide an order above the capacity.
    if (!mebibytes || !kibibytes || *mebibytes < 0 || *kibibytes < 0)
        return std::nullopt;
    return *mebibytes * kMebibyte + *kibibytes * kKibibyte;
}

QString format(double totalBytes)
{
    const double mebibytes = std::floor(totalBytes / kMebibyte);
    const double kibibytes = std::floor(totalBytes / kKibibyte) - mebibytes * 1024;
    return padded(mebibytes, 3) + u'.' + padded(kibibytes, 4);
}

} // namespace SizeText

SizeSum sumSizes(const PackedRows& rows, int firstNamed, const WorkControl* control)
{
    SizeSum sum;
    for (int position = 0; position < rows.count(); ++position) {
        if (control && (position & 0xFFFF) == 0 && control->isCancelled())
            break;
        const QByteArrayView bytes = rows.sizeBytes(position);
        std::optional<double> value;
        // A size text is eight characters; longer ones, and rows kept as text, are decoded.
        char16_t decoded[16];
        if (bytes.size() <= 16 && !rows.keptAsText(position)) {
            TextCodec::decodeInto(bytes, decoded);
            value = SizeText::bytes(QStringView(decoded, bytes.size()));
        } else {
            value = SizeText::bytes(rows.size(position));
        }
        if (value)
            sum.bytes += *value;
        else
            sum.addInvalid(position, firstNamed);
    }
    return sum;
}
