#pragma once

#include <libheif/heif_plugin.h>

// A libheif decoder for HEVC pictures built on libavcodec. Its slice threads decode the rows of a
// wavefront-coded picture side by side, and its decoder is the faster of the two in Debian: a phone
// photo of 12 MP is one such picture (or a grid of them, which libheif spreads over its own threads).
class HevcDecoderPlugin
{
public:
    // Registers the decoder ahead of libheif's own one for HEVC; threads is the most slice threads a
    // picture gets.
    static bool registerWithLibheif(int threads);

private:
    static const heif_decoder_plugin s_plugin;
};
