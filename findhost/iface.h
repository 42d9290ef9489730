#pragma once

/* Enumeration of the IPv4 interfaces that discovery broadcasts from. */

#include "log.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define FHOST_IFACE_MAX 8

/* Comma-separated interface names. When set, only those interfaces are used, and loopback is
 * accepted among them; this keeps test and development runs off the real network. */
#define FHOST_INTERFACES_ENV "LUMIO_DISCOVERY_INTERFACES"

typedef struct FhostIface
{
    char name[64];
    uint8_t hwAddr[8]; /* the first six bytes are used */
    uint32_t address;  /* IPv4, network order */
    uint32_t mask;
    uint32_t broadcast; /* address | ~mask */
    uint32_t gateway;
    int isStatic; /* not configured by DHCP; unknown on this platform and left clear */
    int active;   /* has a usable IPv4 address */
} FhostIface;

/* The machine's first DNS server, network order; all ones when unknown. Set by fhost_iface_init. */
extern uint32_t fhost_dns_server;

/* Fills at most capacity entries with the usable Ethernet-type interfaces, in the system's order.
 * Returns the number filled, or -1 when the system list cannot be read. */
int fhost_iface_init(const FhostLogger* logger, FhostIface* table, int capacity);

#ifdef __cplusplus
}
#endif
