#pragma once

#include "UploadPlanner.h"

#include <QObject>
#include <QPointer>

class QEventLoop;
class QNetworkAccessManager;
class QNetworkReply;

// The upload initialisation on the wire: posts the item keys of a list and waits for the server's
// answer in a local event loop, so the caller gets the answer as a return value. The session cookie
// travels in the network manager's jar.
class UploadInitRequest : public QObject
{
    Q_OBJECT

public:
    explicit UploadInitRequest(QNetworkAccessManager* manager, QObject* parent = nullptr);
    ~UploadInitRequest() override;

    // Returns once the answer is evaluated; a failed request of any kind gives empty sets (the upload
    // goes on with the whole list). False only when cancel() ended the wait.
    bool send(const QString& baseUrl, const QList<ConversionEntry>& list, UploadPlanner::InitReply* reply);
    bool isWaiting() const { return m_loop != nullptr; }
    // Aborts the request and ends the wait.
    void cancel();

public slots:
    void slotUploadInitRequestFinished();

private:
    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QEventLoop* m_loop = nullptr;
    bool m_cancelled = false;
    UploadPlanner::InitReply m_answer;
};
