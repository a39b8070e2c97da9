#include "app/QtTranslation.h"
#include "app/frmzBIRNIK.h"
#include "dialogs/CentreOnScreen.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/QtCommonDialogBackend.h"
#include "platform/qt/QtPrompts.h"
#include "platform/qt/QtSettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// zbirnik [options] [SHOP_FOLDER]
void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Orders music and video files from a shop's source CDs for one blank CD."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("SHOP_FOLDER"),
        QStringLiteral("The shop folder, holding PlayList.kat and PlayLists/ (default: the "
                       "working folder)."),
        QStringLiteral("[SHOP_FOLDER]"));
}

// The settings are kept under the executable's own file name.
QString nameApplication()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZBIRNIK_VERSION));
    return name;
}

// Help and version are printed without a display: they need no window system.
bool asksForHelpOrVersion(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

// Prints the help or the version, the usage under the program's file name alone, and ends.
int showHelpOrVersion(int argc, char* argv[])
{
    QByteArray shownName = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
    std::vector<char*> arguments(argv, argv + argc + 1); // argv[argc] is the null pointer
    arguments[0] = shownName.data();
    int count = argc;
    QCoreApplication application(count, arguments.data());
    nameApplication();
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(application);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 0 && asksForHelpOrVersion(argc, argv))
        return showHelpOrVersion(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Zbirnik"));
    const QString applicationName = nameApplication();
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        std::fprintf(stderr, "%s: one SHOP_FOLDER at most\n", qPrintable(applicationName));
        return 2;
    }
    const QString shopFolder = positional.isEmpty() ? QDir::currentPath() : positional.first();
    installQtTranslation(app);

    QtSettingsStore settings(applicationName);
    QtPrompts prompts;
    QtCommonDialogBackend dialogs;
    DesktopUrlOpener urls;

    frmzBIRNIK window({settings, prompts, dialogs, urls});
    if (!window.Form_Load(shopFolder))
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
