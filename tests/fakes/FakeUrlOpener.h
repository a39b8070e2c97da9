#pragma once

#include "platform/UrlOpener.h"

#include <QStringList>

class FakeUrlOpener : public UrlOpener
{
public:
    bool open(const QString& address) override
    {
        opened << address;
        return true;
    }

    QStringList opened;
};
