#pragma once

#include <QList>
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
    YesNo
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Cancel
};

// A button of a box with buttons of its own: a standard answer, captioned by the platform in
// the user's language, or a caption of the program's own.
struct BoxButton
{
    std::optional<MessageAnswer> standard;
    QString caption;

    static BoxButton of(MessageAnswer answer) { return {answer, {}}; }
    static BoxButton own(const QString& caption) { return {std::nullopt, caption}; }
};

// Modal message boxes and the input box. A Yes/No box has Yes as its default button.
class Prompts
{
public:
    virtual ~Prompts() = default;
    virtual MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // A message box with the given buttons; Enter chooses defaultButton, and Esc or the close
    // box escapeButton (both positions in buttons). Returns the position of the chosen one.
    virtual int choose(const QString& text, const QString& title, MessageIcon icon,
                       const QList<BoxButton>& buttons, int defaultButton, int escapeButton) = 0;
    // Returns the text as typed when the user confirms, nullopt when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
};
