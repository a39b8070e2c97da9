#pragma once

#include "app/frmzBIRNIK.h"
#include "common/TestFiles.h"
#include "fakes/FakeDialogBackend.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeUrlOpener.h"
#include "fakes/MemoryRecoveryStore.h"
#include "fakes/MemorySettingsStore.h"
#include "listings/ShopFiles.h"
#include "platform/TextCodec.h"

#include <QTemporaryDir>
#include <memory>

// A main window over a shop folder made by the test, with every platform service faked.
struct MainWindowFixture
{
    QTemporaryDir folder;
    MemorySettingsStore settings;
    FakePrompts prompts;
    FakeDialogBackend dialogs;
    FakeUrlOpener urls;
    MemoryRecoveryStore recovery;
    // The recovery store the window gets; the memory one unless a test sets another.
    RecoveryStore* recoveryStore = &recovery;
    std::unique_ptr<frmzBIRNIK> window;

    QString path(const QString& relative = {}) const
    {
        return relative.isEmpty() ? folder.path() : folder.path() + u'/' + relative;
    }

    // Writes the shop list (its text as it stands, CR LF added to each line).
    void writeShopList(const QStringList& lines)
    {
        writeTestFile(
            folder.path(), QStringLiteral("PlayList.kat"),
            TextCodec::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    // Writes the listing of source CD cdNumber from lines of "path,size" text.
    void writeListing(int cdNumber, const QStringList& lines)
    {
        QString text;
        for (const QString& line : lines)
            text += line + QStringLiteral("\r\n");
        writeTestFile(
            folder.path(),
            QStringLiteral("PlayLists/Muzika %1.kat").arg(ShopFiles::cdNumberText(cdNumber)),
            TextCodec::encode(text));
    }

    // A shop of cdCount source CDs "CD i", each listing given as lines.
    void writeShop(const QList<QStringList>& listings)
    {
        QStringList names;
        for (int i = 0; i < listings.size(); ++i) {
            names << QStringLiteral("\"Izvorni CD %1\"").arg(i + 1);
            writeListing(i + 1, listings[i]);
        }
        writeShopList(names);
    }

    frmzBIRNIK& create()
    {
        window = std::make_unique<frmzBIRNIK>(
            PlatformServices{settings, prompts, dialogs, urls, *recoveryStore});
        return *window;
    }

    // Creates the window and runs start-up on the folder; fails the test if it does not start.
    frmzBIRNIK& start()
    {
        create();
        if (!window->Form_Load(folder.path()))
            qFatal("start-up failed: %s",
                   prompts.shown.isEmpty() ? "no message" : qPrintable(prompts.shown.last().text));
        return *window;
    }

    QStringList texts(const FileRowsModel& model) const
    {
        QStringList result;
        for (const FileRow& row : model.rows())
            result << row.text;
        return result;
    }
};
