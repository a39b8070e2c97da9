#include "FileListView.h"

#include <QEvent>
#include <QPainter>

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
    return QListView::viewportEvent(event);
}

void FileListView::placeBottomWidget()
{
    const QRect rows = viewport()->geometry();
    m_bottomWidget->setGeometry(rows.left(), rows.bottom() + 1, rows.width(),
                                m_bottomWidget->sizeHint().height());
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
