/* libFuzzer target: the datagram reader on arbitrary bytes, with every log line formatted. */

#define _POSIX_C_SOURCE 200809L

#include "packet.h"

#include <stdlib.h>
#include <string.h>

static void discard(void* context, const char* text)
{
    (void)context;
    (void)text;
}

static void require_terminated(const NASINFO* info)
{
    const FhostItemRow* table = fhost_item_table();
    for (int i = 0; i < FHOST_ITEM_TABLE_SIZE; ++i) {
        if (table[i].kind != FHOST_VALUE_TEXT && table[i].kind != FHOST_VALUE_APPEND)
            continue;
        const char* field = (const char*)info + table[i].offset;
        if (strnlen(field, table[i].capacity) >= table[i].capacity)
            abort();
    }
    if (strlen(info->longText) > FHOST_LONG_TEXT_MAX)
        abort();
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FhostLogger logger = {{discard, discard}, NULL, NULL, NULL};
    NASINFO info;
    memset(&info, 0, sizeof info);
    const int result = fhost_packet_read(&logger, data, size, &info);
    if (result < 0 || (result > 0 && (size_t)result != size - FHOST_HEADER_LENGTH))
        abort();
    require_terminated(&info);
    return 0;
}
