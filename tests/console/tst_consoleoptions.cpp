#include "ConsoleOptions.h"
#include "ConsoleReport.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTranslator>

class TestConsoleOptions : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void rejected_data();
    void rejected();
    void limitsAndFilters_data();
    void limitsAndFilters();
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
    void summaryLines_data();
    void summaryLines();
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
    QTest::newRow("short forms")
        << QStringList{"-p", "Home", "-a", "/photo/x", "-n", "-q", "pictures"}
        << int(ConsoleOptions::Command::Upload)
        << "Home|album=/photo/"
           "x|keep=unset|skip=unset|supported=unset|rename=unset|qualities=unset|dup=|dry=1|"
           "json=0|save=0";
    QTest::newRow("version") << QStringList{"--version"} << int(ConsoleOptions::Command::Version)
                             << QString();
    QTest::newRow("profile add") << QStringList{"profile", "add", "New", "--host", "nas", "--user", "anna"}
                                 << int(ConsoleOptions::Command::ProfileAdd) << QString();
    QTest::newRow("profile list names") << QStringList{"profile", "list", "--names"}
                                        << int(ConsoleOptions::Command::ProfileList) << QString();
    QTest::newRow("profile show") << QStringList{"profile", "show", "Home", "--json"}
                                  << int(ConsoleOptions::Command::ProfileShow) << QString();
    QTest::newRow("profile edit") << QStringList{"profile", "edit", "Home", "--rename", "Away", "--no-https"}
                                  << int(ConsoleOptions::Command::ProfileEdit) << QString();
    QTest::newRow("profile remove") << QStringList{"profile", "remove", "Home", "--yes"}
                                    << int(ConsoleOptions::Command::ProfileRemove) << QString();
    QTest::newRow("profile password") << QStringList{"profile", "password", "Home", "--password-stdin"}
                                      << int(ConsoleOptions::Command::ProfilePassword) << QString();
    QTest::newRow("discover") << QStringList{"discover", "--json", "--seconds", "2"}
                              << int(ConsoleOptions::Command::Discover) << QString();
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
    QTest::newRow("quiet with verbose") << QStringList{"-p", "Home", "-q", "-v", "p"};
    QTest::newRow("profile without a command") << QStringList{"profile"};
    QTest::newRow("unknown profile command") << QStringList{"profile", "rename", "Home"};
    QTest::newRow("add without host") << QStringList{"profile", "add", "New", "--user", "anna"};
    QTest::newRow("add without account") << QStringList{"profile", "add", "New", "--host", "nas"};
    QTest::newRow("add without name") << QStringList{"profile", "add", "--host", "nas", "--user", "anna"};
    QTest::newRow("a password is no argument")
        << QStringList{"profile", "add", "New", "--host", "nas", "--user", "anna", "--password", "x"};
    QTest::newRow("rename belongs to edit")
        << QStringList{"profile", "add", "New", "--host", "nas", "--user", "anna", "--rename", "Old"};
    QTest::newRow("yes belongs to remove") << QStringList{"profile", "show", "Home", "--yes"};
    QTest::newRow("https both ways") << QStringList{"profile", "edit", "Home", "--https", "--no-https"};
    QTest::newRow("list with a name") << QStringList{"profile", "list", "Home"};
    QTest::newRow("discover for no time") << QStringList{"discover", "--seconds", "0"};
    QTest::newRow("discover with an argument") << QStringList{"discover", "now"};
    QTest::newRow("rate without a number") << QStringList{"--profile", "Home", "--bwlimit", "fast", "p"};
    QTest::newRow("rate with an unknown unit") << QStringList{"--profile", "Home", "--bwlimit", "5T", "p"};
    QTest::newRow("rate below 1k") << QStringList{"--profile", "Home", "--bwlimit", "100", "p"};
    QTest::newRow("zero rate") << QStringList{"--profile", "Home", "--bwlimit", "0", "p"};
    QTest::newRow("date in another order")
        << QStringList{"--profile", "Home", "--newer-than", "01.05.2026", "p"};
    QTest::newRow("impossible date") << QStringList{"--profile", "Home", "--newer-than", "2026-02-30", "p"};
    QTest::newRow("empty glob") << QStringList{"--profile", "Home", "--include", "", "p"};
    QTest::newRow("empty log file") << QStringList{"--profile", "Home", "--log-file=", "p"};
    QTest::newRow("settle without watch") << QStringList{"--profile", "Home", "--settle", "5", "p"};
    QTest::newRow("negative settle") << QStringList{"--profile", "Home", "--watch", "--settle", "-1", "p"};
    QTest::newRow("watch with dry run") << QStringList{"--profile", "Home", "--watch", "--dry-run", "p"};
    QTest::newRow("watch sending everything again")
        << QStringList{"--profile", "Home", "--watch", "--no-skip-uploaded", "p"};
}

void TestConsoleOptions::limitsAndFilters_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<QStringList>("includes");
    QTest::addColumn<QStringList>("excludes");
    QTest::addColumn<QDateTime>("newerThan");
    QTest::addColumn<QString>("logFile");
    const QStringList none;
    QTest::newRow("nothing given") << QStringList{} << qint64(0) << none << none << QDateTime() << QString();
    QTest::newRow("bytes per second")
        << QStringList{"--bwlimit", "2048"} << qint64(2048) << none << none << QDateTime() << QString();
    QTest::newRow("kibibytes") << QStringList{"--bwlimit", "500k"} << qint64(512000) << none << none
                               << QDateTime() << QString();
    QTest::newRow("mebibytes") << QStringList{"--bwlimit=5M"} << qint64(5242880) << none << none
                               << QDateTime() << QString();
    QTest::newRow("fraction of a gibibyte")
        << QStringList{"--bwlimit", "1.5g"} << qint64(1610612736) << none << none << QDateTime() << QString();
    QTest::newRow("repeated globs") << QStringList{"--include", "*.jpg", "--include", "*.mp4",
                                                   "--exclude", "tmp/*", "--exclude", "x?.jpg"}
                                    << qint64(0) << QStringList{"*.jpg", "*.mp4"}
                                    << QStringList{"tmp/*", "x?.jpg"} << QDateTime() << QString();
    QTest::newRow("date is the start of the day")
        << QStringList{"--newer-than", "2026-05-01"} << qint64(0) << none << none
        << QDateTime(QDate(2026, 5, 1), QTime(0, 0)) << QString();
    QTest::newRow("date and time") << QStringList{"--newer-than", "2026-05-01T18:30"} << qint64(0) << none
                                   << none << QDateTime(QDate(2026, 5, 1), QTime(18, 30)) << QString();
    QTest::newRow("date and time with a blank")
        << QStringList{"--newer-than", "2026-05-01 18:30:15"} << qint64(0) << none << none
        << QDateTime(QDate(2026, 5, 1), QTime(18, 30, 15)) << QString();
    QTest::newRow("log file") << QStringList{"--log-file", "/tmp/run.log"} << qint64(0) << none << none
                              << QDateTime() << "/tmp/run.log";
}

void TestConsoleOptions::limitsAndFilters()
{
    QFETCH(QStringList, arguments);
    QFETCH(qint64, rate);
    QFETCH(QStringList, includes);
    QFETCH(QStringList, excludes);
    QFETCH(QDateTime, newerThan);
    QFETCH(QString, logFile);
    ConsoleOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{"lumio-upload", "--profile", "Home"} + arguments + QStringList{"p"},
                           &error),
             qPrintable(error));
    QCOMPARE(options.bandwidthLimit, rate);
    QCOMPARE(options.includes, includes);
    QCOMPARE(options.excludes, excludes);
    QCOMPARE(options.newerThan, newerThan);
    QCOMPARE(options.logFile, logFile);
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
                                   << "[3/7] 2.0 MiB of 10.0 MiB sent, 512.0 KiB/s, 0:42 left  Uploading "
                                      "clip.mp4 as IMG_20120501_101500.mp4";
    QTest::newRow("cut before the last column") << 30 << "[3/7] 2.0 MiB of 10.0 MiB sen";
}

void TestConsoleOptions::progressLine()
{
    QFETCH(int, width);
    QFETCH(QString, line);
    ConsoleReport::Progress progress;
    progress.done = 3;
    progress.total = 7;
    progress.bytes = 2 * 1024 * 1024;
    progress.totalBytes = 10 * 1024 * 1024;
    progress.bytesPerSecond = 512 * 1024;
    progress.etaSeconds = 42;
    progress.current = QStringLiteral("Uploading clip.mp4 as IMG_20120501_101500.mp4");
    QCOMPARE(ConsoleReport::progressText(progress, width), line);
}

void TestConsoleOptions::summaryLines_data()
{
    // Counts as "uploaded/failed/skipped/refused/albums"; folders are never counted as files.
    QTest::addColumn<QString>("counts");
    QTest::addColumn<bool>("dryRun");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one file") << "1/0/0/0/0" << false << false
                              << QStringList{"Successfully uploaded: 1 file", "Sent 1.5 KiB in 0:07."};
    QTest::newRow("files and albums")
        << "3/1/2/1/2" << false << false << QStringList{"Successfully uploaded: 3 files",
                                                        "Failed to upload: 1 file",
                                                        "2 albums created",
                                                        "Skipped: 2 files",
                                                        "Refused before upload: 1 file",
                                                        "Sent 1.5 KiB in 0:07."};
    QTest::newRow("cancelled") << "0/0/0/0/1" << false << true
                               << QStringList{"Cancelled.", "Successfully uploaded: 0 files",
                                              "1 album created", "Sent 1.5 KiB in 0:07."};
    QTest::newRow("dry run") << "0/0/1/0/1" << true << false
                             << QStringList{
                                    "Dry run, nothing was sent: 2 files to upload, 1 file skipped, 0 files "
                                    "refused.",
                                    "1 album to create"};
}

void TestConsoleOptions::summaryLines()
{
    QFETCH(QString, counts);
    QFETCH(bool, dryRun);
    QFETCH(bool, cancelled);
    QFETCH(QStringList, lines);
    QTranslator english;
    QVERIFY(english.load(VexaLocale::translationFileFor(QStringLiteral("enu"))));
    QCoreApplication::installTranslator(&english);
    const QStringList numbers = counts.split(QLatin1Char('/'));
    ConsoleReport::Summary summary;
    summary.total = 2;
    summary.uploaded = numbers.at(0).toInt();
    summary.failed = numbers.at(1).toInt();
    summary.skipped = numbers.at(2).toInt();
    summary.refused = numbers.at(3).toInt();
    summary.albums = numbers.at(4).toInt();
    summary.bytes = 1536;
    summary.seconds = 7;
    summary.dryRun = dryRun;
    summary.cancelled = cancelled;
    const QStringList shown = ConsoleReport::summaryLines(summary);
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(shown, lines);
}

LUMIO_TEST_MAIN(TestConsoleOptions)
#include "tst_consoleoptions.moc"
