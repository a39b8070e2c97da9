#pragma once

#include "platform/Prompts.h"

// Message and input boxes over the active window.
class QtPrompts : public Prompts
{
public:
    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override;
    int choose(const QString& text, const QString& title, MessageIcon icon,
               const QList<BoxButton>& buttons, int defaultButton, int escapeButton) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
};
