#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Makes and inspects the media of the conversion tests with the real tools.
class TestMedia
{
public:
    // The tools as the program finds them beside the test executables.
    static QString ffmpeg();
    static QString ffprobe();
    static QString convert();

    // Runs a program to its end; true on exit code 0. The tool's messages go to *errors when given.
    static bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr,
                    QByteArray* errors = nullptr);

    // A detailed JPEG picture of the given size.
    static bool makeJpeg(const QString& path, const QSize& size);
    // A DNG holding a JPEG preview of previewSize and a 16-bit RGGB mosaic of rawSize.
    static bool makeDng(const QString& path, const QSize& previewSize, const QSize& rawSize);
    // A clip from ffmpeg's generators: arguments go between "-y" and the output path.
    static bool makeClip(const QString& path, const QStringList& arguments);

    static QSize pictureSize(const QString& path);
    // ffprobe's stream entries, one line per stream: "codec_name,codec_type,width,height,pix_fmt" (ffprobe's
    // own order).
    static QStringList streams(const QString& path);
    // Whether any stream of the file still carries a display matrix.
    static bool hasDisplayMatrix(const QString& path);
    // The first frame as ffmpeg shows it to a player, as a picture file.
    static bool firstFrame(const QString& videoPath, const QString& picturePath);
    // Whether the file's index ("moov") comes before its media data ("mdat").
    static bool indexInFront(const QString& path);

    // Processes whose parent is this process, zombies included.
    static QList<int> childProcesses();
    // The command line of a process, arguments joined by blanks.
    static QString commandLineOf(int pid);

    // An executable shell script.
    static bool writeScript(const QString& path, const QString& body);
};
