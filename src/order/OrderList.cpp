#include "OrderList.h"

#include "platform/LetterCase.h"

#include <QScopeGuard>

namespace {

// Takes one count of the text away; allocates nothing.
void uncount(QHash<QString, int>& counts, const QString& upperText)
{
    const auto found = counts.find(upperText);
    if (found == counts.end())
        return;
    if (--found.value() == 0)
        counts.erase(found);
}

} // namespace

bool OrderList::contains(const QString& itemText) const
{
    return m_upperTexts.contains(LetterCase::upper(itemText));
}

void OrderList::change(const QList<int>& removedAt, const QList<int>& insertedAt,
                       const PackedRows& inserted, QList<QString> upperInserted)
{
    Q_ASSERT(insertedAt.size() == inserted.count());
    // Everything that allocates comes before the first change.
    if (upperInserted.isEmpty() && !insertedAt.isEmpty()) {
        upperInserted.reserve(inserted.count());
        for (int i = 0; i < inserted.count(); ++i)
            upperInserted.append(LetterCase::upper(inserted.text(i)));
    }
    QList<QString> upperRemoved;
    upperRemoved.reserve(removedAt.size());
    for (const int position : removedAt)
        upperRemoved.append(LetterCase::upper(m_rows.packed().text(position)));

    m_upperTexts.reserve(m_upperTexts.size() + upperInserted.size());
    qsizetype counted = 0;
    auto undoCounts = qScopeGuard([&] {
        for (qsizetype i = 0; i < counted; ++i)
            uncount(m_upperTexts, upperInserted[i]);
    });
    for (; counted < upperInserted.size(); ++counted)
        ++m_upperTexts[upperInserted[counted]];
    m_rows.change(removedAt, insertedAt, inserted);
    undoCounts.dismiss();
    for (const QString& text : upperRemoved)
        uncount(m_upperTexts, text);
}
