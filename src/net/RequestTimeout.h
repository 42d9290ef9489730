#pragma once

#include <QObject>
#include <QTimer>

class QNetworkReply;

// Ends a request that moves no byte in either direction for a while: the reply is aborted and
// remembered as timed out, so its error text can say so. One inactivity limit serves every request of
// the process; lumio-upload sets it from --timeout.
class RequestTimeout : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultSeconds = 60;

    static void setSeconds(int seconds);
    static int seconds();

    // Watches the reply until it finishes; the watcher is the reply's child.
    static void watch(QNetworkReply* reply);
    static bool timedOut(const QNetworkReply* reply);
    // The time-out text naming the server, or the connection error text of the reply's error.
    static QString transportErrorText(const QNetworkReply* reply);

private:
    explicit RequestTimeout(QNetworkReply* reply);
    void slotActivity();
    void slotExpired();

    QNetworkReply* m_reply;
    QTimer m_timer;
};
