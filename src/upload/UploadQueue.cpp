#include "UploadQueue.h"

#include "AppPaths.h"

#include <QFileInfo>
#include <QImage>

UploadQueue::UploadQueue() = default;

const QStringList& UploadQueue::thumbnailKinds()
{
    static const QStringList kinds = {QStringLiteral("THUM_B"), QStringLiteral("THUM_L"),
                                      QStringLiteral("THUM_M"), QStringLiteral("THUM_S"),
                                      QStringLiteral("THUM_XL")};
    return kinds;
}

const QStringList& UploadQueue::videoKinds()
{
    static const QStringList kinds = {QStringLiteral("MP4_HIGH"), QStringLiteral("MP4_MEDIUM"),
                                      QStringLiteral("MP4_LOW"), QStringLiteral("MP4_MOBILE")};
    return kinds;
}

QString UploadQueue::thumbnailSuffix(const QString& kind)
{
    // "THUM_B" -> "THUMB_B.jpg"
    return QStringLiteral("THUMB_") + kind.mid(5) + QStringLiteral(".jpg");
}

QString UploadQueue::videoSuffix(int quality)
{
    static const QStringList suffixes = {QStringLiteral("FILM_H.mp4"), QStringLiteral("FILM_M.mp4"),
                                         QStringLiteral("FILM_L.mp4"), QStringLiteral("FILM_MOBILE.mp4")};
    return suffixes.value(quality);
}

void UploadQueue::setConversionList(const QList<ConversionEntry>& entries)
{
    QMutexLocker lock(&m_lock);
    m_conversionList = entries;
    m_pendingFolders.clear();
    m_totalBytes = 0;
    for (const ConversionEntry& entry : entries) {
        const QFileInfo info(entry.value(LocalPath));
        if (info.isFile())
            m_totalBytes += info.size();
        if (info.isDir())
            m_pendingFolders.insert(folderPath(entry.value(TargetFolder), info.fileName()));
    }
}

void UploadQueue::setTotal(int total)
{
    QMutexLocker lock(&m_lock);
    m_total = total;
}

int UploadQueue::total() const
{
    QMutexLocker lock(&m_lock);
    return m_total;
}

bool UploadQueue::takeConversionEntry(ConversionEntry* entry)
{
    QMutexLocker lock(&m_lock);
    if (m_conversionList.isEmpty())
        return false;
    *entry = m_conversionList.takeFirst();
    return true;
}

float UploadQueue::nextProgressStep(float weight)
{
    QMutexLocker lock(&m_lock);
    if (m_total > 0)
        m_nextProgress += weight / m_total;
    return m_nextProgress;
}

float UploadQueue::completeProgressStep(float weight)
{
    QMutexLocker lock(&m_lock);
    if (m_total > 0)
        m_completeProgress += weight / m_total;
    return m_completeProgress;
}

int UploadQueue::useName(const QString& name)
{
    QMutexLocker lock(&m_lock);
    auto it = m_usedNames.find(name);
    const int result = it == m_usedNames.end() ? 0 : it.value() + 1;
    m_usedNames.insert(name, result);
    return result;
}

void UploadQueue::appendItem(UploadItem item)
{
    if (item.value(BatchLast) == QLatin1String("true")) {
        ++m_batchesQueued;
        if (m_batchesQueued == m_total)
            item.insert(RunLast, QStringLiteral("true"));
    }
    m_uploadList.append(item);
    m_ready.release();
}

QString UploadQueue::folderPath(const QString& targetFolder, const QString& name)
{
    return targetFolder.isEmpty() ? name : targetFolder + QLatin1Char('/') + name;
}

bool UploadQueue::waitsForFolder(const QString& targetFolder) const
{
    // The batch needs its target folder and every folder above it that this run still has to create.
    for (QString folder = targetFolder; !folder.isEmpty(); folder = folder.section(QLatin1Char('/'), 0, -2)) {
        if (m_pendingFolders.contains(folder))
            return true;
        if (!folder.contains(QLatin1Char('/')))
            break;
    }
    return false;
}

void UploadQueue::appendBatch(const QList<UploadItem>& batch)
{
    for (const UploadItem& item : batch)
        appendItem(item);
    const UploadItem& source = batch.last();
    if (source.value(UploadType) != QLatin1String("FOLDER"))
        return;
    m_pendingFolders.remove(
        folderPath(source.value(TargetFolder), QFileInfo(source.value(LocalPath)).fileName()));
    // Batches that waited for this folder may go now, and so may those waiting for what they create.
    for (bool moved = true; moved;) {
        moved = false;
        for (int i = 0; i < m_deferredBatches.size(); ++i) {
            if (!waitsForFolder(m_deferredBatches.at(i).last().value(TargetFolder))) {
                appendBatch(m_deferredBatches.takeAt(i));
                moved = true;
                break;
            }
        }
    }
}

void UploadQueue::handOver(int sequence, FileTypes::ConversionClass type, bool isFolder,
                           const QString& localPath, const QString& targetFolder, const QString& serverName,
                           const QList<int>& qualities, const QString& warning)
{
    const QString prefix = AppPaths::workPrefix(sequence);
    QMutexLocker lock(&m_lock);
    // A folder that vanished before its turn still goes as a folder item, so that the batches waiting
    // for it are released; the uploader reports it missing.
    if (m_pendingFolders.contains(folderPath(targetFolder, QFileInfo(localPath).fileName())))
        isFolder = true;
    QList<UploadItem> batch;
    if (type != FileTypes::ConvertOther) {
        for (const QString& kind : thumbnailKinds()) {
            const QString workFile = prefix + thumbnailSuffix(kind);
            if (!QFileInfo::exists(workFile) || QImage(workFile).isNull())
                continue;
            UploadItem item{{LocalPath, workFile},
                            {TargetFolder, targetFolder},
                            {ServerName, serverName},
                            {UploadType, kind}};
            if (batch.isEmpty())
                item.insert(BatchFirst, QStringLiteral("true"));
            batch.append(item);
        }
    }
    if (type != FileTypes::ConvertImage) {
        for (int quality : qualities) {
            if (quality < 0 || quality >= videoKinds().size())
                continue;
            const QString workFile = prefix + videoSuffix(quality);
            if (!QFileInfo::exists(workFile))
                continue;
            batch.append({{LocalPath, workFile},
                          {TargetFolder, targetFolder},
                          {ServerName, serverName},
                          {UploadType, videoKinds().at(quality)}});
        }
    }
    batch.append({{LocalPath, localPath},
                  {TargetFolder, targetFolder},
                  {ServerName, serverName},
                  {UploadType, isFolder ? QStringLiteral("FOLDER") : QStringLiteral("ORIG_FILE")},
                  {BatchLast, QStringLiteral("true")}});
    if (!warning.isEmpty())
        batch.last().insert(Warning, warning);
    for (UploadItem& item : batch)
        item.insert(SourcePath, localPath);
    // Converters finish in any order; a batch must not reach the server before the folder it goes into.
    if (waitsForFolder(targetFolder))
        m_deferredBatches.append(batch);
    else
        appendBatch(batch);
}

bool UploadQueue::waitForItem(int timeoutMs)
{
    return m_ready.tryAcquire(1, timeoutMs);
}

UploadItem UploadQueue::takeUploadItem()
{
    QMutexLocker lock(&m_lock);
    return m_uploadList.isEmpty() ? UploadItem() : m_uploadList.takeFirst();
}

void UploadQueue::addSuccess()
{
    ++m_successCount;
}

void UploadQueue::addFailure(const QString& name, const QString& errorText)
{
    UploadProblem problem;
    problem.path = name;
    problem.text = errorText;
    problem.time = QDateTime::currentDateTime();
    addProblem(problem);
}

void UploadQueue::addProblem(const UploadProblem& problem)
{
    QMutexLocker lock(&m_lock);
    if (problem.kind == UploadProblem::Kind::Error)
        ++m_failureCount;
    m_problems.append(problem);
}

void UploadQueue::addOutcome(const UploadOutcome& outcome)
{
    QMutexLocker lock(&m_lock);
    if (!outcome.success)
        ++m_failureCount;
    m_problems.append(UploadProblem::fromOutcome(outcome));
}

QList<UploadProblem> UploadQueue::problems() const
{
    QMutexLocker lock(&m_lock);
    return m_problems;
}

qint64 UploadQueue::totalBytes() const
{
    QMutexLocker lock(&m_lock);
    return m_totalBytes;
}

QList<UploadFailure> UploadQueue::failures() const
{
    QMutexLocker lock(&m_lock);
    QList<UploadFailure> rows;
    for (const UploadProblem& problem : std::as_const(m_problems))
        if (problem.kind == UploadProblem::Kind::Error)
            rows.append({problem.fileName(), problem.text});
    return rows;
}

QList<UploadFailure> UploadQueue::warnings() const
{
    QMutexLocker lock(&m_lock);
    QList<UploadFailure> rows;
    for (const UploadProblem& problem : std::as_const(m_problems))
        if (problem.kind == UploadProblem::Kind::Warning)
            rows.append({problem.fileName(), problem.text});
    return rows;
}
