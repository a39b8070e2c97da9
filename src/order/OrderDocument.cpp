#include "OrderDocument.h"

#include "orderfile/OrderFileWriter.h"

#include <numeric>

namespace {

// The positions first, first + 1, ..., first + count - 1.
QList<int> run(int first, int count)
{
    QList<int> positions(count);
    std::iota(positions.begin(), positions.end(), first);
    return positions;
}

} // namespace

OrderDocument::OrderDocument(QObject* parent) : QObject(parent) {}

OrderFileReader::Room OrderDocument::room() const
{
    return {kMaxOrderItems - count(),
            kMaxOrderFileBytes - OrderFileWriter::savedSize(model().packed())};
}

QList<FileRow> OrderDocument::fitting(const QList<FileRow>& rows) const
{
    const OrderFileReader::Room left = room();
    qint64 bytes = 0;
    qsizetype fit = 0;
    for (; fit < qMin(rows.size(), left.items); ++fit) {
        bytes += OrderFileWriter::savedSize(rows[fit]);
        if (bytes > left.bytes)
            break;
    }
    return rows.first(fit);
}

PackedRows OrderDocument::packed(const QList<FileRow>& rows)
{
    PackedRows packed;
    for (const FileRow& row : rows)
        packed.append(row);
    return packed;
}

int OrderDocument::add(const QList<FileRow>& rows, const QString& name)
{
    return insert(count(), rows, name);
}

int OrderDocument::insert(int row, const QList<FileRow>& rows, const QString& name)
{
    const QList<FileRow> joining = fitting(rows);
    perform({name, {}, {}, run(row, int(joining.size())), packed(joining)});
    return int(joining.size());
}

int OrderDocument::addOpened(const QList<FileRow>& rows, const QString& name)
{
    const QList<FileRow> joining = fitting(rows);
    perform({name, {}, {}, run(count(), int(joining.size())), packed(joining)}, count() == 0);
    return int(joining.size());
}

int OrderDocument::restore(const QList<FileRow>& rows)
{
    Q_ASSERT(count() == 0 && !m_batch);
    const QList<FileRow> joining = fitting(rows);
    m_list.change({}, run(0, int(joining.size())), packed(joining));
    m_history.clearUnsaved();
    report(true, true, 0);
    return int(joining.size());
}

void OrderDocument::remove(const QList<int>& ascendingPositions, const QString& name)
{
    perform({name, ascendingPositions, model().packed().at(ascendingPositions), {}, {}});
}

QList<int> OrderDocument::move(const QList<int>& ascendingPositions, int destinationRow,
                               const QString& name)
{
    const auto before =
        std::lower_bound(ascendingPositions.begin(), ascendingPositions.end(), destinationRow);
    const int first = destinationRow - int(before - ascendingPositions.begin());
    return place(ascendingPositions, run(first, int(ascendingPositions.size())), name);
}

QList<int> OrderDocument::moveOnePlace(const QList<int>& ascendingPositions,
                                       MoveDirection direction, const QString& name)
{
    QList<int> placed(ascendingPositions.size());
    if (direction == MoveDirection::Up) {
        int free = 0;
        for (qsizetype i = 0; i < ascendingPositions.size(); ++i)
            free = (placed[i] = qMax(ascendingPositions[i] - 1, free)) + 1;
    } else {
        int free = count() - 1;
        for (qsizetype i = ascendingPositions.size() - 1; i >= 0; --i)
            free = (placed[i] = qMin(ascendingPositions[i] + 1, free)) - 1;
    }
    return place(ascendingPositions, placed, name);
}

QList<int> OrderDocument::place(const QList<int>& ascendingPositions, const QList<int>& placed,
                                const QString& name)
{
    if (placed == ascendingPositions)
        return placed;
    const PackedRows rows = model().packed().at(ascendingPositions);
    perform({name, ascendingPositions, rows, placed, rows});
    return placed;
}

void OrderDocument::empty(const QString& name)
{
    perform({name, run(0, count()), model().packed(), {}, {}});
}

// The step is complete before the rows change, and the history takes it without failing.
void OrderDocument::perform(OrderStep step, bool opened)
{
    Q_ASSERT(!m_batch);
    // A command that changed nothing makes no step, but reports as any other.
    const bool changes = !step.changesNothing();
    // Only an addition brings rows in; a move brings none.
    const int firstNew = step.removedAt.isEmpty() && !step.insertedAt.isEmpty()
                             ? step.insertedAt.first()
                             : count() - int(step.removedAt.size() - step.insertedAt.size());
    if (changes) {
        m_list.change(step.removedAt, step.insertedAt, step.inserted);
        m_history.push(std::move(step));
        if (opened)
            m_history.markSaved();
    }
    report(true, changes, firstNew);
}

void OrderDocument::beginBatch(const QString& name, int row)
{
    Q_ASSERT(!m_batch);
    m_batch = Batch{{name, {}, {}, {}, {}}, row < 0 ? count() : row};
}

void OrderDocument::addToBatch(const QList<FileRow>& rows, QList<QString> upperTexts)
{
    Q_ASSERT(m_batch);
    if (rows.isEmpty())
        return;
    OrderStep& step = m_batch->step;
    const PackedRows piece = packed(rows);
    const QList<int> positions = run(m_batch->row + step.inserted.count(), piece.count());
    // The step records the piece first; when the rows cannot take it, the record is cut back.
    const int recorded = step.inserted.count();
    step.inserted.reserveFor(piece);
    step.insertedAt.reserve(recorded + positions.size());
    step.inserted.append(piece);
    step.insertedAt.append(positions);
    try {
        m_list.change({}, positions, piece, std::move(upperTexts));
    } catch (...) {
        step.inserted.truncate(recorded);
        step.insertedAt.resize(recorded);
        throw;
    }
}

void OrderDocument::endBatch()
{
    Q_ASSERT(m_batch);
    OrderStep step = std::move(m_batch->step);
    m_batch.reset();
    const bool changes = !step.changesNothing();
    const int firstNew = changes ? step.insertedAt.first() : count();
    if (changes)
        m_history.push(std::move(step));
    report(true, changes, firstNew);
}

void OrderDocument::setCapacity(const DiscCapacity& capacity)
{
    if (capacity == m_capacity)
        return;
    m_capacity = capacity;
    report(true, false, count());
}

void OrderDocument::markSaved()
{
    m_history.markSaved();
    updateModified();
}

QString OrderDocument::undoName() const
{
    return canUndo() ? m_history.toUndo()->name : QString();
}

QString OrderDocument::redoName() const
{
    return canRedo() ? m_history.toRedo()->name : QString();
}

void OrderDocument::undo()
{
    replay(m_history.toUndo(), Direction::Back);
}

void OrderDocument::redo()
{
    replay(m_history.toRedo(), Direction::Forward);
}

// Takes out the rows the step put in and puts back the rows it took out, or the other way
// round, and selects what came back.
void OrderDocument::replay(const OrderStep* step, Direction direction)
{
    if (!step || m_batch)
        return;
    const bool back = direction == Direction::Back;
    const QList<int> putBack = back ? step->removedAt : step->insertedAt;
    m_list.change(back ? step->insertedAt : step->removedAt, putBack,
                  back ? step->removed : step->inserted);
    if (back)
        m_history.stepBack();
    else
        m_history.stepForward();
    report(false, true, count());
    if (!putBack.isEmpty())
        emit rowsPutBack(putBack);
}

// The count and the new total are shown before the customer is warned, and the total turns
// red after the warning.
void OrderDocument::report(bool mayWarn, bool rowsChanged, int firstNew)
{
    m_sum = sumSizes(model().packed(), firstNew);
    emit countChanged(count());
    emit totalChanged(SizeText::format(m_sum.bytes));
    const bool over = !m_capacity.fits(m_sum.bytes);
    if (over && !m_over && mayWarn)
        emit capacityExceeded();
    if (over != m_over) {
        m_over = over;
        emit overCapacityChanged(over);
    }
    updateModified();
    if (!rowsChanged)
        return;
    emit historyChanged();
    emit changed();
}

void OrderDocument::updateModified()
{
    const bool modified = !m_history.atSaved() && count() > 0;
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}
