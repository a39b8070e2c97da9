#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

// Per-user INI file under the user's configuration folder (~/.config/zbirnik/zbirnik.ini),
// named after the executable.
class QtSettingsStore : public SettingsStore
{
public:
    explicit QtSettingsStore(const QString& applicationName);
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool flush() override;
    QString location() const override { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
};
