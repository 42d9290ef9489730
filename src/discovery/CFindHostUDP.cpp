#include "CFindHostUDP.h"

#include "CredentialObscurer.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDebug>
#include <QMutexLocker>

#include <arpa/inet.h>
#include <cstring>
#include <sys/socket.h>

std::atomic<CFindHostUDP*> CFindHostUDP::s_current{nullptr};
QMutex CFindHostUDP::s_sessionMutex;
QMutex CFindHostUDP::s_typesMutex;
QList<qint32> CFindHostUDP::s_acceptedTypes;

namespace {

void toQtDebug(void*, const char* text)
{
    QByteArray line(text);
    while (line.endsWith('\n'))
        line.chop(1);
    qDebug().noquote() << QString::fromLocal8Bit(line);
}

QString dotted(quint32 networkOrder)
{
    char text[INET_ADDRSTRLEN] = {};
    in_addr address{};
    address.s_addr = networkOrder;
    inet_ntop(AF_INET, &address, text, sizeof text);
    return QString::fromLatin1(text);
}

quint16 portFromEnvironment(const char* name, quint16 fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 && value <= 65535 ? static_cast<quint16>(value) : fallback;
}

// Copies a text into a fixed field, cut to fit with its terminator.
template <std::size_t N> void copyField(char (&field)[N], const QByteArray& text)
{
    const std::size_t length = qMin<std::size_t>(static_cast<std::size_t>(text.size()), N - 1);
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), length);
}

} // namespace

CFindHostUDP::CFindHostUDP(QObject* parent, int timeLimit, quint16 port, const QString& listenAddress)
    : QThread(parent), m_timeLimit(timeLimit), m_port(port), m_listenAddress(listenAddress)
{
    qRegisterMetaType<NASINFO>("NASINFO");
    fhost_logger()->sinks[0] = toQtDebug;
}

CFindHostUDP::~CFindHostUDP()
{
    if (isRunning())
        terminate();
}

void CFindHostUDP::addAcceptedType(qint32 type)
{
    QMutexLocker lock(&s_typesMutex);
    if (!s_acceptedTypes.contains(type))
        s_acceptedTypes.append(type);
}

QString CFindHostUDP::queryAddress()
{
    return qEnvironmentVariable("LUMIO_DISCOVERY_TARGET", QStringLiteral(FHOST_QUERY_ADDRESS));
}

quint16 CFindHostUDP::queryPort()
{
    return portFromEnvironment("LUMIO_DISCOVERY_PORT", FHOST_PORT);
}

quint16 CFindHostUDP::listenPort()
{
    return portFromEnvironment("LUMIO_DISCOVERY_LISTEN_PORT", FHOST_PORT);
}

bool CFindHostUDP::waitUntilListening(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_socketMutex);
    while (!m_listening && !m_sessionEnded) {
        if (!m_listeningChanged.wait(&m_socketMutex, deadline))
            break;
    }
    return m_listening;
}

FhostSendTarget CFindHostUDP::sendTarget(int interval) const
{
    FhostSendTarget target{};
    copyField(target.address, queryAddress().toLatin1());
    target.port = queryPort();
    target.interval = interval;
    target.logger = fhost_logger();
    return target;
}

bool CFindHostUDP::slotSendPktBroadCast(int nSendTimes)
{
    if (nSendTimes < 1)
        return false;
    NASINFO info;
    FhostItemList list;
    fhost_build_query(&info, &list);
    const FhostSendTarget target = sendTarget(4);
    bool sent = false;
    for (int round = 0; round < nSendTimes; ++round) {
        sent = fhost_udp_send_all(&target, &list) == 0;
        QThread::sleep(1);
    }
    return sent;
}

bool CFindHostUDP::slotSendPktBroadCast()
{
    return slotSendPktBroadCast(1);
}

bool CFindHostUDP::slotSendPktQCF(const CNasConfig* pnascfg, const NASINFO* pnasinfo, int nSendTimes)
{
    return sendConfigRounds(ConfigPacket::QuickConfig, pnascfg, pnasinfo, nSendTimes);
}

bool CFindHostUDP::slotSendPktQCF(const CNasConfig* pnascfg, const NASINFO* pnasinfo)
{
    return slotSendPktQCF(pnascfg, pnasinfo, 1);
}

bool CFindHostUDP::slotSendPktNetSet(const CNasConfig* pnascfg, const NASINFO* pnasinfo, int nSendTimes)
{
    return sendConfigRounds(ConfigPacket::NetSetting, pnascfg, pnasinfo, nSendTimes);
}

bool CFindHostUDP::slotSendPktNetSet(const CNasConfig* pnascfg, const NASINFO* pnasinfo)
{
    return slotSendPktNetSet(pnascfg, pnasinfo, 1);
}

bool CFindHostUDP::sendConfigRounds(ConfigPacket kind, const CNasConfig* config, const NASINFO* target,
                                    int rounds)
{
    if (!config || !target)
        return false;
    const QString password = QString::fromUtf8(
        config->password, static_cast<int>(strnlen(config->password, sizeof config->password)));
    const QByteArray obscured = CredentialObscurer::obscureText(password).toUtf8();

    NASINFO info;
    FhostItemList list;
    const int built =
        kind == ConfigPacket::QuickConfig
            ? fhost_build_quick_config(fhost_logger(), &info, &list, config, target, obscured.constData())
            : fhost_build_net_setting(fhost_logger(), &info, &list, config, target, obscured.constData());
    if (built != 0)
        return false;

    const FhostSendTarget sendTo = sendTarget(4);
    bool sent = false;
    for (int round = 0; round < rounds; ++round) {
        sent = fhost_udp_send_all(&sendTo, &list) == 0;
        if (round == rounds - 1)
            break;
        if (kind == ConfigPacket::QuickConfig)
            qDebug("sendQuickPkt-round: %d", round);
        else
            qDebug("sendNetSetting-round: %d", round);
        QThread::sleep(3);
    }
    return sent;
}

void CFindHostUDP::slotRecvPkt(NASINFO nasInfo)
{
    const FhostLogger* logger = fhost_logger();
    const QByteArray ip = dotted(nasInfo.ipAddress).toLatin1();
    const QByteArray remote = dotted(nasInfo.remoteAddress).toLatin1();
    switch (nasInfo.packetType) {
    case FHOST_PKT_BRESPONSE:
    case FHOST_PKT_JRESPONSE:
        FHOST_LOG(logger, FHOST_LOG_DETAIL,
                  nasInfo.packetType == FHOST_PKT_BRESPONSE
                      ? "%s:%d BResponse from %s, con=%ld, IP=%s, mac=%s, conf=%ld, RemoteIP=%s"
                      : "%s:%d JResponse from %s, con=%ld, IP=%s, mac=%s, conf=%ld, RemoteIP=%s",
                  nasInfo.serverName, static_cast<long>(nasInfo.connectionValue), ip.constData(),
                  nasInfo.serverMac, static_cast<long>(nasInfo.qcStatus), remote.constData());
        break;
    case FHOST_PKT_QUICKCONF:
    case FHOST_PKT_NETSET:
        FHOST_LOG(logger, FHOST_LOG_DETAIL,
                  nasInfo.packetType == FHOST_PKT_QUICKCONF
                      ? "%s:%d QCF from %s, con=%ld, IP=%s, mac=%s, conf=%ld, err=%ld, RemoteIP=%s"
                      : "%s:%d NSET from %s, con=%ld, IP=%s, mac=%s, conf=%ld, err=%ld, RemoteIP=%s",
                  nasInfo.serverName, static_cast<long>(nasInfo.connectionValue), ip.constData(),
                  nasInfo.serverMac, static_cast<long>(nasInfo.qcStatus),
                  static_cast<long>(nasInfo.errorValue), remote.constData());
        break;
    default:
        break;
    }
    emit signalRecvPkt(nasInfo);
}

void CFindHostUDP::terminate()
{
    m_stop = true;
    CFindHostUDP* self = this;
    s_current.compare_exchange_strong(self, nullptr);
    {
        QMutexLocker lock(&m_socketMutex);
        if (m_socket >= 0)
            ::shutdown(m_socket, SHUT_RDWR);
    }
    wait();
}

void CFindHostUDP::run()
{
    // Waits for another instance's session without missing a stop request meanwhile.
    while (!s_sessionMutex.tryLock(100)) {
        if (m_stop) {
            endSession();
            return;
        }
    }
    if (!m_stop) {
        m_setup = FhostListenSetup{};
        copyField(m_setup.address, m_listenAddress.toLocal8Bit());
        m_setup.port = m_port;
        m_setup.timeLimit = m_timeLimit;
        m_setup.stop = stopRequested;
        m_setup.stopContext = this;
        m_setup.logger = fhost_logger();
        m_setup.socketChanged = socketChanged;
        m_callbacks = FhostListenCallbacks{};
        m_callbacks.context = this;
        m_callbacks.filter = acceptType;
        m_callbacks.deliver = deliver;

        s_current = this;
        if (fhost_udp_listen(&m_setup, &m_callbacks, nullptr, nullptr) == -1)
            FHOST_LOG(fhost_logger(), FHOST_LOG_ERROR, "%s:%d Server run error!\n");
        CFindHostUDP* self = this;
        s_current.compare_exchange_strong(self, nullptr);
    }
    s_sessionMutex.unlock();
    endSession();
}

void CFindHostUDP::endSession()
{
    QMutexLocker lock(&m_socketMutex);
    m_sessionEnded = true;
    m_listeningChanged.wakeAll();
}

int CFindHostUDP::stopRequested(void* context)
{
    auto* self = static_cast<CFindHostUDP*>(context);
    return self->m_stop || s_current.load() != self ? 1 : 0;
}

void CFindHostUDP::socketChanged(void* context, int socket)
{
    auto* self = static_cast<CFindHostUDP*>(context);
    QMutexLocker lock(&self->m_socketMutex);
    self->m_socket = socket;
    self->m_listening = socket >= 0;
    self->m_listeningChanged.wakeAll();
}

int CFindHostUDP::acceptType(void*, const NASINFO* info)
{
    QMutexLocker lock(&s_typesMutex);
    return s_acceptedTypes.contains(FHOST_PKT_ANY) || s_acceptedTypes.contains(info->packetType) ? 1 : 0;
}

void CFindHostUDP::deliver(void* context, const NASINFO* info)
{
    auto* self = static_cast<CFindHostUDP*>(context);
    if (s_current.load() != self) {
        FHOST_LOG(fhost_logger(), FHOST_LOG_ERROR, "%s:%d There is no CFindHostInstance\n");
        return;
    }
    self->slotRecvPkt(*info);
}
