#pragma once

#include <QAccessible>
#include <QLabel>

// A label that the keyboard reaches and uses: Tab gives it the focus, a frame shows it, and
// Space or Enter activates it, as a click on it does in its window. Assistive tools see it with
// the role it is given (a link, or a button) and can press it too. The label keeps its own
// colours and font.
class ActivatableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ActivatableLabel(QAccessible::Role role, QWidget* parent = nullptr);

    QAccessible::Role role() const { return m_role; }

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAccessible::Role m_role;
};
