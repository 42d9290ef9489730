#include "UploadInitRequest.h"

#include "CertificateTrust.h"
#include "RequestTimeout.h"

#include <QDateTime>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

UploadInitRequest::UploadInitRequest(QNetworkAccessManager* manager, QObject* parent)
    : QObject(parent), m_manager(manager)
{
}

UploadInitRequest::~UploadInitRequest()
{
    if (m_loop)
        m_loop->quit();
    delete m_reply;
}

bool UploadInitRequest::send(const QString& baseUrl, const QList<ConversionEntry>& list,
                             UploadPlanner::InitReply* reply)
{
    m_cancelled = false;
    m_answer = UploadPlanner::InitReply();
    const QString boundary = UploadPlanner::boundary(QDateTime::currentDateTime());
    QNetworkRequest request(QUrl(baseUrl + QLatin1String("/photo/include/asst_upload_init.php")));
    request.setRawHeader("Content-Type", UploadPlanner::initContentType(boundary));
    delete m_reply;
    m_reply = m_manager->post(request, UploadPlanner::initBody(list, boundary));
    connect(m_reply, &QNetworkReply::finished, this, &UploadInitRequest::slotUploadInitRequestFinished);
    CertificateTrust::guard(m_reply);
    RequestTimeout::watch(m_reply);
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    if (m_cancelled)
        return false;
    *reply = m_answer;
    return true;
}

void UploadInitRequest::cancel()
{
    m_cancelled = true;
    if (m_reply)
        m_reply->abort();
    if (m_loop)
        m_loop->quit();
}

void UploadInitRequest::slotUploadInitRequestFinished()
{
    if (m_reply && sender() == m_reply) {
        m_answer = UploadPlanner::evaluateInitReply(m_reply);
        m_reply->deleteLater();
    }
    if (m_loop)
        m_loop->quit();
}
