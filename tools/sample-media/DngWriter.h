#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Writes a small but genuine DNG file: a little-endian TIFF whose first directory holds a JPEG preview
// (what cameras embed and dcraw -e extracts) and whose sub-directory holds a 16-bit RGGB sensor mosaic
// that dcraw can develop.
class DngWriter
{
public:
    static bool write(const QString& path, const QByteArray& previewJpeg, const QSize& previewSize,
                      const QSize& mosaicSize);
};
