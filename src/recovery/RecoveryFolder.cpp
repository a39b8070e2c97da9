#include "RecoveryFolder.h"

#include "platform/ZbirnikError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <atomic>
#include <filesystem>

namespace {

const QString kOrder = QStringLiteral(".txt");
const QString kAbout = QStringLiteral(".json");
const QString kLock = QStringLiteral(".lock");
const QString kPrefix = QStringLiteral("narudzba-");
const QString kAside = QStringLiteral(".neispravna");
// The shop folder and the time take a few hundred bytes; more is not a file of ours.
constexpr qint64 kMaxAboutBytes = 64 * 1024;

// A lock that only a running program keeps: one left by a program that is gone is taken
// over, however young; one of a running program never is, however old.
std::unique_ptr<QLockFile> lockOf(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

ZbirnikError cannotWrite(const QString& folder, const QString& cause)
{
    return ZbirnikError(QStringLiteral("Kopija narudzbe za slucaj pada programa ne moze se "
                                       "sacuvati u folderu \"%1\": %2")
                            .arg(QDir::toNativeSeparators(folder), cause));
}

void saveFile(const QString& path, const QByteArray& bytes, const QString& folder)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw cannotWrite(folder, file.errorString());
}

// A free name for a copy set aside: NAME.neispravna, NAME.neispravna2, ...
QString asideName(const QString& path)
{
    QString aside = path + kAside;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + kAside + QString::number(n);
    return aside;
}

} // namespace

// Named by the process, its start and the store's number within it: unique among the
// programs running, and after a process number is used again.
RecoveryFolder::RecoveryFolder(const QString& folder) : m_folder(folder)
{
    static std::atomic<int> made = 0;
    m_id = kPrefix + QStringLiteral("%1-%2-%3")
                         .arg(QCoreApplication::applicationPid())
                         .arg(QDateTime::currentMSecsSinceEpoch())
                         .arg(++made);
}

RecoveryFolder::~RecoveryFolder() = default;

QString RecoveryFolder::standardFolder()
{
    // Only an absolute path counts; otherwise the default under the home folder.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base =
        QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/zbirnik"));
}

QString RecoveryFolder::pathOf(const QString& id, const QString& extension) const
{
    return m_folder + u'/' + id + extension;
}

// Made readable by its owner only, as XDG base directories must be.
void RecoveryFolder::makeFolder() const
{
    if (QFileInfo(m_folder).isDir())
        return;
    const std::filesystem::path path(QFile::encodeName(m_folder).toStdString());
    std::error_code error;
    if (std::filesystem::create_directories(path, error))
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, error);
    if (error)
        throw cannotWrite(m_folder, QString::fromLocal8Bit(error.message()));
}

void RecoveryFolder::write(const QByteArray& orderFile, const QString& shopFolder,
                           const QDateTime& time)
{
    makeFolder();
    if (!m_ownLock) {
        auto lock = lockOf(pathOf(m_id, kLock));
        if (!lock->tryLock(0))
            throw cannotWrite(m_folder, QStringLiteral("zakljucavanje nije uspjelo."));
        m_ownLock = std::move(lock);
    }
    saveFile(pathOf(m_id, kOrder), orderFile, m_folder);
    const QJsonObject about{{QStringLiteral("shopFolder"), shopFolder},
                            {QStringLiteral("time"), time.toUTC().toString(Qt::ISODate)}};
    saveFile(pathOf(m_id, kAbout), QJsonDocument(about).toJson(), m_folder);
}

void RecoveryFolder::remove()
{
    QFile::remove(pathOf(m_id, kOrder));
    QFile::remove(pathOf(m_id, kAbout));
}

// The shop folder and the time beside the copy; without them, the time of the order file.
RecoveryCopy RecoveryFolder::describe(const QString& id) const
{
    RecoveryCopy copy{pathOf(id, kOrder), {}, {}};
    QFile about(pathOf(id, kAbout));
    if (about.open(QIODevice::ReadOnly)) {
        const QJsonObject values = QJsonDocument::fromJson(about.read(kMaxAboutBytes)).object();
        copy.shopFolder = values.value(QStringLiteral("shopFolder")).toString();
        copy.time =
            QDateTime::fromString(values.value(QStringLiteral("time")).toString(), Qt::ISODate);
    }
    if (!copy.time.isValid())
        copy.time = QFileInfo(copy.orderPath).lastModified();
    return copy;
}

std::optional<RecoveryCopy> RecoveryFolder::newestLeft()
{
    std::optional<RecoveryCopy> newest;
    const QDir folder(m_folder);
    for (const QString& name : folder.entryList({kPrefix + u'*' + kOrder}, QDir::Files)) {
        const QString id = name.chopped(kOrder.size());
        if (id == m_id)
            continue;
        auto lock = lockOf(pathOf(id, kLock));
        if (!lock->tryLock(0))
            continue; // its program is running
        const RecoveryCopy copy = describe(id);
        if (!newest || copy.time > newest->time) {
            newest = copy;
            m_heldLock = std::move(lock);
        }
    }
    // A program killed with a saved order leaves only its lock behind.
    for (const QString& name : folder.entryList({kPrefix + u'*' + kLock}, QDir::Files)) {
        const QString id = name.chopped(kLock.size());
        if (id != m_id && !QFileInfo::exists(pathOf(id, kOrder)))
            lockOf(pathOf(id, kLock))->tryLock(0); // unlocked, and so removed, at once
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
    const QString about = copy.orderPath.chopped(kOrder.size()) + kAbout;
    const QString aside = asideName(copy.orderPath);
    const bool renamed = QFile::rename(copy.orderPath, aside);
    if (renamed)
        QFile::rename(about, asideName(about));
    m_heldLock.reset();
    return renamed ? aside : copy.orderPath;
}

void RecoveryFolder::letGo(const RecoveryCopy&)
{
    m_heldLock.reset();
}
