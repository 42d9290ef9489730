#include "ProfileWatchStatus.h"

#include "VexaLocale.h"
#include "WatchConfig.h"

#include <QFileInfo>

namespace {

// Short and the same in every language: the time alone for today.
QString timeText(const QDateTime& time)
{
    const QDateTime local = time.toLocalTime();
    const bool today = local.date() == QDate::currentDate();
    return local.toString(today ? QStringLiteral("HH:mm") : QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

ProfileWatchStatus ProfileWatchStatus::read(const QString& profile)
{
    ProfileWatchStatus status;
    const QString path = WatchConfig::pathFor(profile);
    status.m_configured = QFileInfo::exists(path);
    WatchConfig config;
    if (status.m_configured && config.read(path, &status.m_configError))
        status.m_folders = config.paths;
    status.m_known = status.m_state.read(WatchState::pathFor(profile));
    status.m_live = status.m_known && status.m_state.isLive();
    return status;
}

QString ProfileWatchStatus::line() const
{
    if (m_live) {
        switch (m_state.activity) {
        case WatchState::Activity::Uploading:
            return tx(TextId::watch_state_uploading, m_state.uploading);
        case WatchState::Activity::Unreachable:
            return tx(TextId::watch_state_unreachable).arg(timeText(m_state.unreachableSince));
        default:
            return tx(TextId::watch_state_watching);
        }
    }
    return m_configured ? tx(TextId::watch_state_not_running) : QString();
}

QString ProfileWatchStatus::toolTip() const
{
    if (line().isEmpty())
        return QString();
    QStringList lines{line()};
    if (!m_folders.isEmpty())
        lines.append(tx(TextId::watch_folders).arg(m_folders.join(QStringLiteral(", "))));
    if (m_known && m_state.lastRun.isValid())
        lines.append(tx(TextId::watch_last_run).arg(timeText(m_state.lastRun), m_state.lastRunResult));
    const QString error = m_configError.isEmpty() ? m_state.lastError : m_configError;
    if (!error.isEmpty())
        lines.append(tx(TextId::watch_last_error).arg(error));
    return lines.join(QLatin1Char('\n'));
}

bool ProfileWatchStatus::operator==(const ProfileWatchStatus& other) const
{
    return line() == other.line() && toolTip() == other.toolTip();
}
