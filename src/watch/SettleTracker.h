#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

// Holds back files until they are complete: a file is settled when its size and modification time
// have not changed for the settle time and it can be opened for reading. The files are looked at a few
// times per settle time while any is waiting; with none waiting nothing runs.
class SettleTracker : public QObject
{
    Q_OBJECT

public:
    explicit SettleTracker(int settleMs, QObject* parent = nullptr);

    // The file (again) may be changing: its wait starts now.
    void touch(const QString& path);
    int pendingCount() const { return m_pending.size(); }
    int settleMs() const { return m_settleMs; }

signals:
    void signalSettled(const QString& path);
    // Complete but not readable: dropped until it is written again.
    void signalUnreadable(const QString& path);

private slots:
    void slotCheck();

private:
    struct Pending
    {
        qint64 size = -1;
        qint64 mtimeMs = -1;
        qint64 stableSinceMs = 0;
    };

    int m_settleMs;
    QElapsedTimer m_clock;
    QTimer m_timer;
    QHash<QString, Pending> m_pending;
};
