#include "FirstDialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString firstDialogFolder(const QString& shopFolder)
{
    const QFileInfo shop(shopFolder);
    if (shop.isDir() && shop.isWritable())
        return QDir(shopFolder).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
