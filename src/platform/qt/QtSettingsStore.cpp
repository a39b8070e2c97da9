#include "QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : m_path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
             applicationName + u'/' + applicationName + QStringLiteral(".ini"))
{
    if (!isUsable()) {
        m_problem = QStringLiteral("Podesavanja se ne citaju iz \"%1\": to nije obicna datoteka. "
                                   "Vaze pocetna podesavanja.")
                        .arg(QDir::toNativeSeparators(m_path));
        return;
    }
    m_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             applicationName, applicationName);
    m_path = m_settings->fileName();
}

// Nothing more is written at exit than was written already.
QtSettingsStore::~QtSettingsStore() = default;

// Missing (it is made on the first write) or, links followed, a regular file.
bool QtSettingsStore::isUsable() const
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(m_path).constData(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode);
}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& defaultValue) const
{
    const QString name = section + u'/' + key;
    if (const auto unstored = m_unstored.constFind(name); unstored != m_unstored.cend())
        return *unstored;
    return m_settings ? m_settings->value(name, defaultValue).toString() : defaultValue;
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    const QString name = section + u'/' + key;
    if (!m_settings || !isUsable()) {
        m_unstored.insert(name, value);
        return;
    }
    m_unstored.remove(name);
    m_settings->setValue(name, value);
    m_settings->sync();
}

bool QtSettingsStore::flush()
{
    if (!m_unstored.isEmpty() || !m_settings || !isUsable())
        return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
