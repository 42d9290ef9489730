#pragma once

/* The discovery datagram: an 8-byte header followed by id-length-value items, decoded into and
 * written from a NASINFO record. The reader takes datagrams from anyone on the network: it checks
 * every length against the datagram and the destination field before it copies. */

#include "log.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define FHOST_HEADER_LENGTH 8
#define FHOST_PACKET_MAX 8192
#define FHOST_MAX_ITEMS 64
#define FHOST_ITEM_LIST_MAX 256
#define FHOST_LONG_TEXT_MAX 1536
#define FHOST_ITEM_TABLE_SIZE 99

extern const uint8_t fhost_header[FHOST_HEADER_LENGTH];

enum FhostPacketType
{
    FHOST_PKT_QUERY = 1,
    FHOST_PKT_BRESPONSE = 2,
    FHOST_PKT_NETSET = 3,
    FHOST_PKT_QUICKCONF = 4,
    FHOST_PKT_JRESPONSE = 6,
    FHOST_PKT_ANY = 17 /* wildcard of the accepted-type list, never on the wire */
};

enum FhostQcStatus
{
    FHOSTQC_FALSE = 0,
    FHOSTQC_DONE = 1,
    FHOSTQC_NOTINSTALL = 2
};

#define FHOST_PROTOCOL_VERSION 0x01020000
#define FHOST_CLIENT_A6 120

/* Required bits of the basic mask. */
#define FHOST_REQ_TYPE 0x0001
#define FHOST_REQ_VERSION 0x0002
#define FHOST_REQ_BASIC 0x0003
#define FHOST_REQ_NETSET 0x001F

/* One discovered server or one packet to send. Texts are NUL-terminated; integers are held in the
 * byte order of the wire (little-endian), IPv4 addresses in network order. */
typedef struct NASINFO
{
    int32_t probeState; /* application only */
    int32_t appValue;   /* application only, unused by discovery */
    char serverName[36];
    char serverMac[36];
    char clientMac[36];
    char longText[1540];
    char field50[20];
    char field51[20];
    char field52[260];
    char field53[260];
    char field56[128];
    char field57[128];
    char field58[128];
    char field59[128];
    char field5A[128];
    char field5B[128];
    char field5C[4];
    char field5D[4];
    char field70[68];
    char field73[12];
    char fieldA2[36];
    char fieldA1[68];
    char field17[260];
    char field2D[260];
    char field2E[260];
    char field2F[260];
    char field2C[1540];
    char field31[20];
    char field32[132];
    char field34[12];
    char field35[260];
    char field36[260];
    char field37[36];
    char field39[36];
    char field43[260];
    char field44[132];
    char field45[132];
    char field4A[496];
    char field77[8];
    char field7E[8];
    char field78[48];
    char field7F[48];
    int32_t field54;
    int32_t field55;
    int32_t field10;
    uint32_t ipAddress;
    uint32_t field13;
    uint32_t field14;
    uint32_t field15;
    uint32_t field16;
    uint32_t field30;
    int32_t connectionValue;
    int32_t field1B;
    int32_t errorValue;
    uint32_t remoteAddress;
    int32_t httpPort;
    int32_t httpsPort;
    int32_t unfilled;
    int32_t qcStatus;
    int32_t osFlag;
    int32_t buildNumber;
    int32_t field7D;
    int32_t field71;
    int32_t protocolVersion;
    int32_t fieldA0;
    int32_t fieldA3;
    int32_t packetType;
    int32_t fieldA6;
    int32_t field33;
    int32_t field38;
    int32_t field40;
    int32_t field41;
    int32_t field42;
    int32_t field47;
    int32_t field46;
    int32_t field60;
    int32_t field74;
    uint8_t fieldA5[8];
    int32_t field79;
    int32_t field7A;
    int32_t field80;
    int32_t field7B;
    uint64_t flagWordsA[2];
    uint64_t flagWordsB[2];
    int32_t field4D;
    int32_t fieldBA;
} NASINFO;

typedef enum FhostValueKind
{
    FHOST_VALUE_NONE = 0,
    FHOST_VALUE_TEXT,
    FHOST_VALUE_FIXED,
    FHOST_VALUE_APPEND /* 0x72: continuation of longText */
} FhostValueKind;

typedef struct FhostItemRow
{
    uint8_t id;
    uint8_t kind;      /* FhostValueKind */
    uint16_t offset;   /* of the field in NASINFO */
    uint16_t capacity; /* of the field in bytes */
    uint8_t isAddress; /* IPv4 address in network order; copied unchanged like any value */
    uint16_t required; /* bit ORed into the basic mask */
} FhostItemRow;

/* Null when the id is not in the table. */
const FhostItemRow* fhost_item_lookup(uint8_t id);
const FhostItemRow* fhost_item_table(void);

/* The ids to write, in order, and the record they are written from. */
typedef struct FhostItemList
{
    NASINFO* info;
    int count;
    uint8_t ids[FHOST_ITEM_LIST_MAX];
} FhostItemList;

void fhost_item_list_init(FhostItemList* list, NASINFO* info);

/* Stores the value into the record's field and lists the id once. Text values are cut to leave
 * room for the terminating NUL. Returns 0, or -1 for an unknown or field-less id or a full list. */
int fhost_set_value(const FhostLogger* logger, FhostItemList* list, uint8_t id, const void* value,
                    size_t length);
/* Appends a zero-terminated run of ids; returns how many were appended. */
int fhost_append_ids(const FhostLogger* logger, FhostItemList* list, int first, ...);
/* Appends 0xB0 0xB1 when wantA and 0xB8 0xB9 when wantB; returns how many were appended. */
int fhost_append_flag_words(const FhostLogger* logger, FhostItemList* list, int wantA, int wantB);

void fhost_clear_flags_a(NASINFO* info);
void fhost_clear_flags_b(NASINFO* info);
/* Flag n (0..127) is bit n mod 64 of word n / 64; other values are ignored. */
void fhost_set_flag_a(NASINFO* info, int n);
void fhost_set_flag_b(NASINFO* info, int n);
int fhost_test_flag_a(const NASINFO* info, int n);

/* Writes the listed items into *buffer, growing it with realloc when *capacity is too small.
 * Returns the packet length, or 0 with the buffer untouched when the packet cannot be written. */
size_t fhost_packet_write(const FhostLogger* logger, uint8_t** buffer, size_t* capacity,
                          const FhostItemList* list);

/* Decodes a datagram into a record the caller has zeroed. Returns the number of item bytes
 * (length - 8) for an accepted packet, otherwise 0. */
int fhost_packet_read(const FhostLogger* logger, const uint8_t* data, size_t length, NASINFO* info);

/* Configuration that the quick-configuration and net-setting packets carry. Texts are UTF-8. */
typedef struct CNasConfig
{
    uint8_t addressMode; /* nonzero: automatic addressing */
    uint8_t flag1;
    uint8_t requestFlag7;
    int32_t unusedValue;
    int32_t value42;
    int32_t value40;
    char text37[64];
    char text39[64];
    char unusedText0[64];
    char address[4][16]; /* to ipAddress, field 13, field 14, field 15 */
    char password[1024];
    char serverName[64];
    char unusedText1[64];
    char text31[64];
} CNasConfig;

/* Client packets. Each starts from a fresh record and leaves 0x7C listed last for the sender to
 * fill per interface. The configuration packets take the password already obscured. They return 0,
 * or -1 when an argument is missing. */
int fhost_build_query(NASINFO* info, FhostItemList* list);
int fhost_build_quick_config(const FhostLogger* logger, NASINFO* info, FhostItemList* list,
                             const CNasConfig* config, const NASINFO* target, const char* obscuredPassword);
int fhost_build_net_setting(const FhostLogger* logger, NASINFO* info, FhostItemList* list,
                            const CNasConfig* config, const NASINFO* target, const char* obscuredPassword);

#ifdef __cplusplus
}
#endif
