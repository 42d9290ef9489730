#define _POSIX_C_SOURCE 200809L

#include "packet_roundtrip.h"

#include "packet.h"

#include <stdlib.h>
#include <string.h>

/* Text fields keep stale bytes behind a shorter later value; only the text up to its NUL counts. */
static void normalise(NASINFO* info)
{
    const FhostItemRow* table = fhost_item_table();
    for (int i = 0; i < FHOST_ITEM_TABLE_SIZE; ++i) {
        if (table[i].kind != FHOST_VALUE_TEXT && table[i].kind != FHOST_VALUE_APPEND)
            continue;
        char* field = (char*)info + table[i].offset;
        const size_t length = strnlen(field, table[i].capacity);
        if (length < table[i].capacity)
            memset(field + length, 0, table[i].capacity - length);
    }
}

static int item_count(const uint8_t* packet, size_t length, unsigned* mask)
{
    int count = 0;
    *mask = 0;
    for (size_t offset = FHOST_HEADER_LENGTH; offset + 1 < length; offset += 2u + packet[offset + 1]) {
        const FhostItemRow* row = fhost_item_lookup(packet[offset]);
        if (row)
            *mask |= row->required;
        ++count;
    }
    return count;
}

int fhost_roundtrip_check(const uint8_t* data, size_t size)
{
    NASINFO* first = calloc(1, sizeof *first);
    NASINFO* second = calloc(1, sizeof *second);
    uint8_t* packet = NULL;
    size_t capacity = 0;
    int result = FHOST_ROUNDTRIP_REJECTED;
    if (!first || !second)
        abort();

    if (fhost_packet_read(NULL, data, size, first) <= 0)
        goto done;

    /* List one id per field that holds a value (the later twin, 0x2A for the long text) plus the
     * items whose presence the reader demands. */
    normalise(first);
    const FhostItemRow* table = fhost_item_table();
    const FhostItemRow* chosen[FHOST_ITEM_TABLE_SIZE];
    int chosenCount = 0;
    for (int i = 0; i < FHOST_ITEM_TABLE_SIZE; ++i) {
        if (table[i].kind != FHOST_VALUE_TEXT && table[i].kind != FHOST_VALUE_FIXED)
            continue;
        int j = 0;
        while (j < chosenCount && chosen[j]->offset != table[i].offset)
            ++j;
        chosen[j] = &table[i];
        if (j == chosenCount)
            ++chosenCount;
    }
    FhostItemList list;
    fhost_item_list_init(&list, first);
    for (int j = 0; j < chosenCount; ++j) {
        const uint8_t id = chosen[j]->id;
        int wanted = id == 0x01 || id == 0xA4 ||
                     (first->packetType == FHOST_PKT_NETSET && (id == 0x20 || id == 0x21 || id == 0x29));
        const uint8_t* field = (const uint8_t*)first + chosen[j]->offset;
        for (size_t k = 0; !wanted && k < chosen[j]->capacity; ++k)
            wanted = field[k] != 0;
        if (wanted)
            fhost_append_ids(NULL, &list, id, 0);
    }

    const size_t length = fhost_packet_write(NULL, &packet, &capacity, &list);
    if (length == 0) {
        result = FHOST_ROUNDTRIP_MISMATCH; /* whatever the reader stores must be writable */
        goto done;
    }
    unsigned mask = 0;
    const int items = item_count(packet, length, &mask);
    const int expectAccepted =
        items <= FHOST_MAX_ITEMS && (mask & FHOST_REQ_BASIC) == FHOST_REQ_BASIC &&
        (first->packetType != FHOST_PKT_NETSET || (mask & FHOST_REQ_NETSET) == FHOST_REQ_NETSET);
    const int accepted = fhost_packet_read(NULL, packet, length, second) > 0;
    if (accepted != expectAccepted) {
        result = FHOST_ROUNDTRIP_MISMATCH;
        goto done;
    }
    result = FHOST_ROUNDTRIP_SAME;
    if (accepted) {
        normalise(second);
        if (memcmp(first, second, sizeof *first) != 0)
            result = FHOST_ROUNDTRIP_MISMATCH;
    }

done:
    free(packet);
    free(first);
    free(second);
    return result;
}
