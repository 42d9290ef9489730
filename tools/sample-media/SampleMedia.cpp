#include "SampleMedia.h"

#include "DngWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>

bool SampleMedia::run(const QString& tool, const QStringList& arguments, QString* error)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        *error = tool + QStringLiteral(" is not installed");
        return false;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = tool + QStringLiteral(" failed: ") +
                 QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

bool SampleMedia::make(const QString& folder, QString* error)
{
    const QDir dir(folder);
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create ") + folder;
        return false;
    }
    auto picture = [&](const QString& path, const QSize& size, const QString& from, const QString& to) {
        return run(QStringLiteral("convert"),
                   {QStringLiteral("-size"), QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                    QStringLiteral("gradient:%1-%2").arg(from, to), QStringLiteral("-fill"),
                    QStringLiteral("#ffffffa0"), QStringLiteral("-draw"),
                    QStringLiteral("circle %1,%2 %1,%3")
                        .arg(size.width() / 2)
                        .arg(size.height() / 2)
                        .arg(size.height() / 3),
                    QStringLiteral("-quality"), QStringLiteral("85"), path},
                   error);
    };
    if (!picture(dir.filePath(QStringLiteral("landscape.jpg")), {640, 480}, QStringLiteral("#1e5799"),
                 QStringLiteral("#7db9e8")) ||
        !picture(dir.filePath(QStringLiteral("portrait.jpg")), {480, 640}, QStringLiteral("#3c8d2f"),
                 QStringLiteral("#d4e157")) ||
        !picture(dir.filePath(QStringLiteral("square.png")), {400, 400}, QStringLiteral("#8e24aa"),
                 QStringLiteral("#f48fb1")) ||
        !picture(dir.filePath(QStringLiteral("birthday.jpg")), {800, 600}, QStringLiteral("#e65100"),
                 QStringLiteral("#ffe082")) ||
        !picture(dir.filePath(QStringLiteral("phone.heic")), {640, 480}, QStringLiteral("#00838f"),
                 QStringLiteral("#ffcc80")))
        return false;
    if (!run(QStringLiteral("exiv2"),
             {QStringLiteral("-M"),
              QStringLiteral("set Exif.Photo.DateTimeOriginal Ascii %1").arg(QLatin1String(kCaptureTime)),
              QStringLiteral("mo"), dir.filePath(QStringLiteral("birthday.jpg"))},
             error))
        return false;

    QTemporaryDir scratch;
    const QString previewPath = scratch.filePath(QStringLiteral("preview.jpg"));
    const QSize previewSize(160, 120);
    if (!picture(previewPath, previewSize, QStringLiteral("#455a64"), QStringLiteral("#cfd8dc")))
        return false;
    QFile preview(previewPath);
    if (!preview.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the RAW preview");
        return false;
    }
    const QByteArray previewBytes = preview.readAll();
    if (!DngWriter::write(dir.filePath(QStringLiteral("camera.dng")), previewBytes, previewSize,
                          {320, 240})) {
        *error = QStringLiteral("cannot write camera.dng");
        return false;
    }

    // A phone's HDR clip: 10-bit HEVC with the HLG transfer and BT.2020 colours.
    if (!run(QStringLiteral("ffmpeg"),
             {QStringLiteral("-v"),
              QStringLiteral("error"),
              QStringLiteral("-y"),
              QStringLiteral("-f"),
              QStringLiteral("lavfi"),
              QStringLiteral("-i"),
              QStringLiteral("testsrc2=size=320x240:rate=25:duration=2"),
              QStringLiteral("-vf"),
              QStringLiteral("zscale=tin=bt709:min=bt709:pin=bt709:rin=tv:t=arib-std-b67:m=bt2020nc:p=bt2020:"
                             "r=tv:npl=203,"
                             "format=yuv420p10le"),
              QStringLiteral("-c:v"),
              QStringLiteral("libx265"),
              QStringLiteral("-preset"),
              QStringLiteral("ultrafast"),
              QStringLiteral("-x265-params"),
              QStringLiteral("log-level=error"),
              QStringLiteral("-color_primaries"),
              QStringLiteral("bt2020"),
              QStringLiteral("-color_trc"),
              QStringLiteral("arib-std-b67"),
              QStringLiteral("-colorspace"),
              QStringLiteral("bt2020nc"),
              QStringLiteral("-tag:v"),
              QStringLiteral("hvc1"),
              dir.filePath(QStringLiteral("phone hdr.mov"))},
             error))
        return false;

    return run(QStringLiteral("ffmpeg"),
               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                QStringLiteral("lavfi"), QStringLiteral("-i"),
                QStringLiteral("testsrc2=size=320x240:rate=25:duration=3"), QStringLiteral("-f"),
                QStringLiteral("lavfi"), QStringLiteral("-i"),
                QStringLiteral("sine=frequency=440:duration=3"), QStringLiteral("-c:v"),
                QStringLiteral("libx264"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-shortest"),
                dir.filePath(QStringLiteral("clip.mp4"))},
               error);
}
