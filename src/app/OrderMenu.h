#pragma once

#include <QObject>
#include <QString>

class OrderDocument;
class QAbstractButton;
class QAction;
class QListView;
class QMenu;
class QWidget;

// An undo step is named after the caption of the button that made it, without its mnemonic
// and arrow: "< &Izbrisi" makes "Izbrisi".
QString stepName(const QAbstractButton* button);

// The commands of the order as actions with their keys: removing and moving work in the
// order list, undo and redo anywhere in the main window. The order list's context menu shows
// them all and is built in one place: fill().
class OrderMenu : public QObject
{
    Q_OBJECT
public:
    // The entries for removing are named after these buttons.
    OrderMenu(OrderDocument& order, QListView* list, QWidget* window, const QAbstractButton* remove,
              const QAbstractButton* removeAll);

    static QString moveUpName() { return QStringLiteral("Pomjeri gore"); }
    static QString moveDownName() { return QStringLiteral("Pomjeri dolje"); }
    // Rows dragged to another place in the order.
    static QString dragMoveName() { return QStringLiteral("Pomjeri"); }

    QAction* remove() const { return m_remove; }
    QAction* removeAll() const { return m_removeAll; }
    QAction* moveUp() const { return m_moveUp; }
    QAction* moveDown() const { return m_moveDown; }
    QAction* undo() const { return m_undo; }
    QAction* redo() const { return m_redo; }
    // The entries of the order list's context menu.
    void fill(QMenu& menu) const;

private:
    void follow();

    OrderDocument& m_order;
    QListView* m_list;
    QAction* m_remove;
    QAction* m_removeAll;
    QAction* m_moveUp;
    QAction* m_moveDown;
    QAction* m_undo;
    QAction* m_redo;
};
