#include "FirstDialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString firstDialogFolder(const QString& shopFolder)
{
    const QString shop = QDir(shopFolder).absolutePath();
    if (QFileInfo(shop).isWritable())
        return shop;
    for (const QString& other :
         {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()}) {
        if (QFileInfo(other).isDir())
            return other;
    }
    return shop;
}
