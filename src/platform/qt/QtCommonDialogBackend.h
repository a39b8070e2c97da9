#pragma once

#include "platform/CommonDialog.h"

// Qt's own file and colour dialogs, so they look and behave the same on every desktop.
class QtCommonDialogBackend : public CommonDialogBackend
{
public:
    std::optional<QString> pickFile(const FileDialogRequest& request) override;
    std::optional<quint32> pickColour(quint32 start) override;
};
