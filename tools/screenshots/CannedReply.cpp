#include "CannedReply.h"

#include <QTimer>

#include <cstring>

CannedReply::CannedReply(QObject* parent, QNetworkAccessManager::Operation operation,
                         const QNetworkRequest& request, const QByteArray& body)
    : QNetworkReply(parent), m_body(body)
{
    setOperation(operation);
    setRequest(request);
    setUrl(request.url());
    setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    setHeader(QNetworkRequest::ContentLengthHeader, m_body.size());
    setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
    open(QIODevice::ReadOnly);
    QTimer::singleShot(0, this, [this] {
        emit metaDataChanged();
        emit readyRead();
        setFinished(true);
        emit finished();
    });
}

void CannedReply::abort()
{
    close();
}

qint64 CannedReply::bytesAvailable() const
{
    return m_body.size() - m_offset + QIODevice::bytesAvailable();
}

qint64 CannedReply::readData(char* data, qint64 maxSize)
{
    const qint64 count = qMin(maxSize, m_body.size() - m_offset);
    if (count <= 0)
        return -1;
    std::memcpy(data, m_body.constData() + m_offset, static_cast<size_t>(count));
    m_offset += count;
    return count;
}
