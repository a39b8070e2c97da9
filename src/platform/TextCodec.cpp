#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

static constexpr const char* kCodePage = "windows-1250";

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder(bytes);
}

QString decodeFile(const QByteArray& bytes)
{
    static constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
    return decode(bytes.startsWith(kUtf8Bom) ? bytes.sliced(3) : bytes);
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
