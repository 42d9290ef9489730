#pragma once

/* The server side of discovery: answers each query with a B-response that describes one server.
 * Used by the reference server and by tests; it only ever answers hosts that asked. */

#include "log.h"
#include "packet.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FhostResponderConfig
{
    char bindAddress[16];  /* dotted text */
    uint16_t port;         /* 0 picks a free port */
    char replyAddress[16]; /* empty: answer the querying host */
    uint16_t replyPort;    /* 0: answer the port the query came from */
    /* What the answers say: serverName, serverMac, ipAddress, httpPort, httpsPort, osFlag,
     * buildNumber, qcStatus, flagWordsA. */
    NASINFO identity;
    const FhostLogger* logger;
} FhostResponderConfig;

typedef struct FhostResponder FhostResponder;

/* Binds the socket; null on failure (logged). */
FhostResponder* fhost_responder_open(const FhostResponderConfig* config);
void fhost_responder_close(FhostResponder* responder);
uint16_t fhost_responder_port(const FhostResponder* responder);

/* Waits up to timeoutMs for a datagram and answers it when it is a valid query. Returns 1 when an
 * answer went out, 0 when none did, -1 when the socket failed. */
int fhost_responder_serve(FhostResponder* responder, int timeoutMs);

/* Writes the B-response for identity into *buffer (grown as for fhost_packet_write). Returns its
 * length, or 0. */
size_t fhost_responder_answer(const FhostLogger* logger, const NASINFO* identity, uint8_t** buffer,
                              size_t* capacity);

#ifdef __cplusplus
}
#endif
