#include "ConsoleUpload.h"

#include "AppPaths.h"
#include "CertificateTrust.h"
#include "ConsoleProfiles.h"
#include "Diagnostics.h"
#include "FileConverter.h"
#include "FileUploader.h"
#include "InterruptNotifier.h"
#include "PasswordVault.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "RequestTimeout.h"
#include "UploadRun.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {

// Files named on the command line are uploaded like a selection handed over by the shell.
const int kUploadMode = 2;
const int kTickMs = 250;
const QString kPhotoRoot = QStringLiteral("/photo");
const int kPasses = 2;

bool isFolder(const ConversionEntry& entry)
{
    return QFileInfo(entry.value(UploadQueue::LocalPath)).isDir();
}

void printError(const QString& message)
{
    fputs((QStringLiteral("lumio-upload: ") + message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    fflush(stderr);
}

// Processor time of the child processes waited for so far: the conversion tools, the console's only
// children.
double childrenCpuSeconds()
{
    rusage usage{};
    if (getrusage(RUSAGE_CHILDREN, &usage) != 0)
        return 0;
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

ConsoleUpload::ConsoleUpload(const ConsoleOptions& options, ConsoleReport* report, QObject* parent)
    : QObject(parent), m_options(options), m_report(report), m_initRequest(&m_manager)
{
    connect(&m_login, &SecurityConfirm::signalLoginFinish, this, &ConsoleUpload::slotLoginFinish);
    connect(&m_ticker, &QTimer::timeout, this, &ConsoleUpload::slotTick);
}

ConsoleUpload::~ConsoleUpload() = default;

QString ConsoleUpload::albumOf(const QString& targetFolder) const
{
    return targetFolder.isEmpty() ? kPhotoRoot : kPhotoRoot + QLatin1Char('/') + targetFolder;
}

ConsoleReport::FileRow ConsoleUpload::rowFor(const ConversionEntry& entry,
                                             ConsoleReport::FileStatus status) const
{
    const QFileInfo info(entry.value(UploadQueue::LocalPath));
    ConsoleReport::FileRow row;
    row.path = info.absoluteFilePath();
    row.status = status;
    row.album = albumOf(entry.value(UploadQueue::TargetFolder));
    row.name = info.fileName();
    row.folder = info.isDir();
    row.size = info.isFile() ? info.size() : 0;
    if (row.folder && status == ConsoleReport::FileStatus::WouldUpload)
        row.status = ConsoleReport::FileStatus::WouldCreate;
    return row;
}

void ConsoleUpload::start()
{
    QString unknown;
    if (!ConsoleProfiles::resolveName(m_options.profile, &unknown)) {
        fail(ConsoleOptions::ExitUsage, unknown);
        return;
    }
    if (!ProfileStore::loadProfile(m_options.profile, &m_profile)) {
        fail(ConsoleOptions::ExitStore, QStringLiteral("cannot read profile \"%1\" from the profile store %2")
                                            .arg(m_options.profile, ProfileStore::databasePath()));
        return;
    }
    for (const QString& path : m_options.paths) {
        if (!QFileInfo::exists(path)) {
            fail(ConsoleOptions::ExitUsage, QStringLiteral("no such file or folder: %1").arg(path));
            return;
        }
    }
    if (m_options.verbose && !PasswordVault::isAvailable())
        printError(tx(TextId::keyring_unavailable));
    QString reason;
    if (!AppPaths::ensureRuntimeFolder(&reason)) {
        fail(ConsoleOptions::ExitFailure,
             QStringLiteral("cannot use the runtime folder %1: %2").arg(AppPaths::runtimeFolder(), reason));
        return;
    }
    m_options.applyTo(&m_profile);
    if (m_options.timeoutSeconds > 0)
        RequestTimeout::setSeconds(m_options.timeoutSeconds);
    const QString rootPrefix = kPhotoRoot + QLatin1Char('/');
    m_targetFolder =
        m_profile.serverdst.startsWith(rootPrefix) ? m_profile.serverdst.mid(rootPrefix.size()) : QString();
    // A password from the environment or the terminal stands in for the remembered one for this run
    // only; a profile that asks is never switched to remembering by it.
    m_passwordRemembered = m_profile.savepass;
    if (m_options.askPassword) {
        m_profile.savepass = false;
        m_profile.password.clear();
        m_passwordRemembered = false;
    } else if (qEnvironmentVariableIsSet("LUMIO_PASSWORD")) {
        m_profile.password = qEnvironmentVariable("LUMIO_PASSWORD");
        m_profile.savepass = true;
        m_passwordRemembered = false;
    }
    if (!m_password.isNull()) {
        m_profile.password = m_password;
        m_profile.savepass = true;
    }
    Diagnostics::addSecret(m_profile.password);

    CertificateTrust::setPreapproved(m_options.trustCertificate);
    m_login.setInformOnFailure(false);
    m_stage = Stage::LoggingIn;
    if (!m_login.prepareLogin(&m_manager, &m_profile, false, false)) {
        if (InterruptNotifier::interrupted()) {
            m_interrupted = true;
            finish();
            return;
        }
        fail(ConsoleOptions::ExitUsage, QStringLiteral("no password: the profile does not remember it, "
                                                       "LUMIO_PASSWORD is not set and there is no terminal "
                                                       "to ask on (lumio-upload profile password %1 "
                                                       "remembers one)")
                                            .arg(m_profile.profname));
        return;
    }
    // A password typed at the prompt is known from here on.
    Diagnostics::addSecret(m_profile.password);
    m_login.start();
    m_login.wait();
}

void ConsoleUpload::slotLoginFinish(bool blLoginSuccess)
{
    if (m_stage != Stage::LoggingIn)
        return;
    if (!blLoginSuccess) {
        QString message;
        const int status = ConsoleProfiles::loginFailure(m_login, m_profile, m_passwordRemembered, &message);
        m_loginResult = m_login.failure() == SecurityConfirm::Failure::Unreachable ? LoginResult::Unreachable
                                                                                   : LoginResult::Refused;
        fail(status, message);
        return;
    }
    m_loginResult = LoginResult::Succeeded;
    plan();
}

void ConsoleUpload::plan()
{
    m_stage = Stage::Planning;
    UploadPlanner::Options options;
    options.supportedOnly = m_profile.idxonly;
    options.keepFolderStructure = m_profile.keepFolderStructure;
    options.targetFolder = m_targetFolder;
    options.includes = m_options.includes;
    options.excludes = m_options.excludes;
    options.newerThan = m_options.newerThan;
    bool hasVideo = false;
    QStringList unsupported;
    QStringList filtered;
    QList<ConversionEntry> list;
    if (m_batch.isEmpty()) {
        list = UploadPlanner::buildList(m_options.paths, options, &hasVideo, &unsupported, &filtered);
    } else {
        for (const QString& root : std::as_const(m_options.paths)) {
            const QString prefix = root + QLatin1Char('/');
            QStringList below;
            for (const QString& file : std::as_const(m_batch)) {
                if (file.startsWith(prefix))
                    below.append(file);
            }
            list += UploadPlanner::buildListBelow(root, below, options, &hasVideo, &unsupported);
        }
    }
    if (!filtered.isEmpty())
        qDebug("lumio-upload: %lld files left out by --include, --exclude or --newer-than",
               static_cast<long long>(filtered.size()));
    for (const QString& path : unsupported) {
        ConsoleReport::FileRow row =
            rowFor({{UploadQueue::LocalPath, path}, {UploadQueue::TargetFolder, m_targetFolder}},
                   ConsoleReport::FileStatus::Skipped);
        row.reason = QStringLiteral("unsupported");
        row.message = QStringLiteral("not a supported photo or video type (--all-files sends it)");
        m_report->file(row);
        ++m_skipped;
    }
    // Nothing but files of other types: say so rather than asking the server about the folders.
    if (!unsupported.isEmpty() && std::all_of(list.begin(), list.end(), isFolder)) {
        m_report->clearProgress();
        Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::console_no_supported, static_cast<int>(unsupported.size())));
        finish();
        return;
    }

    bool skippedAsUploaded = false;
    QList<ConversionEntry> uploadedBefore;
    if (m_profile.incbackup)
        skippedAsUploaded = UploadPlanner::dropUploaded(
            &list, m_profile.profname,
            [this] {
                QCoreApplication::processEvents();
                return !m_interrupted;
            },
            &uploadedBefore);
    if (m_interrupted) {
        finish();
        return;
    }
    for (const ConversionEntry& entry : uploadedBefore) {
        ConsoleReport::FileRow row = rowFor(entry, ConsoleReport::FileStatus::Skipped);
        row.reason = QStringLiteral("uploaded_before");
        row.message = QStringLiteral("uploaded before with this profile");
        m_report->file(row);
        ++m_skipped;
    }

    UploadPlanner::InitReply reply;
    if (!m_initRequest.send(m_profile.baseUrl, list, &reply) || m_interrupted) {
        finish();
        return;
    }
    bool noPrivilege = false;
    QList<ConversionEntry> refused;
    QList<ConversionEntry> present;
    UploadPlanner::dropRefused(&list, reply, &noPrivilege, &skippedAsUploaded, &refused, &present);
    for (const ConversionEntry& entry : present) {
        ConsoleReport::FileRow row = rowFor(entry, ConsoleReport::FileStatus::Skipped);
        row.reason = QStringLiteral("on_server");
        row.message = QStringLiteral("the folder is on the server already");
        m_report->file(row);
        // Folders are albums, not files: only a file counts as skipped.
        if (!row.folder)
            ++m_skipped;
    }
    for (const ConversionEntry& entry : refused) {
        ConsoleReport::FileRow row = rowFor(entry, ConsoleReport::FileStatus::Refused);
        row.reason = QStringLiteral("no_privilege");
        row.message = tx(TextId::err_upd_no_privilege);
        m_report->file(row);
        m_errorRows.append({row.name, row.message});
        ++(row.folder ? m_albumFailures : m_refused);
    }

    if (m_options.dryRun) {
        reportDryRun(list, reply);
        finish();
        return;
    }
    if (list.isEmpty()) {
        TextId text = TextId::upload_zero_file;
        if (noPrivilege && !skippedAsUploaded)
            text = TextId::upload_zero_file_nopriv;
        else if (skippedAsUploaded && !noPrivilege)
            text = TextId::upload_zero_file_uploaded;
        m_report->clearProgress();
        Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_warning), tx(text));
        finish();
        return;
    }
    startUpload(list);
}

void ConsoleUpload::reportDryRun(const QList<ConversionEntry>& list, const UploadPlanner::InitReply& reply)
{
    // Names as the converters will give them; a scratch queue keeps track of the names taken.
    UploadQueue names;
    for (const ConversionEntry& entry : list) {
        ConsoleReport::FileRow row = rowFor(entry, ConsoleReport::FileStatus::WouldUpload);
        if (!row.folder) {
            const QFileInfo info(row.path);
            row.name = FileConverter::uniqueServerName(
                &names, FileConverter::serverBaseName(row.path, m_profile.daterename), info.suffix());
            if (reply.duplicated.contains(UploadPlanner::itemKey(entry))) {
                row.reason = QStringLiteral("on_server");
                row.message = QStringLiteral("a file of this name is on the server; duplicates: %1")
                                  .arg(m_profile.duphandler.toLower());
            }
        }
        m_report->file(row);
    }
    m_albums = static_cast<int>(std::count_if(list.begin(), list.end(), isFolder));
    m_listed = static_cast<int>(list.size()) - m_albums;
}

void ConsoleUpload::startUpload(const QList<ConversionEntry>& list)
{
    if (!AppPaths::prepareTempRootFolder()) {
        fail(ConsoleOptions::ExitFailure,
             QStringLiteral("cannot prepare the work folder %1").arg(AppPaths::defaultTempRootFolder()));
        return;
    }
    m_queue.setConversionList(list);
    m_queue.setTotal(list.size());
    m_listed = static_cast<int>(std::count_if(list.begin(), list.end(),
                                              [](const ConversionEntry& entry) { return !isFolder(entry); }));
    m_run = std::make_unique<UploadRun>(&m_queue, &m_manager, &m_profile, kUploadMode, nullptr,
                                        UploadRun::converterCountFor(QThread::idealThreadCount()));
    for (const auto& converter : m_run->converters()) {
        connect(converter.get(), &FileConverter::signalCompleteProgressChanged, this,
                &ConsoleUpload::slotCompleteProgress);
        connect(converter.get(), &FileConverter::signalConversionStarted, this,
                &ConsoleUpload::slotConversionStarted);
    }
    FileUploader* uploader = m_run->uploader();
    if (m_options.retries >= 0)
        uploader->setResendLimit(m_options.retries);
    uploader->setBandwidthLimit(m_options.bandwidthLimit);
    connect(uploader, &FileUploader::signalCompleteProgressChanged, this,
            &ConsoleUpload::slotCompleteProgress);
    connect(uploader, &FileUploader::signalItemStarted, this, &ConsoleUpload::slotItemStarted);
    connect(uploader, &FileUploader::signalFileFinished, this, &ConsoleUpload::slotFileFinished);
    connect(uploader, &FileUploader::signalConnectionSessionLost, this,
            &ConsoleUpload::slotConnectionSessionLost);
    connect(uploader, &FileUploader::signalUploadFinished, this, &ConsoleUpload::slotUploadFinished);

    m_report->title(tx(TextId::upload_prog_title).arg(m_profile.profname));
    m_stage = Stage::Uploading;
    m_clock.start();
    if (m_report->isLive()) {
        slotTick();
        m_ticker.start(kTickMs);
    }
    m_run->start();
}

void ConsoleUpload::slotItemStarted(const QString& serverName, const QString& sourcePath)
{
    const QString fileName = QFileInfo(sourcePath).fileName();
    m_current = fileName == serverName ? tx(TextId::upload_prog_uploading).arg(fileName)
                                       : tx(TextId::upload_prog_uploading_as).arg(fileName, serverName);
}

void ConsoleUpload::slotConversionStarted(const QString& fileName, int quality, int pass)
{
    if (quality < 0)
        m_current = tx(TextId::upload_prog_converting).arg(fileName);
    else
        m_current = tx(TextId::upload_prog_converting_pass)
                        .arg(fileName, FileConverter::qualityName(quality), QString::number(pass),
                             QString::number(kPasses));
}

void ConsoleUpload::slotCompleteProgress(int percent)
{
    m_percent = qMax(m_percent, percent);
}

void ConsoleUpload::slotFileFinished(const UploadOutcome& outcome)
{
    ConsoleReport::FileRow row;
    row.path = outcome.localPath;
    row.album = albumOf(outcome.targetFolder);
    row.name = outcome.serverName;
    row.folder = outcome.isFolder;
    row.size = outcome.size;
    if (outcome.success && outcome.isFolder) {
        row.status = ConsoleReport::FileStatus::Created;
        ++m_albums;
    } else if (outcome.success) {
        row.status = ConsoleReport::FileStatus::Uploaded;
        row.warning = outcome.warning;
        ++m_uploaded;
        if (!outcome.recordError.isEmpty()) {
            // Uploaded, but the next run would not know it: the run must not look clean.
            row.reason = QStringLiteral("not_recorded");
            row.message = outcome.recordError;
            ++m_unrecorded;
            m_report->clearProgress();
            printError(QStringLiteral("warning: %1: %2").arg(outcome.localPath, outcome.recordError));
        }
    } else if (outcome.errorKey == QLatin1String("duplicated_file")) {
        // The server kept its own file as the duplicate handling asked: skipped as uploaded.
        row.status = ConsoleReport::FileStatus::Skipped;
        row.reason = outcome.errorKey;
        row.message = outcome.errorText;
        ++m_duplicateSkips;
    } else {
        row.status = ConsoleReport::FileStatus::Failed;
        row.reason = outcome.errorKey;
        row.message = outcome.errorText;
        ++(outcome.isFolder ? m_albumFailures : m_failed);
        if (!outcome.isFolder)
            m_failedPaths.append(outcome.localPath);
    }
    m_report->file(row);
}

void ConsoleUpload::slotConnectionSessionLost()
{
    m_sessionLost = true;
    m_report->clearProgress();
    Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_error), tx(TextId::err_session_lost));
}

void ConsoleUpload::slotTick()
{
    if (!m_run)
        return;
    const FileUploader* uploader = m_run->uploader();
    m_estimate.addSample(m_clock.elapsed(), uploader->bytesSent(), m_percent);
    ConsoleReport::Progress progress;
    progress.done = m_uploaded + m_failed + m_duplicateSkips;
    progress.total = m_listed;
    progress.bytes = uploader->sourceBytesSent();
    progress.totalBytes = m_queue.totalBytes();
    progress.bytesPerSecond = m_estimate.bytesPerSecond();
    progress.etaSeconds = m_estimate.secondsLeft();
    progress.current = m_current;
    m_report->progress(progress);
}

void ConsoleUpload::slotUploadFinished()
{
    if (m_stage != Stage::Uploading)
        return;
    m_run->stopAndWait();
    ProfileStore::incrementUsageCounter(m_profile.profname);
    AppPaths::removeWorkFiles();
    finish();
}

void ConsoleUpload::slotInterrupt()
{
    if (m_interrupted || m_stage == Stage::Done)
        return;
    m_interrupted = true;
    m_report->clearProgress();
    printError(QStringLiteral("cancelling"));
    switch (m_stage) {
    case Stage::Idle:
    case Stage::LoggingIn:
        finish();
        break;
    case Stage::Planning:
        // The planning sees the flag once its wait or its check of a file ends.
        if (m_initRequest.isWaiting())
            m_initRequest.cancel();
        break;
    case Stage::Uploading:
        m_run->stop();
        break;
    case Stage::Done:
        break;
    }
}

void ConsoleUpload::fail(int status, const QString& message)
{
    m_status = status;
    m_error = message;
    printError(message);
    finish();
}

int ConsoleUpload::exitStatus() const
{
    if (!m_error.isEmpty())
        return m_status;
    if (m_interrupted)
        return ConsoleOptions::interruptStatus(InterruptNotifier::signalNumber());
    if (m_sessionLost || m_failed > 0 || m_albumFailures > 0 || m_refused > 0 || m_unrecorded > 0)
        return ConsoleOptions::ExitFailure;
    // Every file handed to the workers must have come back with an outcome.
    if (!m_options.dryRun && m_uploaded + m_failed + m_duplicateSkips < m_listed)
        return ConsoleOptions::ExitFailure;
    return ConsoleOptions::ExitSuccess;
}

void ConsoleUpload::finish()
{
    if (m_stage == Stage::Done)
        return;
    const bool loggedIn = m_stage == Stage::Planning || m_stage == Stage::Uploading;
    m_stage = Stage::Done;
    m_ticker.stop();
    if (m_run)
        m_run->stopAndWait();
    if (loggedIn && m_options.saveOptions && !m_options.dryRun)
        ProfileStore::saveUploadOptions(m_profile);

    ConsoleReport::Summary summary;
    summary.profile = m_profile.profname.isEmpty() ? m_options.profile : m_profile.profname;
    summary.album = m_profile.serverdst;
    summary.total = m_listed;
    summary.uploaded = m_uploaded;
    summary.failed = m_failed;
    summary.albums = m_albums;
    summary.skipped = m_skipped + m_duplicateSkips;
    summary.refused = m_refused;
    summary.bytes = m_run ? m_run->uploader()->bytesSent() : 0;
    summary.seconds = m_clock.isValid() ? static_cast<int>(m_clock.elapsed() / 1000) : 0;
    summary.dryRun = m_options.dryRun;
    summary.cancelled = m_interrupted;
    summary.sessionLost = m_sessionLost;
    summary.error = m_error;
    summary.errorRows = m_errorRows + m_queue.failures();
    summary.warningRows = m_queue.warnings();
    if (m_run) {
        summary.timed = true;
        summary.timing = m_run->timing();
        summary.toolsCpuSeconds = childrenCpuSeconds();
        qDebug("Time: converting %.2f s, uploading %.2f s, waiting for a converter %.2f s, waiting for the "
               "uploader %.2f s, conversion tools' processor time %.2f s",
               summary.timing.converting, summary.timing.uploading, summary.timing.waitingForConverter,
               summary.timing.waitingForUploader, summary.toolsCpuSeconds);
    }
    const int status = exitStatus();
    summary.exitStatus = status;
    m_report->summary(summary);
    m_summary = summary;
    QMetaObject::invokeMethod(
        this, [this, status] { emit signalFinished(status); }, Qt::QueuedConnection);
}
