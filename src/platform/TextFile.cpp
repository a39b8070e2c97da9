#include "TextFile.h"

#include "ZbirnikError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace TextFile {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" se ne moze otvoriti: %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" se ne moze procitati: %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return bytes;
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const auto fail = [&] {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" se ne moze sacuvati: %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    };
    // Unbuffered, so that a write cut short (a full disk) shows in the count written; a
    // buffered write would lose that and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
    if (file.write(bytes) != bytes.size())
        fail();
    if (!file.commit())
        fail();
}

} // namespace TextFile
