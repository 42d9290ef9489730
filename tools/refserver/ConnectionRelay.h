#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

typedef struct ssl_ctx_st SSL_CTX;

// The server's public side on 127.0.0.1. Each client connection is passed byte for byte to the HTTP
// library on its internal port, through TLS when configured, and every request head is recorded on the
// way: the library decodes header values and drops their leading blanks, while the request log and the
// handlers need them exactly as sent. Connections are known by the local port of their internal side,
// which the library reports as the request's remote port. This class is thread safe.
class ConnectionRelay
{
public:
    ConnectionRelay() = default;
    ~ConnectionRelay();
    ConnectionRelay(const ConnectionRelay&) = delete;
    ConnectionRelay& operator=(const ConnectionRelay&) = delete;

    bool useTls(const QString& certificateFile, const QString& keyFile, QString* error);
    // A second identity that new connections get while presentAlternate(true) holds.
    bool useAlternateTls(const QString& certificateFile, const QString& keyFile, QString* error);
    void presentAlternate(bool alternate) { m_presentAlternate = alternate; }
    // Binds 127.0.0.1 at port (0: any free port) and relays to upstreamPort; the bound port or -1.
    int listen(int port, int upstreamPort, QString* error);
    void start();
    void stop();

    // The head of the request with this method and target on the given connection. Heads recorded
    // before it belong to requests the library answered by itself and are forgotten.
    std::optional<QByteArray> takeHead(int upstreamPort, const std::string& method,
                                       const std::string& target);
    // The client connection's running number, from 1 in order of acceptance; 0 for an unknown one.
    int connectionNumber(int upstreamPort);
    // Closes the client's connection at once, without a reply.
    void drop(int upstreamPort);
    // Passes on only the head and the first body byte of the next reply, then closes the connection.
    void cutReply(int upstreamPort);
    // Waits until the client closed the connection, the relay stops or the time is up.
    void waitUntilClosed(int upstreamPort, std::chrono::milliseconds limit);

private:
    class Connection
    {
    public:
        int client = -1;
        int upstream = -1;
        int number = 0;
        std::deque<QByteArray> heads;
        std::atomic<bool> cutReply{false};
        bool clientGone = false; // under the relay's mutex
    };

    void acceptLoop();
    void serveConnection(int client, int number);
    void relay(int client, int upstream, void* ssl, const std::shared_ptr<Connection>& connection);

    std::mutex m_mutex;
    std::condition_variable m_idle;
    std::map<int, std::shared_ptr<Connection>> m_connections;
    int m_active = 0;
    int m_accepted = 0;
    int m_listener = -1;
    int m_upstreamPort = 0;
    std::atomic<bool> m_stopping{false};
    SSL_CTX* m_tls = nullptr;
    SSL_CTX* m_alternateTls = nullptr;
    std::atomic<bool> m_presentAlternate{false};
    std::thread m_acceptor;
};
