#include "OrderMenu.h"

#include "order/OrderDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QListView>
#include <QMenu>

namespace {

// The keys work where the action is added: in the order list, or anywhere in the window.
QAction* action(QWidget* owner, const QString& name, const QString& text,
                const QList<QKeySequence>& keys, Qt::ShortcutContext context)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    owner->addAction(action);
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

OrderMenu::OrderMenu(OrderDocument& order, QListView* list, QWidget* window,
                     const QAbstractButton* remove, const QAbstractButton* removeAll)
    : QObject(window), m_order(order), m_list(list),
      m_remove(action(list, QStringLiteral("actIzbrisi"), stepName(remove), {QKeySequence::Delete},
                      Qt::WidgetShortcut)),
      // Its key is its button's mnemonic, shown but not taken a second time.
      m_removeAll(
          action(list, QStringLiteral("actIzbrisiSve"),
                 stepName(removeAll) + u'\t' +
                     QKeySequence::mnemonic(removeAll->text()).toString(QKeySequence::NativeText),
                 {}, Qt::WidgetShortcut)),
      m_moveUp(action(list, QStringLiteral("actPomjeriGore"), moveUpName(),
                      {QKeySequence(Qt::ALT | Qt::Key_Up)}, Qt::WidgetShortcut)),
      m_moveDown(action(list, QStringLiteral("actPomjeriDolje"), moveDownName(),
                        {QKeySequence(Qt::ALT | Qt::Key_Down)}, Qt::WidgetShortcut)),
      m_undo(action(window, QStringLiteral("actPonisti"), {}, {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                    Qt::WindowShortcut)),
      m_redo(action(
          window, QStringLiteral("actPonovi"), {},
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
          Qt::WindowShortcut))
{
    connect(&m_order, &OrderDocument::historyChanged, this, &OrderMenu::follow);
    connect(&m_order, &OrderDocument::changed, this, &OrderMenu::follow);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OrderMenu::follow);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OrderMenu::follow);
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
    menu.addAction(m_remove);
    menu.addAction(m_removeAll);
    menu.addSeparator();
    menu.addAction(m_moveUp);
    menu.addAction(m_moveDown);
    menu.addSeparator();
    menu.addAction(m_undo);
    menu.addAction(m_redo);
}

// Entries that would do nothing are shown disabled; their keys then do nothing either.
void OrderMenu::follow()
{
    const bool selected = m_list->selectionModel()->hasSelection();
    m_remove->setEnabled(selected && m_list->currentIndex().isValid());
    m_removeAll->setEnabled(m_order.count() > 0);
    m_moveUp->setEnabled(selected);
    m_moveDown->setEnabled(selected);
    m_undo->setEnabled(m_order.canUndo());
    m_undo->setText(entryText(QStringLiteral("Ponisti"), m_order.canUndo(), m_order.undoName()));
    m_redo->setEnabled(m_order.canRedo());
    m_redo->setText(entryText(QStringLiteral("Ponovi"), m_order.canRedo(), m_order.redoName()));
}
