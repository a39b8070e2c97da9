#include "FileKind.h"

#include "platform/TextCodec.h"

bool isVideoClip(QStringView pathOrName)
{
    return pathOrName.right(3).compare(u"DAT", Qt::CaseInsensitive) == 0;
}

namespace {

bool passes(bool videoClip, int mp3State, int videoState)
{
    if (mp3State == 1 && videoState == 0)
        return !videoClip;
    if (mp3State == 0 && videoState == 1)
        return videoClip;
    return true;
}

} // namespace

bool passesKindFilter(QStringView fullPath, int mp3State, int videoState)
{
    return passes(isVideoClip(fullPath), mp3State, videoState);
}

bool isVideoClip(QByteArrayView pathOrName)
{
    const QByteArrayView last = pathOrName.last(qMin<qsizetype>(3, pathOrName.size()));
    char16_t decoded[3];
    TextCodec::decodeInto(last, decoded);
    return isVideoClip(QStringView(decoded, last.size()));
}

bool passesKindFilter(QByteArrayView fullPath, int mp3State, int videoState)
{
    // Only the two filtering combinations need the kind at all.
    if (mp3State + videoState != 1)
        return true;
    return passes(isVideoClip(fullPath), mp3State, videoState);
}
