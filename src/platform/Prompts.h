#pragma once

#include <QString>

enum class MessageIcon
{
    None,
    Information,
    Critical
};
enum class MessageButtons
{
    Ok,
    YesNo
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

// Modal message boxes and the input box. A Yes/No box has Yes as its default button.
class Prompts
{
public:
    virtual ~Prompts() = default;
    virtual MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // Returns the typed text, or empty text when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
};
