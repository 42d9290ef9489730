#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal. The handler only writes a byte into a pipe; the signal is
// emitted from the event loop, where it is safe to stop threads and print. One instance per process.
class InterruptNotifier : public QObject
{
    Q_OBJECT

public:
    explicit InterruptNotifier(QObject* parent = nullptr);
    ~InterruptNotifier() override;

    // The pipe's reading end: readable once a signal has arrived (a prompt waiting for input polls it).
    int readFd() const { return m_fds[0]; }
    // A signal has arrived since the notifier was installed.
    static bool interrupted();
    // The signal that arrived last (SIGINT or SIGTERM); 0 before any.
    static int signalNumber();

signals:
    void signalInterrupted();

private slots:
    void slotReadable();

private:
    int m_fds[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};
