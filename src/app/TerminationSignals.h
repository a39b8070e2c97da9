#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGHUP reach the program as a Qt signal on its own thread: the handler only
// writes the signal's number into a pipe, which a QSocketNotifier watches. One at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // The signal that asked the program to end; 0 when none did.
    int received() const { return m_received; }
    // Ends the process as the signal received asks, once the program has done what it must;
    // returns when none was received.
    void endAsAsked() const;

signals:
    void endRequested();

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
    int m_received = 0;
};
