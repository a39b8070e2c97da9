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

namespace {

bool isOneRun(const QList<int>& ascendingPositions)
{
    return !ascendingPositions.isEmpty() &&
           ascendingPositions.last() - ascendingPositions.first() == ascendingPositions.size() - 1;
}

} // namespace

void FileRowsModel::change(const QList<int>& removedAt, const QList<int>& insertedAt,
                           const PackedRows& inserted)
{
    if (removedAt.isEmpty() && isOneRun(insertedAt) && insertedAt.first() == count()) {
        // Appending: room is made first, so nothing can fail between the model's signals.
        m_rows.reserveFor(inserted);
        beginInsertRows({}, insertedAt.first(), insertedAt.last());
        m_rows.append(inserted);
        endInsertRows();
        return;
    }
    PackedRows rows = removedAt.isEmpty() ? m_rows : m_rows.without(removedAt);
    if (!insertedAt.isEmpty())
        rows = rows.with(insertedAt, inserted);
    if (insertedAt.isEmpty() && isOneRun(removedAt)) {
        beginRemoveRows({}, removedAt.first(), removedAt.last());
        m_rows = std::move(rows);
        endRemoveRows();
    } else if (removedAt.isEmpty() && isOneRun(insertedAt)) {
        beginInsertRows({}, insertedAt.first(), insertedAt.last());
        m_rows = std::move(rows);
        endInsertRows();
    } else {
        setRows(std::move(rows));
    }
}
