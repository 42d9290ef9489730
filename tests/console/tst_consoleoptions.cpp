#include "ConsoleOptions.h"
#include "ConsoleReport.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QTest>

class TestConsoleOptions : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void rejected_data();
    void rejected();
    void qualities_data();
    void qualities();
    void album_data();
    void album();
    void applyTo_data();
    void applyTo();
    void byteAndDurationTexts_data();
    void byteAndDurationTexts();
    void progressLine_data();
    void progressLine();
};

void TestConsoleOptions::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("summary");

    QTest::newRow("profile and path only keep every stored option")
        << QStringList{"--profile", "Home", "pictures"} << int(ConsoleOptions::Command::Upload)
        << "Home|album=|keep=unset|skip=unset|supported=unset|rename=unset|qualities=unset|dup=|dry=0|json=0|"
           "save=0";
    QTest::newRow("every upload option")
        << QStringList{"--profile=Home", "--album",         "/photo/2026/trip",
                       "--flat",         "--video-quality", "mobile,low",
                       "--duplicates",   "Overwrite",       "--no-skip-uploaded",
                       "--all-files",    "--keep-names",    "--dry-run",
                       "--json",         "--save-options",  "pictures"}
        << int(ConsoleOptions::Command::Upload)
        << "Home|album=/photo/2026/"
           "trip|keep=0|skip=0|supported=0|rename=0|qualities=2,3|dup=OVERWRITE|dry=1|json=1|"
           "save=1";
    QTest::newRow("keep structure and rename by date")
        << QStringList{"--profile", "Home", "--keep-structure", "--rename-by-date", "pictures"}
        << int(ConsoleOptions::Command::Upload)
        << "Home|album=|keep=1|skip=unset|supported=unset|rename=1|qualities=unset|dup=|dry=0|json=0|save=0";
    QTest::newRow("list profiles needs nothing else")
        << QStringList{"--list-profiles"} << int(ConsoleOptions::Command::ListProfiles) << QString();
    QTest::newRow("help wins") << QStringList{"--profile", "Home", "-h"} << int(ConsoleOptions::Command::Help)
                               << QString();
    QTest::newRow("demo profile") << QStringList{"--seed-demo-profile", "18080"}
                                  << int(ConsoleOptions::Command::SeedDemoProfile) << QString();
}

void TestConsoleOptions::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QFETCH(QString, summary);
    ConsoleOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{QStringLiteral("lumio-upload")} + arguments, &error),
             qPrintable(error));
    QCOMPARE(int(options.command), command);
    if (options.command != ConsoleOptions::Command::Upload)
        return;
    auto flag = [](const std::optional<bool>& value) {
        return value ? QString::number(int(*value)) : QStringLiteral("unset");
    };
    QStringList codes;
    if (options.qualities) {
        for (int code : *options.qualities)
            codes.append(QString::number(code));
    }
    const QString actual =
        QStringLiteral(
            "%1|album=%2|keep=%3|skip=%4|supported=%5|rename=%6|qualities=%7|dup=%8|dry=%9|json=%10|save=%11")
            .arg(options.profile, options.album, flag(options.keepStructure), flag(options.skipUploaded),
                 flag(options.supportedOnly), flag(options.renameByDate),
                 options.qualities ? codes.join(QLatin1Char(',')) : QStringLiteral("unset"),
                 options.duplicates)
            .arg(int(options.dryRun))
            .arg(int(options.json))
            .arg(int(options.saveOptions));
    QCOMPARE(actual, summary);
    QCOMPARE(options.paths, QStringList{QDir::current().absoluteFilePath(QStringLiteral("pictures"))});
}

void TestConsoleOptions::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no profile") << QStringList{"pictures"};
    QTest::newRow("no path") << QStringList{"--profile", "Home"};
    QTest::newRow("flat with keep-structure")
        << QStringList{"--profile", "Home", "--flat", "--keep-structure", "p"};
    QTest::newRow("rename with keep-names")
        << QStringList{"--profile", "Home", "--rename-by-date", "--keep-names", "p"};
    QTest::newRow("album without the photo root")
        << QStringList{"--profile", "Home", "--album", "2026/trip", "p"};
    QTest::newRow("album climbing out") << QStringList{"--profile", "Home", "--album", "/photo/../etc", "p"};
    QTest::newRow("empty quality list") << QStringList{"--profile", "Home", "--video-quality", ",", "p"};
    QTest::newRow("none with a quality")
        << QStringList{"--profile", "Home", "--video-quality", "none,low", "p"};
    QTest::newRow("unknown policy") << QStringList{"--profile", "Home", "--duplicates", "ask", "p"};
    QTest::newRow("unknown option") << QStringList{"--profile", "Home", "--quick", "p"};
    QTest::newRow("value missing") << QStringList{"--profile"};
    QTest::newRow("demo port not a number") << QStringList{"--seed-demo-profile", "http"};
    QTest::newRow("settle without watch") << QStringList{"--profile", "Home", "--settle", "5", "p"};
    QTest::newRow("negative settle") << QStringList{"--profile", "Home", "--watch", "--settle", "-1", "p"};
    QTest::newRow("watch with dry run") << QStringList{"--profile", "Home", "--watch", "--dry-run", "p"};
    QTest::newRow("watch sending everything again")
        << QStringList{"--profile", "Home", "--watch", "--no-skip-uploaded", "p"};
}

void TestConsoleOptions::rejected()
{
    QFETCH(QStringList, arguments);
    ConsoleOptions options;
    QString error;
    QVERIFY(!options.parse(QStringList{QStringLiteral("lumio-upload")} + arguments, &error));
    QVERIFY(!error.isEmpty());
}

void TestConsoleOptions::qualities_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("all four in the quality page's order")
        << "mobile,high,medium,low" << true << QList<int>{2, 1, 0, 3};
    QTest::newRow("high and mobile") << "high,mobile" << true << QList<int>{0, 3};
    QTest::newRow("blanks and case") << " Medium , LOW " << true << QList<int>{2, 1};
    QTest::newRow("repeated word") << "low,low" << true << QList<int>{2};
    QTest::newRow("none") << "none" << true << QList<int>{};
    QTest::newRow("unknown word") << "low,4k" << false << QList<int>{};
}

void TestConsoleOptions::qualities()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QList<int>, codes);
    QList<int> parsed{99};
    QCOMPARE(ConsoleOptions::parseQualities(text, &parsed), valid);
    if (valid)
        QCOMPARE(parsed, codes);
}

void TestConsoleOptions::album_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("album");
    QTest::newRow("photo root") << "/photo"
                                << "/photo";
    QTest::newRow("trailing slashes go") << "/photo/2026/trip//"
                                         << "/photo/2026/trip";
    QTest::newRow("root with slash") << "/photo/"
                                     << "/photo";
    QTest::newRow("another share") << "/music/2026" << QString();
    QTest::newRow("prefix lookalike") << "/photos/2026" << QString();
    QTest::newRow("empty component") << "/photo/2026//trip" << QString();
    QTest::newRow("parent component") << "/photo/2026/.." << QString();
}

void TestConsoleOptions::album()
{
    QFETCH(QString, text);
    QFETCH(QString, album);
    QCOMPARE(ConsoleOptions::normalisedAlbum(text), album);
}

void TestConsoleOptions::applyTo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("storedAlbum");
    QTest::addColumn<QList<int>>("storedQualities");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stored options stay")
        << QStringList{} << "/photo/2012" << QList<int>{0} << "/photo/2012|keep=1|idx=1|inc=1|date=1|SKIP|0";
    QTest::newRow("empty stored album is the photo root")
        << QStringList{} << "" << QList<int>{2} << "/photo|keep=1|idx=1|inc=1|date=1|SKIP|2";
    QTest::newRow("stored videos without quality get medium")
        << QStringList{} << "/photo" << QList<int>{} << "/photo|keep=1|idx=1|inc=1|date=1|SKIP|1";
    QTest::newRow("given options win")
        << QStringList{"--album",      "/photo/x",     "--flat", "--all-files",     "--no-skip-uploaded",
                       "--keep-names", "--duplicates", "rename", "--video-quality", "none"}
        << "/photo/2012" << QList<int>{0} << "/photo/x|keep=0|idx=0|inc=0|date=0|RENAME|";
}

void TestConsoleOptions::applyTo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, storedAlbum);
    QFETCH(QList<int>, storedQualities);
    QFETCH(QString, expected);
    ConsoleOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{QStringLiteral("lumio-upload"), QStringLiteral("--profile"),
                                       QStringLiteral("Home")} +
                               arguments + QStringList{QStringLiteral("p")},
                           &error),
             qPrintable(error));
    ServerProfile profile;
    profile.setAll(QStringLiteral("Home"), QStringLiteral("127.0.0.1"), 80, false, QStringLiteral("demo"),
                   QString(), false, QString(), false, true, true, true, QStringLiteral("SKIP"), storedAlbum,
                   storedQualities);
    options.applyTo(&profile);
    QStringList codes;
    for (int code : profile.qualities)
        codes.append(QString::number(code));
    QCOMPARE(QStringLiteral("%1|keep=%2|idx=%3|inc=%4|date=%5|%6|%7")
                 .arg(profile.serverdst)
                 .arg(int(profile.keepFolderStructure))
                 .arg(int(profile.idxonly))
                 .arg(int(profile.incbackup))
                 .arg(int(profile.daterename))
                 .arg(profile.duphandler, codes.join(QLatin1Char(','))),
             expected);
}

void TestConsoleOptions::byteAndDurationTexts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("byteText");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("durationText");
    QTest::newRow("small") << qint64(512) << "512 B" << 7 << "0:07";
    QTest::newRow("kibibytes") << qint64(1536) << "1.5 KiB" << 75 << "1:15";
    QTest::newRow("mebibytes") << qint64(5) * 1024 * 1024 << "5.0 MiB" << 3600 + 61 << "1:01:01";
    QTest::newRow("gibibytes") << qint64(3) * 1024 * 1024 * 1024 << "3.0 GiB" << -1 << "--:--";
}

void TestConsoleOptions::byteAndDurationTexts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, byteText);
    QFETCH(int, seconds);
    QFETCH(QString, durationText);
    QCOMPARE(ConsoleReport::byteText(bytes), byteText);
    QCOMPARE(ConsoleReport::durationText(seconds), durationText);
}

void TestConsoleOptions::progressLine_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("line");
    QTest::newRow("wide terminal") << 120
                                   << "[3/7] 2.0 MiB sent, 512.0 KiB/s, 0:42 left  IMG_20120501_101500.jpg";
    QTest::newRow("cut before the last column") << 30 << "[3/7] 2.0 MiB sent, 512.0 KiB";
}

void TestConsoleOptions::progressLine()
{
    QFETCH(int, width);
    QFETCH(QString, line);
    ConsoleReport::Progress progress;
    progress.done = 3;
    progress.total = 7;
    progress.bytes = 2 * 1024 * 1024;
    progress.bytesPerSecond = 512 * 1024;
    progress.etaSeconds = 42;
    progress.current = QStringLiteral("IMG_20120501_101500.jpg");
    QCOMPARE(ConsoleReport::progressText(progress, width), line);
}

LUMIO_TEST_MAIN(TestConsoleOptions)
#include "tst_consoleoptions.moc"
