#pragma once

#include <QString>
#include <stdexcept>

// A failure of the core that a window handler reports to the customer: the text says
// what failed and on which file or entry, ready to be shown as it is.
class ZbirnikError : public std::runtime_error
{
public:
    explicit ZbirnikError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Thrown by work that stops because the customer cancelled it; its result is dropped.
class WorkCancelled : public std::exception
{
public:
    const char* what() const noexcept override { return "cancelled"; }
};
