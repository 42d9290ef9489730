// lumio-upload: uploads to Lumio without a window, through the same engine as the upload wizard.

#include "AppPaths.h"
#include "ConsoleDiscover.h"
#include "ConsoleOptions.h"
#include "ConsoleProfiles.h"
#include "ConsolePrompter.h"
#include "ConsoleReport.h"
#include "ConsoleUpload.h"
#include "ConsoleWatch.h"
#include "Diagnostics.h"
#include "InterruptNotifier.h"
#include "ProfileStore.h"
#include "VexaLocale.h"
#include "WatchCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

namespace {

int runCommand(const ConsoleOptions& options)
{
    using Command = ConsoleOptions::Command;
    // Discovery holds no terminal state: the default signal handling may end it.
    if (options.command == Command::Discover) {
        ConsolePrompter prompter;
        Prompter::setInstance(&prompter);
        const int status = ConsoleDiscover::run(options);
        Prompter::setInstance(nullptr);
        return status;
    }

    // A password prompt must get its terminal's echo back when the user interrupts it.
    InterruptNotifier interrupts;
    ConsolePrompter prompter(interrupts.readFd());
    Prompter::setInstance(&prompter);
    int status = ConsoleOptions::ExitSuccess;
    switch (options.command) {
    case Command::ListProfiles:
    case Command::ProfileList:
        status = ConsoleProfiles::list(options);
        break;
    case Command::ProfileShow:
        status = ConsoleProfiles::show(options);
        break;
    case Command::ProfileAdd:
        status = ConsoleProfiles::add(options);
        break;
    case Command::ProfileEdit:
        status = ConsoleProfiles::edit(options);
        break;
    case Command::ProfileRemove:
        status = ConsoleProfiles::remove(options);
        break;
    case Command::ProfilePassword:
        status = ConsoleProfiles::password(options);
        break;
    case Command::SeedDemoProfile:
        status = ConsoleProfiles::seedDemo(options.demoPort) ? ConsoleOptions::ExitSuccess
                                                             : ConsoleOptions::ExitFailure;
        break;
    case Command::Upload: {
        ConsoleReport report(options.json, isatty(STDOUT_FILENO) != 0 && !options.quiet, stdout,
                             options.quiet);
        if (options.watch) {
            ConsoleWatch watch(options, &report);
            QObject::connect(&watch, &ConsoleWatch::signalFinished, QCoreApplication::instance(),
                             &QCoreApplication::exit);
            QObject::connect(&interrupts, &InterruptNotifier::signalInterrupted, &watch,
                             &ConsoleWatch::slotInterrupt);
            watch.start();
            status = QCoreApplication::exec();
            break;
        }
        ConsoleUpload upload(options, &report);
        QObject::connect(&upload, &ConsoleUpload::signalFinished, QCoreApplication::instance(),
                         &QCoreApplication::exit);
        QObject::connect(&interrupts, &InterruptNotifier::signalInterrupted, &upload,
                         &ConsoleUpload::slotInterrupt);
        upload.start();
        status = QCoreApplication::exec();
        break;
    }
    case Command::Help:
    case Command::Version:
    case Command::Discover:
        break;
    }
    Prompter::setInstance(nullptr);
    if (status != ConsoleOptions::ExitSuccess && InterruptNotifier::interrupted())
        return ConsoleOptions::interruptStatus(InterruptNotifier::signalNumber());
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));

    ConsoleOptions options;
    QString error;
    QStringList arguments = QCoreApplication::arguments();
    // "watch enable|disable|status" manage the background watcher; "watch run" is the --watch run its
    // config describes.
    if (WatchCommand::handles(arguments)) {
        const WatchCommand watch(arguments);
        if (!watch.isRun())
            return watch.exec();
        if (!watch.runArguments(&arguments, &error)) {
            fprintf(stderr, "lumio-upload: %s\n", qUtf8Printable(error));
            return ConsoleOptions::ExitUsage;
        }
    }
    if (!options.parse(arguments, &error)) {
        fprintf(stderr, "lumio-upload: %s\nTry 'lumio-upload --help'.\n", qUtf8Printable(error));
        return ConsoleOptions::ExitUsage;
    }
    if (options.command == ConsoleOptions::Command::Help) {
        fputs(qUtf8Printable(options.profileHelp ? ConsoleOptions::profileUsage() : ConsoleOptions::usage()),
              stdout);
        return ConsoleOptions::ExitSuccess;
    }
    if (options.command == ConsoleOptions::Command::Version) {
        fputs(qUtf8Printable(ConsoleOptions::version()), stdout);
        return ConsoleOptions::ExitSuccess;
    }
    // The engine's diagnostics would bury the report.
    Diagnostics::setUp(options.verbose);
    if (!options.logFile.isEmpty() && !Diagnostics::setLogFile(options.logFile, &error)) {
        fprintf(stderr, "lumio-upload: cannot open the log file %s: %s\n", qUtf8Printable(options.logFile),
                qUtf8Printable(error));
        return ConsoleOptions::ExitUsage;
    }

    QTranslator translator;
    if (translator.load(VexaLocale::translationFileFor(VexaLocale::uiLanguageCode())) &&
        !translator.isEmpty())
        QCoreApplication::installTranslator(&translator);

    const QString dataFolder = AppPaths::dataFolder();
    if (!QDir(dataFolder).exists())
        QDir().mkpath(dataFolder);
    if (!ProfileStore::open()) {
        fprintf(stderr, "%s: %s\n", qUtf8Printable(tx(TextId::err_error)),
                qUtf8Printable(ProfileStore::openErrorText()));
        return ConsoleOptions::ExitStore;
    }
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();

    const int status = runCommand(options);
    // Listing and discovery change nothing; every other command leaves the list true to the store.
    if (options.command != ConsoleOptions::Command::ListProfiles &&
        options.command != ConsoleOptions::Command::ProfileList &&
        options.command != ConsoleOptions::Command::ProfileShow &&
        options.command != ConsoleOptions::Command::Discover)
        ProfileStore::writeShortcutList();
    ProfileStore::close();
    return status;
}
