#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QSocketNotifier;

// Watches folder trees with inotify, one watch per folder, and reports the files that were created,
// written or moved in, including those inside folders that appear later. Symbolic links are not
// followed. When the per-user watch limit is reached the folders left without a watch are compared
// with a snapshot on every rescan instead.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    enum class Notice
    {
        SymlinkSkipped,
        FolderGone,
        FolderUnreadable,
        EventsLost
    };

    explicit FolderWatcher(QObject* parent = nullptr);
    ~FolderWatcher() override;
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // False when inotify cannot be used at all (errorString() says why).
    bool isValid() const { return m_fd >= 0; }
    QString errorString() const { return m_error; }

    // Watches root and every folder below it. Files already there are not reported.
    void addRoot(const QString& root);
    QStringList roots() const { return m_roots; }
    // Caps the watches this watcher takes below the kernel's own limit; 0 for none.
    void setWatchCap(int cap) { m_watchCap = cap; }
    void setRescanInterval(int ms);
    int watchedFolderCount() const { return m_pathOfWatch.size(); }
    int unwatchedFolderCount() const { return m_unwatched.size(); }

    // The per-user limit of the kernel, -1 when it cannot be read.
    static int kernelWatchLimit();
    static QString kernelWatchLimitFile();

signals:
    // A file that may have new content; it may still be being written.
    void signalFileTouched(const QString& path);
    void signalNotice(FolderWatcher::Notice notice, const QString& path);
    // Reported once: from now on, new folders are rescanned every rescan interval.
    void signalWatchLimitReached(int watches);

private slots:
    void slotReadable();
    void slotRescan();

private:
    struct Stamp
    {
        qint64 size = -1;
        qint64 mtimeMs = 0;
    };

    // Watches folder and those below it; reportFiles tells whether their files are new to us.
    void addTree(const QString& folder, bool reportFiles);
    bool addWatch(const QString& folder);
    void forgetTree(const QString& folder);
    void scanUnwatched(const QString& folder, bool reportChanges);
    void reportSymlink(const QString& path);
    void handleEvent(int wd, quint32 mask, const QString& name);

    int m_fd = -1;
    QString m_error;
    QSocketNotifier* m_notifier = nullptr;
    QStringList m_roots;
    QHash<int, QString> m_pathOfWatch;
    QHash<QString, int> m_watchOfPath;
    // Folders without a watch, each with the files seen there at the last scan.
    QHash<QString, QHash<QString, Stamp>> m_unwatched;
    QSet<QString> m_reportedLinks;
    QTimer m_rescan;
    int m_watchCap = 0;
    bool m_limitReported = false;
};
