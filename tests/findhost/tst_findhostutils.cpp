#include "CAsstAddDlgNasinfoProxyModel.h"
#include "CAsstNasinfoModel.h"
#include "FindHostUtils.h"
#include "PacketBytes.h"
#include "ScriptedPrompter.h"
#include "TestEnvironment.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <QtEndian>

#include <cstring>
#include <memory>

using namespace PacketBytes;

namespace {

constexpr int kTickMs = 50;

// A web port on loopback that answers every request the same way, or never.
class WebStub : public QObject
{
    Q_OBJECT

public:
    enum Mode
    {
        NotFound,
        Ok,
        Silent
    };

    explicit WebStub(Mode mode) : m_mode(mode)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                m_open.append(socket);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    m_received += socket->readAll();
                    if (!m_received.contains("\r\n\r\n"))
                        return;
                    ++requests;
                    m_received.clear();
                    if (m_mode == Silent)
                        return;
                    const QByteArray body = m_mode == Ok ? "hello" : "missing";
                    socket->write(
                        QByteArray(m_mode == Ok ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                        "Content-Length: " + QByteArray::number(body.size()) +
                        "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }

    int requests = 0;

private:
    Mode m_mode;
    QTcpServer m_server;
    QByteArray m_received;
    QList<QTcpSocket*> m_open;
};

// Records the address of every request, then lets the real manager make it.
class RecordingManager : public QNetworkAccessManager
{
public:
    QList<QUrl> urls;

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override
    {
        urls.append(request.url());
        return QNetworkAccessManager::createRequest(op, request, data);
    }
};

struct Server
{
    QString name = QStringLiteral("korvat");
    QString mac = QStringLiteral("00:11:32:aa:bb:01");
    int httpPort = 0;
    int osFlag = 1;
    int build = 1240;
    int qcStatus = FHOSTQC_DONE;
    bool uploadFlag = true;
};

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

class TestFindHostUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void httpPortRule_data();
    void httpPortRule();
    void uploadCapableRule_data();
    void uploadCapableRule();
    void probeGoesToPortOfRecord_data();
    void probeGoesToPortOfRecord();
    void probeOutcome_data();
    void probeOutcome();
    void sameServerTwiceIsProbedOnce();
    void forgedFloodIsBounded();
    void uploadCapabilityOfBuilds_data();
    void uploadCapabilityOfBuilds();
    void unconfiguredServerListedButNotProbed();
    void betweenSearchesOnlyKnownServersChange();
    void probedServerKeepsItsAnswer();
    void emptySearchWarnsOnce();
    void otherRepliesOfSharedManagerUntouched();
    void destroyedWhileProbing();

private:
    // Starts the responder executable answering queries on loopback with the given identity.
    bool startResponder(const Server& server);
    // Makes the search object with the test's tick interval and runs one search to its end.
    void runSearch(FindHostUtils& utils);
    std::unique_ptr<FindHostUtils> makeUtils(QNetworkAccessManager* manager);
    void sendToListener(const QByteArray& datagram);

    std::unique_ptr<QProcess> m_responder;
    quint16 m_listenPort = 0;
    NasInfoMap m_map;
};

void TestFindHostUtils::initTestCase()
{
    qputenv("LUMIO_DISCOVERY_INTERFACES", "lo");
    qputenv("LUMIO_DISCOVERY_TARGET", "127.0.0.1");
}

void TestFindHostUtils::init()
{
    m_map.clear();
    m_listenPort = freeUdpPort();
    qputenv("LUMIO_DISCOVERY_LISTEN_PORT", QByteArray::number(m_listenPort));
    // Until a responder is started, queries go to a port where nobody answers.
    qputenv("LUMIO_DISCOVERY_PORT", QByteArray::number(freeUdpPort()));
}

void TestFindHostUtils::cleanup()
{
    if (m_responder) {
        m_responder->terminate();
        m_responder->waitForFinished(5000);
        m_responder.reset();
    }
}

bool TestFindHostUtils::startResponder(const Server& server)
{
    m_responder = std::make_unique<QProcess>();
    m_responder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_responder->start(
        TestEnvironment::binDir() + QStringLiteral("/lumio-discovery-responder"),
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--reply-port"),
         QString::number(m_listenPort), QStringLiteral("--name"), server.name, QStringLiteral("--mac"),
         server.mac, QStringLiteral("--http-port"), QString::number(server.httpPort),
         QStringLiteral("--os-flag"), QString::number(server.osFlag), QStringLiteral("--build"),
         QString::number(server.build), QStringLiteral("--qc-status"), QString::number(server.qcStatus),
         QStringLiteral("--upload-flag"), server.uploadFlag ? QStringLiteral("1") : QStringLiteral("0"),
         QStringLiteral("--until-stdin-closes")});
    if (!m_responder->waitForReadyRead(5000))
        return false;
    const QByteArray line = m_responder->readLine().trimmed();
    if (!line.startsWith("listening on 127.0.0.1:"))
        return false;
    qputenv("LUMIO_DISCOVERY_PORT", line.mid(line.lastIndexOf(':') + 1));
    return true;
}

std::unique_ptr<FindHostUtils> TestFindHostUtils::makeUtils(QNetworkAccessManager* manager)
{
    auto utils = std::make_unique<FindHostUtils>(manager, &m_map, 20);
    utils->setTickInterval(kTickMs);
    return utils;
}

void TestFindHostUtils::runSearch(FindHostUtils& utils)
{
    QSignalSpy finished(&utils, &FindHostUtils::signalFindNasFinished);
    utils.startSearch();
    QVERIFY(finished.wait(10000));
}

void TestFindHostUtils::sendToListener(const QByteArray& datagram)
{
    QUdpSocket sender;
    sender.writeDatagram(datagram, QHostAddress::LocalHost, m_listenPort);
}

void TestFindHostUtils::httpPortRule_data()
{
    QTest::addColumn<int>("httpPort");
    QTest::addColumn<int>("httpsPort");
    QTest::addColumn<int>("osFlag");
    QTest::addColumn<int>("build");
    QTest::addColumn<int>("http");
    QTest::addColumn<int>("https");
    QTest::newRow("given ports win") << 8080 << 8443 << 1 << 2000 << 8080 << 8443;
    QTest::newRow("os flag and build 172: 5000") << 0 << 0 << 1 << 172 << 5000 << 5001;
    QTest::newRow("os flag and build 171: 80") << 0 << 0 << 1 << 171 << 80 << 5001;
    QTest::newRow("no os flag: 80") << 0 << 0 << 0 << 1240 << 80 << 5001;
}

void TestFindHostUtils::httpPortRule()
{
    QFETCH(int, httpPort);
    QFETCH(int, httpsPort);
    QFETCH(int, osFlag);
    QFETCH(int, build);
    QFETCH(int, http);
    QFETCH(int, https);
    NASINFO info{};
    info.httpPort = httpPort;
    info.httpsPort = httpsPort;
    info.osFlag = osFlag;
    info.buildNumber = build;
    QCOMPARE(FindHostUtils::httpPort(&info, false), http);
    QCOMPARE(FindHostUtils::httpPort(&info, true), https);
    QCOMPARE(FindHostUtils::httpPort(nullptr, false), 5000);
    QCOMPARE(FindHostUtils::httpPort(nullptr, true), 5001);
}

void TestFindHostUtils::uploadCapableRule_data()
{
    QTest::addColumn<int>("build");
    QTest::addColumn<bool>("flag3");
    QTest::addColumn<bool>("capable");
    QTest::newRow("1092 never") << 1092 << true << false;
    QTest::newRow("1093") << 1093 << false << true;
    QTest::newRow("1239") << 1239 << false << true;
    QTest::newRow("1240 without flag 3") << 1240 << false << false;
    QTest::newRow("1240 with flag 3") << 1240 << true << true;
    QTest::newRow("5000 with flag 3") << 5000 << true << true;
}

void TestFindHostUtils::uploadCapableRule()
{
    QFETCH(int, build);
    QFETCH(bool, flag3);
    QFETCH(bool, capable);
    NASINFO info{};
    info.buildNumber = build;
    if (flag3)
        fhost_set_flag_a(&info, 3);
    fhost_set_flag_a(&info, 2);
    QCOMPARE(FindHostUtils::isUploadCapable(info), capable);
}

void TestFindHostUtils::probeGoesToPortOfRecord_data()
{
    QTest::addColumn<int>("httpPort");
    QTest::addColumn<int>("osFlag");
    QTest::addColumn<int>("build");
    QTest::addColumn<int>("probedPort");
    QTest::newRow("os flag, build 172: port 5000") << 0 << 1 << 172 << 5000;
    QTest::newRow("os flag, build 171: port 80") << 0 << 1 << 171 << 80;
    QTest::newRow("announced port") << 8081 << 1 << 172 << 8081;
}

void TestFindHostUtils::probeGoesToPortOfRecord()
{
    QFETCH(int, httpPort);
    QFETCH(int, osFlag);
    QFETCH(int, build);
    QFETCH(int, probedPort);
    Server server;
    server.httpPort = httpPort;
    server.osFlag = osFlag;
    server.build = build;
    QVERIFY(startResponder(server));
    RecordingManager manager;
    auto utils = makeUtils(&manager);
    utils->startSearch();
    QTRY_COMPARE(manager.urls.size(), 1);
    QCOMPARE(manager.urls.first().scheme(), QStringLiteral("http"));
    QCOMPARE(manager.urls.first().host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(manager.urls.first().port(), probedPort);
    QCOMPARE(manager.urls.first().path(), QString());
}

void TestFindHostUtils::probeOutcome_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("transferTimeout");
    QTest::addColumn<int>("qcStatus");
    QTest::addColumn<int>("connectionValue");
    QTest::addColumn<int>("probeState");
    QTest::addColumn<bool>("offered");
    QTest::newRow("HTTP 404 counts as reachable") << int(WebStub::NotFound) << 0 << 1 << 1 << 0 << true;
    QTest::newRow("HTTP 200 reachable") << int(WebStub::Ok) << 0 << 1 << 1 << 0 << true;
    QTest::newRow("silent web port: failed at the end of the search")
        << int(WebStub::Silent) << 0 << 8 << 0 << 1 << false;
    QTest::newRow("manager time-out: failed when it expires")
        << int(WebStub::Silent) << 200 << 8 << 0 << 1 << false;
}

void TestFindHostUtils::probeOutcome()
{
    QFETCH(int, mode);
    QFETCH(int, transferTimeout);
    QFETCH(int, qcStatus);
    QFETCH(int, connectionValue);
    QFETCH(int, probeState);
    QFETCH(bool, offered);
    WebStub web(static_cast<WebStub::Mode>(mode));
    Server server;
    server.httpPort = web.port();
    server.build = 1093;
    QVERIFY(startResponder(server));
    const QString url =
        QStringLiteral("^FindHostUtils\\.cpp:\\d+ Url \\[http://127\\.0\\.0\\.1:%1\\] has error \\(%2\\)$");
    if (mode == WebStub::NotFound)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(url.arg(web.port()).arg(203)));
    if (transferTimeout != 0)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(url.arg(web.port()).arg(5)));
    else if (mode == WebStub::Silent)
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression(QStringLiteral(
                "^FindHostUtils\\.cpp:\\d+ Fail to test connection for \\[korvat\\]\\(127\\.0\\.0\\.1\\)$")));

    QNetworkAccessManager manager;
    manager.setTransferTimeout(transferTimeout);
    auto utils = makeUtils(&manager);
    if (transferTimeout != 0)
        utils->setTickInterval(250); // a search of five seconds outlasts the time-out
    QSignalSpy finished(utils.get(), &FindHostUtils::signalFindNasFinished);
    utils->startSearch();
    if (mode != WebStub::Silent || transferTimeout != 0) {
        QTRY_COMPARE(m_map.value(server.mac).probeState, probeState);
        QVERIFY(utils->isSearching());
    }
    QVERIFY(finished.wait(10000));
    QCOMPARE(web.requests, 1);

    QCOMPARE(m_map.size(), 1);
    const NASINFO record = m_map.value(server.mac);
    QCOMPARE(record.qcStatus, qcStatus);
    QCOMPARE(record.connectionValue, connectionValue);
    QCOMPARE(record.probeState, probeState);

    CAsstNasinfoModel model(&m_map);
    CAsstAddDlgNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);
    QCOMPARE(proxy.rowCount(), offered ? 1 : 0);
    if (offered)
        QCOMPARE(proxy.index(0, CAsstNasinfoModel::DisplayColumn).data().toString(),
                 QStringLiteral("korvat (127.0.0.1)"));
}

void TestFindHostUtils::sameServerTwiceIsProbedOnce()
{
    WebStub web(WebStub::NotFound);
    Server server;
    server.httpPort = web.port();
    QVERIFY(startResponder(server));
    RecordingManager manager;
    auto utils = makeUtils(&manager);
    QSignalSpy finished(utils.get(), &FindHostUtils::signalFindNasFinished);
    utils->startSearch();
    // Each round carries a bound and an unbound query; the responder answers both.
    QVERIFY(finished.wait(10000));
    QCOMPARE(manager.urls.size(), 1);
    QCOMPARE(web.requests, 1);
    QCOMPARE(m_map.size(), 1);
    QCOMPARE(m_map.first().qcStatus, 1);

    // A later search hears the same server again; it was probed already.
    runSearch(*utils);
    QCOMPARE(manager.urls.size(), 1);
    QCOMPARE(m_map.first().qcStatus, 1);
}

void TestFindHostUtils::forgedFloodIsBounded()
{
    RecordingManager manager;
    auto utils = makeUtils(&manager);
    utils->setTickInterval(200);
    QSignalSpy finished(utils.get(), &FindHostUtils::signalFindNasFinished);
    utils->startSearch();
    // Forged answers under ever new MACs: one address probed once, then unconfigured servers from
    // other addresses, listed only up to the bound.
    for (int i = 0; i < 600; ++i) {
        NASINFO forged{};
        forged.packetType = FHOST_PKT_BRESPONSE;
        forged.qcStatus = i < 300 ? FHOSTQC_DONE : FHOSTQC_FALSE;
        forged.httpPort = 9;
        forged.ipAddress = qToBigEndian<quint32>(i < 300 ? 0x7f000001 : 0x7f000100 + i);
        qstrncpy(forged.serverMac, qPrintable(QStringLiteral("00:11:32:00:%1:%2").arg(i / 256).arg(i % 256)),
                 sizeof forged.serverMac);
        utils->slotInsert(forged);
    }
    QCOMPARE(m_map.size(), FindHostUtils::kMaxServers);
    QCOMPARE(manager.urls.size(), 1);
    QVERIFY(finished.wait(10000));
}

void TestFindHostUtils::uploadCapabilityOfBuilds_data()
{
    QTest::addColumn<int>("build");
    QTest::addColumn<bool>("flag3");
    QTest::addColumn<bool>("offered");
    QTest::newRow("1092 hidden even when reachable") << 1092 << true << false;
    QTest::newRow("1093 shown") << 1093 << false << true;
    QTest::newRow("1240 without flag 3 hidden") << 1240 << false << false;
    QTest::newRow("1240 with flag 3 shown") << 1240 << true << true;
}

void TestFindHostUtils::uploadCapabilityOfBuilds()
{
    QFETCH(int, build);
    QFETCH(bool, flag3);
    QFETCH(bool, offered);
    WebStub web(WebStub::Ok);
    Server server;
    server.httpPort = web.port();
    server.build = build;
    server.uploadFlag = flag3;
    QVERIFY(startResponder(server));
    QNetworkAccessManager manager;
    auto utils = makeUtils(&manager);
    runSearch(*utils);
    QCOMPARE(m_map.size(), 1);
    QCOMPARE(m_map.first().qcStatus, 1);
    QCOMPARE(m_map.first().buildNumber, build);

    CAsstNasinfoModel model(&m_map);
    CAsstAddDlgNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);
    QCOMPARE(proxy.rowCount(), offered ? 1 : 0);
    QCOMPARE(model.rowCount(), 1);
}

void TestFindHostUtils::unconfiguredServerListedButNotProbed()
{
    Server server;
    server.qcStatus = FHOSTQC_FALSE;
    QVERIFY(startResponder(server));
    RecordingManager manager;
    auto utils = makeUtils(&manager);
    runSearch(*utils);
    QCOMPARE(manager.urls.size(), 0);
    QCOMPARE(m_map.size(), 1);
    QCOMPARE(m_map.first().probeState, 0);

    CAsstNasinfoModel model(&m_map);
    QCOMPARE(model.index(0, CAsstNasinfoModel::StatusColumn).data().toString(),
             QStringLiteral("FHOSTQC_FALSE"));
    QCOMPARE(model.index(0, CAsstNasinfoModel::MacColumn).data().toString(),
             QStringLiteral("00:11:32:AA:BB:01"));
    CAsstAddDlgNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);
    QCOMPARE(proxy.rowCount(), 0);
}

void TestFindHostUtils::betweenSearchesOnlyKnownServersChange()
{
    Server server;
    server.qcStatus = FHOSTQC_FALSE;
    QVERIFY(startResponder(server));
    QNetworkAccessManager manager;
    auto utils = makeUtils(&manager);
    runSearch(*utils);
    QCOMPARE(m_map.size(), 1);
    QVERIFY(!utils->isSearching());

    auto answer = [](const QByteArray& name, const QByteArray& mac, qint32 type) -> QByteArray {
        return header() + basic(type) + item(0x21, name) + item(0x29, mac) + item(0xA7, le32(0));
    };
    sendToListener(answer("stranger", "00:11:32:aa:bb:99", FHOST_PKT_BRESPONSE));
    sendToListener(answer("own query", "00:11:32:aa:bb:98", FHOST_PKT_QUERY));
    sendToListener(answer("known, renamed", "00:11:32:aa:bb:01", FHOST_PKT_JRESPONSE));
    QTRY_COMPARE(QByteArray(m_map.value(server.mac).serverName), QByteArray("known, renamed"));
    QCOMPARE(m_map.keys(), QStringList{server.mac});
}

void TestFindHostUtils::probedServerKeepsItsAnswer()
{
    WebStub web(WebStub::Ok);
    Server server;
    server.httpPort = web.port();
    QVERIFY(startResponder(server));
    QNetworkAccessManager manager;
    auto utils = makeUtils(&manager);
    utils->setTickInterval(200);
    QSignalSpy finished(utils.get(), &FindHostUtils::signalFindNasFinished);
    utils->startSearch();
    QTRY_COMPARE(m_map.value(server.mac).connectionValue, 1);
    QVERIFY(utils->isSearching());

    // During the search an answer without a confirmed connection does not replace the probed one.
    NASINFO later = m_map.value(server.mac);
    later.qcStatus = FHOSTQC_FALSE;
    later.connectionValue = 0;
    std::strcpy(later.serverName, "later");
    utils->slotInsert(later);
    QCOMPARE(QByteArray(m_map.value(server.mac).serverName), QByteArray("korvat"));
    QCOMPARE(m_map.value(server.mac).qcStatus, 1);

    // Other servers are added while it runs.
    NASINFO other = later;
    std::strcpy(other.serverMac, "00:11:32:aa:bb:02");
    utils->slotInsert(other);
    QCOMPARE(m_map.size(), 2);
    QVERIFY(finished.wait(10000));
}

void TestFindHostUtils::emptySearchWarnsOnce()
{
    ScriptedPrompter prompter;
    QNetworkAccessManager manager;
    auto utils = makeUtils(&manager);
    QSignalSpy ticks(utils.get(), &FindHostUtils::signalFindHostUpdate);
    QSignalSpy finished(utils.get(), &FindHostUtils::signalFindNasFinished);
    utils->startSearch();
    QVERIFY(utils->isSearching());
    QVERIFY(finished.wait(10000));
    QCOMPARE(ticks.size(), 20);
    QVERIFY(!utils->isSearching());
    QVERIFY(m_map.isEmpty());

    QCOMPARE(prompter.shown.size(), 1);
    const ScriptedPrompter::Shown& shown = prompter.shown.first();
    QCOMPARE(shown.kind, ScriptedPrompter::Shown::Message);
    QCOMPARE(shown.icon, Prompter::Icon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Error"));
    QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(!shown.parent);
    QVERIFY(shown.text.startsWith(
        QStringLiteral("No Vexalon Korvat was found on the local network.Please make sure:")));
    QVERIFY(shown.text.contains(QStringLiteral("<li>Vexalon Korvat and your computer are both connected")));
    QVERIFY(shown.text.contains(QStringLiteral("the power of Vexalon Korvat.</li>")));
    QVERIFY(!shown.text.contains(QStringLiteral("%1")));

    // The search is over: no more ticks, no second message.
    QTest::qWait(5 * kTickMs);
    QCOMPARE(ticks.size(), 20);
    QCOMPARE(prompter.shown.size(), 1);
}

void TestFindHostUtils::otherRepliesOfSharedManagerUntouched()
{
    WebStub web(WebStub::Ok);
    Server server;
    server.httpPort = web.port();
    QVERIFY(startResponder(server));
    QNetworkAccessManager manager;
    auto utils = makeUtils(&manager);
    runSearch(*utils);
    QCOMPARE(m_map.first().qcStatus, 1);

    // Someone else's request to the same server through the same manager, read when it finishes.
    QByteArray body;
    bool done = false;
    QPointer<QNetworkReply> reply =
        manager.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(web.port()))));
    connect(reply, &QNetworkReply::finished, this, [&] {
        done = true;
        body = reply ? reply->readAll() : QByteArray();
    });
    QTRY_VERIFY(done);
    QCOMPARE(body, QByteArray("hello"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(reply);
    QVERIFY(reply->isOpen());
    delete reply.data();
}

void TestFindHostUtils::destroyedWhileProbing()
{
    WebStub web(WebStub::Silent);
    Server server;
    server.httpPort = web.port();
    QVERIFY(startResponder(server));
    QNetworkAccessManager manager;
    auto utils = makeUtils(&manager);
    utils->setTickInterval(1000);
    utils->startSearch();
    QTRY_COMPARE(web.requests, 1);
    QCOMPARE(m_map.first().qcStatus, 10);
    QCOMPARE(m_map.first().probeState, -1);
    utils.reset();
    // The aborted probe finishes without anyone to tell; the map is left as it was.
    QTest::qWait(100);
    QCOMPARE(m_map.first().qcStatus, 10);
}

LUMIO_TEST_MAIN(TestFindHostUtils)
#include "tst_findhostutils.moc"
