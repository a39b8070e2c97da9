#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// A recovery copy that a program left behind and that is no longer running: its order file,
// and the shop folder and the time it was written.
struct RecoveryCopy
{
    QString orderPath;
    QString shopFolder;
    QDateTime time;
};

// Where each running program keeps a copy of its unsaved order, so that it can be offered
// back at the next start after a crash, a kill or a power loss. A program never touches the
// copy of another program that is still running.
class RecoveryStore
{
public:
    virtual ~RecoveryStore() = default;
    // The folder, for messages.
    virtual QString folder() const = 0;
    // Replaces this program's copy with the bytes of an order file, the shop folder and the
    // time. Throws ZbirnikError naming the folder and the cause.
    virtual void write(const QByteArray& orderFile, const QString& shopFolder,
                       const QDateTime& time) = 0;
    // Removes this program's copy, if there is one.
    virtual void remove() = 0;
    // The newest copy of a program that is no longer running. This program holds it, so that
    // no other program offers it too, until it discards it, sets it aside or lets it go.
    virtual std::optional<RecoveryCopy> newestLeft() = 0;
    virtual void discard(const RecoveryCopy& copy) = 0;
    // Renames a copy that cannot be read, so that it is neither offered again nor lost;
    // returns the path it has now (its old one when it could not be renamed).
    virtual QString setAside(const RecoveryCopy& copy) = 0;
    // Leaves the copy for a later start.
    virtual void letGo(const RecoveryCopy& copy) = 0;
};
