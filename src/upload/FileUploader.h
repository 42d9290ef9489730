#pragma once

#include "DeviceItem.h"
#include "UploadOutcome.h"
#include "UploadQueue.h"

#include <QNetworkCookie>
#include <QNetworkRequest>
#include <QThread>

#include <atomic>
#include <memory>

class BandwidthLimit;
class HttpConnection;
class QEventLoop;
class UploadBody;
class QFileInfo;
class QNetworkAccessManager;
class QNetworkReply;
class ServerProfile;

// The worker that sends every upload item to the server, one PUT each, in queue order; counts and
// records each source file's outcome and stops when the server reports a lost session.
// signalUploadFinished() is always its last signal.
// An HTTP error status is the server's answer: the file fails. A lost connection or a time-out is sent
// again, a bounded number of times; an original whose body may have reached the server is first looked
// up there, so it is neither stored twice nor sent again when the server has it.
class FileUploader : public QThread
{
    Q_OBJECT

public:
    FileUploader(UploadQueue* queue, QNetworkAccessManager* manager, const ServerProfile* profile, int mode,
                 const DeviceImportMap* deviceMap, QObject* parent = nullptr);
    ~FileUploader() override;

    // Resends of one item after connection failures, before it counts as failed.
    static constexpr int kDefaultResends = 7;

    // Ends the run: wakes a wait for the next item, a pause before a resend and a request in flight.
    void stop();
    // Call before start(); 0 sends every item once.
    void setResendLimit(int resends) { m_resendLimit = qMax(0, resends); }
    // Call before start(): the bodies of every request together go out at no more than this rate;
    // 0 or less sends as fast as the network allows.
    void setBandwidthLimit(qint64 bytesPerSecond);

    // Pause before the n-th resend after network errors (n from 1): none, then 1 s doubling up to 30 s.
    static int resendDelayMs(int attempt);

    // Body bytes handed to the network so far in this run, resends included. Safe from any thread.
    qint64 bytesSent() const { return m_bytesSent.load(); }
    // Bytes of the chosen files themselves (not their thumbnails or renditions) sent so far, each byte
    // once. Safe from any thread.
    qint64 sourceBytesSent() const { return m_sourceBytesSent.load(); }
    // Nanoseconds spent sending items (replies and records included) and waiting for the next one,
    // and the steady-clock time the run ended at (0 while it runs). Safe from any thread.
    qint64 sendingNs() const { return m_sendingNs.load(); }
    qint64 waitingNs() const { return m_waitingNs.load(); }
    qint64 finishedAtNs() const { return m_finishedAtNs.load(); }

signals:
    void signalCompleteProgressChanged(int iNewProgress);
    void signalNextProgressChanged(int iNextProgress);
    void signalConnectionSessionLost();
    void signalUploadFinished();
    // An item goes out; serverName is the name of the source file it belongs to, sourcePath that file.
    void signalItemStarted(const QString& serverName, const QString& sourcePath);
    // The outcome of a source file was counted and recorded.
    void signalFileFinished(const UploadOutcome& outcome);

public slots:
    void slotFileUploadRequestFinished();

protected:
    void run() override;

private:
    enum class Presence
    {
        Held,
        Missing,
        Unknown
    };

    void sendItem();
    void waitForReply();
    Presence askServerForOriginal();
    QNetworkRequest sessionRequest(const QString& path) const;
    void dropConnections();
    void finishSource(bool success, const QString& errorText, const QString& errorKey = QString());
    void recordOutcome(bool success, const QString& errorText, const QString& errorKey = QString());
    bool addUploadRecord(const QFileInfo& info, QString* error);
    bool pauseBeforeResend(int attempt);
    bool isOriginal() const;

    int m_mode;
    bool m_resend = false;
    // The last failure left open whether the server stored the original.
    bool m_ambiguous = false;
    int m_resendLimit = kDefaultResends;
    QString m_lastFailure;
    bool m_sessionLost = false;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_bytesSent{0};
    std::atomic<qint64> m_sourceBytesSent{0};
    std::atomic<qint64> m_sendingNs{0};
    std::atomic<qint64> m_waitingNs{0};
    std::atomic<qint64> m_finishedAtNs{0};
    const ServerProfile* m_profile;
    QString m_baseUrl;
    QString m_profileName;
    QByteArray m_duplicateHandling;
    UploadQueue* m_queue;
    QList<QNetworkCookie> m_cookies;
    UploadItem m_item;
    std::unique_ptr<BandwidthLimit> m_bandwidthLimit;
    std::unique_ptr<UploadBody> m_uploadFile;
    const DeviceImportMap* m_deviceMap;
    // The run's own connection, in this thread; null outside run().
    HttpConnection* m_connection = nullptr;
    QNetworkReply* m_reply = nullptr;
    QEventLoop* m_loop = nullptr;
    bool m_photoTableChecked = false;
    bool m_deviceTableChecked = false;
};
