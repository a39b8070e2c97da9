#include "RecoveryFolder.h"

#include "platform/ZbirnikError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kOrder = QStringLiteral(".txt");
const QString kAbout = QStringLiteral(".ini");
const QString kLock = QStringLiteral(".lock");

// A lock that only a running program keeps: one left by a program that is gone is taken
// over, however young; one of a running program never is, however old.
std::unique_ptr<QLockFile> lockOf(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

void saveFile(const QString& path, const QByteArray& bytes, const QString& folder)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ZbirnikError(QStringLiteral("Kopija narudzbe za slucaj pada programa ne moze se "
                                          "sacuvati u folderu \"%1\": %2")
                               .arg(QDir::toNativeSeparators(folder), file.errorString()));
}

} // namespace

RecoveryFolder::RecoveryFolder()
    : m_folder(standardFolder()),
      m_id(QStringLiteral("narudzba-%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QDateTime::currentMSecsSinceEpoch()))
{
}

RecoveryFolder::~RecoveryFolder() = default;

QString RecoveryFolder::standardFolder()
{
    // Only an absolute path counts; otherwise the default under the home folder.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(state)
                             ? state
                             : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/zbirnik"));
}

QString RecoveryFolder::pathOf(const QString& id, const QString& extension) const
{
    return m_folder + u'/' + id + extension;
}

void RecoveryFolder::write(const QByteArray& orderFile, const QString& shopFolder,
                           const QDateTime& time)
{
    if (!QDir().mkpath(m_folder))
        throw ZbirnikError(QStringLiteral("Kopija narudzbe za slucaj pada programa ne moze se "
                                          "sacuvati: folder \"%1\" se ne moze napraviti.")
                               .arg(QDir::toNativeSeparators(m_folder)));
    if (!m_ownLock) {
        auto lock = lockOf(pathOf(m_id, kLock));
        if (!lock->tryLock(0))
            throw ZbirnikError(QStringLiteral("Kopija narudzbe za slucaj pada programa ne moze "
                                              "se sacuvati u folderu \"%1\": zakljucavanje nije "
                                              "uspjelo.")
                                   .arg(QDir::toNativeSeparators(m_folder)));
        m_ownLock = std::move(lock);
    }
    saveFile(pathOf(m_id, kOrder), orderFile, m_folder);
    saveFile(pathOf(m_id, kAbout),
             (QStringLiteral("folder=") + shopFolder + QStringLiteral("\ntime=") +
              time.toUTC().toString(Qt::ISODate) + u'\n')
                 .toUtf8(),
             m_folder);
}

void RecoveryFolder::remove()
{
    QFile::remove(pathOf(m_id, kOrder));
    QFile::remove(pathOf(m_id, kAbout));
}

std::optional<RecoveryCopy> RecoveryFolder::newestLeft()
{
    std::optional<RecoveryCopy> newest;
    const QStringList orders =
        QDir(m_folder).entryList({QStringLiteral("narudzba-*") + kOrder}, QDir::Files);
    for (const QString& name : orders) {
        const QString id = name.chopped(kOrder.size());
        if (id == m_id)
            continue;
        auto lock = lockOf(pathOf(id, kLock));
        if (!lock->tryLock(0))
            continue; // its program is running
        RecoveryCopy copy{pathOf(id, kOrder), {}, QFileInfo(pathOf(id, kOrder)).lastModified()};
        QFile about(pathOf(id, kAbout));
        if (about.open(QIODevice::ReadOnly)) {
            for (const QString& line : QString::fromUtf8(about.readAll()).split(u'\n')) {
                if (line.startsWith(QStringLiteral("folder=")))
                    copy.shopFolder = line.mid(7);
                else if (line.startsWith(QStringLiteral("time=")))
                    copy.time = QDateTime::fromString(line.mid(5), Qt::ISODate);
            }
        }
        if (!newest || copy.time > newest->time) {
            newest = copy;
            m_heldLock = std::move(lock);
        }
    }
    return newest;
}

void RecoveryFolder::discard(const RecoveryCopy& copy)
{
    QFile::remove(copy.orderPath);
    QFile::remove(copy.orderPath.chopped(kOrder.size()) + kAbout);
    m_heldLock.reset();
}

QString RecoveryFolder::setAside(const RecoveryCopy& copy)
{
    QString aside = copy.orderPath + QStringLiteral(".neispravna");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = copy.orderPath + QStringLiteral(".neispravna%1").arg(n);
    QFile::rename(copy.orderPath, aside);
    m_heldLock.reset();
    return aside;
}

void RecoveryFolder::letGo(const RecoveryCopy&)
{
    m_heldLock.reset();
}
