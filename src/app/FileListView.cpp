#include "FileListView.h"

// What the item view does on focus, less making the first entry current.
void FileListView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}
