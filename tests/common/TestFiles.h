#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Writes bytes to a file under a folder, making the folders on the way.
inline QString writeTestFile(const QString& folder, const QString& relativePath,
                             const QByteArray& bytes)
{
    const QString path = folder + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write test file %s", qPrintable(path));
    file.write(bytes);
    return path;
}

inline QByteArray readTestFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
