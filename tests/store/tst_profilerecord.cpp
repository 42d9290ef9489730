#include "CredentialObscurer.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

#include <cstring>

class TestProfileRecord : public QObject
{
    Q_OBJECT

private slots:
    void defaultRecord();
    void baseUrl_data();
    void baseUrl();
    void symbolCounts_data();
    void symbolCounts();
    void roundTripOnRandomInput();
    void revealLengthRules();
    void missingArguments();
    void textWrappers();
};

void TestProfileRecord::defaultRecord()
{
    const ServerProfile profile;
    QVERIFY(profile.baseUrl.isEmpty());
    QVERIFY(!profile.https && !profile.savepass && !profile.personal);
    QVERIFY(profile.idxonly && profile.incbackup && profile.daterename && profile.keepFolderStructure);
    QCOMPARE(profile.port, 0);
    QVERIFY(profile.qualities.isEmpty());
}

void TestProfileRecord::baseUrl_data()
{
    QTest::addColumn<bool>("https");
    QTest::addColumn<bool>("personal");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("url");
    QTest::newRow("plain") << false << false << "x"
                           << "http://nas.local:5000";
    QTest::newRow("https") << true << false << ""
                           << "https://nas.local:5000";
    QTest::newRow("personal with blank") << false << true << "Ann Lee"
                                         << "http://nas.local:5000/~Ann%20Lee";
    QTest::newRow("personal non-ASCII") << true << true << "Jörg"
                                        << "https://nas.local:5000/~J%C3%B6rg";
    QTest::newRow("personal reserved") << false << true << "a/b~c"
                                       << "http://nas.local:5000/~a%2Fb~c";
}

void TestProfileRecord::baseUrl()
{
    QFETCH(bool, https);
    QFETCH(bool, personal);
    QFETCH(QString, user);
    QFETCH(QString, url);
    ServerProfile profile;
    profile.keepFolderStructure = false;
    profile.setAll(QStringLiteral("p"), QStringLiteral("nas.local"), 5000, https, QStringLiteral("a"),
                   QStringLiteral("b"), false, user, personal, true, true, true, QStringLiteral("RENAME"),
                   QString(), {});
    QCOMPARE(profile.baseUrl, url);
    QVERIFY(!profile.keepFolderStructure);
}

void TestProfileRecord::symbolCounts_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("symbols");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("1 byte") << QByteArray("a") << 16;
    QTest::newRow("8 bytes") << QByteArray("abcdefgh") << 16;
    QTest::newRow("9 bytes") << QByteArray("abcdefghi") << 32;
}

void TestProfileRecord::symbolCounts()
{
    QFETCH(QByteArray, input);
    QFETCH(int, symbols);
    char out[256];
    QCOMPARE(CredentialObscurer::obscureBytes(input.constData(), out, sizeof out), symbols);
    QCOMPARE(static_cast<int>(std::strlen(out)), symbols);
    for (int i = 0; i < symbols; ++i)
        QVERIFY(QChar::fromLatin1(out[i]).isPrint());
}

void TestProfileRecord::roundTripOnRandomInput()
{
    QRandomGenerator random(12345);
    for (int round = 0; round < 5000; ++round) {
        const int length = 1 + random.bounded(300);
        QByteArray input(length, '\0');
        for (char& c : input)
            c = static_cast<char>(1 + random.bounded(255));
        char obscured[1024];
        char revealed[1024];
        QCOMPARE(CredentialObscurer::obscureBytes(input.constData(), obscured, sizeof obscured),
                 (length + 7) / 8 * 16);
        QCOMPARE(CredentialObscurer::revealBytes(obscured, revealed, sizeof revealed), length);
        QCOMPARE(QByteArray(revealed), input);
    }
}

void TestProfileRecord::revealLengthRules()
{
    char obscured[64];
    char revealed[64];
    QCOMPARE(CredentialObscurer::obscureBytes("secret", obscured, sizeof obscured), 16);
    QByteArray fifteen(obscured, 15);
    QCOMPARE(CredentialObscurer::revealBytes(fifteen.constData(), revealed, sizeof revealed), -1);
    QByteArray seventeen = QByteArray(obscured, 16) + 'Z';
    QCOMPARE(CredentialObscurer::revealBytes(seventeen.constData(), revealed, sizeof revealed), 6);
    QCOMPARE(QByteArray(revealed), QByteArray("secret"));
    QCOMPARE(CredentialObscurer::revealBytes("", revealed, sizeof revealed), 0);
    // Symbols outside the alphabet decode to something without failing or overrunning.
    QVERIFY(CredentialObscurer::revealBytes("!!!!!!!!!!!!!!!!", revealed, sizeof revealed) >= 0);
}

void TestProfileRecord::missingArguments()
{
    char out[64];
    QCOMPARE(CredentialObscurer::obscureBytes(nullptr, out, sizeof out), -1);
    QCOMPARE(CredentialObscurer::obscureBytes("a", nullptr, 0), -1);
    QCOMPARE(CredentialObscurer::revealBytes(nullptr, out, sizeof out), -1);
    QCOMPARE(CredentialObscurer::revealBytes("a", nullptr, 0), -1);
    // Too small an output buffer is refused rather than overrun.
    QCOMPARE(CredentialObscurer::obscureBytes("abcdefghi", out, 20), -1);
}

void TestProfileRecord::textWrappers()
{
    const QString password = QStringLiteral("pässwörd & 写真");
    const QString obscured = CredentialObscurer::obscureText(password);
    QVERIFY(!obscured.isEmpty());
    QVERIFY(obscured != password);
    QCOMPARE(CredentialObscurer::revealText(obscured), password);
    QVERIFY(CredentialObscurer::obscureText(QString()).isEmpty());
    QVERIFY(!CredentialObscurer::obscureText(QString(1016, QLatin1Char('x'))).isNull());
    QVERIFY(CredentialObscurer::obscureText(QString(1017, QLatin1Char('x'))).isNull());
    QVERIFY(CredentialObscurer::revealText(QStringLiteral("abc")).isNull());
}

LUMIO_TEST_MAIN(TestProfileRecord)
#include "tst_profilerecord.moc"
