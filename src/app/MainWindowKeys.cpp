// The keys of the main window besides the buttons' mnemonics.
#include "frmzBIRNIK.h"

#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QShortcut>

void frmzBIRNIK::createKeys()
{
    // Delete in the order removes the selected items, as "< &Izbrisi" does.
    auto* remove =
        new QShortcut(QKeySequence::Delete, lstCDNarucen, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &frmzBIRNIK::cmdIzbrisi_Click);

    const auto key = [this](QKeySequence keys, QPushButton* button, void (frmzBIRNIK::*handler)()) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, handler);
        button->setToolTip(keys.toString(QKeySequence::NativeText));
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_S), cmdSave, &frmzBIRNIK::cmdSave_Click);
    key(QKeySequence(Qt::CTRL | Qt::Key_O), cmdOpen, &frmzBIRNIK::cmdOpen_Click);
    key(QKeySequence(Qt::CTRL | Qt::Key_F), cmdNadji, &frmzBIRNIK::cmdNadji_Click);
    // Through the same way out as "Izlaz".
    key(QKeySequence(Qt::CTRL | Qt::Key_Q), cmdIzlaz, &frmzBIRNIK::cmdIzlaz_Click);
    key(QKeySequence(Qt::Key_F1), cmdAbout, &frmzBIRNIK::cmdAbout_Click);
    // Undo and redo are the order menu's actions, with their keys.
    const QString bringsBack = QStringLiteral("Ctrl+Z vraca izbrisane datoteke.");
    cmdIzbrisi->setToolTip(QStringLiteral("Del u narudzbi. ") + bringsBack);
    cmdIzbrisiSve->setToolTip(bringsBack);
}

// A focused button takes Enter, as it takes Space. Elsewhere Enter runs "&Dodaj >", the
// window's default button.
void frmzBIRNIK::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : cmdDodaj)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
