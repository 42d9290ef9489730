#include "HttpConnection.h"

#include "HttpConnectionReply.h"

#include <QIODevice>
#include <QLocale>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

#include <brotli/decode.h>
#include <zlib.h>
#include <zstd.h>

#include <cerrno>
#include <sys/socket.h>

namespace {

// Enough queued in the socket to keep the line busy between two wake-ups.
const qint64 kQueuedBytes = 1024 * 1024;
const qint64 kReadPiece = 256 * 1024;
// The server's answers are short JSON texts; anything far larger is not one of them.
const qint64 kLongestHead = 64 * 1024;
const qint64 kLongestBody = 16 * 1024 * 1024;

QByteArray acceptLanguage()
{
    const QString locale = QLocale::system().name().replace(QLatin1Char('_'), QLatin1Char('-'));
    if (locale == QLatin1String("C"))
        return "en,*";
    if (locale.startsWith(QLatin1String("en-")))
        return locale.toLatin1() + ",*";
    return locale.toLatin1() + ",en,*";
}

// The error the network access manager gives a reply with this status.
QNetworkReply::NetworkError statusError(int status)
{
    switch (status) {
    case 400:
    case 418:
        return QNetworkReply::ProtocolInvalidOperationError;
    case 401:
        return QNetworkReply::AuthenticationRequiredError;
    case 403:
        return QNetworkReply::ContentAccessDenied;
    case 404:
        return QNetworkReply::ContentNotFoundError;
    case 405:
        return QNetworkReply::ContentOperationNotPermittedError;
    case 407:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    case 409:
        return QNetworkReply::ContentConflictError;
    case 410:
        return QNetworkReply::ContentGoneError;
    case 500:
        return QNetworkReply::InternalServerError;
    case 501:
        return QNetworkReply::OperationNotImplementedError;
    case 503:
        return QNetworkReply::ServiceUnavailableError;
    default:
        if (status > 500)
            return QNetworkReply::UnknownServerError;
        return status >= 400 ? QNetworkReply::UnknownContentError : QNetworkReply::NoError;
    }
}

QNetworkReply::NetworkError socketError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QNetworkReply::ConnectionRefusedError;
    case QAbstractSocket::RemoteHostClosedError:
        return QNetworkReply::RemoteHostClosedError;
    case QAbstractSocket::HostNotFoundError:
        return QNetworkReply::HostNotFoundError;
    case QAbstractSocket::SocketTimeoutError:
        return QNetworkReply::TimeoutError;
    case QAbstractSocket::SslHandshakeFailedError:
        return QNetworkReply::SslHandshakeFailedError;
    case QAbstractSocket::NetworkError:
        return QNetworkReply::TemporaryNetworkFailureError;
    case QAbstractSocket::ProxyConnectionRefusedError:
        return QNetworkReply::ProxyConnectionRefusedError;
    case QAbstractSocket::ProxyConnectionClosedError:
        return QNetworkReply::ProxyConnectionClosedError;
    case QAbstractSocket::ProxyNotFoundError:
        return QNetworkReply::ProxyNotFoundError;
    case QAbstractSocket::ProxyConnectionTimeoutError:
        return QNetworkReply::ProxyTimeoutError;
    case QAbstractSocket::ProxyAuthenticationRequiredError:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    default:
        return QNetworkReply::UnknownNetworkError;
    }
}

// gzip or zlib-wrapped deflate, as servers send both for "deflate"; false when the bytes are neither.
bool inflateBody(QByteArray* body)
{
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 32) != Z_OK)
        return false;
    QByteArray out;
    stream.next_in = reinterpret_cast<Bytef*>(body->data());
    stream.avail_in = uInt(body->size());
    int status = Z_OK;
    char buffer[64 * 1024];
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = ::inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        if (out.size() > kLongestBody)
            status = Z_MEM_ERROR;
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return false;
    *body = out;
    return true;
}

bool unbrotliBody(QByteArray* body)
{
    BrotliDecoderState* state = BrotliDecoderCreateInstance(nullptr, nullptr, nullptr);
    if (state == nullptr)
        return false;
    QByteArray out;
    size_t availableIn = size_t(body->size());
    const uint8_t* nextIn = reinterpret_cast<const uint8_t*>(body->constData());
    BrotliDecoderResult result = BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT;
    uint8_t buffer[64 * 1024];
    while (result == BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT && out.size() <= kLongestBody) {
        size_t availableOut = sizeof buffer;
        uint8_t* nextOut = buffer;
        result =
            BrotliDecoderDecompressStream(state, &availableIn, &nextIn, &availableOut, &nextOut, nullptr);
        out.append(reinterpret_cast<const char*>(buffer), qsizetype(sizeof buffer - availableOut));
    }
    BrotliDecoderDestroyInstance(state);
    if (result != BROTLI_DECODER_RESULT_SUCCESS || out.size() > kLongestBody)
        return false;
    *body = out;
    return true;
}

bool unzstdBody(QByteArray* body)
{
    ZSTD_DStream* stream = ZSTD_createDStream();
    if (stream == nullptr)
        return false;
    QByteArray out;
    ZSTD_inBuffer in{body->constData(), size_t(body->size()), 0};
    char buffer[64 * 1024];
    size_t status = 1;
    while (status != 0 && out.size() <= kLongestBody) {
        ZSTD_outBuffer chunk{buffer, sizeof buffer, 0};
        status = ZSTD_decompressStream(stream, &chunk, &in);
        if (ZSTD_isError(status))
            break;
        out.append(buffer, qsizetype(chunk.pos));
        // Input used up with a frame still open: the answer was cut short.
        if (status != 0 && in.pos == in.size && chunk.pos < chunk.size)
            break;
    }
    ZSTD_freeDStream(stream);
    if (status != 0 || out.size() > kLongestBody)
        return false;
    *body = out;
    return true;
}

// The body in the encoding the server named; false when it cannot be decoded.
bool decodeBody(const QByteArray& encoding, QByteArray* body)
{
    if (encoding.isEmpty() || encoding == "identity" || body->isEmpty())
        return true;
    if (encoding == "gzip" || encoding == "x-gzip" || encoding == "deflate")
        return inflateBody(body);
    if (encoding == "br")
        return unbrotliBody(body);
    if (encoding == "zstd")
        return unzstdBody(body);
    return false;
}

bool hasField(const QList<QPair<QByteArray, QByteArray>>& fields, const QByteArray& name)
{
    for (const auto& field : fields) {
        if (field.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

HttpConnection::HttpConnection(QObject* parent) : QObject(parent) {}

HttpConnection::~HttpConnection()
{
    if (m_reply)
        fail(QNetworkReply::OperationCanceledError, QStringLiteral("Operation canceled"));
    if (m_socket)
        m_socket->disconnect(this);
}

QByteArray HttpConnection::requestHead(const QByteArray& verb, const QNetworkRequest& request,
                                       qint64 bodyLength)
{
    const QUrl url = request.url();
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();

    QList<QPair<QByteArray, QByteArray>> fields;
    for (const QByteArray& name : request.rawHeaderList()) {
        QByteArray value = request.rawHeader(name);
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            value = QByteArray::number(qMin(value.toLongLong(), bodyLength));
        fields.append(qMakePair(name, value));
    }
    const bool carriesBody = bodyLength > 0 || verb == "PUT" || verb == "POST";
    if (carriesBody && !hasField(fields, "Content-Length"))
        fields.append(qMakePair(QByteArray("Content-Length"), QByteArray::number(bodyLength)));
    if (!hasField(fields, "Connection"))
        fields.append(qMakePair(QByteArray("Connection"), QByteArray("Keep-Alive")));
    if (!hasField(fields, "Accept-Encoding"))
        fields.append(qMakePair(QByteArray("Accept-Encoding"), QByteArray("zstd, br, gzip, deflate")));
    if (!hasField(fields, "Accept-Language"))
        fields.append(qMakePair(QByteArray("Accept-Language"), acceptLanguage()));
    if (!hasField(fields, "User-Agent"))
        fields.append(qMakePair(QByteArray("User-Agent"), QByteArray("Mozilla/5.0")));
    if (!hasField(fields, "Host")) {
        QByteArray host = QUrl::toAce(url.host());
        if (url.host().contains(QLatin1Char(':')))
            host = '[' + url.host().toLatin1() + ']';
        if (url.port() != -1)
            host += ':' + QByteArray::number(url.port());
        fields.prepend(qMakePair(QByteArray("Host"), host));
    }

    QByteArray head = verb + ' ' + target + " HTTP/1.1\r\n";
    for (const auto& [name, value] : fields)
        head += name + ": " + value + "\r\n";
    if (verb == "POST" && bodyLength > 0 && !hasField(fields, "Content-Type"))
        head += "Content-Type: application/x-www-form-urlencoded\r\n";
    return head + "\r\n";
}

QNetworkReply* HttpConnection::send(const QByteArray& verb, const QNetworkRequest& request, QIODevice* body,
                                    const QByteArray& data)
{
    const QNetworkAccessManager::Operation operation = verb == "PUT"    ? QNetworkAccessManager::PutOperation
                                                       : verb == "POST" ? QNetworkAccessManager::PostOperation
                                                       : verb == "GET"
                                                           ? QNetworkAccessManager::GetOperation
                                                           : QNetworkAccessManager::CustomOperation;
    auto* reply = new HttpConnectionReply(this, request, operation);
    if (m_reply)
        fail(QNetworkReply::OperationCanceledError, QStringLiteral("Operation canceled"));
    m_reply = reply;
    m_bodyDevice = body;
    m_bodyData = body ? QByteArray() : data;
    m_bodyLength = body ? body->size() : data.size();
    const QVariant announced = request.header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid())
        m_bodyLength = qMin(m_bodyLength, announced.toLongLong());
    m_head = requestHead(verb, request, m_bodyLength);
    m_bodyQueued = 0;
    m_bodyReported = 0;
    m_answer = Answer();
    if (body)
        m_deviceReady = connect(body, &QIODevice::readyRead, this, &HttpConnection::writeBody);

    m_url = request.url();
    m_headSent = false;
    m_reopened = false;
    const bool secure = m_url.scheme() == QLatin1String("https");
    const int port = m_url.port(secure ? 443 : 80);
    const bool reusable = m_socket && m_socket->state() == QAbstractSocket::ConnectedState &&
                          m_host == m_url.host() && m_port == port && m_secure == secure &&
                          (!secure || m_socket->isEncrypted()) && m_socket->bytesAvailable() == 0 &&
                          peerWaiting();
    if (!reusable) {
        m_host = m_url.host();
        m_port = port;
        m_secure = secure;
        openSocket(m_url);
    } else {
        // Like a reply of the network access manager, this one finishes only from the event loop.
        m_phase = Phase::Connecting;
        QTimer::singleShot(0, this, [this, reply] {
            if (m_reply == reply)
                slotConnected();
        });
    }
    return reply;
}

void HttpConnection::drop()
{
    if (m_reply)
        fail(QNetworkReply::OperationCanceledError, QStringLiteral("Operation canceled"));
    discardSocket();
}

bool HttpConnection::peerWaiting() const
{
    // Between two files the thread does not look at the socket, so a server that closed the idle
    // connection (its keep-alive time is often a few seconds, a video conversion takes longer) has
    // not been noticed yet. The kernel knows: nothing to read means the server is still listening.
    char byte = 0;
    const ssize_t peeked = ::recv(int(m_socket->socketDescriptor()), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    return peeked < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
}

void HttpConnection::discardSocket()
{
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    // The socket may be the sender of the signal being handled.
    m_socket.release()->deleteLater();
}

void HttpConnection::openSocket(const QUrl& url)
{
    discardSocket();
    m_socket = std::make_unique<QSslSocket>();
    QSslSocket* socket = m_socket.get();
    connect(socket, &QSslSocket::bytesWritten, this, &HttpConnection::slotBytesWritten);
    connect(socket, &QSslSocket::readyRead, this, &HttpConnection::slotReadyRead);
    connect(socket, &QSslSocket::disconnected, this, &HttpConnection::slotDisconnected);
    connect(socket, &QSslSocket::errorOccurred, this, &HttpConnection::slotSocketError);
    m_phase = Phase::Connecting;
    if (!m_secure) {
        connect(socket, &QSslSocket::connected, this, &HttpConnection::slotConnected);
        socket->connectToHost(url.host(), quint16(m_port));
        return;
    }
    connect(socket, &QSslSocket::encrypted, this, &HttpConnection::slotConnected);
    connect(socket, &QSslSocket::sslErrors, this, &HttpConnection::slotSslErrors);
    connect(socket, &QSslSocket::newSessionTicketReceived, this,
            [this, socket] { m_sessionTicket = socket->sslConfiguration().sessionTicket(); });
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    // A connection opened again after a failure resumes the earlier session instead of a full handshake.
    configuration.setSslOption(QSsl::SslOptionDisableSessionPersistence, false);
    if (!m_sessionTicket.isEmpty())
        configuration.setSessionTicket(m_sessionTicket);
    configuration.setAllowedNextProtocols({QSslConfiguration::NextProtocolHttp1_1});
    socket->setSslConfiguration(configuration);
    socket->connectToHostEncrypted(url.host(), quint16(m_port));
}

void HttpConnection::slotConnected()
{
    if (!m_reply || m_phase != Phase::Connecting)
        return;
    m_phase = Phase::Exchanging;
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (m_secure) {
        const QByteArray ticket = m_socket->sslConfiguration().sessionTicket();
        if (!ticket.isEmpty())
            m_sessionTicket = ticket;
        m_reply->setSslConfigurationFrom(m_socket->sslConfiguration());
    }
    m_socket->write(m_head);
    m_headSent = true;
    writeBody();
}

void HttpConnection::writeBody()
{
    if (!m_reply || m_phase != Phase::Exchanging)
        return;
    while (m_bodyQueued < m_bodyLength && m_socket->bytesToWrite() < kQueuedBytes) {
        const qint64 wanted = qMin(kReadPiece, m_bodyLength - m_bodyQueued);
        if (!m_bodyDevice) {
            m_socket->write(m_bodyData.constData() + m_bodyQueued, wanted);
            m_bodyQueued += wanted;
            continue;
        }
        const QByteArray piece = m_bodyDevice->read(wanted);
        if (piece.isEmpty()) {
            // Nothing for now (a bandwidth limit): readyRead() brings the rest. A file that ends
            // before its announced length can never complete the request.
            if (m_bodyDevice->atEnd() || !m_bodyDevice->isOpen())
                fail(QNetworkReply::UnknownNetworkError,
                     QStringLiteral("The body ended after %1 of its %2 bytes")
                         .arg(m_bodyQueued)
                         .arg(m_bodyLength));
            return;
        }
        m_socket->write(piece);
        m_bodyQueued += piece.size();
    }
}

void HttpConnection::slotBytesWritten()
{
    if (!m_reply || m_phase != Phase::Exchanging)
        return;
    const qint64 out = m_head.size() + m_bodyQueued - m_socket->bytesToWrite();
    const qint64 sent = qBound<qint64>(0, out - m_head.size(), m_bodyLength);
    if (sent > m_bodyReported) {
        m_bodyReported = sent;
        m_reply->noteSent(sent, m_bodyLength);
    }
    writeBody();
    if (m_reply && m_answer.answered && bodyOut())
        finishAnswered();
}

void HttpConnection::slotReadyRead()
{
    m_answer.in += m_socket->readAll();
    if (!m_reply || m_phase != Phase::Exchanging) {
        // Bytes no request asked for: the connection cannot be trusted with the next one.
        drop();
        return;
    }
    if (m_answer.answered) {
        // More than the answer: the connection cannot be trusted with the next request.
        m_answer.keepAlive = false;
        finishAnswered();
        return;
    }
    parseResponse();
}

bool HttpConnection::parseResponse()
{
    if (!m_answer.headDone && !parseHead())
        return false;
    return parseBody();
}

bool HttpConnection::parseHead()
{
    while (!m_answer.headDone) {
        const qsizetype end = m_answer.in.indexOf('\n');
        if (end < 0) {
            if (m_answer.in.size() > kLongestHead)
                fail(QNetworkReply::ProtocolFailure,
                     QStringLiteral("The server's answer has no end of its head"));
            return false;
        }
        QByteArray line = m_answer.in.left(end);
        m_answer.in.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (m_answer.status == 0) {
            const QList<QByteArray> parts = line.split(' ');
            bool number = false;
            const int status = parts.size() >= 2 ? parts.at(1).toInt(&number) : 0;
            if (!line.startsWith("HTTP/1.") || !number || status < 100 || status > 999) {
                fail(QNetworkReply::ProtocolFailure, QStringLiteral("The server's answer is not HTTP"));
                return false;
            }
            m_answer.status = status;
            m_answer.reason = line.mid(parts.at(0).size() + parts.at(1).size() + 2).trimmed();
            m_answer.keepAlive = !line.startsWith("HTTP/1.0");
            continue;
        }
        if (!line.isEmpty()) {
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0) {
                fail(QNetworkReply::ProtocolFailure,
                     QStringLiteral("The server's answer has a garbled field"));
                return false;
            }
            m_answer.fields.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
            continue;
        }
        // An interim answer (100 Continue) comes before the real one.
        if (m_answer.status < 200 && m_answer.status != 101) {
            m_answer.status = 0;
            m_answer.fields.clear();
            continue;
        }
        m_answer.headDone = true;
    }

    qint64 length = -1;
    for (const auto& [name, value] : std::as_const(m_answer.fields)) {
        const QByteArray lower = value.toLower();
        if (name.compare("Connection", Qt::CaseInsensitive) == 0) {
            if (lower.contains("close"))
                m_answer.keepAlive = false;
            else if (lower.contains("keep-alive"))
                m_answer.keepAlive = true;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            m_answer.chunked = lower.contains("chunked");
        } else if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            bool number = false;
            length = value.toLongLong(&number);
            if (!number || length < 0 || length > kLongestBody) {
                fail(QNetworkReply::ProtocolFailure, QStringLiteral("The server's answer has a bad length"));
                return false;
            }
        } else if (name.compare("Content-Encoding", Qt::CaseInsensitive) == 0) {
            m_answer.encoding = lower;
        }
    }
    if (m_answer.status == 204 || m_answer.status == 304)
        m_answer.remaining = 0;
    else if (m_answer.chunked)
        m_answer.remaining = -1;
    else if (length >= 0)
        m_answer.remaining = length;
    else
        m_answer.untilClose = true;
    m_reply->noteHead(m_answer.status, m_answer.reason, m_answer.fields);
    return true;
}

bool HttpConnection::parseBody()
{
    if (m_answer.untilClose) {
        m_answer.body += m_answer.in;
        m_answer.in.clear();
        if (m_answer.body.size() > kLongestBody)
            fail(QNetworkReply::ProtocolFailure, QStringLiteral("The server's answer is too long"));
        return false;
    }
    for (;;) {
        if (m_answer.remaining > 0) {
            const qint64 take = qMin<qint64>(m_answer.remaining, m_answer.in.size());
            m_answer.body += m_answer.in.left(take);
            m_answer.in.remove(0, take);
            m_answer.remaining -= take;
            if (m_answer.remaining > 0)
                return false;
            if (m_answer.chunked)
                m_answer.remaining = -2;
            continue;
        }
        if (m_answer.remaining == 0)
            break;
        const qsizetype end = m_answer.in.indexOf('\n');
        if (end < 0) {
            if (m_answer.in.size() > kLongestHead)
                fail(QNetworkReply::ProtocolFailure,
                     QStringLiteral("The server's answer has a garbled chunk"));
            return false;
        }
        QByteArray line = m_answer.in.left(end).trimmed();
        m_answer.in.remove(0, end + 1);
        if (m_answer.remaining == -2) {
            m_answer.remaining = -1;
        } else if (m_answer.remaining == -3) {
            if (line.isEmpty())
                m_answer.remaining = 0;
        } else {
            bool number = false;
            const qint64 size = line.split(';').first().trimmed().toLongLong(&number, 16);
            if (!number || size < 0 || m_answer.body.size() + size > kLongestBody) {
                fail(QNetworkReply::ProtocolFailure,
                     QStringLiteral("The server's answer has a garbled chunk"));
                return false;
            }
            m_answer.remaining = size > 0 ? size : -3;
        }
    }
    // A server may answer before it has read the whole body (nginx does for a fixed answer). The
    // rest still goes out, so that the connection stays usable, unless the server closes it.
    m_answer.answered = true;
    if (!m_answer.keepAlive || bodyOut())
        finishAnswered();
    return true;
}

bool HttpConnection::bodyOut() const
{
    return m_bodyQueued == m_bodyLength && m_socket && m_socket->bytesToWrite() == 0;
}

void HttpConnection::finishAnswered()
{
    const QNetworkReply::NetworkError error = statusError(m_answer.status);
    finish(error, error == QNetworkReply::NoError
                      ? QString()
                      : QStringLiteral("Error transferring %1 - server replied: %2")
                            .arg(m_reply->url().toString(), QString::fromLatin1(m_answer.reason)));
}

void HttpConnection::finish(QNetworkReply::NetworkError error, const QString& text)
{
    if (!decodeBody(m_answer.encoding, &m_answer.body)) {
        fail(QNetworkReply::ProtocolFailure, QStringLiteral("The server's answer cannot be decoded"));
        return;
    }
    // A connection is only used again when the exchange ended cleanly on both sides.
    const bool reusable = m_answer.keepAlive && !m_answer.untilClose && m_bodyQueued == m_bodyLength &&
                          m_answer.in.isEmpty() && m_socket && m_socket->bytesToWrite() == 0;
    HttpConnectionReply* reply = m_reply;
    const QByteArray body = m_answer.body;
    m_reply = nullptr;
    m_phase = Phase::Idle;
    disconnect(m_deviceReady);
    m_bodyDevice = nullptr;
    m_bodyData.clear();
    m_answer.body.clear();
    if (!reusable)
        drop();
    if (reply)
        reply->finishWith(body, error, text);
}

void HttpConnection::fail(QNetworkReply::NetworkError error, const QString& text)
{
    m_answer.keepAlive = false;
    m_answer.encoding.clear();
    m_answer.body.clear();
    finish(error, text);
}

void HttpConnection::slotDisconnected()
{
    if (m_reply && (m_answer.answered || (m_answer.headDone && m_answer.untilClose))) {
        m_answer.untilClose = false;
        m_answer.keepAlive = false;
        finishAnswered();
        return;
    }
    if (reopenUnsent())
        return;
    if (m_reply)
        fail(QNetworkReply::RemoteHostClosedError, QStringLiteral("Connection closed"));
    else
        drop();
}

bool HttpConnection::reopenUnsent()
{
    // A kept connection that ends before any of the request went out has lost nothing: the request
    // goes over a new one, once.
    if (!m_reply || m_headSent || m_reopened)
        return false;
    m_reopened = true;
    openSocket(m_url);
    return true;
}

void HttpConnection::slotSocketError()
{
    const QAbstractSocket::SocketError error = m_socket->error();
    if (error == QAbstractSocket::RemoteHostClosedError) {
        slotDisconnected();
        return;
    }
    if (error != QAbstractSocket::SslHandshakeFailedError &&
        error != QAbstractSocket::ConnectionRefusedError && error != QAbstractSocket::HostNotFoundError &&
        reopenUnsent())
        return;
    const QString text = m_socket->errorString();
    if (m_reply)
        fail(socketError(error), text);
    else
        drop();
}

void HttpConnection::slotSslErrors(const QList<QSslError>& errors)
{
    if (!m_reply)
        return;
    m_reply->setSslConfigurationFrom(m_socket->sslConfiguration());
    m_reply->noteSslErrors(errors);
}

void HttpConnection::abortRequest(HttpConnectionReply* reply)
{
    if (reply == m_reply)
        fail(QNetworkReply::OperationCanceledError, QStringLiteral("Operation canceled"));
}

void HttpConnection::ignoreSslErrors(const QList<QSslError>& errors)
{
    if (m_socket)
        m_socket->ignoreSslErrors(errors);
}
