#include "Accessibility.h"

#include "ActivatableLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>

namespace {

// Dynamic properties that mark the widgets with an interface of the program's own.
constexpr char kWindowProperty[] = "zbirnikAnnouncedAsWindow";
constexpr char kCaptionProperty[] = "zbirnikAccessibleCaption";

// A drop-down list named by its accessible name; its current entry is its value, and its one
// child the list of entries, as in Qt's own interface.
class NamedChooserAccessible : public QAccessibleWidget
{
public:
    explicit NamedChooserAccessible(QComboBox* chooser)
        : QAccessibleWidget(chooser, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return chooser()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(chooser()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == chooser()->view() ? 0 : -1;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            chooser()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* chooser() const { return static_cast<QComboBox*>(widget()); }
};

class CaptionedValueAccessible : public QAccessibleWidget
{
public:
    explicit CaptionedValueAccessible(QLabel* value)
        : QAccessibleWidget(value, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        const QString caption = widget()->property(kCaptionProperty).toString();
        const QVariant fullText = widget()->property("fullText");
        const QString value =
            fullText.isValid() ? fullText.toString() : static_cast<QLabel*>(widget())->text();
        if (value.isEmpty())
            return caption;
        return caption + (caption.endsWith(u':') ? QStringLiteral(" ") : QStringLiteral(": ")) +
               value;
    }
};

class ActivatableLabelAccessible : public QAccessibleWidget
{
public:
    explicit ActivatableLabelAccessible(ActivatableLabel* label)
        : QAccessibleWidget(label, label->role())
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit label()->activated();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ActivatableLabel* label() const { return static_cast<ActivatableLabel*>(widget()); }
};

// Qt asks with the name of each class of the object, most derived first.
QAccessibleInterface* programInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(widget->metaObject()->className()))
        return nullptr;
    if (auto* label = qobject_cast<ActivatableLabel*>(widget))
        return new ActivatableLabelAccessible(label);
    if (widget->property(kWindowProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && label->property(kCaptionProperty).isValid())
        return new CaptionedValueAccessible(label);
    if (auto* chooser = qobject_cast<QComboBox*>(widget);
        chooser && !chooser->accessibleName().isEmpty())
        return new NamedChooserAccessible(chooser);
    return nullptr;
}

// Qt renames a window when its title changes, but only reports a state change when its "*"
// mark comes or goes.
class ModifiedMarkRenames : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ModifiedChange) {
            QAccessibleEvent renamed(watched, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        return QObject::eventFilter(watched, event);
    }
};

// A widget asked about before it was marked (a label announcing its first text) has Qt's
// interface in the cache; the next question makes the program's own.
void forgetInterface(QWidget* widget)
{
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(programInterface);
}

void announceAsWindow(QWidget* window)
{
    installAccessibleInterfaces();
    window->setProperty(kWindowProperty, true);
    window->installEventFilter(new ModifiedMarkRenames(window));
    forgetInterface(window);
}

void announceAsChooser(QComboBox* chooser, const QString& name)
{
    installAccessibleInterfaces();
    chooser->setAccessibleName(name);
    forgetInterface(chooser);
}

void announceWithCaption(QLabel* value, const QString& caption)
{
    installAccessibleInterfaces();
    value->setProperty(kCaptionProperty, caption);
    forgetInterface(value);
}
