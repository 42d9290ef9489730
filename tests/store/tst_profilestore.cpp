#include "AppPaths.h"
#include "ProfileStore.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "Utf16File.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

ServerProfile makeProfile(const QString& name, QList<int> qualities = {})
{
    ServerProfile profile;
    profile.setAll(name, QStringLiteral("10.0.0.7"), 8080, true, QStringLiteral("ann"), QStringLiteral("pw"),
                   true, QStringLiteral("bob"), false, false, false, false, QStringLiteral("SKIP"),
                   QStringLiteral("/photo/x"), qualities);
    return profile;
}

QStringList shortcutFile()
{
    QStringList lines;
    Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), &lines);
    return lines;
}

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void freshStoreHasOnlyProfilesTable();
    void storeFileIsPrivate();
    void damagedStoreSaysSo();
    void createThenLoadGivesDefaultOptions_data();
    void createThenLoadGivesDefaultOptions();
    void awkwardNamesAreStoredExactly_data();
    void awkwardNamesAreStoredExactly();
    void existsIgnoresCaseButLoadDoesNot();
    void shortcutListIsDescending();
    void removeRewritesShortcutList();
    void unreadableTableKeepsShortcutList();
    void removeWithRecordsDropsThemAndRewrites();
    void summariesAndUpdates();
    void uploadOptionsAndCounter();
    void uploadRecordsFromAnotherThreadLand();
    void uploadRecordsLandWhileAnotherCopyReads();
    void deviceRecords();
    void fingerprint_data();
    void fingerprint();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfileStore::init()
{
    ProfileStore::close();
    QFile::remove(AppPaths::dataFile(QStringLiteral("ZULDatabase")));
    QFile::remove(AppPaths::dataFile(QStringLiteral("ShortCutList")));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestProfileStore::cleanup()
{
    ProfileStore::close();
}

void TestProfileStore::freshStoreHasOnlyProfilesTable()
{
    QVERIFY(QFile::exists(AppPaths::dataFile(QStringLiteral("ZULDatabase"))));
    QVERIFY(ProfileStore::profilesTableExists());
    QVERIFY(!ProfileStore::photoRecordsTableExists());
    QVERIFY(!ProfileStore::deviceRecordsTableExists());
    // A second start keeps the existing table and its rows.
    ProfileStore::createProfile(makeProfile(QStringLiteral("keep")));
    ProfileStore::close();
    QVERIFY(ProfileStore::open());
    QVERIFY(ProfileStore::profilesTableExists());
    QVERIFY(ProfileStore::profileExists(QStringLiteral("keep")));
}

void TestProfileStore::storeFileIsPrivate()
{
    const QFile::Permissions permissions =
        QFile::permissions(AppPaths::dataFile(QStringLiteral("ZULDatabase")));
    QCOMPARE(permissions & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
    QVERIFY(permissions & QFile::ReadOwner);
}

void TestProfileStore::damagedStoreSaysSo()
{
    ProfileStore::close();
    const QString path = m_dir->filePath(QStringLiteral("ZULDatabase"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    QVERIFY(!ProfileStore::open(path));
    QCOMPARE(ProfileStore::openErrorText(),
             QStringLiteral("The profile store %1 cannot be read: file is not a database").arg(path));
    QVERIFY(ProfileStore::open());
    QVERIFY(ProfileStore::openErrorText().isEmpty());
}

void TestProfileStore::createThenLoadGivesDefaultOptions_data()
{
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QList<int>>("loaded");
    QTest::newRow("none") << QList<int>{} << QList<int>{};
    QTest::newRow("all in any order") << QList<int>{3, 0, 1, 2} << QList<int>{2, 1, 0, 3};
    QTest::newRow("high and mobile") << QList<int>{0, 3} << QList<int>{0, 3};
    QTest::newRow("medium and low") << QList<int>{1, 2} << QList<int>{2, 1};
}

void TestProfileStore::createThenLoadGivesDefaultOptions()
{
    QFETCH(QList<int>, chosen);
    QFETCH(QList<int>, loaded);
    ProfileStore::createProfile(makeProfile(QStringLiteral("Home"), chosen));
    ServerProfile profile;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Home"), &profile));
    QCOMPARE(profile.hostaddr, QStringLiteral("10.0.0.7"));
    QCOMPARE(profile.port, 8080);
    QVERIFY(profile.https && profile.savepass && !profile.personal);
    QCOMPARE(profile.account, QStringLiteral("ann"));
    QCOMPARE(profile.password, QStringLiteral("pw"));
    QCOMPARE(profile.usrname, QStringLiteral("bob"));
    QVERIFY(profile.idxonly && profile.incbackup && profile.daterename);
    QCOMPARE(profile.duphandler, QStringLiteral("RENAME"));
    QCOMPARE(profile.serverdst, QString());
    QCOMPARE(profile.qualities, loaded);
    QCOMPARE(profile.baseUrl, QStringLiteral("https://10.0.0.7:8080"));
}

void TestProfileStore::awkwardNamesAreStoredExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("quote") << "Bob's NAS"
                           << "it's";
    QTest::newRow("percent marker") << "100%1 sure"
                                    << "%2%3";
    QTest::newRow("sql text") << "x'); drop table ServerProfiles; --"
                              << "' or '1'='1";
    QTest::newRow("non-ASCII") << QStringLiteral("Fotos für Ömer 写真") << QStringLiteral("pässwörd");
}

void TestProfileStore::awkwardNamesAreStoredExactly()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    ServerProfile created = makeProfile(name);
    created.password = password;
    ProfileStore::createProfile(created);
    ServerProfile loaded;
    QVERIFY(ProfileStore::loadProfile(name, &loaded));
    QCOMPARE(loaded.profname, name);
    QCOMPARE(loaded.password, password);
    QVERIFY(ProfileStore::profilesTableExists());
    QCOMPARE(shortcutFile(), (QStringList{QStringLiteral("1"), name}));
    ProfileStore::setProfileColumn(QStringLiteral("ServerProfiles"), name, QStringLiteral("serverdst"), name);
    QVERIFY(ProfileStore::loadProfile(name, &loaded));
    QCOMPARE(loaded.serverdst, name);
}

void TestProfileStore::existsIgnoresCaseButLoadDoesNot()
{
    ScriptedPrompter prompter;
    ProfileStore::createProfile(makeProfile(QStringLiteral("Home")));
    QVERIFY(ProfileStore::profileExists(QStringLiteral("HOME")));
    QVERIFY(!ProfileStore::profileExists(QStringLiteral("Hom")));
    ServerProfile profile;
    QVERIFY(!ProfileStore::loadProfile(QStringLiteral("HOME"), &profile));
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.first().title, QStringLiteral("Error"));
    QVERIFY(prompter.shown.first().text.startsWith(QStringLiteral("Database error (")));
    QCOMPARE(prompter.shown.first().icon, Prompter::Icon::Critical);
}

void TestProfileStore::shortcutListIsDescending()
{
    for (const char* name : {"a", "c", "b"})
        ProfileStore::createProfile(makeProfile(QLatin1String(name)));
    QCOMPARE(shortcutFile(), (QStringList{QStringLiteral("3"), QStringLiteral("c"), QStringLiteral("b"),
                                          QStringLiteral("a")}));
    QCOMPARE(ProfileStore::shortcutIndexOf(QStringLiteral("a")), 2);
    QCOMPARE(ProfileStore::shortcutIndexOf(QStringLiteral("C")), 0);
    QCOMPARE(ProfileStore::shortcutIndexOf(QStringLiteral("missing")), 0);
    QFile raw(AppPaths::dataFile(QStringLiteral("ShortCutList")));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.read(2) == QByteArray("\xff\xfe", 2));
}

void TestProfileStore::removeRewritesShortcutList()
{
    // Without upload records too: a stale list would make index 1 ("b") stand for "a".
    for (const char* name : {"c", "b", "a"})
        ProfileStore::createProfile(makeProfile(QLatin1String(name)));
    ProfileStore::removeProfile(QStringLiteral("c"));
    QVERIFY(!ProfileStore::profileExists(QStringLiteral("c")));
    QCOMPARE(shortcutFile(), (QStringList{QStringLiteral("2"), QStringLiteral("b"), QStringLiteral("a")}));
    QCOMPARE(ProfileStore::shortcutIndexOf(QStringLiteral("a")), 1);
    // Written through a new file renamed over the old one: nothing else is left in the folder but the
    // open store's own log.
    QStringList files = QDir(AppPaths::dataFolder()).entryList(QDir::Files | QDir::Hidden);
    files.removeAll(QStringLiteral("ZULDatabase-wal"));
    files.removeAll(QStringLiteral("ZULDatabase-shm"));
    QCOMPARE(files, (QStringList{QStringLiteral("ShortCutList"), QStringLiteral("ZULDatabase")}));
}

void TestProfileStore::unreadableTableKeepsShortcutList()
{
    ProfileStore::createProfile(makeProfile(QStringLiteral("a")));
    QVERIFY(QSqlQuery(ProfileStore::connection())
                .exec(QStringLiteral("ALTER TABLE ServerProfiles RENAME TO Elsewhere")));
    ProfileStore::writeShortcutList();
    QCOMPARE(shortcutFile(), (QStringList{QStringLiteral("1"), QStringLiteral("a")}));
}

void TestProfileStore::removeWithRecordsDropsThemAndRewrites()
{
    ProfileStore::createProfile(makeProfile(QStringLiteral("a")));
    ProfileStore::createProfile(makeProfile(QStringLiteral("a")));
    ProfileStore::createPhotoRecordsTable();
    ProfileStore::addUploadRecord(QStringLiteral("x.jpg"), QStringLiteral("a"), 10, QStringLiteral("5"),
                                  QStringLiteral("m"));
    ProfileStore::removeProfile(QStringLiteral("a"));
    // Only the first of two rows of the same name goes.
    QVERIFY(ProfileStore::profileExists(QStringLiteral("a")));
    QCOMPARE(shortcutFile(), (QStringList{QStringLiteral("1"), QStringLiteral("a")}));
    QVERIFY(ProfileStore::uploadedFingerprints(QStringLiteral("x.jpg"), QStringLiteral("a"), 10,
                                               QStringLiteral("5"))
                .isEmpty());
}

void TestProfileStore::summariesAndUpdates()
{
    ProfileStore::createProfile(makeProfile(QStringLiteral("b")));
    ProfileStore::createProfile(makeProfile(QStringLiteral("A")));
    ProfileSummaryMap map;
    ProfileStore::loadProfileSummaries(&map);
    QCOMPARE(map.keys(), (QStringList{QStringLiteral("A"), QStringLiteral("b")}));
    QVERIFY(ProfileStore::summaryFor(&map, QString()) == nullptr);
    QVERIFY(ProfileStore::summaryFor(&map, QStringLiteral("zz")) == nullptr);
    ProfileSummary* summary = ProfileStore::summaryFor(&map, QStringLiteral("B"));
    QVERIFY(summary);
    QCOMPARE(summary->profname, QStringLiteral("b"));
    QCOMPARE(summary->port, 8080);
    ProfileStore::setCertificatePin(QStringLiteral("b"), QStringLiteral("AB:CD"));
    summary->profname = QStringLiteral("renamed");
    summary->hostaddr = QStringLiteral("nas.local");
    summary->https = false;
    ProfileStore::updateProfileSummary(QStringLiteral("b"), *summary);
    ServerProfile loaded;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("renamed"), &loaded));
    QCOMPARE(loaded.baseUrl, QStringLiteral("http://nas.local:8080"));
    QCOMPARE(shortcutFile(),
             (QStringList{QStringLiteral("2"), QStringLiteral("renamed"), QStringLiteral("A")}));
    // The pinned certificate follows the name.
    QCOMPARE(loaded.certpin, QStringLiteral("AB:CD"));
    QVERIFY(!loaded.pinOnFirstUse);
    QString pin;
    QVERIFY(!ProfileStore::certificatePin(QStringLiteral("b"), &pin));

    // "Remember password" off in the settings dialog: the typed password is not kept.
    summary->savepass = false;
    summary->password = QStringLiteral("typed");
    ProfileStore::updateProfileSummary(QStringLiteral("renamed"), *summary);
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("renamed"), &loaded));
    QCOMPARE(loaded.password, QString());

    // A store of an older version has no pins at all: its profiles pin on first use.
    QVERIFY(QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DROP TABLE CertificatePins")));
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("A"), &loaded));
    QVERIFY(loaded.pinOnFirstUse);
    QCOMPARE(loaded.certpin, QString());
}

void TestProfileStore::uploadOptionsAndCounter()
{
    ProfileStore::createProfile(makeProfile(QStringLiteral("p")));
    ServerProfile profile;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("p"), &profile));
    profile.idxonly = false;
    profile.duphandler = QStringLiteral("OVERWRITE");
    profile.serverdst = QStringLiteral("/photo/2012");
    ProfileStore::saveUploadOptions(profile);
    ProfileStore::incrementUsageCounter(QStringLiteral("p"));
    ProfileStore::incrementUsageCounter(QStringLiteral("p"));
    ServerProfile again;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("p"), &again));
    QVERIFY(!again.idxonly);
    QCOMPARE(again.duphandler, QStringLiteral("OVERWRITE"));
    QCOMPARE(again.serverdst, QStringLiteral("/photo/2012"));
    QSqlQuery query(ProfileStore::connection());
    QVERIFY(query.exec(QStringLiteral("SELECT counter FROM ServerProfiles WHERE profname = 'p'")) &&
            query.next());
    QCOMPARE(query.value(0).toInt(), 2);
}

void TestProfileStore::uploadRecordsFromAnotherThreadLand()
{
    QString threadError;
    std::unique_ptr<QThread> worker(QThread::create([&threadError] {
        if (!ProfileStore::photoRecordsTableExists())
            ProfileStore::createPhotoRecordsTable();
        for (int i = 0; i < 3; ++i)
            ProfileStore::addUploadRecord(QStringLiteral("IMG_%1.jpg").arg(i), QStringLiteral("p'x"),
                                          1000 + i, QStringLiteral("1336000000"), QStringLiteral("abc"));
        if (!ProfileStore::connection().isOpen())
            threadError = QStringLiteral("worker connection not open");
    }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QVERIFY2(threadError.isEmpty(), qPrintable(threadError));
    QVERIFY(ProfileStore::photoRecordsTableExists());
    QCOMPARE(ProfileStore::uploadedFingerprints(QStringLiteral("IMG_2.jpg"), QStringLiteral("p'x"), 1002,
                                                QStringLiteral("1336000000")),
             QStringList{QStringLiteral("abc")});
    QVERIFY(ProfileStore::uploadedFingerprints(QStringLiteral("IMG_2.jpg"), QStringLiteral("p'x"), 1003,
                                               QStringLiteral("1336000000"))
                .isEmpty());
}

void TestProfileStore::uploadRecordsLandWhileAnotherCopyReads()
{
    ProfileStore::createPhotoRecordsTable();
    QVERIFY(ProfileStore::addUploadRecord(QStringLiteral("a.jpg"), QStringLiteral("p"), 1,
                                          QStringLiteral("1336000000"), QStringLiteral("abc")));
    // Another copy of the program in the middle of its skip-uploaded check: a read that stays open.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(ProfileStore::databasePath());
        QVERIFY(other.open());
        QSqlQuery reading(other);
        QVERIFY(reading.exec(QStringLiteral("BEGIN")));
        QVERIFY(reading.exec(QStringLiteral("SELECT name FROM PhotoRecords")) && reading.next());

        QString threadError;
        bool recorded = false;
        std::unique_ptr<QThread> uploader(QThread::create([&] {
            recorded = ProfileStore::addUploadRecord(QStringLiteral("b.jpg"), QStringLiteral("p"), 2,
                                                     QStringLiteral("1336000000"), QStringLiteral("def"),
                                                     &threadError);
        }));
        uploader->start();
        QVERIFY(uploader->wait(20000));
        QVERIFY2(recorded, qPrintable(threadError));
        QVERIFY(reading.exec(QStringLiteral("COMMIT")));
        reading.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QCOMPARE(ProfileStore::uploadedFingerprints(QStringLiteral("b.jpg"), QStringLiteral("p"), 2,
                                                QStringLiteral("1336000000")),
             QStringList{QStringLiteral("def")});
}

void TestProfileStore::deviceRecords()
{
    QVERIFY(!ProfileStore::deviceRecordsTableExists());
    ProfileStore::createDeviceRecordsTable();
    ProfileStore::addDeviceRecord(QStringLiteral("DSC1.JPG"), QStringLiteral("p"), QStringLiteral("123"),
                                  QStringLiteral("2012-05-01"), QStringLiteral("usb:001"));
    QVERIFY(ProfileStore::deviceRecordExists(QStringLiteral("DSC1.JPG"), QStringLiteral("p"),
                                             QStringLiteral("123"), QStringLiteral("2012-05-01"),
                                             QStringLiteral("usb:001")));
    QVERIFY(!ProfileStore::deviceRecordExists(QStringLiteral("DSC1.JPG"), QStringLiteral("p"),
                                              QStringLiteral("123"), QStringLiteral("2012-05-01"),
                                              QStringLiteral("usb:002")));
}

void TestProfileStore::fingerprint_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("md5");
    QByteArray large;
    for (int i = 0; i < 3000; ++i)
        large.append(static_cast<char>((i * 7) % 251 + 1));
    // Expected values computed independently: MD5(head up to zero + middle up to zero).
    QTest::newRow("empty") << QByteArray() << "d41d8cd98f00b204e9800998ecf8427e";
    QTest::newRow("tiny") << QByteArray("abcdef") << "f826b36958f7b53d353420c8b0608d3c";
    QTest::newRow("zero inside") << QByteArray("ab\0cdefgh", 9) << "c3de2de3fbbefa3282dec1bb034dc549";
    QTest::newRow("large") << large << "beb9adbfcd4a2b601585881bc6a6f3fe";
    QTest::newRow("large with early zero")
        << (QByteArray(100, 'A') + QByteArray(1, '\0') + QByteArray(3000, 'B'))
        << "15ff58171fcd8facad42296f5123db16";
}

void TestProfileStore::fingerprint()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, md5);
    const QString path = m_dir->filePath(QStringLiteral("f.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(ProfileStore::fileFingerprint(path), md5);
}

LUMIO_TEST_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
