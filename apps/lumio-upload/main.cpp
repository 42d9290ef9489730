// lumio-upload: uploads to Lumio without a window, through the same engine as the upload wizard.

#include "AppPaths.h"
#include "ConsoleOptions.h"
#include "ConsoleProfiles.h"
#include "ConsolePrompter.h"
#include "ConsoleReport.h"
#include "ConsoleUpload.h"
#include "ConsoleWatch.h"
#include "InterruptNotifier.h"
#include "ProfileStore.h"
#include "VexaLocale.h"
#include "WatchCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

namespace {

int runCommand(const ConsoleOptions& options)
{
    switch (options.command) {
    case ConsoleOptions::Command::ListProfiles:
        ConsoleProfiles::list(options.json);
        return ConsoleOptions::ExitSuccess;
    case ConsoleOptions::Command::SeedDemoProfile:
        return ConsoleProfiles::seedDemo(options.demoPort) ? ConsoleOptions::ExitSuccess
                                                           : ConsoleOptions::ExitFailure;
    case ConsoleOptions::Command::Help:
    case ConsoleOptions::Command::Upload:
        break;
    }

    InterruptNotifier interrupts;
    ConsolePrompter prompter(interrupts.readFd());
    Prompter::setInstance(&prompter);
    ConsoleReport report(options.json, isatty(STDOUT_FILENO) != 0);
    if (options.watch) {
        ConsoleWatch watch(options, &report);
        QObject::connect(&watch, &ConsoleWatch::signalFinished, QCoreApplication::instance(),
                         &QCoreApplication::exit);
        QObject::connect(&interrupts, &InterruptNotifier::signalInterrupted, &watch,
                         &ConsoleWatch::slotInterrupt);
        watch.start();
        const int status = QCoreApplication::exec();
        Prompter::setInstance(nullptr);
        return status;
    }
    ConsoleUpload upload(options, &report);
    QObject::connect(&upload, &ConsoleUpload::signalFinished, QCoreApplication::instance(),
                     &QCoreApplication::exit);
    QObject::connect(&interrupts, &InterruptNotifier::signalInterrupted, &upload,
                     &ConsoleUpload::slotInterrupt);
    upload.start();
    const int status = QCoreApplication::exec();
    Prompter::setInstance(nullptr);
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
        fputs(qUtf8Printable(ConsoleOptions::usage()), stdout);
        return ConsoleOptions::ExitSuccess;
    }
    // The engine's diagnostics would bury the report.
    if (!options.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

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
        return ConsoleOptions::ExitUsage;
    }
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();

    const int status = runCommand(options);
    if (options.command != ConsoleOptions::Command::ListProfiles)
        ProfileStore::writeShortcutList();
    ProfileStore::close();
    return status;
}
