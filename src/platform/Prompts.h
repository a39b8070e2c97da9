#pragma once

#include <QString>
#include <optional>

enum class MessageIcon
{
    None,
    Information,
    Warning,
    Critical
};
enum class MessageButtons
{
    Ok,
    YesNo,
    YesNoCancel
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Cancel
};

// Modal message boxes and the input box. A Yes/No or Yes/No/Cancel box has Yes as its
// default button; Esc gives No in a Yes/No box and Cancel in a Yes/No/Cancel box.
class Prompts
{
public:
    virtual ~Prompts() = default;
    virtual MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // Returns the text as typed when the user confirms, nullopt when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
};
