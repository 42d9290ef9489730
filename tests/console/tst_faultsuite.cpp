#include "AppPaths.h"
#include "CertificateTrust.h"
#include "ConsoleRun.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

// Originals below the photo root by name and size; renditions are left out.
QMap<QString, qint64> storedOriginals(const QString& root)
{
    QMap<QString, qint64> files;
    QDirIterator it(root, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains(QLatin1String("/.@__thumb/")))
            files.insert(QDir(root).relativeFilePath(path), QFileInfo(path).size());
    }
    return files;
}

QStringList recordedNames(const QString& profile)
{
    QStringList names;
    QSqlQuery query(ProfileStore::connection());
    query.prepare(QStringLiteral("SELECT name FROM PhotoRecords WHERE profname = ?"));
    query.addBindValue(profile);
    if (query.exec()) {
        while (query.next())
            names.append(query.value(0).toString());
    }
    names.sort();
    return names;
}

QJsonArray numbers(int first, int last, int step)
{
    QJsonArray array;
    for (int n = first; n <= last; n += step)
        array.append(n);
    return array;
}

QString makeClip(const QString& path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=320x240:rate=25:duration=3"), QStringLiteral("-pix_fmt"),
                  QStringLiteral("yuv420p"), path});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return QString();
    return path;
}

} // namespace

// lumio-upload against a misbehaving reference server: every run must end, send nothing twice, and
// record exactly what the server holds.
class TestFaultSuite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void misbehavingServer_data();
    void misbehavingServer();
    void secureCookieOverHttps();
    void cancelDuringVideoConversion();

private:
    void addProfile(const QString& name, int port, bool https);
    QStringList makeFiles(int count, int size);
    QStringList tempFiles() const;

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<QTemporaryDir> m_sources;
};

void TestFaultSuite::addProfile(const QString& name, int port, bool https)
{
    ServerProfile profile;
    profile.setAll(name, QStringLiteral("127.0.0.1"), port, https, QStringLiteral("demo"),
                   QStringLiteral("demo"), true, QString(), false, true, true, false,
                   QStringLiteral("RENAME"), QString(), {2});
    ProfileStore::createProfile(profile);
}

void TestFaultSuite::initTestCase()
{
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
    ProfileStore::createPhotoRecordsTable();
    addProfile(QStringLiteral("Home"), m_server->port(), false);
}

void TestFaultSuite::init()
{
    QVERIFY(m_server->reset());
    m_sources = std::make_unique<QTemporaryDir>();
}

void TestFaultSuite::cleanup()
{
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DROP TRIGGER IF EXISTS RecordsFail"));
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM PhotoRecords"));
}

QStringList TestFaultSuite::makeFiles(int count, int size)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = m_sources->filePath(QStringLiteral("f%1.bin").arg(i, 3, 10, QLatin1Char('0')));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(QByteArray(size, char('a' + i % 26)));
        paths.append(path);
    }
    return paths;
}

QStringList TestFaultSuite::tempFiles() const
{
    return QDir(AppPaths::defaultTempRootFolder())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

void TestFaultSuite::misbehavingServer_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QJsonObject>("faults");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("recordsFail");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("stored");   // originals on the server afterwards
    QTest::addColumn<QString>("text"); // in the output
    QTest::addColumn<int>("seconds");  // the run ends within

    const auto upload = [](const QJsonObject& rule) { return QJsonObject{{QStringLiteral("upload"), rule}}; };
    QTest::newRow("every third upload dropped mid-body")
        << 300 << upload({{QStringLiteral("drop_mid_body_requests"), numbers(3, 600, 3)}}) << QStringList()
        << false << 0 << 300 << QString() << 240;
    QTest::newRow("500 on one file") << 4
                                     << upload({{QStringLiteral("status"), 500},
                                                {QStringLiteral("only_requests"), QJsonArray{2}}})
                                     << QStringList() << false << 1 << 3
                                     << "The server answered 500 Internal Server Error." << 60;
    QTest::newRow("413 on one file") << 2
                                     << upload({{QStringLiteral("status"), 413},
                                                {QStringLiteral("only_requests"), QJsonArray{1}}})
                                     << QStringList() << false << 1 << 1 << "The server answered 413" << 60;
    QTest::newRow("session_lost with a 500")
        << 3
        << upload({{QStringLiteral("status"), 500},
                   {QStringLiteral("err_msg"), QStringLiteral("session_lost")},
                   {QStringLiteral("only_requests"), QJsonArray{2}}})
        << QStringList() << false << 1 << 1 << "The connection is lost." << 60;
    QTest::newRow("connection lost on every try")
        << 2 << upload({{QStringLiteral("drop_requests"), numbers(1, 3, 1)}})
        << QStringList{QStringLiteral("--retries"), QStringLiteral("2")} << false << 1 << 1
        << "Connection error." << 60;
    QTest::newRow("silent login") << 1
                                  << QJsonObject{{QStringLiteral("login"),
                                                  QJsonObject{
                                                      {QStringLiteral("silent_requests"), QJsonArray{1}}}}}
                                  << QStringList{QStringLiteral("--timeout"), QStringLiteral("2")} << false
                                  << 3 << 0 << "(no answer within 2 s)" << 12;
    QTest::newRow("silent upload") << 2 << upload({{QStringLiteral("silent_requests"), QJsonArray{1}}})
                                   << QStringList{QStringLiteral("--timeout"), QStringLiteral("2"),
                                                  QStringLiteral("--retries"), QStringLiteral("0")}
                                   << false << 1 << 1 << "127.0.0.1" << 12;
    QTest::newRow("reply cut after the file was stored")
        << 3 << upload({{QStringLiteral("cut_reply_requests"), QJsonArray{2}}}) << QStringList() << false << 0
        << 3 << QString() << 60;
    QTest::newRow("blank before the brace of a success")
        << 3
        << upload({{QStringLiteral("body"), QStringLiteral("leading_blank")},
                   {QStringLiteral("only_requests"), QJsonArray{1}}})
        << QStringList() << false << 0 << 3 << QString() << 60;
    QTest::newRow("connection closed after the body")
        << 3 << upload({{QStringLiteral("drop_requests"), QJsonArray{3}}}) << QStringList() << false << 0 << 3
        << QString() << 60;
    QTest::newRow("records cannot be written") << 2 << QJsonObject() << QStringList() << true << 1 << 2
                                               << "Uploaded, but could not be recorded: disk full" << 60;
}

void TestFaultSuite::misbehavingServer()
{
    QFETCH(int, files);
    QFETCH(QJsonObject, faults);
    QFETCH(QStringList, options);
    QFETCH(bool, recordsFail);
    QFETCH(int, exitCode);
    QFETCH(int, stored);
    QFETCH(QString, text);
    QFETCH(int, seconds);

    const QStringList paths = makeFiles(files, 16 * 1024);
    QCOMPARE(paths.size(), files);
    QVERIFY(m_server->setFaults(faults));
    if (recordsFail)
        QVERIFY(QSqlQuery(ProfileStore::connection())
                    .exec(QStringLiteral("CREATE TRIGGER RecordsFail BEFORE INSERT ON PhotoRecords "
                                         "BEGIN SELECT RAISE(FAIL, 'disk full'); END")));

    QElapsedTimer clock;
    clock.start();
    const ConsoleRun::Result run =
        ConsoleRun::run(ConsoleRun::uploader(),
                        QStringList{QStringLiteral("--profile"), QStringLiteral("Home"),
                                    QStringLiteral("--all-files"), QStringLiteral("--flat")} +
                            options + paths,
                        QProcessEnvironment::systemEnvironment(), (seconds + 30) * 1000);
    const QByteArray output = run.out + run.err;
    QVERIFY2(run.finished, output.right(2000).constData());
    QVERIFY2(clock.elapsed() < seconds * 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(run.exitCode == exitCode, output.right(2000).constData());
    QVERIFY2(text.isEmpty() || QString::fromUtf8(output).contains(text), output.right(2000).constData());

    // The fault really happened.
    if (!faults.isEmpty()) {
        int shaped = 0;
        for (const QJsonObject& entry : m_server->requestLog()) {
            for (const char* key : {"dropped", "fault", "cut", "silent"})
                shaped += entry.value(QLatin1String(key)).toBool();
        }
        QVERIFY(shaped > 0);
    }
    // Nothing lost, nothing twice: every stored original is one of ours, whole, under its own name.
    const QMap<QString, qint64> onServer = storedOriginals(m_server->photoRoot());
    QCOMPARE(onServer.size(), stored);
    for (auto it = onServer.begin(); it != onServer.end(); ++it) {
        QVERIFY2(QFile::exists(m_sources->filePath(it.key())), qPrintable(it.key()));
        QCOMPARE(it.value(), qint64(16 * 1024));
    }
    // What is recorded is what the server holds.
    QStringList expectedRecords = recordsFail ? QStringList() : onServer.keys();
    QCOMPARE(recordedNames(QStringLiteral("Home")), expectedRecords);
    QVERIFY(tempFiles().isEmpty());
}

void TestFaultSuite::secureCookieOverHttps()
{
    QJsonObject config = RefServer::defaultConfig();
    config.insert(QStringLiteral("secure_cookie"), true);
    RefServer server(config);
    server.setHttps(true);
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    addProfile(QStringLiteral("Secure"), server.port(), true);
    // The test server's certificate is self-signed: vouch for it as a user without a terminal would.
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(server.certificateFile());
    QVERIFY(!certificates.isEmpty());
    const QString fingerprint = CertificateTrust::fingerprint(certificates.first());
    const QStringList paths = makeFiles(2, 1024);
    const ConsoleRun::Result run = ConsoleRun::run(
        ConsoleRun::uploader(),
        QStringList{QStringLiteral("--profile"), QStringLiteral("Secure"), QStringLiteral("--all-files"),
                    QStringLiteral("--flat"), QStringLiteral("--trust-certificate"), fingerprint} +
            paths);
    ProfileStore::removeProfile(QStringLiteral("Secure"));
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    QCOMPARE(storedOriginals(server.photoRoot()).size(), 2);
    // Both files go over one TLS connection, with one handshake.
    QSet<int> connections;
    for (const QJsonObject& entry : server.requestLog(QStringLiteral("upload"))) {
        QVERIFY(entry.value(QStringLiteral("session")).toBool());
        connections.insert(entry.value(QStringLiteral("connection")).toInt());
    }
    QCOMPARE(connections.size(), 1);
}

void TestFaultSuite::cancelDuringVideoConversion()
{
    // Orphans of the uploader would be handed to this process, where the check below finds them.
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0), 0);
    const QString clip = makeClip(m_sources->filePath(QStringLiteral("clip.mp4")));
    QVERIFY(!clip.isEmpty());
    const QStringList tools{QStringLiteral("ffmpeg"), QStringLiteral("qt-faststart")};
    // Twenty cancels: each waits for the encoder to run, so the whole loop takes well under a minute.
    for (int round = 0; round < 20; ++round) {
        QProcess uploader;
        uploader.start(ConsoleRun::uploader(),
                       {QStringLiteral("--profile"), QStringLiteral("Home"),
                        QStringLiteral("--no-skip-uploaded"), QStringLiteral("--video-quality"),
                        QStringLiteral("low,medium"), clip});
        QVERIFY(uploader.waitForStarted());
        const int pid = static_cast<int>(uploader.processId());
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (int child : ConsoleRun::childrenOf(pid)) {
                    if (tools.contains(ConsoleRun::commandName(child)))
                        return true;
                }
                return uploader.state() == QProcess::NotRunning;
            },
            60000));
        // Vary the moment of the cancel within the conversion.
        QTest::qWait(round * 25);
        ::kill(pid, SIGINT);
        QVERIFY(uploader.waitForFinished(60000));
        QVERIFY(uploader.exitCode() == 130 || uploader.exitCode() == 0);

        const QList<int> mine = ConsoleRun::childrenOf(static_cast<int>(QCoreApplication::applicationPid()));
        QCOMPARE(mine, QList<int>{static_cast<int>(m_server->processId())});
        QVERIFY2(tempFiles().isEmpty(), qPrintable(tempFiles().join(QLatin1Char(' '))));
    }
    // An original on the server always has its renditions, and only originals on the server are recorded.
    const QMap<QString, qint64> onServer = storedOriginals(m_server->photoRoot());
    for (auto it = onServer.begin(); it != onServer.end(); ++it) {
        const QString renditions = m_server->photoRoot() + QStringLiteral("/.@__thumb/") + it.key();
        QVERIFY2(QFile::exists(renditions + QStringLiteral("/MP4_LOW.mp4")), qPrintable(it.key()));
        QVERIFY2(QFile::exists(renditions + QStringLiteral("/MP4_MEDIUM.mp4")), qPrintable(it.key()));
    }
    QVERIFY(recordedNames(QStringLiteral("Home")).size() <= onServer.size());
}

LUMIO_TEST_MAIN(TestFaultSuite)
#include "tst_faultsuite.moc"
