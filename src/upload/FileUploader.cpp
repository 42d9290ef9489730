#include "FileUploader.h"

#include "AppPaths.h"
#include "ProfileStore.h"
#include "RequestHeaders.h"
#include "ServerProfile.h"
#include "ServerReply.h"
#include "VexaLocale.h"

#include <QDebug>
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

} // namespace

FileUploader::FileUploader(UploadQueue* queue, QNetworkAccessManager* manager, const ServerProfile* profile,
                           int mode, const DeviceImportMap* deviceMap, QObject* parent)
    : QThread(parent), m_mode(mode), m_profile(profile), m_baseUrl(profile->baseUrl),
      m_profileName(profile->profname), m_duplicateHandling(profile->duphandler.toUtf8()), m_queue(queue),
      m_deviceMap(deviceMap)
{
    if (manager && manager->cookieJar())
        m_cookies = manager->cookieJar()->cookiesForUrl(
            QUrl(QStringLiteral("http://%1:%2").arg(profile->hostaddr).arg(profile->port)));
}

FileUploader::~FileUploader()
{
    stop();
    wait();
}

void FileUploader::stop()
{
    m_stop.store(true);
}

int FileUploader::resendDelayMs(int attempt)
{
    qint64 delay = kFirstResendDelayMs;
    for (int i = 1; i < attempt && delay < kLongestResendDelayMs; ++i)
        delay *= 2;
    return static_cast<int>(qMin<qint64>(delay, kLongestResendDelayMs));
}

void FileUploader::run()
{
    while (!m_stop.load()) {
        if (!m_queue->waitForItem(kPollMs))
            continue;
        m_item = m_queue->takeUploadItem();
        qDebug("FileUploader: Upload file [%s]", qUtf8Printable(m_item.value(UploadQueue::LocalPath)));
        emit signalItemStarted(m_item.value(UploadQueue::ServerName));
        if (isTrue(m_item, UploadQueue::BatchFirst)) {
            const float next = m_queue->nextProgressStep(0.2f);
            emit signalNextProgressChanged(static_cast<int>(next * 100) - 1);
        }
        sendItem();
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

void FileUploader::sendItem()
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(m_baseUrl + QLatin1String("/photo/include/asst_file_upload.php")));
    if (!m_cookies.isEmpty())
        request.setRawHeader("Cookie", RequestHeaders::cookieValue(m_cookies));
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
    if (!isFolder) {
        m_uploadFile = std::make_unique<QFile>(localPath);
        if (!m_uploadFile->exists() || !m_uploadFile->open(QIODevice::ReadOnly)) {
            m_uploadFile.reset();
            recordOutcome(false, tx(TextId::err_convert).arg(QFileInfo(localPath).fileName()));
            return;
        }
        if (m_item.contains(UploadQueue::BatchLast)) {
            const QByteArray modified =
                QByteArray::number(QFileInfo(localPath).lastModified().toSecsSinceEpoch());
            request.setRawHeader("X-LAST-MODIFIED-TIME", modified);
            qDebug("Get last modifiled time: %s", modified.constData());
        }
    }

    const bool isSource = m_item.contains(UploadQueue::BatchLast) && m_uploadFile;
    qint64 sourceCounted = 0;
    for (int attempt = 1;; ++attempt) {
        m_resend = false;
        QEventLoop loop;
        m_loop = &loop;
        if (m_uploadFile)
            m_uploadFile->seek(0);
        m_reply =
            m_uploadFile ? manager.put(request, m_uploadFile.get()) : manager.put(request, QByteArray());
        connect(m_reply, &QNetworkReply::sslErrors, m_reply, qOverload<>(&QNetworkReply::ignoreSslErrors),
                Qt::DirectConnection);
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
        // A cancel must not wait for a long transfer to end.
        QTimer stopPoll;
        connect(&stopPoll, &QTimer::timeout, m_reply, [this] {
            if (m_stop.load())
                m_reply->abort();
        });
        stopPoll.start(kPollMs);
        loop.exec();
        m_loop = nullptr;
        delete m_reply;
        m_reply = nullptr;
        if (m_stop.load() || !m_resend || !pauseBeforeResend(attempt))
            break;
    }
    m_uploadFile.reset();
}

void FileUploader::slotFileUploadRequestFinished()
{
    QNetworkReply* reply = m_reply;
    if (reply->error() != QNetworkReply::NoError) {
        if (!m_stop.load()) {
            qDebug() << "FileUploader:" << ServerReply::transportErrorText(reply->error())
                     << "- sending again";
            m_resend = true;
        }
        m_loop->quit();
        return;
    }

    bool success = false;
    QString errorText;
    QString errorKey;
    const ServerReply parsed(reply->readAll());
    if (!parsed.isJson()) {
        errorText = ServerReply::notJsonText();
    } else if (parsed.success()) {
        success = true;
    } else {
        errorKey = parsed.errorKey();
        errorText = ServerReply::errorText(ServerReply::Endpoint::FileUpload, errorKey, &m_sessionLost);
    }

    if (m_uploadFile) {
        m_uploadFile->close();
        m_uploadFile.reset();
    }

    if (isTrue(m_item, UploadQueue::BatchLast)) {
        const float complete = m_queue->completeProgressStep(0.2f);
        emit signalCompleteProgressChanged(static_cast<int>(complete * 100));
        recordOutcome(success, errorText, errorKey);
    } else {
        qDebug("FileUploader: Remove temp thumb");
        const QString workFile = AppPaths::tempRootFolder() + QLatin1Char('/') +
                                 QFileInfo(m_item.value(UploadQueue::LocalPath)).fileName();
        QFile::setPermissions(workFile, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(workFile);
    }
    m_loop->quit();
}

void FileUploader::recordOutcome(bool success, const QString& errorText, const QString& errorKey)
{
    const QString localPath = m_item.value(UploadQueue::LocalPath);
    const QFileInfo info(localPath);
    UploadOutcome outcome;
    outcome.localPath = localPath;
    outcome.targetFolder = m_item.value(UploadQueue::TargetFolder);
    outcome.serverName = m_item.value(UploadQueue::ServerName);
    outcome.isFolder = info.isDir();
    outcome.success = success;
    outcome.errorKey = errorKey;
    outcome.errorText = errorText;
    outcome.size = info.isFile() ? info.size() : 0;
    if (success) {
        m_queue->addSuccess();
        // Only what the server confirmed is remembered, so a refused file is offered again next time.
        addUploadRecord(info);
    } else {
        m_queue->addProblem(UploadProblem::fromOutcome(outcome));
    }
    emit signalFileFinished(outcome);
}

void FileUploader::addUploadRecord(const QFileInfo& info)
{
    const QString name = info.fileName();
    if (m_mode == 6) {
        if (!m_deviceTableChecked && !ProfileStore::deviceRecordsTableExists())
            ProfileStore::createDeviceRecordsTable();
        m_deviceTableChecked = true;
        const DeviceItem device = m_deviceMap ? m_deviceMap->value(name) : DeviceItem();
        ProfileStore::addDeviceRecord(name, m_profileName, device.size, device.modified, device.deviceId);
        return;
    }
    qDebug("AddSuccessFileInfoToDB = %s", qUtf8Printable(name));
    if (!m_photoTableChecked && !ProfileStore::photoRecordsTableExists())
        ProfileStore::createPhotoRecordsTable();
    m_photoTableChecked = true;
    if (info.isDir())
        return;
    const QString md5 = ProfileStore::fileFingerprint(info.absoluteFilePath());
    qDebug("MD5 = %s", qUtf8Printable(md5));
    ProfileStore::addUploadRecord(name, m_profileName, info.size(),
                                  QString::number(info.lastModified().toSecsSinceEpoch()), md5);
}
