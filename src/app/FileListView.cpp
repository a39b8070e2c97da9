#include "FileListView.h"

#include <QEvent>

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
