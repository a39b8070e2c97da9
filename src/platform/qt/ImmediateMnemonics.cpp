#include "ImmediateMnemonics.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcutEvent>

namespace {

class MnemonicClicker : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A mnemonic that two buttons share only moves the focus, as Qt does it.
        if (event->type() == QEvent::Shortcut &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
                button->click();
                return true;
            }
        }
        // A message box also takes a button's letter without Alt.
        if (event->type() == QEvent::KeyPress) {
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                return clickByLetter(box, static_cast<QKeyEvent*>(event));
        }
        return false;
    }

private:
    static bool clickByLetter(QMessageBox* box, const QKeyEvent* event)
    {
        if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
            return false;
        for (QAbstractButton* button : box->buttons()) {
            const QKeySequence mnemonic = button->shortcut();
            if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

void clickMnemonicsAtOnce(QWidget* root)
{
    auto* clicker = new MnemonicClicker(root);
    if (qobject_cast<QMessageBox*>(root))
        root->installEventFilter(clicker);
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        button->installEventFilter(clicker);
}
