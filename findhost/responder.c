#define _DEFAULT_SOURCE

#include "responder.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

struct FhostResponder
{
    int socket;
    uint16_t port;
    FhostResponderConfig config;
};

static int parse_address(const char* text, size_t size, struct in_addr* address)
{
    char copy[16];
    snprintf(copy, sizeof copy, "%.*s", (int)strnlen(text, size), text);
    return inet_pton(AF_INET, copy, address) == 1;
}

size_t fhost_responder_answer(const FhostLogger* logger, const NASINFO* identity, uint8_t** buffer,
                              size_t* capacity)
{
    if (!identity)
        return 0;
    NASINFO record = *identity;
    record.packetType = FHOST_PKT_BRESPONSE;
    record.protocolVersion = FHOST_PROTOCOL_VERSION;
    FhostItemList list;
    fhost_item_list_init(&list, &record);
    fhost_append_ids(logger, &list, 0x01, 0xA4, 0x21, 0x29, 0x22, 0x75, 0x76, 0x48, 0x49, 0xA7, 0);
    fhost_append_flag_words(logger, &list, 1, 0);
    return fhost_packet_write(logger, buffer, capacity, &list);
}

FhostResponder* fhost_responder_open(const FhostResponderConfig* config)
{
    if (!config)
        return NULL;
    const FhostLogger* logger = config->logger;
    struct sockaddr_in local;
    memset(&local, 0, sizeof local);
    local.sin_family = AF_INET;
    local.sin_port = htons(config->port);
    if (!parse_address(config->bindAddress, sizeof config->bindAddress, &local.sin_addr)) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to translate IP addr\n");
        return NULL;
    }
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d create socket error.\n");
        return NULL;
    }
    if (bind(fd, (const struct sockaddr*)&local, sizeof local) != 0) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d bind to %s:%u failed: %s\n", config->bindAddress,
                  (unsigned)config->port, strerror(errno));
        close(fd);
        return NULL;
    }
    socklen_t length = sizeof local;
    getsockname(fd, (struct sockaddr*)&local, &length);

    FhostResponder* responder = calloc(1, sizeof *responder);
    if (!responder) {
        close(fd);
        return NULL;
    }
    responder->socket = fd;
    responder->port = ntohs(local.sin_port);
    responder->config = *config;
    return responder;
}

void fhost_responder_close(FhostResponder* responder)
{
    if (!responder)
        return;
    close(responder->socket);
    free(responder);
}

uint16_t fhost_responder_port(const FhostResponder* responder)
{
    return responder ? responder->port : 0;
}

int fhost_responder_serve(FhostResponder* responder, int timeoutMs)
{
    if (!responder)
        return -1;
    const FhostLogger* logger = responder->config.logger;
    struct pollfd wait = {responder->socket, POLLIN, 0};
    const int ready = poll(&wait, 1, timeoutMs);
    if (ready == 0 || (ready < 0 && errno == EINTR))
        return 0;
    if (ready < 0)
        return -1;

    uint8_t datagram[FHOST_PACKET_MAX];
    struct sockaddr_in sender;
    socklen_t senderLength = sizeof sender;
    const ssize_t received =
        recvfrom(responder->socket, datagram, sizeof datagram, 0, (struct sockaddr*)&sender, &senderLength);
    if (received <= 0)
        return 0;
    NASINFO query;
    memset(&query, 0, sizeof query);
    if (fhost_packet_read(logger, datagram, (size_t)received, &query) <= 0 ||
        query.packetType != FHOST_PKT_QUERY)
        return 0;

    struct sockaddr_in destination = sender;
    if (responder->config.replyAddress[0] &&
        !parse_address(responder->config.replyAddress, sizeof responder->config.replyAddress,
                       &destination.sin_addr)) {
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d fail to translate IP addr\n");
        return 0;
    }
    if (responder->config.replyPort != 0)
        destination.sin_port = htons(responder->config.replyPort);

    uint8_t* answer = NULL;
    size_t capacity = 0;
    const size_t length = fhost_responder_answer(logger, &responder->config.identity, &answer, &capacity);
    int result = 0;
    if (length > 0 && sendto(responder->socket, answer, length, 0, (const struct sockaddr*)&destination,
                             sizeof destination) == (ssize_t)length)
        result = 1;
    else {
        char text[INET_ADDRSTRLEN];
        inet_ntop(AF_INET, &destination.sin_addr, text, sizeof text);
        FHOST_LOG(logger, FHOST_LOG_ERROR, "%s:%d answer to %s failed\n", text);
    }
    free(answer);
    return result;
}
