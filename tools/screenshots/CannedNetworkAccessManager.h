#pragma once

#include <QNetworkAccessManager>

// Answers the album browser's two questions with a small made-up album tree; nothing leaves the
// process.
class CannedNetworkAccessManager : public QNetworkAccessManager
{
    Q_OBJECT

public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override;
};
