/* Writes the seed corpus (one valid datagram of every packet type and of the item shapes) and the
 * hostile reproducers: datagrams at and past every limit of the reader. */

#include "packet.h"
#include "responder.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int save(const char* folder, const char* name, const FhostItemList* list)
{
    uint8_t* packet = NULL;
    size_t capacity = 0;
    const size_t length = fhost_packet_write(NULL, &packet, &capacity, list);
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", folder, name);
    FILE* file = length ? fopen(path, "wb") : NULL;
    const int ok = file && fwrite(packet, 1, length, file) == length;
    if (file)
        fclose(file);
    free(packet);
    if (!ok)
        fprintf(stderr, "make_corpus: cannot write %s\n", path);
    return ok ? 0 : 1;
}

static int save_bytes(const char* folder, const char* name, const uint8_t* bytes, size_t length)
{
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", folder, name);
    FILE* file = fopen(path, "wb");
    const int ok = file && fwrite(bytes, 1, length, file) == length;
    if (file)
        fclose(file);
    if (!ok)
        fprintf(stderr, "make_corpus: cannot write %s\n", path);
    return ok ? 0 : 1;
}

/* A raw datagram under construction: header, then whatever the caller appends. */
typedef struct Raw
{
    uint8_t bytes[FHOST_PACKET_MAX + 16];
    size_t length;
} Raw;

static void raw_start(Raw* raw, int32_t type)
{
    memcpy(raw->bytes, fhost_header, FHOST_HEADER_LENGTH);
    raw->length = FHOST_HEADER_LENGTH;
    const uint8_t basic[] = {0x01, 4, (uint8_t)type, 0, 0, 0, 0xA4, 4, 0, 0, 2, 1};
    memcpy(raw->bytes + raw->length, basic, sizeof basic);
    raw->length += sizeof basic;
}

static void raw_byte(Raw* raw, uint8_t byte)
{
    if (raw->length < sizeof raw->bytes)
        raw->bytes[raw->length++] = byte;
}

static void raw_item(Raw* raw, uint8_t id, size_t length, uint8_t fill)
{
    raw_byte(raw, id);
    raw_byte(raw, (uint8_t)length);
    for (size_t i = 0; i < length; ++i)
        raw_byte(raw, fill);
}

static int hostile(const char* folder)
{
    int failures = 0;
    Raw raw;

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_item(&raw, 0x21, 36, 'n');
    failures += save_bytes(folder, "name-fills-its-field", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_item(&raw, 0x5C, 4, 't');
    failures += save_bytes(folder, "text-fills-4-byte-field", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_item(&raw, 0x2A, 255, 'a');
    for (int i = 0; i < 5; ++i)
        raw_item(&raw, 0x72, 255, 'b');
    raw_item(&raw, 0x72, 7, 'c');
    failures += save_bytes(folder, "continuation-past-1536", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_item(&raw, 0x72, 200, 'c');
    raw_item(&raw, 0x1A, 255, 'a');
    raw_item(&raw, 0x72, 255, 'b');
    failures += save_bytes(folder, "continuation-without-first-piece", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_byte(&raw, 0x75);
    failures += save_bytes(folder, "known-id-as-last-byte", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_byte(&raw, 0x4B);
    raw_byte(&raw, 0xFF);
    raw_byte(&raw, 0x01);
    failures += save_bytes(folder, "unknown-id-runs-past-end", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw_item(&raw, 0x75, 5, 0);
    raw_item(&raw, 0x49, 3, 0);
    failures += save_bytes(folder, "fixed-width-wrong-lengths", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    for (int i = 2; i < 65; ++i)
        raw_item(&raw, 0x33, 4, (uint8_t)i);
    failures += save_bytes(folder, "sixty-five-items", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    while (raw.length + 257 <= FHOST_PACKET_MAX + 1)
        raw_item(&raw, 0x2C, 255, 'x');
    while (raw.length <= FHOST_PACKET_MAX)
        raw_byte(&raw, 0);
    failures += save_bytes(folder, "longer-than-8192", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_NETSET);
    raw_item(&raw, 0x20, 4, 0);
    raw_item(&raw, 0x29, 5, 'm');
    failures += save_bytes(folder, "netset-reply-without-name", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    raw.length = FHOST_HEADER_LENGTH;
    failures += save_bytes(folder, "header-only", raw.bytes, raw.length);

    raw_start(&raw, FHOST_PKT_BRESPONSE);
    for (int id = 0x01; id <= 0xBA; ++id)
        raw_item(&raw, (uint8_t)id, 0, 0);
    failures += save_bytes(folder, "every-id-empty", raw.bytes, raw.length);
    return failures;
}

static void set_text(FhostItemList* list, uint8_t id, const char* text)
{
    fhost_set_value(NULL, list, id, text, strlen(text));
}

static void set_int(FhostItemList* list, uint8_t id, int32_t value)
{
    fhost_set_value(NULL, list, id, &value, sizeof value);
}

static void set_address(FhostItemList* list, uint8_t id, uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    const uint8_t bytes[4] = {a, b, c, d};
    fhost_set_value(NULL, list, id, bytes, sizeof bytes);
}

static void start(NASINFO* info, FhostItemList* list, int32_t type)
{
    memset(info, 0, sizeof *info);
    fhost_item_list_init(list, info);
    set_int(list, 0x01, type);
    set_int(list, 0xA4, FHOST_PROTOCOL_VERSION);
}

/* Every item with a field, in table order, from first to last (exclusive), with sample values. */
static void all_items(FhostItemList* list, int first, int last)
{
    const FhostItemRow* table = fhost_item_table();
    for (int i = first; i < last && i < FHOST_ITEM_TABLE_SIZE; ++i) {
        const FhostItemRow* row = &table[i];
        if (row->id == 0x01 || row->id == 0xA4 || row->id == 0x72 || row->kind == FHOST_VALUE_NONE)
            continue;
        if (row->kind == FHOST_VALUE_TEXT) {
            char text[64];
            snprintf(text, sizeof text, "item-%02x-value", row->id);
            const size_t room = (size_t)row->capacity - 1;
            if (room < sizeof text)
                text[room] = '\0';
            set_text(list, row->id, text);
        } else {
            uint8_t bytes[8];
            for (size_t k = 0; k < sizeof bytes; ++k)
                bytes[k] = (uint8_t)(row->id + k);
            fhost_set_value(NULL, list, row->id, bytes, row->capacity);
        }
    }
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: make_corpus CORPUS_FOLDER REPRODUCER_FOLDER\n");
        return 2;
    }
    const char* folder = argv[1];
    int failures = hostile(argv[2]);
    NASINFO* info = calloc(1, sizeof *info);
    NASINFO* target = calloc(1, sizeof *target);
    FhostItemList list;

    fhost_build_query(info, &list);
    set_text(&list, 0x7C, "02:00:00:00:00:01");
    failures += save(folder, "query", &list);

    start(info, &list, FHOST_PKT_BRESPONSE);
    set_text(&list, 0x21, "korvat-one");
    set_text(&list, 0x29, "00:11:32:0a:0b:0c");
    set_address(&list, 0x22, 192, 168, 1, 20);
    set_int(&list, 0x75, 5000);
    set_int(&list, 0x76, 5001);
    set_int(&list, 0x48, 1);
    set_int(&list, 0x49, 1240);
    set_int(&list, 0xA7, FHOSTQC_DONE);
    set_int(&list, 0x18, 1);
    set_address(&list, 0x1E, 192, 168, 1, 2);
    fhost_set_flag_a(info, 3);
    fhost_append_flag_words(NULL, &list, 1, 0);
    failures += save(folder, "bresponse", &list);

    info->packetType = FHOST_PKT_JRESPONSE;
    set_int(&list, 0xA7, FHOSTQC_NOTINSTALL);
    failures += save(folder, "jresponse", &list);

    CNasConfig config;
    memset(&config, 0, sizeof config);
    config.requestFlag7 = 1;
    config.value40 = 1;
    config.value42 = 2;
    strcpy(config.text37, "WORKGROUP");
    strcpy(config.text39, "admin");
    strcpy(config.address[0], "192.168.1.30");
    strcpy(config.address[1], "255.255.255.0");
    strcpy(config.address[2], "192.168.1.1");
    strcpy(config.address[3], "192.168.1.1");
    strcpy(config.serverName, "korvat-two");
    strcpy(config.text31, "Europe/Berlin");
    memcpy(target, info, sizeof *target);
    fhost_build_quick_config(NULL, info, &list, &config, target, "kumFY3t4RTavbqiwl21QyDsHECX9SOrW");
    set_text(&list, 0x7C, "02:00:00:00:00:01");
    failures += save(folder, "quickconf", &list);

    fhost_build_net_setting(NULL, info, &list, &config, target, "kumFY3t4RTavbqiwl21QyDsHECX9SOrW");
    set_text(&list, 0x7C, "02:00:00:00:00:01");
    failures += save(folder, "netset", &list);

    start(info, &list, FHOST_PKT_QUICKCONF);
    set_text(&list, 0x21, "korvat-two");
    set_text(&list, 0x29, "00:11:32:0a:0b:0d");
    set_int(&list, 0x1F, 0);
    set_address(&list, 0x1E, 192, 168, 1, 2);
    failures += save(folder, "quickconf-reply", &list);

    start(info, &list, FHOST_PKT_NETSET);
    set_int(&list, 0x20, 1);
    set_text(&list, 0x21, "korvat-two");
    set_text(&list, 0x29, "00:11:32:0a:0b:0d");
    set_int(&list, 0x1F, 3);
    failures += save(folder, "netset-reply", &list);

    start(info, &list, FHOST_PKT_BRESPONSE);
    char text[301];
    for (int i = 0; i < 300; ++i)
        text[i] = (char)('a' + i % 26);
    text[300] = '\0';
    set_text(&list, 0x2A, text);
    failures += save(folder, "long-text", &list);

    start(info, &list, FHOST_PKT_BRESPONSE);
    set_text(&list, 0x11, "earlier");
    set_text(&list, 0x21, "later");
    failures += save(folder, "twins", &list);

    start(info, &list, FHOST_PKT_BRESPONSE);
    all_items(&list, 0, FHOST_ITEM_TABLE_SIZE / 2);
    failures += save(folder, "all-items-first-half", &list);
    start(info, &list, FHOST_PKT_JRESPONSE);
    all_items(&list, FHOST_ITEM_TABLE_SIZE / 2, FHOST_ITEM_TABLE_SIZE);
    failures += save(folder, "all-items-second-half", &list);

    uint8_t* answer = NULL;
    size_t capacity = 0;
    memset(target, 0, sizeof *target);
    strcpy(target->serverName, "responder");
    strcpy(target->serverMac, "02:00:00:00:00:02");
    target->buildNumber = 1093;
    target->qcStatus = FHOSTQC_DONE;
    const size_t length = fhost_responder_answer(NULL, target, &answer, &capacity);
    char path[4096];
    snprintf(path, sizeof path, "%s/responder-answer", folder);
    FILE* file = fopen(path, "wb");
    if (!file || fwrite(answer, 1, length, file) != length)
        ++failures;
    if (file)
        fclose(file);
    free(answer);

    free(info);
    free(target);
    return failures ? 1 : 0;
}
