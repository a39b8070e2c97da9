#pragma once

#include "RecoveryStore.h"

#include <QLockFile>
#include <memory>

// The recovery copies in one folder, $XDG_STATE_HOME/zbirnik (~/.local/state/zbirnik by
// default). For each running program: ID.txt, its order as an order file; ID.json, the shop
// folder and the time; ID.lock, a QLockFile held while the program runs. A copy whose lock
// is free was left by a program that ended without removing it.
class RecoveryFolder : public RecoveryStore
{
public:
    explicit RecoveryFolder(const QString& folder = standardFolder());
    ~RecoveryFolder() override;

    // The XDG base directory for state data, with this program's folder in it.
    static QString standardFolder();

    QString folder() const override { return m_folder; }
    void write(const QByteArray& orderFile, const QString& shopFolder,
               const QDateTime& time) override;
    void remove() override;
    std::optional<RecoveryCopy> newestLeft() override;
    void discard(const RecoveryCopy& copy) override;
    QString setAside(const RecoveryCopy& copy) override;
    void letGo(const RecoveryCopy& copy) override;

private:
    QString pathOf(const QString& id, const QString& extension) const;
    void makeFolder() const;
    RecoveryCopy describe(const QString& id) const;

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_ownLock;
    // The left copy being offered.
    std::unique_ptr<QLockFile> m_heldLock;
};
