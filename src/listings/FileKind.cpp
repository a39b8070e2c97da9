#include "FileKind.h"

bool isVideoClip(QStringView pathOrName)
{
    return pathOrName.right(3).compare(u"DAT", Qt::CaseInsensitive) == 0;
}

bool passesKindFilter(QStringView fullPath, int mp3State, int videoState)
{
    if (mp3State == 1 && videoState == 0)
        return !isVideoClip(fullPath);
    if (mp3State == 0 && videoState == 1)
        return isVideoClip(fullPath);
    return true;
}
