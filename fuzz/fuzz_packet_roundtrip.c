/* libFuzzer target: whatever the reader accepts must write back and read to the same record. */

#include "packet_roundtrip.h"

#include <stdlib.h>

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (fhost_roundtrip_check(data, size) == FHOST_ROUNDTRIP_MISMATCH)
        abort();
    return 0;
}
