#pragma once

#include <string>

struct Size
{
    int width = 0;
    int height = 0;
};

// Turns the primary picture of a HEIF file into a PNM bitmap small enough to make thumbnails from.
// libheif applies the file's turns and mirrors; the bitmap carries no orientation tag, so nothing
// turns it again. A picture larger than the box is shrunk to fit it exactly, its long side the box.
class HeifDecoder
{
public:
    explicit HeifDecoder(int threads);

    // True when the bitmap was written; otherwise error() says why.
    bool decode(const std::string& inputPath, const std::string& outputPath, int box);
    const std::string& error() const { return m_error; }

    static Size outputSize(int width, int height, int box);

private:
    int m_threads;
    std::string m_error;
};
