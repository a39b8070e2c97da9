#pragma once

#include "OrderHistory.h"
#include "OrderList.h"
#include "listings/DiscCapacity.h"
#include "listings/SizeText.h"
#include "orderfile/OrderFileReader.h"

#include <QObject>
#include <optional>

// The order the customer builds: its rows, their total and the capacity state, whether it
// changed since it was last saved or opened, and its undo history. Nothing else writes them.
// Every operation that changes the rows is one undo step, named after the command that made
// it, and ends with one report through the signals: the count, the total, the capacity
// crossed, the changed mark. Each operation builds its step before it changes the rows, so a
// failure (out of memory included) leaves the rows and the history in step.
class OrderDocument : public QObject
{
    Q_OBJECT
public:
    explicit OrderDocument(QObject* parent = nullptr);

    const FileRowsModel& model() const { return m_list.model(); }
    // The rows for a view to show; views do not edit them.
    QAbstractItemModel* itemModel() { return &m_list.model(); }
    int count() const { return m_list.count(); }
    // Compares the whole texts, label included, ignoring letter case.
    bool contains(const QString& itemText) const { return m_list.contains(itemText); }
    bool containsUpper(const QString& upperText) const { return m_list.containsUpper(upperText); }
    // What the order can still take, items and bytes of its file, so that every order the
    // program holds can be saved and opened again. The one place where growing the order
    // meets its limits.
    OrderFileReader::Room room() const;

    // The total as last reported; it names the sizes that are not valid numbers among the
    // rows the last operation brought in.
    const SizeSum& sizeSum() const { return m_sum; }
    // The blank CD the order is for.
    const DiscCapacity& capacity() const { return m_capacity; }
    // A smaller CD that puts the order over its capacity warns, as an addition would.
    void setCapacity(const DiscCapacity& capacity);
    // Over the capacity: the customer has been warned, or an undo or a redo replayed an order
    // that was over it.
    bool overCapacity() const { return m_over; }
    // Not at the point where it was last saved or opened, and not empty.
    bool isModified() const { return m_modified; }

    // Each returns how many rows joined; the rows that do not fit into room() are left out.
    int add(const QList<FileRow>& rows, const QString& name = {});
    int insert(int row, const QList<FileRow>& rows, const QString& name = {});
    // The items of an order file; opened into an empty order they are its saved point.
    int addOpened(const QList<FileRow>& rows, const QString& name = {});
    // An order kept for recovery, put back into the empty order: as opened, but changed and
    // with an empty history.
    int restore(const QList<FileRow>& rows);
    void remove(const QList<int>& ascendingPositions, const QString& name = {});
    // Moves the rows so that they stand together before destinationRow (a position of the
    // order as it was; count() moves them to the end). Returns where they stand now.
    QList<int> move(const QList<int>& ascendingPositions, int destinationRow,
                    const QString& name = {});
    enum class MoveDirection
    {
        Up,
        Down
    };
    // Moves each of the rows one place up or down; rows already packed against the top (or
    // the bottom) stay. Returns where they stand now. A move that changes nothing is no step.
    QList<int> moveOnePlace(const QList<int>& ascendingPositions, MoveDirection direction,
                            const QString& name = {});
    void empty(const QString& name = {});

    // A batch of adding joins the order in pieces, before each question the customer is
    // asked, so that the list shows what is already in; it is one step and one report when it
    // ends. Pieces join at row, or at the end.
    void beginBatch(const QString& name, int row = -1);
    // Rows already checked against the room; their upper-cased texts may come with them.
    void addToBatch(const QList<FileRow>& rows, QList<QString> upperTexts = {});
    void endBatch();
    bool inBatch() const { return m_batch.has_value(); }

    void markSaved();
    bool canUndo() const { return m_history.toUndo() != nullptr; }
    bool canRedo() const { return m_history.toRedo() != nullptr; }
    QString undoName() const;
    QString redoName() const;
    // Undo and redo replay a result that was accepted already: they never warn.
    void undo();
    void redo();

signals:
    void countChanged(int count);
    void totalChanged(const QString& total);
    // A command took the order from within the capacity to above it.
    void capacityExceeded();
    void overCapacityChanged(bool over);
    void modifiedChanged(bool modified);
    // What can be undone or redone, and its name, may have changed.
    void historyChanged();
    // An undo or a redo put these rows back, at these ascending positions.
    void rowsPutBack(const QList<int>& positions);
    // The rows changed (after the report).
    void changed();

private:
    void perform(OrderStep step, bool opened = false);
    // Takes the rows out and puts them back at the ascending positions placed.
    QList<int> place(const QList<int>& ascendingPositions, const QList<int>& placed,
                     const QString& name);
    enum class Direction
    {
        Back,
        Forward
    };
    void replay(const OrderStep* step, Direction direction);
    // firstNew: the first row the operation brought in (count() when none).
    void report(bool mayWarn, bool rowsChanged, int firstNew);
    QList<FileRow> fitting(const QList<FileRow>& rows) const;
    void updateModified();
    static PackedRows packed(const QList<FileRow>& rows);

    OrderList m_list;
    OrderHistory m_history;
    SizeSum m_sum;
    DiscCapacity m_capacity = DiscCapacities::kDefault;
    bool m_over = false;
    bool m_modified = false;
    struct Batch
    {
        OrderStep step;
        int row;
    };
    std::optional<Batch> m_batch;
};
