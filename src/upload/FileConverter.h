#pragma once

#include "UploadQueue.h"

#include <QDateTime>
#include <QThread>

#include <atomic>
#include <memory>

class ImageConverter;
class ServerProfile;
class VideoConverter;

// A worker that takes files from the queue's conversion list, names them for the server, has their
// thumbnails and renditions made, and hands each file's batch to the uploader.
class FileConverter : public QThread
{
    Q_OBJECT

public:
    FileConverter(UploadQueue* queue, const ServerProfile* profile, QObject* parent = nullptr);
    ~FileConverter() override;

    // Asks the worker to stop after the current file and ends a running tool at once.
    void stop(int value);

    // "IMG_" + the EXIF capture time (else the last-modified time) as yyyyMMdd_hhmmss; "" when the
    // file does not exist.
    static QString captureTimeName(const QString& localPath);
    // The base name a file goes to the server under when renaming by date: the capture time of an image;
    // for a video the name of its Live Photo still (a photo of the same base name beside it), else
    // "IMG_" + videoTaken (the clip's own creation time), else its modification time. Without renaming,
    // the file's own complete base name.
    static QString serverBaseName(const QString& localPath, bool renameByDate,
                                  const QDateTime& videoTaken = QDateTime());
    // The still of a Live Photo pair: a HEIC/HEIF/JPEG beside the video with the same base name; empty
    // when there is none.
    static QString livePhotoStill(const QString& videoPath);
    // "no thumbnails: " and the converter's reason; empty when there is no reason (a stop).
    static QString conversionWarning(const QString& reason);
    // The words for a video rendition quality of signalConversionStarted ("medium quality").
    static QString qualityName(int quality);
    // The name, or name_1, name_2 ... when the run already used it.
    static QString uniqueServerName(UploadQueue* queue, const QString& baseName, const QString& suffix);

    // Nanoseconds spent converting files, and the steady-clock time the worker ended at (0 while it
    // runs). Safe from any thread.
    qint64 convertingNs() const { return m_convertingNs.load(); }
    qint64 finishedAtNs() const { return m_finishedAtNs.load(); }

signals:
    void signalCompleteProgressChanged(int iNewProgress);
    void signalNextProgressChanged(int iNextProgress);
    // A file's conversion begins (quality -1, pass 0: its thumbnails), or an encoding pass (1 or 2) of one
    // of its video renditions.
    void signalConversionStarted(const QString& fileName, int quality, int pass);

protected:
    void run() override;

private:
    std::atomic<int> m_stop{0};
    std::atomic<qint64> m_convertingNs{0};
    std::atomic<qint64> m_finishedAtNs{0};
    UploadQueue* m_queue;
    std::unique_ptr<ImageConverter> m_imageConverter;
    std::unique_ptr<VideoConverter> m_videoConverter;
    bool m_renameByDate;
    QList<int> m_qualities;
    ConversionEntry m_entry;
};
