#include "ConnectionRelay.h"

#include "RequestHeadParser.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

const size_t kBufferSize = 64 * 1024;
const int kIdleTimeoutMs = 120 * 1000;

// Reads from or writes to the client side. Returns the byte count, 0 at the end of the stream, -1 when the
// call must wait for the poll events in *wait, and -2 on failure.
ssize_t clientIo(SSL* ssl, int fd, char* data, size_t size, bool writing, short* wait)
{
    if (!ssl) {
        const ssize_t n = writing ? send(fd, data, size, MSG_NOSIGNAL) : recv(fd, data, size, 0);
        if (n >= 0)
            return n;
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            *wait = writing ? POLLOUT : POLLIN;
            return -1;
        }
        return -2;
    }
    const int n = writing ? SSL_write(ssl, data, int(size)) : SSL_read(ssl, data, int(size));
    if (n > 0)
        return n;
    switch (SSL_get_error(ssl, n)) {
    case SSL_ERROR_WANT_READ:
        *wait = POLLIN;
        return -1;
    case SSL_ERROR_WANT_WRITE:
        *wait = POLLOUT;
        return -1;
    case SSL_ERROR_ZERO_RETURN:
        return 0;
    default:
        ERR_clear_error();
        return -2;
    }
}

int connectUpstream(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0)
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

int localPort(int fd)
{
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return -1;
    return ntohs(address.sin_port);
}

} // namespace

ConnectionRelay::~ConnectionRelay()
{
    stop();
    if (m_tls)
        SSL_CTX_free(m_tls);
    if (m_alternateTls)
        SSL_CTX_free(m_alternateTls);
}

namespace {

SSL_CTX* loadTlsContext(const QString& certificateFile, const QString& keyFile, QString* error)
{
    SSL_CTX* context = SSL_CTX_new(TLS_server_method());
    if (!context ||
        SSL_CTX_use_certificate_chain_file(context, certificateFile.toLocal8Bit().constData()) != 1 ||
        SSL_CTX_use_PrivateKey_file(context, keyFile.toLocal8Bit().constData(), SSL_FILETYPE_PEM) != 1 ||
        SSL_CTX_check_private_key(context) != 1) {
        *error = QStringLiteral("cannot load the certificate %1 and key %2").arg(certificateFile, keyFile);
        SSL_CTX_free(context);
        return nullptr;
    }
    SSL_CTX_set_mode(context, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    return context;
}

} // namespace

bool ConnectionRelay::useTls(const QString& certificateFile, const QString& keyFile, QString* error)
{
    m_tls = loadTlsContext(certificateFile, keyFile, error);
    return m_tls != nullptr;
}

bool ConnectionRelay::useAlternateTls(const QString& certificateFile, const QString& keyFile, QString* error)
{
    m_alternateTls = loadTlsContext(certificateFile, keyFile, error);
    return m_alternateTls != nullptr;
}

int ConnectionRelay::listen(int port, int upstreamPort, QString* error)
{
    m_upstreamPort = upstreamPort;
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(m_listener, 64) != 0) {
        *error = QStringLiteral("cannot listen on 127.0.0.1:%1: %2")
                     .arg(port)
                     .arg(QString::fromLocal8Bit(strerror(errno)));
        return -1;
    }
    return localPort(m_listener);
}

void ConnectionRelay::start()
{
    m_acceptor = std::thread(&ConnectionRelay::acceptLoop, this);
}

void ConnectionRelay::stop()
{
    if (m_stopping.exchange(true))
        return;
    if (m_listener >= 0)
        shutdown(m_listener, SHUT_RDWR);
    if (m_acceptor.joinable())
        m_acceptor.join();
    if (m_listener >= 0)
        close(m_listener);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (const auto& [port, connection] : m_connections) {
        shutdown(connection->client, SHUT_RDWR);
        shutdown(connection->upstream, SHUT_RDWR);
    }
    m_idle.wait_for(lock, std::chrono::seconds(5), [this] { return m_active == 0; });
}

std::optional<QByteArray> ConnectionRelay::takeHead(int upstreamPort, const std::string& method,
                                                    const std::string& target)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_connections.find(upstreamPort);
    if (it == m_connections.end())
        return std::nullopt;
    const QByteArray requestLine =
        QByteArray::fromStdString(method) + ' ' + QByteArray::fromStdString(target) + ' ';
    std::deque<QByteArray>& heads = it->second->heads;
    while (!heads.empty()) {
        QByteArray head = std::move(heads.front());
        heads.pop_front();
        if (head.startsWith(requestLine))
            return head;
    }
    return std::nullopt;
}

int ConnectionRelay::connectionNumber(int upstreamPort)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_connections.find(upstreamPort);
    return it == m_connections.end() ? 0 : it->second->number;
}

void ConnectionRelay::drop(int upstreamPort)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_connections.find(upstreamPort);
    if (it == m_connections.end())
        return;
    shutdown(it->second->client, SHUT_RDWR);
    shutdown(it->second->upstream, SHUT_RDWR);
}

void ConnectionRelay::cutReply(int upstreamPort)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_connections.find(upstreamPort);
    if (it != m_connections.end())
        it->second->cutReply = true;
}

void ConnectionRelay::waitUntilClosed(int upstreamPort, std::chrono::milliseconds limit)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait_for(lock, limit, [this, upstreamPort] {
        const auto it = m_connections.find(upstreamPort);
        return m_stopping || it == m_connections.end() || it->second->clientGone;
    });
}

void ConnectionRelay::acceptLoop()
{
    while (!m_stopping) {
        const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED || errno == EMFILE || errno == ENFILE)
                continue;
            break;
        }
        int number = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_active;
            number = ++m_accepted;
        }
        std::thread(&ConnectionRelay::serveConnection, this, client, number).detach();
    }
}

void ConnectionRelay::serveConnection(int client, int number)
{
    const int on = 1;
    setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
    SSL* ssl = nullptr;
    bool ready = true;
    if (m_tls) {
        // The handshake runs blocking, bounded by a receive time-out; the relay itself polls.
        const timeval handshakeTimeout{10, 0};
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &handshakeTimeout, sizeof(handshakeTimeout));
        ssl = SSL_new(m_presentAlternate && m_alternateTls ? m_alternateTls : m_tls);
        ready = ssl && SSL_set_fd(ssl, client) == 1 && SSL_accept(ssl) == 1;
        ERR_clear_error();
    }
    const int upstream = ready ? connectUpstream(m_upstreamPort) : -1;
    if (upstream >= 0) {
        setsockopt(upstream, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
        auto connection = std::make_shared<Connection>();
        connection->client = client;
        connection->upstream = upstream;
        connection->number = number;
        const int port = localPort(upstream);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_connections[port] = connection;
        }
        if (!m_stopping)
            relay(client, upstream, ssl, connection);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_connections.erase(port);
        m_idle.notify_all();
    }
    if (ssl) {
        SSL_shutdown(ssl);
        SSL_free(ssl);
        ERR_clear_error();
    }
    if (upstream >= 0)
        close(upstream);
    close(client);
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_active;
    m_idle.notify_all();
}

void ConnectionRelay::relay(int client, int upstream, void* tls,
                            const std::shared_ptr<Connection>& connection)
{
    SSL* ssl = static_cast<SSL*>(tls);
    fcntl(client, F_SETFL, fcntl(client, F_GETFL) | O_NONBLOCK);
    fcntl(upstream, F_SETFL, fcntl(upstream, F_GETFL) | O_NONBLOCK);
    std::vector<char> toUpstream(kBufferSize);
    std::vector<char> toClient(kBufferSize);
    size_t upLength = 0, upSent = 0, downLength = 0, downSent = 0;
    bool clientDone = false, upstreamDone = false, cutAfterSending = false;
    short clientReadWait = POLLIN, clientWriteWait = POLLOUT;
    RequestHeadParser parser;
    std::vector<QByteArray> heads;

    while (true) {
        bool progress = false;
        if (upLength == 0 && !clientDone) {
            const ssize_t n =
                clientIo(ssl, client, toUpstream.data(), toUpstream.size(), false, &clientReadWait);
            if (n == -2)
                return;
            if (n == 0) {
                clientDone = true;
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    connection->clientGone = true;
                }
                m_idle.notify_all();
                shutdown(upstream, SHUT_WR);
                progress = true;
            } else if (n > 0) {
                // Heads are recorded before the bytes move on, so a handler always finds its own.
                parser.feed(toUpstream.data(), size_t(n), &heads);
                if (!heads.empty()) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    for (QByteArray& head : heads)
                        connection->heads.push_back(std::move(head));
                    heads.clear();
                }
                upLength = size_t(n);
                upSent = 0;
                progress = true;
            }
        }
        if (upLength > 0) {
            const ssize_t n = send(upstream, toUpstream.data() + upSent, upLength - upSent, MSG_NOSIGNAL);
            if (n > 0) {
                upSent += size_t(n);
                if (upSent == upLength)
                    upLength = 0;
                progress = true;
            } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                return;
            }
        }
        if (downLength == 0 && !upstreamDone) {
            const ssize_t n = recv(upstream, toClient.data(), toClient.size(), 0);
            if (n > 0) {
                downLength = size_t(n);
                downSent = 0;
                progress = true;
                if (connection->cutReply) {
                    const QByteArray received = QByteArray::fromRawData(toClient.data(), qsizetype(n));
                    const qsizetype headEnd = received.indexOf("\r\n\r\n");
                    if (headEnd >= 0) {
                        downLength = qMin(size_t(n), size_t(headEnd) + 5);
                        cutAfterSending = true;
                    }
                }
            } else if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
                upstreamDone = true;
                progress = true;
            }
        }
        if (downLength > 0) {
            const ssize_t n = clientIo(ssl, client, toClient.data() + downSent, downLength - downSent, true,
                                       &clientWriteWait);
            if (n < -1)
                return;
            if (n > 0) {
                downSent += size_t(n);
                if (downSent == downLength)
                    downLength = 0;
                progress = true;
            }
        }
        if ((upstreamDone || cutAfterSending) && downLength == 0)
            return;
        if (progress)
            continue;

        pollfd fds[2] = {{client, 0, 0}, {upstream, 0, 0}};
        if (upLength == 0 && !clientDone)
            fds[0].events |= clientReadWait;
        if (downLength > 0)
            fds[0].events |= clientWriteWait;
        if (downLength == 0 && !upstreamDone)
            fds[1].events |= POLLIN;
        if (upLength > 0)
            fds[1].events |= POLLOUT;
        const int ready = poll(fds, 2, kIdleTimeoutMs);
        if (ready == 0 || (ready < 0 && errno != EINTR) || m_stopping)
            return;
        // A side that hung up while nothing was to be read from it can take no more data: stop rather
        // than wake up again and again.
        for (const pollfd& fd : fds) {
            if ((fd.revents & (POLLERR | POLLNVAL)) || ((fd.revents & POLLHUP) && !(fd.events & POLLIN)))
                return;
        }
    }
}
