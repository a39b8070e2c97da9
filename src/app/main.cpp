#include "app/CommandLine.h"
#include "app/QtTranslation.h"
#include "app/TerminationSignals.h"
#include "app/frmzBIRNIK.h"
#include "dialogs/CentreOnScreen.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/QtCommonDialogBackend.h"
#include "platform/qt/QtPrompts.h"
#include "platform/qt/QtSettingsStore.h"
#include "recovery/RecoveryFolder.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitCode)
        return *commandLine.exitCode;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZBIRNIK_APP_ID));
    const QString applicationName = nameApplication();
    installQtTranslation(app);
    TerminationSignals termination;

    int code = 0;
    {
        QtSettingsStore settings(applicationName);
        QtPrompts prompts;
        QtCommonDialogBackend dialogs;
        DesktopUrlOpener urls;
        RecoveryFolder recovery;

        frmzBIRNIK window({settings, prompts, dialogs, urls, recovery});
        QObject::connect(&termination, &TerminationSignals::endRequested, &window,
                         &frmzBIRNIK::endFromOutside);
        if (!window.Form_Load(commandLine.shopFolder))
            return 1;
        if (!termination.received()) {
            centreOnScreen(&window);
            window.show();
            // Asked once the window and source CD 1 are up.
            QMetaObject::invokeMethod(&window, &frmzBIRNIK::offerRecovery, Qt::QueuedConnection);
            code = app.exec();
        }
        // Cancelled work still caught in a slow file is not waited for.
        if (BackgroundWork::abandonedWorkRunning()) {
            std::fflush(nullptr);
            termination.endAsAsked();
            std::_Exit(code);
        }
    }
    // Ended by SIGTERM or SIGHUP: the copy is written, and the program ends as the signal asks.
    termination.endAsAsked();
    return code;
}
