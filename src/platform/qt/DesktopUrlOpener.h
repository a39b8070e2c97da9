#pragma once

#include "platform/UrlOpener.h"

class DesktopUrlOpener : public UrlOpener
{
public:
    bool open(const QString& address) override;
};
