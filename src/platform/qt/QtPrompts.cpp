#include "QtPrompts.h"

#include "ImmediateMnemonics.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A message box over the active window, with its title, text and icon.
void setUp(QMessageBox& box, const QString& text, const QString& title, MessageIcon icon)
{
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
}

QMessageBox::StandardButton standardButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageAnswer QtPrompts::message(const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    setUp(box, text, title, icon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    clickMnemonicsAtOnce(&box);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

int QtPrompts::choose(const QString& text, const QString& title, MessageIcon icon,
                      const QList<BoxButton>& buttons, int defaultButton, int escapeButton)
{
    QMessageBox box(QApplication::activeWindow());
    setUp(box, text, title, icon);
    QList<QAbstractButton*> shown;
    for (const BoxButton& button : buttons) {
        if (button.standard)
            shown.append(box.addButton(standardButton(*button.standard)));
        else
            shown.append(box.addButton(button.caption, QMessageBox::ActionRole));
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(shown.value(defaultButton)));
    box.setEscapeButton(shown.value(escapeButton));
    clickMnemonicsAtOnce(&box);
    box.exec();
    const qsizetype chosen = shown.indexOf(box.clickedButton());
    return chosen < 0 ? escapeButton : int(chosen);
}

std::optional<QString> QtPrompts::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}
