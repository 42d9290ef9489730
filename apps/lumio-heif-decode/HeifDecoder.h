#pragma once

#include <string>

// Turns the primary picture of a HEIF file into a PNM bitmap small enough to make thumbnails from.
// libheif applies the file's turns and mirrors; the bitmap carries no orientation tag, so nothing
// turns it again. Like libjpeg's scaling while reading, the picture is shrunk by the largest whole
// factor that keeps both of its sides at least the given box, averaging each block of pixels.
class HeifDecoder
{
public:
    explicit HeifDecoder(int threads);

    // True when the bitmap was written; otherwise error() says why.
    bool decode(const std::string& inputPath, const std::string& outputPath, int box);
    const std::string& error() const { return m_error; }

private:
    int m_threads;
    std::string m_error;
};
