#include "AppPaths.h"
#include "FileListWriter.h"
#include "HandOver.h"
#include "MenuWriter.h"
#include "ProfileStore.h"
#include "ScriptedPrompter.h"
#include "SendChoice.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "Utf16File.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace {

struct ProcessResult
{
    int exitCode = -1;
    QString standardOutput;
    // Standard output and the diagnostics together.
    QString output;
};

// Runs lumio-send; it replaces itself with lumio-uploader, whose dialogs close at once.
// Folder whose stand-ins make lumio-send see Dolphin, Nemo and Nautilus installed.
QString fileManagerFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/file-managers");
    QDir().mkpath(folder);
    for (const char* name : {"dolphin", "nemo", "nautilus"}) {
        QFile program(folder + QLatin1Char('/') + QLatin1String(name));
        if (program.open(QIODevice::WriteOnly))
            program.write("#!/bin/sh\nexit 0\n");
        program.close();
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    }
    return folder;
}

// The dialogs the programs open are read from their diagnostics, which LUMIO_VERBOSE turns on.
ProcessResult runProgram(const QString& program, const QStringList& arguments,
                         const QString& workingFolder = QString(), bool verbose = true)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUMIO_CLOSE_DIALOGS_AT_ONCE"), QStringLiteral("1"));
    env.remove(QStringLiteral("LUMIO_VERBOSE"));
    if (verbose)
        env.insert(QStringLiteral("LUMIO_VERBOSE"), QStringLiteral("1"));
    env.insert(QStringLiteral("PATH"),
               fileManagerFolder() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(env);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.output = result.standardOutput + QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

ProcessResult runSend(const QStringList& arguments, const QString& workingFolder = QString())
{
    return runProgram(TestEnvironment::binDir() + QStringLiteral("/lumio-send"), arguments, workingFolder);
}

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// The values of one key in a key file, in file order.
QStringList keyValues(const QString& path, const QString& key)
{
    QStringList values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            values.append(line.mid(key.size() + 1));
    }
    return values;
}

QString nemoAction(int entry)
{
    return dataHome() +
           QStringLiteral("/nemo/actions/lumio-upload-%1.nemo_action").arg(entry, 3, 10, QLatin1Char('0'));
}

QString nautilusFolder()
{
    return dataHome() + QStringLiteral("/nautilus/scripts/") + tx(TextId::cxt_menu);
}

void storeProfiles(const QStringList& names)
{
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();
    for (const QString& name : names) {
        if (ProfileStore::profileExists(name))
            continue;
        ServerProfile profile;
        profile.setAll(name, QStringLiteral("h"), 80, false, QStringLiteral("a"), QString(), false, QString(),
                       false, true, true, true, QStringLiteral("RENAME"), QString(), {});
        ProfileStore::createProfile(profile);
    }
    ProfileStore::writeShortcutList();
    ProfileStore::close();
}

QStringList menuLines(const QString& output)
{
    QStringList lines = output.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestLumioSend : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir().mkpath(AppPaths::dataFolder());
        QFile::remove(AppPaths::fileListPath());
        QFile::remove(AppPaths::dataFile(QStringLiteral("ShortCutList")));
    }

    void writtenListReadsBackUnchanged_data()
    {
        QTest::addColumn<QStringList>("paths");
        const QString root = QDir::tempPath();
        QTest::newRow("plain path") << QStringList{root + QStringLiteral("/a.jpg")};
        QTest::newRow("spaces in folder and name")
            << QStringList{root + QStringLiteral("/my photos/summer day 1.jpg"),
                           root + QStringLiteral("/my photos/ leading and trailing .mov ")};
        QTest::newRow("non-ASCII names") << QStringList{root + QStringLiteral("/Fotos/Übersee ß.jpg"),
                                                        root + QStringLiteral("/写真/日本 旅行.mp4"),
                                                        root + QStringLiteral("/emoji 📷.png")};
        QTest::newRow("no files") << QStringList{};
    }
    void writtenListReadsBackUnchanged()
    {
        QFETCH(QStringList, paths);
        QStringList rejected;
        QVERIFY(FileListWriter::write(paths, &rejected));
        QVERIFY(rejected.isEmpty());
        QCOMPARE(HandOver::readFileList(), paths);
    }

    void relativePathsBecomeAbsolute()
    {
        QStringList rejected;
        QVERIFY(FileListWriter::write({QStringLiteral("rel dir/b.jpg")}, &rejected));
        QCOMPARE(HandOver::readFileList(),
                 QStringList{QDir::current().absoluteFilePath(QStringLiteral("rel dir/b.jpg"))});
    }

    void nameWithLineBreakIsLeftOut()
    {
        const QString broken = QDir::tempPath() + QStringLiteral("/two\nlines.jpg");
        const QString good = QDir::tempPath() + QStringLiteral("/good.jpg");
        QStringList rejected;
        QVERIFY(FileListWriter::write({broken, good}, &rejected));
        QCOMPARE(rejected, QStringList{broken});
        QCOMPARE(HandOver::readFileList(), QStringList{good});
    }

    void menuFollowsShortcutListOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("no profiles") << QStringList{};
        QTest::newRow("file order, not alphabetical")
            << QStringList{QStringLiteral("b"), QStringLiteral("Zürich box"), QStringLiteral("a")};
    }
    void menuFollowsShortcutListOrder()
    {
        QFETCH(QStringList, names);
        QStringList lines{QString::number(names.size())};
        lines += names;
        QVERIFY(Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), lines));
        const QStringList expected =
            names + QStringList{tx(TextId::cxt_new_profile), tx(TextId::cxt_manage_profile)};
        QCOMPARE(SendChoice::menuEntries(), expected);
        const ProcessResult run = runSend({QStringLiteral("--list")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(menuLines(run.standardOutput), expected);
        // The diagnostics show only when asked for.
        const QString send = TestEnvironment::binDir() + QStringLiteral("/lumio-send");
        const ProcessResult quiet = runProgram(send, {QStringLiteral("--list")}, QString(), false);
        QVERIFY2(!quiet.output.contains(QStringLiteral("System locale")), qPrintable(quiet.output));
        const ProcessResult verbose =
            runProgram(send, {QStringLiteral("--verbose"), QStringLiteral("--list")}, QString(), false);
        QCOMPARE(menuLines(verbose.standardOutput), expected);
        QVERIFY2(verbose.output.contains(QStringLiteral("System locale")), qPrintable(verbose.output));
    }

    void menuRowsStartUploaderModes_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("handsOverFiles");
        QTest::newRow("first profile") << 0 << QStringList{QStringLiteral("2"), QStringLiteral("0")} << true;
        QTest::newRow("last profile") << 2 << QStringList{QStringLiteral("2"), QStringLiteral("2")} << true;
        QTest::newRow("create new profile") << 3 << QStringList{QStringLiteral("1")} << true;
        QTest::newRow("manage profiles") << 4 << QStringList{QStringLiteral("0")} << false;
        QTest::newRow("past the menu") << 5 << QStringList{} << false;
        QTest::newRow("negative") << -1 << QStringList{} << false;
    }
    void menuRowsStartUploaderModes()
    {
        QFETCH(int, row);
        QFETCH(QStringList, arguments);
        QFETCH(bool, handsOverFiles);
        QCOMPARE(SendChoice::uploaderArguments(row, 3), arguments);
        QCOMPARE(SendChoice::needsFileList(row, 3), handsOverFiles);
    }

    void chooserOffersTheMenu_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("row");
        QTest::newRow("second profile") << 1 << 1;
        QTest::newRow("create new profile") << 2 << 2;
        QTest::newRow("manage profiles") << 3 << 3;
        QTest::newRow("cancel button") << 4 << -1;
        QTest::newRow("box closed") << -1 << -1;
    }
    void chooserOffersTheMenu()
    {
        QFETCH(int, answer);
        QFETCH(int, row);
        QVERIFY(Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ShortCutList")),
                                      {QStringLiteral("2"), QStringLiteral("b"), QStringLiteral("a")}));
        ScriptedPrompter prompter;
        prompter.answerMessage(answer);
        QCOMPARE(SendChoice::askRow(SendChoice::menuEntries()), row);
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown.first().text, tx(TextId::cxt_menu));
        QCOMPARE(prompter.shown.first().buttons,
                 (QStringList{QStringLiteral("b"), QStringLiteral("a"), tx(TextId::cxt_new_profile),
                              tx(TextId::cxt_manage_profile), tx(TextId::btn_cancel)}));
    }

    void profileEntryOpensUploadWizardWithFiles()
    {
        storeProfiles({QStringLiteral("alpha"), QStringLiteral("beta")});
        const QString folder = QDir::tempPath() + QStringLiteral("/Urlaub 2026");
        QVERIFY(QDir().mkpath(folder));
        const QStringList files{folder + QStringLiteral("/Strand é.jpg"),
                                folder + QStringLiteral("/clip 1.mp4"), folder + QStringLiteral("/raw.NEF")};
        const ProcessResult run =
            runSend({QStringLiteral("--profile"), QStringLiteral("1"), QStringLiteral("--"), files.at(0),
                     QStringLiteral("clip 1.mp4"), QUrl::fromLocalFile(files.at(2)).toString()},
                    folder);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(QStringLiteral("Upload wizard (mode 2 , 3 files)")),
                 qPrintable(run.output));
        QCOMPARE(HandOver::readFileList(), files);
    }

    void otherEntriesStartTheirModes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("writesFileList");
        QTest::newRow("create new profile")
            << QStringList{QStringLiteral("--new"), QStringLiteral("/x/a.jpg")}
            << QStringLiteral("Create-profile wizard (mode 1 )") << true;
        QTest::newRow("manage profiles")
            << QStringList{QStringLiteral("--manage")} << QStringLiteral("Profile editor (mode 0 )") << false;
    }
    void otherEntriesStartTheirModes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, dialog);
        QFETCH(bool, writesFileList);
        storeProfiles({QStringLiteral("alpha")});
        const ProcessResult run = runSend(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(dialog), qPrintable(run.output));
        QCOMPARE(QFile::exists(AppPaths::fileListPath()), writesFileList);
    }

    void profileKeyRoundTrips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("alpha");
        QTest::newRow("spaces and quotes") << QStringLiteral("my \"box\" 'at home' $HOME %F");
        QTest::newRow("non-ASCII and slash") << QStringLiteral("Zürich/写真 📷");
    }
    void profileKeyRoundTrips()
    {
        QFETCH(QString, name);
        const QString key = MenuWriter::profileKey(name);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]+$")).match(key).hasMatch());
        QCOMPARE(MenuWriter::profileName(key), name);
    }

    void menusListProfilesInShortcutOrder()
    {
        const QStringList profiles{QStringLiteral("Zürich box"), QStringLiteral("home/\"NAS\" $x"),
                                   QStringLiteral("alpha")};
        storeProfiles(profiles);
        const QStringList order = HandOver::shortcutNames();
        for (const QString& profile : profiles)
            QVERIFY(order.contains(profile));
        const QStringList entries =
            order + QStringList{tx(TextId::cxt_new_profile), tx(TextId::cxt_manage_profile)};

        const ProcessResult run = runSend({QStringLiteral("--update-menus")});
        QCOMPARE(run.exitCode, 0);

        const QString dolphin =
            dataHome() + QStringLiteral("/kio/servicemenus/lumio-upload-profiles.desktop");
        QCOMPARE(keyValues(dolphin, QStringLiteral("X-KDE-Submenu")), QStringList{tx(TextId::cxt_menu)});
        QCOMPARE(keyValues(dolphin, QStringLiteral("Name")), entries);
        QVERIFY(QFileInfo(dolphin).isExecutable());
        const QStringList dolphinCommands = keyValues(dolphin, QStringLiteral("Exec"));
        QCOMPARE(dolphinCommands.size(), entries.size());
        for (int i = 0; i < order.size(); ++i)
            QVERIFY(dolphinCommands.at(i).contains(QStringLiteral("--profile-key ") +
                                                   MenuWriter::profileKey(order.at(i))));

        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(keyValues(nemoAction(i), QStringLiteral("Name")),
                     QStringList{tx(TextId::cxt_menu) + QStringLiteral(": ") + entries.at(i)});
        QVERIFY(!QFile::exists(nemoAction(entries.size())));

        QStringList scripts = QDir(nautilusFolder()).entryList(QDir::Files);
        QStringList expectedScripts = entries;
        expectedScripts.replaceInStrings(QStringLiteral("/"), QString(QChar(0x2215)));
        scripts.sort();
        expectedScripts.sort();
        QCOMPARE(scripts, expectedScripts);
    }

    void menuEntryUploadsWithItsProfile()
    {
        storeProfiles({QStringLiteral("alpha"), QStringLiteral("home/\"NAS\" $x")});
        QVERIFY(runSend({QStringLiteral("--update-menus")}).exitCode == 0);
        const QString name = QStringLiteral("home/\"NAS\" $x");
        const int index = HandOver::shortcutNames().indexOf(name);
        QVERIFY(index >= 0);
        QCOMPARE(SendChoice::rowOfProfile(MenuWriter::profileName(MenuWriter::profileKey(name))), index);
        QCOMPARE(SendChoice::rowOfProfile(QStringLiteral("nobody")), -1);
        const QString folder = QDir::tempPath() + QStringLiteral("/Bilder");
        QVERIFY(QDir().mkpath(folder));
        QFile::remove(AppPaths::fileListPath());
        QString script = name;
        script.replace(QLatin1Char('/'), QChar(0x2215));
        const ProcessResult run = runProgram(nautilusFolder() + QLatin1Char('/') + script,
                                             {QStringLiteral("Übersicht 1.jpg")}, folder);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(QStringLiteral("Upload wizard (mode 2 , 1 files)")),
                 qPrintable(run.output));
        QCOMPARE(HandOver::readFileList(), QStringList{folder + QStringLiteral("/Übersicht 1.jpg")});
    }

    void menusDropRemovedProfilesAndKeepUserFiles()
    {
        QVERIFY(QDir().mkpath(nautilusFolder()));
        const QString userScript = nautilusFolder() + QStringLiteral("/my own script");
        {
            QFile file(userScript);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
        }
        QVERIFY(Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ShortCutList")),
                                      {QStringLiteral("1"), QStringLiteral("only")}));
        QVERIFY(MenuWriter::write(dataHome(), HandOver::shortcutNames(),
                                  QStringLiteral("/opt/my tools/lumio-send"),
                                  MenuWriter::Dolphin | MenuWriter::Nemo | MenuWriter::Nautilus));
        QVERIFY(QFile::exists(nemoAction(2)));
        QVERIFY(!QFile::exists(nemoAction(3)));
        QVERIFY(QFile::exists(userScript));
        QStringList scripts = QDir(nautilusFolder()).entryList(QDir::Files);
        scripts.sort();
        QStringList expected{QStringLiteral("only"), tx(TextId::cxt_new_profile),
                             tx(TextId::cxt_manage_profile), QStringLiteral("my own script")};
        expected.sort();
        QCOMPARE(scripts, expected);
        const QString dolphin =
            dataHome() + QStringLiteral("/kio/servicemenus/lumio-upload-profiles.desktop");
        QCOMPARE(keyValues(dolphin, QStringLiteral("Exec")).first(),
                 QStringLiteral("\"/opt/my tools/lumio-send\" --profile-key ") +
                     MenuWriter::profileKey(QStringLiteral("only")) + QStringLiteral(" -- %F"));
    }

    void unknownProfileNameIsRefused()
    {
        storeProfiles({QStringLiteral("alpha")});
        const ProcessResult run =
            runSend({QStringLiteral("--profile-name"), QStringLiteral("nobody"), QStringLiteral("/x/a.jpg")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.output.contains(QStringLiteral("Upload wizard")));
    }

    void unknownProfileIndexIsRefused()
    {
        storeProfiles({QStringLiteral("alpha")});
        const ProcessResult run =
            runSend({QStringLiteral("--profile"), QString::number(HandOver::shortcutNames().size()),
                     QStringLiteral("/x/a.jpg")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.output.contains(QStringLiteral("Upload wizard")));
        QVERIFY(!QFile::exists(AppPaths::fileListPath()));
    }
};

LUMIO_TEST_MAIN(TestLumioSend)
#include "tst_lumiosend.moc"
