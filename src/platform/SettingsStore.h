#pragma once

#include <QString>

// The per-user settings store: text values addressed by section and key under the
// program's own application name.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Puts the values written into lasting storage. False when they could not be stored.
    virtual bool flush() = 0;
    // Where the values are kept, for a message that names it.
    virtual QString location() const = 0;
    // Why the stored values could not be read (they are the defaults then); empty when they
    // were.
    virtual QString problem() const { return {}; }
};
