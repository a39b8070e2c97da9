#include "FileRowsModel.h"

#include "FileKind.h"

namespace {

// A list row shows at most this many characters: a name of a megabyte would otherwise be
// laid out whole at every paint. The row itself keeps the whole text.
constexpr qsizetype kShownCharacters = 1024;

QString shown(const QString& text)
{
    return text.size() > kShownCharacters ? QString(text.first(kShownCharacters) + u'\x2026')
                                          : text;
}

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
    case Qt::AccessibleTextRole:
        return shown(m_rows.text(index.row()));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return description(index.row());
    case MarkedRole:
        return isMarked(index.row());
    case FullPathRole:
        return m_rows.at(index.row()).fullPath;
    case SizeRole:
        return m_rows.size(index.row());
    default:
        return {};
    }
}

QString FileRowsModel::description(int position) const
{
    const FileRow row = m_rows.at(position);
    QString text =
        shown(row.text) + QStringLiteral("\nVelicina: ") + row.size +
        QStringLiteral(" MB\nVrsta: ") +
        (isVideoClip(row.fullPath) ? QStringLiteral("Video spot") : QStringLiteral("MP3 pjesma"));
    if (isMarked(position))
        text += QStringLiteral("\nVec u narudzbi");
    return text;
}

void FileRowsModel::setMarks(std::function<bool(int position)> isMarked)
{
    m_isMarked = std::move(isMarked);
    marksChanged();
}

void FileRowsModel::marksChanged()
{
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1),
                         {MarkedRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
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
