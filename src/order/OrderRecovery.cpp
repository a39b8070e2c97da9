#include "OrderRecovery.h"

#include "OrderDocument.h"
#include "orderfile/OrderFileWriter.h"
#include "platform/ZbirnikError.h"

OrderRecovery::OrderRecovery(OrderDocument& order, RecoveryStore& store, QObject* parent)
    : QObject(parent), m_order(order), m_store(store)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &OrderRecovery::write);
    connect(&m_order, &OrderDocument::changed, this, [this] {
        if (!m_timer.isActive())
            m_timer.start();
    });
    // Saved, undone back to the saved point, or emptied: the copy goes at once.
    connect(&m_order, &OrderDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified) {
            m_timer.stop();
            m_store.remove();
        }
    });
}

void OrderRecovery::writeNow()
{
    m_timer.stop();
    if (m_order.isModified())
        write();
}

void OrderRecovery::discard()
{
    m_timer.stop();
    m_store.remove();
}

void OrderRecovery::write()
{
    if (!m_order.isModified()) {
        m_store.remove();
        return;
    }
    try {
        m_store.write(OrderFileWriter::format(m_order.model().rows(), m_store.folder()),
                      m_shopFolder, QDateTime::currentDateTime());
    } catch (const ZbirnikError& error) {
        if (!std::exchange(m_failedBefore, true))
            emit writeFailed(error.message());
        return;
    }
    if (m_replaced) {
        m_store.discard(*m_replaced);
        m_replaced.reset();
    }
}
