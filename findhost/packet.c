#define _POSIX_C_SOURCE 200809L

#include "packet.h"

#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

const uint8_t fhost_header[FHOST_HEADER_LENGTH] = {0x12, 0x34, 0x56, 0x78, 'V', 'E', 'X', 'A'};

#define FIELD_SIZE(field) sizeof(((NASINFO*)0)->field)
#define TEXT(idv, field, req)                                                                                \
    {                                                                                                        \
        idv, FHOST_VALUE_TEXT, offsetof(NASINFO, field), FIELD_SIZE(field), 0, req                           \
    }
#define FIXED(idv, field, req)                                                                               \
    {                                                                                                        \
        idv, FHOST_VALUE_FIXED, offsetof(NASINFO, field), FIELD_SIZE(field), 0, req                          \
    }
#define ADDRESS(idv, field)                                                                                  \
    {                                                                                                        \
        idv, FHOST_VALUE_FIXED, offsetof(NASINFO, field), FIELD_SIZE(field), 1, 0                            \
    }
#define WORD(idv, field, index)                                                                              \
    {                                                                                                        \
        idv, FHOST_VALUE_FIXED, offsetof(NASINFO, field) + (index) * sizeof(uint64_t), sizeof(uint64_t), 0,  \
            0                                                                                                \
    }
#define NOFIELD(idv)                                                                                         \
    {                                                                                                        \
        idv, FHOST_VALUE_NONE, 0, 0, 0, 0                                                                    \
    }

/* Sorted by id: looked up by binary search. */
static const FhostItemRow kItems[FHOST_ITEM_TABLE_SIZE] = {
    FIXED(0x01, packetType, FHOST_REQ_TYPE),
    FIXED(0x10, field10, 0),
    TEXT(0x11, serverName, 0),
    ADDRESS(0x12, ipAddress),
    ADDRESS(0x13, field13),
    ADDRESS(0x14, field14),
    ADDRESS(0x15, field15),
    ADDRESS(0x16, field16),
    TEXT(0x17, field17, 0),
    FIXED(0x18, connectionValue, 0),
    TEXT(0x19, serverMac, 0),
    TEXT(0x1A, longText, 0),
    FIXED(0x1B, field1B, 0),
    ADDRESS(0x1E, remoteAddress),
    FIXED(0x1F, errorValue, 0),
    FIXED(0x20, field10, 0x0004),
    TEXT(0x21, serverName, 0x0008),
    ADDRESS(0x22, ipAddress),
    ADDRESS(0x23, field13),
    ADDRESS(0x24, field14),
    ADDRESS(0x25, field15),
    ADDRESS(0x26, field16),
    TEXT(0x27, field17, 0),
    TEXT(0x29, serverMac, 0x0010),
    TEXT(0x2A, longText, 0),
    ADDRESS(0x2B, field1B),
    TEXT(0x2C, field2C, 0),
    TEXT(0x2D, field2D, 0),
    TEXT(0x2E, field2E, 0),
    TEXT(0x2F, field2F, 0),
    ADDRESS(0x30, field30),
    TEXT(0x31, field31, 0),
    TEXT(0x32, field32, 0),
    FIXED(0x33, field33, 0),
    TEXT(0x34, field34, 0),
    TEXT(0x35, field35, 0),
    TEXT(0x36, field36, 0),
    TEXT(0x37, field37, 0),
    FIXED(0x38, field38, 0),
    TEXT(0x39, field39, 0),
    FIXED(0x40, field40, 0),
    FIXED(0x41, field41, 0),
    FIXED(0x42, field42, 0),
    TEXT(0x43, field43, 0),
    TEXT(0x44, field44, 0),
    TEXT(0x45, field45, 0),
    FIXED(0x46, field46, 0),
    FIXED(0x47, field47, 0),
    FIXED(0x48, osFlag, 0),
    FIXED(0x49, buildNumber, 0),
    TEXT(0x4A, field4A, 0),
    NOFIELD(0x4B),
    NOFIELD(0x4C),
    FIXED(0x4D, field4D, 0),
    TEXT(0x50, field50, 0),
    TEXT(0x51, field51, 0),
    TEXT(0x52, field52, 0),
    TEXT(0x53, field53, 0),
    FIXED(0x54, field54, 0),
    FIXED(0x55, field55, 0),
    TEXT(0x56, field56, 0),
    TEXT(0x57, field57, 0),
    TEXT(0x58, field58, 0),
    TEXT(0x59, field59, 0),
    TEXT(0x5A, field5A, 0),
    TEXT(0x5B, field5B, 0),
    TEXT(0x5C, field5C, 0),
    TEXT(0x5D, field5D, 0),
    FIXED(0x60, field60, 0),
    TEXT(0x70, field70, 0),
    FIXED(0x71, field71, 0),
    {0x72, FHOST_VALUE_APPEND, offsetof(NASINFO, longText), FIELD_SIZE(longText), 0, 0},
    TEXT(0x73, field73, 0),
    FIXED(0x74, field74, 0),
    FIXED(0x75, httpPort, 0),
    FIXED(0x76, httpsPort, 0),
    TEXT(0x77, field77, 0),
    TEXT(0x78, field78, 0),
    FIXED(0x79, field79, 0),
    FIXED(0x7A, field7A, 0),
    FIXED(0x7B, field7B, 0),
    TEXT(0x7C, clientMac, 0),
    FIXED(0x7D, field7D, 0),
    TEXT(0x7E, field7E, 0),
    TEXT(0x7F, field7F, 0),
    FIXED(0x80, field80, 0),
    FIXED(0xA0, fieldA0, 0),
    TEXT(0xA1, fieldA1, 0),
    TEXT(0xA2, fieldA2, 0),
    FIXED(0xA3, fieldA3, 0),
    FIXED(0xA4, protocolVersion, FHOST_REQ_VERSION),
    FIXED(0xA5, fieldA5, 0),
    FIXED(0xA6, fieldA6, 0),
    FIXED(0xA7, qcStatus, 0),
    WORD(0xB0, flagWordsA, 0),
    WORD(0xB1, flagWordsA, 1),
    WORD(0xB8, flagWordsB, 0),
    WORD(0xB9, flagWordsB, 1),
    FIXED(0xBA, fieldBA, 0),
};

/* One item's value is at most this long: its length travels in one byte. */
#define FHOST_VALUE_MAX 255
#define FHOST_ID_LONG_TEXT 0x2A
#define FHOST_ID_CONTINUATION 0x72

const FhostItemRow* fhost_item_table(void)
{
    return kItems;
}

const FhostItemRow* fhost_item_lookup(uint8_t id)
{
    size_t low = 0;
    size_t high = FHOST_ITEM_TABLE_SIZE;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (kItems[middle].id == id)
            return &kItems[middle];
        if (kItems[middle].id < id)
            low = middle + 1;
        else
            high = middle;
    }
    return NULL;
}

void fhost_item_list_init(FhostItemList* list, NASINFO* info)
{
    memset(list, 0, sizeof *list);
    list->info = info;
}

static int list_contains(const FhostItemList* list, uint8_t id)
{
    for (int i = 0; i < list->count; ++i) {
        if (list->ids[i] == id)
            return 1;
    }
    return 0;
}

static int list_append(FhostItemList* list, uint8_t id)
{
    if (list->count >= FHOST_ITEM_LIST_MAX)
        return -1;
    list->ids[list->count++] = id;
    return 0;
}

int fhost_set_value(const FhostLogger* logger, FhostItemList* list, uint8_t id, const void* value,
                    size_t length)
{
    const FhostItemRow* row = fhost_item_lookup(id);
    if (!row) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d unknown PKT-ID: [0x%X]\n", id);
        return -1;
    }
    if (!list || !list->info || row->kind == FHOST_VALUE_NONE || (!value && length > 0) ||
        (!list_contains(list, id) && list->count >= FHOST_ITEM_LIST_MAX)) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to write [0x%X]!\n", id);
        return -1;
    }

    char* field = (char*)list->info + row->offset;
    size_t copied;
    switch (row->kind) {
    case FHOST_VALUE_TEXT:
        copied = length < row->capacity ? length : row->capacity - 1u;
        memset(field, 0, row->capacity);
        if (copied > 0)
            memcpy(field, value, copied);
        break;
    case FHOST_VALUE_APPEND: {
        const size_t used = strnlen(field, row->capacity);
        const size_t room = used < FHOST_LONG_TEXT_MAX ? FHOST_LONG_TEXT_MAX - used : 0;
        copied = length < room ? length : room;
        if (copied > 0) {
            memcpy(field + used, value, copied);
            field[used + copied] = '\0';
        }
        break;
    }
    default:
        copied = length < row->capacity ? length : row->capacity;
        memset(field, 0, row->capacity);
        if (copied > 0)
            memcpy(field, value, copied);
        break;
    }

    if (!list_contains(list, id))
        list_append(list, id);
    return 0;
}

int fhost_append_ids(const FhostLogger* logger, FhostItemList* list, int first, ...)
{
    (void)logger;
    int appended = 0;
    va_list args;
    va_start(args, first);
    for (int id = first; id != 0; id = va_arg(args, int)) {
        if (list_append(list, (uint8_t)id) != 0)
            break;
        ++appended;
    }
    va_end(args);
    return appended;
}

int fhost_append_flag_words(const FhostLogger* logger, FhostItemList* list, int wantA, int wantB)
{
    int appended = 0;
    if (wantA)
        appended += fhost_append_ids(logger, list, 0xB0, 0xB1, 0);
    if (wantB)
        appended += fhost_append_ids(logger, list, 0xB8, 0xB9, 0);
    return appended;
}

void fhost_clear_flags_a(NASINFO* info)
{
    info->flagWordsA[0] = 0;
    info->flagWordsA[1] = 0;
}

void fhost_clear_flags_b(NASINFO* info)
{
    info->flagWordsB[0] = 0;
    info->flagWordsB[1] = 0;
}

void fhost_set_flag_a(NASINFO* info, int n)
{
    if (n >= 0 && n < 128)
        info->flagWordsA[n / 64] |= (uint64_t)1 << (n % 64);
}

void fhost_set_flag_b(NASINFO* info, int n)
{
    if (n >= 0 && n < 128)
        info->flagWordsB[n / 64] |= (uint64_t)1 << (n % 64);
}

int fhost_test_flag_a(const NASINFO* info, int n)
{
    if (n < 0 || n >= 128)
        return 0;
    return (info->flagWordsA[n / 64] >> (n % 64)) & 1u;
}

static int put_item(uint8_t* work, size_t* used, uint8_t id, const void* value, size_t length)
{
    if (length > FHOST_VALUE_MAX || FHOST_PACKET_MAX - *used < 2 + length)
        return -1;
    work[(*used)++] = id;
    work[(*used)++] = (uint8_t)length;
    if (length > 0)
        memcpy(work + *used, value, length);
    *used += length;
    return 0;
}

size_t fhost_packet_write(const FhostLogger* logger, uint8_t** buffer, size_t* capacity,
                          const FhostItemList* list)
{
    if (!buffer || !capacity || !list || !list->info || list->count < 0 || list->count > FHOST_ITEM_LIST_MAX)
        return 0;

    uint8_t work[FHOST_PACKET_MAX];
    memset(work, 0, sizeof work);
    memcpy(work, fhost_header, FHOST_HEADER_LENGTH);
    size_t used = FHOST_HEADER_LENGTH;
    const char* record = (const char*)list->info;

    for (int i = 0; i < list->count; ++i) {
        const uint8_t id = list->ids[i];
        if (id == FHOST_ID_LONG_TEXT) {
            /* The reader takes back at most FHOST_LONG_TEXT_MAX bytes; never send more. */
            const char* text = list->info->longText;
            const size_t length = strnlen(text, sizeof list->info->longText);
            size_t start = 0;
            uint8_t pieceId = FHOST_ID_LONG_TEXT;
            if (length > FHOST_LONG_TEXT_MAX) {
                FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to write!\n");
                return 0;
            }
            do {
                const size_t piece = length - start < FHOST_VALUE_MAX ? length - start : FHOST_VALUE_MAX;
                if (put_item(work, &used, pieceId, text + start, piece) != 0) {
                    FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to write!\n");
                    return 0;
                }
                start += piece;
                pieceId = FHOST_ID_CONTINUATION;
            } while (start < length);
            continue;
        }
        if (id == FHOST_ID_CONTINUATION)
            continue;

        const FhostItemRow* row = fhost_item_lookup(id);
        if (!row)
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d unknown PKT-ID: [0x%X]\n", id);
        if (!row || row->kind == FHOST_VALUE_NONE) {
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to write [0x%X]!\n", id);
            return 0;
        }
        const char* field = record + row->offset;
        size_t length = row->capacity;
        if (row->kind == FHOST_VALUE_TEXT) {
            /* A text without its terminator inside the field would not read back. */
            length = strnlen(field, row->capacity);
            if (length >= row->capacity)
                length = FHOST_PACKET_MAX;
        }
        if (put_item(work, &used, id, field, length) != 0) {
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to write [0x%X]!\n", id);
            return 0;
        }
    }

    if (used > *capacity) {
        uint8_t* grown = realloc(*buffer, used);
        if (!grown) {
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d Reallocate memory failed!\n");
            return 0;
        }
        *buffer = grown;
        *capacity = used;
    }
    memcpy(*buffer, work, used);
    return used;
}

/* Whether a value of the given length may be stored by this row; room is the free space for a
 * continuation piece. */
static int value_fits(const FhostItemRow* row, size_t length, const NASINFO* info)
{
    switch (row->kind) {
    case FHOST_VALUE_TEXT:
        return length < row->capacity; /* leaves room for the terminating NUL */
    case FHOST_VALUE_APPEND: {
        const size_t used = strnlen(info->longText, sizeof info->longText);
        const size_t room = used < FHOST_LONG_TEXT_MAX ? FHOST_LONG_TEXT_MAX - used : 0;
        return length <= room;
    }
    default:
        return length == 0 || length == row->capacity;
    }
}

static void store_value(const FhostItemRow* row, const uint8_t* value, size_t length, NASINFO* info)
{
    char* field = (char*)info + row->offset;
    switch (row->kind) {
    case FHOST_VALUE_TEXT:
        memcpy(field, value, length);
        field[length] = '\0';
        break;
    case FHOST_VALUE_APPEND: {
        const size_t used = strnlen(info->longText, sizeof info->longText);
        memcpy(info->longText + used, value, length);
        info->longText[used + length] = '\0';
        break;
    }
    default:
        memcpy(field, value, length);
        break;
    }
}

int fhost_packet_read(const FhostLogger* logger, const uint8_t* data, size_t length, NASINFO* info)
{
    if (!data || !info || length <= FHOST_HEADER_LENGTH || length > FHOST_PACKET_MAX ||
        memcmp(data, fhost_header, FHOST_HEADER_LENGTH) != 0)
        return 0;

    const uint8_t* items = data + FHOST_HEADER_LENGTH;
    const size_t total = length - FHOST_HEADER_LENGTH;
    size_t offset = 0;
    unsigned mask = 0;
    int count = 0;

    while (offset < total) {
        const uint8_t id = items[offset];
        const FhostItemRow* row = fhost_item_lookup(id);
        if (row && row->kind != FHOST_VALUE_NONE) {
            const size_t left = total - offset - 1; /* bytes after the id */
            const size_t valueLength = left > 0 ? items[offset + 1] : 0;
            if (left == 0 || left - 1 < valueLength || !value_fits(row, valueLength, info)) {
                /* Rejected: resynchronise on the length byte. */
                offset += 1;
            } else {
                if (valueLength > 0)
                    store_value(row, items + offset + 2, valueLength, info);
                offset += 2 + valueLength;
            }
            mask |= row->required;
        } else {
            FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d unknown id: [0x%02X] at offset (%d)\n", id,
                      (int)offset);
            const size_t left = total - offset - 1;
            if (left > 0 && left - 1 >= items[offset + 1])
                offset += 2 + items[offset + 1];
            else
                offset += 2;
        }
        if (++count > FHOST_MAX_ITEMS) {
            FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d Maybe some virus try to hack me\n");
            return 0;
        }
    }

    if ((mask & FHOST_REQ_BASIC) != FHOST_REQ_BASIC) {
        FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d Basic is not satifsfied\n");
        return 0;
    }
    if (info->packetType == FHOST_PKT_NETSET && (mask & FHOST_REQ_NETSET) != FHOST_REQ_NETSET) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d not enough fields for netsetting 0x%X\n", mask);
        return 0;
    }
    return (int)total;
}

/* Copies at most limit bytes of a possibly unterminated source of the given size, terminated. */
static void copy_text(char* dest, size_t destSize, const char* source, size_t sourceSize, size_t limit)
{
    size_t length = strnlen(source, sourceSize);
    if (length > limit)
        length = limit;
    if (length >= destSize)
        length = destSize - 1;
    memset(dest, 0, destSize);
    memcpy(dest, source, length);
}

/* Dotted quad to network order; an empty or malformed text gives 0. */
static uint32_t parse_address(const char* text, size_t size)
{
    uint8_t octets[4];
    size_t position = 0;
    const size_t length = strnlen(text, size);
    for (int part = 0; part < 4; ++part) {
        unsigned value = 0;
        size_t digits = 0;
        while (position < length && text[position] >= '0' && text[position] <= '9' && digits < 3) {
            value = value * 10 + (unsigned)(text[position] - '0');
            ++position;
            ++digits;
        }
        if (digits == 0 || value > 255)
            return 0;
        octets[part] = (uint8_t)value;
        if (part < 3) {
            if (position >= length || text[position] != '.')
                return 0;
            ++position;
        }
    }
    if (position != length)
        return 0;
    uint32_t address;
    memcpy(&address, octets, sizeof address);
    return address;
}

static void start_client_record(NASINFO* info, int32_t type)
{
    memset(info, 0, sizeof *info);
    info->protocolVersion = FHOST_PROTOCOL_VERSION;
    info->packetType = type;
}

int fhost_build_query(NASINFO* info, FhostItemList* list)
{
    start_client_record(info, FHOST_PKT_QUERY);
    info->fieldA6 = FHOST_CLIENT_A6;
    fhost_clear_flags_a(info);
    fhost_clear_flags_b(info);
    for (int flag = 6; flag <= 8; ++flag) {
        fhost_set_flag_a(info, flag);
        fhost_set_flag_b(info, flag);
    }
    fhost_item_list_init(list, info);
    fhost_append_ids(NULL, list, 0xA4, 0xA6, 0x01, 0);
    fhost_append_flag_words(NULL, list, 1, 1);
    fhost_append_ids(NULL, list, 0x7C, 0);
    return 0;
}

static void set_obscured_password(NASINFO* info, const char* obscuredPassword)
{
    memset(info->longText, 0, sizeof info->longText);
    if (obscuredPassword)
        copy_text(info->longText, sizeof info->longText, obscuredPassword, sizeof info->longText,
                  sizeof info->longText);
}

int fhost_build_quick_config(const FhostLogger* logger, NASINFO* info, FhostItemList* list,
                             const CNasConfig* config, const NASINFO* target, const char* obscuredPassword)
{
    if (!info || !list || !config || !target)
        return -1;
    start_client_record(info, FHOST_PKT_QUICKCONF);
    info->fieldA6 = FHOST_CLIENT_A6;
    copy_text(info->serverMac, sizeof info->serverMac, target->serverMac, sizeof target->serverMac,
              sizeof info->serverMac);
    set_obscured_password(info, obscuredPassword);
    info->field10 = config->addressMode;
    copy_text(info->serverName, sizeof info->serverName, config->serverName, sizeof config->serverName, 35);
    info->ipAddress = parse_address(config->address[0], sizeof config->address[0]);
    info->field13 = parse_address(config->address[1], sizeof config->address[1]);
    info->field14 = parse_address(config->address[2], sizeof config->address[2]);
    info->field15 = parse_address(config->address[3], sizeof config->address[3]);
    copy_text(info->field31, sizeof info->field31, config->text31, sizeof config->text31, 19);
    for (char* c = info->field31; *c; ++c) {
        if (*c == ':' || *c == ' ' || *c == '/')
            *c = '-';
    }
    copy_text(info->field37, sizeof info->field37, config->text37, sizeof config->text37, 35);
    copy_text(info->field39, sizeof info->field39, config->text39, sizeof config->text39, 35);
    info->field40 = config->value40;
    info->field42 = config->value42;
    fhost_clear_flags_a(info);
    fhost_clear_flags_b(info);
    if (config->requestFlag7) {
        fhost_set_flag_a(info, 7);
        fhost_set_flag_b(info, 7);
    }

    fhost_item_list_init(list, info);
    fhost_append_ids(logger, list, 0xA4, 0xA6, 0x01, 0x19, 0x2A, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x31,
                     0x32, 0x37, 0x39, 0x40, 0x42, 0);
    fhost_append_flag_words(logger, list, 1, 1);
    fhost_append_ids(logger, list, 0x7C, 0);
    FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d Send Conf to %s, type=%ld, mac=%s", info->serverName,
              (long)info->packetType, info->serverMac);
    return 0;
}

int fhost_build_net_setting(const FhostLogger* logger, NASINFO* info, FhostItemList* list,
                            const CNasConfig* config, const NASINFO* target, const char* obscuredPassword)
{
    if (!info || !list || !config || !target)
        return -1;
    *info = *target;
    info->packetType = FHOST_PKT_NETSET;
    info->protocolVersion = FHOST_PROTOCOL_VERSION;

    fhost_item_list_init(list, info);
    fhost_append_ids(logger, list, 0x01, 0xA4, 0x29, 0);
    if (strnlen(info->serverName, sizeof info->serverName) > 0)
        fhost_append_ids(logger, list, 0x21, 0);
    info->field10 = config->addressMode;
    fhost_append_ids(logger, list, 0x20, 0);
    if (!config->addressMode) {
        info->ipAddress = parse_address(config->address[0], sizeof config->address[0]);
        info->field13 = parse_address(config->address[1], sizeof config->address[1]);
        info->field14 = parse_address(config->address[2], sizeof config->address[2]);
        info->field15 = parse_address(config->address[3], sizeof config->address[3]);
        fhost_append_ids(logger, list, 0x22, 0x23, 0x24, 0x25, 0);
    } else {
        info->ipAddress = 0;
        info->field13 = 0;
        info->field14 = 0;
        info->field15 = 0;
    }
    set_obscured_password(info, obscuredPassword);
    fhost_append_ids(logger, list, 0x2A, 0);
    if (info->field1B != 0)
        fhost_append_ids(logger, list, 0x2B, 0);
    fhost_append_ids(logger, list, 0x7C, 0);
    FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d Send Conf to %s, type=%ld, mac=%s", info->serverName,
              (long)info->packetType, info->serverMac);
    return 0;
}
