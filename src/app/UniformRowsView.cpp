#include "UniformRowsView.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace {

// Rows further away than an int can say are placed at its ends; with the largest listings
// only a Shift selection across about a hundred million rows could tell.
int placed(qint64 y, int height)
{
    return int(std::clamp<qint64>(y, std::numeric_limits<int>::min() + 1,
                                  std::numeric_limits<int>::max() - height));
}

} // namespace

UniformRowsView::UniformRowsView(QWidget* parent) : QListView(parent)
{
    setVerticalScrollMode(ScrollPerItem);
}

int UniformRowsView::topRow() const
{
    return verticalScrollBar()->value();
}

int UniformRowsView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

// As the list view with uniform item sizes does, the last row gives the size: it is most
// likely the longest.
QSize UniformRowsView::itemSize() const
{
    const int count = rowCount();
    if (!m_itemSize.isValid() && count > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex last = model()->index(count - 1, modelColumn(), rootIndex());
        m_itemSize = itemDelegateForIndex(last)->sizeHint(option, last);
    }
    return m_itemSize;
}

qint64 UniformRowsView::rowAt(int y) const
{
    const int height = rowHeight();
    return topRow() + (y >= 0 ? y / height : (qint64(y) - height + 1) / height);
}

int UniformRowsView::wholeRowsShown() const
{
    return qMax(1, viewport()->height() / rowHeight());
}

QRect UniformRowsView::rowsRect(int first, int last) const
{
    const int height = rowHeight();
    return QRect(-horizontalOffset(), placed(qint64(first - topRow()) * height, height), rowWidth(),
                 (last - first + 1) * height);
}

QRect UniformRowsView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        index.column() != modelColumn())
        return {};
    return rowsRect(index.row(), index.row());
}

QModelIndex UniformRowsView::indexAt(const QPoint& point) const
{
    const int x = point.x() + horizontalOffset();
    const qint64 row = rowAt(point.y());
    if (x < 0 || x >= rowWidth() || row < 0 || row >= rowCount())
        return {};
    return model()->index(int(row), modelColumn(), rootIndex());
}

void UniformRowsView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (visualRect(index).isNull())
        return;
    const int row = index.row();
    const int shown = wholeRowsShown();
    int top = topRow();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + shown)
            top = row - shown + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - shown + 1;
        break;
    case PositionAtCenter:
        top = row - shown / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
}

// The list view's own layout would place every row; here a new layout only forgets the row
// size, for the rows, the font or the style may have changed it.
void UniformRowsView::doItemsLayout()
{
    m_itemSize = QSize();
    QAbstractItemView::doItemsLayout();
}

void UniformRowsView::updateGeometries()
{
    const int shown = wholeRowsShown();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setSingleStep(1);
    vertical->setPageStep(shown);
    vertical->setRange(0, qMax(0, rowCount() - shown));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setSingleStep(rowHeight());
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, qMax(0, itemSize().width() - viewport()->width()));
    QAbstractItemView::updateGeometries();
}

int UniformRowsView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int UniformRowsView::verticalOffset() const
{
    return placed(qint64(topRow()) * rowHeight(), 0);
}

QModelIndex UniformRowsView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int count = rowCount();
    if (count == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, modelColumn(), rootIndex());
    // A page moves to the last row that the viewport shows, even in part.
    const int page = qMax(1, (viewport()->height() + rowHeight() - 1) / rowHeight() - 1);
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        row -= 1;
        break;
    case MoveDown:
    case MoveNext:
        row += 1;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(row, 0, count - 1), modelColumn(), rootIndex());
}

// The rows from the rectangle's top to its bottom, whichever way it was drawn; none when it
// lies wholly above or below the rows.
void UniformRowsView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const int count = rowCount();
    const qint64 first = qMin(rowAt(rect.top()), rowAt(rect.bottom()));
    const qint64 last = qMax(rowAt(rect.top()), rowAt(rect.bottom()));
    QItemSelection selection;
    if (last >= 0 && first < count) {
        selection.select(
            model()->index(int(qMax<qint64>(first, 0)), modelColumn(), rootIndex()),
            model()->index(int(qMin<qint64>(last, count - 1)), modelColumn(), rootIndex()));
    }
    selectionModel()->select(selection, command);
}

// Only the rows on show count, so that selecting every row of a long list repaints a page.
QRegion UniformRowsView::visualRegionForSelection(const QItemSelection& selection) const
{
    const int first = topRow();
    const int last = first + wholeRowsShown();
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || range.left() > modelColumn() ||
            range.right() < modelColumn())
            continue;
        const int top = qMax(range.top(), first);
        const int bottom = qMin(range.bottom(), last);
        if (top <= bottom)
            region += rowsRect(top, bottom);
    }
    return region;
}

// What the list view paints, for the rows in the event's rectangle only.
void UniformRowsView::paintEvent(QPaintEvent* event)
{
    const int count = rowCount();
    if (count == 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QModelIndex hover = viewport()->underMouse()
                                  ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
                                  : QModelIndex();
    const int first = int(std::clamp<qint64>(rowAt(event->rect().top()), 0, count));
    const int last = int(std::clamp<qint64>(rowAt(event->rect().bottom()), -1, count - 1));
    QPainter painter(viewport());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.state = state;
        option.state.setFlag(QStyle::State_Selected, selectionModel()->isSelected(index));
        if (state & QStyle::State_Enabled) {
            const bool enabled = model()->flags(index) & Qt::ItemIsEnabled;
            option.state.setFlag(QStyle::State_Enabled, enabled);
            option.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
        }
        option.state.setFlag(QStyle::State_HasFocus, focus && index == current);
        option.state.setFlag(QStyle::State_MouseOver, index == hover);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

// The scroll bar counts rows.
void UniformRowsView::scrollContentsBy(int dx, int dy)
{
    const qint64 pixels = qint64(dy) * rowHeight();
    if (qAbs(pixels) >= viewport()->height())
        viewport()->update();
    else
        viewport()->scroll(isRightToLeft() ? -dx : dx, int(pixels));
}

// The list view would look the row up in its own layout; a row's number is its place here.
void UniformRowsView::tellAccessibility(QAccessible::Event event, const QModelIndex& index)
{
    if (!QAccessible::isActive() || !index.isValid())
        return;
    QAccessibleEvent told(this, event);
    told.setChild(index.row());
    QAccessible::updateAccessibility(&told);
}

void UniformRowsView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus())
        tellAccessibility(QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

// Only the first row of each change is told, as the list view does; it does not list every
// selected row to find it.
void UniformRowsView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected)
{
    if (!selected.isEmpty())
        tellAccessibility(QAccessible::SelectionAdd, selected.first().topLeft());
    if (!deselected.isEmpty())
        tellAccessibility(QAccessible::SelectionRemove, deselected.first().topLeft());
    QAbstractItemView::selectionChanged(selected, deselected);
}
