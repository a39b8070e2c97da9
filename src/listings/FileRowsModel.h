#pragma once

#include "PackedRows.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <functional>

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
Q_DECLARE_TYPEINFO(FileRow, Q_RELOCATABLE_TYPE);

// The rows of the file list or of the order, shown by a list view. The rows are packed
// (a listing of a million files fits in well under 100 MB) and decoded when asked for.
class FileRowsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        FullPathRole = Qt::UserRole + 1,
        SizeRole,
        // The row is marked: its file is already in the order.
        MarkedRole
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Which rows are marked. Asked only for the rows on show, so that marks cost nothing
    // when a list is filled; marksChanged() has them asked again.
    void setMarks(std::function<bool(int position)> isMarked);
    void marksChanged();

    // Every row, decoded: for lists of order size.
    QList<FileRow> rows() const;
    FileRow at(int position) const { return m_rows.at(position); }
    const PackedRows& packed() const { return m_rows; }
    int count() const { return m_rows.count(); }

    // Replaces every row in one reset.
    void setRows(const QList<FileRow>& rows);
    void setRows(PackedRows rows);
    void clear() { setRows(PackedRows()); }
    // Takes out the rows at the ascending positions removedAt, then puts the inserted rows in
    // so that they stand at the ascending positions insertedAt; the rest keep their order.
    // All or nothing: a failure leaves the rows as they were. Rows added at the end or
    // removed in one run keep the view's selection; other changes reset the view.
    void change(const QList<int>& removedAt, const QList<int>& insertedAt,
                const PackedRows& inserted);

private:
    // The tool tip of a row, and what a screen reader says of it beyond its text.
    QString description(int position) const;
    bool isMarked(int position) const { return m_isMarked && m_isMarked(position); }

    PackedRows m_rows;
    std::function<bool(int)> m_isMarked;
};
