#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <vector>

namespace {

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

// The options that QGuiApplication, its X11 platform and QApplication take out of the
// arguments, with one dash or two; those in the first list take the next argument as their
// value, and "-style=fusion" is the same as "-style fusion".
const QStringList kQtOptionsWithValue{QStringLiteral("platform"),
                                      QStringLiteral("platformpluginpath"),
                                      QStringLiteral("platformtheme"),
                                      QStringLiteral("plugin"),
                                      QStringLiteral("qwindowgeometry"),
                                      QStringLiteral("qwindowicon"),
                                      QStringLiteral("qwindowtitle"),
                                      QStringLiteral("session"),
                                      QStringLiteral("display"),
                                      QStringLiteral("geometry"),
                                      QStringLiteral("title"),
                                      QStringLiteral("icon"),
                                      QStringLiteral("name"),
                                      QStringLiteral("style"),
                                      QStringLiteral("stylesheet")};
const QStringList kQtFlags{QStringLiteral("reverse"),     QStringLiteral("widgetcount"),
                           QStringLiteral("nograb"),      QStringLiteral("dograb"),
                           QStringLiteral("testability"), QStringLiteral("qmljsdebugger"),
                           QStringLiteral("dialogs"),     QStringLiteral("fontengine")};

QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList own;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || !argument.startsWith(u'-') || argument == QStringLiteral("--")) {
            own << argument;
            continue;
        }
        QStringView name = QStringView(argument).sliced(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0)
            name.truncate(equals);
        if (kQtOptionsWithValue.contains(name)) {
            if (equals < 0)
                ++i;
        } else if (!kQtFlags.contains(name)) {
            own << argument;
        }
    }
    return own;
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
    parser.process(withoutQtOptions(application.arguments()));
    return 0;
}

} // namespace

QString nameApplication()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZBIRNIK_VERSION));
    return name;
}

CommandLine readCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        return {QDir::currentPath(), std::nullopt};
    const QByteArray program = QFileInfo(arguments[0]).fileName().toLocal8Bit();
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(withoutQtOptions(arguments))) {
        std::fprintf(stderr, "%s: %s\n", program.constData(), qPrintable(parser.errorText()));
        return {{}, 1};
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version")))
        return {{}, showHelpOrVersion(argc, argv)};
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        std::fprintf(stderr, "%s: one SHOP_FOLDER at most\n", program.constData());
        return {{}, 2};
    }
    return {positional.isEmpty() ? QDir::currentPath() : positional.first(), std::nullopt};
}
