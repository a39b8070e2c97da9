#pragma once

#include "UniformRowsView.h"

#include <QListView>

class QDataStream;
class QMimeData;
#include <functional>
#include <optional>

// The selected rows of a list in ascending order, gathered from the selection's ranges so
// that a selection of every other row of a long list costs one pass.
QList<int> selectedPositions(const QListView* list);

// A list of files with extended selection. The focus arriving by Tab leaves the list without
// a current entry when it had none (Qt would make the first one current): "no current
// entry", in which adding and removing do nothing, stays reachable from the keyboard.
// While it has the focus, a frame in the highlight colour shows it, whatever the style and
// whether or not an entry is current.
//
// Its selected rows can be dragged, and it can take rows dragged from lists it names. A drag
// carries the ranges of the selection only, never the rows, so that dragging every row of a
// long list costs nothing; the list never changes itself on a drop, it reports it.
class FileListView : public UniformRowsView
{
    Q_OBJECT
public:
    using UniformRowsView::UniformRowsView;

    // Shows the widget along the bottom edge inside the list's frame, below the rows: the
    // list keeps its place and size, its rows give up the widget's height.
    void setBottomWidget(QWidget* widget);

    // The selected rows leave by a drag with this action (Qt::IgnoreAction: no dragging).
    void setDragAction(Qt::DropAction action) { m_dragAction = action; }
    // Rows dragged from these lists may be dropped here.
    void acceptDropsFrom(const QList<FileListView*>& sources);
    // What a drag of the selected rows carries; the caller owns it.
    QMimeData* selectionData() const;

signals:
    // The rows of source at the ascending positions were dropped before row (the count when
    // below the last row). Reported once the drag has ended, so that whatever the drop starts
    // runs outside the drag.
    void rowsDropped(FileListView* source, const QList<int>& positions, int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void placeBottomWidget();
    // The list a drag comes from, when its rows may be dropped here.
    FileListView* dropSource(const QDropEvent* event) const;
    FileListView* dropSource(const QDropEvent* event, QDataStream& rows) const;
    int dropRow(const QPoint& at) const;
    void showDropRow(int row);
    // Runs work once this list's drag has ended; at once (queued) when it is not dragging.
    void whenDragEnds(std::function<void()> work);

    QWidget* m_bottomWidget = nullptr;
    Qt::DropAction m_dragAction = Qt::IgnoreAction;
    // Where a press on a selected row was: moving from there starts a drag.
    std::optional<QPoint> m_dragFrom;
    bool m_dragging = false;
    std::function<void()> m_afterDrag;
    QList<FileListView*> m_dropSources;
    // The row before which a drop would go, shown as a line; -1 when no drop is on the way.
    int m_dropRow = -1;
};
