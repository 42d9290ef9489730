#include "CFindHostUDP.h"
#include "CredentialObscurer.h"
#include "LogCapture.h"
#include "PacketBytes.h"
#include "TestEnvironment.h"
#include "iface.h"
#include "responder.h"
#include "udp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>
#include <QtEndian>

#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace PacketBytes;

namespace {

// Everything a loopback socket received until the queue stayed empty for a moment.
QList<QNetworkDatagram> drain(QUdpSocket& socket, int expected)
{
    QList<QNetworkDatagram> datagrams;
    while (datagrams.size() < expected && socket.waitForReadyRead(3000)) {
        while (socket.hasPendingDatagrams())
            datagrams.append(socket.receiveDatagram());
    }
    while (socket.waitForReadyRead(200)) {
        while (socket.hasPendingDatagrams())
            datagrams.append(socket.receiveDatagram());
    }
    return datagrams;
}

int countOf(const QList<quint8>& ids, quint8 id)
{
    return static_cast<int>(std::count(ids.begin(), ids.end(), id));
}

// Whether another program holds the loopback source port of bound sends.
bool sourcePortFree()
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(FHOST_SOURCE_PORT);
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool free = bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
    close(fd);
    return free;
}

QByteArray bResponse(const QByteArray& name, const QByteArray& mac)
{
    return header() + basic(FHOST_PKT_BRESPONSE) + item(0x21, name) + item(0x29, mac) +
           item(0x22, QByteArray::fromHex("c0a80114")) + item(0x18, le32(1)) + item(0xA7, le32(1)) +
           item(0x1E, QByteArray::fromHex("0a000001"));
}

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// Serves an in-process responder on loopback until destroyed.
class ResponderThread
{
public:
    ResponderThread(const NASINFO& identity, quint16 replyPort)
    {
        FhostResponderConfig config{};
        std::strcpy(config.bindAddress, "127.0.0.1");
        config.replyPort = replyPort;
        config.identity = identity;
        m_responder = fhost_responder_open(&config);
        if (m_responder)
            m_thread = std::thread([this] {
                while (!m_stop)
                    m_answers += fhost_responder_serve(m_responder, 50) > 0 ? 1 : 0;
            });
    }
    ~ResponderThread()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        fhost_responder_close(m_responder);
    }
    quint16 port() const { return fhost_responder_port(m_responder); }
    int answers() const { return m_answers; }

private:
    FhostResponder* m_responder = nullptr;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_answers{0};
    std::thread m_thread;
};

struct ListenProbe
{
    std::atomic<int> delivered{0};
    std::atomic<int> wanted{2};
    std::atomic<int> progressCalls{0};
    std::atomic<int> locks{0};
    bool acceptAll = true;
    QList<QByteArray> names;
};

} // namespace

class TestDiscoveryTransport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void loopbackOnlyWhenNamed();
    void noInterfaceSendsNothing();
    void roundOnLoopbackSendsBoundThenUnbound();
    void listenerSendsAndDelivers_data();
    void listenerSendsAndDelivers();
    void broadcastRoundsCount_data();
    void broadcastRoundsCount();
    void configurationRounds_data();
    void configurationRounds();
    void listenerDeliversThroughQueuedSignal();
    void listenerFailureGoesToDebugOutput();
    void noSignalAfterTerminate();
    void terminateBeforeAndWithoutRun();
    void sessionsRunOneAtATime();
    void namespaceRound_data();
    void namespaceRound();
};

void TestDiscoveryTransport::initTestCase()
{
    // Never touch this machine's real interfaces, whoever starts the test.
    qputenv(FHOST_INTERFACES_ENV, "lo");
    CFindHostUDP::addAcceptedType(FHOST_PKT_ANY);
}

void TestDiscoveryTransport::init()
{
    qputenv(FHOST_INTERFACES_ENV, "lo");
    qunsetenv("LUMIO_DISCOVERY_TARGET");
    qunsetenv("LUMIO_DISCOVERY_PORT");
}

void TestDiscoveryTransport::loopbackOnlyWhenNamed()
{
    FhostIface ifaces[FHOST_IFACE_MAX];
    QCOMPARE(fhost_iface_init(nullptr, ifaces, FHOST_IFACE_MAX), 1);
    QCOMPARE(QByteArray(ifaces[0].name), QByteArray("lo"));
    QCOMPARE(qFromBigEndian(ifaces[0].address), 0x7F000001u);
    QCOMPARE(qFromBigEndian(ifaces[0].mask), 0xFF000000u);
    QCOMPARE(qFromBigEndian(ifaces[0].broadcast), 0x7FFFFFFFu);
    QCOMPARE(ifaces[0].active, 1);
    QCOMPARE(ifaces[0].isStatic, 0);

    // Listed among others that do not exist, loopback is still the only one.
    qputenv(FHOST_INTERFACES_ENV, " nosuch0 , lo ");
    QCOMPARE(fhost_iface_init(nullptr, ifaces, FHOST_IFACE_MAX), 1);
}

void TestDiscoveryTransport::noInterfaceSendsNothing()
{
    qputenv(FHOST_INTERFACES_ENV, "nosuch0");
    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
    qputenv("LUMIO_DISCOVERY_TARGET", "127.0.0.1");
    qputenv("LUMIO_DISCOVERY_PORT", QByteArray::number(receiver.localPort()));

    LogCapture log;
    NASINFO info;
    FhostItemList list;
    fhost_build_query(&info, &list);
    FhostSendTarget target{};
    std::strcpy(target.address, "127.0.0.1");
    target.port = receiver.localPort();
    target.logger = log.logger();
    QCOMPARE(fhost_udp_send_all(&target, &list), -1);
    QVERIFY(log.contains(QStringLiteral("get physical interface error or no interface")));

    CFindHostUDP thread(nullptr, -1, 0, QStringLiteral("127.0.0.1"));
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression(QStringLiteral("get physical interface error or no interface")));
    QVERIFY(!thread.slotSendPktBroadCast(1));
    QVERIFY(!receiver.waitForReadyRead(200));
}

void TestDiscoveryTransport::roundOnLoopbackSendsBoundThenUnbound()
{
    if (!sourcePortFree())
        QSKIP("Another program holds 127.0.0.1:1234, the source port of bound sends");
    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
    NASINFO info;
    FhostItemList list;
    fhost_build_query(&info, &list);
    FhostSendTarget target{};
    std::strcpy(target.address, "127.0.0.1");
    target.port = receiver.localPort();
    QCOMPARE(fhost_udp_send_all(&target, &list), 0);

    const QList<QNetworkDatagram> datagrams = drain(receiver, 2);
    QCOMPARE(datagrams.size(), 2);
    QCOMPARE(datagrams.at(0).senderPort(), FHOST_SOURCE_PORT);
    QVERIFY(datagrams.at(1).senderPort() != FHOST_SOURCE_PORT);
    QCOMPARE(datagrams.at(1).data(), datagrams.at(0).data());
    const QList<quint8> ids = itemIds(datagrams.at(0).data());
    QCOMPARE(countOf(ids, 0x7C), 1);
    QCOMPARE(itemValue(datagrams.at(0).data(), 0x7C), QByteArray("00:00:00:00:00:00"));
    QCOMPARE(datagrams.at(0).data().size(), 85);
    // The caller's list is left as it was.
    QCOMPARE(list.count, 8);
    QCOMPARE(info.clientMac[0], '\0');
}

void TestDiscoveryTransport::listenerSendsAndDelivers_data()
{
    QTest::addColumn<bool>("acceptAll");
    QTest::addColumn<int>("delivered");
    QTest::newRow("answers to the listener's own query delivered") << true << 2;
    QTest::newRow("filter refuses: nothing delivered, time limit ends it") << false << 0;
}

void TestDiscoveryTransport::listenerSendsAndDelivers()
{
    QFETCH(bool, acceptAll);
    QFETCH(int, delivered);
    if (!sourcePortFree())
        QSKIP("Another program holds 127.0.0.1:1234, the source port of bound sends");
    NASINFO identity{};
    std::strcpy(identity.serverName, "c-level");
    std::strcpy(identity.serverMac, "02:00:00:00:00:0c");
    identity.qcStatus = FHOSTQC_DONE;
    const quint16 listenPort = freeUdpPort();
    ResponderThread responder(identity, listenPort);
    QVERIFY(responder.port() != 0);

    NASINFO query;
    FhostItemList list;
    fhost_build_query(&query, &list);
    FhostSendTarget target{};
    std::strcpy(target.address, "127.0.0.1");
    target.port = responder.port();
    target.interval = -1;

    // Both queries of the round (bound and unbound) are answered to the listener's port.
    ListenProbe probe;
    probe.acceptAll = acceptAll;
    FhostListenSetup setup{};
    std::strcpy(setup.address, "127.0.0.1");
    setup.port = listenPort;
    setup.timeLimit = acceptAll ? 10 : 1;
    setup.stopContext = &probe;
    setup.stop = [](void* context) {
        auto* p = static_cast<ListenProbe*>(context);
        return p->delivered >= p->wanted ? 1 : 0;
    };
    FhostListenCallbacks callbacks{};
    callbacks.context = &probe;
    callbacks.lock = [](void* context, int on) { static_cast<ListenProbe*>(context)->locks += on ? 1 : -1; };
    callbacks.filter = [](void* context, const NASINFO*) {
        return static_cast<ListenProbe*>(context)->acceptAll ? 1 : 0;
    };
    callbacks.deliver = [](void* context, const NASINFO* info) {
        auto* p = static_cast<ListenProbe*>(context);
        if (p->locks != 1 || info->packetType != FHOST_PKT_BRESPONSE)
            return;
        p->names.append(QByteArray(info->serverName));
        ++p->delivered;
    };
    callbacks.progress = [](void* context, int, int, int) {
        ++static_cast<ListenProbe*>(context)->progressCalls;
    };

    QCOMPARE(fhost_udp_listen(&setup, &callbacks, &target, &list), 0);
    QCOMPARE(probe.delivered.load(), delivered);
    QCOMPARE(probe.names, QList<QByteArray>(delivered, QByteArray("c-level")));
    QVERIFY(probe.progressCalls >= 1);
    QTRY_COMPARE(responder.answers(), 2);
    QCOMPARE(probe.locks.load(), 0);
}

void TestDiscoveryTransport::broadcastRoundsCount_data()
{
    QTest::addColumn<int>("rounds");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("datagrams");
    QTest::newRow("0 rounds send nothing") << 0 << false << 0;
    QTest::newRow("negative rounds send nothing") << -3 << false << 0;
    QTest::newRow("1 round: bound and unbound") << 1 << true << 2;
}

void TestDiscoveryTransport::broadcastRoundsCount()
{
    QFETCH(int, rounds);
    QFETCH(bool, result);
    QFETCH(int, datagrams);
    if (!sourcePortFree())
        QSKIP("Another program holds 127.0.0.1:1234, the source port of bound sends");
    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
    qputenv("LUMIO_DISCOVERY_TARGET", "127.0.0.1");
    qputenv("LUMIO_DISCOVERY_PORT", QByteArray::number(receiver.localPort()));
    CFindHostUDP thread(nullptr, -1, 0, QStringLiteral("127.0.0.1"));
    QCOMPARE(thread.slotSendPktBroadCast(rounds), result);
    // A marker after the slot returns: whatever the slot sent arrived before it.
    QUdpSocket marker;
    marker.writeDatagram("marker", QHostAddress::LocalHost, receiver.localPort());
    QList<QNetworkDatagram> received;
    while (received.isEmpty() || received.last().data() != "marker") {
        QVERIFY(receiver.waitForReadyRead(3000));
        while (receiver.hasPendingDatagrams())
            received.append(receiver.receiveDatagram());
    }
    QCOMPARE(received.size() - 1, datagrams);
    for (int i = 0; i < datagrams; ++i) {
        NASINFO info{};
        QVERIFY(read(received.at(i).data(), &info) > 0);
        QCOMPARE(info.packetType, FHOST_PKT_QUERY);
    }
}

void TestDiscoveryTransport::configurationRounds_data()
{
    QTest::addColumn<bool>("quick");
    QTest::addColumn<int>("rounds");
    QTest::newRow("quick configuration, two rounds") << true << 2;
    QTest::newRow("net setting, one round") << false << 1;
}

void TestDiscoveryTransport::configurationRounds()
{
    QFETCH(bool, quick);
    QFETCH(int, rounds);
    if (!sourcePortFree())
        QSKIP("Another program holds 127.0.0.1:1234, the source port of bound sends");
    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
    qputenv("LUMIO_DISCOVERY_TARGET", "127.0.0.1");
    qputenv("LUMIO_DISCOVERY_PORT", QByteArray::number(receiver.localPort()));

    CNasConfig config{};
    config.addressMode = 1;
    std::strcpy(config.password, "pässword");
    std::strcpy(config.serverName, "renamed");
    NASINFO target{};
    std::strcpy(target.serverName, "korvat");
    std::strcpy(target.serverMac, "00:11:32:aa:bb:cc");

    CFindHostUDP thread(nullptr, -1, 0, QStringLiteral("127.0.0.1"));
    for (int round = 0; round + 1 < rounds; ++round)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("%1: %2")
                                                        .arg(quick ? QStringLiteral("sendQuickPkt-round")
                                                                   : QStringLiteral("sendNetSetting-round"))
                                                        .arg(round)));
    const bool sent = quick ? thread.slotSendPktQCF(&config, &target, rounds)
                            : thread.slotSendPktNetSet(&config, &target, rounds);
    QVERIFY(sent);
    const QList<QNetworkDatagram> datagrams = drain(receiver, 2 * rounds);
    QCOMPARE(datagrams.size(), 2 * rounds);
    NASINFO info{};
    QVERIFY(read(datagrams.first().data(), &info) > 0);
    QCOMPARE(info.packetType, quick ? FHOST_PKT_QUICKCONF : FHOST_PKT_NETSET);
    QCOMPARE(QByteArray(info.serverMac), QByteArray("00:11:32:aa:bb:cc"));
    QCOMPARE(QByteArray(info.serverName), quick ? QByteArray("renamed") : QByteArray("korvat"));
    QCOMPARE(CredentialObscurer::revealText(QString::fromUtf8(info.longText)), QStringLiteral("pässword"));
    QCOMPARE(info.field10, 1);
}

void TestDiscoveryTransport::listenerDeliversThroughQueuedSignal()
{
    const quint16 port = freeUdpPort();
    CFindHostUDP thread(nullptr, -1, port, QStringLiteral("127.0.0.1"));
    LogCapture log;
    log.attachToProgramLogger();
    QList<NASINFO> received;
    QThread* deliveredIn = nullptr;
    connect(
        &thread, &CFindHostUDP::signalRecvPkt, this,
        [&](NASINFO info) {
            received.append(info);
            deliveredIn = QThread::currentThread();
        },
        Qt::QueuedConnection);
    thread.start();
    QVERIFY(thread.waitUntilListening(3000));

    QUdpSocket sender;
    sender.writeDatagram(bResponse("korvat", "00:11:32:aa:bb:cc"), QHostAddress::LocalHost, port);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(deliveredIn, QThread::currentThread());
    QCOMPARE(QByteArray(received.first().serverName), QByteArray("korvat"));
    QCOMPARE(received.first().ipAddress, qToBigEndian(0xC0A80114u));
    QVERIFY2(log.contains(QStringLiteral("BResponse from korvat, con=1, IP=192.168.1.20, "
                                         "mac=00:11:32:aa:bb:cc, conf=1, RemoteIP=10.0.0.1")),
             qPrintable(log.lines().join(QLatin1Char('\n'))));
    QVERIFY(log.lines().last().startsWith(QStringLiteral("CFindHostUDP.cpp:")));

    // A datagram the reader refuses is skipped and the next one still arrives.
    sender.writeDatagram(header(), QHostAddress::LocalHost, port);
    sender.writeDatagram(bResponse("second", "00:11:32:aa:bb:cd"), QHostAddress::LocalHost, port);
    QTRY_COMPARE(received.size(), 2);
    QCOMPARE(QByteArray(received.last().serverName), QByteArray("second"));
    thread.terminate();
}

void TestDiscoveryTransport::listenerFailureGoesToDebugOutput()
{
    // A listen address that is not local cannot be bound.
    CFindHostUDP thread(nullptr, -1, freeUdpPort(), QStringLiteral("192.0.2.1"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^udp\\.c:\\d+ bind\\(sockfd=")));
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression(QStringLiteral("^CFindHostUDP\\.cpp:\\d+ Server run error!$")));
    thread.start();
    QVERIFY(thread.wait(5000));
    QVERIFY(!thread.waitUntilListening(0));
}

void TestDiscoveryTransport::noSignalAfterTerminate()
{
    const quint16 port = freeUdpPort();
    auto thread = std::make_unique<CFindHostUDP>(nullptr, -1, port, QStringLiteral("127.0.0.1"));
    std::atomic<int> emitted{0};
    connect(
        thread.get(), &CFindHostUDP::signalRecvPkt, this, [&](NASINFO) { ++emitted; }, Qt::DirectConnection);
    thread->start();
    QVERIFY(thread->waitUntilListening(3000));

    std::atomic<bool> flooding{true};
    const QByteArray datagram = bResponse("flood", "00:11:32:00:00:01");
    std::thread flood([&] {
        const int fd = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        while (flooding) {
            sendto(fd, datagram.constData(), size_t(datagram.size()), 0, reinterpret_cast<sockaddr*>(&to),
                   sizeof to);
            usleep(500);
        }
        close(fd);
    });
    auto stopFlood = qScopeGuard([&] {
        flooding = false;
        flood.join();
    });

    QTRY_VERIFY(emitted > 5);
    thread->terminate();
    QVERIFY(thread->isFinished());
    const int atTerminate = emitted;
    // Datagrams keep coming for a while; none of them is handed out any more.
    QTest::qWait(300);
    QCOMPARE(emitted.load(), atTerminate);
    thread.reset();
    QCOMPARE(emitted.load(), atTerminate);
}

void TestDiscoveryTransport::terminateBeforeAndWithoutRun()
{
    CFindHostUDP never(nullptr, -1, freeUdpPort(), QStringLiteral("127.0.0.1"));
    never.terminate();
    QVERIFY(!never.isRunning());

    CFindHostUDP early(nullptr, -1, freeUdpPort(), QStringLiteral("127.0.0.1"));
    early.start();
    early.terminate();
    QVERIFY(early.isFinished());
}

void TestDiscoveryTransport::sessionsRunOneAtATime()
{
    CFindHostUDP first(nullptr, -1, freeUdpPort(), QStringLiteral("127.0.0.1"));
    CFindHostUDP second(nullptr, -1, freeUdpPort(), QStringLiteral("127.0.0.1"));
    first.start();
    QVERIFY(first.waitUntilListening(3000));
    second.start();
    // The second session begins only when the first has ended.
    QVERIFY(!second.waitUntilListening(300));
    first.terminate();
    QVERIFY(second.waitUntilListening(3000));
    second.terminate();
    QVERIFY(second.isFinished());
}

void TestDiscoveryTransport::namespaceRound_data()
{
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<int>("bound");
    QTest::newRow("two interfaces: three datagrams")
        << QStringList{QStringLiteral("10.1.0.1/24"), QStringLiteral("10.2.0.1/24")} << 2;
    QStringList nine;
    for (int i = 1; i <= 9; ++i)
        nine.append(QStringLiteral("10.%1.0.1/24").arg(i));
    QTest::newRow("nine interfaces: the first eight used") << nine << 8;
    QStringList allOnesFirst{QStringLiteral("255.255.255.255/32")};
    for (int i = 1; i <= 8; ++i)
        allOnesFirst.append(QStringLiteral("10.%1.0.1/24").arg(i));
    QTest::newRow("all-ones address skipped without counting") << allOnesFirst << 8;
}

void TestDiscoveryTransport::namespaceRound()
{
    QFETCH(QStringList, addresses);
    QFETCH(int, bound);
    QProcess check;
    check.start(QStringLiteral("unshare"),
                {QStringLiteral("-rn"), QStringLiteral("ip"), QStringLiteral("link"), QStringLiteral("add"),
                 QStringLiteral("t0"), QStringLiteral("type"), QStringLiteral("veth"), QStringLiteral("peer"),
                 QStringLiteral("name"), QStringLiteral("t0p")});
    if (!check.waitForFinished(10000) || check.exitStatus() != QProcess::NormalExit || check.exitCode() != 0)
        QSKIP(qPrintable(
            QStringLiteral("Cannot make a network namespace with veth interfaces (unshare -rn): %1")
                .arg(QString::fromLocal8Bit(check.readAllStandardError()).trimmed())));

    // Each interface gets a veth peer so it has a carrier; the peers have no IPv4 address. The
    // default route lets the unbound send out. Everything stays inside the namespace.
    QStringList script{QStringLiteral("set -e"), QStringLiteral("ip link set lo up")};
    for (int i = 0; i < addresses.size(); ++i) {
        script << QStringLiteral("ip link add v%1 address 02:00:00:00:%2:01 type veth peer name v%1p")
                      .arg(i)
                      .arg(i + 1, 2, 16, QLatin1Char('0'))
               << QStringLiteral("ip addr add %1 dev v%2").arg(addresses.at(i)).arg(i)
               << QStringLiteral("ip link set v%1 up").arg(i) << QStringLiteral("ip link set v%1p up").arg(i);
    }
    script << QStringLiteral("ip route add default dev v%1").arg(addresses.size() - 1)
           << QStringLiteral("exec \"$0\"");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The namespace holds only the test's interfaces: enumerate them as the program would.
    environment.remove(QStringLiteral(FHOST_INTERFACES_ENV));
    environment.remove(QStringLiteral("LUMIO_DISCOVERY_TARGET"));
    environment.remove(QStringLiteral("LUMIO_DISCOVERY_PORT"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("unshare"),
                {QStringLiteral("-rn"), QStringLiteral("sh"), QStringLiteral("-c"),
                 script.join(QLatin1Char('\n')),
                 TestEnvironment::binDir() + QStringLiteral("/findhost_netns_sender")});
    QVERIFY(child.waitForFinished(30000));
    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    QVERIFY2(child.exitCode() == 0, qPrintable(errors));

    QStringList interfaceMacs;
    QStringList interfaceAddresses;
    QList<QStringList> datagrams;
    QString round;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QStringList fields = QString::fromLatin1(line).split(QLatin1Char(' '));
        if (fields.first() == QLatin1String("interface")) {
            interfaceAddresses.append(fields.at(2));
            interfaceMacs.append(fields.at(5));
            QVERIFY(fields.at(1) != QLatin1String("lo"));
        } else if (fields.first() == QLatin1String("datagram")) {
            datagrams.append(fields.mid(1));
        } else if (fields.first() == QLatin1String("round")) {
            round = fields.at(1);
        }
    }
    QCOMPARE(round, QStringLiteral("ok"));
    QCOMPARE(interfaceAddresses.size(), bound);
    QVERIFY(!interfaceAddresses.contains(QStringLiteral("255.255.255.255")));
    QCOMPARE(datagrams.size(), bound + 1);

    QList<QStringList> boundOnes;
    QList<QStringList> unbound;
    for (const QStringList& datagram : datagrams)
        (datagram.at(1) == QString::number(FHOST_SOURCE_PORT) ? boundOnes : unbound).append(datagram);
    QCOMPARE(boundOnes.size(), bound);
    QCOMPARE(unbound.size(), 1);
    for (int i = 0; i < bound; ++i) {
        const QStringList* fromInterface = nullptr;
        for (const QStringList& datagram : boundOnes) {
            if (datagram.at(0) == interfaceAddresses.at(i))
                fromInterface = &datagram;
        }
        QVERIFY2(fromInterface, qPrintable(interfaceAddresses.at(i)));
        const QByteArray bytes = QByteArray::fromHex(fromInterface->at(2).toLatin1());
        QCOMPARE(countOf(itemIds(bytes), 0x7C), 1);
        QCOMPARE(QString::fromLatin1(itemValue(bytes, 0x7C)), interfaceMacs.at(i));
        NASINFO info{};
        QVERIFY(read(bytes, &info) > 0);
        QCOMPARE(info.packetType, FHOST_PKT_QUERY);
        if (i == bound - 1)
            QCOMPARE(unbound.first().at(2), fromInterface->at(2));
    }
}

LUMIO_TEST_MAIN(TestDiscoveryTransport)
#include "tst_discoverytransport.moc"
