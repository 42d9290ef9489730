#pragma once

#include "ConsoleOptions.h"
#include "WatchLoop.h"

#include <QObject>

#include <memory>

class ConsoleReport;
class ConsoleUpload;
class SingleInstanceLock;

// lumio-upload --watch: a first run over the folders, then a run for each burst of new or changed
// files, for as long as the process lives. One watcher per profile and user. Ends with
// signalFinished(exit status): 0 after SIGTERM or SIGINT, 4 when the server refuses the login.
class ConsoleWatch : public QObject
{
    Q_OBJECT

public:
    ConsoleWatch(const ConsoleOptions& options, ConsoleReport* report, QObject* parent = nullptr);
    ~ConsoleWatch() override;

    void start();

signals:
    void signalFinished(int status);

public slots:
    void slotInterrupt();

private slots:
    void slotRunDue(const QStringList& files);
    void slotRunFinished();
    void slotNotice(FolderWatcher::Notice notice, const QString& path);
    void slotWatchLimitReached(int watches);
    void slotUnreadable(const QString& path);
    void slotPausing(int ms);

private:
    static WatchLoop::Settings settingsFor(const ConsoleOptions& options);
    QStringList stillToSend(const QStringList& files) const;
    void finish(int status, const QString& message = QString());

    ConsoleOptions m_options;
    ConsoleReport* m_report;
    std::unique_ptr<SingleInstanceLock> m_lock;
    std::unique_ptr<WatchLoop> m_loop;
    std::unique_ptr<ConsoleUpload> m_upload;
    QString m_password;
    int m_goneRoots = 0;
    bool m_interrupted = false;
    bool m_finished = false;
};
