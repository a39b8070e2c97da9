#include "FileListView.h"

#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QEvent>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace {

// The process and the list the rows come from, then the ranges of the dragged rows, first and
// last positions of each.
constexpr char kRowsFormat[] = "application/x-zbirnik-rows";

QList<int> positionsIn(const QList<std::pair<int, int>>& ranges)
{
    QList<int> positions;
    for (const auto& [first, last] : ranges) {
        for (int row = first; row <= last; ++row)
            positions.append(row);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

QList<std::pair<int, int>> selectedRanges(const QListView* list)
{
    QList<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : list->selectionModel()->selection())
        ranges.append({range.top(), range.bottom()});
    return ranges;
}

} // namespace

QList<int> selectedPositions(const QListView* list)
{
    return positionsIn(selectedRanges(list));
}

// What the item view does on focus, less making the first entry current.
void FileListView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void FileListView::setBottomWidget(QWidget* widget)
{
    m_bottomWidget = widget;
    widget->setParent(this);
    setViewportMargins(0, 0, 0, widget->sizeHint().height());
    placeBottomWidget();
    widget->show();
}

// The viewport is laid out anew whenever the list or its scroll bars change size.
bool FileListView::viewportEvent(QEvent* event)
{
    if (m_bottomWidget && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeBottomWidget();
    return UniformRowsView::viewportEvent(event);
}

void FileListView::placeBottomWidget()
{
    const QRect rows = viewport()->geometry();
    m_bottomWidget->setGeometry(rows.left(), rows.bottom() + 1, rows.width(),
                                m_bottomWidget->sizeHint().height());
}

void FileListView::focusOutEvent(QFocusEvent* event)
{
    UniformRowsView::focusOutEvent(event);
    viewport()->update();
}

void FileListView::paintEvent(QPaintEvent* event)
{
    UniformRowsView::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    if (m_dropRow >= 0) {
        const int count = model()->rowCount();
        const int y = m_dropRow < count ? visualRect(model()->index(m_dropRow, 0)).top()
                      : count > 0       ? visualRect(model()->index(count - 1, 0)).bottom() + 1
                                        : 1;
        painter.drawLine(0, y, viewport()->width(), y);
    }
    if (hasFocus())
        painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
}

// Scrolling moves the pixels drawn so far, the focus frame with them: it is drawn anew.
void FileListView::scrollContentsBy(int dx, int dy)
{
    UniformRowsView::scrollContentsBy(dx, dy);
    if (hasFocus())
        viewport()->update();
}

// The item view would gather every selected row before a drag could start; a press on a
// selected row and a move from there is all that a drag needs here.
void FileListView::mousePressEvent(QMouseEvent* event)
{
    UniformRowsView::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    m_dragFrom.reset();
    if (m_dragAction != Qt::IgnoreAction && event->button() == Qt::LeftButton &&
        pressed.isValid() && selectionModel()->isSelected(pressed))
        m_dragFrom = event->position().toPoint();
}

void FileListView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragFrom && (event->buttons() & Qt::LeftButton)) {
        if ((event->position().toPoint() - *m_dragFrom).manhattanLength() >=
            QApplication::startDragDistance()) {
            m_dragFrom.reset();
            startDrag(m_dragAction);
        }
        return;
    }
    m_dragFrom.reset();
    UniformRowsView::mouseMoveEvent(event);
}

QMimeData* FileListView::selectionData() const
{
    QByteArray rows;
    QDataStream stream(&rows, QIODevice::WriteOnly);
    stream << qint64(QCoreApplication::applicationPid()) << quint64(quintptr(this));
    for (const auto& [first, last] : selectedRanges(this))
        stream << qint32(first) << qint32(last);
    auto* payload = new QMimeData;
    payload->setData(QString::fromLatin1(kRowsFormat), rows);
    return payload;
}

void FileListView::startDrag(Qt::DropActions)
{
    QMimeData* payload = selectionData();
    auto* drag = new QDrag(this);
    drag->setMimeData(payload);
    // The current row as the list shows it goes with the pointer.
    const QRect current = visualRect(currentIndex()) & viewport()->rect();
    if (!current.isEmpty())
        drag->setPixmap(viewport()->grab(current));
    m_dragging = true;
    drag->exec(m_dragAction, m_dragAction);
    m_dragging = false;
    if (m_afterDrag)
        QMetaObject::invokeMethod(this, std::exchange(m_afterDrag, {}), Qt::QueuedConnection);
}

void FileListView::whenDragEnds(std::function<void()> work)
{
    if (m_dragging)
        m_afterDrag = std::move(work);
    else
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void FileListView::acceptDropsFrom(const QList<FileListView*>& sources)
{
    m_dropSources = sources;
    setAcceptDrops(!sources.isEmpty());
}

// Rows of another process, or of a list not named, are not taken. The list is looked up
// among the lists named, never reached through the number the drag carries.
FileListView* FileListView::dropSource(const QDropEvent* event, QDataStream& rows) const
{
    qint64 process = 0;
    quint64 list = 0;
    rows >> process >> list;
    for (FileListView* source : m_dropSources) {
        if (rows.status() == QDataStream::Ok && process == QCoreApplication::applicationPid() &&
            list == quint64(quintptr(source)) && (event->possibleActions() & source->m_dragAction))
            return source;
    }
    return nullptr;
}

FileListView* FileListView::dropSource(const QDropEvent* event) const
{
    QDataStream rows(event->mimeData()->data(QString::fromLatin1(kRowsFormat)));
    return dropSource(event, rows);
}

// Over the upper half of a row the drop goes before it, over the lower half after it; below
// the last row it goes at the end.
int FileListView::dropRow(const QPoint& at) const
{
    const QModelIndex over = indexAt(at);
    if (!over.isValid())
        return model()->rowCount();
    return at.y() < visualRect(over).center().y() ? over.row() : over.row() + 1;
}

void FileListView::showDropRow(int row)
{
    if (row != m_dropRow) {
        m_dropRow = row;
        viewport()->update();
    }
}

void FileListView::dragEnterEvent(QDragEnterEvent* event)
{
    const FileListView* source = dropSource(event);
    if (!source) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    event->setDropAction(source->m_dragAction);
    event->accept();
}

void FileListView::dragMoveEvent(QDragMoveEvent* event)
{
    // The item view scrolls near the edges; its own drop rules refuse our rows.
    UniformRowsView::dragMoveEvent(event);
    const FileListView* source = dropSource(event);
    if (!source) {
        event->ignore();
        showDropRow(-1);
        return;
    }
    showDropRow(dropRow(event->position().toPoint()));
    event->setDropAction(source->m_dragAction);
    event->accept();
}

void FileListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    showDropRow(-1);
    UniformRowsView::dragLeaveEvent(event);
}

void FileListView::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    setState(NoState);
    showDropRow(-1);
    QDataStream stream(event->mimeData()->data(QString::fromLatin1(kRowsFormat)));
    FileListView* source = dropSource(event, stream);
    if (!source) {
        event->ignore();
        return;
    }
    QList<std::pair<int, int>> ranges;
    while (!stream.atEnd()) {
        qint32 first = 0;
        qint32 last = 0;
        stream >> first >> last;
        if (stream.status() != QDataStream::Ok)
            break;
        ranges.append({first, last});
    }
    const int row = dropRow(event->position().toPoint());
    event->setDropAction(source->m_dragAction);
    event->accept();
    source->whenDragEnds([this, source, ranges, row] {
        QList<int> positions = positionsIn(ranges);
        // Rows that the source no longer has are left out.
        const int count = source->model()->rowCount();
        positions.removeIf([count](int position) { return position < 0 || position >= count; });
        if (!positions.isEmpty())
            emit rowsDropped(source, positions, row);
    });
}
