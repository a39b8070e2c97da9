#pragma once

#include "platform/CommonDialog.h"

#include <QList>
#include <optional>

// Answers file and colour dialogs from a script (nullopt is Cancel) and records each request.
class FakeDialogBackend : public CommonDialogBackend
{
public:
    std::optional<QString> pickFile(const FileDialogRequest& request) override
    {
        fileRequests.append(request);
        return files.isEmpty() ? std::nullopt : files.takeFirst();
    }

    std::optional<quint32> pickColour(quint32 start) override
    {
        colourStarts.append(start);
        return colours.isEmpty() ? std::nullopt : colours.takeFirst();
    }

    QList<std::optional<QString>> files;
    QList<std::optional<quint32>> colours;
    QList<FileDialogRequest> fileRequests;
    QList<quint32> colourStarts;
};
