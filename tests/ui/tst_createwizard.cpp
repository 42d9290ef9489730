#include "AppPaths.h"
#include "CreateWizard.h"
#include "DiscoveryResponder.h"
#include "FindHostUtils.h"
#include "ProfileRules.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "VexaLocale.h"
#include "WizHintDialog.h"
#include "WizIPDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

namespace {

const int kDiscoveryWaitMs = 15000;

} // namespace

class TestCreateWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lookAndFinishText_data();
    void lookAndFinishText();
    void httpsSetsThePort();
    void chosenServerFillsNameOnlyWhenUntouched_data();
    void chosenServerFillsNameOnlyWhenUntouched();
    void badPortIsRefused_data();
    void badPortIsRefused();
    void emptyPortKeepsNextDisabled();
    void serverEntry_data();
    void serverEntry();
    void notReadyServerIsAsked_data();
    void notReadyServerIsAsked();
    void usableAddresses_data();
    void usableAddresses();
    void nameInAnotherCaseIsRefused();
    void personalTargetNeedsAName();
    void accountPageDefaults();
    void rememberPasswordOffSkipsTheLogin();
    void failedLoginStaysOnTheAccountPage();
    void successfulLoginMovesOnAndFinishStores();
    void changedPasswordIsCheckedAgain();
    void changedServerIsCheckedAgain();
    void hintPictureByLanguage_data();
    void hintPictureByLanguage();
    void searchWithoutAnswerSaysSo();

private:
    std::unique_ptr<CreateWizard> openWizard(int mode = 7);
    // Fills the server page and moves on from it.
    void passServerPage(CreateWizard* wizard, const QString& name);
    void passTargetPage(CreateWizard* wizard);
    template <typename T> static T* widget(CreateWizard* wizard, const char* name)
    {
        return wizard->findChild<T*>(QLatin1String(name));
    }
    QList<QJsonObject> logins() const { return m_server->requestLog(QStringLiteral("login")); }

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<DiscoveryResponder> m_responder;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    QNetworkAccessManager m_manager;
    ServerProfile m_profile;
};

void TestCreateWizard::initTestCase()
{
    DiscoveryResponder::useLoopbackDiscovery();
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
}

void TestCreateWizard::init()
{
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_responder = std::make_unique<DiscoveryResponder>();
    m_server->clearRequestLog();
    m_manager.setCookieJar(new QNetworkCookieJar(&m_manager));
    m_profile = ServerProfile();
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM ServerProfiles"));
}

void TestCreateWizard::cleanup()
{
    m_responder.reset();
    m_prompter.reset();
}

std::unique_ptr<CreateWizard> TestCreateWizard::openWizard(int mode)
{
    auto wizard = std::make_unique<CreateWizard>(nullptr, mode, &m_manager, &m_profile);
    wizard->show();
    return wizard;
}

void TestCreateWizard::passServerPage(CreateWizard* wizard, const QString& name)
{
    widget<QLineEdit>(wizard, "m_pedtProfName")->setText(name);
    wizard->serverPage()->serverCombo()->setEditText(QStringLiteral("127.0.0.1"));
    widget<QLineEdit>(wizard, "m_pedtPort")->setText(QString::number(m_server->port()));
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::TargetPage));
}

void TestCreateWizard::passTargetPage(CreateWizard* wizard)
{
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::AccountPage));
}

void TestCreateWizard::lookAndFinishText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("finishText");
    QTest::newRow("mode 1 goes on to the upload") << 1 << QStringLiteral("Start Uploading");
    QTest::newRow("mode 7 only creates") << 7 << QStringLiteral("Finish");
}

void TestCreateWizard::lookAndFinishText()
{
    QFETCH(int, mode);
    QFETCH(QString, finishText);
    auto wizard = openWizard(mode);
    QCOMPARE(wizard->buttonText(QWizard::FinishButton), finishText);
    QCOMPARE(wizard->size(), QSize(520, 355));
    QCOMPARE(wizard->windowTitle(), QStringLiteral("Vexalon Lumio Uploader"));
    QCOMPARE(wizard->pageIds(), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(widget<QLabel>(wizard.get(), "m_plbSvrNameIP")->text(), QStringLiteral("Server Name/IP"));
    QCOMPARE(widget<QLineEdit>(wizard.get(), "m_pedtPort")->text(), QStringLiteral("80"));
    QCOMPARE(widget<QLineEdit>(wizard.get(), "m_pedtProfName")->maxLength(), 32);
    QCOMPARE(wizard->button(QWizard::NextButton)->height(), 24);
    QVERIFY(!wizard->isBusy());
}

void TestCreateWizard::httpsSetsThePort()
{
    auto wizard = openWizard();
    auto* port = widget<QLineEdit>(wizard.get(), "m_pedtPort");
    auto* https = widget<QCheckBox>(wizard.get(), "m_pchkHTTPS");
    port->clear();
    QTest::keyClicks(port, QStringLiteral("8080"));
    https->setChecked(true);
    QCOMPARE(port->text(), QStringLiteral("443"));
    port->clear();
    QTest::keyClicks(port, QStringLiteral("8443"));
    https->setChecked(false);
    QCOMPARE(port->text(), QStringLiteral("80"));
    QCOMPARE(wizard->field(QStringLiteral("HostPort")).toString(), QStringLiteral("80"));
}

void TestCreateWizard::chosenServerFillsNameOnlyWhenUntouched_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("untouched name takes the server's") << QString() << QStringLiteral("lumio-reference");
    QTest::newRow("typed name stays") << QStringLiteral("My NAS") << QStringLiteral("My NAS");
}

void TestCreateWizard::chosenServerFillsNameOnlyWhenUntouched()
{
    QFETCH(QString, typedName);
    QFETCH(QString, expectedName);
    DiscoveryResponder::Identity identity;
    identity.httpPort = m_server->port();
    QVERIFY(m_responder->start(identity));
    auto wizard = openWizard();
    auto* name = widget<QLineEdit>(wizard.get(), "m_pedtProfName");
    if (!typedName.isEmpty())
        QTest::keyClicks(name, typedName);

    // The server shows once its web port has answered the probe.
    QComboBox* combo = wizard->serverPage()->serverCombo();
    QTRY_COMPARE_WITH_TIMEOUT(combo->count(), 1, kDiscoveryWaitMs);
    QCOMPARE(combo->model()->index(0, combo->modelColumn()).data().toString(),
             QStringLiteral("lumio-reference (127.0.0.1)"));
    QVERIFY(m_server->requestLog(QStringLiteral("probe")).size() >= 1);

    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    // The list reads like the rest of the page: the combo's font and colour, rows with room around
    // the text.
    QCOMPARE(QFontInfo(list->font()).family(), QFontInfo(combo->font()).family());
    QCOMPARE(QFontInfo(list->font()).pixelSize(), QFontInfo(combo->font()).pixelSize());
    QCOMPARE(list->palette().color(QPalette::Text), combo->palette().color(QPalette::Text));
    QVERIFY(list->visualRect(list->model()->index(0, combo->modelColumn())).height() >=
            list->fontMetrics().height() + 4);
    // The popup ignores a release that comes too soon after it opened.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    const QPoint item = list->visualRect(list->model()->index(0, combo->modelColumn())).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY(!list->isVisible());

    QCOMPARE(name->text(), expectedName);
    QCOMPARE(combo->currentText(), QStringLiteral("127.0.0.1"));
    QCOMPARE(wizard->field(QStringLiteral("HostAddr")).toString(), QStringLiteral("127.0.0.1"));
}

void TestCreateWizard::badPortIsRefused_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("above 65535") << QStringLiteral("65536");
    QTest::newRow("not a number") << QStringLiteral("abc");
    QTest::newRow("digits and letters") << QStringLiteral("80a");
}

void TestCreateWizard::badPortIsRefused()
{
    QFETCH(QString, port);
    auto wizard = openWizard();
    QVERIFY(QTest::qWaitForWindowActive(wizard.get()));
    widget<QLineEdit>(wizard.get(), "m_pedtProfName")->setText(QStringLiteral("Ports"));
    wizard->serverPage()->serverCombo()->setEditText(QStringLiteral("127.0.0.1"));
    auto* portEdit = widget<QLineEdit>(wizard.get(), "m_pedtPort");
    portEdit->setText(port);
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::ServerPage));
    QCOMPARE(m_prompter->shown.size(), 1);
    const ScriptedPrompter::Shown& shown = m_prompter->shown.first();
    QCOMPARE(shown.text, QStringLiteral("The port number must be between 1 and 65535."));
    QCOMPARE(shown.title, QStringLiteral("Error"));
    QCOMPARE(shown.icon, Prompter::Icon::Critical);
    QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(shown.parent == nullptr);
    QCOMPARE(QApplication::focusWidget(), portEdit);
    QVERIFY(!wizard->isBusy());
    QVERIFY(wizard->button(QWizard::NextButton)->isEnabled());
}

void TestCreateWizard::emptyPortKeepsNextDisabled()
{
    auto wizard = openWizard();
    widget<QLineEdit>(wizard.get(), "m_pedtProfName")->setText(QStringLiteral("Empty port"));
    auto* port = widget<QLineEdit>(wizard.get(), "m_pedtPort");
    QVERIFY(wizard->button(QWizard::NextButton)->isEnabled());
    port->clear();
    QVERIFY(!wizard->button(QWizard::NextButton)->isEnabled());
    QVERIFY(!wizard->currentPage()->isComplete());
    port->setText(QStringLiteral("80"));
    QVERIFY(wizard->button(QWizard::NextButton)->isEnabled());
}

void TestCreateWizard::serverEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("refusal");
    // The one discovered server is "lumio-old" at 127.0.0.1, of a build that cannot take uploads.
    QTest::newRow("loopback address is a host name, not the listed server")
        << QStringLiteral("127.0.0.1") << QString();
    QTest::newRow("listed server named is refused")
        << QStringLiteral("lumio-old")
        << QStringLiteral("This function is not supported by the connected server.");
    QTest::newRow("name that resolves") << QStringLiteral("localhost") << QString();
    QTest::newRow("name that cannot resolve")
        << QStringLiteral("bad..host") << QStringLiteral("Please enter a valid hostname or IP address.");
    QTest::newRow("empty server") << QString()
                                  << QStringLiteral("Please enter a valid hostname or IP address.");
}

void TestCreateWizard::serverEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, refusal);
    DiscoveryResponder::Identity identity;
    identity.name = QStringLiteral("lumio-old");
    identity.build = 1000;
    identity.httpPort = m_server->port();
    QVERIFY(m_responder->start(identity));
    auto wizard = openWizard();
    QTRY_COMPARE_WITH_TIMEOUT(wizard->serverMap()->size(), 1, kDiscoveryWaitMs);
    // Not upload-capable: found, but never offered.
    QCOMPARE(wizard->serverPage()->serverCombo()->count(), 0);

    widget<QLineEdit>(wizard.get(), "m_pedtProfName")->setText(QStringLiteral("Entry"));
    wizard->serverPage()->serverCombo()->setEditText(entry);
    wizard->next();
    if (refusal.isEmpty()) {
        QCOMPARE(m_prompter->messageTexts(), QStringList());
        QCOMPARE(wizard->currentId(), int(CreateWizard::TargetPage));
    } else {
        QCOMPARE(m_prompter->messageTexts(), QStringList{refusal});
        QCOMPARE(m_prompter->shown.first().icon, Prompter::Icon::Critical);
        QCOMPARE(wizard->currentId(), int(CreateWizard::ServerPage));
    }
}

void TestCreateWizard::notReadyServerIsAsked_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("page");
    QTest::newRow("no stays") << 1 << int(CreateWizard::ServerPage);
    QTest::newRow("yes goes on") << 0 << int(CreateWizard::TargetPage);
}

void TestCreateWizard::notReadyServerIsAsked()
{
    QFETCH(int, answer);
    QFETCH(int, page);
    // Not set up, so nothing is ever sent to its address; it is looked up by the address typed.
    DiscoveryResponder::Identity identity;
    identity.name = QStringLiteral("lumio-new");
    identity.address = QStringLiteral("10.11.12.13");
    identity.qcStatus = 0;
    QVERIFY(m_responder->start(identity));
    auto wizard = openWizard();
    QTRY_COMPARE_WITH_TIMEOUT(wizard->serverMap()->size(), 1, kDiscoveryWaitMs);

    widget<QLineEdit>(wizard.get(), "m_pedtProfName")->setText(QStringLiteral("New box"));
    wizard->serverPage()->serverCombo()->setEditText(QStringLiteral("10.11.12.13"));
    m_prompter->answerMessage(answer);
    wizard->next();
    QCOMPARE(m_prompter->shown.size(), 1);
    const ScriptedPrompter::Shown& shown = m_prompter->shown.first();
    QCOMPARE(shown.icon, Prompter::Icon::Warning);
    QCOMPARE(shown.title, QStringLiteral("Warning"));
    QCOMPARE(shown.text,
             QStringLiteral("Vexalon Korvat is not ready. To upload photos to [lumio-new], please make "
                            "sure the Korvat Manager is installed on the server and configurations "
                            "are set up correctly.\nAre you sure you want to continue?"));
    QCOMPARE(shown.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QCOMPARE(wizard->currentId(), page);
}

void TestCreateWizard::usableAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("usable");
    QTest::newRow("private address") << QStringLiteral("192.168.1.2") << true;
    QTest::newRow("lowest usable") << QStringLiteral("1.0.0.0") << true;
    QTest::newRow("highest usable") << QStringLiteral("223.255.255.255") << true;
    QTest::newRow("loopback") << QStringLiteral("127.0.0.1") << false;
    QTest::newRow("other loopback") << QStringLiteral("127.8.9.10") << false;
    QTest::newRow("this network") << QStringLiteral("0.255.255.255") << false;
    QTest::newRow("multicast") << QStringLiteral("224.0.0.1") << false;
    QTest::newRow("host name") << QStringLiteral("nas.local") << false;
    QTest::newRow("IPv6") << QStringLiteral("::1") << false;
}

void TestCreateWizard::usableAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, usable);
    QCOMPARE(ProfileRules::isUsableIPv4(text), usable);
}

void TestCreateWizard::nameInAnotherCaseIsRefused()
{
    ServerProfile stored;
    stored.setAll(QStringLiteral("Home NAS"), QStringLiteral("127.0.0.1"), 80, false, QStringLiteral("admin"),
                  QString(), false, QString(), false, true, true, true, QStringLiteral("RENAME"), QString(),
                  {});
    ProfileStore::createProfile(stored);
    auto wizard = openWizard();
    QVERIFY(QTest::qWaitForWindowActive(wizard.get()));
    auto* name = widget<QLineEdit>(wizard.get(), "m_pedtProfName");
    name->setText(QStringLiteral("HOME nas"));
    wizard->serverPage()->serverCombo()->setEditText(QStringLiteral("127.0.0.1"));
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::ServerPage));
    QCOMPARE(m_prompter->messageTexts(),
             QStringList{QStringLiteral("Profile name [HOME nas] already exists.")});
    QCOMPARE(QApplication::focusWidget(), name);

    name->setText(QStringLiteral("Home NAS 2"));
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::TargetPage));
}

void TestCreateWizard::personalTargetNeedsAName()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("Personal"));
    auto* standard = widget<QRadioButton>(wizard.get(), "m_pradLumio");
    auto* personal = widget<QRadioButton>(wizard.get(), "m_pradPersonalLumio");
    auto* personalName = widget<QLineEdit>(wizard.get(), "m_pedtPersonalName");
    QVERIFY(standard->isChecked());
    QVERIFY(!personalName->isEnabled());
    QCOMPARE(personalName->placeholderText(), QStringLiteral("User name"));

    personal->setChecked(true);
    QVERIFY(personalName->isEnabled());
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::TargetPage));
    QCOMPARE(m_prompter->messageTexts(),
             QStringList{QStringLiteral("Please enter the name of a Personal Lumio account.")});

    personalName->setText(QStringLiteral("demo"));
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::AccountPage));
    QCOMPARE(wizard->field(QStringLiteral("IsPersonalLumio")).toBool(), true);
}

void TestCreateWizard::accountPageDefaults()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("Defaults"));
    passTargetPage(wizard.get());
    auto* account = widget<QLineEdit>(wizard.get(), "m_pedtAccount");
    auto* password = widget<QLineEdit>(wizard.get(), "m_pedtPassword");
    auto* remember = widget<QCheckBox>(wizard.get(), "m_pchkSaveCred");
    QCOMPARE(account->text(), QStringLiteral("admin"));
    QVERIFY(password->text().isEmpty());
    QVERIFY(remember->isChecked());
    QVERIFY(password->isEnabled());
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(password->maxLength(), 254);
    QTRY_COMPARE(QApplication::focusWidget(), password);

    account->clear();
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::AccountPage));
    QCOMPARE(m_prompter->messageTexts(), QStringList{QStringLiteral("Enter a Lumio account")});
    QVERIFY(logins().isEmpty());
}

void TestCreateWizard::rememberPasswordOffSkipsTheLogin()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("No password"));
    passTargetPage(wizard.get());
    auto* password = widget<QLineEdit>(wizard.get(), "m_pedtPassword");
    widget<QCheckBox>(wizard.get(), "m_pchkSaveCred")->setChecked(false);
    QVERIFY(!password->isEnabled());
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::HintPage));
    QVERIFY(logins().isEmpty());
    QVERIFY(!m_profile.savepass);
    QCOMPARE(m_profile.account, QStringLiteral("admin"));
}

void TestCreateWizard::failedLoginStaysOnTheAccountPage()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("Wrong password"));
    passTargetPage(wizard.get());
    widget<QLineEdit>(wizard.get(), "m_pedtAccount")->setText(QStringLiteral("demo"));
    widget<QLineEdit>(wizard.get(), "m_pedtPassword")->setText(QStringLiteral("not the password"));
    wizard->next();
    QVERIFY(wizard->isBusy());
    QVERIFY(!wizard->button(QWizard::NextButton)->isEnabled());
    QTRY_COMPARE(m_prompter->messageTexts(),
                 QStringList{QStringLiteral("The account or password is invalid. Please try again.")});
    QTRY_VERIFY(!wizard->isLoginInProgress());
    QCOMPARE(wizard->currentId(), int(CreateWizard::AccountPage));
    QVERIFY(!wizard->isBusy());
    QVERIFY(wizard->button(QWizard::NextButton)->isEnabled());
    QCOMPARE(logins().size(), 1);
}

void TestCreateWizard::successfulLoginMovesOnAndFinishStores()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("Reference"));
    passTargetPage(wizard.get());
    widget<QLineEdit>(wizard.get(), "m_pedtAccount")->setText(QStringLiteral("demo"));
    widget<QLineEdit>(wizard.get(), "m_pedtPassword")->setText(QStringLiteral("demo"));
    wizard->next();
    QCOMPARE(wizard->currentId(), int(CreateWizard::AccountPage));
    QTRY_COMPARE(wizard->currentId(), int(CreateWizard::HintPage));
    QCOMPARE(m_prompter->shown.size(), 0);
    QCOMPARE(logins().size(), 1);
    QVERIFY(!wizard->isBusy());

    wizard->button(QWizard::FinishButton)->click();
    QCOMPARE(wizard->result(), int(QDialog::Accepted));
    QCOMPARE(logins().size(), 1);
    ServerProfile stored;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Reference"), &stored));
    QCOMPARE(stored.hostaddr, QStringLiteral("127.0.0.1"));
    QCOMPARE(stored.port, m_server->port());
    QCOMPARE(stored.account, QStringLiteral("demo"));
    QCOMPARE(stored.password, QStringLiteral("demo"));
    QVERIFY(stored.savepass);
    QVERIFY(!stored.https);
    QVERIFY(!stored.personal);
    QCOMPARE(stored.duphandler, QStringLiteral("RENAME"));
    QCOMPARE(m_profile.profname, QStringLiteral("Reference"));
    QCOMPARE(m_profile.baseUrl, QStringLiteral("http://127.0.0.1:%1").arg(m_server->port()));
}

void TestCreateWizard::changedPasswordIsCheckedAgain()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("Password change"));
    passTargetPage(wizard.get());
    widget<QLineEdit>(wizard.get(), "m_pedtAccount")->setText(QStringLiteral("demo"));
    auto* password = widget<QLineEdit>(wizard.get(), "m_pedtPassword");
    password->setText(QStringLiteral("demo"));
    wizard->next();
    QTRY_COMPARE(wizard->currentId(), int(CreateWizard::HintPage));

    wizard->back();
    password->setText(QStringLiteral("changed"));
    wizard->next();
    QTRY_COMPARE(m_prompter->messageTexts().size(), 1);
    QTRY_VERIFY(!wizard->isLoginInProgress());
    QCOMPARE(wizard->currentId(), int(CreateWizard::AccountPage));
    QCOMPARE(logins().size(), 2);
}

void TestCreateWizard::changedServerIsCheckedAgain()
{
    auto wizard = openWizard();
    passServerPage(wizard.get(), QStringLiteral("Server change"));
    passTargetPage(wizard.get());
    widget<QLineEdit>(wizard.get(), "m_pedtAccount")->setText(QStringLiteral("demo"));
    widget<QLineEdit>(wizard.get(), "m_pedtPassword")->setText(QStringLiteral("demo"));
    wizard->next();
    QTRY_COMPARE(wizard->currentId(), int(CreateWizard::HintPage));

    // Back to the target page: the login made for the shared Lumio says nothing about a personal one.
    wizard->back();
    wizard->back();
    widget<QRadioButton>(wizard.get(), "m_pradPersonalLumio")->setChecked(true);
    widget<QLineEdit>(wizard.get(), "m_pedtPersonalName")->setText(QStringLiteral("demo"));
    wizard->next();
    // Going back kept the account page's entries.
    QCOMPARE(widget<QLineEdit>(wizard.get(), "m_pedtAccount")->text(), QStringLiteral("demo"));
    wizard->next();
    QTRY_COMPARE(wizard->currentId(), int(CreateWizard::HintPage));
    QCOMPARE(m_prompter->messageTexts(), QStringList());
    QCOMPARE(logins().size(), 2);
    QCOMPARE(logins().last().value(QStringLiteral("site")).toString(), QStringLiteral("demo"));
}

void TestCreateWizard::hintPictureByLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("picture");
    QTest::newRow("German has its own") << QStringLiteral("deu") << QStringLiteral(":/images/hint_deu.png");
    QTest::newRow("Traditional Chinese has its own")
        << QStringLiteral("cht") << QStringLiteral(":/images/hint_cht.png");
    QTest::newRow("English uses the common one")
        << QStringLiteral("enu") << QStringLiteral(":/images/hint.png");
    QTest::newRow("Simplified Chinese uses the common one")
        << QStringLiteral("chs") << QStringLiteral(":/images/hint.png");
}

void TestCreateWizard::hintPictureByLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, picture);
    QCOMPARE(WizHintDialog::hintPicture(code), picture);
    QVERIFY(QFile::exists(picture));
}

void TestCreateWizard::searchWithoutAnswerSaysSo()
{
    auto wizard = std::make_unique<CreateWizard>(nullptr, 7, &m_manager, &m_profile);
    wizard->serverPage()->findHostUtils()->setTickInterval(10);
    wizard->show();
    QTRY_COMPARE_WITH_TIMEOUT(m_prompter->shown.size(), 1, kDiscoveryWaitMs);
    QTest::qWait(200);
    QCOMPARE(m_prompter->shown.size(), 1);
    const ScriptedPrompter::Shown& shown = m_prompter->shown.first();
    QCOMPARE(shown.icon, Prompter::Icon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Error"));
    QVERIFY2(shown.text.startsWith(
                 QStringLiteral("No Vexalon Korvat was found on the local network.Please make sure:")),
             qPrintable(shown.text));
    QVERIFY(
        shown.text.contains(QStringLiteral("<li>You have switched on the power of Vexalon Korvat.</li>")));
    QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(!wizard->serverPage()->findHostUtils()->isSearching());
}

LUMIO_TEST_MAIN(TestCreateWizard)
#include "tst_createwizard.moc"
