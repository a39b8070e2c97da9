#pragma once

#include <QAccessible>
#include <QListView>

// A list view of one column whose rows all have the height of its last row, as a list view
// with uniform item sizes assumes, but that keeps nothing per row: a row's place is its
// number times the row height. A list of 16 million rows then costs the view no memory and
// lays out at once, where the list view keeps two numbers per row and lays them out in
// batches. It scrolls by whole rows. It has no hidden rows, no wrapping and no icon mode.
class UniformRowsView : public QListView
{
    Q_OBJECT
public:
    explicit UniformRowsView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void updateGeometries() override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    int rowCount() const;
    int topRow() const;
    int rowHeight() const { return qMax(1, itemSize().height()); }
    // Every row is as wide as the viewport, or as its widest text when that is wider.
    int rowWidth() const { return qMax(itemSize().width(), viewport()->width()); }
    QSize itemSize() const;
    // The row at a height in the viewport, beyond the rows when the height is.
    qint64 rowAt(int y) const;
    // The rows the viewport shows whole, one at least.
    int wholeRowsShown() const;
    // The viewport's rows from first to last, cut to the rows there are.
    QRect rowsRect(int first, int last) const;
    void tellAccessibility(QAccessible::Event event, const QModelIndex& index);

    mutable QSize m_itemSize;
};
