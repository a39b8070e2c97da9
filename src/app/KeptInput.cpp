#include "KeptInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

// Exported by QtGui for synthetic key input: tries the key as a shortcut (a button's
// mnemonic), as a key from the window system would be. True when a shortcut took it.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

// The key goes first to the shortcuts, as it would have when it was typed.
void replay(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        QObject* focus = receiver;
        if (auto* window = qobject_cast<QWindow*>(receiver); window && window->focusObject())
            focus = window->focusObject();
        if (qt_sendShortcutOverrideEvent(focus, key->timestamp(), key->key(), key->modifiers(),
                                         key->text(), key->isAutoRepeat(), key->count()))
            return;
    }
    QCoreApplication::sendEvent(receiver, event);
}

} // namespace

KeptInput::KeptInput()
{
    qApp->installEventFilter(this);
}

KeptInput::~KeptInput()
{
    qApp->removeEventFilter(this);
}

bool KeptInput::isOwn(QObject* watched) const
{
    if (!m_ownWindow)
        return false;
    if (auto* widget = qobject_cast<QWidget*>(watched))
        return widget->window() == m_ownWindow;
    if (auto* window = qobject_cast<QWindow*>(watched)) {
        auto* own = qobject_cast<QWidget*>(m_ownWindow.data());
        return own && own->windowHandle() == window;
    }
    return false;
}

bool KeptInput::eventFilter(QObject* watched, QEvent* event)
{
    if (isOwn(watched))
        return false;
    // A key is offered to the shortcuts first; taken here, it comes back as a key press.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!isInput(event->type()))
        return false;
    m_kept.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

void KeptInput::replayLater()
{
    qApp->removeEventFilter(this);
    if (m_kept.empty())
        return;
    auto kept = std::make_shared<std::vector<Kept>>(std::move(m_kept));
    QMetaObject::invokeMethod(
        qApp,
        [kept] {
            for (Kept& input : *kept) {
                if (input.receiver)
                    replay(input.receiver, input.event.get());
            }
        },
        Qt::QueuedConnection);
}
