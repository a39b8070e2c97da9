#pragma once

#include <QString>

// Hands a web or mail-to address to the desktop's handler for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QString& address) = 0;
};
