#include "HttpConnection.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QBuffer>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <brotli/encode.h>
#include <zstd.h>

#include <memory>

// A server that reads each request (head and, by its Content-Length, body) and gives the scripted
// answer, either after the body or as soon as the head is in.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    QByteArray answer;
    bool answerBeforeBody = false;
    bool closeAfterAnswer = false;
    QList<QByteArray> heads;
    int connections = 0;

    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    ScriptedServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++connections;
                auto state = std::make_shared<Request>();
                connect(socket, &QTcpSocket::readyRead, socket,
                        [this, socket, state] { serve(socket, *state); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

private:
    struct Request
    {
        QByteArray in;
        qint64 bodyLeft = -1;
        bool answered = false;
    };

    void serve(QTcpSocket* socket, Request& request)
    {
        request.in += socket->readAll();
        for (;;) {
            if (request.bodyLeft < 0) {
                const qsizetype end = request.in.indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray head = request.in.left(end + 4);
                request.in.remove(0, end + 4);
                heads.append(head);
                request.bodyLeft = 0;
                for (const QByteArray& line : head.split('\n')) {
                    if (line.toLower().startsWith("content-length:"))
                        request.bodyLeft = line.mid(15).trimmed().toLongLong();
                }
                request.answered = false;
                if (answerBeforeBody)
                    reply(socket, request);
            }
            const qint64 take = qMin<qint64>(request.bodyLeft, request.in.size());
            request.in.remove(0, take);
            request.bodyLeft -= take;
            if (request.bodyLeft > 0)
                return;
            if (!request.answered)
                reply(socket, request);
            request.bodyLeft = -1;
            if (request.in.isEmpty() || socket->state() != QAbstractSocket::ConnectedState)
                return;
        }
    }

    void reply(QTcpSocket* socket, Request& request)
    {
        request.answered = true;
        socket->write(answer);
        if (closeAfterAnswer)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
};

class TestHttpConnection : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void sameHeadAsNetworkAccessManager_data();
    void sameHeadAsNetworkAccessManager();
};

namespace {

QByteArray gzipped(const QByteArray& data)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-c")});
    gzip.write(data);
    gzip.closeWriteChannel();
    gzip.waitForFinished();
    return gzip.readAllStandardOutput();
}

QByteArray brotli(const QByteArray& data)
{
    QByteArray out(int(BrotliEncoderMaxCompressedSize(size_t(data.size()))), Qt::Uninitialized);
    size_t size = size_t(out.size());
    if (!BrotliEncoderCompress(BROTLI_DEFAULT_QUALITY, BROTLI_DEFAULT_WINDOW, BROTLI_MODE_TEXT,
                               size_t(data.size()), reinterpret_cast<const uint8_t*>(data.constData()), &size,
                               reinterpret_cast<uint8_t*>(out.data())))
        return QByteArray();
    out.truncate(qsizetype(size));
    return out;
}

QByteArray zstd(const QByteArray& data)
{
    QByteArray out(qsizetype(ZSTD_compressBound(size_t(data.size()))), Qt::Uninitialized);
    const size_t size =
        ZSTD_compress(out.data(), size_t(out.size()), data.constData(), size_t(data.size()), 3);
    out.truncate(ZSTD_isError(size) ? 0 : qsizetype(size));
    return out;
}

QByteArray encoded(const QByteArray& encoding, const QByteArray& body)
{
    return "HTTP/1.1 200 OK\r\nContent-Encoding: " + encoding +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// Waits for the reply; false when it does not finish within the time-out.
bool finishes(QNetworkReply* reply)
{
    if (reply->isFinished())
        return true;
    QSignalSpy finished(reply, &QNetworkReply::finished);
    return finished.wait(10000);
}

} // namespace

void TestHttpConnection::answers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("beforeBody");
    QTest::addColumn<bool>("close");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("connections");

    const QByteArray json = "{\"success\":true}";
    QTest::newRow("length given") << "HTTP/1.1 200 OK\r\nContent-Length: 16\r\n\r\n" + json << false << false
                                  << int(QNetworkReply::NoError) << 200 << json << 1;
    QTest::newRow("chunked, with an extension and a trailer")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                      "5;x=y\r\n{\"suc\r\nB\r\ncess\":true}\r\n0\r\nX-Trailer: 1\r\n\r\n")
        << false << false << int(QNetworkReply::NoError) << 200 << json << 1;
    QTest::newRow("HTTP/1.0 to the end of the connection")
        << "HTTP/1.0 200 OK\r\n\r\n" + json << false << true << int(QNetworkReply::NoError) << 200 << json
        << 2;
    QTest::newRow("gzip") << encoded("gzip", gzipped(json)) << false << false << int(QNetworkReply::NoError)
                          << 200 << json << 1;
    QTest::newRow("deflate") << encoded("deflate", qCompress(json).mid(4)) << false << false
                             << int(QNetworkReply::NoError) << 200 << json << 1;
    QTest::newRow("brotli") << encoded("br", brotli(json)) << false << false << int(QNetworkReply::NoError)
                            << 200 << json << 1;
    QTest::newRow("zstd") << encoded("zstd", zstd(json)) << false << false << int(QNetworkReply::NoError)
                          << 200 << json << 1;
    QTest::newRow("zstd cut short") << encoded("zstd", zstd(json).chopped(3)) << false << false
                                    << int(QNetworkReply::ProtocolFailure) << 200 << QByteArray() << 2;
    QTest::newRow("an encoding not offered")
        << encoded("compress", json) << false << false << int(QNetworkReply::ProtocolFailure) << 200
        << QByteArray() << 2;
    QTest::newRow("interim answer first")
        << "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 16\r\n\r\n" + json << false
        << false << int(QNetworkReply::NoError) << 200 << json << 1;
    QTest::newRow("answer before the body: the body still goes, the connection stays")
        << "HTTP/1.1 200 OK\r\nContent-Length: 16\r\n\r\n" + json << true << false
        << int(QNetworkReply::NoError) << 200 << json << 1;
    QTest::newRow("answer before the body, then closed")
        << "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 16\r\n\r\n" + json << true << true
        << int(QNetworkReply::NoError) << 200 << json << 2;
    QTest::newRow("kept alive, then closed by the server while idle")
        << "HTTP/1.1 200 OK\r\nContent-Length: 16\r\n\r\n" + json << false << true
        << int(QNetworkReply::NoError) << 200 << json << 2;
    QTest::newRow("status with its reason")
        << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n") << false << false
        << int(QNetworkReply::ContentNotFoundError) << 404 << QByteArray() << 1;
    QTest::newRow("not HTTP") << QByteArray("HTCPCP/1.0 418 I'm a teapot\r\n\r\n") << false << false
                              << int(QNetworkReply::ProtocolFailure) << 0 << QByteArray() << 2;
    QTest::newRow("closed in the middle of the body")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n{\"su") << false << true
        << int(QNetworkReply::RemoteHostClosedError) << 200 << QByteArray() << 2;
    QTest::newRow("a head without end")
        << "HTTP/1.1 200 OK\r\n" + QByteArray(70 * 1024, 'x') << false << false
        << int(QNetworkReply::ProtocolFailure) << 0 << QByteArray() << 2;
    QTest::newRow("garbled chunk size")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n") << false << false
        << int(QNetworkReply::ProtocolFailure) << 200 << QByteArray() << 2;
}

void TestHttpConnection::answers()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, beforeBody);
    QFETCH(bool, close);
    QFETCH(int, error);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, connections);

    ScriptedServer server;
    server.answer = answer;
    server.answerBeforeBody = beforeBody;
    server.closeAfterAnswer = close;
    QVERIFY(server.listen());
    HttpConnection connection;
    // Two requests in a row: the second goes over the first one's connection when that ended cleanly.
    for (int round = 0; round < 2; ++round) {
        QByteArray content(300 * 1024, char('a' + round));
        QBuffer file(&content);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QNetworkRequest request(QUrl(server.base() + QStringLiteral("/photo/include/asst_file_upload.php")));
        request.setHeader(QNetworkRequest::ContentLengthHeader, content.size());
        std::unique_ptr<QNetworkReply> reply(connection.send("PUT", request, &file));
        QSignalSpy sent(reply.get(), &QNetworkReply::uploadProgress);
        QVERIFY(finishes(reply.get()));
        QCOMPARE(int(reply->error()), error);
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
        if (error == QNetworkReply::NoError || status >= 400) {
            QCOMPARE(reply->readAll(), body);
            QVERIFY(!sent.isEmpty());
            QCOMPARE(sent.last().at(0).toLongLong(), qint64(content.size()));
        }
    }
    QCOMPARE(server.connections, connections);
}

void TestHttpConnection::sameHeadAsNetworkAccessManager_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("lengthGiven");

    QTest::newRow("a file") << QByteArray("PUT") << QByteArray(200 * 1024, 'f') << true;
    QTest::newRow("a folder: no body") << QByteArray("PUT") << QByteArray() << false;
    QTest::newRow("a form") << QByteArray("POST") << QByteArray("--b\r\nkeys\r\n--b--\r\n") << false;
}

void TestHttpConnection::sameHeadAsNetworkAccessManager()
{
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, data);
    QFETCH(bool, lengthGiven);

    ScriptedServer server;
    server.answer = "HTTP/1.1 200 OK\r\nContent-Length: 16\r\n\r\n{\"success\":true}";
    QVERIFY(server.listen());
    QNetworkRequest request(
        QUrl(server.base() + QStringLiteral("/photo/include/asst_upload_init.php?x=%C3%A4")));
    request.setRawHeader("Cookie", "LUMIOSESSID=abc");
    request.setRawHeader("X-PATH", "%2FHoliday");
    if (verb == "POST")
        request.setRawHeader("Content-Type", "multipart/form-data; boundary=b");
    if (lengthGiven)
        request.setHeader(QNetworkRequest::ContentLengthHeader, data.size());
    request.setRawHeader("X-LAST-MODIFIED-TIME", "1700000000");
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);

    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> managed(verb == "PUT" ? manager.put(request, data)
                                                         : manager.post(request, data));
    QVERIFY(finishes(managed.get()));
    HttpConnection connection;
    std::unique_ptr<QNetworkReply> own(connection.send(verb, request, nullptr, data));
    QVERIFY(finishes(own.get()));
    QCOMPARE(own->error(), QNetworkReply::NoError);
    QCOMPARE(server.heads.size(), 2);

    QCOMPARE(server.heads.at(1), server.heads.at(0));
}

LUMIO_TEST_MAIN(TestHttpConnection)
#include "tst_httpconnection.moc"
