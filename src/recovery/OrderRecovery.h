#pragma once

#include "RecoveryStore.h"

#include <QObject>
#include <QTimer>

class OrderDocument;

// Keeps a recovery copy of the order while it has changes that are not saved. The first
// change after a write starts a one-second timer that later changes do not restart, so
// work without a pause is still copied every second. A saved or empty order has no copy.
class OrderRecovery : public QObject
{
    Q_OBJECT
public:
    OrderRecovery(OrderDocument& order, RecoveryStore& store, QObject* parent = nullptr);

    void setShopFolder(const QString& folder) { m_shopFolder = folder; }
    // Writes the copy at once, when the session or the program is being ended from outside.
    // Nothing may be shown then: a failure is only logged.
    void writeNow();
    // The program ends with nothing unsaved: no copy stays, and none is written after this.
    void discard();
    // A copy put back at start stays until this program's own copy has been written, or
    // until the order has nothing unsaved.
    void replaces(const RecoveryCopy& restored) { m_replaced = restored; }

signals:
    // Writing failed; said once, the first time, and then the program goes on quietly.
    void writeFailed(const QString& message);

private:
    void writeOnTime();
    // Returns why the copy could not be written; empty when it was.
    QString tryWrite();
    void write();
    void removeCopies();

    OrderDocument& m_order;
    RecoveryStore& m_store;
    QString m_shopFolder;
    QTimer m_timer;
    bool m_failedBefore = false;
    bool m_ended = false;
    std::optional<RecoveryCopy> m_replaced;
};
