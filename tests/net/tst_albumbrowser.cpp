#include "AlbumBrowser.h"
#include "CertificateTrust.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& path)
{
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == path)
            return *it;
    }
    return nullptr;
}

QStringList childTexts(QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

// Notes every address cookies are asked for. The access manager adds the jar's cookies for the
// request's own address on top of any Cookie header, so a header built for the wrong address shows
// only here.
class WatchingCookieJar : public QNetworkCookieJar
{
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    QList<QNetworkCookie> cookiesForUrl(const QUrl& url) const override
    {
        askedFor.append(url);
        return QNetworkCookieJar::cookiesForUrl(url);
    }
    mutable QList<QUrl> askedFor;
};

} // namespace

class TestAlbumBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void treeFromTheAlbumList();
    void selectionRules_data();
    void selectionRules();
    void subAlbumsLoadOnceWhenExpanded();
    void createAlbumSendsTrimmedName();
    void createdAlbumIsNotListedTwice();
    void createErrors_data();
    void createErrors();
    void sessionLostOnCreateClosesTheBrowser();
    void listFailuresKeepTheBrowserOpen_data();
    void listFailuresKeepTheBrowserOpen();
    void secureSessionCookieOverHttps();

private:
    std::unique_ptr<AlbumBrowser> openBrowser(const QString& account, RefServer* server = nullptr,
                                              bool https = false);
    QTreeWidget* tree(AlbumBrowser* browser)
    {
        return browser->findChild<QTreeWidget*>(QStringLiteral("m_ptrewServerDirTree"));
    }
    QPushButton* okButton(AlbumBrowser* browser)
    {
        return browser->findChild<QDialogButtonBox*>(QStringLiteral("m_pbtnbxDialogBtnBox"))
            ->button(QDialogButtonBox::Ok);
    }
    QPushButton* createButton(AlbumBrowser* browser)
    {
        return browser->findChild<QPushButton*>(QStringLiteral("m_pbtnCreateAlbum"));
    }
    QLineEdit* nameEdit(AlbumBrowser* browser)
    {
        return browser->findChild<QLineEdit*>(QStringLiteral("m_plnedtNewFolderName"));
    }
    int albumRequests() { return static_cast<int>(m_server->requestLog(QStringLiteral("album")).size()); }

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    WatchingCookieJar* m_jar = nullptr;
};

void TestAlbumBrowser::initTestCase()
{
    QJsonObject config = RefServer::defaultConfig();
    config.insert(QStringLiteral("albums"),
                  QJsonObject{{QStringLiteral("2012"), QJsonArray{QStringLiteral("alice")}},
                              {QStringLiteral("2012/trip"), QJsonArray{QStringLiteral("alice")}},
                              {QStringLiteral("2013/party"), QJsonArray{QStringLiteral("alice")}}});
    m_server = std::make_unique<RefServer>(config);
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    for (const char* folder : {"2012/trip/day1", "2012/trip/day2"})
        QVERIFY(QDir().mkpath(m_server->photoRoot() + QLatin1Char('/') + QLatin1String(folder)));
}

void TestAlbumBrowser::init()
{
    QVERIFY(m_server->setFaults({}));
    m_server->clearRequestLog();
}

std::unique_ptr<AlbumBrowser> TestAlbumBrowser::openBrowser(const QString& account, RefServer* server,
                                                            bool https)
{
    if (!server)
        server = m_server.get();
    m_manager = std::make_unique<QNetworkAccessManager>();
    m_jar = new WatchingCookieJar(m_manager.get());
    m_manager->setCookieJar(m_jar);
    ServerProfile profile;
    profile.setAll(QStringLiteral("p"), QStringLiteral("127.0.0.1"), server->port(), https, account, account,
                   true, QString(), false, true, true, true, QStringLiteral("RENAME"), QString(), {});
    SecurityConfirm login;
    QSignalSpy spy(&login, &SecurityConfirm::signalLoginFinish);
    if (!login.prepareLogin(m_manager.get(), &profile, false, false))
        return nullptr;
    login.start();
    login.wait();
    if (!spy.wait(10000) || !spy.first().first().toBool())
        return nullptr;
    auto browser = std::make_unique<AlbumBrowser>(nullptr, m_manager.get(), profile.baseUrl);
    QTreeWidget* view = tree(browser.get());
    if (!QTest::qWaitFor([view] { return view->isEnabled(); }, 10000))
        return nullptr;
    return browser;
}

void TestAlbumBrowser::treeFromTheAlbumList()
{
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    QTreeWidget* view = tree(browser.get());
    QCOMPARE(view->topLevelItemCount(), 1);
    QTreeWidgetItem* root = view->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("photo"));
    QCOMPARE(root->type(), 1000);
    QVERIFY(root->isExpanded());
    QCOMPARE(childTexts(root), (QStringList{QStringLiteral("2012"), QStringLiteral("2013")}));
    QCOMPARE(findItem(view, QStringLiteral("2012"))->type(), 1002);
    QTreeWidgetItem* locked = findItem(view, QStringLiteral("2013"));
    QCOMPARE(locked->type(), 1001);
    QCOMPARE(locked->foreground(0).color(), QColor(Qt::gray));
    QTreeWidgetItem* trip = findItem(view, QStringLiteral("2012/trip"));
    QVERIFY(trip);
    QCOMPARE(trip->type(), 1003);
    QCOMPARE(trip->childCount(), 1);
    QCOMPARE(trip->child(0)->data(0, Qt::UserRole).toString(), QStringLiteral("dummy_folder"));
    QCOMPARE(findItem(view, QStringLiteral("2013/party"))->type(), 1003);
    // Not an administrator and the root is not uploadable: the root is grey.
    QCOMPARE(root->foreground(0).color(), QColor(Qt::gray));
    QVERIFY(prompter.shown.isEmpty());
    const QJsonObject listRequest = m_server->requestLog(QStringLiteral("album")).first();
    QCOMPARE(listRequest.value(QStringLiteral("form")).toObject().value(QStringLiteral("action")).toString(),
             QStringLiteral("get_uploadable_album_list"));
    QVERIFY(listRequest.value(QStringLiteral("cookie")).toBool());
}

void TestAlbumBrowser::selectionRules_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("alice: grey first level") << "alice"
                                             << "2013" << false;
    QTest::newRow("alice: album below it") << "alice"
                                           << "2013/party" << true;
    QTest::newRow("alice: uploadable first level") << "alice"
                                                   << "2012" << true;
    QTest::newRow("alice: root") << "alice"
                                 << "" << false;
    QTest::newRow("admin: root") << "admin"
                                 << "" << true;
    QTest::newRow("admin: grey first level") << "admin"
                                             << "2013" << true;
    QTest::newRow("demo may upload to the root") << "demo"
                                                 << "" << true;
}

void TestAlbumBrowser::selectionRules()
{
    QFETCH(QString, account);
    QFETCH(QString, path);
    QFETCH(bool, enabled);
    ScriptedPrompter prompter;
    auto browser = openBrowser(account);
    QVERIFY(browser);
    QTreeWidgetItem* item = findItem(tree(browser.get()), path);
    QVERIFY(item);
    tree(browser.get())->clearSelection();
    item->setSelected(true);
    QCOMPARE(okButton(browser.get())->isEnabled(), enabled);
    QCOMPARE(createButton(browser.get())->isEnabled(), enabled);
    tree(browser.get())->clearSelection();
    QVERIFY(!okButton(browser.get())->isEnabled());
}

void TestAlbumBrowser::subAlbumsLoadOnceWhenExpanded()
{
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    QTreeWidget* view = tree(browser.get());
    // First-level items never fetch.
    const int before = albumRequests();
    findItem(view, QStringLiteral("2012"))->setExpanded(true);
    QTest::qWait(100);
    QCOMPARE(albumRequests(), before);

    QTreeWidgetItem* trip = findItem(view, QStringLiteral("2012/trip"));
    trip->setExpanded(true);
    QTRY_VERIFY(view->isEnabled());
    QCOMPARE(albumRequests(), before + 1);
    const QJsonObject form =
        m_server->requestLog(QStringLiteral("album")).last().value(QStringLiteral("form")).toObject();
    QCOMPARE(form.value(QStringLiteral("action")).toString(), QStringLiteral("get_all_subalbum_list"));
    QCOMPARE(form.value(QStringLiteral("path")).toString(), QStringLiteral("2012/trip"));
    QCOMPARE(childTexts(trip), (QStringList{QStringLiteral("day1"), QStringLiteral("day2")}));
    QTreeWidgetItem* day1 = findItem(view, QStringLiteral("2012/trip/day1"));
    QCOMPARE(day1->type(), 1004);
    QCOMPARE(day1->child(0)->data(0, Qt::UserRole).toString(), QStringLiteral("dummy_folder"));

    trip->setExpanded(false);
    trip->setExpanded(true);
    QTest::qWait(100);
    QCOMPARE(albumRequests(), before + 1);
    QCOMPARE(trip->childCount(), 2);
}

void TestAlbumBrowser::createAlbumSendsTrimmedName()
{
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    QTreeWidget* view = tree(browser.get());
    findItem(view, QStringLiteral("2012"))->setSelected(true);
    nameEdit(browser.get())->setText(QStringLiteral("New Album "));
    createButton(browser.get())->click();
    QCOMPARE(nameEdit(browser.get())->text(), QStringLiteral("New Album"));
    // While the request is out nothing can send a second one or change the name it sent.
    QVERIFY(!createButton(browser.get())->isEnabled());
    QVERIFY(!nameEdit(browser.get())->isEnabled());
    nameEdit(browser.get())->setText(QStringLiteral("Typed meanwhile"));
    QTRY_VERIFY(view->isEnabled());
    QVERIFY(createButton(browser.get())->isEnabled());
    QVERIFY(nameEdit(browser.get())->isEnabled());
    QVERIFY2(prompter.shown.isEmpty(), qPrintable(prompter.messageTexts().join(QLatin1Char('|'))));
    const QJsonObject request = m_server->requestLog(QStringLiteral("upload")).last();
    const QJsonObject headers = request.value(QStringLiteral("headers")).toObject();
    QCOMPARE(headers.value(QStringLiteral("X-PATH")).toString(), QStringLiteral(" 2012"));
    QCOMPARE(headers.value(QStringLiteral("X-DUPLICATE")).toString(), QStringLiteral("SKIP"));
    QCOMPARE(headers.value(QStringLiteral("X-ORIG-FNAME")).toString(), QStringLiteral(" New%20Album"));
    QCOMPARE(headers.value(QStringLiteral("X-UPLOAD-TYPE")).toString(), QStringLiteral("FOLDER"));
    QCOMPARE(request.value(QStringLiteral("body_size")).toInt(), 0);
    QTreeWidgetItem* created = findItem(view, QStringLiteral("2012/New Album"));
    QVERIFY(created);
    QCOMPARE(created->type(), 1003);
    QCOMPARE(created->childCount(), 0);
    QCOMPARE(view->currentItem(), created);
    QVERIFY(QDir(m_server->photoRoot() + QStringLiteral("/2012/New Album")).exists());
    QCOMPARE(browser->selectedPath(), QStringLiteral("2012/New Album"));
    QDir(m_server->photoRoot() + QStringLiteral("/2012/New Album")).removeRecursively();
}

void TestAlbumBrowser::createdAlbumIsNotListedTwice()
{
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    QTreeWidget* view = tree(browser.get());
    QTreeWidgetItem* trip = findItem(view, QStringLiteral("2012/trip"));
    trip->setSelected(true);
    nameEdit(browser.get())->setText(QStringLiteral("fresh"));
    createButton(browser.get())->click();
    QTRY_VERIFY(findItem(view, QStringLiteral("2012/trip/fresh")));
    QCOMPARE(findItem(view, QStringLiteral("2012/trip/fresh"))->type(), 1004);
    trip->setExpanded(true);
    QTRY_VERIFY(view->isEnabled() &&
                !trip->child(0)->data(0, Qt::UserRole).toString().startsWith(QLatin1String("dummy")));
    QCOMPARE(childTexts(trip).count(QStringLiteral("fresh")), 1);
    QCOMPARE(childTexts(trip).size(), 3);
    QDir(m_server->photoRoot() + QStringLiteral("/2012/trip/fresh")).removeRecursively();
}

void TestAlbumBrowser::createErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QJsonObject>("faults");
    QTest::addColumn<QString>("text");
    QTest::newRow("existing folder") << "trip" << QJsonObject()
                                     << "The folder name already exists. Please use another name.";
    QTest::newRow("name escaping the album") << "../escape" << QJsonObject() << "Invalid folder name: ";
    QTest::newRow("no privilege") << "x"
                                  << QJsonObject{{QStringLiteral("upload"),
                                                  QJsonObject{{QStringLiteral("err_msg"),
                                                               QStringLiteral("no_privilege")}}}}
                                  << "You have no privileges to either create new albums or upload files.";
    QTest::newRow("demo site") << "x"
                               << QJsonObject{{QStringLiteral("upload"),
                                               QJsonObject{{QStringLiteral("err_msg"),
                                                            QStringLiteral("demo_site_disable")}}}}
                               << "This function is not available in the demo mode.";
    QTest::newRow("html reply") << "x"
                                << QJsonObject{{QStringLiteral("upload"),
                                                QJsonObject{
                                                    {QStringLiteral("body"), QStringLiteral("html")}}}}
                                << "Unknown server error. (Error Code:ret_err)";
}

void TestAlbumBrowser::createErrors()
{
    QFETCH(QString, name);
    QFETCH(QJsonObject, faults);
    QFETCH(QString, text);
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    QVERIFY(m_server->setFaults(faults));
    findItem(tree(browser.get()), QStringLiteral("2012"))->setSelected(true);
    nameEdit(browser.get())->setText(name);
    createButton(browser.get())->click();
    QTRY_COMPARE(prompter.shown.size(), 1);
    QVERIFY2(prompter.shown.first().text.startsWith(text), qPrintable(prompter.shown.first().text));
    QCOMPARE(prompter.shown.first().title, QStringLiteral("Warning"));
    QCOMPARE(prompter.shown.first().parent, browser.get());
    QVERIFY(tree(browser.get())->isEnabled());
    QVERIFY(!browser->sessionLost());
}

void TestAlbumBrowser::sessionLostOnCreateClosesTheBrowser()
{
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    browser->show();
    QVERIFY(m_server->setFaults({{QStringLiteral("upload"), QJsonObject{{QStringLiteral("err_msg"),
                                                                         QStringLiteral("session_lost")}}}}));
    findItem(tree(browser.get()), QStringLiteral("2012"))->setSelected(true);
    nameEdit(browser.get())->setText(QStringLiteral("x"));
    createButton(browser.get())->click();
    QTRY_VERIFY(!browser->isVisible());
    QCOMPARE(browser->result(), int(QDialog::Rejected));
    QVERIFY(browser->sessionLost());
    QCOMPARE(prompter.messageTexts(),
             QStringList{QStringLiteral("The connection is lost. Please log in to Korvat Manager again.")});
}

void TestAlbumBrowser::listFailuresKeepTheBrowserOpen_data()
{
    QTest::addColumn<QJsonObject>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("lost");
    QTest::newRow("session lost") << QJsonObject{{QStringLiteral("err_msg"), QStringLiteral("session_lost")}}
                                  << "The connection is lost. Please log in to Korvat Manager again." << true;
    QTest::newRow("blank before the brace")
        << QJsonObject{{QStringLiteral("body"), QStringLiteral("leading_blank")}}
        << "Unknown server error. (Error Code:ret_err)" << false;
    QTest::newRow("script missing") << QJsonObject{{QStringLiteral("status"), 404}}
                                    << "This function is not supported by the connected server." << false;
}

void TestAlbumBrowser::listFailuresKeepTheBrowserOpen()
{
    QFETCH(QJsonObject, rule);
    QFETCH(QString, text);
    QFETCH(bool, lost);
    QVERIFY(m_server->setFaults({{QStringLiteral("album"), rule}}));
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"));
    QVERIFY(browser);
    browser->show();
    QTRY_COMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.first().text, text);
    QCOMPARE(browser->sessionLost(), lost);
    QVERIFY(browser->isVisible());
    QCOMPARE(tree(browser.get())->topLevelItem(0)->childCount(), 0);
}

void TestAlbumBrowser::secureSessionCookieOverHttps()
{
    QJsonObject config = RefServer::defaultConfig();
    config.insert(QStringLiteral("secure_cookie"), true);
    config.insert(QStringLiteral("albums"),
                  QJsonObject{{QStringLiteral("2012"), QJsonArray{QStringLiteral("alice")}}});
    RefServer secure(config);
    secure.setHttps(true);
    QVERIFY2(secure.start(), qPrintable(secure.errorString()));
    // The certificate is the test server's own: vouch for it beforehand instead of being asked.
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(secure.certificateFile());
    QVERIFY(!certificates.isEmpty());
    CertificateTrust::reset();
    CertificateTrust::setPreapproved(CertificateTrust::fingerprint(certificates.first()));
    ScriptedPrompter prompter;
    auto browser = openBrowser(QStringLiteral("alice"), &secure, true);
    CertificateTrust::reset();
    QVERIFY(browser);
    QVERIFY2(prompter.shown.isEmpty(), qPrintable(prompter.messageTexts().join(QLatin1Char('|'))));
    QVERIFY(!browser->sessionLost());
    QCOMPARE(childTexts(tree(browser.get())->topLevelItem(0)), QStringList{QStringLiteral("2012")});
    const QList<QJsonObject> requests = secure.requestLog(QStringLiteral("album"));
    QCOMPARE(requests.size(), 1);
    QVERIFY(requests.first().value(QStringLiteral("session")).toBool());
    // A plain-HTTP address would leave the Secure session cookie out of the browser's own header.
    QVERIFY(!m_jar->askedFor.isEmpty());
    for (const QUrl& url : std::as_const(m_jar->askedFor))
        QVERIFY2(url.scheme() == QLatin1String("https"), qPrintable(url.toString()));
}

LUMIO_TEST_MAIN(TestAlbumBrowser)
#include "tst_albumbrowser.moc"
