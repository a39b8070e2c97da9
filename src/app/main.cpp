#include "app/frmzBIRNIK.h"
#include "dialogs/CentreOnScreen.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/QtCommonDialogBackend.h"
#include "platform/qt/QtPrompts.h"
#include "platform/qt/QtSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Zbirnik"));
    // The settings are kept under the executable's own name.
    const QString applicationName = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    QCoreApplication::setApplicationName(applicationName);

    QtSettingsStore settings(applicationName);
    QtPrompts prompts;
    QtCommonDialogBackend dialogs;
    DesktopUrlOpener urls;

    frmzBIRNIK window({settings, prompts, dialogs, urls});
    if (!window.Form_Load(QDir::currentPath()))
        return 1;
    centreOnScreen(&window);
    window.show();
    return app.exec();
}
