#include "HeifDecoder.h"

#include "HevcDecoderPlugin.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct ContextFree
{
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease
{
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease
{
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree
{
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
struct FileClose
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// libheif's messages may end in a line break; the converter reports one line.
std::string oneLine(const char* message)
{
    std::string line = message != nullptr ? message : "";
    std::replace(line.begin(), line.end(), '\n', ' ');
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// One output pixel's share of the source along one axis: the source pixels its span covers, each
// weighted by how much of it lies inside the span, the weights adding up to one.
struct Span
{
    int first = 0;
    std::vector<float> weights;
};

std::vector<Span> spans(int sourceLength, int outputLength)
{
    std::vector<Span> result{size_t(outputLength)};
    const double scale = double(sourceLength) / outputLength;
    for (int i = 0; i < outputLength; ++i) {
        const double start = i * scale;
        const double end = std::min(double(sourceLength), (i + 1) * scale);
        Span& span = result[size_t(i)];
        span.first = std::min(sourceLength - 1, int(start));
        for (int s = span.first; s < sourceLength && s < end; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(start, double(s));
            span.weights.push_back(float(covered / (end - start)));
        }
    }
    return result;
}

} // namespace

Size HeifDecoder::outputSize(int width, int height, int box)
{
    // The largest thumbnail's size exactly, the short side rounded as convert rounds it, so that
    // the thumbnail command only sharpens and shrinks further what it gets.
    const int longSide = std::max(width, height);
    const int shortSide = std::min(width, height);
    if (longSide <= box)
        return {width, height};
    const int needed = std::max(1, int(double(box) * shortSide / longSide + 0.5));
    return width >= height ? Size{box, needed} : Size{needed, box};
}

HeifDecoder::HeifDecoder(int threads) : m_threads(threads) {}

bool HeifDecoder::decode(const std::string& inputPath, const std::string& outputPath, int box)
{
    m_error.clear();
    // Without the faster decoder libheif's own one still reads the picture.
    HevcDecoderPlugin::registerWithLibheif(m_threads);

    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    heif_context_set_max_decoding_threads(context.get(), m_threads);
    heif_error status = heif_context_read_from_file(context.get(), inputPath.c_str(), nullptr);
    heif_image_handle* rawHandle = nullptr;
    if (status.code == heif_error_Ok)
        status = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);
    if (status.code != heif_error_Ok) {
        m_error = oneLine(status.message);
        return false;
    }

    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image* rawImage = nullptr;
    status =
        heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    std::unique_ptr<heif_image, ImageRelease> image(rawImage);
    if (status.code != heif_error_Ok) {
        m_error = oneLine(status.message);
        return false;
    }

    int stride = 0;
    const uint8_t* pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (pixels == nullptr || width < 1 || height < 1) {
        m_error = "the decoded picture is empty";
        return false;
    }

    const int channels = alpha ? 4 : 3;
    const Size out = outputSize(width, height, box);
    const std::vector<Span> columns = spans(width, out.width);
    const std::vector<Span> rows = spans(height, out.height);
    std::vector<float> shrunkLine(size_t(out.width) * channels);
    std::vector<float> sums(shrunkLine.size());
    std::vector<uint8_t> row(shrunkLine.size());

    std::unique_ptr<std::FILE, FileClose> file(std::fopen(outputPath.c_str(), "wb"));
    if (!file) {
        m_error = "cannot write " + outputPath;
        return false;
    }
    // PAM keeps the transparency for the thumbnails' flattening; an opaque picture is a plain PPM.
    if (alpha)
        std::fprintf(file.get(), "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                     out.width, out.height);
    else
        std::fprintf(file.get(), "P6\n%d %d\n255\n", out.width, out.height);
    // Area averaging: every source pixel counts by the part of it an output pixel covers, which
    // leaves no aliasing whatever the ratio.
    for (const Span& rowSpan : rows) {
        std::fill(sums.begin(), sums.end(), 0.0f);
        for (size_t dy = 0; dy < rowSpan.weights.size(); ++dy) {
            const uint8_t* line = pixels + size_t(rowSpan.first + int(dy)) * size_t(stride);
            for (int x = 0; x < out.width; ++x) {
                const Span& columnSpan = columns[size_t(x)];
                float* shrunk = &shrunkLine[size_t(x) * channels];
                std::fill(shrunk, shrunk + channels, 0.0f);
                const uint8_t* pixel = line + size_t(columnSpan.first) * channels;
                for (const float weight : columnSpan.weights) {
                    for (int c = 0; c < channels; ++c)
                        shrunk[c] += weight * pixel[c];
                    pixel += channels;
                }
            }
            const float weight = rowSpan.weights[dy];
            for (size_t i = 0; i < sums.size(); ++i)
                sums[i] += weight * shrunkLine[i];
        }
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = uint8_t(std::min(255.0f, sums[i] + 0.5f));
        if (std::fwrite(row.data(), 1, row.size(), file.get()) != row.size()) {
            m_error = "cannot write " + outputPath;
            return false;
        }
    }
    if (std::fclose(file.release()) != 0) {
        m_error = "cannot write " + outputPath;
        return false;
    }
    return true;
}
