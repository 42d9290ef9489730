#include "CFindHostUDP.h"
#include "PacketBytes.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QHostAddress>
#include <QTest>
#include <QUdpSocket>

using namespace PacketBytes;

// The accepted-type list is shared by the whole process and only grows, so this runs in a process
// of its own, from an empty list upwards.
class TestDiscoveryAcceptedTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void onlyListedTypesUntilWildcard_data();
    void onlyListedTypesUntilWildcard();

private:
    void send(qint32 type, const QByteArray& name);

    std::unique_ptr<CFindHostUDP> m_thread;
    quint16 m_port = 0;
    QUdpSocket m_sender;
    QList<NASINFO> m_received;
};

void TestDiscoveryAcceptedTypes::initTestCase()
{
    qputenv("LUMIO_DISCOVERY_INTERFACES", "lo");
    QUdpSocket probe;
    QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
    m_port = probe.localPort();
    probe.close();
    // Net-setting replies mark the end of each step.
    CFindHostUDP::addAcceptedType(FHOST_PKT_NETSET);
    m_thread = std::make_unique<CFindHostUDP>(nullptr, -1, m_port, QStringLiteral("127.0.0.1"));
    connect(m_thread.get(), &CFindHostUDP::signalRecvPkt, this,
            [this](NASINFO info) { m_received.append(info); });
    m_thread->start();
    QVERIFY(m_thread->waitUntilListening(3000));
}

void TestDiscoveryAcceptedTypes::cleanupTestCase()
{
    m_thread->terminate();
}

void TestDiscoveryAcceptedTypes::send(qint32 type, const QByteArray& name)
{
    m_sender.writeDatagram(header() + basic(type) + item(0x21, name), QHostAddress::LocalHost, m_port);
}

void TestDiscoveryAcceptedTypes::onlyListedTypesUntilWildcard_data()
{
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("delivered");
    // Rows run in order and build on each other.
    QTest::newRow("only the marker's type listed: B-response dropped") << 0 << 2 << false;
    QTest::newRow("2 listed: B-response delivered") << 2 << 2 << true;
    QTest::newRow("2 listed: J-response dropped") << 0 << 6 << false;
    QTest::newRow("2 listed again, 6 added: J-response delivered") << 6 << 6 << true;
    QTest::newRow("quick configuration reply dropped") << 2 << 4 << false;
    QTest::newRow("17 added: quick configuration reply delivered") << 17 << 4 << true;
    QTest::newRow("17 listed: even the query is delivered") << 0 << 1 << true;
}

void TestDiscoveryAcceptedTypes::onlyListedTypesUntilWildcard()
{
    QFETCH(int, added);
    QFETCH(int, sent);
    QFETCH(bool, delivered);
    static int marker = 0;
    if (added != 0)
        CFindHostUDP::addAcceptedType(added);
    m_received.clear();
    send(sent, "probe");
    // A marker follows; it arrives after the probe would have.
    const QByteArray markerName = "marker-" + QByteArray::number(++marker);
    m_sender.writeDatagram(header() + basic(3) + item(0x20, le32(0)) + item(0x21, markerName) +
                               item(0x29, "m"),
                           QHostAddress::LocalHost, m_port);
    QTRY_VERIFY(!m_received.isEmpty() && QByteArray(m_received.last().serverName) == markerName);
    QCOMPARE(m_received.size(), delivered ? 2 : 1);
    if (delivered)
        QCOMPARE(m_received.first().packetType, sent);
}

LUMIO_TEST_MAIN(TestDiscoveryAcceptedTypes)
#include "tst_discoveryacceptedtypes.moc"
