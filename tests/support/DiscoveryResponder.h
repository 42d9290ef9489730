#pragma once

#include <QString>

#include <memory>

class QProcess;

// One Korvat server answering discovery queries on loopback (lumio-discovery-responder from the bin
// folder) as a child process of a test. useLoopbackDiscovery() must run first: it keeps this process's
// queries and its listener on loopback.
class DiscoveryResponder
{
public:
    struct Identity
    {
        QString name = QStringLiteral("lumio-reference");
        QString mac = QStringLiteral("02:00:00:00:00:01");
        QString address = QStringLiteral("127.0.0.1");
        int httpPort = 0;
        int build = 1240;
        int qcStatus = 1;
    };

    DiscoveryResponder();
    ~DiscoveryResponder();
    DiscoveryResponder(const DiscoveryResponder&) = delete;
    DiscoveryResponder& operator=(const DiscoveryResponder&) = delete;

    // Discovery of this process: loopback only, queries to a port nobody answers until start().
    static void useLoopbackDiscovery();

    // Answers this process's queries from now on; false when the responder did not come up.
    bool start(const Identity& identity);
    void stop();

private:
    std::unique_ptr<QProcess> m_process;
};
