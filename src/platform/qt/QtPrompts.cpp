#include "QtPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

MessageAnswer QtPrompts::message(const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPrompts::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}
