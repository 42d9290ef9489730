#pragma once

#include <QStringList>

// lumio-upload watch enable|disable|status|run: sets up, removes and reports the background watcher
// of a profile (the systemd user unit lumio-upload-watch@PROFILE.service and its config file).
// "run" is what the unit starts: it turns the config into the command line of a --watch run.
class WatchCommand
{
public:
    explicit WatchCommand(const QStringList& arguments);

    static bool handles(const QStringList& arguments);

    // True for "run": the caller goes on with runArguments() as its command line.
    bool isRun() const;
    // For "run": the program name followed by the watcher's options; false with *error when the config
    // cannot be used.
    bool runArguments(QStringList* arguments, QString* error) const;
    // Carries out enable, disable or status; the exit status.
    int exec() const;

private:
    int enable() const;
    int disable() const;
    int status() const;

    QStringList m_arguments;
};
