#include "CommonDialog.h"

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
        m_backend.pickFile({kind, title, fileName, m_filters, flags});
    if (!chosen)
        return Result::Cancelled;
    fileName = *chosen;
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
