#include "FolderWatcher.h"
#include "SettleTracker.h"
#include "TestEnvironment.h"
#include "UploadPlanner.h"
#include "WatchBackoff.h"
#include "WatchConfig.h"
#include "WatchService.h"
#include "WatchState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList touched(const QSignalSpy& spy)
{
    QStringList paths;
    for (const QList<QVariant>& call : spy)
        paths.append(call.first().toString());
    paths.removeDuplicates();
    paths.sort();
    return paths;
}

} // namespace

class TestWatchEngine : public QObject
{
    Q_OBJECT

private slots:
    void watcherReportsNewFiles_data();
    void watcherReportsNewFiles();
    void watcherReportsOnce();
    void settleWaitsForAWriterToStop();
    void backoff_data();
    void backoff();
    void configRoundTrip();
    void configRejects_data();
    void configRejects();
    void stateRoundTrip();
    void instanceName_data();
    void instanceName();
    void listBelow_data();
    void listBelow();
};

// Files landing in watched folders, in folders made later and in folders past the watch cap all reach
// the settle stage; hidden files, symbolic links and files that were there before do not.
void TestWatchEngine::watcherReportsNewFiles_data()
{
    QTest::addColumn<int>("watchCap");
    QTest::newRow("every folder watched") << 0;
    QTest::newRow("cap reached: rescanned") << 2;
}

void TestWatchEngine::watcherReportsNewFiles()
{
    QFETCH(int, watchCap);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("root"));
    writeFile(root + QStringLiteral("/old.jpg"));
    writeFile(root + QStringLiteral("/a/b/old.jpg"));
    writeFile(root + QStringLiteral("/c/old.jpg"));
    FolderWatcher watcher;
    watcher.setWatchCap(watchCap);
    watcher.setRescanInterval(100);
    QSignalSpy files(&watcher, &FolderWatcher::signalFileTouched);
    QSignalSpy limit(&watcher, &FolderWatcher::signalWatchLimitReached);
    QSignalSpy notices(&watcher, &FolderWatcher::signalNotice);
    watcher.addRoot(root);
    QCOMPARE(watcher.watchedFolderCount() + watcher.unwatchedFolderCount(), 4);
    QCOMPARE(limit.size(), watchCap > 0 ? 1 : 0);

    writeFile(root + QStringLiteral("/new.jpg"));
    writeFile(root + QStringLiteral("/.hidden.jpg"));
    writeFile(root + QStringLiteral("/a/b/new.jpg"));
    writeFile(root + QStringLiteral("/c/d/e/deep.jpg"));
    QVERIFY(QFile::link(root + QStringLiteral("/old.jpg"), root + QStringLiteral("/a/link.jpg")));
    const QStringList expected{root + QStringLiteral("/a/b/new.jpg"),
                               root + QStringLiteral("/c/d/e/deep.jpg"), root + QStringLiteral("/new.jpg")};
    QTRY_COMPARE_WITH_TIMEOUT(touched(files), expected, 5000);
    QTRY_VERIFY(!notices.isEmpty());
    QCOMPARE(notices.first().at(0).value<FolderWatcher::Notice>(), FolderWatcher::Notice::SymlinkSkipped);
    QCOMPARE(notices.first().at(1).toString(), root + QStringLiteral("/a/link.jpg"));
}

// A symbolic link is reported once however often its folder is looked at; a root that goes is reported
// as gone.
void TestWatchEngine::watcherReportsOnce()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("root"));
    const QString other = dir.filePath(QStringLiteral("other"));
    writeFile(other + QStringLiteral("/keep.jpg"));
    QVERIFY(QDir().mkpath(root));
    QVERIFY(QFile::link(other + QStringLiteral("/keep.jpg"), root + QStringLiteral("/link.jpg")));
    FolderWatcher watcher;
    watcher.setWatchCap(1);
    watcher.setRescanInterval(50);
    QSignalSpy notices(&watcher, &FolderWatcher::signalNotice);
    watcher.addRoot(root);
    watcher.addRoot(other);
    QTest::qWait(300);
    QCOMPARE(notices.size(), 1);
    QVERIFY(QDir(root).removeRecursively());
    QTRY_COMPARE(notices.size(), 2);
    QCOMPARE(notices.last().at(0).value<FolderWatcher::Notice>(), FolderWatcher::Notice::FolderGone);
    QCOMPARE(notices.last().at(1).toString(), root);
}

void TestWatchEngine::settleWaitsForAWriterToStop()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("slow.mov"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    SettleTracker tracker(300);
    QSignalSpy settled(&tracker, &SettleTracker::signalSettled);
    tracker.touch(path);
    for (int i = 0; i < 10; ++i) {
        file.write(QByteArray(1000, 'v'));
        file.flush();
        QTest::qWait(100);
    }
    QVERIFY(settled.isEmpty());
    file.close();
    QTRY_COMPARE(settled.size(), 1);
    QCOMPARE(QFileInfo(settled.first().first().toString()).size(), 10000);

    // Permissions do not stop the superuser from reading.
    if (geteuid() == 0)
        return;
    const QString locked = dir.filePath(QStringLiteral("locked.jpg"));
    writeFile(locked);
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    QSignalSpy unreadable(&tracker, &SettleTracker::signalUnreadable);
    tracker.touch(locked);
    QTRY_COMPARE(unreadable.size(), 1);
    QCOMPARE(settled.size(), 1);
    QCOMPARE(tracker.pendingCount(), 0);
}

void TestWatchEngine::backoff_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("longest");
    QTest::addColumn<QList<int>>("pauses");
    QTest::newRow("doubling up to five minutes")
        << 5000 << 300000 << QList<int>{5000, 10000, 20000, 40000, 80000, 160000, 300000, 300000};
    QTest::newRow("longest below first") << 1000 << 10 << QList<int>{1000, 1000};
}

void TestWatchEngine::backoff()
{
    QFETCH(int, first);
    QFETCH(int, longest);
    QFETCH(QList<int>, pauses);
    WatchBackoff backoff(first, longest);
    QList<int> got;
    for (int i = 0; i < pauses.size(); ++i)
        got.append(backoff.nextPauseMs());
    QCOMPARE(got, pauses);
    backoff.reset();
    QCOMPARE(backoff.nextPauseMs(), first);
}

void TestWatchEngine::configRoundTrip()
{
    QTemporaryDir dir;
    WatchConfig config;
    config.paths = {QStringLiteral("/home/u/Pictures"), QStringLiteral("/home/u/My Videos")};
    QVERIFY(config.setOption(QStringLiteral("settle"), QStringLiteral("30")));
    QVERIFY(config.setOption(QStringLiteral("flat"), QStringLiteral("yes")));
    QVERIFY(config.setOption(QStringLiteral("all-files"), QStringLiteral("no")));
    QVERIFY(config.setOption(QStringLiteral("settle"), QStringLiteral("20")));
    QString error;
    const QString path = dir.filePath(QStringLiteral("sub/p.conf"));
    QVERIFY2(config.write(path, &error), qPrintable(error));
    WatchConfig back;
    QVERIFY2(back.read(path, &error), qPrintable(error));
    QCOMPARE(back.paths, config.paths);
    QCOMPARE(back.arguments(QStringLiteral("A -b")),
             (QStringList{"--profile", "A -b", "--watch", "--settle", "20", "--flat", "--",
                          "/home/u/Pictures", "/home/u/My Videos"}));
}

void TestWatchEngine::configRejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("no path") << QByteArray("settle=3\n") << "no path= line";
    QTest::newRow("unknown key") << QByteArray("path=/x\ndry-run=yes\n")
                                 << ":2: not a known setting: dry-run";
    QTest::newRow("flag not yes or no") << QByteArray("path=/x\nflat=maybe\n") << ":2: not a known setting";
    QTest::newRow("line without equals") << QByteArray("# c\npath=/x\n--flat\n") << ":3: not a known setting";
}

void TestWatchEngine::configRejects()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.conf"));
    writeFile(path, text);
    WatchConfig config;
    QString error;
    QVERIFY(!config.read(path, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestWatchEngine::stateRoundTrip()
{
    QTemporaryDir dir;
    WatchState state;
    state.activity = WatchState::Activity::Unreachable;
    state.pid = 4242;
    state.backlog = 17;
    state.lastRun = QDateTime(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);
    state.lastRunResult = QStringLiteral("3 uploaded");
    state.lastError = QStringLiteral("line one\nline two");
    state.unreachableSince = QDateTime(QDate(2026, 5, 1), QTime(10, 5), Qt::UTC);
    const QString path = dir.filePath(QStringLiteral("s.state"));
    QVERIFY(state.write(path));
    WatchState back;
    QVERIFY(back.read(path));
    QCOMPARE(back.activity, state.activity);
    QCOMPARE(back.pid, state.pid);
    QCOMPARE(back.backlog, state.backlog);
    QCOMPARE(back.lastRun, state.lastRun);
    QCOMPARE(back.lastError, QStringLiteral("line one line two"));
    QCOMPARE(back.unreachableSince, state.unreachableSince);
    QVERIFY(!WatchState().read(dir.filePath(QStringLiteral("none"))));
}

// The unit instance of a profile is what systemd-escape makes of its name.
void TestWatchEngine::instanceName_data()
{
    QTest::addColumn<QString>("profile");
    QTest::newRow("plain") << QStringLiteral("Home");
    QTest::newRow("blank, dash and slash") << QStringLiteral("My NAS-2/photos");
    QTest::newRow("leading dot and umlaut") << QStringLiteral(".Büro");
    QTest::newRow("backslash and percent") << QStringLiteral("a\\b%c");
}

void TestWatchEngine::instanceName()
{
    QFETCH(QString, profile);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("systemd-escape"));
    if (tool.isEmpty())
        QSKIP("systemd-escape is not installed");
    QProcess escape;
    escape.start(tool, {QStringLiteral("--"), profile});
    QVERIFY(escape.waitForFinished());
    QCOMPARE(WatchService::instanceName(profile), QString::fromUtf8(escape.readAll().trimmed()));
}

// A batch of files below a watched folder is entered as the folder's scan enters them.
void TestWatchEngine::listBelow_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("folders kept, each once, before their files")
        << true
        << QStringList{"Pics|trip",
                       "Pics/a|trip/Pics",
                       "Pics/a/b|trip/Pics/a",
                       "Pics/a/b/1.jpg|trip/Pics/a/b",
                       "Pics/a/b/2.jpg|trip/Pics/a/b",
                       "Pics/top.mp4|trip/Pics"};
    QTest::newRow("flat") << false
                          << QStringList{"Pics/a/b/1.jpg|trip", "Pics/a/b/2.jpg|trip", "Pics/top.mp4|trip"};
}

void TestWatchEngine::listBelow()
{
    QFETCH(bool, keep);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("Pics"));
    const QStringList names{"a/b/1.jpg", "a/b/2.jpg", "top.mp4", ".cache/x.jpg", "a/notes.txt"};
    QStringList files;
    for (const QString& name : names) {
        writeFile(root + QLatin1Char('/') + name);
        files.append(root + QLatin1Char('/') + name);
    }
    files.append(dir.filePath(QStringLiteral("elsewhere.jpg")));
    UploadPlanner::Options options;
    options.keepFolderStructure = keep;
    options.targetFolder = QStringLiteral("trip");
    bool hasVideo = false;
    QStringList unsupported;
    const QList<ConversionEntry> list =
        UploadPlanner::buildListBelow(root, files, options, &hasVideo, &unsupported);
    QStringList got;
    for (const ConversionEntry& entry : list)
        got.append(QDir(dir.path()).relativeFilePath(entry.value(UploadQueue::LocalPath)) + QLatin1Char('|') +
                   entry.value(UploadQueue::TargetFolder));
    QCOMPARE(got, entries);
    QVERIFY(hasVideo);
    QCOMPARE(unsupported, QStringList{root + QStringLiteral("/a/notes.txt")});
}

LUMIO_TEST_MAIN(TestWatchEngine)
#include "tst_watchengine.moc"
