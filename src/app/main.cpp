#include "app/CommandLine.h"
#include "app/QtTranslation.h"
#include "app/frmzBIRNIK.h"
#include "dialogs/CentreOnScreen.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/QtCommonDialogBackend.h"
#include "platform/qt/QtPrompts.h"
#include "platform/qt/QtSettingsStore.h"

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

    QtSettingsStore settings(applicationName);
    QtPrompts prompts;
    QtCommonDialogBackend dialogs;
    DesktopUrlOpener urls;

    frmzBIRNIK window({settings, prompts, dialogs, urls});
    if (!window.Form_Load(commandLine.shopFolder))
        return 1;
    centreOnScreen(&window);
    window.show();
    const int code = app.exec();
    // Cancelled work still caught in a slow file is not waited for.
    if (BackgroundWork::abandonedWorkRunning()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
