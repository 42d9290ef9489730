#include "WatchLoop.h"

#include <QCoreApplication>
#include <QFileInfo>

WatchLoop::WatchLoop(const QStringList& roots, const Settings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_roots(roots), m_settle(settings.settleMs),
      m_backoff(settings.firstPauseMs, settings.longestPauseMs)
{
    m_watcher.setWatchCap(settings.watchCap);
    m_watcher.setRescanInterval(settings.rescanMs);
    connect(&m_watcher, &FolderWatcher::signalFileTouched, &m_settle, &SettleTracker::touch);
    connect(&m_watcher, &FolderWatcher::signalNotice, this, &WatchLoop::signalNotice);
    connect(&m_watcher, &FolderWatcher::signalWatchLimitReached, this, &WatchLoop::signalWatchLimitReached);
    connect(&m_settle, &SettleTracker::signalSettled, this, &WatchLoop::slotSettled);
    connect(&m_settle, &SettleTracker::signalUnreadable, this, &WatchLoop::signalUnreadable);
    m_gather.setSingleShot(true);
    m_gather.setInterval(qMax(0, settings.gatherMs));
    connect(&m_gather, &QTimer::timeout, this, &WatchLoop::slotMaybeRun);
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &WatchLoop::slotMaybeRun);
    m_stateWrite.setSingleShot(true);
    m_stateWrite.setInterval(1000);
    connect(&m_stateWrite, &QTimer::timeout, this, &WatchLoop::writeState);
    m_state.pid = QCoreApplication::applicationPid();
}

bool WatchLoop::start(QString* error)
{
    if (!m_watcher.isValid()) {
        *error = QStringLiteral("cannot watch folders (inotify): %1").arg(m_watcher.errorString());
        return false;
    }
    for (const QString& root : std::as_const(m_roots))
        m_watcher.addRoot(root);
    writeState();
    QMetaObject::invokeMethod(this, &WatchLoop::slotMaybeRun, Qt::QueuedConnection);
    return true;
}

void WatchLoop::stop()
{
    m_stopped = true;
    m_gather.stop();
    m_pause.stop();
    m_state.activity = WatchState::Activity::Stopped;
    m_state.uploading = 0;
    writeState();
}

void WatchLoop::slotSettled(const QString& path)
{
    if (m_ready.isEmpty())
        m_readySince.start();
    m_ready.insert(path);
    // A file written again is a new file: its failures so far no longer count.
    m_failures.remove(path);
    armGather();
    if (!m_stateWrite.isActive())
        m_stateWrite.start();
}

void WatchLoop::armGather()
{
    if (!m_running && !m_pause.isActive())
        m_gather.start();
}

void WatchLoop::slotMaybeRun()
{
    if (m_stopped || m_running || m_pause.isActive())
        return;
    if (!m_fullScanDue) {
        if (m_ready.isEmpty())
            return;
        // Files still settling belong to the same burst, unless the burst has gone on too long.
        const bool gathering = m_settle.pendingCount() > 0 || m_gather.isActive();
        if (gathering && m_readySince.elapsed() < m_settings.longestGatherMs) {
            if (!m_gather.isActive())
                m_gather.start();
            return;
        }
    }
    m_gather.stop();
    m_running = true;
    m_batchIsFull = m_fullScanDue;
    m_fullScanDue = false;
    m_batch.clear();
    if (!m_batchIsFull) {
        m_batch = QStringList(m_ready.begin(), m_ready.end());
        m_batch.sort();
        m_ready.clear();
    }
    m_state.activity = WatchState::Activity::Uploading;
    m_state.uploading = m_batch.size();
    writeState();
    emit signalRunDue(m_batch);
}

void WatchLoop::runEnded(RunResult result, const QStringList& failed)
{
    if (!m_running)
        return;
    m_running = false;
    m_state.uploading = 0;
    if (result == RunResult::Refused) {
        stop();
        return;
    }
    if (result == RunResult::Done) {
        m_backoff.reset();
        m_state.unreachableSince = QDateTime();
        m_state.activity = WatchState::Activity::Watching;
        bool again = false;
        for (const QString& path : failed) {
            const int failures = m_failures.value(path) + 1;
            m_failures.insert(path, failures);
            if (failures < m_settings.triesPerFile && QFileInfo::exists(path)) {
                m_ready.insert(path);
                again = true;
            }
        }
        if (again)
            pauseThenRun();
        else if (!m_ready.isEmpty())
            armGather();
        writeState();
        return;
    }
    // Nothing of the batch is lost: whatever was sent is recorded and drops out of the next run.
    if (m_batchIsFull)
        m_fullScanDue = true;
    for (const QString& path : std::as_const(m_batch))
        m_ready.insert(path);
    if (result == RunResult::Unreachable) {
        m_state.activity = WatchState::Activity::Unreachable;
        if (!m_state.unreachableSince.isValid())
            m_state.unreachableSince = QDateTime::currentDateTimeUtc();
    } else {
        m_state.activity = WatchState::Activity::Watching;
    }
    pauseThenRun();
    writeState();
}

void WatchLoop::pauseThenRun()
{
    if (m_ready.isEmpty() && !m_fullScanDue)
        return;
    m_readySince.start();
    const int pause = m_backoff.nextPauseMs();
    emit signalPausing(pause);
    m_pause.start(pause);
}

void WatchLoop::setLastRunResult(const QString& text)
{
    m_state.lastRun = QDateTime::currentDateTimeUtc();
    m_state.lastRunResult = text;
    writeState();
}

void WatchLoop::setLastError(const QString& text)
{
    m_state.lastError = text;
    writeState();
}

void WatchLoop::setUploadingCount(int count)
{
    m_state.uploading = count;
    writeState();
}

void WatchLoop::writeState()
{
    m_stateWrite.stop();
    if (m_statePath.isEmpty())
        return;
    m_state.backlog = backlog();
    m_state.write(m_statePath);
}
