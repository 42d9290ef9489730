// lumio-heif-decode: the converters' reader of HEIF photos.
//   lumio-heif-decode <HEIF file> <PNM file> <box>

#include "HeifDecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[])
{
    const int box = argc == 4 ? std::atoi(argv[3]) : 0;
    if (box < 1) {
        std::fprintf(stderr, "usage: lumio-heif-decode <HEIF file> <PNM file> <box>\n");
        return 2;
    }
    HeifDecoder decoder(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    if (decoder.decode(argv[1], argv[2], box))
        return 0;
    std::remove(argv[2]);
    std::fprintf(stderr, "could not read a picture from the file (%s)\n", decoder.error().c_str());
    return 1;
}
