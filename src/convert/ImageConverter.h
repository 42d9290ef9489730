#pragma once

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

#include <atomic>

class QFileInfo;

// Writes the five JPEG thumbnails of a photo with one run of ImageMagick's convert; camera RAW files
// are first turned into a picture by dcraw, HEIF photos (HEIC, AVIF) by lumio-heif-decode. One instance
// belongs to one converter thread; the tools only ever see work-file copies, never the user's own path.
class ImageConverter
{
public:
    ImageConverter();

    // Writes the thumbnails of localPath as the work files of sequenceNumber. 0 on success, -1 on failure.
    int convert(const QString& localPath, int sequenceNumber);
    // Why the last convert() failed, in the words of the tool or the file system; empty after a
    // success or a stop.
    QString failureReason() const { return m_failureReason; }
    // A picture standing for a RAW file: its embedded preview when that is large enough, else the file
    // developed to a bitmap; empty when the tool was stopped. Uses the current sequence number's work files.
    QString rawSource(const QString& localPath);
    // A bitmap standing for the HEIF work copy, upright and shrunk as the JPEG decoder shrinks while
    // reading; the copy itself when the decoder cannot be run; empty when the picture cannot be read
    // (failureReason() says why) or the decoder was stopped.
    QString heifSource(const QString& copy, const QString& fileName);
    // May be called from any thread; a non-zero value kills the running tool.
    void setStopFlag(int value);

    // The convert command for a source picture of the given pixel size, writing the thumbnails of the
    // current sequence number.
    QString thumbnailCommand(const QString& sourcePath, const QSize& sourceSize) const;
    // The "jpeg:size" read hint given before the source ("1280x853" for a 6000 x 4000 picture); empty
    // when the picture is too small to be read scaled down.
    QString readHint(const QSize& sourceSize) const;

    QString convertPath() const { return m_convertPath; }
    QString dcrawPath() const { return m_dcrawPath; }
    QString heifDecoderPath() const { return m_heifDecoderPath; }
    void setConvertPath(const QString& path) { m_convertPath = path; }
    void setDcrawPath(const QString& path) { m_dcrawPath = path; }
    void setHeifDecoderPath(const QString& path) { m_heifDecoderPath = path; }

    const QList<int>& sizes() const { return m_sizes; }
    const QMap<int, QString>& sizeFiles() const { return m_sizeFiles; }

private:
    int convertSource(const QFileInfo& info, const QString& sourceCopy);

    int m_quality = 80;
    std::atomic<int> m_stopFlag{0};
    int m_sequenceNumber = 0;
    QString m_failureReason;
    QString m_convertPath;
    QString m_dcrawPath;
    QString m_heifDecoderPath;
    QList<int> m_sizes;
    QMap<int, QString> m_sizeFiles;
};
