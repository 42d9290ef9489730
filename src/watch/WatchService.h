#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class QProcess;

// The systemd user unit lumio-upload-watch@PROFILE.service that keeps a profile's folders uploaded:
// enables and (re)starts it, stops and disables it and removes the profile's watch config, or moves both
// to a renamed profile. Runs
// `systemctl --user` as a child process without blocking the event loop ($LUMIO_SYSTEMCTL names
// another program); one request at a time.
class WatchService : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Done,
        NoSystemctl, // nothing was asked of systemd: there is no systemctl
        Failed
    };

    explicit WatchService(QObject* parent = nullptr);
    ~WatchService() override;

    // systemd's escaping of a unit instance name (as systemd-escape does).
    static QString instanceName(const QString& profile);
    static QString unitName(const QString& profile);
    // The systemctl to run, or empty when there is none.
    static QString systemctlProgram();

    bool isBusy() const { return m_busy; }
    // Enables and restarts the unit: a running watcher reads its config only at start. The config must
    // be written first.
    void enable(const QString& profile);
    // Stops and disables the unit, then removes the config.
    void disable(const QString& profile);
    // For a renamed profile: moves the config to the new name at once, then stops and disables the old
    // name's unit and enables and starts the new one's.
    void rename(const QString& from, const QString& to);
    // Runs an event loop until the request under way has finished; its outcome.
    Outcome waitForFinished();

    Outcome outcome() const { return m_outcome; }
    // What failed, naming the command or file.
    QString errorString() const { return m_error; }

signals:
    void signalFinished(WatchService::Outcome outcome, const QString& error);

private slots:
    void slotStepFinished();
    void slotTimeout();

private:
    void start(const QString& profile, const QList<QStringList>& steps, bool removeConfig);
    void nextStep();
    void finish(Outcome outcome, const QString& error);

    QList<QStringList> m_steps;
    QStringList m_current;
    QString m_profile;
    bool m_removeConfig = false;
    bool m_busy = false;
    Outcome m_outcome = Outcome::Done;
    QString m_error;
    std::unique_ptr<QProcess> m_process;
    QTimer m_timeout;
};
