#include "FileRowsModel.h"

int FileRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant FileRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const FileRow& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return row.text;
    case FullPathRole:
        return row.fullPath;
    case SizeRole:
        return row.size;
    default:
        return {};
    }
}

void FileRowsModel::setRows(QList<FileRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void FileRowsModel::append(FileRow row)
{
    beginInsertRows({}, count(), count());
    m_rows.append(std::move(row));
    endInsertRows();
}

void FileRowsModel::append(QList<FileRow> rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(rows.size()) - 1);
    m_rows.append(std::move(rows));
    endInsertRows();
}

void FileRowsModel::removeAt(const QList<int>& ascendingPositions)
{
    if (ascendingPositions.isEmpty())
        return;
    QList<FileRow> kept;
    kept.reserve(m_rows.size() - ascendingPositions.size());
    qsizetype next = 0;
    for (int position = 0; position < count(); ++position) {
        if (next < ascendingPositions.size() && ascendingPositions[next] == position) {
            ++next;
            continue;
        }
        kept.append(std::move(m_rows[position]));
    }
    setRows(std::move(kept));
}
