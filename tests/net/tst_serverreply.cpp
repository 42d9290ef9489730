#include "ServerReply.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QTest>

using Endpoint = ServerReply::Endpoint;
Q_DECLARE_METATYPE(ServerReply::Endpoint)

class TestServerReply : public QObject
{
    Q_OBJECT

private slots:
    void jsonOnlyWhenFirstByteIsBrace_data();
    void jsonOnlyWhenFirstByteIsBrace();
    void successTruthiness_data();
    void successTruthiness();
    void propertiesConvertLikeScriptValues_data();
    void propertiesConvertLikeScriptValues();
    void arraysBecomeTextLists();
    void networkErrorNames_data();
    void networkErrorNames();
    void errorKeys_data();
    void errorKeys();
};

void TestServerReply::jsonOnlyWhenFirstByteIsBrace_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("json");
    QTest::newRow("object") << QByteArray("{\"success\":true}") << true;
    QTest::newRow("leading blank") << QByteArray(" {\"success\":true}") << false;
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf{\"success\":true}") << false;
    QTest::newRow("html") << QByteArray("<html><body>Not found</body></html>") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("broken after brace") << QByteArray("{success: yes") << true;
}

void TestServerReply::jsonOnlyWhenFirstByteIsBrace()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, json);
    const ServerReply reply(body);
    QCOMPARE(reply.isJson(), json);
    if (!json || !reply.success())
        QVERIFY(!reply.strictSuccess());
}

void TestServerReply::successTruthiness_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("success");
    QTest::addColumn<bool>("strict");
    QTest::newRow("true") << QByteArray("{\"success\":true}") << true << true;
    QTest::newRow("false") << QByteArray("{\"success\":false}") << false << false;
    QTest::newRow("string true") << QByteArray("{\"success\":\"true\"}") << true << false;
    QTest::newRow("reason string") << QByteArray("{\"success\":\"disable_account\"}") << true << false;
    QTest::newRow("empty string") << QByteArray("{\"success\":\"\"}") << false << false;
    QTest::newRow("number 1") << QByteArray("{\"success\":1}") << true << false;
    QTest::newRow("number 0") << QByteArray("{\"success\":0}") << false << false;
    QTest::newRow("null") << QByteArray("{\"success\":null}") << false << false;
    QTest::newRow("missing") << QByteArray("{\"err_msg\":\"x\"}") << false << false;
    QTest::newRow("object") << QByteArray("{\"success\":{}}") << true << false;
    QTest::newRow("broken body") << QByteArray("{\"success\":true") << false << false;
    QTest::newRow("success with err_msg")
        << QByteArray("{\"success\":true,\"err_msg\":\"session_lost\"}") << true << true;
}

void TestServerReply::successTruthiness()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, success);
    QFETCH(bool, strict);
    const ServerReply reply(body);
    QCOMPARE(reply.success(), success);
    QCOMPARE(reply.strictSuccess(), strict);
}

void TestServerReply::propertiesConvertLikeScriptValues_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("string") << QByteArray("{\"err_msg\":\"no_privilege\"}") << "no_privilege";
    QTest::newRow("missing gives empty") << QByteArray("{\"success\":false}") << "";
    QTest::newRow("broken gives empty") << QByteArray("{\"err_msg\":") << "";
    QTest::newRow("integer") << QByteArray("{\"err_msg\":42}") << "42";
    QTest::newRow("fraction") << QByteArray("{\"err_msg\":1.5}") << "1.5";
    QTest::newRow("boolean") << QByteArray("{\"err_msg\":false}") << "false";
    QTest::newRow("null") << QByteArray("{\"err_msg\":null}") << "null";
    QTest::newRow("array") << QByteArray("{\"err_msg\":[\"a\",2]}") << "a,2";
    QTest::newRow("object") << QByteArray("{\"err_msg\":{}}") << "[object Object]";
    QTest::newRow("unicode escape") << QByteArray("{\"err_msg\":\"bad_dir_name_\\u00e4\"}")
                                    << "bad_dir_name_ä";
}

void TestServerReply::propertiesConvertLikeScriptValues()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(ServerReply(body).errorKey(), text);
}

void TestServerReply::arraysBecomeTextLists()
{
    const ServerReply reply("{\"success\":true,\"uploadable_albums\":[\"2012\",\"2012/"
                            "trip\",3,true],\"sub_albums\":[],\"s\":\"ab\"}");
    QCOMPARE(reply.stringList(QStringLiteral("uploadable_albums")),
             (QStringList{QStringLiteral("2012"), QStringLiteral("2012/trip"), QStringLiteral("3"),
                          QStringLiteral("true")}));
    QVERIFY(reply.stringList(QStringLiteral("sub_albums")).isEmpty());
    QVERIFY(reply.stringList(QStringLiteral("missing")).isEmpty());
    QCOMPARE(reply.stringList(QStringLiteral("s")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

void TestServerReply::networkErrorNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "NoError";
    QTest::newRow("3") << 3 << "HostNotFoundError";
    QTest::newRow("7 outside the table") << 7 << "reply_err_7";
    QTest::newRow("201 without suffix") << 201 << "ContentAccessDenied";
    QTest::newRow("203") << 203 << "ContentNotFoundError";
    QTest::newRow("399 without suffix") << 399 << "ProtocolFailure";
    QTest::newRow("401 outside") << 401 << "reply_err_401";
}

void TestServerReply::networkErrorNames()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(ServerReply::networkErrorName(code), name);
    QCOMPARE(ServerReply::transportErrorText(code),
             QStringLiteral("Connection error. (Error Code: ") + name + ')');
}

void TestServerReply::errorKeys_data()
{
    QTest::addColumn<Endpoint>("endpoint");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("lost");
    QTest::newRow("list session lost")
        << Endpoint::AlbumList << "session_lost"
        << "The connection is lost. Please log in to Korvat Manager again." << true;
    QTest::newRow("list other") << Endpoint::AlbumList << "no_privilege"
                                << "Unknown server error. (Error Code:no_privilege)" << false;
    QTest::newRow("sub-list empty key") << Endpoint::SubAlbumList << ""
                                        << "Unknown server error. (Error Code:)" << false;
    QTest::newRow("create bad name") << Endpoint::CreateAlbum << "bad_dir_name_a:b"
                                     << "Invalid folder name: a:b" << false;
    QTest::newRow("create duplicate") << Endpoint::CreateAlbum << "duplicated_file"
                                      << "Skip duplicate file" << false;
    QTest::newRow("create demo") << Endpoint::CreateAlbum << "demo_site_disable"
                                 << "This function is not available in the demo mode." << false;
    QTest::newRow("create lost") << Endpoint::CreateAlbum << "session_lost"
                                 << "The connection is lost. Please log in to Korvat Manager again." << true;
    QTest::newRow("create target key is unknown there")
        << Endpoint::CreateAlbum << "target_folder_not_found_x"
        << "Unknown server error. (Error Code:target_folder_not_found_x)" << false;
    QTest::newRow("upload target missing")
        << Endpoint::FileUpload << "target_folder_not_found_/2012/trip"
        << "The destination folder is not found:  /photo/2012/trip" << false;
    QTest::newRow("upload no privilege")
        << Endpoint::FileUpload << "no_privilege"
        << "You have no privileges to either create new albums or upload files." << false;
    QTest::newRow("upload bad name is unknown there")
        << Endpoint::FileUpload << "bad_dir_name_x"
        << "Unknown server error. (Error Code:bad_dir_name_x)" << false;
    QTest::newRow("case-sensitive") << Endpoint::FileUpload << "Session_Lost"
                                    << "Unknown server error. (Error Code:Session_Lost)" << false;
}

void TestServerReply::errorKeys()
{
    QFETCH(Endpoint, endpoint);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(bool, lost);
    bool sessionLost = false;
    QCOMPARE(ServerReply::errorText(endpoint, key, &sessionLost), text);
    QCOMPARE(sessionLost, lost);
}

LUMIO_TEST_MAIN(TestServerReply)
#include "tst_serverreply.moc"
