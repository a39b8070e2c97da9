#include "TextFile.h"

#include "ZbirnikError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>

namespace TextFile {

namespace {

[[noreturn]] void cannotRead(const QString& path, const QString& reason)
{
    throw ZbirnikError(QStringLiteral("Datoteka \"%1\" se ne moze procitati: %2")
                           .arg(QDir::toNativeSeparators(path), reason));
}

// The most read at once.
constexpr qsizetype kReadPiece = qsizetype(8) << 20;

[[noreturn]] void tooLarge(const QString& path, qint64 sizeCap)
{
    cannotRead(
        path,
        QStringLiteral("veca je od %1 MB, koliko ovakva datoteka moze imati.").arg(sizeCap >> 20));
}

} // namespace

QByteArray readAll(const QString& path, qint64 sizeCap, const std::atomic<bool>* cancelled)
{
    // Opened without blocking, so that a FIFO without a writer cannot hang the open; the
    // flag changes nothing for a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" se ne moze otvoriti: %2")
                               .arg(QDir::toNativeSeparators(path), qt_error_string(errno)));
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0)
        cannotRead(path, qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        cannotRead(path, QStringLiteral("to nije obicna datoteka."));
    if (status.st_size > sizeCap)
        tooLarge(path, sizeCap);

    // The size may change while the file is read: read to its end, but never past the cap.
    QByteArray bytes;
    bytes.resize(qsizetype(status.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            throw WorkCancelled();
        if (filled == bytes.size()) {
            if (filled > sizeCap)
                tooLarge(path, sizeCap);
            bytes.resize(qMin<qint64>(sizeCap + 1, filled * 2 + 4096));
        }
        // In pieces, so that cancelling is seen between them on a slow disk.
        const qint64 count =
            file.read(bytes.data() + filled, qMin<qsizetype>(kReadPiece, bytes.size() - filled));
        if (count < 0)
            cannotRead(path, file.errorString());
        if (count == 0)
            break;
        filled += count;
    }
    if (filled > sizeCap)
        tooLarge(path, sizeCap);
    bytes.resize(filled);
    return bytes;
}

QString regularTarget(const QString& path)
{
    QString target = path;
    // A loop of links ends at the system's own limit on links followed.
    for (int links = 0; links < 40; ++links) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        target = info.symLinkTarget();
    }
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(target).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        throw ZbirnikError(
            QStringLiteral("Datoteka \"%1\" se ne moze sacuvati: to nije obicna datoteka, pa je "
                           "program ne zamjenjuje.")
                .arg(QDir::toNativeSeparators(target)));
    }
    return target;
}

namespace {

[[noreturn]] void cannotSave(const QString& path, const QString& reason)
{
    throw ZbirnikError(QStringLiteral("Datoteka \"%1\" se ne moze sacuvati: %2")
                           .arg(QDir::toNativeSeparators(path), reason));
}

// Messages name the path as the user chose it.
void save(QSaveFile& file, const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so that a write cut short (a full disk) shows in the count written; a
    // buffered write would lose that and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        cannotSave(path, file.errorString());
    // A write cut short reports no error of its own; writing the rest again meets the cause
    // (no space left, file too large) and names it.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            cannotSave(path, file.errorString());
        written += count;
    }
    if (!file.commit())
        cannotSave(path, file.errorString());
}

// A file that may be written in a folder that may not (a shared folder of orders) cannot be
// replaced atomically: the new file cannot be made beside it.
bool onlyWritableInPlace(const QString& target)
{
    const QFileInfo file(target);
    return file.isFile() && file.isWritable() && !QFileInfo(file.absolutePath()).isWritable();
}

} // namespace

void writeAll(const QString& path, const QByteArray& bytes)
{
    const QString target = regularTarget(path);
    QSaveFile file(target);
    if (!onlyWritableInPlace(target)) {
        save(file, path, bytes);
        return;
    }
    // Written in place; the old bytes are kept to be put back should the write fail.
    const QByteArray old = readAll(target, std::numeric_limits<qint64>::max());
    file.setDirectWriteFallback(true);
    try {
        save(file, path, bytes);
    } catch (const ZbirnikError& error) {
        QFile back(target);
        if (back.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
            back.write(old) == old.size())
            throw;
        throw ZbirnikError(error.message() +
                           QStringLiteral("\nStari sadrzaj datoteke nije se mogao vratiti."));
    }
}

} // namespace TextFile
