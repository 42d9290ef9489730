#include "AppPaths.h"
#include "CertificateTrust.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "ServerReply.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QTest>

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void refusals_data();
    void refusals();
    void formEncodingKeepsSpecialCharacters();
    void sessionCookieIsKept();
    void promptWhenPasswordNotRemembered();
    void cancelledPromptSendsNothing();
    void retryUntilCancelled();
    void forcedPromptStoresThePassword_data();
    void forcedPromptStoresThePassword();
    void newerLoginMakesOlderReplyStale();
    void certificateTrust_data();
    void certificateTrust();
    void certificateSignedByTrustedAuthority();

private:
    ServerProfile profile(const QString& account, const QString& password, bool savepass = true,
                          bool personal = false);
    // Runs one login; returns the signals' arguments.
    QList<bool> login(SecurityConfirm* confirm, ServerProfile* profile, bool retry, bool force = false);

    static ServerProfile secureProfile(int port);
    static QString fingerprintOf(const QString& file);

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<RefServer> m_secure; // HTTPS, started by the first test that needs it
    QNetworkAccessManager m_manager;
};

void TestLogin::initTestCase()
{
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
}

void TestLogin::init()
{
    QVERIFY(m_server->setFaults({}));
    QVERIFY(m_server->configure(
        {{QStringLiteral("run_photo"), true}, {QStringLiteral("has_photo_root_path"), true}}));
    m_server->clearRequestLog();
    m_manager.setCookieJar(new QNetworkCookieJar(&m_manager));
}

ServerProfile TestLogin::profile(const QString& account, const QString& password, bool savepass,
                                 bool personal)
{
    ServerProfile p;
    p.setAll(QStringLiteral("Test"), QStringLiteral("127.0.0.1"), m_server->port(), false, account, password,
             savepass, QStringLiteral("demo"), personal, true, true, true, QStringLiteral("RENAME"),
             QString(), {});
    return p;
}

QList<bool> TestLogin::login(SecurityConfirm* confirm, ServerProfile* p, bool retry, bool force)
{
    QSignalSpy spy(confirm, &SecurityConfirm::signalLoginFinish);
    if (!confirm->prepareLogin(&m_manager, p, retry, force))
        return {};
    confirm->start();
    confirm->wait();
    if (!spy.wait(10000))
        return {};
    // A second signal would be a fault; give it a moment to show up.
    QTest::qWait(50);
    QList<bool> results;
    for (const QList<QVariant>& arguments : spy)
        results.append(arguments.first().toBool());
    return results;
}

void TestLogin::refusals_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("personal");
    QTest::addColumn<QJsonObject>("config");
    QTest::addColumn<QJsonObject>("faults");
    QTest::addColumn<QString>("text");
    const QJsonObject none;
    const QJsonObject stopped{{QStringLiteral("run_photo"), false}};
    QTest::newRow("accepted") << "demo"
                              << "demo" << false << none << none << "";
    QTest::newRow("disabled account")
        << "disabled"
        << "disabled" << false << none << none << "The user account has been disabled.";
    QTest::newRow("not a Lumio user")
        << "outsider"
        << "outsider" << false << none << none << "outsider is not a valid Lumio user account.";
    QTest::newRow("no privilege") << "blocked"
                                  << "blocked" << false << none << none
                                  << "You are not authorized to use this service.";
    QTest::newRow("wrong password") << "demo"
                                    << "nope" << false << none << none
                                    << "The account or password is invalid. Please try again.";
    QTest::newRow("Lumio stopped")
        << "demo"
        << "demo" << false << stopped << none
        << "Lumio is disabled. Please log in to NXM as admin (or a user belonging to the "
           "administrators group) to enable Lumio.";
    QTest::newRow("personal Lumio stopped")
        << "demo"
        << "demo" << true << stopped << none
        << "Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.";
    QTest::newRow("admin logs in while Lumio is stopped") << "admin"
                                                          << "admin" << false << stopped << none << "";
    QTest::newRow("photo folder missing")
        << "demo"
        << "demo" << false << QJsonObject{{QStringLiteral("has_photo_root_path"), false}} << none
        << "The photo shared folder is not found. Please make sure the photo shared folder exists before "
           "uploading.";
    QTest::newRow("login script missing")
        << "demo"
        << "demo" << false << none
        << QJsonObject{{QStringLiteral("login"), QJsonObject{{QStringLiteral("status"), 404}}}}
        << "Lumio is not installed. Please install the package at Modepot to upload photos.";
    QTest::newRow("redirect to service disabled")
        << "demo"
        << "demo" << false << none
        << QJsonObject{{QStringLiteral("login"),
                        QJsonObject{{QStringLiteral("body"), QStringLiteral("html")},
                                    {QStringLiteral("location"),
                                     QStringLiteral("/index.php?m=photo_str_service_disabled")}}}}
        << "Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators "
           "group) to "
           "enable Lumio.";
    QTest::newRow("page saying service not available")
        << "demo"
        << "demo" << true << none
        << QJsonObject{{QStringLiteral("login"),
                        QJsonObject{
                            {QStringLiteral("body"), QStringLiteral("text")},
                            {QStringLiteral("body_text"), QStringLiteral("<p>service_not_available</p>")}}}}
        << "Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.";
    const QString serverText =
        QStringLiteral("Failed to establish the connection. Please check the hostname/IP address "
                       "or make sure Lumio is working properly, and then try again.");
    QTest::newRow("html page") << "demo"
                               << "demo" << false << none
                               << QJsonObject{{QStringLiteral("login"),
                                               QJsonObject{{QStringLiteral("body"), QStringLiteral("html")}}}}
                               << serverText;
    QTest::newRow("blank before the brace")
        << "demo"
        << "demo" << false << none
        << QJsonObject{{QStringLiteral("login"),
                        QJsonObject{{QStringLiteral("body"), QStringLiteral("leading_blank")}}}}
        << serverText;
}

void TestLogin::refusals()
{
    QFETCH(QString, account);
    QFETCH(QString, password);
    QFETCH(bool, personal);
    QFETCH(QJsonObject, config);
    QFETCH(QJsonObject, faults);
    QFETCH(QString, text);
    if (!config.isEmpty())
        QVERIFY(m_server->configure(config));
    if (!faults.isEmpty())
        QVERIFY(m_server->setFaults(faults));
    ScriptedPrompter prompter;
    SecurityConfirm confirm;
    ServerProfile p = profile(account, password, true, personal);
    const QList<bool> results = login(&confirm, &p, false);
    QCOMPARE(results, QList<bool>{text.isEmpty()});
    if (text.isEmpty()) {
        QVERIFY(prompter.shown.isEmpty());
        return;
    }
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.first().icon, Prompter::Icon::Warning);
    QCOMPARE(prompter.shown.first().title, QStringLiteral("Error"));
    QCOMPARE(prompter.shown.first().text, text);
    QCOMPARE(prompter.shown.first().buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(prompter.shown.first().parent == nullptr);
}

void TestLogin::formEncodingKeepsSpecialCharacters()
{
    ScriptedPrompter prompter;
    SecurityConfirm confirm;
    ServerProfile p = profile(QStringLiteral("carol"), QStringLiteral("p&ss=w rd+%"));
    QCOMPARE(login(&confirm, &p, false), QList<bool>{true});
    const QList<QJsonObject> log = m_server->requestLog(QStringLiteral("login"));
    QCOMPARE(log.size(), 1);
    const QJsonObject form = log.first().value(QStringLiteral("form")).toObject();
    QCOMPARE(form.value(QStringLiteral("action")).toString(), QStringLiteral("login"));
    QCOMPARE(form.value(QStringLiteral("username")).toString(), QStringLiteral("carol"));
    QCOMPARE(form.value(QStringLiteral("passwd")).toString(), QStringLiteral("p&ss=w rd+%"));
    QCOMPARE(form.size(), 3);
    QCOMPARE(log.first().value(QStringLiteral("content_type")).toString(),
             QStringLiteral("application/x-www-form-urlencoded"));
}

void TestLogin::sessionCookieIsKept()
{
    ScriptedPrompter prompter;
    SecurityConfirm confirm;
    ServerProfile p = profile(QStringLiteral("demo"), QStringLiteral("demo"));
    QCOMPARE(login(&confirm, &p, false), QList<bool>{true});
    QNetworkRequest request(QUrl(p.baseUrl + QStringLiteral("/photo/include/asst_get_uploadable_album.php")));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    std::unique_ptr<QNetworkReply> reply(
        m_manager.post(request, QByteArray("action=get_uploadable_album_list")));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(10000));
    const ServerReply parsed(reply->readAll());
    QVERIFY(parsed.strictSuccess());
    QVERIFY(parsed.hasProperty(QStringLiteral("uploadable_albums")));
}

void TestLogin::promptWhenPasswordNotRemembered()
{
    ScriptedPrompter prompter;
    prompter.answerText(QStringLiteral("demo"));
    SecurityConfirm confirm;
    ServerProfile p = profile(QStringLiteral("demo"), QStringLiteral("stored but not remembered"), false);
    QCOMPARE(login(&confirm, &p, true), QList<bool>{true});
    QCOMPARE(prompter.shown.size(), 1);
    const ScriptedPrompter::Shown& asked = prompter.shown.first();
    QCOMPARE(asked.kind, ScriptedPrompter::Shown::Text);
    QCOMPARE(asked.title, QStringLiteral("Vexalon Lumio Uploader"));
    QCOMPARE(asked.text, QStringLiteral("Please enter the demo's password."));
    QVERIFY(asked.password);
    QCOMPARE(asked.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
}

void TestLogin::cancelledPromptSendsNothing()
{
    ScriptedPrompter prompter;
    prompter.cancelText();
    SecurityConfirm confirm;
    ServerProfile p = profile(QStringLiteral("demo"), QString(), false);
    QVERIFY(!confirm.prepareLogin(&m_manager, &p, true, false));
    QTest::qWait(100);
    QVERIFY(m_server->requestLog(QStringLiteral("login")).isEmpty());
}

void TestLogin::retryUntilCancelled()
{
    ScriptedPrompter prompter;
    prompter.answerText(QStringLiteral("wrong 2"));
    prompter.answerText(QStringLiteral("wrong 3"));
    prompter.cancelText();
    SecurityConfirm confirm;
    ServerProfile p = profile(QStringLiteral("demo"), QStringLiteral("wrong 1"));
    QCOMPARE(login(&confirm, &p, true), QList<bool>{false});
    QStringList kinds;
    for (const ScriptedPrompter::Shown& shown : prompter.shown)
        kinds.append(shown.kind == ScriptedPrompter::Shown::Text ? QStringLiteral("password")
                                                                 : QStringLiteral("refusal"));
    QCOMPARE(kinds, (QStringList{QStringLiteral("refusal"), QStringLiteral("password"),
                                 QStringLiteral("refusal"), QStringLiteral("password"),
                                 QStringLiteral("refusal"), QStringLiteral("password")}));
    QCOMPARE(m_server->requestLog(QStringLiteral("login")).size(), 3);
}

void TestLogin::forcedPromptStoresThePassword_data()
{
    QTest::addColumn<bool>("savepass");
    QTest::addColumn<QString>("stored");
    QTest::newRow("remembered") << true << "demo";
    // "Remember password" off: the typed password serves the login and is kept nowhere.
    QTest::newRow("not remembered") << false << "";
}

void TestLogin::forcedPromptStoresThePassword()
{
    QFETCH(bool, savepass);
    QFETCH(QString, stored);
    while (ProfileStore::profileExists(QStringLiteral("Test")))
        ProfileStore::removeProfile(QStringLiteral("Test"));
    ServerProfile p = profile(QStringLiteral("demo"), QStringLiteral("old password"), savepass);
    ProfileStore::createProfile(p);
    ScriptedPrompter prompter;
    if (!savepass)
        prompter.answerText(QStringLiteral("old password"));
    prompter.answerText(QStringLiteral("demo"));
    SecurityConfirm confirm;
    QCOMPARE(login(&confirm, &p, true), QList<bool>{true});
    ServerProfile loaded;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Test"), &loaded));
    QCOMPARE(loaded.password, stored);
}

void TestLogin::newerLoginMakesOlderReplyStale()
{
    QVERIFY(m_server->setFaults(
        {{QStringLiteral("login"), QJsonObject{{QStringLiteral("delay_ms"), 300},
                                               {QStringLiteral("only_requests"), QJsonArray{1}}}}}));
    ScriptedPrompter prompter;
    SecurityConfirm confirm;
    QSignalSpy spy(&confirm, &SecurityConfirm::signalLoginFinish);
    ServerProfile wrong = profile(QStringLiteral("demo"), QStringLiteral("wrong"));
    QVERIFY(confirm.prepareLogin(&m_manager, &wrong, false, false));
    confirm.start();
    confirm.wait();
    // Let the first request go out before the second login replaces it.
    QTest::qWait(100);
    ServerProfile right = profile(QStringLiteral("demo"), QStringLiteral("demo"));
    QVERIFY(confirm.prepareLogin(&m_manager, &right, false, false));
    confirm.start();
    confirm.wait();
    QVERIFY(spy.wait(10000));
    QTest::qWait(600);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toBool(), true);
    QVERIFY(prompter.shown.isEmpty());
}

ServerProfile TestLogin::secureProfile(int port)
{
    ServerProfile p;
    p.setAll(QStringLiteral("Secure"), QStringLiteral("127.0.0.1"), port, true, QStringLiteral("demo"),
             QStringLiteral("demo"), true, QString(), false, true, true, true, QStringLiteral("RENAME"),
             QString(), {});
    return p;
}

QString TestLogin::fingerprintOf(const QString& file)
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(file);
    return certificates.isEmpty() ? QString() : CertificateTrust::fingerprint(certificates.first());
}

void TestLogin::certificateTrust_data()
{
    QTest::addColumn<QString>("pinned");    // "legacy" (stored before pins), "" or a certificate name
    QTest::addColumn<QString>("presented"); // "server" or "alternate"
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("pinAfter");
    const QString unverified = QStringLiteral("Unverified certificate");
    const QString changed = QStringLiteral("Certificate changed");
    QTest::newRow("first contact, trusted")
        << ""
        << "server" << QList<int>{0} << QStringList{unverified} << true << "server";
    QTest::newRow("first contact, declined")
        << ""
        << "server" << QList<int>{1} << QStringList{unverified} << false << "";
    QTest::newRow("pinned certificate") << "server"
                                        << "server" << QList<int>{} << QStringList{} << true << "server";
    QTest::newRow("changed certificate, refused")
        << "server"
        << "alternate" << QList<int>{1} << QStringList{changed} << false << "server";
    QTest::newRow("changed certificate, replacement not confirmed")
        << "server"
        << "alternate" << QList<int>{0, 1} << QStringList{changed, changed} << false << "server";
    QTest::newRow("changed certificate, replaced")
        << "server"
        << "alternate" << QList<int>{0, 0} << QStringList{changed, changed} << true << "alternate";
    QTest::newRow("older profile pins on first use")
        << "legacy"
        << "server" << QList<int>{} << QStringList{unverified} << true << "server";
}

void TestLogin::certificateTrust()
{
    QFETCH(QString, pinned);
    QFETCH(QString, presented);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, titles);
    QFETCH(bool, success);
    QFETCH(QString, pinAfter);
    if (!m_secure) {
        m_secure = std::make_unique<RefServer>();
        m_secure->setHttps(true);
        QVERIFY2(m_secure->start(), qPrintable(m_secure->errorString()));
    }
    const QString certs = QFileInfo(m_secure->certificateFile()).absolutePath() + QLatin1Char('/');
    const auto fingerprint = [&](const QString& name) {
        return name.isEmpty() ? QString() : fingerprintOf(certs + name + QLatin1String(".crt"));
    };
    QVERIFY(m_secure->configure(
        {{QStringLiteral("certificate"),
          presented == QLatin1String("server") ? QStringLiteral("primary") : QStringLiteral("alternate")}}));
    m_secure->clearRequestLog();
    // Every row is a run of its own: nothing settled before, a fresh connection.
    CertificateTrust::reset();
    m_manager.clearConnectionCache();

    while (ProfileStore::profileExists(QStringLiteral("Secure")))
        ProfileStore::removeProfile(QStringLiteral("Secure"));
    ServerProfile stored = secureProfile(m_secure->port());
    ProfileStore::createProfile(stored);
    if (pinned == QLatin1String("legacy"))
        QVERIFY(QSqlQuery(ProfileStore::connection())
                    .exec(QStringLiteral("DELETE FROM CertificatePins WHERE profname = 'Secure'")));
    else
        ProfileStore::setCertificatePin(QStringLiteral("Secure"), fingerprint(pinned));

    ServerProfile p;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Secure"), &p));
    ScriptedPrompter prompter;
    for (int answer : answers)
        prompter.answerMessage(answer);
    SecurityConfirm confirm;
    QCOMPARE(login(&confirm, &p, false), QList<bool>{success});

    QStringList shownTitles;
    for (const ScriptedPrompter::Shown& shown : prompter.shown)
        shownTitles.append(shown.title);
    QCOMPARE(shownTitles, titles);
    if (!titles.isEmpty())
        QVERIFY2(prompter.shown.first().text.contains(fingerprint(presented)),
                 qPrintable(prompter.shown.first().text));
    QString pinNow;
    QVERIFY(ProfileStore::certificatePin(QStringLiteral("Secure"), &pinNow));
    QCOMPARE(pinNow, fingerprint(pinAfter));
    // The password goes out only once the certificate is trusted.
    QCOMPARE(m_secure->requestLog(QStringLiteral("login")).size(), success ? 1 : 0);
}

void TestLogin::certificateSignedByTrustedAuthority()
{
    // A test CA, made now, signs the server's certificate for 127.0.0.1.
    QTemporaryDir folder;
    const auto openssl = [&](const QStringList& arguments) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("openssl"), arguments);
        return process.waitForFinished(30000) && process.exitCode() == 0;
    };
    QFile extensions(folder.filePath(QStringLiteral("san.cnf")));
    QVERIFY(extensions.open(QIODevice::WriteOnly));
    extensions.write("subjectAltName=IP:127.0.0.1\n");
    extensions.close();
    QVERIFY(openssl({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes",
                     "-keyout", "ca.key", "-out", "ca.crt", "-days", "2", "-subj", "/CN=Lumio test CA"}));
    QVERIFY(openssl({"req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes", "-keyout",
                     "box.key", "-out", "box.csr", "-subj", "/CN=127.0.0.1"}));
    QVERIFY(openssl({"x509", "-req", "-in", "box.csr", "-CA", "ca.crt", "-CAkey", "ca.key", "-CAcreateserial",
                     "-out", "box.crt", "-days", "2", "-extfile", "san.cnf"}));

    RefServer box;
    box.setHttps(true);
    box.setExtraArguments({QStringLiteral("--cert"), folder.filePath(QStringLiteral("box.crt")),
                           QStringLiteral("--key"), folder.filePath(QStringLiteral("box.key"))});
    QVERIFY2(box.start(), qPrintable(box.errorString()));
    ServerProfile p = secureProfile(box.port());

    // Without the CA the certificate is unknown and asked about; declined, nothing is sent.
    CertificateTrust::reset();
    CertificateTrust::setExtraAuthorities({});
    {
        ScriptedPrompter prompter;
        prompter.answerMessage(1);
        SecurityConfirm confirm;
        QCOMPARE(login(&confirm, &p, false), QList<bool>{false});
        QCOMPARE(prompter.shown.size(), 1);
    }
    QVERIFY(box.requestLog(QStringLiteral("login")).isEmpty());

    // Trusted through the CA: no question, no pin.
    CertificateTrust::reset();
    CertificateTrust::setExtraAuthorities(
        QSslCertificate::fromPath(folder.filePath(QStringLiteral("ca.crt"))));
    m_manager.clearConnectionCache();
    ScriptedPrompter prompter;
    SecurityConfirm confirm;
    QCOMPARE(login(&confirm, &p, false), QList<bool>{true});
    QVERIFY(prompter.shown.isEmpty());
    QVERIFY(p.certpin.isEmpty());
    QCOMPARE(box.requestLog(QStringLiteral("login")).size(), 1);
    CertificateTrust::setExtraAuthorities({});
}

LUMIO_TEST_MAIN(TestLogin)
#include "tst_login.moc"
