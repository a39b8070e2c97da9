#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator* installQtTranslation(QCoreApplication& application)
{
    auto* translation = new QTranslator(&application);
    if (!translation->load(QStringLiteral("qtbase_hr"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translation)) {
        delete translation;
        return nullptr;
    }
    return translation;
}
