#pragma once

#include "platform/SettingsStore.h"

#include <QMap>
#include <QStringList>

// Settings kept in memory; writes are recorded in order as "section/key=value". With
// storageFails set, flush reports that the values could not be stored.
class MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override
    {
        return values.value(section + u'/' + key, defaultValue);
    }

    void write(const QString& section, const QString& key, const QString& value) override
    {
        values.insert(section + u'/' + key, value);
        writes << section + u'/' + key + u'=' + value;
    }

    bool flush() override { return !storageFails; }
    QString location() const override { return QStringLiteral("/memory/zbirnik.ini"); }

    QMap<QString, QString> values;
    QStringList writes;
    bool storageFails = false;
};
