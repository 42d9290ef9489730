#pragma once

#include "UploadQueue.h"

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
    // The base name a file goes to the server under: the capture time of an image or the modification
    // time of a video when renaming by date, else the file's own complete base name.
    static QString serverBaseName(const QString& localPath, bool renameByDate);
    // The name, or name_1, name_2 ... when the run already used it.
    static QString uniqueServerName(UploadQueue* queue, const QString& baseName, const QString& suffix);

signals:
    void signalCompleteProgressChanged(int iNewProgress);
    void signalNextProgressChanged(int iNextProgress);
    // A file's conversion begins (quality -1: its thumbnails), or one of its video renditions.
    void signalConversionStarted(const QString& fileName, int quality);

protected:
    void run() override;

private:
    std::atomic<int> m_stop{0};
    UploadQueue* m_queue;
    std::unique_ptr<ImageConverter> m_imageConverter;
    std::unique_ptr<VideoConverter> m_videoConverter;
    bool m_renameByDate;
    QList<int> m_qualities;
    ConversionEntry m_entry;
};
