#pragma once

/* Checks for one datagram that a packet the reader accepts writes back and reads to the same
 * record. Shared by the fuzz target and the corpus replay of the test suite. */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum
{
    FHOST_ROUNDTRIP_REJECTED = 0, /* the reader refused the datagram */
    FHOST_ROUNDTRIP_SAME = 1,     /* accepted, rewritten and read back identical */
    FHOST_ROUNDTRIP_MISMATCH = -1
};

int fhost_roundtrip_check(const uint8_t* data, size_t size);

#ifdef __cplusplus
}
#endif
