#include "RefServer.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QtTest>

#include <memory>

// The reference Lumio server over loopback: every request is built the way the uploader builds it
// (percent-encoded form fields and "X-" headers with their leading blank, the comma multipart form).
class TestRefServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void login_data();
    void login();
    void sessionLost_data();
    void sessionLost();
    void albumList_data();
    void albumList();
    void subAlbums_data();
    void subAlbums();
    void createFolder_data();
    void createFolder();
    void uploadInit_data();
    void uploadInit();
    void duplicateHandling_data();
    void duplicateHandling();
    void renditions_data();
    void renditions();
    void pathEscape_data();
    void pathEscape();
    void personalSite_data();
    void personalSite();
    void unknownPersonalSiteIsMissing();
    void https();
    void replyFaults_data();
    void replyFaults();
    void faultSequence_data();
    void faultSequence();
    void delayedReplyTimesOut();
    void requestLogRecordsRequests();
    void largeUploadKeepsMemoryFlat();

private:
    using Headers = QList<QPair<QByteArray, QByteArray>>;
    struct Reply
    {
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        int status = 0;
        QByteArray body;
        QByteArray location;
        QByteArray setCookie;
        QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    };

    Reply send(const QByteArray& verb, const QString& url, QIODevice* body, const Headers& headers = {},
               const QByteArray& contentType = QByteArray());
    Reply send(const QByteArray& verb, const QString& url, const QByteArray& body,
               const Headers& headers = {}, const QByteArray& contentType = QByteArray());
    Reply postLogin(const QString& account, const QString& password, const QString& site = QString());
    Reply postAlbumList(const QString& site = QString());
    Reply postSubAlbums(const QString& path);
    Reply sendCreateFolder(const QByteArray& verb, const QString& parent, const QString& name,
                           const QString& site = QString());
    Reply putFile(const QString& path, const QString& name, const QByteArray& type,
                  const QByteArray& duplicate, const QByteArray& content, const Headers& extra = {},
                  const QString& site = QString());
    Reply postUploadInit(const QStringList& keys, const QByteArray& separator = ", ",
                         bool closingDashes = false);
    QString siteUrl(const QString& site) const;

    static QByteArray headerValue(const QString& text);
    static QJsonObject failure(const QString& key);
    static void writeFile(const QString& path, const QByteArray& content);
    static QByteArray readFile(const QString& path);
    static QStringList entriesBelow(const QString& folder);
    static qint64 peakMemoryKiB(qint64 pid);

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    bool m_ignoreSslErrors = true;
    int m_transferTimeout = 30000;
};

void TestRefServer::init()
{
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    m_manager = std::make_unique<QNetworkAccessManager>();
    m_ignoreSslErrors = true;
    m_transferTimeout = 30000;
}

void TestRefServer::cleanup()
{
    m_manager.reset();
    m_server.reset();
}

TestRefServer::Reply TestRefServer::send(const QByteArray& verb, const QString& url, QIODevice* body,
                                         const Headers& headers, const QByteArray& contentType)
{
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(m_transferTimeout);
    if (!contentType.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    for (const auto& header : headers)
        request.setRawHeader(header.first, header.second);
    const std::unique_ptr<QNetworkReply> reply(m_manager->sendCustomRequest(request, verb, body));
    if (m_ignoreSslErrors)
        connect(reply.get(), &QNetworkReply::sslErrors, reply.get(), [&reply] { reply->ignoreSslErrors(); });
    QEventLoop loop;
    connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Reply result;
    result.error = reply->error();
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->isOpen())
        result.body = reply->readAll();
    result.location = reply->rawHeader("Location");
    result.setCookie = reply->rawHeader("Set-Cookie");
    return result;
}

TestRefServer::Reply TestRefServer::send(const QByteArray& verb, const QString& url, const QByteArray& body,
                                         const Headers& headers, const QByteArray& contentType)
{
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    return send(verb, url, &buffer, headers, contentType);
}

QString TestRefServer::siteUrl(const QString& site) const
{
    return site.isEmpty() ? m_server->baseUrl() : m_server->personalBaseUrl(site);
}

QByteArray TestRefServer::headerValue(const QString& text)
{
    return " " + QUrl::toPercentEncoding(text.normalized(QString::NormalizationForm_C));
}

TestRefServer::Reply TestRefServer::postLogin(const QString& account, const QString& password,
                                              const QString& site)
{
    const QByteArray body = "action=login&username=" + QUrl::toPercentEncoding(account) +
                            "&passwd=" + QUrl::toPercentEncoding(password);
    return send("POST", siteUrl(site) + QLatin1String("/blog/login.php"), body, {},
                "application/x-www-form-urlencoded");
}

TestRefServer::Reply TestRefServer::postAlbumList(const QString& site)
{
    return send("POST", siteUrl(site) + QLatin1String("/photo/include/asst_get_uploadable_album.php"),
                QByteArray("action=get_uploadable_album_list"), {}, "application/x-www-form-urlencoded");
}

TestRefServer::Reply TestRefServer::postSubAlbums(const QString& path)
{
    return send("POST", m_server->baseUrl() + QLatin1String("/photo/include/asst_get_uploadable_album.php"),
                "action=get_all_subalbum_list&path=" + QUrl::toPercentEncoding(path), {},
                "application/x-www-form-urlencoded");
}

TestRefServer::Reply TestRefServer::sendCreateFolder(const QByteArray& verb, const QString& parent,
                                                     const QString& name, const QString& site)
{
    const Headers headers{{"X-PATH", headerValue(parent)},
                          {"X-DUPLICATE", "SKIP"},
                          {"X-ORIG-FNAME", headerValue(name)},
                          {"X-UPLOAD-TYPE", "FOLDER"}};
    return send(verb, siteUrl(site) + QLatin1String("/photo/include/asst_file_upload.php"), QByteArray(),
                headers, verb == "POST" ? QByteArray("application/x-www-form-urlencoded") : QByteArray());
}

TestRefServer::Reply TestRefServer::putFile(const QString& path, const QString& name, const QByteArray& type,
                                            const QByteArray& duplicate, const QByteArray& content,
                                            const Headers& extra, const QString& site)
{
    Headers headers{{"X-PATH", headerValue(path)},
                    {"X-DUPLICATE", duplicate},
                    {"X-ORIG-FNAME", headerValue(name)},
                    {"X-UPLOAD-TYPE", type}};
    headers += extra;
    return send("PUT", siteUrl(site) + QLatin1String("/photo/include/asst_file_upload.php"), content,
                headers);
}

TestRefServer::Reply TestRefServer::postUploadInit(const QStringList& keys, const QByteArray& separator,
                                                   bool closingDashes)
{
    const QByteArray boundary = "updbdry--2024-05-01T10:20:30------------------";
    QByteArray body = "--" + boundary + "\r\n" +
                      "content-disposition: " + "form-data; name=\"filelist\"\r\n" + "\r\n" +
                      keys.join(QStringLiteral("/FolderDelimiter/")).toUtf8() + "\r\n" + "--" + boundary +
                      (closingDashes ? "--" : "") + "\r\n";
    return send("POST", m_server->baseUrl() + QLatin1String("/photo/include/asst_upload_init.php"), body, {},
                "multipart/form-data" + separator + "boundary=" + boundary);
}

QJsonObject TestRefServer::failure(const QString& key)
{
    return QJsonObject{{QStringLiteral("success"), false}, {QStringLiteral("err_msg"), key}};
}

void TestRefServer::writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestRefServer::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList TestRefServer::entriesBelow(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(folder).relativeFilePath(it.next()));
    entries.removeAll(QStringLiteral("requests.jsonl"));
    entries.sort();
    return entries;
}

qint64 TestRefServer::peakMemoryKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

namespace {

QJsonObject loginReply(const QJsonValue& success, bool runPhoto = true, bool rootPath = true,
                       bool notPhotoUser = false)
{
    return QJsonObject{{QStringLiteral("success"), success},
                       {QStringLiteral("run_photo"), runPhoto},
                       {QStringLiteral("has_photo_root_path"), rootPath},
                       {QStringLiteral("not_photo_user"), notPhotoUser}};
}

} // namespace

void TestRefServer::login_data()
{
    QTest::addColumn<QJsonObject>("changes");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QJsonObject>("expected");

    const QJsonObject none;
    const QJsonObject stopped{{QStringLiteral("run_photo"), false}};
    const QJsonObject noFolder{{QStringLiteral("has_photo_root_path"), false}};
    QTest::newRow("account accepted") << none << ""
                                      << "demo"
                                      << "demo" << loginReply(true);
    QTest::newRow("wrong password refused") << none << ""
                                            << "demo"
                                            << "Demo" << loginReply(false);
    QTest::newRow("unknown account refused") << none << ""
                                             << "ghost"
                                             << "ghost" << loginReply(false);
    QTest::newRow("disabled account") << none << ""
                                      << "disabled"
                                      << "disabled" << loginReply("disable_account");
    QTest::newRow("not a Lumio user") << none << ""
                                      << "outsider"
                                      << "outsider" << loginReply(false, true, true, true);
    QTest::newRow("no privilege") << none << ""
                                  << "blocked"
                                  << "blocked" << loginReply("login_noprivilege");
    QTest::newRow("form characters in password decoded") << none << ""
                                                         << "carol"
                                                         << "p&ss=w rd+%" << loginReply(true);
    QTest::newRow("Lumio stopped") << stopped << ""
                                   << "demo"
                                   << "demo" << loginReply(true, false);
    QTest::newRow("photo folder missing") << noFolder << ""
                                          << "demo"
                                          << "demo" << loginReply(true, true, false);
    QTest::newRow("personal Lumio enabled") << none << "demo"
                                            << "demo"
                                            << "demo" << loginReply(true);
    QTest::newRow("personal Lumio disabled") << none << "alice"
                                             << "alice"
                                             << "alice" << loginReply(true, false);
    QTest::newRow("personal Lumio of another user") << none << "demo"
                                                    << "alice"
                                                    << "alice" << loginReply(true);
}

void TestRefServer::login()
{
    QFETCH(QJsonObject, changes);
    QFETCH(QString, site);
    QFETCH(QString, account);
    QFETCH(QString, password);
    QFETCH(QJsonObject, expected);

    if (!changes.isEmpty())
        QVERIFY2(m_server->configure(changes), qPrintable(m_server->errorString()));
    const Reply reply = postLogin(account, password, site);
    QCOMPARE(reply.error, QNetworkReply::NoError);
    QVERIFY(reply.body.startsWith('{'));
    QCOMPARE(reply.json(), expected);
    const bool accepted = expected.value(QStringLiteral("success")) == QJsonValue(true);
    QCOMPARE(reply.setCookie.startsWith("LUMIOSESSID="), accepted);
    if (accepted)
        QVERIFY(reply.setCookie.contains("path=/"));

    const QJsonObject form =
        m_server->requestLog(QStringLiteral("login")).last().value(QStringLiteral("form")).toObject();
    QCOMPARE(form.value(QStringLiteral("username")).toString(), account);
    QCOMPARE(form.value(QStringLiteral("passwd")).toString(), password);
    QCOMPARE(form.value(QStringLiteral("action")).toString(), QStringLiteral("login"));
}

void TestRefServer::sessionLost_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("cookie");

    for (const char* request : {"album list", "sub-albums", "create album", "file upload", "upload init"}) {
        for (const char* cookie : {"none", "forged", "other site"})
            QTest::addRow("%s, %s cookie", request, cookie)
                << QString::fromLatin1(request) << QString::fromLatin1(cookie);
    }
}

void TestRefServer::sessionLost()
{
    QFETCH(QString, request);
    QFETCH(QString, cookie);

    if (cookie == QLatin1String("forged")) {
        QNetworkCookie forged("LUMIOSESSID", "00112233445566778899aabbccddeeff");
        forged.setDomain(QStringLiteral("127.0.0.1"));
        forged.setPath(QStringLiteral("/"));
        QVERIFY(m_manager->cookieJar()->insertCookie(forged));
    } else if (cookie == QLatin1String("other site")) {
        QCOMPARE(postLogin(QStringLiteral("demo"), QStringLiteral("demo"), QStringLiteral("demo"))
                     .json()
                     .value(QStringLiteral("success")),
                 QJsonValue(true));
    }

    Reply reply;
    if (request == QLatin1String("album list"))
        reply = postAlbumList();
    else if (request == QLatin1String("sub-albums"))
        reply = postSubAlbums(QStringLiteral("2012"));
    else if (request == QLatin1String("create album"))
        reply = sendCreateFolder("POST", QString(), QStringLiteral("Intruder"));
    else if (request == QLatin1String("file upload"))
        reply =
            putFile(QStringLiteral("2012"), QStringLiteral("intruder.jpg"), "ORIG_FILE", "RENAME", "data");
    else
        reply = postUploadInit({QStringLiteral("/2012/a.jpg")});

    QCOMPARE(reply.body, QByteArray(R"({"err_msg":"session_lost","success":false})"));
    QVERIFY(!QFileInfo::exists(m_server->photoRoot() + QLatin1String("/Intruder")));
    QVERIFY(!QFileInfo::exists(m_server->photoRoot() + QLatin1String("/2012/intruder.jpg")));
    QCOMPARE(m_server->requestLog().last().value(QStringLiteral("session")).toBool(), false);
}

void TestRefServer::albumList_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<bool>("isAdmin");
    QTest::addColumn<bool>("rootUploadable");
    QTest::addColumn<QStringList>("albums");

    const QStringList all{"2012", "2012/trip", "2013", "2013/party"};
    QTest::newRow("root uploader sees two levels")
        << ""
        << "demo" << QStringList{"2012/trip/day1"} << false << true << all;
    QTest::newRow("album uploader sees granted albums")
        << ""
        << "alice" << QStringList{"2012/old"} << false << false
        << QStringList{"2012", "2012/old", "2012/trip", "2013/party"};
    QTest::newRow("account without albums") << ""
                                            << "bob" << QStringList() << false << false << QStringList();
    QTest::newRow("administrator, hidden folder left out")
        << ""
        << "admin" << QStringList{".hidden", "2013/.@__thumb"} << true << true << all;
    QTest::newRow("personal Lumio owner") << "demo"
                                          << "demo" << QStringList{"Rome/day1", "Paris"} << false << true
                                          << QStringList{"Paris", "Rome", "Rome/day1"};
    QTest::newRow("personal Lumio visitor")
        << "demo"
        << "alice" << QStringList{"Rome"} << false << false << QStringList();
}

void TestRefServer::albumList()
{
    QFETCH(QString, site);
    QFETCH(QString, account);
    QFETCH(QStringList, folders);
    QFETCH(bool, isAdmin);
    QFETCH(bool, rootUploadable);
    QFETCH(QStringList, albums);

    const QString root = site.isEmpty() ? m_server->photoRoot() : m_server->personalRoot(site);
    for (const QString& folder : folders)
        QVERIFY(QDir().mkpath(root + QLatin1Char('/') + folder));
    QCOMPARE(postLogin(account, account, site).json().value(QStringLiteral("success")), QJsonValue(true));
    const Reply reply = postAlbumList(site);
    QCOMPARE(reply.json(),
             (QJsonObject{{QStringLiteral("success"), true},
                          {QStringLiteral("is_admin"), isAdmin},
                          {QStringLiteral("is_root_updable"), rootUploadable},
                          {QStringLiteral("uploadable_albums"), QJsonArray::fromStringList(albums)}}));
}

void TestRefServer::subAlbums_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonObject>("expected");

    auto names = [](const QStringList& list) {
        return QJsonObject{{QStringLiteral("success"), true},
                           {QStringLiteral("sub_albums"), QJsonArray::fromStringList(list)}};
    };
    QTest::newRow("visible direct sub-folders") << "2012/trip" << names({"day1", "day2"});
    QTest::newRow("first level album") << "2012" << names({"trip"});
    QTest::newRow("album without sub-folders") << "2013/party" << names({});
    QTest::newRow("missing album") << "nope" << failure(QStringLiteral("target_folder_not_found_/nope"));
    QTest::newRow("path climbing out of the root")
        << "2012/../.." << failure(QStringLiteral("target_folder_not_found_/2012/../.."));
}

void TestRefServer::subAlbums()
{
    QFETCH(QString, path);
    QFETCH(QJsonObject, expected);

    const QString trip = m_server->photoRoot() + QLatin1String("/2012/trip/");
    for (const char* folder : {"day2", "day1/deeper", ".@__thumb"})
        QVERIFY(QDir().mkpath(trip + QLatin1String(folder)));
    writeFile(trip + QLatin1String("x.jpg"), "jpeg");
    QCOMPARE(postLogin(QStringLiteral("bob"), QStringLiteral("bob")).json().value(QStringLiteral("success")),
             QJsonValue(true));
    QCOMPARE(postSubAlbums(path).json(), expected);
}

void TestRefServer::createFolder_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<QString>("created");

    const QJsonObject made{{QStringLiteral("success"), true}, {QStringLiteral("duplicate_folder"), false}};
    const QJsonObject existed{{QStringLiteral("success"), true}, {QStringLiteral("duplicate_folder"), true}};
    auto bad = [](const char* key) { return failure(QString::fromUtf8(key)); };
    QTest::newRow("new album in the root") << QByteArray("POST") << "demo"
                                           << ""
                                           << "New Album" << made << "New Album";
    QTest::newRow("non-ASCII name") << QByteArray("POST") << "demo"
                                    << "2012" << QStringLiteral("Été à Nîmes") << made
                                    << QStringLiteral("2012/Été à Nîmes");
    QTest::newRow("existing album") << QByteArray("POST") << "demo"
                                    << ""
                                    << "2012" << existed << "";
    QTest::newRow("folder item sent by PUT") << QByteArray("PUT") << "demo"
                                             << "2012"
                                             << "Trip" << made << "2012/Trip";
    QTest::newRow("granted album") << QByteArray("POST") << "alice"
                                   << "2013/party"
                                   << "pics" << made << "2013/party/pics";
    QTest::newRow("colon in name") << QByteArray("POST") << "demo"
                                   << ""
                                   << "a:b" << bad("bad_dir_name_a:b") << "";
    QTest::newRow("dot-dot name") << QByteArray("POST") << "demo"
                                  << "2012"
                                  << ".." << bad("bad_dir_name_..") << "";
    QTest::newRow("slash in name") << QByteArray("POST") << "demo"
                                   << ""
                                   << "a/b" << bad("bad_dir_name_a/b") << "";
    QTest::newRow("hidden name") << QByteArray("POST") << "demo"
                                 << ""
                                 << ".@__thumb" << bad("bad_dir_name_.@__thumb") << "";
    QTest::newRow("parent outside the root") << QByteArray("POST") << "demo"
                                             << "../outside"
                                             << "x" << bad("bad_dir_name_../outside") << "";
    QTest::newRow("absolute parent") << QByteArray("PUT") << "demo"
                                     << "/tmp"
                                     << "x" << bad("bad_dir_name_/tmp") << "";
    QTest::newRow("missing parent") << QByteArray("POST") << "demo"
                                    << "nope"
                                    << "x" << bad("target_folder_not_found_/nope") << "";
    QTest::newRow("no privilege in the root") << QByteArray("POST") << "alice"
                                              << ""
                                              << "Mine" << bad("no_privilege") << "";
}

void TestRefServer::createFolder()
{
    QFETCH(QByteArray, verb);
    QFETCH(QString, account);
    QFETCH(QString, parent);
    QFETCH(QString, name);
    QFETCH(QJsonObject, expected);
    QFETCH(QString, created);

    QVERIFY(QDir().mkpath(m_server->folder() + QLatin1String("/outside")));
    QCOMPARE(postLogin(account, account).json().value(QStringLiteral("success")), QJsonValue(true));
    const QStringList before = entriesBelow(m_server->folder());
    const Reply reply = sendCreateFolder(verb, parent, name);
    QCOMPARE(reply.json(), expected);
    QStringList after = entriesBelow(m_server->folder());
    if (!created.isEmpty()) {
        QVERIFY(QFileInfo(m_server->photoRoot() + QLatin1Char('/') + created).isDir());
        after.removeOne(QLatin1String("photo/") + created);
    }
    QCOMPARE(after, before);
}

void TestRefServer::uploadInit_data()
{
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("closingDashes");

    QTest::newRow("uploader's form: comma, no closing dashes") << QByteArray(", ") << false;
    QTest::newRow("standard form: semicolon, closing dashes") << QByteArray("; ") << true;
}

void TestRefServer::uploadInit()
{
    QFETCH(QByteArray, separator);
    QFETCH(bool, closingDashes);

    writeFile(m_server->photoRoot() + QLatin1String("/2012/a.jpg"), "old");
    writeFile(m_server->photoRoot() + QStringLiteral("/2013/party/Été.jpg"), "old");
    QCOMPARE(
        postLogin(QStringLiteral("alice"), QStringLiteral("alice")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    const QStringList keys{"/2012/a.jpg",
                           "/2012/b.jpg",
                           "//root.jpg",
                           QStringLiteral("/2013/party/Été.jpg"),
                           "/2013/x.jpg",
                           "/2012/trip",
                           "/2012/../../etc/passwd",
                           "/2012/new/c.jpg"};
    const Reply reply = postUploadInit(keys, separator, closingDashes);
    QVERIFY(reply.body.startsWith('{'));
    QCOMPARE(reply.json(),
             (QJsonObject{{QStringLiteral("success"), true},
                          {QStringLiteral("duplicated_files"),
                           QJsonArray{"/2012/a.jpg", QStringLiteral("/2013/party/Été.jpg"), "/2012/trip"}},
                          {QStringLiteral("no_privilege_files"),
                           QJsonArray{"//root.jpg", "/2013/x.jpg", "/2012/../../etc/passwd"}}}));
    const QJsonObject logged = m_server->requestLog(QStringLiteral("init")).last();
    QCOMPARE(
        logged.value(QStringLiteral("multipart")).toObject().value(QStringLiteral("filelist")).toString(),
        keys.join(QStringLiteral("/FolderDelimiter/")));
}

void TestRefServer::duplicateHandling_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("stored");

    const QStringList one{"a.jpg"};
    QTest::newRow("RENAME takes the first free number")
        << QByteArray("RENAME") << "a.jpg" << one << "a_1.jpg";
    QTest::newRow("RENAME counts on")
        << QByteArray("RENAME") << "a.jpg" << QStringList{"a.jpg", "a_1.jpg"} << "a_2.jpg";
    QTest::newRow("RENAME of a name without suffix")
        << QByteArray("RENAME") << "README" << QStringList{"README"} << "README_1";
    QTest::newRow("RENAME keeps a free name") << QByteArray("RENAME") << "a.jpg" << QStringList() << "a.jpg";
    QTest::newRow("SKIP refuses an existing file") << QByteArray("SKIP") << "a.jpg" << one << "";
    QTest::newRow("SKIP stores a new file") << QByteArray("SKIP") << "a.jpg" << QStringList() << "a.jpg";
    QTest::newRow("OVERWRITE replaces the file") << QByteArray("OVERWRITE") << "a.jpg" << one << "a.jpg";
    QTest::newRow("OVERWRITE refuses a folder in the way")
        << QByteArray("OVERWRITE") << "a.jpg" << QStringList{"a.jpg/"} << "";
    QTest::newRow("no mode renames") << QByteArray() << "a.jpg" << one << "a_1.jpg";
}

void TestRefServer::duplicateHandling()
{
    QFETCH(QByteArray, mode);
    QFETCH(QString, name);
    QFETCH(QStringList, existing);
    QFETCH(QString, stored);

    const QString album = m_server->photoRoot() + QLatin1String("/2012/");
    for (const QString& entry : existing) {
        if (entry.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(album + entry));
        else
            writeFile(album + entry, "old");
    }
    QCOMPARE(
        postLogin(QStringLiteral("alice"), QStringLiteral("alice")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    const qint64 modified = 1325419200;
    const Reply reply =
        putFile(QStringLiteral("2012"), name, "ORIG_FILE", mode, "new content",
                {{"X-IS-BATCH-LAST-FILE", "1"}, {"X-LAST-MODIFIED-TIME", QByteArray::number(modified)}});
    if (stored.isEmpty()) {
        QCOMPARE(reply.json(), failure(QStringLiteral("duplicated_file")));
    } else {
        QCOMPARE(reply.json(),
                 (QJsonObject{{QStringLiteral("success"), true}, {QStringLiteral("saved_name"), stored}}));
        QCOMPARE(readFile(album + stored), QByteArray("new content"));
        QCOMPARE(QFileInfo(album + stored).lastModified().toSecsSinceEpoch(), modified);
    }
    for (const QString& entry : existing) {
        if (entry != stored && !entry.endsWith(QLatin1Char('/')))
            QCOMPARE(readFile(album + entry), QByteArray("old"));
    }
    const QStringList leftovers =
        QDir(album).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".lumio-upload"));
    QCOMPARE(leftovers, QStringList());
}

void TestRefServer::renditions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QList<QByteArray>>("types");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QStringList>("files");

    const QList<QByteArray> thumbnails{"THUM_B", "THUM_L", "THUM_M", "THUM_S", "THUM_XL"};
    const QStringList thumbnailFiles{"THUM_B.jpg", "THUM_L.jpg", "THUM_M.jpg", "THUM_S.jpg", "THUM_XL.jpg"};
    QTest::newRow("thumbnails beside a new image")
        << "a.jpg" << QByteArray("RENAME") << false << thumbnails << "a.jpg" << thumbnailFiles;
    QTest::newRow("video renditions")
        << "v.mp4" << QByteArray("RENAME") << false
        << QList<QByteArray>{"THUM_B", "MP4_HIGH", "MP4_MEDIUM", "MP4_LOW", "MP4_MOBILE"} << "v.mp4"
        << QStringList{"MP4_HIGH.mp4", "MP4_LOW.mp4", "MP4_MEDIUM.mp4", "MP4_MOBILE.mp4", "THUM_B.jpg"};
    QTest::newRow("renamed original takes its renditions along")
        << "a.jpg" << QByteArray("RENAME") << true << QList<QByteArray>{"THUM_B"} << "a_1.jpg"
        << QStringList{"THUM_B.jpg"};
    QTest::newRow("overwritten original drops the old renditions")
        << "a.jpg" << QByteArray("OVERWRITE") << true << QList<QByteArray>{"THUM_B"} << "a.jpg"
        << QStringList{"THUM_B.jpg"};
    QTest::newRow("skipped original discards its renditions")
        << "a.jpg" << QByteArray("SKIP") << true << QList<QByteArray>{"THUM_B"} << "" << QStringList();
}

void TestRefServer::renditions()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, mode);
    QFETCH(bool, existing);
    QFETCH(QList<QByteArray>, types);
    QFETCH(QString, owner);
    QFETCH(QStringList, files);

    const QString album = m_server->photoRoot() + QLatin1String("/2012/trip");
    const QString thumbs = album + QLatin1String("/.@__thumb/");
    if (existing) {
        writeFile(album + QLatin1Char('/') + name, "old");
        writeFile(thumbs + name + QLatin1String("/THUM_B.jpg"), "old B");
        writeFile(thumbs + name + QLatin1String("/THUM_S.jpg"), "old S");
    }
    QCOMPARE(
        postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    for (const QByteArray& type : types)
        QCOMPARE(putFile(QStringLiteral("2012/trip"), name, type, mode, type).json(),
                 (QJsonObject{{QStringLiteral("success"), true}}));
    const Reply original = putFile(QStringLiteral("2012/trip"), name, "ORIG_FILE", mode, "original");

    if (owner.isEmpty()) {
        QCOMPARE(original.json(), failure(QStringLiteral("duplicated_file")));
    } else {
        QCOMPARE(original.json().value(QStringLiteral("saved_name")).toString(), owner);
        const QDir folder(thumbs + owner);
        QCOMPARE(folder.entryList(QDir::Files, QDir::Name), files);
        for (const QString& file : files)
            QCOMPARE(readFile(folder.filePath(file)), file.section(QLatin1Char('.'), 0, 0).toUtf8());
    }
    if (existing && owner != name) {
        QCOMPARE(readFile(thumbs + name + QLatin1String("/THUM_B.jpg")), QByteArray("old B"));
        QCOMPARE(readFile(thumbs + name + QLatin1String("/THUM_S.jpg")), QByteArray("old S"));
    }
    QDirIterator staged(thumbs + QLatin1String(".incoming"), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
    QVERIFY(!staged.hasNext());
}

void TestRefServer::pathEscape_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("key");

    QTest::newRow("parent folder") << QByteArray(" ..") << QByteArray(" a.jpg")
                                   << QStringLiteral("target_folder_not_found_/..");
    QTest::newRow("climbing out of an album") << QByteArray(" 2012%2F..%2F..") << QByteArray(" a.jpg")
                                              << QStringLiteral("target_folder_not_found_/2012/../..");
    QTest::newRow("absolute path") << QByteArray(" %2Ftmp") << QByteArray(" a.jpg")
                                   << QStringLiteral("target_folder_not_found_//tmp");
    QTest::newRow("backslash") << QByteArray(" ..%5Coutside") << QByteArray(" a.jpg")
                               << QStringLiteral("target_folder_not_found_/..\\outside");
    QTest::newRow("NUL byte") << QByteArray(" 2012%00x") << QByteArray(" a.jpg")
                              << QStringLiteral("target_folder_not_found_/2012") + QChar(0) +
                                     QLatin1String("x");
    QTest::newRow("thumbnail folder") << QByteArray(" .%40__thumb") << QByteArray(" a.jpg")
                                      << QStringLiteral("target_folder_not_found_/.@__thumb");
    QTest::newRow("missing album") << QByteArray(" nope") << QByteArray(" a.jpg")
                                   << QStringLiteral("target_folder_not_found_/nope");
    QTest::newRow("link leading outside")
        << QByteArray(" link") << QByteArray(" a.jpg") << QStringLiteral("target_folder_not_found_/link");
    QTest::newRow("file name climbing out") << QByteArray(" 2012") << QByteArray(" ..%2F..%2Fx.jpg")
                                            << QStringLiteral("bad_file_name_../../x.jpg");
    QTest::newRow("hidden file name")
        << QByteArray(" 2012") << QByteArray(" .htaccess") << QStringLiteral("bad_file_name_.htaccess");
}

void TestRefServer::pathEscape()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, name);
    QFETCH(QString, key);

    const QString outside = m_server->folder() + QLatin1String("/outside");
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(QFile::link(outside, m_server->photoRoot() + QLatin1String("/link")));
    QCOMPARE(
        postLogin(QStringLiteral("admin"), QStringLiteral("admin")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    const QStringList before = entriesBelow(m_server->folder());
    const Reply reply =
        send("PUT", m_server->baseUrl() + QLatin1String("/photo/include/asst_file_upload.php"),
             QByteArray("payload"),
             {{"X-PATH", path},
              {"X-DUPLICATE", "OVERWRITE"},
              {"X-ORIG-FNAME", name},
              {"X-UPLOAD-TYPE", "ORIG_FILE"}});
    QCOMPARE(reply.json(), failure(key));
    QCOMPARE(entriesBelow(m_server->folder()), before);
}

void TestRefServer::personalSite_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<bool>("stored");

    QTest::newRow("owner stores in the personal folder")
        << "demo" << QJsonObject{{QStringLiteral("success"), true}, {QStringLiteral("saved_name"), "p.jpg"}}
        << true;
    QTest::newRow("visitor may not upload") << "alice" << failure(QStringLiteral("no_privilege")) << false;
    QTest::newRow("administrator may upload")
        << "admin" << QJsonObject{{QStringLiteral("success"), true}, {QStringLiteral("saved_name"), "p.jpg"}}
        << true;
}

void TestRefServer::personalSite()
{
    QFETCH(QString, account);
    QFETCH(QJsonObject, expected);
    QFETCH(bool, stored);

    const QString site = QStringLiteral("demo");
    QCOMPARE(postLogin(account, account, site).json().value(QStringLiteral("success")), QJsonValue(true));
    QCOMPARE(putFile(QString(), QStringLiteral("p.jpg"), "ORIG_FILE", "RENAME", "personal", {}, site).json(),
             expected);
    QCOMPARE(QFileInfo::exists(m_server->personalRoot(site) + QLatin1String("/p.jpg")), stored);
    QVERIFY(!QFileInfo::exists(m_server->photoRoot() + QLatin1String("/p.jpg")));
    QCOMPARE(m_server->requestLog(QStringLiteral("upload")).last().value(QStringLiteral("site")).toString(),
             site);
}

void TestRefServer::unknownPersonalSiteIsMissing()
{
    const Reply reply = postLogin(QStringLiteral("demo"), QStringLiteral("demo"), QStringLiteral("nobody"));
    QCOMPARE(reply.status, 404);
    QCOMPARE(reply.error, QNetworkReply::ContentNotFoundError);
}

void TestRefServer::https()
{
    m_server = std::make_unique<RefServer>();
    m_server->setHttps(true);
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QVERIFY(m_server->baseUrl().startsWith(QLatin1String("https://127.0.0.1:")));

    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(m_server->certificateFile());
    QCOMPARE(certificates.size(), 1);
    QVERIFY(certificates.first().isSelfSigned());
    QVERIFY(certificates.first()
                .subjectAlternativeNames()
                .values(QSsl::IpAddressEntry)
                .contains(QStringLiteral("127.0.0.1")));

    m_ignoreSslErrors = false;
    QCOMPARE(postLogin(QStringLiteral("demo"), QStringLiteral("demo")).error,
             QNetworkReply::SslHandshakeFailedError);
    m_ignoreSslErrors = true;
    QCOMPARE(postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json(), loginReply(true));
    QCOMPARE(postAlbumList().json().value(QStringLiteral("is_root_updable")), QJsonValue(true));
    QCOMPARE(putFile(QStringLiteral("2012"), QStringLiteral("tls.jpg"), "ORIG_FILE", "RENAME", "secret")
                 .json()
                 .value(QStringLiteral("success")),
             QJsonValue(true));
    QCOMPARE(readFile(m_server->photoRoot() + QLatin1String("/2012/tls.jpg")), QByteArray("secret"));
}

void TestRefServer::replyFaults_data()
{
    QTest::addColumn<QString>("endpoint");
    QTest::addColumn<QJsonObject>("rule");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QByteArray>("location");

    const QByteArray forced = R"({"err_msg":"demo_site_disable","success":false})";
    QTest::newRow("forced error key on upload")
        << "upload" << QJsonObject{{"err_msg", "demo_site_disable"}} << 200 << forced << true << QByteArray();
    QTest::newRow("HTML page instead of the album list")
        << "album" << QJsonObject{{"body", "html"}} << 200 << QByteArray("<!DOCTYPE html>") << false
        << QByteArray();
    QTest::newRow("own page text at login")
        << "login" << QJsonObject{{"body", "html"}, {"body_text", "<html>service_not_available</html>"}}
        << 200 << QByteArray("<html>service_not_available</html>") << true << QByteArray();
    QTest::newRow("empty upload-init reply")
        << "init" << QJsonObject{{"body", "empty"}} << 200 << QByteArray() << true << QByteArray();
    QTest::newRow("blank before the album list")
        << "album" << QJsonObject{{"body", "leading_blank"}} << 200 << QByteArray(R"( {"is_admin":false,)")
        << false << QByteArray();
    QTest::newRow("login script missing")
        << "login" << QJsonObject{{"status", 404}} << 404 << QByteArray("<!DOCTYPE") << false << QByteArray();
    QTest::newRow("redirect to the disabled page")
        << "login" << QJsonObject{{"location", "http://127.0.0.1/cgi-bin/photo_str_service_disabled"}} << 302
        << QByteArray("<!DOCTYPE") << false
        << QByteArray("http://127.0.0.1/cgi-bin/photo_str_service_disabled");
}

void TestRefServer::replyFaults()
{
    QFETCH(QString, endpoint);
    QFETCH(QJsonObject, rule);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, exact);
    QFETCH(QByteArray, location);

    QCOMPARE(
        postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    QVERIFY2(m_server->setFaults(QJsonObject{{endpoint, rule}}), qPrintable(m_server->errorString()));
    Reply reply;
    if (endpoint == QLatin1String("login"))
        reply = postLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    else if (endpoint == QLatin1String("album"))
        reply = postAlbumList();
    else if (endpoint == QLatin1String("init"))
        reply = postUploadInit({QStringLiteral("/2012/a.jpg")});
    else
        reply = putFile(QStringLiteral("2012"), QStringLiteral("f.jpg"), "ORIG_FILE", "RENAME", "data");

    QCOMPARE(reply.status, status);
    if (exact)
        QCOMPARE(reply.body, body);
    else
        QVERIFY2(reply.body.startsWith(body), reply.body.constData());
    QCOMPARE(reply.location, location);
    QVERIFY(!QFileInfo::exists(m_server->photoRoot() + QLatin1String("/2012/f.jpg")));
    QCOMPARE(m_server->requestLog(endpoint).last().value(QStringLiteral("fault")).toBool(), true);
}

void TestRefServer::faultSequence_data()
{
    QTest::addColumn<QString>("endpoint");
    QTest::addColumn<QJsonObject>("rule");
    QTest::addColumn<QStringList>("outcomes");
    QTest::addColumn<int>("served");
    QTest::addColumn<QString>("albumsAfterwards");

    QTest::newRow("error key on the second request only")
        << "album" << QJsonObject{{"err_msg", "busy"}, {"only_requests", QJsonArray{2}}}
        << QStringList{"ok", "busy", "ok", "ok"} << 4 << "ok";
    QTest::newRow("session lost after two uploads")
        << "upload" << QJsonObject{{"session_lost_after", 2}}
        << QStringList{"ok", "ok", "session_lost", "session_lost"} << 4 << "session_lost";
    // Qt sends a request once more by itself when a kept-alive connection closes before the reply; a
    // close on the fresh connection reaches the caller.
    QTest::newRow("one dropped request is resent by the client")
        << "album" << QJsonObject{{"drop_requests", QJsonArray{2}}} << QStringList{"ok", "ok", "ok", "ok"}
        << 5 << "ok";
    QTest::newRow("two dropped requests reach the client")
        << "album" << QJsonObject{{"drop_requests", QJsonArray{2, 3}}}
        << QStringList{"ok", "RemoteHostClosedError", "ok", "ok"} << 5 << "ok";
}

void TestRefServer::faultSequence()
{
    QFETCH(QString, endpoint);
    QFETCH(QJsonObject, rule);
    QFETCH(QStringList, outcomes);
    QFETCH(int, served);
    QFETCH(QString, albumsAfterwards);

    QCOMPARE(
        postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    QVERIFY(m_server->setFaults(QJsonObject{{endpoint, rule}}));
    auto outcome = [](const Reply& reply) {
        if (reply.error != QNetworkReply::NoError)
            return QString::fromLatin1(
                QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(reply.error));
        const QJsonObject json = reply.json();
        return json.value(QStringLiteral("success")).toBool()
                   ? QStringLiteral("ok")
                   : json.value(QStringLiteral("err_msg")).toString();
    };
    QStringList seen;
    for (int i = 0; i < outcomes.size(); ++i) {
        const Reply reply = endpoint == QLatin1String("album")
                                ? postAlbumList()
                                : putFile(QStringLiteral("2012"), QStringLiteral("s%1.jpg").arg(i),
                                          "ORIG_FILE", "RENAME", "data");
        seen.append(outcome(reply));
    }
    QCOMPARE(seen, outcomes);
    QCOMPARE(m_server->requestLog(endpoint).size(), served);
    QVERIFY(m_server->setFaults(QJsonObject()));
    QCOMPARE(outcome(postAlbumList()), albumsAfterwards);
}

void TestRefServer::delayedReplyTimesOut()
{
    QCOMPARE(
        postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    QVERIFY(m_server->setFaults(
        QJsonObject{{"album", QJsonObject{{"delay_ms", 2000}, {"only_requests", QJsonArray{1}}}}}));
    m_transferTimeout = 200;
    QCOMPARE(postAlbumList().error, QNetworkReply::OperationCanceledError);
    m_transferTimeout = 30000;
    QCOMPARE(postAlbumList().json().value(QStringLiteral("success")), QJsonValue(true));
}

void TestRefServer::requestLogRecordsRequests()
{
    QCOMPARE(
        postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    QCOMPARE(sendCreateFolder("POST", QStringLiteral("2012"), QStringLiteral("Trip Été"))
                 .json()
                 .value(QStringLiteral("success")),
             QJsonValue(true));
    QCOMPARE(putFile(QStringLiteral("2012/Trip Été"), QStringLiteral("a b.jpg"), "THUM_B", "RENAME", "thumb",
                     {{"X-IS-BATCH-FIRST-FILE", "1"}})
                 .json()
                 .value(QStringLiteral("success")),
             QJsonValue(true));
    QCOMPARE(putFile(QStringLiteral("2012/Trip Été"), QStringLiteral("a b.jpg"), "ORIG_FILE", "RENAME",
                     "original", {{"X-IS-BATCH-LAST-FILE", "1"}, {"X-LAST-MODIFIED-TIME", "1325419200"}})
                 .json()
                 .value(QStringLiteral("success")),
             QJsonValue(true));

    const QList<QJsonObject> log = m_server->requestLog();
    QCOMPARE(log.size(), 4);
    QStringList requestLines;
    for (const QJsonObject& entry : log)
        requestLines << entry.value(QStringLiteral("method")).toString() + QLatin1Char(' ') +
                            entry.value(QStringLiteral("path")).toString();
    QCOMPARE(requestLines, (QStringList{"POST /blog/login.php", "POST /photo/include/asst_file_upload.php",
                                        "PUT /photo/include/asst_file_upload.php",
                                        "PUT /photo/include/asst_file_upload.php"}));
    QCOMPARE(log[0].value(QStringLiteral("cookie")).toBool(), false);
    QCOMPARE(log[0].value(QStringLiteral("form")).toObject(),
             (QJsonObject{{"action", "login"}, {"username", "demo"}, {"passwd", "demo"}}));
    QCOMPARE(log[1].value(QStringLiteral("headers")).toObject(),
             (QJsonObject{{"X-PATH", " 2012"},
                          {"X-DUPLICATE", "SKIP"},
                          {"X-ORIG-FNAME", " Trip%20%C3%89t%C3%A9"},
                          {"X-UPLOAD-TYPE", "FOLDER"}}));
    QCOMPARE(log[1].value(QStringLiteral("decoded")).toObject(),
             (QJsonObject{{"X-PATH", "2012"}, {"X-ORIG-FNAME", QStringLiteral("Trip Été")}}));
    QCOMPARE(log[1].value(QStringLiteral("body_size")).toInt(), 0);
    QCOMPARE(
        log[2].value(QStringLiteral("headers")).toObject().value(QStringLiteral("X-IS-BATCH-FIRST-FILE")),
        QJsonValue("1"));
    QCOMPARE(log[3].value(QStringLiteral("headers")).toObject(),
             (QJsonObject{{"X-PATH", " 2012%2FTrip%20%C3%89t%C3%A9"},
                          {"X-DUPLICATE", "RENAME"},
                          {"X-ORIG-FNAME", " a%20b.jpg"},
                          {"X-UPLOAD-TYPE", "ORIG_FILE"},
                          {"X-IS-BATCH-LAST-FILE", "1"},
                          {"X-LAST-MODIFIED-TIME", "1325419200"}}));
    QCOMPARE(log[3].value(QStringLiteral("body_size")).toInt(), 8);
    for (const QJsonObject& entry : log.mid(1)) {
        QCOMPARE(entry.value(QStringLiteral("cookie")).toBool(), true);
        QCOMPARE(entry.value(QStringLiteral("session")).toBool(), true);
        QCOMPARE(entry.value(QStringLiteral("account")).toString(), QStringLiteral("demo"));
        QVERIFY(entry.value(QStringLiteral("reply")).toString().startsWith(QLatin1String("{\"")));
    }
    QCOMPARE(log[3].value(QStringLiteral("seq")).toInt(), log[0].value(QStringLiteral("seq")).toInt() + 3);
}

void TestRefServer::largeUploadKeepsMemoryFlat()
{
    QCOMPARE(
        postLogin(QStringLiteral("demo"), QStringLiteral("demo")).json().value(QStringLiteral("success")),
        QJsonValue(true));
    QCOMPARE(putFile(QStringLiteral("2012"), QStringLiteral("warm-up.bin"), "ORIG_FILE", "RENAME",
                     QByteArray(1 << 20, 'w'))
                 .json()
                 .value(QStringLiteral("success")),
             QJsonValue(true));
    const qint64 before = peakMemoryKiB(m_server->processId());
    QVERIFY(before > 0);

    const qint64 size = qint64(256) << 20;
    QFile source(QDir::tempPath() + QLatin1String("/large.bin"));
    QVERIFY(source.open(QIODevice::ReadWrite));
    QVERIFY(source.resize(size));
    source.seek(0);
    const Reply reply =
        send("PUT", m_server->baseUrl() + QLatin1String("/photo/include/asst_file_upload.php"), &source,
             {{"X-PATH", " 2012"},
              {"X-DUPLICATE", "RENAME"},
              {"X-ORIG-FNAME", " large.bin"},
              {"X-UPLOAD-TYPE", "ORIG_FILE"}});
    QCOMPARE(reply.json().value(QStringLiteral("success")), QJsonValue(true));
    QCOMPARE(QFileInfo(m_server->photoRoot() + QLatin1String("/2012/large.bin")).size(), size);
    const qint64 growth = peakMemoryKiB(m_server->processId()) - before;
    QVERIFY2(growth < 16 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 KiB").arg(growth)));
}

LUMIO_TEST_MAIN(TestRefServer)

#include "TestRefServer.moc"
