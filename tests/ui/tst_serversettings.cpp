#include "AppPaths.h"
#include "DiscoveryResponder.h"
#include "FindHostUtils.h"
#include "ProfileStore.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "ServerSettings.h"
#include "TestEnvironment.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>
#include <QTranslator>

namespace {

const int kDiscoveryWaitMs = 15000;

ProfileSummary summaryOf(const QString& name)
{
    ProfileSummaryMap map;
    ProfileStore::loadProfileSummaries(&map);
    return map.value(name);
}

QString storedDestination(const QString& name)
{
    ServerProfile profile;
    ProfileStore::loadProfile(name, &profile);
    return profile.serverdst;
}

} // namespace

class TestServerSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void filledFromTheSummary_data();
    void filledFromTheSummary();
    void httpsKeepsThePort();
    void savePasswordBoxDisablesTheEdit();
    void keyringNoteFits_data();
    void keyringNoteFits();
    void refusals_data();
    void refusals();
    void nameInAnotherCase_data();
    void nameInAnotherCase();
    void destinationReset_data();
    void destinationReset();
    void cancelLeavesTheSummary();
    void discoveredServerNotUploadCapable();

private:
    template <typename T> T* widget(ServerSettings* dialog, const char* name)
    {
        return dialog->findChild<T*>(QLatin1String(name));
    }

    std::unique_ptr<ScriptedPrompter> m_prompter;
    QNetworkAccessManager m_manager;
};

void TestServerSettings::initTestCase()
{
    DiscoveryResponder::useLoopbackDiscovery();
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
}

void TestServerSettings::init()
{
    m_prompter = std::make_unique<ScriptedPrompter>();
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM ServerProfiles"));
    ServerProfile home;
    home.setAll(QStringLiteral("Home"), QStringLiteral("127.0.0.1"), 5000, false, QStringLiteral("jane"),
                QStringLiteral("secret"), true, QString(), false, true, true, true, QStringLiteral("RENAME"),
                QString(), {});
    ProfileStore::createProfile(home);
    ServerProfile office;
    office.setAll(QStringLiteral("Office"), QStringLiteral("localhost"), 443, true, QStringLiteral("john"),
                  QString(), false, QStringLiteral("john"), true, true, true, true, QStringLiteral("RENAME"),
                  QString(), {});
    ProfileStore::createProfile(office);
    for (const QString& name : {QStringLiteral("Home"), QStringLiteral("Office")})
        ProfileStore::setProfileColumn(QStringLiteral("ServerProfiles"), name, QStringLiteral("serverdst"),
                                       QStringLiteral("/photo/2012"));
}

void TestServerSettings::cleanup()
{
    m_prompter.reset();
}

void TestServerSettings::filledFromTheSummary_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("standard target, password remembered") << QStringLiteral("Home");
    QTest::newRow("personal target, password not remembered") << QStringLiteral("Office");
}

void TestServerSettings::filledFromTheSummary()
{
    QFETCH(QString, name);
    ProfileSummary summary = summaryOf(name);
    ServerSettings dialog(nullptr, &m_manager, &summary);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vexalon Lumio Uploader"));
    QCOMPARE(dialog.size(), QSize(520, 480));
    QCOMPARE(widget<QLabel>(&dialog, "m_plbTitle")->geometry(), QRect(15, 0, 520, 50));
    QCOMPARE(widget<QPushButton>(&dialog, "m_pbtnSave")->text(), QStringLiteral("Save"));
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtProfName")->text(), summary.profname);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtProfName")->maxLength(), 32);
    QCOMPARE(widget<QComboBox>(&dialog, "m_cbxIP")->currentText(), summary.hostaddr);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPort")->text(), QString::number(summary.port));
    QCOMPARE(widget<QCheckBox>(&dialog, "m_pchkHTTPS")->isChecked(), summary.https);
    QCOMPARE(widget<QRadioButton>(&dialog, "m_pradPersonalLumio")->isChecked(), summary.personal);
    QCOMPARE(widget<QRadioButton>(&dialog, "m_pradLumio")->isChecked(), !summary.personal);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPersonalName")->isEnabled(), summary.personal);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPersonalName")->text(),
             summary.personal ? summary.usrname : QString());
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtAccount")->text(), summary.account);
    QCOMPARE(widget<QCheckBox>(&dialog, "m_pchkSaveCred")->isChecked(), summary.savepass);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPassword")->isEnabled(), summary.savepass);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPassword")->text(),
             summary.savepass ? summary.password : QString());
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPassword")->echoMode(), QLineEdit::Password);
}

void TestServerSettings::httpsKeepsThePort()
{
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    ServerSettings dialog(nullptr, &m_manager, &summary);
    widget<QCheckBox>(&dialog, "m_pchkHTTPS")->setChecked(true);
    QCOMPARE(widget<QLineEdit>(&dialog, "m_pedtPort")->text(), QStringLiteral("5000"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(summary.port, 5000);
    QVERIFY(summary.https);
}

void TestServerSettings::savePasswordBoxDisablesTheEdit()
{
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    ServerSettings dialog(nullptr, &m_manager, &summary);
    auto* password = widget<QLineEdit>(&dialog, "m_pedtPassword");
    widget<QCheckBox>(&dialog, "m_pchkSaveCred")->setChecked(false);
    QVERIFY(!password->isEnabled());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!summary.savepass);
    QCOMPARE(summary.password, QStringLiteral("secret"));
    // The test session has no keyring, and the dialog says where a remembered password goes instead.
    auto* note = widget<QLabel>(&dialog, "m_plbKeyring");
    QVERIFY(!note->isHidden());
    QVERIFY(note->text().contains(QLatin1String("profile database")));
}

void TestServerSettings::keyringNoteFits_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& file : QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")}))
        QTest::newRow(qPrintable(file)) << QFileInfo(file).completeBaseName();
}

// Every line of the note is shown, above the buttons, in every language.
void TestServerSettings::keyringNoteFits()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(VexaLocale::translationFileFor(language)));
    QCoreApplication::installTranslator(&translator);
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    ServerSettings dialog(nullptr, &m_manager, &summary);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::removeTranslator(&translator);
    auto* note = widget<QLabel>(&dialog, "m_plbKeyring");
    QVERIFY(note->isVisible());
    const int needed = note->heightForWidth(note->width());
    QVERIFY2(note->height() >= needed, qPrintable(QStringLiteral("%1 < %2").arg(note->height()).arg(needed)));
    auto* save = widget<QPushButton>(&dialog, "m_pbtnSave");
    QVERIFY(note->mapTo(&dialog, QPoint(0, note->height())).y() <= save->mapTo(&dialog, QPoint()).y());
}

void TestServerSettings::refusals_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("personal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    const int critical = int(Prompter::Icon::Critical);
    const int warning = int(Prompter::Icon::Warning);
    QTest::newRow("port zero") << "m_pedtPort"
                               << "0" << false << "The port number must be between 1 and 65535." << critical;
    QTest::newRow("port not a number")
        << "m_pedtPort"
        << "http" << false << "The port number must be between 1 and 65535." << critical;
    QTest::newRow("server that cannot resolve")
        << "m_cbxIP"
        << "bad..host" << false << "Please enter a valid hostname or IP address." << critical;
    QTest::newRow("empty profile name")
        << "m_pedtProfName"
        << "" << false << "Please enter a profile name for this server." << warning;
    QTest::newRow("empty port") << "m_pedtPort"
                                << "" << false << "Please enter the port number." << warning;
    QTest::newRow("personal target without a name")
        << "m_pedtPersonalName"
        << "" << true << "Please enter the name of a Personal Lumio account." << warning;
    QTest::newRow("empty account") << "m_pedtAccount"
                                   << "" << false << "Enter a Lumio account" << warning;
}

void TestServerSettings::refusals()
{
    QFETCH(QString, widgetName);
    QFETCH(QString, value);
    QFETCH(bool, personal);
    QFETCH(QString, text);
    QFETCH(int, icon);
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    const ProfileSummary before = summary;
    ServerSettings dialog(nullptr, &m_manager, &summary);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    widget<QRadioButton>(&dialog, personal ? "m_pradPersonalLumio" : "m_pradLumio")->setChecked(true);
    QWidget* target = dialog.findChild<QWidget*>(widgetName);
    if (auto* combo = qobject_cast<QComboBox*>(target))
        combo->setEditText(value);
    else
        qobject_cast<QLineEdit*>(target)->setText(value);

    widget<QPushButton>(&dialog, "m_pbtnSave")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_prompter->messageTexts(), QStringList{text});
    QCOMPARE(int(m_prompter->shown.first().icon), icon);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(summary.profname, before.profname);
    QCOMPARE(summary.hostaddr, before.hostaddr);
    QCOMPARE(summary.account, before.account);
    QCOMPARE(storedDestination(QStringLiteral("Home")), QStringLiteral("/photo/2012"));
}

void TestServerSettings::nameInAnotherCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("own name kept") << QStringLiteral("Home") << true;
    QTest::newRow("other profile's name in another case") << QStringLiteral("OFFICE") << false;
    QTest::newRow("new name") << QStringLiteral("Cottage") << true;
}

void TestServerSettings::nameInAnotherCase()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    ServerSettings dialog(nullptr, &m_manager, &summary);
    widget<QLineEdit>(&dialog, "m_pedtProfName")->setText(name);
    dialog.accept();
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    if (accepted) {
        QCOMPARE(m_prompter->messageTexts(), QStringList());
        QCOMPARE(summary.profname, name);
    } else {
        QCOMPARE(m_prompter->messageTexts(),
                 QStringList{QStringLiteral("Profile name [%1] already exists.").arg(name)});
        QCOMPARE(summary.profname, QStringLiteral("Home"));
    }
}

void TestServerSettings::destinationReset_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("destination");
    QTest::newRow("other server") << "Home"
                                  << "m_cbxIP"
                                  << "localhost"
                                  << "/photo";
    QTest::newRow("other personal Lumio") << "Office"
                                          << "m_pedtPersonalName"
                                          << "jane"
                                          << "/photo";
    QTest::newRow("only the account") << "Home"
                                      << "m_pedtAccount"
                                      << "someone"
                                      << "/photo/2012";
    QTest::newRow("only the port") << "Office"
                                   << "m_pedtPort"
                                   << "8443"
                                   << "/photo/2012";
    QTest::newRow("switch to the standard Lumio") << "Office"
                                                  << "m_pradLumio"
                                                  << ""
                                                  << "/photo";
}

void TestServerSettings::destinationReset()
{
    QFETCH(QString, profile);
    QFETCH(QString, widgetName);
    QFETCH(QString, value);
    QFETCH(QString, destination);
    ProfileSummary summary = summaryOf(profile);
    ServerSettings dialog(nullptr, &m_manager, &summary);
    QWidget* target = dialog.findChild<QWidget*>(widgetName);
    if (auto* combo = qobject_cast<QComboBox*>(target))
        combo->setEditText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->setText(value);
    else
        qobject_cast<QRadioButton*>(target)->setChecked(true);
    dialog.accept();
    QCOMPARE(m_prompter->messageTexts(), QStringList());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedDestination(profile), destination);
}

void TestServerSettings::cancelLeavesTheSummary()
{
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    ServerSettings dialog(nullptr, &m_manager, &summary);
    widget<QLineEdit>(&dialog, "m_pedtAccount")->setText(QStringLiteral("changed"));
    widget<QPushButton>(&dialog, "m_pbtnCancel")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(summary.account, QStringLiteral("jane"));
}

void TestServerSettings::discoveredServerNotUploadCapable()
{
    DiscoveryResponder responder;
    DiscoveryResponder::Identity identity;
    identity.name = QStringLiteral("lumio-old");
    identity.build = 1092;
    identity.qcStatus = 2;
    QVERIFY(responder.start(identity));
    ProfileSummary summary = summaryOf(QStringLiteral("Home"));
    ServerSettings dialog(nullptr, &m_manager, &summary);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(dialog.serverMap()->size(), 1, kDiscoveryWaitMs);
    widget<QComboBox>(&dialog, "m_cbxIP")->setEditText(QStringLiteral("lumio-old"));
    dialog.accept();
    QCOMPARE(m_prompter->messageTexts(),
             QStringList{QStringLiteral("This function is not supported by the connected server.")});
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.isVisible());
}

LUMIO_TEST_MAIN(TestServerSettings)
#include "tst_serversettings.moc"
