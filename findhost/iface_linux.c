#define _DEFAULT_SOURCE

#include "iface.h"

#include <arpa/inet.h>
#include <errno.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>

uint32_t fhost_dns_server = 0xFFFFFFFFu;

static int name_listed(const char* list, const char* name)
{
    const size_t nameLength = strlen(name);
    const char* cursor = list;
    while (*cursor) {
        while (*cursor == ',' || *cursor == ' ')
            ++cursor;
        const char* end = cursor;
        while (*end && *end != ',')
            ++end;
        const char* last = end;
        while (last > cursor && last[-1] == ' ')
            --last;
        if ((size_t)(last - cursor) == nameLength && nameLength > 0 && memcmp(cursor, name, nameLength) == 0)
            return 1;
        cursor = end;
    }
    return 0;
}

static const struct sockaddr_ll* link_of(const struct ifaddrs* all, const char* name)
{
    for (const struct ifaddrs* entry = all; entry; entry = entry->ifa_next) {
        if (entry->ifa_addr && entry->ifa_addr->sa_family == AF_PACKET && strcmp(entry->ifa_name, name) == 0)
            return (const struct sockaddr_ll*)(const void*)entry->ifa_addr;
    }
    return NULL;
}

/* Only the first IPv4 address of an interface counts, as for an adapter's address list. */
static int seen_before(const struct ifaddrs* all, const struct ifaddrs* current)
{
    for (const struct ifaddrs* entry = all; entry && entry != current; entry = entry->ifa_next) {
        if (entry->ifa_addr && entry->ifa_addr->sa_family == AF_INET &&
            strcmp(entry->ifa_name, current->ifa_name) == 0)
            return 1;
    }
    return 0;
}

static uint32_t ipv4_of(const struct sockaddr* address)
{
    if (!address || address->sa_family != AF_INET)
        return 0;
    const struct sockaddr_in* in = (const struct sockaddr_in*)(const void*)address;
    return in->sin_addr.s_addr;
}

/* The default route's gateway of the interface from the kernel's route table. */
static int default_gateway(const char* name, uint32_t* gateway)
{
    FILE* routes = fopen("/proc/net/route", "r");
    if (!routes)
        return 0;
    char line[512];
    int found = 0;
    while (!found && fgets(line, sizeof line, routes)) {
        char iface[64];
        unsigned long destination;
        unsigned long via;
        unsigned flags;
        if (sscanf(line, "%63s %lx %lx %x", iface, &destination, &via, &flags) != 4)
            continue;
        if (destination == 0 && (flags & 0x2u) && strcmp(iface, name) == 0) {
            /* The table shows the network-order value as a native word. */
            *gateway = (uint32_t)via;
            found = 1;
        }
    }
    fclose(routes);
    return found;
}

static void read_dns_server(void)
{
    fhost_dns_server = 0xFFFFFFFFu;
    FILE* resolv = fopen("/etc/resolv.conf", "r");
    if (!resolv)
        return;
    char line[512];
    while (fgets(line, sizeof line, resolv)) {
        char address[64];
        struct in_addr parsed;
        if (sscanf(line, " nameserver %63s", address) == 1) {
            if (inet_pton(AF_INET, address, &parsed) == 1)
                fhost_dns_server = parsed.s_addr;
            break;
        }
    }
    fclose(resolv);
}

int fhost_iface_init(const FhostLogger* logger, FhostIface* table, int capacity)
{
    if (!table || capacity <= 0)
        return -1;
    struct ifaddrs* all = NULL;
    if (getifaddrs(&all) != 0) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d getifaddrs() failed with error: %d\n", errno);
        return -1;
    }
    const char* allowed = getenv(FHOST_INTERFACES_ENV);

    int count = 0;
    for (const struct ifaddrs* entry = all; entry && count < capacity; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET || seen_before(all, entry))
            continue;
        if (allowed && !name_listed(allowed, entry->ifa_name))
            continue;
        const struct sockaddr_ll* link = link_of(all, entry->ifa_name);
        const int type = link ? link->sll_hatype : -1;
        if (type != ARPHRD_ETHER && !(type == ARPHRD_LOOPBACK && allowed)) {
            FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d getifaddrs() failed with error adapter-type: 0x%X\n",
                      (unsigned)type);
            continue;
        }
        if (!(entry->ifa_flags & IFF_UP))
            continue;
        const uint32_t address = ipv4_of(entry->ifa_addr);
        if (address == 0 || address == 0xFFFFFFFFu) {
            FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d ulAddr: 0x%X\n", (unsigned)ntohl(address));
            continue;
        }

        FhostIface* iface = &table[count];
        memset(iface, 0, sizeof *iface);
        snprintf(iface->name, sizeof iface->name, "%.63s", entry->ifa_name);
        if (link) {
            const size_t length = link->sll_halen < 7 ? link->sll_halen : 7;
            memcpy(iface->hwAddr, link->sll_addr, length);
        }
        iface->active = 1;
        iface->address = address;
        if (entry->ifa_netmask && entry->ifa_netmask->sa_family == AF_INET)
            iface->mask = ipv4_of(entry->ifa_netmask);
        iface->broadcast = iface->address | ~iface->mask;
        default_gateway(iface->name, &iface->gateway);
        ++count;
    }
    freeifaddrs(all);
    read_dns_server();
    return count;
}
