#include "DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopUrlOpener::open(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}
