#pragma once

#include "listings/FileRowsModel.h"

#include <QHash>
#include <QString>

// The order: its rows, and a count of every upper-cased item text kept in step with them,
// so that "is this item already ordered" is one hash look-up.
class OrderList
{
public:
    FileRowsModel& model() { return m_rows; }
    const FileRowsModel& model() const { return m_rows; }
    int count() const { return m_rows.count(); }

    // Compares the whole texts, label included, ignoring letter case.
    bool contains(const QString& itemText) const;
    void append(FileRow row);
    void append(QList<FileRow> rows);
    void removeAt(const QList<int>& ascendingPositions);
    // The same, for a caller that has upper-cased the texts already.
    bool containsUpper(const QString& upperText) const { return m_upperTexts.contains(upperText); }
    void append(QList<FileRow> rows, const QList<QString>& upperTexts);
    void clear();

private:
    void count(const FileRow& row, int delta);

    FileRowsModel m_rows;
    QHash<QString, int> m_upperTexts;
};
