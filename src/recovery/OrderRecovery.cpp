#include "OrderRecovery.h"

#include "order/OrderDocument.h"
#include "orderfile/OrderFileWriter.h"
#include "platform/ZbirnikError.h"

#include <QDebug>

OrderRecovery::OrderRecovery(OrderDocument& order, RecoveryStore& store, QObject* parent)
    : QObject(parent), m_order(order), m_store(store)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &OrderRecovery::writeOnTime);
    connect(&m_order, &OrderDocument::changed, this, [this] {
        if (!m_ended && !m_timer.isActive())
            m_timer.start();
    });
    // Saved, undone back to the saved point, or emptied: the copy goes at once.
    connect(&m_order, &OrderDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            removeCopies();
    });
}

void OrderRecovery::writeNow()
{
    if (m_ended)
        return;
    m_timer.stop();
    if (const QString failure = tryWrite(); !failure.isEmpty())
        qWarning().noquote() << failure;
}

void OrderRecovery::discard()
{
    m_ended = true;
    removeCopies();
}

void OrderRecovery::writeOnTime()
{
    const QString failure = tryWrite();
    if (!failure.isEmpty() && !std::exchange(m_failedBefore, true))
        emit writeFailed(failure);
}

QString OrderRecovery::tryWrite()
{
    try {
        write();
    } catch (const ZbirnikError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Kopija narudzbe za slucaj pada programa nije sacuvana: nema "
                              "dovoljno memorije.");
    }
    return {};
}

void OrderRecovery::write()
{
    if (!m_order.isModified()) {
        removeCopies();
        return;
    }
    m_store.write(OrderFileWriter::format(m_order.model().rows(), m_store.folder()), m_shopFolder,
                  QDateTime::currentDateTime());
    if (m_replaced) {
        m_store.discard(*m_replaced);
        m_replaced.reset();
    }
}

void OrderRecovery::removeCopies()
{
    m_timer.stop();
    m_store.remove();
    if (m_replaced) {
        m_store.discard(*m_replaced);
        m_replaced.reset();
    }
}
