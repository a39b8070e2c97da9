#include "CommonDialog.h"

#include "SettingsStore.h"

#include <QFileInfo>

namespace {

// Where the folder of the last file chosen is kept.
const QString kFolderSection = QStringLiteral("Folderi");
const QString kFolderKey = QStringLiteral("Zadnji");

} // namespace

bool suitsOrders(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isWritable())
        return false;
    const QString path = info.canonicalFilePath();
    for (QStringView system : {u"/usr", u"/opt", u"/etc", u"/var"}) {
        if (path.startsWith(system) &&
            (path.size() == system.size() || path[system.size()] == u'/'))
            return false;
    }
    return true;
}

void CommonDialog::rememberFolderIn(SettingsStore& settings, const QString& firstFolder)
{
    m_settings = &settings;
    m_firstFolder = firstFolder;
}

QString CommonDialog::startFolder() const
{
    if (!m_settings)
        return {};
    const QString last = m_settings->read(kFolderSection, kFolderKey, QString());
    return suitsOrders(last) ? last : m_firstFolder;
}

void CommonDialog::setFilter(const QString& filterList)
{
    m_filters.clear();
    const QStringList parts = filterList.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty())
            m_filters.append({parts[i], parts[i + 1]});
    }
}

CommonDialog::Result CommonDialog::showFile(FileDialogKind kind)
{
    const std::optional<QString> chosen =
        m_backend.pickFile({kind, title, fileName, m_filters, flags, startFolder()});
    if (!chosen)
        return Result::Cancelled;
    fileName = *chosen;
    if (m_settings && !fileName.isEmpty())
        m_settings->write(kFolderSection, kFolderKey, QFileInfo(fileName).absolutePath());
    return Result::Accepted;
}

CommonDialog::Result CommonDialog::showColour()
{
    const std::optional<quint32> chosen = m_backend.pickColour(colour);
    if (!chosen)
        return Result::Cancelled;
    colour = *chosen;
    return Result::Accepted;
}
