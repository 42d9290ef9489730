#include "HttpConnectionReply.h"

#include "HttpConnection.h"

#include <cstring>

HttpConnectionReply::HttpConnectionReply(HttpConnection* connection, const QNetworkRequest& request,
                                         QNetworkAccessManager::Operation operation, QObject* parent)
    : QNetworkReply(parent), m_connection(connection)
{
    setRequest(request);
    setUrl(request.url());
    setOperation(operation);
    open(QIODevice::ReadOnly);
}

void HttpConnectionReply::abort()
{
    if (!isFinished() && m_connection)
        m_connection->abortRequest(this);
}

qint64 HttpConnectionReply::bytesAvailable() const
{
    return m_body.size() - m_readAt + QNetworkReply::bytesAvailable();
}

void HttpConnectionReply::noteHead(int status, const QByteArray& reason,
                                   const QList<QPair<QByteArray, QByteArray>>& headers)
{
    setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
    setAttribute(QNetworkRequest::HttpReasonPhraseAttribute, reason);
    for (const auto& [name, value] : headers) {
        // Repeated fields are joined as the network access manager joins them.
        const QByteArray earlier = rawHeader(name);
        setRawHeader(name, earlier.isEmpty() ? value : earlier + ", " + value);
    }
    emit metaDataChanged();
}

void HttpConnectionReply::noteSent(qint64 sent, qint64 total)
{
    emit uploadProgress(sent, total);
}

void HttpConnectionReply::noteSslErrors(const QList<QSslError>& errors)
{
    emit sslErrors(errors);
}

void HttpConnectionReply::setSslConfigurationFrom(const QSslConfiguration& configuration)
{
    m_sslConfiguration = configuration;
}

void HttpConnectionReply::finishWith(const QByteArray& body, QNetworkReply::NetworkError error,
                                     const QString& text)
{
    if (isFinished())
        return;
    m_connection = nullptr;
    m_body = body;
    m_readAt = 0;
    if (!body.isEmpty()) {
        emit downloadProgress(body.size(), body.size());
        emit readyRead();
    }
    if (error != QNetworkReply::NoError) {
        setError(error, text);
        emit errorOccurred(error);
    }
    setFinished(true);
    emit finished();
}

qint64 HttpConnectionReply::readData(char* data, qint64 maxSize)
{
    const qint64 left = m_body.size() - m_readAt;
    if (left <= 0)
        return isFinished() ? -1 : 0;
    const qint64 count = qMin(left, maxSize);
    std::memcpy(data, m_body.constData() + m_readAt, size_t(count));
    m_readAt += count;
    return count;
}

void HttpConnectionReply::ignoreSslErrorsImplementation(const QList<QSslError>& errors)
{
    if (m_connection)
        m_connection->ignoreSslErrors(errors);
}

void HttpConnectionReply::sslConfigurationImplementation(QSslConfiguration& configuration) const
{
    configuration = m_sslConfiguration;
}
