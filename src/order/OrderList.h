#pragma once

#include "listings/FileRowsModel.h"

#include <QHash>
#include <QString>

// The order's rows, and a count of every upper-cased item text kept in step with them, so
// that "is this item already ordered" is one hash look-up.
class OrderList
{
public:
    FileRowsModel& model() { return m_rows; }
    const FileRowsModel& model() const { return m_rows; }
    int count() const { return m_rows.count(); }

    // Compares the whole texts, label included, ignoring letter case.
    bool contains(const QString& itemText) const;
    // The same, for a caller that has upper-cased the text already.
    bool containsUpper(const QString& upperText) const { return m_upperTexts.contains(upperText); }

    // Takes out the rows at the ascending positions removedAt and puts the inserted rows in at
    // the ascending positions insertedAt (positions after the change). All or nothing: a
    // failure, out of memory included, leaves the rows and the counts as they were. The
    // upper-cased texts of the inserted rows may be given when the caller has them.
    void change(const QList<int>& removedAt, const QList<int>& insertedAt,
                const PackedRows& inserted, QList<QString> upperInserted = {});

private:
    FileRowsModel m_rows;
    QHash<QString, int> m_upperTexts;
};
