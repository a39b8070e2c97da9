// The lists' context menus: the commands of the buttons beside them, each with its key.
#include "frmzBIRNIK.h"

#include "OrderMenu.h"

#include <QListView>
#include <QMenu>
#include <QPushButton>

namespace {

// An entry is named after its button's caption without "&", ">" and "<", as undo steps are,
// and shows the key that runs it.
QAction* addEntry(QMenu* menu, const QPushButton* button, const QKeySequence& key)
{
    return menu->addAction(stepName(button) + u'\t' + key.toString(QKeySequence::NativeText));
}

void showOnRequest(QListView* list, QMenu* menu)
{
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        list, &QWidget::customContextMenuRequested, menu,
        [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
}

} // namespace

void frmzBIRNIK::createMenus()
{
    auto* files = new QMenu(this);
    files->setObjectName(QStringLiteral("mnuLstCD"));
    connect(addEntry(files, cmdDodaj, QKeySequence(Qt::Key_Enter)), &QAction::triggered, this,
            &frmzBIRNIK::cmdDodaj_Click);
    connect(addEntry(files, cmdDodajSve, QKeySequence(Qt::ALT | Qt::Key_S)), &QAction::triggered,
            this, &frmzBIRNIK::cmdDodajSve_Click);
    connect(addEntry(files, cmdNadji, QKeySequence(Qt::CTRL | Qt::Key_F)), &QAction::triggered,
            this, &frmzBIRNIK::cmdNadji_Click);
    showOnRequest(lstCD, files);
}
