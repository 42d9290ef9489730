#pragma once

#include <QNetworkReply>

class HttpConnection;

// The answer to one request sent over an HttpConnection, read like any other network reply: status
// and reason as attributes, headers, the body, finished() and the usual error codes. abort() and
// ignoreSslErrors() act on the connection's current request.
class HttpConnectionReply : public QNetworkReply
{
    Q_OBJECT

public:
    HttpConnectionReply(HttpConnection* connection, const QNetworkRequest& request,
                        QNetworkAccessManager::Operation operation, QObject* parent = nullptr);

    void abort() override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

    // Called by the connection as the exchange goes on.
    void noteHead(int status, const QByteArray& reason, const QList<QPair<QByteArray, QByteArray>>& headers);
    void noteSent(qint64 sent, qint64 total);
    void noteSslErrors(const QList<QSslError>& errors);
    void finishWith(const QByteArray& body, QNetworkReply::NetworkError error, const QString& text);
    void setSslConfigurationFrom(const QSslConfiguration& configuration);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    void ignoreSslErrorsImplementation(const QList<QSslError>& errors) override;
    void sslConfigurationImplementation(QSslConfiguration& configuration) const override;

private:
    HttpConnection* m_connection;
    QByteArray m_body;
    qint64 m_readAt = 0;
    QSslConfiguration m_sslConfiguration;
};
