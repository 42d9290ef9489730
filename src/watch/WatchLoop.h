#pragma once

#include "FolderWatcher.h"
#include "SettleTracker.h"
#include "WatchBackoff.h"
#include "WatchState.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Keeps folder trees uploaded: watches them, lets new files settle, gathers a burst into one run and
// asks the owner to carry the run out (signalRunDue), one run at a time. After a run it learns how it
// went: an unreachable server or a lost session puts the files back and the next try waits a pause
// that grows to a few minutes; a refused login ends the watch. The status file follows every change.
class WatchLoop : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        int settleMs = 10000;
        // Quiet time after the last settled file before a run starts, so a burst becomes one run.
        int gatherMs = 1000;
        // A steady trickle of files still gets a run this often.
        int longestGatherMs = 60000;
        int firstPauseMs = 5000;
        int longestPauseMs = 300000;
        int rescanMs = 60000;
        int watchCap = 0;
        // Runs that may fail a file while the server answers before it waits for its next change.
        int triesPerFile = 3;
    };

    enum class RunResult
    {
        Done,
        Unreachable,
        SessionLost,
        Refused
    };

    WatchLoop(const QStringList& roots, const Settings& settings, QObject* parent = nullptr);

    // Watches the roots and asks for the first run over all of them. False when inotify is missing.
    bool start(QString* error);
    // Stops watching and asking for runs; the status file says stopped.
    void stop();
    // The owner's answer to signalRunDue. failed: files the run could not send although the server
    // answered.
    void runEnded(RunResult result, const QStringList& failed = {});
    bool isRunning() const { return m_running; }
    int backlog() const { return m_ready.size() + m_settle.pendingCount(); }
    const FolderWatcher& watcher() const { return m_watcher; }

    // Status file; empty for none. Rewritten on each change.
    void setStatePath(const QString& path) { m_statePath = path; }
    const WatchState& state() const { return m_state; }
    void setLastRunResult(const QString& text);
    void setLastError(const QString& text);
    void setUploadingCount(int count);

signals:
    // files: the settled files of this run; empty for a run over the whole roots.
    void signalRunDue(const QStringList& files);
    void signalNotice(FolderWatcher::Notice notice, const QString& path);
    void signalWatchLimitReached(int watches);
    void signalUnreadable(const QString& path);
    // A pause before the next try (after an unreachable server or failed files).
    void signalPausing(int ms);

private slots:
    void slotSettled(const QString& path);
    void slotMaybeRun();

private:
    void armGather();
    void pauseThenRun();
    void writeState();

    Settings m_settings;
    QStringList m_roots;
    FolderWatcher m_watcher;
    SettleTracker m_settle;
    WatchBackoff m_backoff;
    QTimer m_gather;
    QTimer m_pause;
    // A burst changes the backlog many times a second; the file follows at most once a second.
    QTimer m_stateWrite;
    QElapsedTimer m_readySince;
    QSet<QString> m_ready;
    QStringList m_batch;
    QHash<QString, int> m_failures;
    bool m_fullScanDue = true;
    bool m_batchIsFull = false;
    bool m_running = false;
    bool m_stopped = false;
    QString m_statePath;
    WatchState m_state;
};
