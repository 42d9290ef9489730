#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QUrl>

#include <memory>

class HttpConnectionReply;
class QIODevice;
class QSslSocket;

// One HTTP/1.1 connection to one server, kept open from request to request, in the thread that
// uses it. The network access manager hands a request body to its own network thread in 16 KiB
// pieces, each a wake-up of both threads; for a run of small files that costs several times what
// sending them does. Here the body goes straight from the file to the socket.
// The request looks as the network access manager sends it: the same request line, the same
// fields in the same order (Host first; the request's own fields; Content-Length; Connection,
// Accept-Encoding, Accept-Language and User-Agent unless the request names them), and it decodes
// the same encodings. Nothing is ever sent twice by itself: a request that fails ends with an error
// and the caller decides. One request at a time.
class HttpConnection : public QObject
{
    Q_OBJECT

public:
    explicit HttpConnection(QObject* parent = nullptr);
    ~HttpConnection() override;

    // Starts the request with the body read from the device (open, not rewound, read once; it may
    // hand out nothing for a while and signal readyRead() when more may go) or, without a device,
    // the given bytes. The reply belongs to the caller.
    QNetworkReply* send(const QByteArray& verb, const QNetworkRequest& request, QIODevice* body,
                        const QByteArray& data = QByteArray());

    // Closes the connection, so that the next request opens a fresh one.
    void drop();

    // The request line and fields sent for the request: the bytes before its body.
    static QByteArray requestHead(const QByteArray& verb, const QNetworkRequest& request, qint64 bodyLength);

    void abortRequest(HttpConnectionReply* reply);
    void ignoreSslErrors(const QList<QSslError>& errors);

private slots:
    void slotConnected();
    void slotBytesWritten();
    void slotReadyRead();
    void slotDisconnected();
    void slotSocketError();
    void slotSslErrors(const QList<QSslError>& errors);

private:
    enum class Phase
    {
        Idle,
        Connecting,
        Exchanging,
    };

    bool peerWaiting() const;
    void discardSocket();
    void openSocket(const QUrl& url);
    bool reopenUnsent();
    void writeBody();
    bool parseResponse();
    bool parseHead();
    bool parseBody();
    bool bodyOut() const;
    void finishAnswered();
    void finish(QNetworkReply::NetworkError error, const QString& text);
    void fail(QNetworkReply::NetworkError error, const QString& text);

    std::unique_ptr<QSslSocket> m_socket;
    QString m_host;
    int m_port = -1;
    bool m_secure = false;
    QByteArray m_sessionTicket;
    Phase m_phase = Phase::Idle;

    // The request under way.
    QPointer<HttpConnectionReply> m_reply;
    QUrl m_url;
    bool m_headSent = false;
    bool m_reopened = false;
    QByteArray m_head;
    QPointer<QIODevice> m_bodyDevice;
    QByteArray m_bodyData;
    qint64 m_bodyLength = 0;
    qint64 m_bodyQueued = 0;
    qint64 m_bodyReported = 0;
    QMetaObject::Connection m_deviceReady;

    // The answer as it arrives; a fresh one for each request.
    struct Answer
    {
        QByteArray in;
        bool headDone = false;
        bool answered = false;
        int status = 0;
        QByteArray reason;
        QList<QPair<QByteArray, QByteArray>> fields;
        bool keepAlive = true;
        bool chunked = false;
        bool untilClose = false;
        // Bytes of the body or of the current chunk still to come; for a chunked body -1 while a
        // chunk's size line is awaited, -2 for the line break after a chunk, -3 in the trailer.
        qint64 remaining = 0;
        QByteArray body;
        QByteArray encoding;
    };
    Answer m_answer;
};
