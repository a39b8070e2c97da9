#include "FileListView.h"

#include <QPainter>

// What the item view does on focus, less making the first entry current.
void FileListView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void FileListView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

void FileListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
}

// Scrolling moves the pixels drawn so far, the focus frame with them: it is drawn anew.
void FileListView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    if (hasFocus())
        viewport()->update();
}
