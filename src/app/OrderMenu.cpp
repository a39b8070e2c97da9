#include "OrderMenu.h"

#include "order/OrderDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QListView>
#include <QMenu>

namespace {

QAction* action(QWidget* window, const QString& name, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(window);
    action->setObjectName(name);
    action->setShortcuts(keys);
    // The keys work wherever the focus is in the main window.
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

// "Ponisti: Izbrisi Sve", or "Ponisti" alone when there is nothing to undo.
QString entryText(const QString& verb, bool possible, const QString& stepName)
{
    return possible && !stepName.isEmpty() ? verb + QStringLiteral(": ") + stepName : verb;
}

} // namespace

QString stepName(const QAbstractButton* button)
{
    QString name = button->text();
    name.remove(u'&').remove(u'<').remove(u'>');
    return name.trimmed();
}

OrderMenu::OrderMenu(OrderDocument& order, QListView* list, QWidget* window)
    : QObject(window), m_order(order), m_list(list),
      m_undo(action(window, QStringLiteral("actPonisti"), {QKeySequence(Qt::CTRL | Qt::Key_Z)})),
      m_redo(action(
          window, QStringLiteral("actPonovi"),
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}))
{
    connect(&m_order, &OrderDocument::historyChanged, this, &OrderMenu::follow);
    follow();
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(m_list);
        fill(menu);
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
}

void OrderMenu::fill(QMenu& menu) const
{
    menu.addAction(m_undo);
    menu.addAction(m_redo);
}

void OrderMenu::follow()
{
    m_undo->setEnabled(m_order.canUndo());
    m_undo->setText(entryText(QStringLiteral("Ponisti"), m_order.canUndo(), m_order.undoName()));
    m_redo->setEnabled(m_order.canRedo());
    m_redo->setText(entryText(QStringLiteral("Ponovi"), m_order.canRedo(), m_order.redoName()));
}
