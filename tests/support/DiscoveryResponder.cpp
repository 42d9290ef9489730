#include "DiscoveryResponder.h"

#include "CFindHostUDP.h"
#include "TestEnvironment.h"

#include <QProcess>
#include <QRegularExpression>
#include <QUdpSocket>

namespace {

quint16 freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

} // namespace

DiscoveryResponder::DiscoveryResponder() = default;

DiscoveryResponder::~DiscoveryResponder()
{
    stop();
}

void DiscoveryResponder::useLoopbackDiscovery()
{
    qputenv("LUMIO_DISCOVERY_INTERFACES", "lo");
    qputenv("LUMIO_DISCOVERY_TARGET", "127.0.0.1");
    qputenv("LUMIO_DISCOVERY_LISTEN_PORT", QByteArray::number(freeUdpPort()));
    qputenv("LUMIO_DISCOVERY_PORT", QByteArray::number(freeUdpPort()));
}

bool DiscoveryResponder::start(const Identity& identity)
{
    stop();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start(TestEnvironment::binDir() + QStringLiteral("/lumio-discovery-responder"),
                     {QStringLiteral("--bind"),
                      QStringLiteral("127.0.0.1"),
                      QStringLiteral("--port"),
                      QStringLiteral("0"),
                      QStringLiteral("--reply-address"),
                      QStringLiteral("127.0.0.1"),
                      QStringLiteral("--reply-port"),
                      QString::number(CFindHostUDP::listenPort()),
                      QStringLiteral("--name"),
                      identity.name,
                      QStringLiteral("--mac"),
                      identity.mac,
                      QStringLiteral("--ip"),
                      identity.address,
                      QStringLiteral("--http-port"),
                      QString::number(identity.httpPort),
                      QStringLiteral("--build"),
                      QString::number(identity.build),
                      QStringLiteral("--qc-status"),
                      QString::number(identity.qcStatus)});
    if (!m_process->waitForStarted(5000))
        return false;
    QByteArray output;
    while (!output.contains('\n') && m_process->waitForReadyRead(5000))
        output += m_process->readAllStandardOutput();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"))
            .match(QString::fromLatin1(output));
    if (!match.hasMatch())
        return false;
    qputenv("LUMIO_DISCOVERY_PORT", match.captured(1).toLatin1());
    return true;
}

void DiscoveryResponder::stop()
{
    if (!m_process)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(3000))
        m_process->kill();
    m_process->waitForFinished(3000);
    m_process.reset();
}
