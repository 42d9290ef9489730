#include "FileUploader.h"

#include "AppPaths.h"
#include "BandwidthLimit.h"
#include "CertificateTrust.h"
#include "HttpConnection.h"
#include "ProfileStore.h"
#include "RequestHeaders.h"
#include "RequestTimeout.h"
#include "ServerProfile.h"
#include "ServerReply.h"
#include "UploadBody.h"
#include "UploadPlanner.h"
#include "UploadRun.h"
#include "VexaLocale.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace {

const int kPollMs = 100;
const int kFirstResendDelayMs = 1000;
const int kLongestResendDelayMs = 30000;

bool isTrue(const UploadItem& item, int key)
{
    return item.value(key) == QLatin1String("true");
}

// No whole answer came: the connection failed, was cut, timed out or was cancelled. A reply whose
// head arrived before its connection broke counts here too, whatever status the head named.
bool isTransportFailure(const QNetworkReply* reply)
{
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError)
        return false;
    return error < QNetworkReply::ContentAccessDenied ||
           reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 0;
}

// Whatever the status, a reply that says the session is gone ends the run.
bool saysSessionLost(const QByteArray& body)
{
    return body.contains("session_lost");
}

} // namespace

FileUploader::FileUploader(UploadQueue* queue, QNetworkAccessManager* manager, const ServerProfile* profile,
                           int mode, const DeviceImportMap* deviceMap, QObject* parent)
    : QThread(parent), m_mode(mode), m_profile(profile), m_baseUrl(profile->baseUrl),
      m_profileName(profile->profname), m_duplicateHandling(profile->duphandler.toUtf8()), m_queue(queue),
      m_deviceMap(deviceMap)
{
    if (manager && manager->cookieJar())
        m_cookies = manager->cookieJar()->cookiesForUrl(QUrl(m_baseUrl));
}

FileUploader::~FileUploader()
{
    stop();
    wait();
}

void FileUploader::setBandwidthLimit(qint64 bytesPerSecond)
{
    if (bytesPerSecond > 0)
        m_bandwidthLimit = std::make_unique<BandwidthLimit>(bytesPerSecond);
    else
        m_bandwidthLimit.reset();
}

void FileUploader::stop()
{
    m_stop.store(true);
}

int FileUploader::resendDelayMs(int attempt)
{
    // A single lost connection is usually a passing glitch: the first resend goes at once.
    if (attempt <= 1)
        return 0;
    qint64 delay = kFirstResendDelayMs;
    for (int i = 2; i < attempt && delay < kLongestResendDelayMs; ++i)
        delay *= 2;
    return static_cast<int>(qMin<qint64>(delay, kLongestResendDelayMs));
}

void FileUploader::run()
{
    // One connection for the whole run, kept alive between items (no new handshake per file), with
    // each body going from the file straight to the socket. It lives and dies in this thread.
    HttpConnection connection;
    m_connection = &connection;
    QElapsedTimer clock;
    clock.start();
    while (!m_stop.load()) {
        const bool ready = m_queue->waitForItem(kPollMs);
        m_waitingNs.fetch_add(clock.nsecsElapsed());
        clock.restart();
        if (!ready)
            continue;
        m_item = m_queue->takeUploadItem();
        // A cancel may have come while this thread waited: nothing more goes out.
        if (m_stop.load())
            break;
        qDebug("FileUploader: Upload file [%s]", qUtf8Printable(m_item.value(UploadQueue::LocalPath)));
        emit signalItemStarted(m_item.value(UploadQueue::ServerName), m_item.value(UploadQueue::SourcePath));
        if (isTrue(m_item, UploadQueue::BatchFirst)) {
            const float next = m_queue->nextProgressStep(0.2f);
            emit signalNextProgressChanged(static_cast<int>(next * 100) - 1);
        }
        sendItem();
        m_sendingNs.fetch_add(clock.nsecsElapsed());
        clock.restart();
        if (isTrue(m_item, UploadQueue::RunLast) && !m_stop.load()) {
            emit signalCompleteProgressChanged(100);
            emit signalNextProgressChanged(100);
            break;
        }
        if (m_sessionLost) {
            emit signalConnectionSessionLost();
            break;
        }
    }
    m_connection = nullptr;
    m_finishedAtNs.store(UploadRun::steadyNowNs());
    emit signalUploadFinished();
}

bool FileUploader::pauseBeforeResend(int attempt)
{
    const int delay = resendDelayMs(attempt);
    for (int waited = 0; waited < delay; waited += kPollMs) {
        if (m_stop.load())
            return false;
        QThread::msleep(kPollMs);
    }
    return !m_stop.load();
}

bool FileUploader::isOriginal() const
{
    return m_item.value(UploadQueue::UploadType) == QLatin1String("ORIG_FILE");
}

void FileUploader::waitForReply()
{
    QEventLoop loop;
    m_loop = &loop;
    connect(m_reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    CertificateTrust::guard(m_reply);
    RequestTimeout::watch(m_reply);
    // A cancel must not wait for a long transfer to end.
    QTimer stopPoll;
    connect(&stopPoll, &QTimer::timeout, m_reply, [this] {
        if (m_stop.load())
            m_reply->abort();
    });
    stopPoll.start(kPollMs);
    if (!m_reply->isFinished())
        loop.exec();
    m_loop = nullptr;
}

QNetworkRequest FileUploader::sessionRequest(const QString& path) const
{
    QNetworkRequest request(QUrl(m_baseUrl + path));
    // The session is the login's: every request carries it as the first one did, whatever cookies
    // later replies set.
    if (!m_cookies.isEmpty())
        request.setRawHeader("Cookie", RequestHeaders::cookieValue(m_cookies));
    return request;
}

void FileUploader::dropConnections()
{
    // A connection that failed or timed out may be half-closed or hold the rest of an unread reply;
    // the next request must not meet it.
    m_connection->drop();
}

void FileUploader::sendItem()
{
    QNetworkRequest request = sessionRequest(QStringLiteral("/photo/include/asst_file_upload.php"));
    request.setRawHeader("X-PATH", RequestHeaders::pathText(m_item.value(UploadQueue::TargetFolder)));
    request.setRawHeader("X-DUPLICATE", m_duplicateHandling);
    request.setRawHeader("X-ORIG-FNAME", RequestHeaders::pathText(m_item.value(UploadQueue::ServerName)));
    request.setRawHeader("X-UPLOAD-TYPE", m_item.value(UploadQueue::UploadType).toUtf8());
    if (m_item.contains(UploadQueue::BatchFirst))
        request.setRawHeader("X-IS-BATCH-FIRST-FILE", "1");
    if (m_item.contains(UploadQueue::BatchLast))
        request.setRawHeader("X-IS-BATCH-LAST-FILE", "1");

    const bool isFolder = m_item.value(UploadQueue::UploadType) == QLatin1String("FOLDER");
    const QString localPath = m_item.value(UploadQueue::LocalPath);
    const QFileInfo info(localPath);
    if (isFolder && !info.isDir()) {
        finishSource(false, tx(TextId::err_file_missing).arg(info.fileName()));
        return;
    }
    if (!isFolder) {
        if (!info.isFile() || !UploadBody(localPath).openFile()) {
            const TextId text = isOriginal() ? TextId::err_file_missing : TextId::err_convert;
            recordOutcome(false, tx(text).arg(info.fileName()));
            return;
        }
        request.setHeader(QNetworkRequest::ContentLengthHeader, info.size());
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
        if (m_item.contains(UploadQueue::BatchLast)) {
            const QByteArray modified = QByteArray::number(info.lastModified().toSecsSinceEpoch());
            request.setRawHeader("X-LAST-MODIFIED-TIME", modified);
            qDebug("Get last modifiled time: %s", modified.constData());
        }
    }

    const bool isSource = m_item.contains(UploadQueue::BatchLast) && !isFolder;
    qint64 sourceCounted = 0;
    m_ambiguous = false;
    for (int attempt = 1;; ++attempt) {
        m_resend = false;
        if (m_ambiguous) {
            const Presence presence = askServerForOriginal();
            if (presence == Presence::Held) {
                qDebug("FileUploader: the server holds %s already", qUtf8Printable(info.fileName()));
                finishSource(true, QString());
                break;
            }
            m_resend = presence == Presence::Unknown;
        }
        if (!m_resend && !m_sessionLost && !m_stop.load()) {
            if (!isFolder) {
                m_uploadFile = std::make_unique<UploadBody>(localPath, m_bandwidthLimit.get());
                if (!m_uploadFile->openFile()) {
                    m_uploadFile.reset();
                    recordOutcome(false, tx(TextId::err_file_missing).arg(info.fileName()));
                    return;
                }
            }
            m_reply = m_connection->send("PUT", request, m_uploadFile.get());
            connect(m_reply, &QNetworkReply::finished, this, &FileUploader::slotFileUploadRequestFinished,
                    Qt::DirectConnection);
            qint64 counted = 0;
            connect(
                m_reply, &QNetworkReply::uploadProgress, m_reply,
                [this, &counted, &sourceCounted, isSource](qint64 sent, qint64) {
                    if (sent > counted) {
                        m_bytesSent.fetch_add(sent - counted);
                        counted = sent;
                    }
                    // A resend counts again on the wire, but not again toward the chosen files.
                    if (isSource && sent > sourceCounted) {
                        m_sourceBytesSent.fetch_add(sent - sourceCounted);
                        sourceCounted = sent;
                    }
                },
                Qt::DirectConnection);
            waitForReply();
            delete m_reply;
            m_reply = nullptr;
            m_uploadFile.reset();
            if (m_resend)
                dropConnections();
        }
        if (m_stop.load() || m_sessionLost || !m_resend)
            break;
        if (attempt > m_resendLimit) {
            qDebug() << "FileUploader: giving up on" << localPath << "-" << m_lastFailure;
            if (isTrue(m_item, UploadQueue::BatchLast))
                finishSource(false, m_lastFailure);
            break;
        }
        qDebug() << "FileUploader:" << m_lastFailure << "- sending again";
        if (!pauseBeforeResend(attempt))
            break;
    }
    m_uploadFile.reset();
}

FileUploader::Presence FileUploader::askServerForOriginal()
{
    const QString path = QLatin1Char('/') + m_item.value(UploadQueue::TargetFolder) + QLatin1Char('/') +
                         m_item.value(UploadQueue::ServerName);
    const QString key = path.normalized(QString::NormalizationForm_C);
    const QString boundary = UploadPlanner::boundary(QDateTime::currentDateTime());
    QNetworkRequest request = sessionRequest(QStringLiteral("/photo/include/asst_upload_init.php"));
    request.setRawHeader("Content-Type", UploadPlanner::initContentType(boundary));
    m_reply = m_connection->send("POST", request, nullptr, UploadPlanner::initBodyForKeys({key}, boundary));
    waitForReply();
    Presence presence = Presence::Unknown;
    const bool transportFailure = isTransportFailure(m_reply);
    if (transportFailure) {
        m_lastFailure = RequestTimeout::transportErrorText(m_reply);
    } else {
        const QByteArray body = m_reply->readAll();
        const ServerReply parsed(body);
        if (saysSessionLost(body)) {
            m_sessionLost = true;
            finishSource(false, tx(TextId::err_session_lost), QStringLiteral("session_lost"));
        } else if (parsed.isJson() && parsed.success()) {
            presence = parsed.stringList(QStringLiteral("duplicated_files")).contains(key)
                           ? Presence::Held
                           : Presence::Missing;
        }
    }
    delete m_reply;
    m_reply = nullptr;
    if (transportFailure)
        dropConnections();
    return presence;
}

void FileUploader::slotFileUploadRequestFinished()
{
    QNetworkReply* reply = m_reply;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (isTransportFailure(reply)) {
        if (!m_stop.load()) {
            m_lastFailure = RequestTimeout::transportErrorText(reply);
            m_resend = true;
            m_ambiguous = m_ambiguous || isOriginal();
        }
        m_loop->quit();
        return;
    }

    bool success = false;
    QString errorText;
    QString errorKey;
    const QByteArray body = reply->readAll();
    const ServerReply parsed(body);
    if (saysSessionLost(body)) {
        errorKey = QStringLiteral("session_lost");
        errorText = ServerReply::errorText(ServerReply::Endpoint::FileUpload, errorKey, &m_sessionLost);
    } else if (status >= 400 || reply->error() != QNetworkReply::NoError) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        errorText = tx(TextId::err_http_status)
                        .arg(reason.isEmpty() ? QString::number(status)
                                              : QString::number(status) + QLatin1Char(' ') + reason);
    } else if (!parsed.isJson()) {
        errorText = ServerReply::notJsonText();
        // A garbled answer may hide a stored original.
        if (isOriginal() && !m_stop.load()) {
            m_lastFailure = errorText;
            m_resend = true;
            m_ambiguous = true;
            m_loop->quit();
            return;
        }
    } else if (parsed.success()) {
        success = true;
    } else {
        errorKey = parsed.errorKey();
        errorText = ServerReply::errorText(ServerReply::Endpoint::FileUpload, errorKey, &m_sessionLost);
    }

    if (isTrue(m_item, UploadQueue::BatchLast)) {
        finishSource(success, errorText, errorKey);
    } else {
        qDebug("FileUploader: Remove temp thumb");
        const QString workFile = AppPaths::tempRootFolder() + QLatin1Char('/') +
                                 QFileInfo(m_item.value(UploadQueue::LocalPath)).fileName();
        QFile::setPermissions(workFile, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(workFile);
    }
    m_loop->quit();
}

void FileUploader::finishSource(bool success, const QString& errorText, const QString& errorKey)
{
    const float complete = m_queue->completeProgressStep(0.2f);
    emit signalCompleteProgressChanged(static_cast<int>(complete * 100));
    recordOutcome(success, errorText, errorKey);
}

void FileUploader::recordOutcome(bool success, const QString& errorText, const QString& errorKey)
{
    const QString localPath = m_item.value(UploadQueue::LocalPath);
    const QFileInfo info(localPath);
    UploadOutcome outcome;
    outcome.localPath = localPath;
    outcome.targetFolder = m_item.value(UploadQueue::TargetFolder);
    outcome.serverName = m_item.value(UploadQueue::ServerName);
    outcome.isFolder = m_item.value(UploadQueue::UploadType) == QLatin1String("FOLDER");
    outcome.success = success;
    outcome.errorKey = errorKey;
    outcome.errorText = errorText;
    outcome.size = info.isFile() ? info.size() : 0;
    if (success) {
        outcome.warning = m_item.value(UploadQueue::Warning);
        m_queue->addSuccess();
        // Only what the server confirmed is remembered, so a refused file is offered again next time.
        QString recordError;
        if (!addUploadRecord(info, &recordError))
            outcome.recordError = tx(TextId::err_not_recorded).arg(recordError);
    }
    m_queue->addOutcome(outcome);
    emit signalFileFinished(outcome);
}

bool FileUploader::addUploadRecord(const QFileInfo& info, QString* error)
{
    const QString name = info.fileName();
    if (m_mode == 6) {
        if (!m_deviceTableChecked && !ProfileStore::deviceRecordsTableExists())
            ProfileStore::createDeviceRecordsTable();
        m_deviceTableChecked = true;
        const DeviceItem device = m_deviceMap ? m_deviceMap->value(name) : DeviceItem();
        ProfileStore::addDeviceRecord(name, m_profileName, device.size, device.modified, device.deviceId);
        return true;
    }
    qDebug("AddSuccessFileInfoToDB = %s", qUtf8Printable(name));
    if (!m_photoTableChecked && !ProfileStore::photoRecordsTableExists())
        ProfileStore::createPhotoRecordsTable();
    m_photoTableChecked = true;
    if (info.isDir())
        return true;
    const QString md5 = ProfileStore::fileFingerprint(info.absoluteFilePath());
    qDebug("MD5 = %s", qUtf8Printable(md5));
    return ProfileStore::addUploadRecord(name, m_profileName, info.size(),
                                         QString::number(info.lastModified().toSecsSinceEpoch()), md5, error);
}
