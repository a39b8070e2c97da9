#pragma once

#include <QListView>

// A list of files with extended selection. The focus arriving by Tab leaves the list without
// a current entry when it had none (Qt would make the first one current): "no current
// entry", in which adding and removing do nothing, stays reachable from the keyboard.
// While it has the focus, a frame in the highlight colour shows it, whatever the style and
// whether or not an entry is current.
class FileListView : public QListView
{
    Q_OBJECT
public:
    using QListView::QListView;

    // Shows the widget along the bottom edge inside the list's frame, below the rows: the
    // list keeps its place and size, its rows give up the widget's height.
    void setBottomWidget(QWidget* widget);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    void placeBottomWidget();

    QWidget* m_bottomWidget = nullptr;
};
