#pragma once

#include <QString>
#include <QStringList>

// The sample folder that scripts/run.sh uploads to the demo server: photos in landscape, portrait and
// square shape, one with an EXIF capture time, a HEIC photo, a RAW (DNG) picture, a short video with sound
// and a 10-bit HEVC HDR clip as phones record them. Made
// with the same tools the program converts with (ImageMagick, exiv2, ffmpeg).
class SampleMedia
{
public:
    // Fills the folder (created when missing). False with *error set when a tool failed.
    static bool make(const QString& folder, QString* error);

    // The capture time written into the dated photo, in EXIF form.
    static constexpr const char* kCaptureTime = "2012:05:01 10:15:00";

private:
    static bool run(const QString& tool, const QStringList& arguments, QString* error);
};
