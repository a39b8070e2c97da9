#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QStringList>

// Records every message and input box and answers from a script: Yes/No boxes take the
// next answer of yesNoAnswers (Yes when none is left), input boxes the next of inputs
// (empty text, as Cancel gives, when none is left).
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
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return yesNoAnswers.isEmpty() ? MessageAnswer::Yes : yesNoAnswers.takeFirst();
    }

    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override
    {
        inputRequests.append({prompt, title, defaultText});
        return inputs.isEmpty() ? QString() : inputs.takeFirst();
    }

    QStringList titles() const
    {
        QStringList result;
        for (const Shown& box : shown)
            result << box.title;
        return result;
    }

    QList<Shown> shown;
    QList<MessageAnswer> yesNoAnswers;
    QStringList inputs;
    QList<QStringList> inputRequests;
};
