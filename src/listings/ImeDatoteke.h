#pragma once

#include <QByteArrayView>
#include <QString>

// The file name part of a full path: the text after its last backslash, the whole path
// when it has none, empty text when it ends in one. Paths on source CDs always use
// backslashes, whatever system the program runs on.
QString ImeDatoteke(const QString& fullPath);

// Where the file name part of a path as it stands in a file begins: after its last backslash.
qsizetype nameStart(QByteArrayView fullPath);
