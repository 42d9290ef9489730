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

int shrinkFactor(int width, int height, int box)
{
    int factor = 1;
    while (std::min(width, height) / (factor + 1) >= box)
        ++factor;
    return factor;
}

} // namespace

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
    const int factor = shrinkFactor(width, height, box);
    const int outWidth = width / factor;
    const int outHeight = height / factor;
    const unsigned area = unsigned(factor * factor);
    std::vector<uint8_t> row(size_t(outWidth) * channels);
    std::vector<unsigned> sums(row.size());

    std::unique_ptr<std::FILE, FileClose> file(std::fopen(outputPath.c_str(), "wb"));
    if (!file) {
        m_error = "cannot write " + outputPath;
        return false;
    }
    // PAM keeps the transparency for the thumbnails' flattening; an opaque picture is a plain PPM.
    if (alpha)
        std::fprintf(file.get(), "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                     outWidth, outHeight);
    else
        std::fprintf(file.get(), "P6\n%d %d\n255\n", outWidth, outHeight);
    for (int y = 0; y < outHeight; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int dy = 0; dy < factor; ++dy) {
            const uint8_t* line = pixels + size_t(y * factor + dy) * stride;
            for (int x = 0; x < outWidth; ++x) {
                const uint8_t* block = line + size_t(x) * factor * channels;
                for (int dx = 0; dx < factor; ++dx)
                    for (int c = 0; c < channels; ++c)
                        sums[size_t(x) * channels + c] += block[dx * channels + c];
            }
        }
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = uint8_t((sums[i] + area / 2) / area);
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
