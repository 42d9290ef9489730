#pragma once

#include <QByteArray>
#include <QString>

// Rewrites a one-picture HEIC (as ImageMagick writes it) into the shape phones save: the coded picture
// with rotation and mirroring transforms that the decoder applies, and an EXIF item that may say
// something else about the orientation.
class HeifFile
{
public:
    struct Options
    {
        // Anticlockwise quarter turns for an "irot" property; -1 for none.
        int quarterTurns = -1;
        // 0 mirrors about the vertical axis, 1 about the horizontal one; -1 for no "imir" property.
        int mirrorAxis = -1;
        // The EXIF orientation tag (1 to 8); 0 for no EXIF item at all.
        int exifOrientation = 0;
        // "yyyy:MM:dd hh:mm:ss"; empty for no capture time.
        QByteArray dateTimeOriginal;
        // False leaves out the primary-item box, so no picture is marked as the one to show.
        bool primaryItem = true;
    };

    // Reads the coded picture of plainHeic and writes the rewritten file to path.
    static bool rewrite(const QString& plainHeic, const QString& path, const Options& options);
};
