#include "ImeDatoteke.h"

QString ImeDatoteke(const QString& fullPath)
{
    return fullPath.sliced(fullPath.lastIndexOf(u'\\') + 1);
}
