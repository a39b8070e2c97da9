#include "FirstDialogFolder.h"

#include "platform/CommonDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString firstDialogFolder(const QString& shopFolder)
{
    const QString shop = QDir(shopFolder).absolutePath();
    if (suitsOrders(shop))
        return shop;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
