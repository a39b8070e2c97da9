#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

// Input that the customer gives while long work runs, before its progress dialog shows: it
// is kept, not lost to the dialog's modality, and handed on in its order once the work has
// ended. Input to the progress dialog itself stays its own (Esc cancels).
class KeptInput : public QObject
{
public:
    KeptInput();
    ~KeptInput() override;

    // Input to this window and its children passes untouched.
    void letThrough(QObject* window) { m_ownWindow = window; }
    // Hands the kept input on, after what is queued now has been handled.
    void replayLater();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Kept
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    bool isOwn(QObject* watched) const;

    QPointer<QObject> m_ownWindow;
    std::vector<Kept> m_kept;
};
