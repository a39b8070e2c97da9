#include "QtSettingsStore.h"

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : m_settings(QSettings::IniFormat, QSettings::UserScope, applicationName, applicationName)
{
}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& defaultValue) const
{
    return m_settings.value(section + u'/' + key, defaultValue).toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    m_settings.setValue(section + u'/' + key, value);
    m_settings.sync();
}

bool QtSettingsStore::flush()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
