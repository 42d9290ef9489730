// lumio-send: the file managers' "Upload to Lumio" entry. It hands the selected files over in
// "FileList", runs lumio-uploader in the mode of the chosen menu entry and then brings the per-user
// file-manager menus up to date with the profiles the run may have changed.
#include "AppPaths.h"
#include "Diagnostics.h"
#include "FileListWriter.h"
#include "HandOver.h"
#include "MenuWriter.h"
#include "SendChoice.h"
#include "VexaLocale.h"
#include "WidgetPrompter.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QTranslator>
#include <QUrl>

namespace {

const char usage[] =
    "Usage: lumio-send [--profile INDEX | --profile-name NAME | --profile-key HEX | --new | --manage]\n"
    "                  [--] [FILE...]\n"
    "       lumio-send --list | --update-menus\n"
    "--verbose anywhere before -- shows the diagnostics on standard error.\n"
    "Without a choice it asks which profile to upload the files with.\n";

int fail(const QString& text)
{
    QTextStream(stderr) << text << '\n';
    return 2;
}

// File managers hand over local paths, some as file:// URLs.
QString localPath(const QString& argument)
{
    if (argument.startsWith(QLatin1String("file:")))
        return QUrl(argument).toLocalFile();
    return argument;
}

void updateMenus()
{
    MenuWriter::write(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                      HandOver::shortcutNames(), QCoreApplication::applicationFilePath(),
                      MenuWriter::installedFileManagers());
}

int runUploader(QStringList arguments, bool verbose)
{
    if (verbose)
        arguments.append(QStringLiteral("--verbose"));
    QProcess uploader;
    uploader.setProcessChannelMode(QProcess::ForwardedChannels);
    uploader.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumio-uploader"), arguments);
    if (!uploader.waitForStarted(-1))
        return fail(QStringLiteral("lumio-send: cannot start lumio-uploader"));
    uploader.waitForFinished(-1);
    updateMenus();
    return uploader.exitStatus() == QProcess::NormalExit ? uploader.exitCode() : 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool verbose = Diagnostics::takeVerbose(&arguments);
    Diagnostics::setUp(verbose);
    QTranslator translator;
    if (translator.load(VexaLocale::translationFileFor(VexaLocale::uiLanguageCode())) &&
        !translator.isEmpty())
        QCoreApplication::installTranslator(&translator);

    WidgetPrompter prompter;
    Prompter::setInstance(&prompter);
    const QStringList entries = SendChoice::menuEntries();
    const int profileCount = entries.size() - 2;
    int row = -1;
    bool list = false;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            for (const QString& file : arguments.mid(i + 1))
                files.append(localPath(file));
            break;
        }
        if (argument == QLatin1String("--list")) {
            list = true;
        } else if (argument == QLatin1String("--profile") && i + 1 < arguments.size()) {
            bool isNumber = false;
            row = arguments.at(++i).toInt(&isNumber);
            if (!isNumber || row < 0 || row >= profileCount)
                return fail(QStringLiteral("lumio-send: no profile at index %1").arg(arguments.at(i)));
        } else if ((argument == QLatin1String("--profile-name") ||
                    argument == QLatin1String("--profile-key")) &&
                   i + 1 < arguments.size()) {
            const QString value = arguments.at(++i);
            const QString name =
                argument == QLatin1String("--profile-key") ? MenuWriter::profileName(value) : value;
            row = SendChoice::rowOfProfile(name);
            if (row < 0)
                return fail(QStringLiteral("lumio-send: no profile named %1").arg(name));
        } else if (argument == QLatin1String("--update-menus")) {
            updateMenus();
            return 0;
        } else if (argument == QLatin1String("--new")) {
            row = profileCount;
        } else if (argument == QLatin1String("--manage")) {
            row = profileCount + 1;
        } else if (argument == QLatin1String("--help") || argument.startsWith(QLatin1String("--"))) {
            return fail(QString::fromLatin1(usage));
        } else {
            files.append(localPath(argument));
        }
    }

    if (list) {
        QTextStream out(stdout);
        for (const QString& entry : entries)
            out << entry << '\n';
        return 0;
    }
    if (row < 0)
        row = SendChoice::askRow(entries);
    if (row < 0)
        return 1;
    if (SendChoice::needsFileList(row, profileCount)) {
        QStringList rejected;
        QString reason;
        if (!AppPaths::ensureRuntimeFolder(&reason))
            return fail(QStringLiteral("lumio-send: cannot use the runtime folder %1: %2")
                            .arg(AppPaths::runtimeFolder(), reason));
        if (!FileListWriter::write(files, &rejected))
            return fail(
                QStringLiteral("lumio-send: cannot write the file list %1").arg(AppPaths::fileListPath()));
        for (const QString& path : rejected)
            QTextStream(stderr) << "lumio-send: skipped a name with a line break: " << path << '\n';
    }
    return runUploader(SendChoice::uploaderArguments(row, profileCount), verbose);
}
