#pragma once

#include "FileTypes.h"
#include "UploadProblem.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>
#include <QSemaphore>
#include <QSet>
#include <QStringList>

#include <atomic>

// Key -> text maps handed from the settings page to the converters (entries) and from the converters to
// the uploader (items). Entries: 0 local path, 1 target folder. Items additionally: 2 server file name,
// 3 upload type, 4 first of a batch, 5 last of a batch (the source file), 6 last of the run, 7 on the
// source file's item: why it goes up without (some of) its conversions, 8 the user's file the item
// belongs to.
using ConversionEntry = QMap<int, QString>;
using UploadItem = QMap<int, QString>;
using UploadFailure = QPair<QString, QString>; // file name, error text

// The one object the converter threads, the uploader thread and the wizard share during a run.
// This class is thread safe: the lists, counters and progress fields are guarded by one mutex, and
// the ready semaphore carries one permit per item in the upload list.
class UploadQueue
{
public:
    enum ItemKey
    {
        LocalPath = 0,
        TargetFolder = 1,
        ServerName = 2,
        UploadType = 3,
        BatchFirst = 4,
        BatchLast = 5,
        RunLast = 6,
        Warning = 7,
        SourcePath = 8
    };

    UploadQueue();

    void setConversionList(const QList<ConversionEntry>& entries);
    // The size of every file in the conversion list as it was set.
    qint64 totalBytes() const;
    void setTotal(int total);
    int total() const;
    bool takeConversionEntry(ConversionEntry* entry);

    // Advance a progress fraction by weight / total and return the new value.
    float nextProgressStep(float weight);
    float completeProgressStep(float weight);

    void setCurrentFileSize(qint64 size) { m_currentFileSize.store(size); }
    qint64 currentFileSize() const { return m_currentFileSize.load(); }

    // 0 for a name not seen in this run, else one more than the name's previous count.
    int useName(const QString& name);

    // Appends the batch of one source file: its thumbnails, then its renditions in quality order, then
    // the file itself; releases one permit per item. A batch whose folder this run has yet to create on
    // the server waits until that folder's own item is appended. A warning goes with the file's item.
    void handOver(int sequence, FileTypes::ConversionClass type, bool isFolder, const QString& localPath,
                  const QString& targetFolder, const QString& serverName, const QList<int>& qualities,
                  const QString& warning = QString());

    // Waits up to timeoutMs for the next item; false when none came.
    bool waitForItem(int timeoutMs);
    // The caller must have obtained a permit through waitForItem().
    UploadItem takeUploadItem();

    void addSuccess();
    void addFailure(const QString& name, const QString& errorText);
    // An error row counts as a failure; a warning row is only listed.
    void addProblem(const UploadProblem& problem);
    // The rows of one file's outcome; only a file that did not reach the server counts as failed.
    void addOutcome(const UploadOutcome& outcome);
    int successCount() const { return m_successCount.load(); }
    int failureCount() const { return m_failureCount.load(); }
    // File names and texts of the error rows.
    QList<UploadFailure> failures() const;
    // Error and warning rows in the order they happened.
    QList<UploadProblem> problems() const;
    // File names and texts of the warning rows.
    QList<UploadFailure> warnings() const;

    static const QStringList& thumbnailKinds();
    static const QStringList& videoKinds();
    static QString thumbnailSuffix(const QString& kind);
    static QString videoSuffix(int quality);

private:
    void appendItem(UploadItem item);
    void appendBatch(const QList<UploadItem>& batch);
    bool waitsForFolder(const QString& targetFolder) const;
    static QString folderPath(const QString& targetFolder, const QString& name);

    QSemaphore m_ready;
    std::atomic<int> m_successCount{0};
    std::atomic<int> m_failureCount{0};
    std::atomic<qint64> m_currentFileSize{0};
    mutable QMutex m_lock;
    int m_total = 0;
    int m_batchesQueued = 0;
    float m_completeProgress = 0.0f;
    float m_nextProgress = 0.0f;
    qint64 m_totalBytes = 0;
    QList<UploadProblem> m_problems;
    QList<UploadItem> m_uploadList;
    QList<ConversionEntry> m_conversionList;
    QMap<QString, int> m_usedNames;
    QSet<QString> m_pendingFolders;
    QList<QList<UploadItem>> m_deferredBatches;
};
