#include "FileRowsModel.h"

namespace {

// A list row shows at most this many characters: a name of a megabyte would otherwise be
// laid out whole at every paint. The row itself keeps the whole text.
constexpr qsizetype kShownCharacters = 1024;

} // namespace

int FileRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant FileRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const QString text = m_rows.text(index.row());
        if (text.size() > kShownCharacters)
            return QString(text.first(kShownCharacters) + u'\x2026');
        return text;
    }
    case FullPathRole:
        return m_rows.at(index.row()).fullPath;
    case SizeRole:
        return m_rows.size(index.row());
    default:
        return {};
    }
}

QList<FileRow> FileRowsModel::rows() const
{
    QList<FileRow> rows;
    rows.reserve(count());
    for (int i = 0; i < count(); ++i)
        rows.append(m_rows.at(i));
    return rows;
}

void FileRowsModel::setRows(const QList<FileRow>& rows)
{
    PackedRows packed;
    for (const FileRow& row : rows)
        packed.append(row);
    setRows(std::move(packed));
}

void FileRowsModel::setRows(PackedRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void FileRowsModel::append(const FileRow& row)
{
    beginInsertRows({}, count(), count());
    m_rows.append(row);
    endInsertRows();
}

void FileRowsModel::append(const QList<FileRow>& rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(rows.size()) - 1);
    for (const FileRow& row : rows)
        m_rows.append(row);
    endInsertRows();
}

void FileRowsModel::removeAt(const QList<int>& ascendingPositions)
{
    if (ascendingPositions.isEmpty())
        return;
    setRows(m_rows.without(ascendingPositions));
}
