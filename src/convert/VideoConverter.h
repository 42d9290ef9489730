#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class ToolProcess;

// Prepares one video for the server: five JPEG thumbnails from a frame, and a two-pass H.264/AAC MP4
// rendition for every chosen quality, all through ffmpeg, ImageMagick's convert and qt-faststart.
// One instance belongs to one converter thread.
class VideoConverter
{
public:
    enum Quality
    {
        High = 0,
        Medium = 1,
        Low = 2,
        Mobile = 3
    };
    enum Pass
    {
        FirstPass = 1,
        SecondPass = 2
    };

    explicit VideoConverter(const QList<int>& qualities);

    // Writes the thumbnails and renditions of localPath as the work files of sequenceNumber.
    // 0 when every chosen quality was processed, -1 when the conversion stopped early.
    int convert(const QString& localPath, int sequenceNumber);
    // Why the last convert() failed, in the words of the tool or the file system; empty after a
    // success or a stop.
    QString failureReason() const { return m_failureReason; }
    // The frame size (width "x" height) of a quality for the probed source; height first when the
    // source is turned by 90 or 270 degrees. Empty when the probe found no resolution (mobile then
    // gets its bounding box).
    QString targetSize(int quality, int rotation) const;
    // Called on the converting thread as each encoding pass of a quality's rendition is begun.
    void setPassStartedHandler(std::function<void(int quality, Pass pass)> handler)
    {
        m_passStarted = std::move(handler);
    }
    // May be called from any thread; a non-zero value kills the running tool.
    void setStopFlag(int value);

    // Reads ffmpeg's description of its input (what "ffmpeg -i file" writes to standard error) into
    // the probe results, replacing those of an earlier call.
    void parseProbe(const QString& ffmpegStandardError);
    int totalBitrate() const { return m_totalBitrate; }
    int videoBitrate() const { return m_videoBitrate; }
    int audioBitrate() const { return m_audioBitrate; }
    QString resolution() const { return m_resolution; }
    QString pixelAspect() const { return m_pixelAspect; }
    int rotation() const { return m_rotation; }
    // Whether the turn came from the display matrix, which ffmpeg applies by itself when decoding.
    bool rotationFromMatrix() const { return m_rotationFromMatrix; }
    // When the clip was taken: the QuickTime creation date as written (the wall-clock time where it was
    // taken), else the container's UTC creation_time in local time; invalid when neither is known.
    QDateTime creationTime() const { return m_creationTime; }
    // The colour transfer named in the video stream's description ("smpte2084", "arib-std-b67", ...);
    // empty when not given.
    QString colourTransfer() const { return m_colourTransfer; }
    // Whether the picture is HDR (PQ or HLG) and is tone-mapped to SDR BT.709 on the way.
    bool isHdr() const;
    // Whether the stream names a transfer that is neither shown right as it is (BT.709 and its SDR
    // kin, or none given) nor tone-mapped: such a clip is not converted at all.
    bool hasUnknownTransfer() const;
    // The source's video bitrate in kbit/s, derived from the total when only that is known; 0 if unknown.
    int inputBitrate() const;

    // Command texts and argument lists as convert() runs them, for the current probe results.
    QString probeCommand(const QString& localPath) const;
    QString frameCommand(const QString& localPath, const QString& framePath, const QString& seekTime) const;
    QString thumbnailCommand(const QString& framePath, const QString& prefix) const;
    QStringList passArguments(int quality, Pass pass, const QString& localPath,
                              const QString& outputPath) const;
    QString ffmpegCommand(const QStringList& arguments) const;
    QString fastStartCommand(const QString& inputPath, const QString& outputPath) const;

    const QList<int>& qualities() const { return m_qualities; }
    int qualityBitrate(int quality) const { return m_bitrates.value(quality); }
    QString boundingBox(int quality) const { return m_boxes.value(quality); }
    QString fileSuffix(int quality) const { return m_suffixes.value(quality); }

    QString ffmpegPath() const { return m_ffmpegPath; }
    QString fastStartPath() const { return m_fastStartPath; }
    QString convertPath() const { return m_convertPath; }
    void setFfmpegPath(const QString& path) { m_ffmpegPath = path; }
    void setFastStartPath(const QString& path) { m_fastStartPath = path; }
    void setConvertPath(const QString& path) { m_convertPath = path; }

private:
    void clearProbe();

    std::function<void(int quality, Pass pass)> m_passStarted;
    QString passSize(int quality) const;
    QString turnFilter() const;
    enum Target
    {
        Picture, // the JPEG frame the thumbnails are made from
        Video    // an H.264 rendition
    };
    // The whole "-vf" chain for an output of the given size (as given to "-s"; empty keeps the
    // source's size): tone mapping of HDR sources, then the turn. Empty when nothing is needed.
    QString videoFilter(const QString& outputSize, Target target) const;
    // False when the stop flag ended the tool.
    bool runTool(ToolProcess* tool, const QString& command, const QString& workFolder);
    int convertInWorkFolder(const QString& localPath, const QString& prefix);
    // The tool's own words, with the user's path cut to the file name.
    void setFailureReason(const ToolProcess& tool, const QString& localPath);

    QList<int> m_qualities;
    QList<int> m_thumbnailSizes;
    QMap<int, QString> m_thumbnailFiles;
    QString m_ffmpegPath;
    QString m_fastStartPath;
    QString m_convertPath;
    QMap<int, int> m_bitrates;
    QMap<int, QString> m_boxes;
    QMap<int, QString> m_suffixes;
    QMap<int, QStringList> m_firstPassArguments;
    QMap<int, QStringList> m_secondPassArguments;
    std::atomic<int> m_stopFlag{0};
    QString m_failureReason;

    int m_totalBitrate = 0;
    int m_videoBitrate = 0;
    int m_audioBitrate = 0;
    QString m_resolution;
    QString m_pixelAspect;
    int m_rotation = 0;
    bool m_rotationFromMatrix = false;
    QDateTime m_creationTime;
    QString m_colourTransfer;
    QString m_colourPrimaries;
    QString m_colourMatrix;
};
