#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

// One row of a file list: the shown text with the full path and size text that belong to
// it. A visible list and its two hidden parallel lists are one sequence of these rows, so
// they cannot get out of step.
struct FileRow
{
    QString text;
    QString fullPath;
    QString size;

    bool operator==(const FileRow&) const = default;
};
// Rows of a million-row search result move in memory as plain bytes when the list grows.
Q_DECLARE_TYPEINFO(FileRow, Q_RELOCATABLE_TYPE);

// The rows of the file list or of the order, shown by a list view.
class FileRowsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        FullPathRole = Qt::UserRole + 1,
        SizeRole
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QList<FileRow>& rows() const { return m_rows; }
    const FileRow& at(int position) const { return m_rows.at(position); }
    int count() const { return int(m_rows.size()); }

    // Replaces every row in one reset.
    void setRows(QList<FileRow> rows);
    void clear() { setRows({}); }
    void append(FileRow row);
    void append(QList<FileRow> rows);
    // Removes the rows at the given ascending positions in one pass; the rest keep their order.
    void removeAt(const QList<int>& ascendingPositions);

private:
    QList<FileRow> m_rows;
};
