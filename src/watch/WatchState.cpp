#include "WatchState.h"

#include "AppPaths.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>

#include <cerrno>
#include <csignal>

namespace {

const char* const kActivityNames[] = {"watching", "uploading", "unreachable", "stopped"};

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
}

} // namespace

QString WatchState::fileNamePart(const QString& profile)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(profile, {}, "~"));
}

QString WatchState::pathFor(const QString& profile)
{
    return AppPaths::runtimeFolder() + QStringLiteral("/watch-") + fileNamePart(profile) +
           QStringLiteral(".state");
}

QString WatchState::activityName(Activity activity)
{
    return QString::fromLatin1(kActivityNames[static_cast<int>(activity)]);
}

bool WatchState::isLive() const
{
    return activity != Activity::Stopped && pid > 0 &&
           (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool WatchState::write(const QString& path, QString* error) const
{
    QByteArray text;
    const auto line = [&text](const char* key, const QString& value) {
        text += key;
        text += '=';
        text += oneLine(value).toUtf8();
        text += '\n';
    };
    line("state", activityName(activity));
    line("pid", QString::number(pid));
    line("uploading", QString::number(uploading));
    line("backlog", QString::number(backlog));
    line("last_run", timeText(lastRun));
    line("last_run_result", lastRunResult);
    line("last_error", lastError);
    line("unreachable_since", timeText(unreachableSince));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool WatchState::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *this = WatchState();
    while (!file.atEnd()) {
        QByteArray raw = file.readLine();
        if (raw.endsWith('\n'))
            raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (key == QLatin1String("state")) {
            for (int i = 0; i < 4; ++i) {
                if (value == QLatin1String(kActivityNames[i]))
                    activity = static_cast<Activity>(i);
            }
        } else if (key == QLatin1String("pid")) {
            pid = value.toLongLong();
        } else if (key == QLatin1String("uploading")) {
            uploading = value.toInt();
        } else if (key == QLatin1String("backlog")) {
            backlog = value.toInt();
        } else if (key == QLatin1String("last_run")) {
            lastRun = QDateTime::fromString(value, Qt::ISODate);
        } else if (key == QLatin1String("last_run_result")) {
            lastRunResult = value;
        } else if (key == QLatin1String("last_error")) {
            lastError = value;
        } else if (key == QLatin1String("unreachable_since")) {
            unreachableSince = QDateTime::fromString(value, Qt::ISODate);
        }
    }
    return true;
}
