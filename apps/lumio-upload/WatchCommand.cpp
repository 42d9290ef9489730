#include "WatchCommand.h"

#include "AppPaths.h"
#include "ConsoleOptions.h"
#include "ProfileStore.h"
#include "ServerProfile.h"
#include "WatchConfig.h"
#include "WatchState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

const int kSystemctlTimeoutMs = 60000;

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

bool processAlive(qint64 pid)
{
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
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

QString WatchCommand::instanceName(const QString& profile)
{
    const QByteArray bytes = profile.toUtf8();
    QString name;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == ':' || c == '_' || (c == '.' && i > 0);
        if (c == '/')
            name += QLatin1Char('-');
        else if (plain)
            name += QLatin1Char(c);
        else
            name += QString::asprintf("\\x%02x", static_cast<unsigned char>(c));
    }
    return name;
}

QString WatchCommand::unitName(const QString& profile)
{
    return QStringLiteral("lumio-upload-watch@") + instanceName(profile) + QStringLiteral(".service");
}

QString WatchCommand::systemctlProgram()
{
    const QString named = qEnvironmentVariable("LUMIO_SYSTEMCTL");
    const QString program = named.isEmpty() ? QStringLiteral("systemctl") : named;
    return QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
}

bool WatchCommand::systemctl(const QStringList& arguments, QString* error)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(systemctlProgram(), QStringList{QStringLiteral("--user")} + arguments);
    if (!process.waitForFinished(kSystemctlTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("systemctl --user %1 did not finish").arg(arguments.join(QLatin1Char(' ')));
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error =
            QStringLiteral("systemctl --user %1 failed: %2")
                .arg(arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
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
    if (systemctlProgram().isEmpty()) {
        out(QStringLiteral(
                "systemctl is not available: start the watcher yourself with\n  lumio-upload watch "
                "run %1")
                .arg(profile));
        return ConsoleOptions::ExitSuccess;
    }
    const QString unit = unitName(profile);
    // A running watcher reads its config only at start.
    if (!systemctl({QStringLiteral("enable"), unit}, &error) ||
        !systemctl({QStringLiteral("restart"), unit}, &error)) {
        err(error);
        return ConsoleOptions::ExitFailure;
    }
    out(QStringLiteral("enabled and started %1").arg(unit));
    return ConsoleOptions::ExitSuccess;
}

int WatchCommand::disable() const
{
    const QString profile = m_arguments.at(3);
    const QString path = WatchConfig::pathFor(profile);
    QString error;
    if (!systemctlProgram().isEmpty()) {
        if (!systemctl({QStringLiteral("disable"), QStringLiteral("--now"), unitName(profile)}, &error)) {
            err(error);
            return ConsoleOptions::ExitFailure;
        }
        out(QStringLiteral("stopped and disabled %1").arg(unitName(profile)));
    }
    if (QFileInfo::exists(path)) {
        if (!QFile::remove(path)) {
            err(QStringLiteral("cannot remove %1").arg(path));
            return ConsoleOptions::ExitFailure;
        }
        out(QStringLiteral("removed %1").arg(path));
    }
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
        const bool running =
            known && state.activity != WatchState::Activity::Stopped && processAlive(state.pid);
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
