#pragma once

#include "platform/ZbirnikError.h"
#include "recovery/RecoveryStore.h"

#include <QByteArray>
#include <QList>

// This program's recovery copy kept in memory, and the copies of programs gone given by the
// test. With failure set, writing throws it.
class MemoryRecoveryStore : public RecoveryStore
{
public:
    QString folder() const override { return QStringLiteral("/memory/zbirnik"); }

    void write(const QByteArray& orderFile, const QString& shopFolder, const QDateTime&) override
    {
        ++writes;
        if (!failure.isEmpty())
            throw ZbirnikError(failure);
        copy = orderFile;
        copyShopFolder = shopFolder;
    }

    void remove() override { copy.reset(); }

    std::optional<RecoveryCopy> newestLeft() override
    {
        if (left.isEmpty())
            return std::nullopt;
        return left.last();
    }
    void discard(const RecoveryCopy& gone) override { discarded << gone.orderPath; }
    QString setAside(const RecoveryCopy& bad) override
    {
        return bad.orderPath + QStringLiteral(".neispravna");
    }
    void letGo(const RecoveryCopy&) override {}

    std::optional<QByteArray> copy;
    QString copyShopFolder;
    int writes = 0;
    QString failure;
    QList<RecoveryCopy> left;
    QStringList discarded;
};
