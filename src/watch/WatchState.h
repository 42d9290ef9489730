#pragma once

#include <QDateTime>
#include <QString>

// What a watcher of one profile is doing, as the small status file in the runtime folder tells it to
// `lumio-upload watch status` and the desktop. The file is rewritten whole on every change.
struct WatchState
{
    enum class Activity
    {
        Watching,
        Uploading,
        Unreachable,
        Stopped
    };

    Activity activity = Activity::Watching;
    qint64 pid = 0;
    int uploading = 0; // files in the run under way
    int backlog = 0;   // settled files waiting for a run
    QDateTime lastRun; // when the last run ended
    QString lastRunResult;
    QString lastError;
    QDateTime unreachableSince;

    // runtime folder + "/watch-" + the profile name percent-encoded + ".state"
    static QString pathFor(const QString& profile);
    // A file name part for a profile name: letters, digits, "-", "_" and "." stay, the rest is %XX.
    static QString fileNamePart(const QString& profile);
    static QString activityName(Activity activity);

    // A watcher that has not said it stopped and whose process is still there.
    bool isLive() const;

    bool write(const QString& path, QString* error = nullptr) const;
    // False when there is no readable status file.
    bool read(const QString& path);
};
