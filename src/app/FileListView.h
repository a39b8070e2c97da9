#pragma once

#include <QListView>

// A list of files with extended selection. The focus arriving by Tab leaves the list without
// a current entry when it had none (Qt would make the first one current): "no current
// entry", in which adding and removing do nothing, stays reachable from the keyboard.
class FileListView : public QListView
{
    Q_OBJECT
public:
    using QListView::QListView;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
