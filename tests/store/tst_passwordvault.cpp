#include "AppPaths.h"
#include "PasswordVault.h"
#include "ProfileStore.h"
#include "ProfileSummary.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTest>

// Runs under tests/store/with-keyring.sh: a private D-Bus session with an unlocked GNOME Keyring.
class TestPasswordVault : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rememberedPasswordsLiveInTheKeyring_data();
    void rememberedPasswordsLiveInTheKeyring();
    void olderRowMovesToTheKeyring();
    void renameAndDeleteFollowTheProfile();

private:
    static void create(const QString& name, const QString& password, bool savepass);
    static QString column(const QString& name);
    static bool inKeyring(const QString& name, QString* password = nullptr);
};

void TestPasswordVault::initTestCase()
{
    if (!PasswordVault::isAvailable())
        QSKIP(
            "no Secret Service could be started here (dbus-run-session and gnome-keyring-daemon are needed)");
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
}

void TestPasswordVault::create(const QString& name, const QString& password, bool savepass)
{
    ServerProfile profile;
    profile.setAll(name, QStringLiteral("127.0.0.1"), 80, false, QStringLiteral("demo"), password, savepass,
                   QString(), false, true, true, true, QStringLiteral("RENAME"), QString(), {});
    ProfileStore::createProfile(profile);
}

QString TestPasswordVault::column(const QString& name)
{
    QSqlQuery query(ProfileStore::connection());
    query.prepare(QStringLiteral("SELECT password FROM ServerProfiles WHERE profname = ?"));
    query.addBindValue(name);
    return query.exec() && query.next() ? query.value(0).toString() : QStringLiteral("<no row>");
}

bool TestPasswordVault::inKeyring(const QString& name, QString* password)
{
    QString found;
    const bool present = PasswordVault::read(name, &found);
    if (password)
        *password = found;
    return present;
}

void TestPasswordVault::rememberedPasswordsLiveInTheKeyring_data()
{
    QTest::addColumn<bool>("savepass");
    QTest::newRow("remembered") << true;
    QTest::newRow("not remembered") << false;
}

void TestPasswordVault::rememberedPasswordsLiveInTheKeyring()
{
    QFETCH(bool, savepass);
    const QString name = savepass ? QStringLiteral("Kept") : QStringLiteral("Forgotten");
    create(name, QStringLiteral("p&ss w0rd"), savepass);
    QCOMPARE(column(name), QString());
    QString password;
    QCOMPARE(inKeyring(name, &password), savepass);
    ServerProfile loaded;
    QVERIFY(ProfileStore::loadProfile(name, &loaded));
    QCOMPARE(loaded.password, savepass ? QStringLiteral("p&ss w0rd") : QString());
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    QCOMPARE(summaries.value(name).password, loaded.password);
}

void TestPasswordVault::olderRowMovesToTheKeyring()
{
    create(QStringLiteral("Old"), QStringLiteral("x"), true);
    // As an older version left it: the password in the column, nothing in the keyring.
    QVERIFY(PasswordVault::remove(QStringLiteral("Old")));
    QVERIFY(QSqlQuery(ProfileStore::connection())
                .exec(QStringLiteral("UPDATE ServerProfiles SET password = 'older' WHERE profname = 'Old'")));
    ServerProfile loaded;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Old"), &loaded));
    QCOMPARE(loaded.password, QStringLiteral("older"));
    QCOMPARE(column(QStringLiteral("Old")), QString());
    QString password;
    QVERIFY(inKeyring(QStringLiteral("Old"), &password));
    QCOMPARE(password, QStringLiteral("older"));
}

void TestPasswordVault::renameAndDeleteFollowTheProfile()
{
    create(QStringLiteral("Before"), QStringLiteral("moving"), true);
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    ProfileSummary summary = summaries.value(QStringLiteral("Before"));
    QCOMPARE(summary.password, QStringLiteral("moving"));
    summary.profname = QStringLiteral("After");
    ProfileStore::updateProfileSummary(QStringLiteral("Before"), summary);
    QVERIFY(!inKeyring(QStringLiteral("Before")));
    QString password;
    QVERIFY(inKeyring(QStringLiteral("After"), &password));
    QCOMPARE(password, QStringLiteral("moving"));

    ProfileStore::removeProfile(QStringLiteral("After"));
    QVERIFY(!inKeyring(QStringLiteral("After")));
}

LUMIO_TEST_MAIN(TestPasswordVault)
#include "tst_passwordvault.moc"
