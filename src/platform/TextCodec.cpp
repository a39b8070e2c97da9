#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

static constexpr const char* kCodePage = "windows-1250";

const std::array<char16_t, 256>& characters()
{
    // The code page is stateless and one byte is one character, so decoding every byte
    // value once gives the whole table.
    static const std::array<char16_t, 256> table = [] {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QStringDecoder decoder(kCodePage);
        const QString decoded = decoder(all);
        std::array<char16_t, 256> result{};
        for (int b = 0; b < 256; ++b)
            result[size_t(b)] = decoded.size() == 256 ? decoded[b].unicode() : char16_t(0xFFFD);
        return result;
    }();
    return table;
}

void decodeInto(QByteArrayView bytes, char16_t* out)
{
    const std::array<char16_t, 256>& table = characters();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i)
        out[i] = table[in[i]];
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

QByteArrayView withoutByteOrderMark(QByteArrayView bytes)
{
    static constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
    return bytes.startsWith(kUtf8Bom) ? bytes.sliced(3) : bytes;
}

QString decodeFile(QByteArrayView bytes)
{
    return decode(withoutByteOrderMark(bytes));
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    return encoder(text);
}

bool canEncode(const QString& text)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    return !encoder.hasError() && decode(bytes) == text;
}

} // namespace TextCodec
