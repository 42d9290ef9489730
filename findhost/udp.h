#pragma once

/* UDP transport of discovery packets: sends from every usable interface and a listener that
 * decodes what arrives. */

#include "iface.h"
#include "log.h"
#include "packet.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define FHOST_PORT 9999
#define FHOST_QUERY_ADDRESS "255.255.255.255"
#define FHOST_SOURCE_PORT 1234
#define FHOST_LISTEN_ADDRESS "0.0.0.0"
#define FHOST_RECEIVE_BUFFER 65536
#define FHOST_WAIT_SECONDS 2

/* Returns 1 to stop. */
typedef int (*FhostStopFunc)(void* context);

typedef struct FhostSendTarget
{
    char address[16]; /* dotted text; "255.255.255.255" is the limited broadcast */
    uint16_t port;
    int interval; /* seconds between listener sends; -1 sends once */
    FhostStopFunc stop;
    void* stopContext;
    const FhostLogger* logger;
} FhostSendTarget;

typedef struct FhostListenSetup
{
    char address[16];
    uint16_t port;
    int timeLimit; /* seconds; 0 or less runs until stopped */
    FhostStopFunc stop;
    void* stopContext;
    const FhostLogger* logger;
    /* Told the bound socket, and -1 just before it is closed, so that another thread may shut it
     * down (under its own lock) to end the wait at once. Called with stopContext. */
    void (*socketChanged)(void* context, int socket);
} FhostListenSetup;

typedef struct FhostListenCallbacks
{
    void* context;
    void (*lock)(void* context, int on);
    int (*filter)(void* context, const NASINFO* info); /* 1 accepts */
    void (*deliver)(void* context, const NASINFO* info);
    void (*progress)(void* context, int limit, int elapsed, int reserved);
} FhostListenCallbacks;

/* Sends one datagram to the target, from the interface's address and FHOST_SOURCE_PORT when bound.
 * Returns the length sent, or -1. */
int fhost_udp_send(const FhostLogger* logger, const uint8_t* bytes, size_t length,
                   const FhostSendTarget* target, const FhostIface* iface, int bound);

/* Writes the packet once per interface with that interface's MAC as item 0x7C, sends each bound
 * to its interface and finally the last one unbound. Returns 0, or -1. */
int fhost_udp_send_all(const FhostSendTarget* target, const FhostItemList* list);

/* Receives and delivers packets until the time limit passes or the stop callback asks; with a send
 * target and an item list it also sends that packet on the target's interval. Returns 0 at a normal
 * end, -1 on failure. */
int fhost_udp_listen(const FhostListenSetup* setup, const FhostListenCallbacks* callbacks,
                     const FhostSendTarget* target, const FhostItemList* list);

/* Formats six bytes as lower-case hex pairs joined by ':' (18 bytes with the NUL). */
void fhost_format_mac(const uint8_t* hwAddr, char* text, size_t size);

#ifdef __cplusplus
}
#endif
