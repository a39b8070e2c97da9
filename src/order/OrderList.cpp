#include "OrderList.h"

#include "platform/LetterCase.h"

bool OrderList::contains(const QString& itemText) const
{
    return m_upperTexts.contains(LetterCase::upper(itemText));
}

void OrderList::count(const FileRow& row, int delta)
{
    const QString key = LetterCase::upper(row.text);
    const int total = m_upperTexts.value(key) + delta;
    if (total > 0)
        m_upperTexts.insert(key, total);
    else
        m_upperTexts.remove(key);
}

void OrderList::append(FileRow row)
{
    count(row, +1);
    m_rows.append(std::move(row));
}

void OrderList::append(QList<FileRow> rows)
{
    for (const FileRow& row : rows)
        count(row, +1);
    m_rows.append(std::move(rows));
}

void OrderList::append(QList<FileRow> rows, const QList<QString>& upperTexts)
{
    Q_ASSERT(rows.size() == upperTexts.size());
    m_upperTexts.reserve(m_upperTexts.size() + upperTexts.size());
    for (const QString& key : upperTexts)
        ++m_upperTexts[key];
    m_rows.append(std::move(rows));
}

void OrderList::removeAt(const QList<int>& ascendingPositions)
{
    for (const int position : ascendingPositions)
        count(m_rows.at(position), -1);
    m_rows.removeAt(ascendingPositions);
}

void OrderList::clear()
{
    m_upperTexts.clear();
    m_rows.clear();
}
