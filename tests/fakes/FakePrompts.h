#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records every message and input box and answers from a script: Yes/No and Yes/No/Cancel
// boxes take the next answer of yesNoAnswers (when none is left, Yes for Yes/No and Cancel
// for Yes/No/Cancel), input boxes the next of inputs (Cancel when none is left).
class FakePrompts : public Prompts
{
public:
    struct Shown
    {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override
    {
        shown.append({text, title, icon, buttons});
        if (whileShown)
            whileShown(shown.last());
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (!yesNoAnswers.isEmpty())
            return yesNoAnswers.takeFirst();
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Cancel;
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override
    {
        inputRequests.append({prompt, title, defaultText});
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
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
    QList<std::optional<QString>> inputs;
    QList<QStringList> inputRequests;
};
