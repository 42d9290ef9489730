#define _DEFAULT_SOURCE

#include "udp.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

static long now_seconds(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long)now.tv_sec;
}

static int parse_address(const char* text, size_t size, struct in_addr* address)
{
    char copy[16];
    snprintf(copy, sizeof copy, "%.*s", (int)strnlen(text, size), text);
    return inet_pton(AF_INET, copy, address) == 1;
}

void fhost_format_mac(const uint8_t* hwAddr, char* text, size_t size)
{
    snprintf(text, size, "%02x:%02x:%02x:%02x:%02x:%02x", hwAddr[0], hwAddr[1], hwAddr[2], hwAddr[3],
             hwAddr[4], hwAddr[5]);
}

int fhost_udp_send(const FhostLogger* logger, const uint8_t* bytes, size_t length,
                   const FhostSendTarget* target, const FhostIface* iface, int bound)
{
    if (!bytes || !target || (bound && !iface))
        return -1;

    struct sockaddr_in local;
    memset(&local, 0, sizeof local);
    if (bound) {
        if (iface->address == 0 || iface->address == 0xFFFFFFFFu) {
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to init Iface [%s] src addr [%X]\n", iface->name,
                      (unsigned)iface->address);
            return -1;
        }
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = iface->address;
        local.sin_port = htons(FHOST_SOURCE_PORT);
    }

    struct sockaddr_in destination;
    memset(&destination, 0, sizeof destination);
    destination.sin_family = AF_INET;
    destination.sin_port = htons(target->port);
    if (strncmp(target->address, FHOST_QUERY_ADDRESS, sizeof target->address) == 0) {
        destination.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    } else if (!parse_address(target->address, sizeof target->address, &destination.sin_addr)) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to translate IP addr\n");
        return -1;
    }

    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d create socket error.\n");
        return -1;
    }
    const int on = 1;
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0)
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_REUSEADDR)\n");
    if (setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_BROADCAST)\n");

    if (bound && bind(fd, (const struct sockaddr*)&local, sizeof local) != 0) {
        const int error = errno;
        FHOST_LOG(logger, FHOST_LOG_ERROR,
                  "%s:%d bind(sockfd=%d, brdcast.sin_addr.s_addr = %lu) error!! error: %d [%s]\n", fd,
                  (unsigned long)local.sin_addr.s_addr, error, strerror(error));
        close(fd);
        return -1;
    }

    const ssize_t sent =
        sendto(fd, bytes, length, 0, (const struct sockaddr*)&destination, sizeof destination);
    if (sent < 0 || (size_t)sent < length) {
        const int error = errno;
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d sendto error ret=[%d] %d [%s]\n", (int)sent, error,
                  strerror(error));
        close(fd);
        return -1;
    }
    close(fd);
    return (int)sent;
}

int fhost_udp_send_all(const FhostSendTarget* target, const FhostItemList* list)
{
    if (!target || !list || !list->info)
        return -1;
    const FhostLogger* logger = target->logger;

    size_t capacity = FHOST_PACKET_MAX;
    uint8_t* packet = malloc(capacity);
    if (!packet)
        return -1;

    FhostIface ifaces[FHOST_IFACE_MAX];
    const int count = fhost_iface_init(logger, ifaces, FHOST_IFACE_MAX);
    if (count <= 0) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d get physical interface error or no interface\n");
        free(packet);
        return -1;
    }
    FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d FHOSTIfaceInit number of interafce: %d\n", count);

    /* Work on a copy: each interface puts its own MAC into the one 0x7C item. */
    NASINFO record = *list->info;
    FhostItemList items = *list;
    items.info = &record;

    size_t length = 0;
    for (int i = 0; i < count; ++i) {
        if (target->stop && target->stop(target->stopContext) == 1) {
            free(packet);
            return -1;
        }
        char mac[18];
        fhost_format_mac(ifaces[i].hwAddr, mac, sizeof mac);
        fhost_set_value(logger, &items, 0x7C, mac, strlen(mac));
        length = fhost_packet_write(logger, &packet, &capacity, &items);
        if (length == 0) {
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to create output-packet content.\n");
            free(packet);
            return -1;
        }
        if (fhost_udp_send(logger, packet, length, target, &ifaces[i], 1) != (int)length)
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d UDPSend error. interface: %s\n", ifaces[i].name);
    }
    /* Once more unbound, so the system's own route gets a copy too. */
    fhost_udp_send(logger, packet, length, target, NULL, 0);
    free(packet);
    return 0;
}

int fhost_udp_listen(const FhostListenSetup* setup, const FhostListenCallbacks* callbacks,
                     const FhostSendTarget* target, const FhostItemList* list)
{
    if (!setup)
        return -1;
    const FhostLogger* logger = setup->logger;

    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d create socket error.\n");
        return -1;
    }
    const int on = 1;
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0)
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d control setsockopt (SO_REUSEADDR)\n");
    const int receiveBuffer = FHOST_RECEIVE_BUFFER;
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer) != 0)
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d set sock opt error: %s\n", strerror(errno));

    struct sockaddr_in local;
    memset(&local, 0, sizeof local);
    local.sin_family = AF_INET;
    local.sin_port = htons(setup->port);
    if (!parse_address(setup->address, sizeof setup->address, &local.sin_addr)) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to translate IP addr\n");
        close(fd);
        return -1;
    }
    if (bind(fd, (const struct sockaddr*)&local, sizeof local) != 0) {
        const int error = errno;
        FHOST_LOG(logger, FHOST_LOG_ERROR,
                  "%s:%d bind(sockfd=%d, servaddr.sin_addr.s_addr = %lu) error!! errno: %d [%s]\n", fd,
                  (unsigned long)local.sin_addr.s_addr, error, strerror(error));
        close(fd);
        return -1;
    }
    if (setup->socketChanged)
        setup->socketChanged(setup->stopContext, fd);

    const FhostListenCallbacks none = {0};
    if (!callbacks)
        callbacks = &none;
    const long start = now_seconds();
    long nextSend = 0;
    int sentOnce = 0;
    int result = 0;
    uint8_t buffer[FHOST_PACKET_MAX];

    for (;;) {
        const long elapsed = now_seconds() - start;
        if (setup->timeLimit >= 1 && elapsed > setup->timeLimit)
            break;
        if (setup->stop && setup->stop(setup->stopContext) == 1)
            break;
        if (callbacks->progress)
            callbacks->progress(callbacks->context, setup->timeLimit, (int)elapsed, 0);

        if (target && list) {
            int due = 0;
            if (target->interval > 0 && elapsed >= nextSend) {
                due = 1;
                nextSend += target->interval;
            } else if (target->interval == -1 && !sentOnce) {
                due = 1;
                sentOnce = 1;
            }
            if (due && fhost_udp_send_all(target, list) != 0) {
                FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d broadcast query packet error!\n");
                result = -1;
                break;
            }
        }

        struct pollfd wait = {fd, POLLIN, 0};
        const int ready = poll(&wait, 1, FHOST_WAIT_SECONDS * 1000);
        if (ready == 0 || (ready < 0 && errno == EINTR))
            continue;
        if (ready < 0) {
            FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d poll error: %s\n", strerror(errno));
            result = -1;
            break;
        }
        /* A stop request shuts the socket down to wake us; leave before reading. */
        if (setup->stop && setup->stop(setup->stopContext) == 1)
            break;

        memset(buffer, 0, sizeof buffer);
        const ssize_t received = recvfrom(fd, buffer, sizeof buffer, 0, NULL, NULL);
        if (received <= 0) {
            FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d recvfrom error ,getlasterror=%d,recvdatalen=%d\n",
                      errno, (int)received);
            continue;
        }
        NASINFO record;
        memset(&record, 0, sizeof record);
        const int read = fhost_packet_read(logger, buffer, (size_t)received, &record);
        if (read <= 0) {
            FHOST_LOG(logger, FHOST_LOG_DETAIL, "%s:%d PacketRead Error! ret=[%d]\n", read);
            continue;
        }
        if (callbacks->filter && callbacks->filter(callbacks->context, &record) != 1)
            continue;
        if (callbacks->deliver) {
            if (callbacks->lock)
                callbacks->lock(callbacks->context, 1);
            callbacks->deliver(callbacks->context, &record);
            if (callbacks->lock)
                callbacks->lock(callbacks->context, 0);
        }
    }

    if (setup->socketChanged)
        setup->socketChanged(setup->stopContext, -1);
    close(fd);
    return result;
}
