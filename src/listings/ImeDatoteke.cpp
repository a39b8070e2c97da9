#include "ImeDatoteke.h"

#include <cstring>

QString ImeDatoteke(const QString& fullPath)
{
    return fullPath.sliced(fullPath.lastIndexOf(u'\\') + 1);
}

qsizetype nameStart(QByteArrayView fullPath)
{
    const void* last = memrchr(fullPath.data(), '\\', size_t(fullPath.size()));
    return last ? static_cast<const char*>(last) - fullPath.data() + 1 : 0;
}
