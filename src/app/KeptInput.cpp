#include "KeptInput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// Exported by QtGui for synthetic key input: tries the key as a shortcut (a button's
// mnemonic), as a key from the window system would be. True when a shortcut took it.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

// How long the kept input waits for its window to be active again.
constexpr int kActivationWaitMs = 500;

QWindow* windowOf(QObject* receiver)
{
    if (auto* window = qobject_cast<QWindow*>(receiver))
        return window;
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window()->windowHandle();
    return nullptr;
}

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
    const auto replayAll = [kept] {
        for (Kept& input : *kept) {
            if (input.receiver)
                replay(input.receiver, input.event.get());
        }
        kept->clear();
    };
    // The input was given to a window that the progress dialog may have deactivated; its
    // shortcuts answer only once it is active again.
    QWindow* window = windowOf(kept->front().receiver);
    if (!window || window == QGuiApplication::focusWindow() || !window->isVisible()) {
        QMetaObject::invokeMethod(qApp, replayAll, Qt::QueuedConnection);
        return;
    }
    auto waiting = std::make_shared<QMetaObject::Connection>();
    const auto once = [replayAll, waiting] {
        if (!*waiting)
            return;
        QObject::disconnect(*waiting);
        *waiting = {};
        replayAll();
    };
    *waiting = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                                [window = QPointer<QWindow>(window), once](QWindow* focus) {
                                    if (focus == window)
                                        once();
                                });
    QTimer::singleShot(kActivationWaitMs, qApp, once);
    window->requestActivate();
}
