#include "TextCodec.h"

#include "ZbirnikError.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

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

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// UTF-16 starts with its byte-order mark, or, without one, with a zero byte beside the
// first letter; windows-1250 text holds no zero bytes.
bool isUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
           (bytes.size() >= 2 && (bytes[0] == 0 || bytes[1] == 0));
}

void refuseUtf16(QByteArrayView bytes, const QString& path)
{
    if (isUtf16(bytes)) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" nije tekst u kodnoj stranici "
                                          "windows-1250 (to je UTF-16 tekst); sacuvajte je kao "
                                          "windows-1250.")
                               .arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace

QString decodeFile(QByteArrayView bytes, const QString& path)
{
    refuseUtf16(bytes, path);
    if (bytes.startsWith(kUtf8Mark))
        return QString::fromUtf8(bytes.sliced(3));
    return decode(bytes);
}

QByteArray fileInCodePage(QByteArray bytes, const QString& path)
{
    refuseUtf16(bytes, path);
    if (!bytes.startsWith(kUtf8Mark))
        return bytes;
    const QString text = QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray inCodePage = encoder(text);
    if (encoder.hasError() || decode(inCodePage) != text) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" je UTF-8 tekst sa znakom koji "
                                          "kodna stranica windows-1250 nema.")
                               .arg(QDir::toNativeSeparators(path)));
    }
    return inCodePage;
}

namespace {

// The byte of every character that the code page has, -1 for the others: opening a
// converter by its name costs more than encoding a file name, and adding to the order
// encodes tens of thousands of them.
const std::array<qint16, 0x10000>& bytesOfCharacters()
{
    static const std::array<qint16, 0x10000> table = [] {
        std::array<qint16, 0x10000> result;
        result.fill(-1);
        for (int b = 0; b < 256; ++b) {
            if (characters()[size_t(b)] != u'\uFFFD')
                result[characters()[size_t(b)]] = qint16(b);
        }
        return result;
    }();
    return table;
}

} // namespace

bool canEncode(const QString& text)
{
    const std::array<qint16, 0x10000>& bytes = bytesOfCharacters();
    return std::all_of(text.cbegin(), text.cend(),
                       [&bytes](QChar c) { return bytes[c.unicode()] >= 0; });
}

// A character that the code page lacks becomes what the converter makes of it.
QByteArray encode(const QString& text)
{
    if (!canEncode(text)) {
        QStringEncoder encoder(kCodePage);
        return encoder(text);
    }
    const std::array<qint16, 0x10000>& bytes = bytesOfCharacters();
    QByteArray encoded(text.size(), Qt::Uninitialized);
    std::transform(text.cbegin(), text.cend(), encoded.begin(),
                   [&bytes](QChar c) { return char(bytes[c.unicode()]); });
    return encoded;
}

} // namespace TextCodec
