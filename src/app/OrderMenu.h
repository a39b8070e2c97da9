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

// The undo and redo of the order, as actions with their keys in the main window, and the
// order list's context menu, which is built in one place: fill().
class OrderMenu : public QObject
{
    Q_OBJECT
public:
    OrderMenu(OrderDocument& order, QListView* list, QWidget* window);

    QAction* undo() const { return m_undo; }
    QAction* redo() const { return m_redo; }
    // The entries of the order list's context menu.
    void fill(QMenu& menu) const;

private:
    void follow();

    OrderDocument& m_order;
    QListView* m_list;
    QAction* m_undo;
    QAction* m_redo;
};
