#pragma once

#include "platform/SettingsStore.h"

#include <QHash>
#include <QSettings>
#include <memory>

// Per-user INI file under the user's configuration folder (~/.config/zbirnik/zbirnik.ini),
// named after the executable. The file is read and written only while it is a regular file
// (or a symbolic link to one): a FIFO would hang the program, and writing would replace a
// device. Otherwise the defaults apply and the values chosen live only in memory.
class QtSettingsStore : public SettingsStore
{
public:
    explicit QtSettingsStore(const QString& applicationName);
    ~QtSettingsStore() override;
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool flush() override;
    QString location() const override { return m_path; }
    QString problem() const override { return m_problem; }

private:
    bool isUsable() const;

    QString m_path;
    QString m_problem;
    std::unique_ptr<QSettings> m_settings;
    // Values written while the file could not take them.
    QHash<QString, QString> m_unstored;
};
