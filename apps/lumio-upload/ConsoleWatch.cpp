#include "ConsoleWatch.h"

#include "AppPaths.h"
#include "CertificateTrust.h"
#include "ConsoleUpload.h"
#include "FileTypes.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "ServerProfile.h"
#include "SingleInstanceLock.h"
#include "UploadPlanner.h"
#include "VexaLocale.h"
#include "WatchState.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

namespace {

void say(const QString& message)
{
    const QString stamp = QDateTime::currentDateTime().toString(Qt::ISODate);
    fputs((QStringLiteral("lumio-upload: %1 %2\n").arg(stamp, message)).toLocal8Bit().constData(), stderr);
    fflush(stderr);
}

// Tests and the benchmark shorten the watcher's pauses; a user has no need to.
int tuning(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

} // namespace

ConsoleWatch::ConsoleWatch(const ConsoleOptions& options, ConsoleReport* report, QObject* parent)
    : QObject(parent), m_options(options), m_report(report)
{
}

ConsoleWatch::~ConsoleWatch() = default;

WatchLoop::Settings ConsoleWatch::settingsFor(const ConsoleOptions& options)
{
    WatchLoop::Settings settings;
    settings.settleMs = options.settleSeconds * 1000;
    settings.firstPauseMs = tuning("LUMIO_WATCH_FIRST_PAUSE_MS", settings.firstPauseMs);
    settings.longestPauseMs = tuning("LUMIO_WATCH_LONGEST_PAUSE_MS", settings.longestPauseMs);
    settings.rescanMs = tuning("LUMIO_WATCH_RESCAN_MS", settings.rescanMs);
    settings.watchCap = tuning("LUMIO_WATCH_CAP", 0);
    return settings;
}

void ConsoleWatch::start()
{
    for (const QString& path : std::as_const(m_options.paths)) {
        const QFileInfo info(path);
        if (!info.exists()) {
            finish(ConsoleOptions::ExitUsage, QStringLiteral("no such folder: %1").arg(path));
            return;
        }
        if (info.isSymLink() || !info.isDir()) {
            finish(ConsoleOptions::ExitUsage,
                   QStringLiteral("--watch takes folders (symbolic links are not followed): %1").arg(path));
            return;
        }
        if (!info.isReadable() || !info.isExecutable()) {
            finish(ConsoleOptions::ExitUsage, QStringLiteral("the folder cannot be read: %1").arg(path));
            return;
        }
    }
    ServerProfile profile;
    if (!ProfileStore::loadProfile(m_options.profile, &profile)) {
        finish(ConsoleOptions::ExitUsage,
               QStringLiteral("no profile named \"%1\" (see lumio-upload --list-profiles)")
                   .arg(m_options.profile));
        return;
    }
    QString reason;
    if (!AppPaths::ensureRuntimeFolder(&reason)) {
        finish(ConsoleOptions::ExitFailure,
               QStringLiteral("cannot use the runtime folder %1: %2").arg(AppPaths::runtimeFolder(), reason));
        return;
    }
    const QString lockPath = AppPaths::runtimeFolder() + QStringLiteral("/watch-") +
                             WatchState::fileNamePart(m_options.profile) + QStringLiteral(".lock");
    m_lock = std::make_unique<SingleInstanceLock>(lockPath);
    if (!m_lock->tryLock()) {
        finish(ConsoleOptions::ExitFailure,
               QStringLiteral("another watcher of profile \"%1\" is running (%2)")
                   .arg(m_options.profile, m_lock->errorString()));
        return;
    }
    // Every run logs in again, so a password that is not remembered is asked once, here.
    if (!profile.savepass && !qEnvironmentVariableIsSet("LUMIO_PASSWORD")) {
        QString typed;
        if (!Prompter::instance()->askText(nullptr, VexaLocale::applicationTitle(),
                                           tx(TextId::msg_enter_pass).arg(profile.account), true,
                                           tx(TextId::btn_ok), tx(TextId::btn_cancel), &typed)) {
            finish(ConsoleOptions::ExitUsage,
                   QStringLiteral("no password: the profile does not remember it, LUMIO_PASSWORD is not set "
                                  "and there is no terminal to ask on"));
            return;
        }
        m_password = typed;
    }

    m_loop = std::make_unique<WatchLoop>(m_options.paths, settingsFor(m_options));
    m_loop->setStatePath(WatchState::pathFor(m_options.profile));
    connect(m_loop.get(), &WatchLoop::signalRunDue, this, &ConsoleWatch::slotRunDue);
    connect(m_loop.get(), &WatchLoop::signalNotice, this, &ConsoleWatch::slotNotice);
    connect(m_loop.get(), &WatchLoop::signalWatchLimitReached, this, &ConsoleWatch::slotWatchLimitReached);
    connect(m_loop.get(), &WatchLoop::signalUnreadable, this, &ConsoleWatch::slotUnreadable);
    connect(m_loop.get(), &WatchLoop::signalPausing, this, &ConsoleWatch::slotPausing);
    QString error;
    if (!m_loop->start(&error)) {
        finish(ConsoleOptions::ExitFailure, error);
        return;
    }
    say(QStringLiteral("watching %1 folders of profile \"%2\" (%3 with a watch, %4 rescanned)")
            .arg(m_options.paths.size())
            .arg(m_options.profile)
            .arg(m_loop->watcher().watchedFolderCount())
            .arg(m_loop->watcher().unwatchedFolderCount()));
}

QStringList ConsoleWatch::stillToSend(const QStringList& files) const
{
    QList<ConversionEntry> list;
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (!info.isFile())
            continue;
        if (!m_options.supportedOnly.value_or(true) ||
            FileTypes::uploadClass(info.suffix()) != FileTypes::UploadUnsupported)
            list.append({{UploadQueue::LocalPath, path}});
    }
    // Files already sent (moved within the folders, or sent by the run before) drop out here.
    UploadPlanner::dropUploaded(&list, m_options.profile);
    QStringList remaining;
    for (const ConversionEntry& entry : std::as_const(list))
        remaining.append(entry.value(UploadQueue::LocalPath));
    return remaining;
}

void ConsoleWatch::slotRunDue(const QStringList& files)
{
    QStringList batch;
    if (!files.isEmpty()) {
        batch = stillToSend(files);
        if (batch.isEmpty()) {
            QMetaObject::invokeMethod(
                this, [this] { m_loop->runEnded(WatchLoop::RunResult::Done); }, Qt::QueuedConnection);
            return;
        }
        m_loop->setUploadingCount(batch.size());
        say(QStringLiteral("%1 new or changed files to upload").arg(batch.size()));
    } else {
        say(QStringLiteral("uploading what is not uploaded yet"));
    }
    // A watched folder that has gone is reported already; the run covers the others.
    ConsoleOptions options = m_options;
    options.paths.clear();
    for (const QString& root : std::as_const(m_options.paths)) {
        if (QFileInfo(root).isDir())
            options.paths.append(root);
    }
    m_upload = std::make_unique<ConsoleUpload>(options, m_report);
    if (!m_password.isNull())
        m_upload->setPassword(m_password);
    m_upload->setBatch(batch);
    connect(m_upload.get(), &ConsoleUpload::signalFinished, this, &ConsoleWatch::slotRunFinished);
    m_upload->start();
}

void ConsoleWatch::slotRunFinished()
{
    const ConsoleReport::Summary summary = m_upload->summary();
    const ConsoleUpload::LoginResult login = m_upload->loginResult();
    const bool sessionLost = m_upload->sessionLost();
    const QStringList failed = m_upload->failedPaths();
    // The run is over (its workers stopped in its finish()); it goes once its signal has returned.
    m_upload.release()->deleteLater();

    if (login == ConsoleUpload::LoginResult::Refused) {
        m_loop->setLastError(summary.error);
        m_loop->runEnded(WatchLoop::RunResult::Refused);
        // A certificate in doubt needs the user as much as a wrong password; neither is tried again.
        const bool certificate =
            CertificateTrust::lastRefusal().outcome != CertificateTrust::Outcome::Trusted;
        finish(certificate ? ConsoleOptions::ExitUnreachable : ConsoleOptions::ExitLoginRefused,
               QStringLiteral("the login of profile \"%1\" failed: the watch stops").arg(m_options.profile));
        return;
    }
    if (m_interrupted) {
        finish(ConsoleOptions::ExitSuccess);
        return;
    }
    if (login == ConsoleUpload::LoginResult::Unreachable) {
        m_loop->setLastError(summary.error);
        m_loop->runEnded(WatchLoop::RunResult::Unreachable);
        return;
    }
    if (login != ConsoleUpload::LoginResult::Succeeded) {
        // Stopped before the login (the work folder or the runtime folder was refused).
        m_loop->setLastError(summary.error);
        finish(summary.exitStatus, QStringLiteral("the watch stops"));
        return;
    }
    m_loop->setLastRunResult(QStringLiteral("%1 uploaded, %2 failed, %3 skipped in %4 s")
                                 .arg(summary.uploaded)
                                 .arg(summary.failed)
                                 .arg(summary.skipped)
                                 .arg(summary.seconds));
    if (sessionLost) {
        m_loop->setLastError(tx(TextId::err_session_lost));
        m_loop->runEnded(WatchLoop::RunResult::SessionLost);
        return;
    }
    if (!failed.isEmpty())
        m_loop->setLastError(QStringLiteral("%1 files failed").arg(failed.size()));
    m_loop->runEnded(WatchLoop::RunResult::Done, failed);
}

void ConsoleWatch::slotNotice(FolderWatcher::Notice notice, const QString& path)
{
    switch (notice) {
    case FolderWatcher::Notice::SymlinkSkipped:
        say(QStringLiteral("symbolic link not followed: %1").arg(path));
        break;
    case FolderWatcher::Notice::FolderUnreadable:
        say(QStringLiteral("folder cannot be read, not watched: %1").arg(path));
        break;
    case FolderWatcher::Notice::EventsLost:
        say(QStringLiteral("the kernel dropped file events: looking at every file again"));
        break;
    case FolderWatcher::Notice::FolderGone:
        ++m_goneRoots;
        m_loop->setLastError(QStringLiteral("watched folder gone: %1").arg(path));
        if (m_goneRoots >= m_options.paths.size()) {
            finish(ConsoleOptions::ExitFailure,
                   QStringLiteral("watched folder gone: %1; no watched folder is left").arg(path));
            return;
        }
        say(QStringLiteral("watched folder gone: %1 (the others are still watched)").arg(path));
        break;
    }
}

void ConsoleWatch::slotWatchLimitReached(int watches)
{
    say(QStringLiteral(
            "the per-user inotify watch limit (%1, in %2) is reached after %3 folders: the "
            "other folders are rescanned every %4 s. Raise it with: sysctl fs.inotify.max_user_watches=N")
            .arg(FolderWatcher::kernelWatchLimit())
            .arg(FolderWatcher::kernelWatchLimitFile())
            .arg(watches)
            .arg(settingsFor(m_options).rescanMs / 1000));
}

void ConsoleWatch::slotUnreadable(const QString& path)
{
    say(QStringLiteral("cannot be read, skipped until it changes: %1").arg(path));
}

void ConsoleWatch::slotPausing(int ms)
{
    say(QStringLiteral("next try in %1 s").arg((ms + 999) / 1000));
}

void ConsoleWatch::slotInterrupt()
{
    if (m_interrupted || m_finished)
        return;
    m_interrupted = true;
    if (m_upload) {
        // The run removes its work files and records only what the server confirmed; its end
        // finishes the watch.
        m_upload->slotInterrupt();
        return;
    }
    finish(ConsoleOptions::ExitSuccess);
}

void ConsoleWatch::finish(int status, const QString& message)
{
    if (m_finished)
        return;
    m_finished = true;
    if (!message.isEmpty())
        say(message);
    if (m_loop)
        m_loop->stop();
    QMetaObject::invokeMethod(
        this, [this, status] { emit signalFinished(status); }, Qt::QueuedConnection);
}
