#include "ActivatableLabel.h"

#include "Accessibility.h"

#include <QKeyEvent>
#include <QPainter>

ActivatableLabel::ActivatableLabel(QAccessible::Role role, QWidget* parent)
    : QLabel(parent), m_role(role)
{
    installAccessibleInterfaces();
    // Reached by Tab only: a click keeps doing what it did, without moving the focus.
    setFocusPolicy(Qt::TabFocus);
}

void ActivatableLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain) {
            if (!event->isAutoRepeat())
                emit activated();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

// The focus frame is drawn in the highlight colour with a white line inside it, so it shows
// on the window's background and on a colour swatch of any colour alike.
void ActivatableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}
