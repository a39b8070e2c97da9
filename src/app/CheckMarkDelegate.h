#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

// Draws a check mark before the rows that the model marks, and keeps that room free before
// the others, so that the names stay in line.
class CheckMarkDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // markRole is the model's role that says whether a row is marked.
    CheckMarkDelegate(int markRole, QWidget* list);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int m_markRole;
    QSize m_size;
    QIcon m_mark;
};
