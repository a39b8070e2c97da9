#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records every message and input box and answers from a script: Yes/No boxes take the
// next answer of yesNoAnswers (Yes when none is left), input boxes the next of inputs
// (Cancel when none is left), boxes with buttons of their own the next position of choices
// (the default button when none is left).
class FakePrompts : public Prompts
{
public:
    struct Shown
    {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
        // The captions of a box with buttons of its own ("Yes", "No", "OK" for the standard
        // ones), its default button and the button Esc gives; empty for the other boxes.
        QStringList ownButtons;
        int defaultButton = -1;
        int escapeButton = -1;
    };

    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override
    {
        shown.append({text, title, icon, buttons, {}, -1, -1});
        if (whileShown)
            whileShown(shown.last());
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return yesNoAnswers.isEmpty() ? MessageAnswer::Yes : yesNoAnswers.takeFirst();
    }

    int choose(const QString& text, const QString& title, MessageIcon icon,
               const QList<BoxButton>& buttons, int defaultButton, int escapeButton) override
    {
        QStringList captions;
        for (const BoxButton& button : buttons) {
            if (!button.standard)
                captions << button.caption;
            else
                captions << standardCaption(*button.standard);
        }
        shown.append(
            {text, title, icon, MessageButtons::Ok, captions, defaultButton, escapeButton});
        if (whileShown)
            whileShown(shown.last());
        return choices.isEmpty() ? defaultButton : choices.takeFirst();
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override
    {
        inputRequests.append({prompt, title, defaultText});
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }

    static QString standardCaption(MessageAnswer answer)
    {
        switch (answer) {
        case MessageAnswer::Yes:
            return QStringLiteral("Yes");
        case MessageAnswer::No:
            return QStringLiteral("No");
        case MessageAnswer::Cancel:
            return QStringLiteral("Cancel");
        case MessageAnswer::Ok:
            break;
        }
        return QStringLiteral("OK");
    }

    QStringList titles() const
    {
        QStringList result;
        for (const Shown& box : shown)
            result << box.title;
        return result;
    }

    QList<Shown> shown;
    // Runs while a message box is up, to look at the window behind it.
    std::function<void(const Shown&)> whileShown;
    QList<MessageAnswer> yesNoAnswers;
    QList<int> choices;
    QList<std::optional<QString>> inputs;
    QList<QStringList> inputRequests;
};
