#include "WatchCommand.h"

#include "AppPaths.h"
#include "ConsoleOptions.h"
#include "ProfileStore.h"
#include "ServerProfile.h"
#include "WatchConfig.h"
#include "WatchService.h"
#include "WatchState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void out(const QString& text)
{
    fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
}

void err(const QString& text)
{
    fputs((QStringLiteral("lumio-upload: ") + text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

QString usage()
{
    return QStringLiteral(
        "usage: lumio-upload watch enable PROFILE FOLDER... [--settle SECONDS] [--album /photo/PATH] "
        "[upload options]\n"
        "       lumio-upload watch disable PROFILE\n"
        "       lumio-upload watch status [PROFILE]\n"
        "       lumio-upload watch run PROFILE");
}

QString timeText(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

WatchCommand::WatchCommand(const QStringList& arguments) : m_arguments(arguments) {}

bool WatchCommand::handles(const QStringList& arguments)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("watch");
}

bool WatchCommand::isRun() const
{
    return m_arguments.size() > 2 && m_arguments.at(2) == QLatin1String("run");
}

bool WatchCommand::runArguments(QStringList* arguments, QString* error) const
{
    if (m_arguments.size() != 4) {
        *error = usage();
        return false;
    }
    const QString profile = m_arguments.at(3);
    WatchConfig config;
    if (!QFileInfo::exists(WatchConfig::pathFor(profile))) {
        *error =
            QStringLiteral("no watch is set up for profile \"%1\" (%2 is missing; see lumio-upload watch "
                           "enable)")
                .arg(profile, WatchConfig::pathFor(profile));
        return false;
    }
    if (!config.read(WatchConfig::pathFor(profile), error))
        return false;
    *arguments = QStringList{m_arguments.first()} + config.arguments(profile);
    return true;
}

int WatchCommand::exec() const
{
    const QString action = m_arguments.value(2);
    if (action == QLatin1String("enable") && m_arguments.size() >= 5)
        return enable();
    if (action == QLatin1String("disable") && m_arguments.size() == 4)
        return disable();
    if (action == QLatin1String("status") && m_arguments.size() <= 4)
        return status();
    err(usage());
    return ConsoleOptions::ExitUsage;
}

int WatchCommand::enable() const
{
    const QString profile = m_arguments.at(3);
    WatchConfig config;
    for (int i = 4; i < m_arguments.size(); ++i) {
        const QString& word = m_arguments.at(i);
        if (!word.startsWith(QLatin1String("--"))) {
            const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(word));
            const QFileInfo info(path);
            if (!info.isDir() || info.isSymLink()) {
                err(QStringLiteral("not a folder: %1").arg(path));
                return ConsoleOptions::ExitUsage;
            }
            if (!info.isReadable() || !info.isExecutable()) {
                err(QStringLiteral("the folder cannot be read: %1").arg(path));
                return ConsoleOptions::ExitUsage;
            }
            config.paths.append(path);
            continue;
        }
        const QString key = word.mid(2);
        bool known = false;
        if (WatchConfig::flagKeys().contains(key))
            known = config.setOption(key, QStringLiteral("yes"));
        else if (WatchConfig::valuedKeys().contains(key) && i + 1 < m_arguments.size())
            known = config.setOption(key, m_arguments.at(++i));
        if (!known) {
            err(QStringLiteral("%1 cannot be used with watch enable\n%2").arg(word, usage()));
            return ConsoleOptions::ExitUsage;
        }
    }
    if (config.paths.isEmpty()) {
        err(usage());
        return ConsoleOptions::ExitUsage;
    }
    // The watcher will read these options: refuse now what it would refuse then.
    ConsoleOptions options;
    QString error;
    if (!options.parse(QStringList{m_arguments.first()} + config.arguments(profile), &error)) {
        err(error);
        return ConsoleOptions::ExitUsage;
    }
    QDir().mkpath(AppPaths::dataFolder());
    ServerProfile record;
    const bool known = ProfileStore::open() && ProfileStore::profilesTableExists() &&
                       ProfileStore::loadProfile(profile, &record);
    ProfileStore::close();
    if (!known) {
        err(QStringLiteral("no profile named \"%1\" (see lumio-upload --list-profiles)").arg(profile));
        return ConsoleOptions::ExitUsage;
    }
    if (!record.savepass)
        err(QStringLiteral("warning: profile \"%1\" does not remember its password; the service cannot "
                           "ask for one. Remember it in the profile first.")
                .arg(profile));

    const QString path = WatchConfig::pathFor(profile);
    if (!config.write(path, &error)) {
        err(error);
        return ConsoleOptions::ExitFailure;
    }
    out(QStringLiteral("wrote %1").arg(path));
    WatchService service;
    service.enable(profile);
    switch (service.waitForFinished()) {
    case WatchService::Outcome::NoSystemctl:
        out(QStringLiteral(
                "systemctl is not available: start the watcher yourself with\n  lumio-upload watch "
                "run %1")
                .arg(profile));
        return ConsoleOptions::ExitSuccess;
    case WatchService::Outcome::Failed:
        err(service.errorString());
        return ConsoleOptions::ExitFailure;
    case WatchService::Outcome::Done:
        break;
    }
    out(QStringLiteral("enabled and started %1").arg(WatchService::unitName(profile)));
    return ConsoleOptions::ExitSuccess;
}

int WatchCommand::disable() const
{
    const QString profile = m_arguments.at(3);
    const QString path = WatchConfig::pathFor(profile);
    const bool configured = QFileInfo::exists(path);
    WatchService service;
    service.disable(profile);
    const WatchService::Outcome outcome = service.waitForFinished();
    if (outcome == WatchService::Outcome::Failed) {
        err(service.errorString());
        return ConsoleOptions::ExitFailure;
    }
    if (outcome == WatchService::Outcome::Done)
        out(QStringLiteral("stopped and disabled %1").arg(WatchService::unitName(profile)));
    if (configured)
        out(QStringLiteral("removed %1").arg(path));
    return ConsoleOptions::ExitSuccess;
}

int WatchCommand::status() const
{
    QStringList profiles = WatchConfig::profiles();
    if (m_arguments.size() == 4)
        profiles = QStringList{m_arguments.at(3)};
    if (profiles.isEmpty()) {
        out(QStringLiteral("no folder is kept uploaded (lumio-upload watch enable PROFILE FOLDER...)"));
        return ConsoleOptions::ExitSuccess;
    }
    for (const QString& profile : std::as_const(profiles)) {
        WatchConfig config;
        QString error;
        const bool configured = QFileInfo::exists(WatchConfig::pathFor(profile));
        if (configured && !config.read(WatchConfig::pathFor(profile), &error))
            out(QStringLiteral("profile \"%1\": %2").arg(profile, error));
        WatchState state;
        const bool known = state.read(WatchState::pathFor(profile));
        const bool running = known && state.isLive();
        QString activity = QStringLiteral("not running");
        if (running) {
            activity = WatchState::activityName(state.activity);
            if (state.activity == WatchState::Activity::Uploading)
                activity = QStringLiteral("uploading %1 files").arg(state.uploading);
            else if (state.activity == WatchState::Activity::Unreachable)
                activity =
                    QStringLiteral("server unreachable since %1").arg(timeText(state.unreachableSince));
            activity += QStringLiteral(" (pid %1)").arg(state.pid);
        }
        out(QStringLiteral("profile \"%1\": %2").arg(profile, activity));
        out(QStringLiteral("  folders: %1")
                .arg(configured ? config.paths.join(QStringLiteral(", "))
                                : QStringLiteral("(no watch set up)")));
        if (running)
            out(QStringLiteral("  backlog: %1 files").arg(state.backlog));
        if (known && state.lastRun.isValid())
            out(QStringLiteral("  last run: %1, %2").arg(timeText(state.lastRun), state.lastRunResult));
        if (known && !state.lastError.isEmpty())
            out(QStringLiteral("  last error: %1").arg(state.lastError));
    }
    return ConsoleOptions::ExitSuccess;
}
