#include "AppPaths.h"
#include "ConsoleRun.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "WatchConfig.h"
#include "WatchState.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

QByteArray jpegBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(width * 7 + height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate());
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return buffer.data();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The original files the server was sent, by name, each as often as it was sent.
QStringList originalsSent(const RefServer& server)
{
    QStringList names;
    for (const QJsonObject& entry : server.requestLog(QStringLiteral("upload"))) {
        const QJsonObject headers = entry.value(QStringLiteral("headers")).toObject();
        if (headers.value(QStringLiteral("X-UPLOAD-TYPE")).toString() == QLatin1String("ORIG_FILE"))
            names.append(headers.value(QStringLiteral("X-ORIG-FNAME")).toString().trimmed());
    }
    names.sort();
    return names;
}

int count(const RefServer& server, const QString& endpoint)
{
    return static_cast<int>(server.requestLog(endpoint).size());
}

// lumio-upload --watch as a child of the test, with short pauses.
class Watcher
{
public:
    explicit Watcher(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUMIO_WATCH_FIRST_PAUSE_MS"), QStringLiteral("300"));
        env.insert(QStringLiteral("LUMIO_WATCH_LONGEST_PAUSE_MS"), QStringLiteral("1200"));
        m_process.setProcessEnvironment(env);
        m_process.start(ConsoleRun::uploader(), arguments);
    }
    ~Watcher()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    QString err()
    {
        m_err += QString::fromUtf8(m_process.readAllStandardError());
        m_process.readAllStandardOutput();
        return m_err;
    }
    bool waitForErr(const QString& text, int times = 1, int timeoutMs = 60000)
    {
        return QTest::qWaitFor([&] { return err().count(text) >= times; }, timeoutMs);
    }
    int pid() const { return static_cast<int>(m_process.processId()); }
    // SIGTERM, then the exit status (-1 when it did not end).
    int terminate()
    {
        ::kill(pid(), SIGTERM);
        if (!m_process.waitForFinished(60000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }
    int waitForExit()
    {
        if (!m_process.waitForFinished(60000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        err();
        return m_process.exitCode();
    }

private:
    QProcess m_process;
    QString m_err;
};

} // namespace

class TestConsoleWatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void slowCopyIsSentOnceComplete();
    void burstIsOneRun();
    void serverAwayThenBack();
    void terminateMidRun();
    void refusedStarts_data();
    void refusedStarts();
    void watchCommands();
    void unitVerifies();

private:
    QStringList watchArguments(const QString& profile = QStringLiteral("Home")) const;
    // Starts a watcher and waits until its first run over the folder has ended.
    bool startAndSettle(Watcher* watcher);

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<QTemporaryDir> m_sources;
    QString m_folder;
};

void TestConsoleWatch::initTestCase()
{
    QJsonObject config = RefServer::defaultConfig();
    config.insert(QStringLiteral("root_uploaders"), QJsonArray{QStringLiteral("demo")});
    m_server = std::make_unique<RefServer>(config);
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
    ProfileStore::createPhotoRecordsTable();
    const auto add = [this](const QString& name, const QString& password) {
        ServerProfile profile;
        profile.setAll(name, QStringLiteral("127.0.0.1"), m_server->port(), false, QStringLiteral("demo"),
                       password, true, QString(), false, true, true, false, QStringLiteral("RENAME"),
                       QString(), {1});
        ProfileStore::createProfile(profile);
    };
    add(QStringLiteral("Home"), QStringLiteral("demo"));
    add(QStringLiteral("Wrong"), QStringLiteral("not-the-password"));
    QSqlQuery(ProfileStore::connection())
        .exec(QStringLiteral("UPDATE ServerProfiles SET idxonly = 1, incbackup = 1, daterename = 0"));
}

void TestConsoleWatch::init()
{
    QVERIFY(m_server->reset());
    m_sources = std::make_unique<QTemporaryDir>();
    m_folder = m_sources->filePath(QStringLiteral("Camera"));
    QVERIFY(QDir().mkpath(m_folder));
}

void TestConsoleWatch::cleanup()
{
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM PhotoRecords"));
}

QStringList TestConsoleWatch::watchArguments(const QString& profile) const
{
    return {QStringLiteral("--profile"), profile, QStringLiteral("--watch"), QStringLiteral("--settle"),
            QStringLiteral("1"),         m_folder};
}

bool TestConsoleWatch::startAndSettle(Watcher* watcher)
{
    return watcher->waitForErr(QStringLiteral("watching 1 folders")) &&
           QTest::qWaitFor(
               [this] {
                   WatchState state;
                   return state.read(WatchState::pathFor(QStringLiteral("Home"))) && state.lastRun.isValid();
               },
               60000);
}

void TestConsoleWatch::slowCopyIsSentOnceComplete()
{
    Watcher watcher(watchArguments());
    QVERIFY(startAndSettle(&watcher));
    const QByteArray bytes = jpegBytes(400, 300);
    const QString path = m_folder + QStringLiteral("/slow.jpg");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Slower than the settle time as a whole, each pause well within it.
        const int step = static_cast<int>(bytes.size() / 8 + 1);
        for (int offset = 0; offset < bytes.size(); offset += step) {
            file.write(bytes.mid(offset, step));
            file.flush();
            QTest::qWait(300);
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(originalsSent(*m_server), QStringList{QStringLiteral("slow.jpg")}, 60000);
    QTest::qWait(2500);
    QCOMPARE(originalsSent(*m_server), QStringList{QStringLiteral("slow.jpg")});
    QFile stored(m_server->photoRoot() + QStringLiteral("/Camera/slow.jpg"));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QVERIFY(stored.readAll() == bytes);
    QCOMPARE(watcher.terminate(), 0);
}

void TestConsoleWatch::burstIsOneRun()
{
    Watcher watcher(watchArguments());
    QVERIFY(startAndSettle(&watcher));
    m_server->clearRequestLog();
    const QByteArray bytes = jpegBytes(32, 24);
    QStringList expected;
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("card%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        writeFile(m_folder + QStringLiteral("/DCIM/") + name, bytes);
        expected.append(name);
    }
    QTRY_COMPARE_WITH_TIMEOUT(originalsSent(*m_server).size(), 200, 240000);
    QCOMPARE(originalsSent(*m_server), expected);
    QCOMPARE(count(*m_server, QStringLiteral("login")), 1);
    QCOMPARE(count(*m_server, QStringLiteral("init")), 1);
    QVERIFY(watcher.waitForErr(QStringLiteral("200 new or changed files")));
    QCOMPARE(watcher.terminate(), 0);
}

void TestConsoleWatch::serverAwayThenBack()
{
    Watcher watcher(watchArguments());
    QVERIFY(startAndSettle(&watcher));
    const int port = m_server->port();
    m_server->stop();
    const QByteArray bytes = jpegBytes(40, 30);
    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        expected.append(QStringLiteral("away%1.jpg").arg(i));
        writeFile(m_folder + QLatin1Char('/') + expected.last(), bytes);
    }
    // Tried, refused by the closed port, paused, tried again.
    QVERIFY(watcher.waitForErr(QStringLiteral("next try in"), 3));
    WatchState state;
    QVERIFY(state.read(WatchState::pathFor(QStringLiteral("Home"))));
    QVERIFY(state.unreachableSince.isValid());
    QCOMPARE(state.backlog + state.uploading, 5);
    QVERIFY2(state.lastError.startsWith(QStringLiteral("Cannot reach ")) &&
                 state.lastError.contains(QStringLiteral("(connection refused)")),
             qPrintable(state.lastError));

    m_server->setExtraArguments({QStringLiteral("--port"), QString::number(port)});
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    m_server->setExtraArguments({});
    QTRY_COMPARE_WITH_TIMEOUT(originalsSent(*m_server), expected, 60000);
    QTRY_VERIFY(state.read(WatchState::pathFor(QStringLiteral("Home"))) &&
                state.activity == WatchState::Activity::Watching && state.backlog == 0);
    QVERIFY(!state.unreachableSince.isValid());
    QTest::qWait(2000);
    QCOMPARE(originalsSent(*m_server), expected);
    QCOMPARE(watcher.terminate(), 0);
}

void TestConsoleWatch::terminateMidRun()
{
    // Orphans of the watcher would be handed to this process, where the check below finds them.
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0), 0);
    Watcher watcher(watchArguments());
    QVERIFY(startAndSettle(&watcher));
    QVERIFY(
        m_server->setFaults({{QStringLiteral("upload"), QJsonObject{{QStringLiteral("delay_ms"), 300}}}}));
    QProcess ffmpeg;
    const QString staging = m_sources->filePath(QStringLiteral("clip.mp4"));
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=320x240:rate=25:duration=8"), QStringLiteral("-pix_fmt"),
                  QStringLiteral("yuv420p"), staging});
    QVERIFY(ffmpeg.waitForFinished(60000));
    QCOMPARE(ffmpeg.exitCode(), 0);
    for (int i = 0; i < 4; ++i)
        writeFile(m_folder + QStringLiteral("/t%1.jpg").arg(i), jpegBytes(200, 150));
    QVERIFY(QFile::rename(staging, m_folder + QStringLiteral("/clip.mp4")));

    const QStringList tools{QStringLiteral("ffmpeg"), QStringLiteral("convert"),
                            QStringLiteral("qt-faststart")};
    QList<int> running;
    QVERIFY(QTest::qWaitFor(
        [&] {
            running = ConsoleRun::childrenOf(watcher.pid());
            for (int child : running) {
                if (tools.contains(ConsoleRun::commandName(child)))
                    return true;
            }
            return false;
        },
        60000));
    QCOMPARE(watcher.terminate(), 0);
    for (int child : running)
        QVERIFY2(!ConsoleRun::isAlive(child), qPrintable(ConsoleRun::commandName(child)));
    const QList<int> mine = ConsoleRun::childrenOf(static_cast<int>(QCoreApplication::applicationPid()));
    QCOMPARE(mine, QList<int>{static_cast<int>(m_server->processId())});
    QVERIFY(QDir(AppPaths::defaultTempRootFolder())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                .isEmpty());
    // Every record stands for a file the server holds.
    QSqlQuery records(ProfileStore::connection());
    QVERIFY(records.exec(QStringLiteral("SELECT name FROM PhotoRecords")));
    const QStringList sent = originalsSent(*m_server);
    int recorded = 0;
    while (records.next()) {
        ++recorded;
        QVERIFY2(sent.contains(records.value(0).toString()), qPrintable(records.value(0).toString()));
        QVERIFY(QFileInfo::exists(m_server->photoRoot() + QStringLiteral("/Camera/") +
                                  records.value(0).toString()));
    }
    QVERIFY(recorded < 5);
    WatchState state;
    QVERIFY(state.read(WatchState::pathFor(QStringLiteral("Home"))));
    QCOMPARE(state.activity, WatchState::Activity::Stopped);
}

void TestConsoleWatch::refusedStarts_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password ends the watch")
        << "Wrong" << QString() << 4 << "the login of profile \"Wrong\" failed: the watch stops";
    QTest::newRow("missing folder") << "Home"
                                    << "/no/such/folder" << 2 << "no such folder: /no/such/folder";
    QTest::newRow("a file") << "Home"
                            << "file.jpg" << 2 << "--watch takes folders";
    QTest::newRow("second watcher of a profile")
        << "Home" << QString() << 1 << "another watcher of profile \"Home\" is running";
}

void TestConsoleWatch::refusedStarts()
{
    QFETCH(QString, profile);
    QFETCH(QString, folder);
    QFETCH(int, status);
    QFETCH(QString, message);
    std::unique_ptr<Watcher> first;
    if (status == 1) {
        first = std::make_unique<Watcher>(watchArguments());
        QVERIFY(startAndSettle(first.get()));
    }
    if (folder == QLatin1String("file.jpg")) {
        folder = m_folder + QStringLiteral("/file.jpg");
        writeFile(folder, "x");
    }
    QStringList arguments = watchArguments(profile);
    if (!folder.isEmpty())
        arguments.last() = folder;
    Watcher watcher(arguments);
    QCOMPARE(watcher.waitForExit(), status);
    QVERIFY2(watcher.err().contains(message), qPrintable(watcher.err()));
    if (first) {
        QCOMPARE(first->terminate(), 0);
        QCOMPARE(count(*m_server, QStringLiteral("login")), 1);
    } else if (status == 4) {
        // One try, no storm of logins with a wrong password.
        QCOMPARE(count(*m_server, QStringLiteral("login")), 1);
    } else {
        QVERIFY(m_server->requestLog().isEmpty());
    }
}

// enable, status and disable with a stand-in for systemctl that records what it was asked.
void TestConsoleWatch::watchCommands()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("systemctl.log"));
    const QString fake = dir.filePath(QStringLiteral("systemctl"));
    writeFile(fake,
              QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n[ -z \"$FAIL\" ] || { echo \"$FAIL\" >&2; "
                             "exit 1; }\n")
                  .arg(log)
                  .toUtf8());
    QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUMIO_SYSTEMCTL"), fake);
    const auto watch = [&env](const QStringList& arguments) {
        return ConsoleRun::run(ConsoleRun::uploader(), QStringList{QStringLiteral("watch")} + arguments, env);
    };

    ConsoleRun::Result run =
        watch({QStringLiteral("enable"), QStringLiteral("Home"), m_folder, QStringLiteral("--settle"),
               QStringLiteral("3"), QStringLiteral("--flat")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QString config = WatchConfig::pathFor(QStringLiteral("Home"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(QStringLiteral("path=%1\nsettle=3\nflat=yes\n").arg(m_folder).toUtf8()));
    file.close();

    run = watch({QStringLiteral("status")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("profile \"Home\": not running") && run.out.contains(m_folder.toUtf8()),
             run.out.constData());

    run = watch({QStringLiteral("enable"), QStringLiteral("Nobody"), m_folder});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains("no profile named \"Nobody\""));
    run = watch({QStringLiteral("enable"), QStringLiteral("Home"), m_folder, QStringLiteral("--dry-run")});
    QCOMPARE(run.exitCode, 2);
    run = watch({QStringLiteral("enable"), QStringLiteral("Home"), m_folder, QStringLiteral("--settle"),
                 QStringLiteral("soon")});
    QCOMPARE(run.exitCode, 2);

    run = watch({QStringLiteral("disable"), QStringLiteral("Home")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(!QFileInfo::exists(config));
    run = watch({QStringLiteral("run"), QStringLiteral("Home")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains("no watch is set up for profile \"Home\""));

    env.insert(QStringLiteral("FAIL"), QStringLiteral("Failed to connect to bus"));
    run = watch({QStringLiteral("enable"), QStringLiteral("Home"), m_folder});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("Failed to connect to bus"), run.err.constData());

    QFile recorded(log);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             (QStringList{"--user enable lumio-upload-watch@Home.service",
                          "--user restart lumio-upload-watch@Home.service",
                          "--user disable --now lumio-upload-watch@Home.service",
                          "--user enable lumio-upload-watch@Home.service"}));

    // The watch follows its profile: a new name moves it, removing the profile stops it.
    env.remove(QStringLiteral("FAIL"));
    QVERIFY(recorded.remove());
    ServerProfile spare;
    spare.setAll(QStringLiteral("Spare"), QStringLiteral("127.0.0.1"), m_server->port(), false,
                 QStringLiteral("demo"), QStringLiteral("demo"), true, QString(), false, true, true, false,
                 QStringLiteral("RENAME"), QString(), {1});
    ProfileStore::createProfile(spare);
    QCOMPARE(watch({QStringLiteral("enable"), QStringLiteral("Spare"), m_folder}).exitCode, 0);
    const auto profile = [&env](const QStringList& arguments) {
        return ConsoleRun::run(ConsoleRun::uploader(), QStringList{QStringLiteral("profile")} + arguments,
                               env);
    };
    run = profile({QStringLiteral("edit"), QStringLiteral("Spare"), QStringLiteral("--rename"),
                   QStringLiteral("Cottage")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(!QFileInfo::exists(WatchConfig::pathFor(QStringLiteral("Spare"))));
    WatchConfig moved;
    QString error;
    QVERIFY2(moved.read(WatchConfig::pathFor(QStringLiteral("Cottage")), &error), qPrintable(error));
    QCOMPARE(moved.paths, QStringList{m_folder});
    QVERIFY2(run.out.contains("Stopped lumio-upload-watch@Spare.service, enabled and started "
                              "lumio-upload-watch@Cottage.service."),
             run.out.constData());
    run = profile({QStringLiteral("remove"), QStringLiteral("Cottage"), QStringLiteral("--yes")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(!QFileInfo::exists(WatchConfig::pathFor(QStringLiteral("Cottage"))));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             (QStringList{"--user enable lumio-upload-watch@Spare.service",
                          "--user restart lumio-upload-watch@Spare.service",
                          "--user disable --now lumio-upload-watch@Spare.service",
                          "--user enable lumio-upload-watch@Cottage.service",
                          "--user restart lumio-upload-watch@Cottage.service",
                          "--user disable --now lumio-upload-watch@Cottage.service"}));
}

void TestConsoleWatch::unitVerifies()
{
    const QString analyze = QStandardPaths::findExecutable(QStringLiteral("systemd-analyze"));
    if (analyze.isEmpty())
        QSKIP("systemd-analyze is not installed");
    QFile source(TestEnvironment::sourceDir() +
                 QStringLiteral("/desktop/systemd/lumio-upload-watch@.service"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray unit = source.readAll();
    unit.replace("@LUMIO_UPLOAD_COMMAND@", ConsoleRun::uploader().toUtf8());
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("lumio-upload-watch@.service")), unit);
    QProcess verify;
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(analyze,
                 {QStringLiteral("verify"), dir.filePath(QStringLiteral("lumio-upload-watch@Home.service"))});
    QVERIFY(verify.waitForFinished(60000));
    QVERIFY2(verify.exitCode() == 0, verify.readAll().constData());
}

LUMIO_TEST_MAIN(TestConsoleWatch)
#include "tst_consolewatch.moc"
