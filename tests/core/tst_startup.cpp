#include "AppPaths.h"
#include "DialogFactory.h"
#include "ProfileStore.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "SingleInstanceLock.h"
#include "StartUp.h"
#include "TestEnvironment.h"
#include "Utf16File.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Records which dialogs a run opens; the create wizard may be told to "finish" with a profile.
class RecordingDialogs : public DialogFactory
{
public:
    QStringList calls;
    QStringList uploadFiles;
    QString uploadProfile;
    QString createName; // empty: the create wizard is cancelled

    void runProfileEditor(int mode, QNetworkAccessManager*) override
    {
        calls.append(QStringLiteral("editor %1").arg(mode));
    }
    int runCreateWizard(int mode, QNetworkAccessManager*, ServerProfile* profile) override
    {
        calls.append(QStringLiteral("create %1").arg(mode));
        if (createName.isEmpty())
            return 0;
        profile->setAll(createName, QStringLiteral("h"), 80, false, QStringLiteral("a"), QString(), false,
                        QString(), false, true, true, true, QStringLiteral("RENAME"), QString(), {});
        ProfileStore::createProfile(*profile);
        return 1;
    }
    void runUploadWizard(int mode, QNetworkAccessManager*, const QStringList& files,
                         ServerProfile* profile) override
    {
        calls.append(QStringLiteral("upload %1").arg(mode));
        uploadFiles = files;
        uploadProfile = profile->profname;
    }
};

void addProfiles(const QStringList& names)
{
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();
    for (const QString& name : names) {
        ServerProfile profile;
        profile.setAll(name, QStringLiteral("h"), 80, false, QStringLiteral("a"), QString(), false, QString(),
                       false, true, true, true, QStringLiteral("RENAME"), QString(), {});
        ProfileStore::createProfile(profile);
    }
    ProfileStore::close();
}

struct ProcessResult
{
    int exitCode = -1;
    QString output;
    qint64 elapsedMs = 0;
};

ProcessResult runProgram(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The child builds its dialogs but does not wait for a user.
    env.insert(QStringLiteral("LUMIO_CLOSE_DIALOGS_AT_ONCE"), QStringLiteral("1"));
    // The dialogs opened are read from the diagnostics.
    env.insert(QStringLiteral("LUMIO_VERBOSE"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(TestEnvironment::binDir() + QStringLiteral("/lumio-uploader"), arguments);
    ProcessResult result;
    if (!process.waitForFinished(30000))
        return result;
    result.elapsedMs = timer.elapsed();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void numbersParseLikeAtoi_data();
    void numbersParseLikeAtoi();
    void dispatch_data();
    void dispatch();
    void createWizardFinishedInModeSevenOnly();
    void modeFourWithEmptyTableCreatesFirst();
    void modeFourWithRelativeFolderUploadsNothing();
    void unknownProfileSkipsUpload();
    void databaseErrorEndsWithZero();
    void processExitStatus_data();
    void processExitStatus();
    void secondProfileEditorEndsAtOnce();
    void staleLockNameIsRecovered();
    void copiesStartedTogetherShowOneList();
    void unsafeRuntimeFolderIsRefused_data();
    void unsafeRuntimeFolderIsRefused();
    void twoUsersEachOpenTheirList();
    void modeFiveLeavesADeviceImportCopyRunning();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStartUp::init()
{
    ProfileStore::close();
    QFile::remove(AppPaths::dataFile(QStringLiteral("ZULDatabase")));
    QFile::remove(AppPaths::dataFile(QStringLiteral("ShortCutList")));
    QFile::remove(AppPaths::fileListPath());
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestStartUp::numbersParseLikeAtoi_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("digits") << "8" << 8;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("leading digits") << "2x" << 2;
    QTest::newRow("blank first") << " 4" << 4;
    QTest::newRow("empty") << "" << 0;
}

void TestStartUp::numbersParseLikeAtoi()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(StartUp::parseNumber(text), number);
}

void TestStartUp::dispatch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("files");
    QTest::newRow("no arguments") << QStringList{} << QStringList{QStringLiteral("editor 3")} << "" << 0;
    QTest::newRow("letters give mode 0")
        << QStringList{QStringLiteral("abc")} << QStringList{QStringLiteral("editor 0")} << "" << 0;
    QTest::newRow("mode 9") << QStringList{QStringLiteral("9")} << QStringList{} << "" << 0;
    QTest::newRow("mode -1") << QStringList{QStringLiteral("-1")} << QStringList{} << "" << 0;
    QTest::newRow("mode 2 index 1") << QStringList{QStringLiteral("2"), QStringLiteral("1")}
                                    << QStringList{QStringLiteral("upload 2")} << "b" << 2;
    QTest::newRow("mode 2 past the end") << QStringList{QStringLiteral("2"), QStringLiteral("7")}
                                         << QStringList{QStringLiteral("upload 2")} << "a" << 2;
    QTest::newRow("mode 8 without index")
        << QStringList{QStringLiteral("8")} << QStringList{QStringLiteral("upload 8")} << "c" << 0;
    QTest::newRow("mode 6 first profile")
        << QStringList{QStringLiteral("6")} << QStringList{QStringLiteral("upload 6")} << "c" << 0;
    QTest::newRow("mode 1 cancelled")
        << QStringList{QStringLiteral("1")} << QStringList{QStringLiteral("create 1")} << "" << 0;
    QTest::newRow("mode 7 cancelled")
        << QStringList{QStringLiteral("7")} << QStringList{QStringLiteral("create 7")} << "" << 0;
}

void TestStartUp::dispatch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, calls);
    QFETCH(QString, profile);
    QFETCH(int, files);
    addProfiles({QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")});
    Utf16File::writeLines(AppPaths::fileListPath(),
                          {QStringLiteral("2"), QStringLiteral("/x/1.jpg"), QStringLiteral("/x/2.jpg")});
    ScriptedPrompter prompter;
    RecordingDialogs dialogs;
    QCOMPARE(StartUp::run(QStringList{QStringLiteral("lumio-uploader")} + arguments, &dialogs), 1);
    QCOMPARE(dialogs.calls, calls);
    QCOMPARE(dialogs.uploadProfile, profile);
    QCOMPARE(dialogs.uploadFiles.size(), files);
    QVERIFY(prompter.shown.isEmpty());
    QStringList shortcut;
    QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), &shortcut));
    QCOMPARE(shortcut.first(), QStringLiteral("3"));
}

void TestStartUp::createWizardFinishedInModeSevenOnly()
{
    addProfiles({});
    RecordingDialogs dialogs;
    dialogs.createName = QStringLiteral("New");
    QCOMPARE(StartUp::run({QStringLiteral("p"), QStringLiteral("7")}, &dialogs), 1);
    QCOMPARE(dialogs.calls, QStringList{QStringLiteral("create 7")});
    QStringList shortcut;
    QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), &shortcut));
    QCOMPARE(shortcut, (QStringList{QStringLiteral("1"), QStringLiteral("New")}));

    // Mode 1 goes on to upload the shell's files with the new profile as the wizard left it.
    Utf16File::writeLines(AppPaths::fileListPath(), {QStringLiteral("1"), QStringLiteral("/x/1.jpg")});
    RecordingDialogs modeOne;
    modeOne.createName = QStringLiteral("Other");
    QCOMPARE(StartUp::run({QStringLiteral("p"), QStringLiteral("1")}, &modeOne), 1);
    QCOMPARE(modeOne.calls, (QStringList{QStringLiteral("create 1"), QStringLiteral("upload 1")}));
    QCOMPARE(modeOne.uploadProfile, QStringLiteral("Other"));
    QCOMPARE(modeOne.uploadFiles, QStringList{QStringLiteral("/x/1.jpg")});
}

void TestStartUp::modeFourWithEmptyTableCreatesFirst()
{
    const QString folder = m_dir->filePath(QStringLiteral("Ürlaub 2012"));
    QDir().mkpath(folder + QStringLiteral("/sub"));
    for (const QString& name : {QStringLiteral("/a.jpg"), QStringLiteral("/sub/b.jpg")}) {
        QFile file(folder + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    RecordingDialogs dialogs;
    dialogs.createName = QStringLiteral("First");
    QCOMPARE(StartUp::run({QStringLiteral("p"), QStringLiteral("4"), folder}, &dialogs), 1);
    QCOMPARE(dialogs.calls, (QStringList{QStringLiteral("create 4"), QStringLiteral("upload 4")}));
    QCOMPARE(dialogs.uploadFiles,
             (QStringList{folder + QStringLiteral("/sub/b.jpg"), folder + QStringLiteral("/a.jpg")}));

    RecordingDialogs cancelled;
    QCOMPARE(StartUp::run({QStringLiteral("p"), QStringLiteral("4"), folder}, &cancelled), 1);
    // Now a profile exists, so the wizard is skipped.
    QCOMPARE(cancelled.calls, QStringList{QStringLiteral("upload 4")});
}

void TestStartUp::modeFourWithRelativeFolderUploadsNothing()
{
    addProfiles({QStringLiteral("a")});
    RecordingDialogs dialogs;
    QCOMPARE(
        StartUp::run({QStringLiteral("p"), QStringLiteral("4"), QStringLiteral("relative/folder")}, &dialogs),
        1);
    QCOMPARE(dialogs.calls, QStringList{QStringLiteral("upload 4")});
    QVERIFY(dialogs.uploadFiles.isEmpty());
}

void TestStartUp::unknownProfileSkipsUpload()
{
    addProfiles({});
    ScriptedPrompter prompter;
    RecordingDialogs dialogs;
    QCOMPARE(StartUp::run({QStringLiteral("p"), QStringLiteral("8"), QStringLiteral("0")}, &dialogs), 1);
    QVERIFY(dialogs.calls.isEmpty());
    QCOMPARE(prompter.shown.size(), 1);
    QVERIFY(prompter.shown.first().text.startsWith(QStringLiteral("Database error (")));
}

void TestStartUp::databaseErrorEndsWithZero()
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const QString blocker = m_dir->filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
    ScriptedPrompter prompter;
    RecordingDialogs dialogs;
    const int status = StartUp::run({QStringLiteral("p"), QStringLiteral("0")}, &dialogs);
    qputenv("XDG_DATA_HOME", saved);
    QCOMPARE(status, 0);
    QVERIFY(dialogs.calls.isEmpty());
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.first().icon, Prompter::Icon::Critical);
    QCOMPARE(prompter.shown.first().title, QStringLiteral("Error"));
    const QString expected =
        QStringLiteral("The profile store %1/Vexalon/Lumio Uploader/ZULDatabase cannot be "
                       "read: ")
            .arg(blocker);
    QVERIFY2(prompter.shown.first().text.startsWith(expected), qPrintable(prompter.shown.first().text));
    QVERIFY(prompter.shown.first().text.size() > expected.size());
}

void TestStartUp::processExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("editorShown");
    QTest::newRow("mode 9") << QStringList{QStringLiteral("9")} << false;
    QTest::newRow("mode -1") << QStringList{QStringLiteral("-1")} << false;
    QTest::newRow("letters") << QStringList{QStringLiteral("abc")} << true;
    QTest::newRow("mode 8 without profiles")
        << QStringList{QStringLiteral("8"), QStringLiteral("0")} << false;
}

void TestStartUp::processExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, editorShown);
    // The child cannot answer a prompt, so give it a profile for mode 8 to skip the load error box.
    addProfiles({QStringLiteral("a")});
    const ProcessResult result = runProgram(arguments);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.output.contains(QLatin1String("Profile editor")), editorShown);
}

void TestStartUp::secondProfileEditorEndsAtOnce()
{
    QString reason;
    QVERIFY2(AppPaths::ensureRuntimeFolder(&reason), qPrintable(reason));
    SingleInstanceLock lock(AppPaths::runtimeFolder() + QStringLiteral("/OpenProfileEditor.lock"));
    QVERIFY2(lock.tryLock(), qPrintable(lock.errorString()));
    const ProcessResult result = runProgram({QStringLiteral("0")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(!result.output.contains(QLatin1String("Profile editor")), qPrintable(result.output));
    qInfo("second copy ended after %lld ms", result.elapsedMs);
}

void TestStartUp::staleLockNameIsRecovered()
{
    // A socket file left behind by a copy that died: bound, never listened, never removed.
    QString reason;
    QVERIFY2(AppPaths::ensureRuntimeFolder(&reason), qPrintable(reason));
    const QString path = AppPaths::runtimeFolder() + QStringLiteral("/OpenProfileEditor");
    QFile::remove(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toLocal8Bit();
    qstrncpy(address.sun_path, bytes.constData(), sizeof address.sun_path);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFile::exists(path));

    const ProcessResult result = runProgram({QStringLiteral("3")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.output.contains(QLatin1String("Profile editor")), qPrintable(result.output));
}

void TestStartUp::copiesStartedTogetherShowOneList()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUMIO_CLOSE_DIALOGS_AFTER_MS"), QStringLiteral("2000"));
    // The dialogs opened are read from the diagnostics.
    env.insert(QStringLiteral("LUMIO_VERBOSE"), QStringLiteral("1"));
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 3; ++i) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->setProcessEnvironment(env);
        copies.back()->setProcessChannelMode(QProcess::MergedChannels);
        copies.back()->start(TestEnvironment::binDir() + QStringLiteral("/lumio-uploader"),
                             {QStringLiteral("3")});
    }
    int lists = 0;
    for (const auto& copy : copies) {
        QVERIFY(copy->waitForFinished(30000));
        lists += QString::fromLocal8Bit(copy->readAll()).count(QLatin1String("Profile editor (mode"));
    }
    QCOMPARE(lists, 1);
}

void TestStartUp::unsafeRuntimeFolderIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("open to others") << "open";
    QTest::newRow("symbolic link") << "link";
    QTest::newRow("plain file") << "file";
    QTest::newRow("owned by another user") << "foreign";
}

void TestStartUp::unsafeRuntimeFolderIsRefused()
{
    QFETCH(QString, kind);
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir->path()));
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", savedRuntime); });
    const QString folder = AppPaths::runtimeFolder();
    QCOMPARE(folder, m_dir->path() + QStringLiteral("/lumio-uploader"));
    const QByteArray path = QFile::encodeName(folder);
    if (kind == QLatin1String("open")) {
        QCOMPARE(::mkdir(path.constData(), 0700), 0);
        QCOMPARE(::chmod(path.constData(), 0777), 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::setPermissions(m_dir->filePath(QStringLiteral("elsewhere")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("elsewhere")), folder));
    } else if (kind == QLatin1String("file")) {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        if (::geteuid() != 0)
            QSKIP("planting a folder of another user needs root");
        QCOMPARE(::mkdir(path.constData(), 0700), 0);
        QCOMPARE(::chown(path.constData(), 65534, 65534), 0);
    }

    ScriptedPrompter prompter;
    RecordingDialogs dialogs;
    QCOMPARE(StartUp::run({QStringLiteral("lumio-uploader"), QStringLiteral("3")}, &dialogs), 0);
    QVERIFY(dialogs.calls.isEmpty());
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.first().icon, Prompter::Icon::Critical);
    QVERIFY2(prompter.shown.first().text.contains(folder), qPrintable(prompter.shown.first().text));
    // Nothing was written through the planted entry.
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("elsewhere/OpenProfileEditor.lock"))));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/OpenProfileEditor.lock")));
}

void TestStartUp::twoUsersEachOpenTheirList()
{
    if (::geteuid() != 0)
        QSKIP("running a copy as a second user needs root (setpriv)");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("setpriv is not installed");
    // Both users share one temporary folder, as /tmp is shared, and have no XDG_RUNTIME_DIR.
    const QString shared = m_dir->filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(shared));
    // The second user must be able to pass through the test's private folders to reach it.
    for (QDir dir(m_dir->path()); !dir.isRoot(); dir.cdUp()) {
        struct stat info;
        const QByteArray path = QFile::encodeName(dir.path());
        if (::stat(path.constData(), &info) == 0 && info.st_uid == ::geteuid())
            ::chmod(path.constData(), (info.st_mode & 07777) | 0011);
    }
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    const QString home = m_dir->filePath(QStringLiteral("home-b"));
    QVERIFY(QDir().mkpath(home));
    QVERIFY(::chown(QFile::encodeName(home).constData(), 65534, 65534) == 0);

    // User A (this process) holds its list open.
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(shared));
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qputenv("TMPDIR", savedTemp);
    });
    QString reason;
    QVERIFY2(AppPaths::ensureRuntimeFolder(&reason), qPrintable(reason));
    QCOMPARE(AppPaths::runtimeFolder(), shared + QStringLiteral("/lumio-uploader-0"));
    SingleInstanceLock lock(AppPaths::runtimeFolder() + QStringLiteral("/OpenProfileEditor.lock"));
    QVERIFY(lock.tryLock());

    QProcessEnvironment env;
    env.insert(QStringLiteral("TMPDIR"), shared);
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMIO_CLOSE_DIALOGS_AT_ONCE"), QStringLiteral("1"));
    // The dialogs opened are read from the diagnostics.
    env.insert(QStringLiteral("LUMIO_VERBOSE"), QStringLiteral("1"));
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    QProcess userB;
    userB.setProcessEnvironment(env);
    userB.setProcessChannelMode(QProcess::MergedChannels);
    userB.setWorkingDirectory(home);
    userB.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QStringLiteral("--"),
                 TestEnvironment::binDir() + QStringLiteral("/lumio-uploader"), QStringLiteral("3")});
    QVERIFY(userB.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(userB.readAll());
    if (output.contains(QLatin1String("setpriv:")))
        QSKIP(qPrintable(QStringLiteral("setpriv is not permitted here: ") + output));
    QCOMPARE(userB.exitCode(), 1);
    QVERIFY2(output.contains(QLatin1String("Profile editor (mode")), qPrintable(output));
    const QFileInfo folderB(shared + QStringLiteral("/lumio-uploader-65534"));
    QVERIFY(folderB.isDir() && !folderB.isSymLink());
    QCOMPARE(folderB.ownerId(), 65534u);
    QCOMPARE(int(folderB.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther)), 0);
}

void TestStartUp::modeFiveLeavesADeviceImportCopyRunning()
{
    // Orphaned grandchildren come to this process, so the relaunched copy can be waited for.
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const ProcessResult result = runProgram({QStringLiteral("5")});
    QCOMPARE(result.exitCode, 1);
    int status = 0;
    const pid_t copy = ::waitpid(-1, &status, 0);
    QVERIFY(copy > 0);
    QVERIFY2(WIFEXITED(status), qPrintable(QString::number(status)));
    // The copy ran a whole device-import run (mode 6) of its own and ended with status 1.
    QCOMPARE(WEXITSTATUS(status), 1);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

LUMIO_TEST_MAIN(TestStartUp)
#include "tst_startup.moc"
