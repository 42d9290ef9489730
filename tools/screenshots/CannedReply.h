#pragma once

#include <QNetworkReply>

// A finished HTTP 200 reply with a fixed JSON body, delivered from the event loop like a real one.
class CannedReply : public QNetworkReply
{
    Q_OBJECT

public:
    CannedReply(QObject* parent, QNetworkAccessManager::Operation operation, const QNetworkRequest& request,
                const QByteArray& body);

    void abort() override;
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    QByteArray m_body;
    qint64 m_offset = 0;
};
