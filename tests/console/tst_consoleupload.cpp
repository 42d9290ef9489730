#include "AppPaths.h"
#include "CertificateTrust.h"
#include "ConsoleRun.h"
#include "DiscoveryResponder.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "UploadWizard.h"
#include "Utf16File.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSqlQuery>
#include <QSslCertificate>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <sys/prctl.h>

namespace {

void writeJpeg(const QString& path, int width = 64, int height = 48)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    QVERIFY(image.save(path, "JPG"));
}

QStringList endpoints(const QList<QJsonObject>& log)
{
    QStringList names;
    for (const QJsonObject& entry : log)
        names.append(entry.value(QStringLiteral("endpoint")).toString());
    return names;
}

// The PUTs of a run cut into batches (each ends with its source file), every request as its X- headers.
// Converters finish files in any order, so the batches are compared as a sorted list.
QStringList batches(const QList<QJsonObject>& log)
{
    QStringList result;
    QStringList current;
    for (const QJsonObject& entry : log) {
        if (entry.value(QStringLiteral("method")).toString() != QLatin1String("PUT"))
            continue;
        const QJsonObject headers = entry.value(QStringLiteral("headers")).toObject();
        current.append(QString::fromUtf8(QJsonDocument(headers).toJson(QJsonDocument::Compact)) +
                       QStringLiteral(" body=%1").arg(entry.value(QStringLiteral("body_size")).toInt()));
        if (headers.contains(QStringLiteral("X-IS-BATCH-LAST-FILE"))) {
            result.append(current.join(QLatin1Char('\n')));
            current.clear();
        }
    }
    if (!current.isEmpty())
        result.append(current.join(QLatin1Char('\n')));
    result.sort();
    return result;
}

// Every file below the photo root with its size, renditions included.
QStringList filesOnDisk(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append(QDir(root).relativeFilePath(path));
    }
    files.sort();
    return files;
}

QList<QJsonObject> jsonLines(const QByteArray& out)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (!document.isObject()) {
            qWarning("not a JSON object: %s (%s)", line.constData(), qPrintable(error.errorString()));
            return {};
        }
        objects.append(document.object());
    }
    return objects;
}

} // namespace

class TestConsoleUpload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sameRequestsAsTheWizard();
    void secondRunSkipsEverything();
    void refusedFile_data();
    void refusedFile();
    void loginRefused_data();
    void loginRefused();
    void passwordOverridesForThisRun_data();
    void passwordOverridesForThisRun();
    void profileCommands_data();
    void profileCommands();
    void discover_data();
    void discover();
    void quietShowsOnlyProblems();
    void usageErrors_data();
    void usageErrors();
    void dryRunSendsNothing();
    void jsonOutputParses();
    void unconvertibleFileWarns_data();
    void unconvertibleFileWarns();
    void saveOptions_data();
    void saveOptions();
    void passwordAskedOnTerminalWithoutEcho();
    void interruptAtThePasswordPrompt();
    void interruptStopsEverything();
    void listProfiles();
    void seedDemoProfileOnlyWhenAbsent();
    void certificateTrustOnTheConsole();
    void summaryInTheUiLanguage_data();
    void summaryInTheUiLanguage();
    void filtersApplyBeforeTheServerIsAsked();
    void logFileWithoutThePassword();

private:
    void addProfile(const QString& name, const QString& account, const QString& password, bool savepass,
                    int port = 0);
    static int closedPort();
    ConsoleRun::Result
    upload(const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    QString makeFolder(const QString& name, const QStringList& files);
    QStringList tempFiles() const;
    void resetOptions();

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<QTemporaryDir> m_sources;
};

int TestConsoleUpload::closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

void TestConsoleUpload::addProfile(const QString& name, const QString& account, const QString& password,
                                   bool savepass, int port)
{
    ServerProfile profile;
    profile.setAll(name, QStringLiteral("127.0.0.1"), port > 0 ? port : m_server->port(), false, account,
                   password, savepass, QString(), false, true, true, false, QStringLiteral("RENAME"),
                   QString(), {1});
    ProfileStore::createProfile(profile);
}

void TestConsoleUpload::initTestCase()
{
    // carol, whose password needs encoding, may upload into the photo root like demo.
    QJsonObject config = RefServer::defaultConfig();
    config.insert(QStringLiteral("root_uploaders"),
                  QJsonArray{QStringLiteral("demo"), QStringLiteral("carol")});
    m_server = std::make_unique<RefServer>(config);
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
    ProfileStore::createPhotoRecordsTable();
    addProfile(QStringLiteral("Home"), QStringLiteral("demo"), QStringLiteral("demo"), true);
    addProfile(QStringLiteral("Asking"), QStringLiteral("carol"), QString(), false);
    addProfile(QStringLiteral("Wrong"), QStringLiteral("demo"), QStringLiteral("not-the-password"), true);
    addProfile(QStringLiteral("Alice"), QStringLiteral("alice"), QStringLiteral("alice"), true);
    resetOptions();
}

void TestConsoleUpload::init()
{
    QVERIFY(m_server->reset());
    m_sources = std::make_unique<QTemporaryDir>();
}

void TestConsoleUpload::cleanup()
{
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM PhotoRecords"));
    resetOptions();
}

void TestConsoleUpload::resetOptions()
{
    // Stored options the tests start from; new profiles rename by date.
    QSqlQuery(ProfileStore::connection())
        .exec(QStringLiteral("UPDATE ServerProfiles SET idxonly = 1, incbackup = 1, daterename = 0, "
                             "duphandler = 'RENAME', serverdst = ''"));
}

ConsoleRun::Result TestConsoleUpload::upload(const QStringList& arguments,
                                             const QProcessEnvironment& environment)
{
    return ConsoleRun::run(ConsoleRun::uploader(), arguments, environment);
}

QString TestConsoleUpload::makeFolder(const QString& name, const QStringList& files)
{
    const QString folder = m_sources->filePath(name);
    QDir().mkpath(folder);
    for (const QString& file : files)
        writeJpeg(folder + QLatin1Char('/') + file);
    return folder;
}

QStringList TestConsoleUpload::tempFiles() const
{
    return QDir(AppPaths::defaultTempRootFolder())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

void TestConsoleUpload::sameRequestsAsTheWizard()
{
    const QString trip = makeFolder(QStringLiteral("Trip"), {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"),
                                                             QStringLiteral("Inner/c.jpg")});
    QFile notes(trip + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();

    // The wizard, as the profile list would open it for a folder.
    ServerProfile profile;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Home"), &profile));
    {
        ScriptedPrompter prompter;
        QStringList sources{trip};
        QNetworkAccessManager manager;
        UploadWizard wizard(nullptr, 4, &manager, &sources, &profile);
        wizard.show();
        wizard.next();
        QTRY_COMPARE_WITH_TIMEOUT(wizard.currentId(), int(UploadWizard::ProgressPage), 20000);
        QVERIFY(
            QTest::qWaitFor([&] { return wizard.isUploadFinished() && !wizard.workersRunning(); }, 60000));
        QTest::qWait(50);
        wizard.reject();
        QVERIFY(prompter.shown.isEmpty());
    }
    const QList<QJsonObject> wizardLog = m_server->requestLog();
    const QStringList wizardFiles = filesOnDisk(m_server->photoRoot());

    QDir(m_server->photoRoot()).removeRecursively();
    QDir().mkpath(m_server->photoRoot());
    m_server->clearRequestLog();
    cleanup();

    const ConsoleRun::Result run = upload({QStringLiteral("--profile"), QStringLiteral("Home"), trip});
    QVERIFY2(run.finished, run.err.constData());
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).right(3000).constData());
    const QList<QJsonObject> consoleLog = m_server->requestLog();

    QCOMPARE(endpoints(wizardLog).first(), QStringLiteral("login"));
    QCOMPARE(endpoints(consoleLog), endpoints(wizardLog));
    const auto initList = [](const QList<QJsonObject>& log) {
        for (const QJsonObject& entry : log) {
            if (entry.value(QStringLiteral("endpoint")).toString() == QLatin1String("init"))
                return entry.value(QStringLiteral("multipart"))
                    .toObject()
                    .value(QStringLiteral("filelist"))
                    .toString();
        }
        return QString();
    };
    QCOMPARE(initList(consoleLog),
             QStringLiteral("//Trip/FolderDelimiter//Trip/Inner/FolderDelimiter/"
                            "/Trip/Inner/c.jpg/FolderDelimiter//Trip/a.jpg/FolderDelimiter/"
                            "/Trip/b.jpg"));
    QCOMPARE(initList(consoleLog), initList(wizardLog));
    QCOMPARE(batches(consoleLog).size(), 5);
    QCOMPARE(batches(consoleLog), batches(wizardLog));
    QCOMPARE(filesOnDisk(m_server->photoRoot()), wizardFiles);
    // Every item of a run goes over one kept-alive connection.
    QSet<int> connections;
    for (const QJsonObject& entry : consoleLog) {
        if (entry.value(QStringLiteral("endpoint")).toString() == QLatin1String("upload"))
            connections.insert(entry.value(QStringLiteral("connection")).toInt());
    }
    QCOMPARE(connections.size(), 1);
    QVERIFY(!connections.contains(0));
    QVERIFY(wizardFiles.contains(QStringLiteral("Trip/Inner/.@__thumb/c.jpg/THUM_XL.jpg")));
    QVERIFY(!wizardFiles.contains(QStringLiteral("Trip/notes.txt")));

    // One plain line per finished file when the output is not a terminal, then the counts.
    const QStringList lines = run.outLines();
    QVERIFY(lines.contains(QStringLiteral("uploaded     %1/a.jpg -> /photo/Trip/a.jpg").arg(trip)));
    QVERIFY(lines.contains(QStringLiteral("created      %1/Inner -> /photo/Trip/Inner").arg(trip)));
    QVERIFY(lines.contains(QStringLiteral("skipped      %1/notes.txt: not a supported photo or video type "
                                          "(--all-files sends it)")
                               .arg(trip)));
    // Three files; the two folders are albums, not files.
    QVERIFY(lines.contains(QStringLiteral("Successfully uploaded: 3 files")));
    QVERIFY(lines.contains(QStringLiteral("2 albums created")));
    QVERIFY(tempFiles().isEmpty());
}

void TestConsoleUpload::secondRunSkipsEverything()
{
    const QString folder =
        makeFolder(QStringLiteral("Twice"), {QStringLiteral("x.jpg"), QStringLiteral("y.jpg")});
    const QStringList arguments{QStringLiteral("--profile"), QStringLiteral("Home"), QStringLiteral("--flat"),
                                folder};
    const ConsoleRun::Result first = upload(arguments);
    QCOMPARE(first.exitCode, 0);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/x.jpg")));
    m_server->clearRequestLog();

    const ConsoleRun::Result second = upload(arguments);
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(endpoints(m_server->requestLog()),
             (QStringList{QStringLiteral("login"), QStringLiteral("init")}));
    QVERIFY(second.outLines().contains(
        QStringLiteral("skipped      %1/x.jpg: uploaded before with this profile").arg(folder)));
    QVERIFY(QString::fromUtf8(second.err)
                .contains(QStringLiteral(
                    "Warning: The selected items have already been uploaded to the destination "
                    "folder in Lumio. No file is available for upload.")));
    QVERIFY(!QFile::exists(m_server->photoRoot() + QStringLiteral("/x_1.jpg")));
}

void TestConsoleUpload::refusedFile_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QJsonObject>("faults");
    QTest::addColumn<int>("puts");

    const QJsonObject uploadRefuses{
        {QStringLiteral("upload"), QJsonObject{{QStringLiteral("err_msg"), QStringLiteral("no_privilege")}}}};
    QTest::newRow("refused by the server when sent") << "Home"
                                                     << "/photo" << uploadRefuses << 6;
    QTest::newRow("refused by the upload initialisation") << "Alice"
                                                          << "/photo" << QJsonObject() << 0;
}

void TestConsoleUpload::refusedFile()
{
    QFETCH(QString, profile);
    QFETCH(QString, album);
    QFETCH(QJsonObject, faults);
    QFETCH(int, puts);
    const QString folder = makeFolder(QStringLiteral("Refused"), {QStringLiteral("r.jpg")});
    QVERIFY(m_server->setFaults(faults));
    const ConsoleRun::Result run =
        upload({QStringLiteral("--profile"), profile, QStringLiteral("--album"), album,
                QStringLiteral("--flat"), folder + QStringLiteral("/r.jpg")});
    QCOMPARE(run.exitCode, 1);
    const QString reason =
        QStringLiteral("You have no privileges to either create new albums or upload files.");
    const QStringList lines = run.outLines();
    QVERIFY2(lines.filter(QStringLiteral("r.jpg: ") + reason).size() == 1, run.out.constData());
    // The error report's row.
    QVERIFY(lines.contains(QStringLiteral("r.jpg      ") + reason));
    QCOMPARE(m_server->requestLog(QStringLiteral("upload")).size(), puts);
    QVERIFY(!QFile::exists(m_server->photoRoot() + album.mid(6) + QStringLiteral("/r.jpg")));
    QVERIFY(
        ProfileStore::uploadedFingerprints(
            QStringLiteral("r.jpg"), profile, QFileInfo(folder + QStringLiteral("/r.jpg")).size(),
            QString::number(QFileInfo(folder + QStringLiteral("/r.jpg")).lastModified().toSecsSinceEpoch()))
            .isEmpty());
}

void TestConsoleUpload::loginRefused_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errorClass");
    QTest::addColumn<QString>("message");

    const QString invalid = QStringLiteral("The account or password is invalid. Please try again.");
    QTest::newRow("wrong remembered password")
        << "Wrong" << QString() << 4 << "login_refused"
        << "Login refused for account \"demo\" on http://127.0.0.1:%1: " + invalid +
               " If the password remembered in profile \"Wrong\" is wrong, run again with --ask-password";
    QTest::newRow("wrong password from the environment")
        << "Asking"
        << "guess" << 4 << "login_refused"
        << "Login refused for account \"carol\" on http://127.0.0.1:%1: " + invalid;
    QTest::newRow("no password and no terminal")
        << "Asking" << QString() << 2 << "usage"
        << "lumio-upload: no password: the profile does not remember it";
    QTest::newRow("nobody listens") << "Closed" << QString() << 3 << "unreachable"
                                    << "lumio-upload: Cannot reach http://127.0.0.1:%CLOSED% (connection "
                                       "refused). Check that the server is on";
}

void TestConsoleUpload::loginRefused()
{
    QFETCH(QString, profile);
    QFETCH(QString, password);
    QFETCH(int, status);
    QFETCH(QString, errorClass);
    QFETCH(QString, message);
    const QString folder = makeFolder(QStringLiteral("Login"), {QStringLiteral("l.jpg")});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    if (!password.isNull())
        environment.insert(QStringLiteral("LUMIO_PASSWORD"), password);
    const int closed = closedPort();
    if (profile == QLatin1String("Closed"))
        addProfile(profile, QStringLiteral("demo"), QStringLiteral("demo"), true, closed);
    const ConsoleRun::Result run =
        upload({QStringLiteral("--profile"), profile, QStringLiteral("--json"), folder}, environment);
    ProfileStore::removeProfile(QStringLiteral("Closed"));
    QCOMPARE(run.exitCode, status);
    QString expected = message;
    expected.replace(QLatin1String("%CLOSED%"), QString::number(closed))
        .replace(QLatin1String("%1"), QString::number(m_server->port()));
    QVERIFY2(QString::fromUtf8(run.err).contains(expected), run.err.constData());
    // One line says what failed; the dialog's bare text does not come first.
    QVERIFY2(!run.err.startsWith("Error:"), run.err.constData());
    const QStringList sent = endpoints(m_server->requestLog());
    QVERIFY(!sent.contains(QStringLiteral("init")));
    QVERIFY(!sent.contains(QStringLiteral("upload")));
    const QList<QJsonObject> objects = jsonLines(run.out);
    QCOMPARE(objects.size(), 1);
    QCOMPARE(objects.first().value(QStringLiteral("exit_status")).toInt(), status);
    QCOMPARE(objects.first().value(QStringLiteral("error")).toString(), errorClass);
    QVERIFY(expected.contains(objects.first().value(QStringLiteral("message")).toString().left(40)));
}

void TestConsoleUpload::passwordOverridesForThisRun_data()
{
    QTest::addColumn<bool>("onTerminal");
    QTest::newRow("LUMIO_PASSWORD") << false;
    QTest::newRow("--ask-password") << true;
}

void TestConsoleUpload::passwordOverridesForThisRun()
{
    QFETCH(bool, onTerminal);
    const QString folder = makeFolder(QStringLiteral("Override"), {QStringLiteral("o.jpg")});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    const QStringList arguments{QStringLiteral("-p"), QStringLiteral("Wrong"), QStringLiteral("-n"), folder};
    ConsoleRun::Result run;
    if (onTerminal) {
        run = ConsoleRun::runOnTerminal(ConsoleRun::uploader(), arguments + QStringList{"--ask-password"},
                                        environment, "password", "demo\n", 60000);
    } else {
        environment.insert(QStringLiteral("LUMIO_PASSWORD"), QStringLiteral("demo"));
        run = upload(arguments, environment);
    }
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    ServerProfile stored;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Wrong"), &stored));
    QCOMPARE(stored.password, QStringLiteral("not-the-password"));
}

void TestConsoleUpload::profileCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    // "Name|url|account|remembered" as stored afterwards, or "!Name" for a profile that must not exist.
    QTest::addColumn<QString>("stored");

    const QStringList add{"profile", "add",    "New",    "--host", "127.0.0.1",
                          "--port",  "%PORT%", "--user", "demo"};
    QTest::newRow("add checks the login and stores")
        << add + QStringList{"--password-stdin", "--album", "/photo/2026"} << QByteArray("demo\n") << 0
        << "Profile \"New\" stored: http://127.0.0.1:%PORT%, account demo."
        << "New|http://127.0.0.1:%PORT%|demo|1|demo|/photo/2026";
    QTest::newRow("add with a refused password stores nothing")
        << add + QStringList{"--password-stdin"} << QByteArray("nope\n") << 4
        << "Login refused for account \"demo\" on http://127.0.0.1:%PORT%: The account or password is "
           "invalid. "
           "Please try again. The profile was not stored."
        << "!New";
    QTest::newRow("add for a server that does not answer")
        << QStringList{"profile", "add",      "New",    "--host", "127.0.0.1",
                       "--port",  "%CLOSED%", "--user", "demo",   "--password-stdin"}
        << QByteArray("demo\n") << 3 << "Cannot reach http://127.0.0.1:%CLOSED% (connection refused)"
        << "!New";
    QTest::newRow("add without the check")
        << QStringList{"profile",  "add",    "New",  "--host",           "127.0.0.1", "--port",
                       "%CLOSED%", "--user", "demo", "--password-stdin", "--no-check"}
        << QByteArray("demo\n") << 0 << "Profile \"New\" stored"
        << "New|http://127.0.0.1:%CLOSED%|demo|1|demo|";
    QTest::newRow("add with a password that is asked at upload")
        << add + QStringList{"--no-remember-password", "--https"} << QByteArray() << 0
        << "Profile \"New\" stored"
        << "New|https://127.0.0.1:%PORT%|demo|0||";
    QTest::newRow("add with no password at hand")
        << add << QByteArray() << 2 << "no password: give it on standard input"
        << "!New";
    QTest::newRow("add refuses a taken name in another letter case")
        << QStringList{"profile", "add", "home", "--host", "127.0.0.1", "--user", "demo", "--no-check"}
        << QByteArray("x\n") << 2 << "Error: Profile name [home] already exists."
        << "!home";
    QTest::newRow("add refuses a bad port")
        << QStringList{"profile", "add", "New", "--host", "127.0.0.1", "--port", "70000", "--user", "demo"}
        << QByteArray() << 2 << "Error: The port number must be between 1 and 65535."
        << "!New";
    QTest::newRow("add refuses an empty personal owner")
        << add + QStringList{"--personal-user", ""} << QByteArray() << 2 << "Warning: "
        << "!New";
    QTest::newRow("add refuses a long name")
        << QStringList{"profile", "add", QString(33, QLatin1Char('n')), "--host", "127.0.0.1",
                       "--user",  "demo"}
        << QByteArray() << 2 << "a profile name has at most 32 characters"
        << "!New";
    QTest::newRow("show has no password")
        << QStringList{"profile", "show", "Scratch", "--json"} << QByteArray() << 0 << "\"account\":\"demo\""
        << "Scratch|http://127.0.0.1:%PORT%|demo|1|demo|";
    QTest::newRow("list names for completion") << QStringList{"profile", "list", "--names"} << QByteArray()
                                               << 0 << "Alice\nAsking\nHome\nScratch\nWrong\n"
                                               << "";
    QTest::newRow("edit renames and keeps the password")
        << QStringList{"profile", "edit", "Scratch", "--rename", "Renamed"} << QByteArray() << 0
        << "Profile \"Renamed\" changed"
        << "Renamed|http://127.0.0.1:%PORT%|demo|1|demo|";
    QTest::newRow("edit refuses another profile's name")
        << QStringList{"profile", "edit", "Scratch", "--rename", "HOME"} << QByteArray() << 2
        << "Profile name [HOME] already exists."
        << "Scratch|http://127.0.0.1:%PORT%|demo|1|demo|";
    QTest::newRow("edit checks a new server")
        << QStringList{"profile", "edit", "Scratch", "--port", "%CLOSED%"} << QByteArray() << 3
        << "Cannot reach http://127.0.0.1:%CLOSED% (connection refused)"
        << "Scratch|http://127.0.0.1:%PORT%|demo|1|demo|";
    QTest::newRow("edit without the check, new server resets the album")
        << QStringList{"profile", "edit", "Scratch", "--host", "localhost", "--no-check"} << QByteArray() << 0
        << "Profile \"Scratch\" changed"
        << "Scratch|http://localhost:%PORT%|demo|1|demo|/photo";
    QTest::newRow("password changed after a login")
        << QStringList{"profile", "password", "Scratch", "--password-stdin"} << QByteArray("demo\n") << 0
        << "The password of profile \"Scratch\" is remembered."
        << "Scratch|http://127.0.0.1:%PORT%|demo|1|demo|";
    QTest::newRow("password refused is not stored")
        << QStringList{"profile", "password", "Scratch", "--password-stdin"} << QByteArray("bad\n") << 4
        << "The password was not changed."
        << "Scratch|http://127.0.0.1:%PORT%|demo|1|demo|";
    QTest::newRow("remove with --yes") << QStringList{"profile", "remove", "Scratch", "--yes"} << QByteArray()
                                       << 0 << "Profile \"Scratch\" removed"
                                       << "!Scratch";
}

void TestConsoleUpload::profileCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, stored);
    const QString port = QString::number(m_server->port());
    const QString closed = QString::number(closedPort());
    const auto fill = [&](QString text) {
        return text.replace(QLatin1String("%PORT%"), port).replace(QLatin1String("%CLOSED%"), closed);
    };
    for (QString& argument : arguments)
        argument = fill(argument);
    addProfile(QStringLiteral("Scratch"), QStringLiteral("demo"), QStringLiteral("demo"), true);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    const ConsoleRun::Result run =
        ConsoleRun::run(ConsoleRun::uploader(), arguments, environment, 60000, input);

    const auto removeScratch = qScopeGuard([] {
        ProfileSummaryMap left;
        ProfileStore::loadProfileSummaries(&left);
        for (const QString& name : left.keys()) {
            if (!QStringList{"Alice", "Asking", "Home", "Wrong"}.contains(name))
                ProfileStore::removeProfile(name);
        }
    });
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    QCOMPARE(run.exitCode, status);
    const QByteArray said = run.out + run.err;
    QVERIFY2(QString::fromUtf8(said).contains(fill(output)), said.constData());
    QVERIFY2(!said.contains("\"password\""), said.constData());
    if (stored.isEmpty())
        return;
    const QStringList fields = fill(stored).split(QLatin1Char('|'));
    const QString name = fields.at(0).startsWith(QLatin1Char('!')) ? fields.at(0).mid(1) : fields.at(0);
    // The shortcut list follows the store, as after the window's changes.
    QStringList shortcuts;
    QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), &shortcuts));
    QCOMPARE(shortcuts.contains(name), summaries.contains(name));
    if (fields.at(0).startsWith(QLatin1Char('!'))) {
        QVERIFY(!summaries.contains(name));
        return;
    }
    QVERIFY2(summaries.contains(name), qPrintable(summaries.keys().join(QLatin1Char(','))));
    const ProfileSummary summary = summaries.value(name);
    ServerProfile profile;
    profile.setAll(summary.profname, summary.hostaddr, summary.port, summary.https, summary.account,
                   QString(), summary.savepass, summary.usrname, summary.personal, true, true, true,
                   QString(), QString(), {});
    QCOMPARE(profile.baseUrl, fields.at(1));
    QCOMPARE(summary.account, fields.at(2));
    QCOMPARE(int(summary.savepass), fields.at(3).toInt());
    QCOMPARE(summary.password, fields.at(4));
    QSqlQuery album(ProfileStore::connection());
    album.prepare(QStringLiteral("SELECT serverdst FROM ServerProfiles WHERE profname = ?"));
    album.addBindValue(name);
    QVERIFY(album.exec() && album.next());
    QCOMPARE(album.value(0).toString(), fields.at(5));
}

void TestConsoleUpload::discover_data()
{
    QTest::addColumn<int>("qcStatus");
    QTest::addColumn<bool>("answering");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("lumio");
    QTest::addColumn<QString>("reachable");

    QTest::newRow("a box ready for uploads") << 1 << true << 0 << "set_up"
                                             << "true";
    QTest::newRow("a box without Lumio set up") << 0 << true << 0 << "not_set_up"
                                                << "null";
    QTest::newRow("nobody answers") << 1 << false << 3 << QString() << QString();
}

void TestConsoleUpload::discover()
{
    QFETCH(int, qcStatus);
    QFETCH(bool, answering);
    QFETCH(int, status);
    QFETCH(QString, lumio);
    QFETCH(QString, reachable);
    DiscoveryResponder::useLoopbackDiscovery();
    DiscoveryResponder responder;
    DiscoveryResponder::Identity identity;
    identity.httpPort = m_server->port();
    identity.build = 1200;
    identity.qcStatus = qcStatus;
    if (answering)
        QVERIFY(responder.start(identity));
    const ConsoleRun::Result run = upload({QStringLiteral("discover"), QStringLiteral("--json"),
                                           QStringLiteral("--seconds"), QStringLiteral("2")});
    QCOMPARE(run.exitCode, status);
    const QList<QJsonObject> servers = jsonLines(run.out);
    if (!answering) {
        QVERIFY(servers.isEmpty());
        QVERIFY2(run.err.contains("was found on the local network"), run.err.constData());
        // The dialog's rich text reaches the terminal as plain lines.
        QVERIFY2(!run.err.contains("<li>") && run.err.contains("\n  - "), run.err.constData());
        return;
    }
    QCOMPARE(servers.size(), 1);
    const QJsonObject server = servers.first();
    QCOMPARE(server.value(QStringLiteral("name")).toString(), identity.name);
    QCOMPARE(server.value(QStringLiteral("address")).toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(server.value(QStringLiteral("http_port")).toInt(), m_server->port());
    QCOMPARE(server.value(QStringLiteral("uploads")).toBool(), true);
    QCOMPARE(server.value(QStringLiteral("lumio")).toString(), lumio);
    QCOMPARE(QString::fromUtf8(QJsonDocument(QJsonObject{{"r", server.value(QStringLiteral("reachable"))}})
                                   .toJson(QJsonDocument::Compact)),
             QStringLiteral("{\"r\":%1}").arg(reachable));
    // The plain listing tells the user how to go on.
    const ConsoleRun::Result plain = upload({QStringLiteral("discover"), QStringLiteral("--seconds"), "1"});
    QCOMPARE(plain.exitCode, 0);
    QVERIFY2(plain.out.contains("lumio-reference") && plain.out.contains("lumio-upload profile add"),
             plain.out.constData());
}

void TestConsoleUpload::quietShowsOnlyProblems()
{
    const QString folder = makeFolder(QStringLiteral("Quiet"), {QStringLiteral("q.jpg")});
    QFile notes(folder + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("text");
    notes.close();
    const ConsoleRun::Result run =
        upload({QStringLiteral("-p"), QStringLiteral("Home"), QStringLiteral("-q"), folder});
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY2(!out.contains(QLatin1String("uploaded     ")) && !out.contains(QLatin1String("skipped      ")),
             run.out.constData());
    QVERIFY2(out.contains(QLatin1String("Successfully uploaded: ")), run.out.constData());
}

void TestConsoleUpload::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString path = QDir::tempPath();
    QTest::newRow("no profile") << QStringList{path} << "--profile NAME is required";
    QTest::newRow("no path") << QStringList{"--profile", "Home"} << "no PATH to upload";
    QTest::newRow("unknown option") << QStringList{"--profile", "Home", "--fast", path}
                                    << "Unknown option 'fast'";
    QTest::newRow("flat and keep-structure")
        << QStringList{"--profile", "Home", "--flat", "--keep-structure", path} << "exclude each other";
    QTest::newRow("album outside the photo root")
        << QStringList{"--profile", "Home", "--album", "/music", path} << "--album must be /photo";
    QTest::newRow("unknown video quality")
        << QStringList{"--profile", "Home", "--video-quality", "ultra", path} << "--video-quality takes";
    QTest::newRow("unknown duplicate policy")
        << QStringList{"--profile", "Home", "--duplicates", "merge", path} << "--duplicates takes";
    QTest::newRow("negative retries")
        << QStringList{"--profile", "Home", "--retries", "-1", path} << "--retries takes a number";
    QTest::newRow("zero time-out") << QStringList{"--profile", "Home", "--timeout", "0", path}
                                   << "--timeout takes a number of seconds";
    QTest::newRow("unknown profile") << QStringList{"--profile", "Nobody", path}
                                     << "no profile named \"Nobody\"";
    QTest::newRow("missing path") << QStringList{"--profile", "Home", path + "/no-such-folder"}
                                  << "no such file or folder";
    QTest::newRow("profile name in another letter case")
        << QStringList{"-p", "home", path}
        << "no profile named \"home\" (did you mean \"Home\"? Names are matched exactly); the profiles are: "
           "Alice, Asking, Home, Wrong";
    QTest::newRow("profile command without its name")
        << QStringList{"profile", "show"} << "needs one profile NAME";
    QTest::newRow("unknown profile shown")
        << QStringList{"profile", "show", "Nobody"} << "the profiles are: Alice";
    QTest::newRow("removal not confirmed") << QStringList{"profile", "remove", "Home"}
                                           << "profile \"Home\" was not removed: confirm on a terminal";
}

void TestConsoleUpload::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const ConsoleRun::Result run = upload(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    // The message names the fault; no empty store error comes before it.
    QVERIFY2(!run.err.contains("Database error"), run.err.constData());
    QVERIFY(m_server->requestLog().isEmpty());
}

void TestConsoleUpload::dryRunSendsNothing()
{
    const QString folder =
        makeFolder(QStringLiteral("Dry"), {QStringLiteral("new.jpg"), QStringLiteral("there.jpg")});
    writeJpeg(m_server->photoRoot() + QStringLiteral("/Dry/there.jpg"));
    const QStringList before = filesOnDisk(m_server->photoRoot());
    const ConsoleRun::Result run = upload({QStringLiteral("--profile"), QStringLiteral("Home"),
                                           QStringLiteral("--dry-run"), QStringLiteral("--json"), folder});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(endpoints(m_server->requestLog()),
             (QStringList{QStringLiteral("login"), QStringLiteral("init")}));
    QCOMPARE(filesOnDisk(m_server->photoRoot()), before);

    const QList<QJsonObject> objects = jsonLines(run.out);
    QCOMPARE(objects.size(), 4);
    // The folder is on the server already and is not created again; its files are listed.
    QCOMPARE(objects.at(0).value(QStringLiteral("status")).toString(), QStringLiteral("skipped"));
    QCOMPARE(objects.at(0).value(QStringLiteral("reason")).toString(), QStringLiteral("on_server"));
    QCOMPARE(objects.at(1).value(QStringLiteral("path")).toString(), folder + QStringLiteral("/new.jpg"));
    QCOMPARE(objects.at(1).value(QStringLiteral("status")).toString(), QStringLiteral("would_upload"));
    QCOMPARE(objects.at(1).value(QStringLiteral("album")).toString(), QStringLiteral("/photo/Dry"));
    QCOMPARE(objects.at(2).value(QStringLiteral("reason")).toString(), QStringLiteral("on_server"));
    QCOMPARE(objects.at(2).value(QStringLiteral("message")).toString(),
             QStringLiteral("a file of this name is on the server; duplicates: rename"));
    const QJsonObject summary = objects.last();
    QCOMPARE(summary.value(QStringLiteral("type")).toString(), QStringLiteral("summary"));
    QVERIFY(summary.value(QStringLiteral("dry_run")).toBool());
    QCOMPARE(summary.value(QStringLiteral("total")).toInt(), 2);
    // The folder on the server is neither a file skipped nor an album to create.
    QCOMPARE(summary.value(QStringLiteral("skipped")).toInt(), 0);
    QCOMPARE(summary.value(QStringLiteral("albums")).toInt(), 0);
    QCOMPARE(summary.value(QStringLiteral("exit_status")).toInt(), 0);
    QVERIFY(tempFiles().isEmpty());
    QVERIFY(
        ProfileStore::uploadedFingerprints(
            QStringLiteral("new.jpg"), QStringLiteral("Home"),
            QFileInfo(folder + QStringLiteral("/new.jpg")).size(),
            QString::number(QFileInfo(folder + QStringLiteral("/new.jpg")).lastModified().toSecsSinceEpoch()))
            .isEmpty());
}

void TestConsoleUpload::unconvertibleFileWarns_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<bool>("fullTemp");
    QTest::newRow("plain") << false << false;
    QTest::newRow("json") << true << false;
    QTest::newRow("full temporary folder") << false << true;
}

void TestConsoleUpload::unconvertibleFileWarns()
{
    QFETCH(bool, json);
    QFETCH(bool, fullTemp);
    const QString folder = makeFolder(QStringLiteral("Warn %1 %2").arg(json).arg(fullTemp), {});
    const QString path = folder + QStringLiteral("/broken.jpg");
    if (fullTemp) {
        // A real picture, larger than the little temporary folder it must be copied into.
        QImage noise(300, 300, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, static_cast<QRgb>((x * 2654435761u) ^ (y * 40503u)));
        QVERIFY(noise.save(path, "JPG", 95));
        QVERIFY(QFileInfo(path).size() > 64 * 1024);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a picture");
        file.close();
    }
    QStringList arguments{QStringLiteral("--profile"), QStringLiteral("Home"), QStringLiteral("--flat"),
                          path};
    if (json)
        arguments.prepend(QStringLiteral("--json"));
    ConsoleRun::Result run;
    const QString tempRoot = AppPaths::defaultTempRootFolder();
    if (fullTemp) {
        // A user without the right to make namespaces cannot have the small folder made for it.
        if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")}) != 0)
            QSKIP("no mount namespace here: the full temporary folder cannot be made");
        // The uploader alone, in a mount namespace of its own, gets a 16 KiB temporary folder.
        const QString script = QStringLiteral(
            "mkdir -p \"$1\" && mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 99; shift; exec \"$@\"");
        run = ConsoleRun::run(QStringLiteral("unshare"),
                              QStringList{QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                                          script, QStringLiteral("sh"), tempRoot, ConsoleRun::uploader()} +
                                  arguments);
        if (run.exitCode == 99)
            QSKIP("no mount namespace here: the full temporary folder cannot be made");
    } else {
        run = upload(arguments);
    }
    // Uploaded and recorded: a warning, not a failure.
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/broken.jpg")));
    QCOMPARE(ProfileStore::uploadedFingerprints(
                 QStringLiteral("broken.jpg"), QStringLiteral("Home"), QFileInfo(path).size(),
                 QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()))
                 .size(),
             1);
    const QString warning =
        fullTemp ? QStringLiteral("no thumbnails: The temporary folder %1 is full.").arg(tempRoot)
                 : QStringLiteral("no thumbnails: convert: no decode delegate for this image format `'");
    if (json) {
        const QList<QJsonObject> objects = jsonLines(run.out);
        QCOMPARE(objects.size(), 2);
        QCOMPARE(objects.first().value(QStringLiteral("status")).toString(), QStringLiteral("uploaded"));
        QCOMPARE(objects.first().value(QStringLiteral("warning")).toString(), warning);
        QCOMPARE(objects.last().value(QStringLiteral("warnings")).toArray().size(), 1);
        QCOMPARE(objects.last().value(QStringLiteral("failed")).toInt(), 0);
    } else {
        const QStringList lines = run.outLines();
        QVERIFY2(lines.contains(QStringLiteral("warning      %1: %2").arg(path, warning)),
                 run.out.constData());
        // The error report's row.
        QVERIFY(lines.contains(QStringLiteral("broken.jpg  ") + warning));
    }
}

void TestConsoleUpload::jsonOutputParses()
{
    const QString folder =
        makeFolder(QStringLiteral("Json"), {QStringLiteral("j1.jpg"), QStringLiteral("j2.jpg")});
    // Flat: requests 1 to 6 are the first file's batch, its original the sixth.
    QVERIFY(m_server->setFaults(
        {{QStringLiteral("upload"), QJsonObject{{QStringLiteral("err_msg"), QStringLiteral("no_privilege")},
                                                {QStringLiteral("only_requests"), QJsonArray{6}}}}}));
    QElapsedTimer clock;
    clock.start();
    const ConsoleRun::Result run = upload({QStringLiteral("--profile"), QStringLiteral("Home"),
                                           QStringLiteral("--flat"), QStringLiteral("--json"), folder});
    const double wall = clock.nsecsElapsed() / 1e9;
    QCOMPARE(run.exitCode, 1);
    const QList<QJsonObject> objects = jsonLines(run.out);
    QCOMPARE(objects.size(), 3);
    QStringList statuses;
    for (int i = 0; i < 2; ++i) {
        const QJsonObject file = objects.at(i);
        QCOMPARE(file.value(QStringLiteral("type")).toString(), QStringLiteral("file"));
        QCOMPARE(file.value(QStringLiteral("album")).toString(), QStringLiteral("/photo"));
        QVERIFY(file.value(QStringLiteral("path")).toString().startsWith(folder + QStringLiteral("/j")));
        QCOMPARE(file.value(QStringLiteral("size")).toInteger(),
                 QFileInfo(file.value(QStringLiteral("path")).toString()).size());
        statuses.append(file.value(QStringLiteral("status")).toString());
        if (statuses.last() == QLatin1String("failed")) {
            QCOMPARE(file.value(QStringLiteral("reason")).toString(), QStringLiteral("no_privilege"));
            QCOMPARE(file.value(QStringLiteral("message")).toString(),
                     QStringLiteral("You have no privileges to either create new albums or upload files."));
        }
    }
    statuses.sort();
    QCOMPARE(statuses, (QStringList{QStringLiteral("failed"), QStringLiteral("uploaded")}));
    const QJsonObject summary = objects.last();
    QCOMPARE(summary.value(QStringLiteral("type")).toString(), QStringLiteral("summary"));
    QCOMPARE(summary.value(QStringLiteral("profile")).toString(), QStringLiteral("Home"));
    QCOMPARE(summary.value(QStringLiteral("total")).toInt(), 2);
    QCOMPARE(summary.value(QStringLiteral("uploaded")).toInt(), 1);
    QCOMPARE(summary.value(QStringLiteral("failed")).toInt(), 1);
    QCOMPARE(summary.value(QStringLiteral("errors")).toArray().size(), 1);
    QVERIFY(summary.value(QStringLiteral("bytes_sent")).toInteger() >=
            QFileInfo(folder + QStringLiteral("/j1.jpg")).size());
    QCOMPARE(summary.value(QStringLiteral("exit_status")).toInt(), 1);
    // Where the time went: both photos were converted by convert and sent; the uploader's own time,
    // busy or waiting, fits in the run.
    const QJsonObject timing = summary.value(QStringLiteral("timing")).toObject();
    const double uploading = timing.value(QStringLiteral("uploading")).toDouble();
    const double waiting = timing.value(QStringLiteral("waiting_for_converter")).toDouble();
    QVERIFY2(timing.value(QStringLiteral("converting")).toDouble() > 0, qPrintable(run.out));
    QVERIFY2(timing.value(QStringLiteral("tools_cpu")).toDouble() > 0, qPrintable(run.out));
    QVERIFY2(uploading > 0 && waiting > 0, qPrintable(run.out));
    QVERIFY2(uploading + waiting <= wall, qPrintable(run.out));
    QVERIFY2(timing.value(QStringLiteral("waiting_for_uploader")).toDouble() <= wall, qPrintable(run.out));
}

void TestConsoleUpload::saveOptions_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("options of the run only") << false;
    QTest::newRow("options stored with --save-options") << true;
}

void TestConsoleUpload::saveOptions()
{
    QFETCH(bool, save);
    const QString folder = makeFolder(QStringLiteral("Options"), {QStringLiteral("o.jpg")});
    QVERIFY(QDir().mkpath(m_server->photoRoot() + QStringLiteral("/2012")));
    QStringList arguments{QStringLiteral("--profile"),
                          QStringLiteral("Home"),
                          QStringLiteral("--album"),
                          QStringLiteral("/photo/2012/"),
                          QStringLiteral("--duplicates"),
                          QStringLiteral("overwrite"),
                          QStringLiteral("--no-skip-uploaded"),
                          QStringLiteral("--all-files"),
                          QStringLiteral("--rename-by-date"),
                          QStringLiteral("--flat"),
                          folder};
    if (save)
        arguments.prepend(QStringLiteral("--save-options"));
    const ConsoleRun::Result run = upload(arguments);
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    const QList<QJsonObject> uploads = m_server->requestLog(QStringLiteral("upload"));
    QVERIFY(!uploads.isEmpty());
    const QJsonObject headers = uploads.last().value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("X-DUPLICATE")).toString(), QStringLiteral("OVERWRITE"));
    QCOMPARE(headers.value(QStringLiteral("X-PATH")).toString(), QStringLiteral(" 2012"));
    QVERIFY(headers.value(QStringLiteral("X-ORIG-FNAME")).toString().startsWith(QLatin1String(" IMG_")));

    ServerProfile stored;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Home"), &stored));
    QCOMPARE(stored.duphandler, save ? QStringLiteral("OVERWRITE") : QStringLiteral("RENAME"));
    QCOMPARE(stored.serverdst, save ? QStringLiteral("/photo/2012") : QString());
    QCOMPARE(stored.incbackup, !save);
    QCOMPARE(stored.idxonly, !save);
    QCOMPARE(stored.daterename, save);
}

void TestConsoleUpload::passwordAskedOnTerminalWithoutEcho()
{
    const QString folder = makeFolder(QStringLiteral("Terminal"), {QStringLiteral("t.jpg")});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    const QByteArray password = "p&ss=w rd+%";
    const ConsoleRun::Result run = ConsoleRun::runOnTerminal(
        ConsoleRun::uploader(),
        {QStringLiteral("--profile"), QStringLiteral("Asking"), QStringLiteral("--flat"), folder},
        environment, "Please enter the carol's password.", password + '\n', 30000);
    QVERIFY2(run.finished, run.out.constData());
    QVERIFY2(run.exitCode == 0, run.out.constData());
    QVERIFY2(!run.out.contains(password), run.out.constData());
    // The live line is redrawn in place, then the counts follow.
    QVERIFY2(run.out.contains("\r\033[K[0/1]") || run.out.contains("\r\033[K[1/1]"), run.out.constData());
    QVERIFY(run.out.contains("Successfully uploaded: 1 file\r\n"));
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/t.jpg")));
    const QList<QJsonObject> logins = m_server->requestLog(QStringLiteral("login"));
    QCOMPARE(logins.size(), 1);
    QCOMPARE(
        logins.first().value(QStringLiteral("form")).toObject().value(QStringLiteral("passwd")).toString(),
        QString::fromUtf8(password));
    // Asked, not remembered.
    ServerProfile stored;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Asking"), &stored));
    QVERIFY(stored.password.isEmpty());
}

void TestConsoleUpload::interruptAtThePasswordPrompt()
{
    const QString folder = makeFolder(QStringLiteral("Prompt"), {QStringLiteral("p.jpg")});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    // Ctrl-C on the terminal: the line discipline sends SIGINT to the program.
    const ConsoleRun::Result run = ConsoleRun::runOnTerminal(
        ConsoleRun::uploader(), {QStringLiteral("--profile"), QStringLiteral("Asking"), folder}, environment,
        "Please enter the carol's password.", "\x03", 30000);
    QVERIFY2(run.finished, run.out.constData());
    QCOMPARE(run.exitCode, 130);
    QVERIFY2(run.out.contains("Cancelled."), run.out.constData());
    QVERIFY(run.terminalEchoes);
    QVERIFY(m_server->requestLog().isEmpty());
}

void TestConsoleUpload::interruptStopsEverything()
{
    // Orphans of the uploader would be handed to this process, where the check below finds them.
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0), 0);
    const QString folder =
        makeFolder(QStringLiteral("Stop"), {QStringLiteral("s1.jpg"), QStringLiteral("s2.jpg")});
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=320x240:rate=25:duration=8"), QStringLiteral("-pix_fmt"),
                  QStringLiteral("yuv420p"), folder + QStringLiteral("/clip.mp4")});
    QVERIFY(ffmpeg.waitForFinished(60000));
    QCOMPARE(ffmpeg.exitCode(), 0);
    QVERIFY(
        m_server->setFaults({{QStringLiteral("upload"), QJsonObject{{QStringLiteral("delay_ms"), 300}}}}));

    QProcess uploader;
    uploader.start(ConsoleRun::uploader(),
                   {QStringLiteral("--profile"), QStringLiteral("Home"), QStringLiteral("--flat"),
                    QStringLiteral("--video-quality"), QStringLiteral("low,medium,high,mobile"), folder});
    QVERIFY(uploader.waitForStarted());
    const int pid = static_cast<int>(uploader.processId());
    const QStringList tools{QStringLiteral("ffmpeg"), QStringLiteral("convert"), QStringLiteral("dcraw"),
                            QStringLiteral("qt-faststart")};
    QList<int> running;
    QVERIFY(QTest::qWaitFor(
        [&] {
            running = ConsoleRun::childrenOf(pid);
            for (int child : running) {
                if (tools.contains(ConsoleRun::commandName(child)))
                    return true;
            }
            return false;
        },
        60000));
    QCOMPARE(::kill(pid, SIGINT), 0);
    QVERIFY(uploader.waitForFinished(60000));
    QCOMPARE(uploader.exitStatus(), QProcess::NormalExit);
    QCOMPARE(uploader.exitCode(), 130);
    const QString out = QString::fromUtf8(uploader.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("Cancelled.")), qPrintable(out));
    QVERIFY(QString::fromUtf8(uploader.readAllStandardError())
                .contains(QStringLiteral("lumio-upload: cancelling")));

    for (int child : running)
        QVERIFY2(!ConsoleRun::isAlive(child), qPrintable(ConsoleRun::commandName(child)));
    const QList<int> mine = ConsoleRun::childrenOf(static_cast<int>(QCoreApplication::applicationPid()));
    QCOMPARE(mine, QList<int>{static_cast<int>(m_server->processId())});
    QVERIFY2(tempFiles().isEmpty(), qPrintable(tempFiles().join(QLatin1Char(' '))));
    int originals = 0;
    for (const QJsonObject& entry : m_server->requestLog(QStringLiteral("upload")))
        originals += entry.value(QStringLiteral("headers"))
                         .toObject()
                         .value(QStringLiteral("X-UPLOAD-TYPE"))
                         .toString() == QLatin1String("ORIG_FILE");
    QVERIFY(originals < 3);
}

void TestConsoleUpload::listProfiles()
{
    const ConsoleRun::Result plain = upload({QStringLiteral("--list-profiles")});
    QCOMPARE(plain.exitCode, 0);
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(m_server->port());
    QCOMPARE(plain.outLines(),
             (QStringList{QStringLiteral("Alice\t%1\talice\tpassword remembered").arg(url),
                          QStringLiteral("Asking\t%1\tcarol\tpassword asked").arg(url),
                          QStringLiteral("Home\t%1\tdemo\tpassword remembered").arg(url),
                          QStringLiteral("Wrong\t%1\tdemo\tpassword remembered").arg(url)}));
    const ConsoleRun::Result json = upload({QStringLiteral("--list-profiles"), QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    const QList<QJsonObject> objects = jsonLines(json.out);
    QCOMPARE(objects.size(), 4);
    QCOMPARE(objects.at(1).value(QStringLiteral("name")).toString(), QStringLiteral("Asking"));
    QCOMPARE(objects.at(1).value(QStringLiteral("url")).toString(), url);
    QCOMPARE(objects.at(1).value(QStringLiteral("account")).toString(), QStringLiteral("carol"));
    QCOMPARE(objects.at(1).value(QStringLiteral("password_remembered")).toBool(), false);
    QVERIFY(!json.out.contains("alice\",\"password\""));
    QVERIFY(m_server->requestLog().isEmpty());
}

void TestConsoleUpload::seedDemoProfileOnlyWhenAbsent()
{
    const ConsoleRun::Result first = upload({QStringLiteral("--seed-demo-profile"), QStringLiteral("18123")});
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.outLines(), QStringList{QStringLiteral("http://127.0.0.1:18123")});
    const ConsoleRun::Result again = upload({QStringLiteral("--seed-demo-profile"), QStringLiteral("18124")});
    QCOMPARE(again.exitCode, 1);
    QCOMPARE(again.outLines(), QStringList{QStringLiteral("http://127.0.0.1:18123")});

    ServerProfile demo;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Demo"), &demo));
    QCOMPARE(demo.port, 18123);
    QCOMPARE(demo.account, QStringLiteral("demo"));
    QCOMPARE(demo.password, QStringLiteral("demo"));
    QVERIFY(demo.savepass);
    QCOMPARE(ProfileStore::profileNamesDescending().count(QStringLiteral("Demo")), 1);
    ProfileStore::removeProfile(QStringLiteral("Demo"));
}

void TestConsoleUpload::certificateTrustOnTheConsole()
{
    RefServer secure;
    secure.setHttps(true);
    QVERIFY2(secure.start(), qPrintable(secure.errorString()));
    const QString certs = QFileInfo(secure.certificateFile()).absolutePath();
    const auto fingerprintOf = [&](const QString& name) {
        const QList<QSslCertificate> found = QSslCertificate::fromPath(certs + QLatin1Char('/') + name);
        return found.isEmpty() ? QString() : CertificateTrust::fingerprint(found.first());
    };
    const QString primary = fingerprintOf(QStringLiteral("server.crt"));
    const QString alternate = fingerprintOf(QStringLiteral("alternate.crt"));
    QVERIFY(!primary.isEmpty() && !alternate.isEmpty() && primary != alternate);
    ServerProfile profile;
    profile.setAll(QStringLiteral("Secure"), QStringLiteral("127.0.0.1"), secure.port(), true,
                   QStringLiteral("demo"), QStringLiteral("demo"), true, QString(), false, true, true, false,
                   QStringLiteral("RENAME"), QString(), {});
    ProfileStore::createProfile(profile);
    const QString folder = makeFolder(QStringLiteral("Secure"), {QStringLiteral("s.jpg")});
    const QStringList arguments{QStringLiteral("--profile"), QStringLiteral("Secure"),
                                QStringLiteral("--dry-run"), folder};
    const auto pin = [] {
        QString fingerprint;
        ProfileStore::certificatePin(QStringLiteral("Secure"), &fingerprint);
        return fingerprint;
    };

    // No terminal to ask on: refused, with the fingerprint and the option that vouches for it.
    ConsoleRun::Result run = upload(arguments);
    QCOMPARE(run.exitCode, 3);
    const QByteArray option = "--trust-certificate " + primary.toLatin1();
    QVERIFY2(run.err.contains(primary.toLatin1()) && run.err.contains(option), run.err.constData());
    QVERIFY(secure.requestLog(QStringLiteral("login")).isEmpty());
    QCOMPARE(pin(), QString());

    // On a terminal the question is asked once; the answer pins the certificate.
    run = ConsoleRun::runOnTerminal(ConsoleRun::uploader(), arguments,
                                    QProcessEnvironment::systemEnvironment(), "[Yes/No] ", "yes\n", 60000);
    QVERIFY2(run.finished && run.exitCode == 0, run.out.constData());
    QVERIFY2(run.out.contains(primary.toLatin1()), run.out.constData());
    QCOMPARE(pin(), primary);
    QCOMPARE(secure.requestLog(QStringLiteral("login")).size(), 1);

    // Another certificate later: refused, never silently, and nothing sent.
    QVERIFY(secure.configure({{QStringLiteral("certificate"), QStringLiteral("alternate")}}));
    secure.clearRequestLog();
    run = upload(arguments);
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains("has changed") && run.err.contains(alternate.toLatin1()), run.err.constData());
    QVERIFY(secure.requestLog(QStringLiteral("login")).isEmpty());
    QCOMPARE(pin(), primary);

    // The user vouches for the new one.
    QString spelled = alternate;
    run = upload(
        QStringList{QStringLiteral("--trust-certificate"), spelled.remove(QLatin1Char(':')).toLower()} +
        arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(pin(), alternate);
}

void TestConsoleUpload::summaryInTheUiLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("others");
    QTest::addColumn<QStringList>("shown"); // lines of standard output and error
    QTest::newRow("English, one file")
        << "en_US.UTF-8" << 1 << 0 << QStringList{"Successfully uploaded: 1 file", "1 album created"};
    QTest::newRow("German, two files")
        << "de_DE.UTF-8" << 2 << 0 << QStringList{"Erfolgreich hochgeladen: 2 Dateien", "1 Album erstellt"};
    QTest::newRow("Russian, five files and one skipped")
        << "ru_RU.UTF-8" << 5 << 1
        << QStringList{"Успешно загружено: 5 файлов", "Создан 1 альбом", "Пропущено: 1 файл"};
    QTest::newRow("English, only other files")
        << "en_US.UTF-8" << 0 << 3
        << QStringList{
               "Warning: No supported photo or video among the 3 files given (use --all-files to send "
               "them anyway)"};
    QTest::newRow("Russian, only other files")
        << "ru_RU.UTF-8" << 0 << 2
        << QStringList{"Предупреждение: Среди 2 указанных файлов нет поддерживаемых фото или видео (чтобы "
                       "всё равно отправить, "
                       "используйте --all-files)"};
}

void TestConsoleUpload::summaryInTheUiLanguage()
{
    QFETCH(QString, locale);
    QFETCH(int, pictures);
    QFETCH(int, others);
    QFETCH(QStringList, shown);
    QStringList names;
    for (int i = 0; i < pictures; ++i)
        names.append(QStringLiteral("p%1.jpg").arg(i));
    const QString folder = makeFolder(QStringLiteral("Language"), names);
    for (int i = 0; i < others; ++i) {
        QFile other(folder + QStringLiteral("/notes%1.txt").arg(i));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("text");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    const ConsoleRun::Result run =
        upload({QStringLiteral("--profile"), QStringLiteral("Home"), folder}, environment);
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    const QStringList lines = QString::fromUtf8(run.out + '\n' + run.err).split(QLatin1Char('\n'));
    for (const QString& line : shown)
        QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral("\n---\n") + lines.join('\n')));
    // The English words of the old summary never show in another language, nor do diagnostics.
    if (!locale.startsWith(QLatin1String("en")))
        QVERIFY2(!run.out.contains("Skipped") && !run.out.contains("Sent "), run.out.constData());
    QVERIFY2(!run.err.contains("System locale") && !run.err.contains("UI language"), run.err.constData());
    // Only other files: the server is not even asked about the folder.
    if (pictures == 0)
        QCOMPARE(endpoints(m_server->requestLog()), QStringList{QStringLiteral("login")});
}

void TestConsoleUpload::filtersApplyBeforeTheServerIsAsked()
{
    const QString folder =
        makeFolder(QStringLiteral("Filtered"), {QStringLiteral("keep.jpg"), QStringLiteral("Raw/skip.jpg"),
                                                QStringLiteral("old.jpg"), QStringLiteral("other.jpg")});
    // Larger than a burst of the bandwidth limit, so the body has to wait for more allowance.
    QImage noise(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, static_cast<QRgb>((x * 2654435761u) ^ (y * 40503u)));
    QVERIFY(noise.save(folder + QStringLiteral("/keep.jpg"), "JPG", 95));
    const qint64 size = QFileInfo(folder + QStringLiteral("/keep.jpg")).size();
    QVERIFY(size > 40 * 1024);
    QFile old(folder + QStringLiteral("/old.jpg"));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime(QDate(2019, 1, 1), QTime(8, 0)), QFileDevice::FileModificationTime));
    old.close();
    const ConsoleRun::Result run =
        upload({QStringLiteral("--profile"), QStringLiteral("Home"), QStringLiteral("--include"),
                QStringLiteral("*.JPG"), QStringLiteral("--exclude"), QStringLiteral("Raw"),
                QStringLiteral("--exclude"), QStringLiteral("oth*"), QStringLiteral("--newer-than"),
                QStringLiteral("2020-01-01"), QStringLiteral("--bwlimit"), QStringLiteral("64k"),
                QStringLiteral("--json"), folder});
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    const QList<QJsonObject> init = m_server->requestLog(QStringLiteral("init"));
    QCOMPARE(init.size(), 1);
    QCOMPARE(init.first()
                 .value(QStringLiteral("multipart"))
                 .toObject()
                 .value(QStringLiteral("filelist"))
                 .toString(),
             QStringLiteral("//Filtered/FolderDelimiter//Filtered/keep.jpg"));
    QCOMPARE(filesOnDisk(m_server->photoRoot()).filter(QRegularExpression(QStringLiteral("^[^@]*\\.jpg$"))),
             QStringList{QStringLiteral("Filtered/keep.jpg")});
    const QJsonObject summary = jsonLines(run.out).last();
    QCOMPARE(summary.value(QStringLiteral("total")).toInt(), 1);
    QCOMPARE(summary.value(QStringLiteral("uploaded")).toInt(), 1);
    QCOMPARE(summary.value(QStringLiteral("albums")).toInt(), 1);
    QCOMPARE(QFileInfo(m_server->photoRoot() + QStringLiteral("/Filtered/keep.jpg")).size(), size);
}

void TestConsoleUpload::logFileWithoutThePassword()
{
    const QString folder = makeFolder(QStringLiteral("Logged"), {QStringLiteral("g.jpg")});
    const QString log = m_sources->filePath(QStringLiteral("run.log"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString password = QStringLiteral("p&ss=w rd+%");
    environment.insert(QStringLiteral("LUMIO_PASSWORD"), password);
    const ConsoleRun::Result run =
        upload({QStringLiteral("--profile"), QStringLiteral("Asking"), QStringLiteral("--log-file"), log,
                QStringLiteral("--flat"), folder},
               environment);
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() > 3, qPrintable(text));
    const QRegularExpression stamped(QStringLiteral(
        "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} (debug|info|warning|critical): "));
    for (const QString& line : lines)
        QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
    QVERIFY2(text.contains(QStringLiteral("FileUploader: Upload file")), qPrintable(text));
    QVERIFY(!text.contains(password));
    QVERIFY(!text.contains(QString::fromLatin1(QUrl::toPercentEncoding(password))));
    // Without --verbose the diagnostics stay off standard error.
    QVERIFY2(!run.err.contains("FileUploader"), run.err.constData());
    QCOMPARE(m_server->requestLog(QStringLiteral("login"))
                 .first()
                 .value(QStringLiteral("form"))
                 .toObject()
                 .value(QStringLiteral("passwd"))
                 .toString(),
             password);
}

LUMIO_TEST_MAIN(TestConsoleUpload)
#include "tst_consoleupload.moc"
