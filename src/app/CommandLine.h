#pragma once

#include <QString>
#include <optional>

// zbirnik [options] [SHOP_FOLDER]
//
// The program's own arguments are read before the window system starts, so that a wrong one
// is reported with its exit code (1 for an unknown option, 2 for a second folder) also where
// there is no display. Qt's own options (-platform, -style, -session and the others that
// QApplication takes) are passed over and left to QApplication.
struct CommandLine
{
    QString shopFolder;
    // Set when the program ends here: after the help, the version or a wrong argument.
    std::optional<int> exitCode;
};

CommandLine readCommandLine(int argc, char* argv[]);

// Names the running application after its executable (the settings are kept under that
// name) and gives it its version; returns the name.
QString nameApplication();
