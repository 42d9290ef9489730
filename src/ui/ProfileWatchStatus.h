#pragma once

#include "WatchState.h"

#include <QStringList>

// What the background watcher of one profile is doing, as the profile list shows it: a short line under
// the profile name and the whole story in the row's tool tip.
class ProfileWatchStatus
{
public:
    // From the profile's watch config and the status file its watcher writes.
    static ProfileWatchStatus read(const QString& profile);

    // A watch config exists: the profile's folders are meant to be kept uploaded.
    bool isConfigured() const { return m_configured; }
    // Empty when no folder is kept uploaded and no watcher runs.
    QString line() const;
    QString toolTip() const;

    bool operator==(const ProfileWatchStatus& other) const;
    bool operator!=(const ProfileWatchStatus& other) const { return !(*this == other); }

private:
    bool m_configured = false;
    bool m_live = false;
    bool m_known = false;
    QStringList m_folders;
    QString m_configError;
    WatchState m_state;
};
