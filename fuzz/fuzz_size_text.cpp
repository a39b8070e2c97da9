// Sums arbitrary size texts (one per line of the decoded input) the way the totals of the
// file list and the order are made, and formats the total as the size labels show it.
#include "listings/SizeText.h"
#include "platform/TextCodec.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        TextCodec::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList sizes = text.split(u'\n');
    const SizeSum sum = sumSizes(sizes, [](const QString& size) { return QStringView(size); });
    if (sum.invalidPositions.size() > sizes.size())
        std::abort();

    static const QRegularExpression caption(QStringLiteral("^-?[0-9]{3,}\\.-?[0-9]{4,}$"));
    const QString total = SizeText::format(sum.bytes);
    if (!caption.match(total).hasMatch())
        std::abort();

    // A total of whole KiB under 1000 MiB reads back as itself.
    if (sum.bytes >= 0 && sum.bytes < 1000 * SizeText::kMebibyte) {
        const double wholeKibibytes = std::floor(sum.bytes / SizeText::kKibibyte) * 1024;
        if (SizeText::bytes(total) != wholeKibibytes)
            std::abort();
    }
    return 0;
}
