#include "HevcDecoderPlugin.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/pixdesc.h>
}

#include <cstring>
#include <vector>

namespace {

int g_threads = 1;

struct Decoder
{
    AVCodecContext* context = nullptr;
    // The NAL units as one Annex B stream: the headers first, then the picture's slices.
    std::vector<uint8_t> stream;
};

heif_error success()
{
    return {heif_error_Ok, heif_suberror_Unspecified, "Success"};
}

heif_error failure(const char* message)
{
    return {heif_error_Decoder_plugin_error, heif_suberror_Unspecified, message};
}

const char* pluginName()
{
    return "libavcodec HEVC decoder";
}

int supportsFormat(heif_compression_format format)
{
    // libheif's own HEVC decoder has the default priority of 100.
    return format == heif_compression_HEVC ? 150 : 0;
}

heif_error newDecoder(void** decoder)
{
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_HEVC);
    if (codec == nullptr)
        return failure("libavcodec has no HEVC decoder");
    auto* state = new Decoder;
    state->context = avcodec_alloc_context3(codec);
    if (state->context == nullptr) {
        delete state;
        return failure("out of memory");
    }
    // One picture: frame threads would only wait for each other; slice threads share its rows.
    state->context->thread_count = g_threads;
    state->context->thread_type = FF_THREAD_SLICE;
    if (avcodec_open2(state->context, codec, nullptr) < 0) {
        avcodec_free_context(&state->context);
        delete state;
        return failure("cannot open libavcodec's HEVC decoder");
    }
    *decoder = state;
    return success();
}

void freeDecoder(void* decoder)
{
    auto* state = static_cast<Decoder*>(decoder);
    avcodec_free_context(&state->context);
    delete state;
}

// libheif hands over NAL units each behind a four-byte big-endian length.
heif_error pushData(void* decoder, const void* data, size_t size)
{
    auto* state = static_cast<Decoder*>(decoder);
    const auto* bytes = static_cast<const uint8_t*>(data);
    static const uint8_t startCode[] = {0, 0, 0, 1};
    size_t at = 0;
    while (at < size) {
        if (size - at < 4)
            return failure("NAL unit length cut short");
        const size_t length = (size_t(bytes[at]) << 24) | (size_t(bytes[at + 1]) << 16) |
                              (size_t(bytes[at + 2]) << 8) | size_t(bytes[at + 3]);
        at += 4;
        if (length > size - at)
            return failure("NAL unit longer than its data");
        state->stream.insert(state->stream.end(), startCode, startCode + sizeof startCode);
        state->stream.insert(state->stream.end(), bytes + at, bytes + at + length);
        at += length;
    }
    return success();
}

heif_chroma chromaOf(const AVPixFmtDescriptor* format)
{
    if (format->nb_components == 1)
        return heif_chroma_monochrome;
    if (format->log2_chroma_w == 1 && format->log2_chroma_h == 1)
        return heif_chroma_420;
    if (format->log2_chroma_w == 1 && format->log2_chroma_h == 0)
        return heif_chroma_422;
    return heif_chroma_444;
}

heif_error decodeImage(void* decoder, heif_image** image)
{
    auto* state = static_cast<Decoder*>(decoder);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    heif_error result = success();
    *image = nullptr;
    int status = packet && frame ? av_new_packet(packet, static_cast<int>(state->stream.size())) : -1;
    if (status == 0) {
        std::memcpy(packet->data, state->stream.data(), state->stream.size());
        status = avcodec_send_packet(state->context, packet);
    }
    if (status == 0)
        status = avcodec_send_packet(state->context, nullptr);
    if (status == 0)
        status = avcodec_receive_frame(state->context, frame);
    const AVPixFmtDescriptor* format =
        status == 0 ? av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame->format)) : nullptr;
    // A damaged picture comes out with its gaps filled in; it must not stand for the photo.
    if (status != 0 || format == nullptr || (frame->flags & AV_FRAME_FLAG_CORRUPT) != 0 ||
        frame->decode_error_flags != 0) {
        result = failure("the HEVC picture could not be decoded");
    } else if ((format->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_BE)) != 0 ||
               format->comp[0].depth > 16) {
        result = failure("the HEVC picture has an unexpected sample format");
    } else {
        const heif_chroma chroma = chromaOf(format);
        const heif_colorspace space =
            chroma == heif_chroma_monochrome ? heif_colorspace_monochrome : heif_colorspace_YCbCr;
        const int depth = format->comp[0].depth;
        const int planes = chroma == heif_chroma_monochrome ? 1 : 3;
        const heif_channel channels[] = {heif_channel_Y, heif_channel_Cb, heif_channel_Cr};
        result = heif_image_create(frame->width, frame->height, space, chroma, image);
        for (int p = 0; p < planes && result.code == heif_error_Ok; ++p) {
            const int shiftW = p == 0 ? 0 : format->log2_chroma_w;
            const int shiftH = p == 0 ? 0 : format->log2_chroma_h;
            const int width = -((-frame->width) >> shiftW);
            const int height = -((-frame->height) >> shiftH);
            result = heif_image_add_plane(*image, channels[p], width, height, depth);
            if (result.code != heif_error_Ok)
                break;
            int stride = 0;
            uint8_t* target = heif_image_get_plane(*image, channels[p], &stride);
            const size_t rowBytes = size_t(width) * (depth > 8 ? 2 : 1);
            for (int y = 0; y < height; ++y)
                std::memcpy(target + size_t(y) * stride, frame->data[p] + size_t(y) * frame->linesize[p],
                            rowBytes);
        }
        if (result.code != heif_error_Ok && *image != nullptr) {
            heif_image_release(*image);
            *image = nullptr;
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    return result;
}

} // namespace

const heif_decoder_plugin HevcDecoderPlugin::s_plugin = {
    1,           pluginName, nullptr,     nullptr, supportsFormat, newDecoder,
    freeDecoder, pushData,   decodeImage, nullptr, nullptr};

bool HevcDecoderPlugin::registerWithLibheif(int threads)
{
    if (avcodec_find_decoder(AV_CODEC_ID_HEVC) == nullptr)
        return false;
    g_threads = threads > 0 ? threads : 1;
    return heif_register_decoder_plugin(&s_plugin).code == heif_error_Ok;
}
