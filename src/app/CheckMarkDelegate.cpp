#include "CheckMarkDelegate.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

QIcon checkMark(QSize size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A green that reads on light and dark rows alike.
    painter.setPen(QPen(QColor(0x1e, 0x8e, 0x3e), qMax(1.5, size.height() / 6.0), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    const qreal w = size.width(), h = size.height();
    QPainterPath path(QPointF(w * 0.15, h * 0.55));
    path.lineTo(w * 0.42, h * 0.8);
    path.lineTo(w * 0.88, h * 0.2);
    painter.drawPath(path);
    return QIcon(pixmap);
}

} // namespace

CheckMarkDelegate::CheckMarkDelegate(int markRole, QWidget* list)
    : QStyledItemDelegate(list), m_markRole(markRole)
{
    const int side = qMax(8, list->fontMetrics().height() - 4);
    m_size = QSize(side, side);
    m_mark = checkMark(m_size, list->devicePixelRatioF());
}

void CheckMarkDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = m_size;
    option->icon = index.data(m_markRole).toBool() ? m_mark : QIcon();
}
