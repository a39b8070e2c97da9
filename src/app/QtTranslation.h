#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own texts (the buttons of message boxes, the file dialog) in Croatian, the language of
// the program's texts, whatever the user's locale. Returns the installed translation, owned
// by the application, or nullptr when it is not installed (Qt's English texts stay).
QTranslator* installQtTranslation(QCoreApplication& application);
