// Runs inside a network namespace that a test has made: sends one query round the way the program
// does and reports what the namespace's own listener on the protocol port received.
//   interface <name> <address> <mask> <broadcast> <mac>     in enumeration order
//   round <ok|failed>
//   datagram <source address> <source port> <hex bytes>     in arrival order

#include "CFindHostUDP.h"
#include "iface.h"
#include "udp.h"

#include <QCoreApplication>

#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QByteArray dotted(quint32 networkOrder)
{
    char text[INET_ADDRSTRLEN] = {};
    in_addr address{};
    address.s_addr = networkOrder;
    inet_ntop(AF_INET, &address, text, sizeof text);
    return QByteArray(text);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);

    const int receiver = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(FHOST_PORT);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (receiver < 0 || bind(receiver, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        std::perror("netns_sender: bind");
        return 1;
    }

    FhostIface ifaces[FHOST_IFACE_MAX];
    const int count = fhost_iface_init(nullptr, ifaces, FHOST_IFACE_MAX);
    for (int i = 0; i < count; ++i) {
        char mac[18];
        fhost_format_mac(ifaces[i].hwAddr, mac, sizeof mac);
        std::printf("interface %s %s %s %s %s\n", ifaces[i].name, dotted(ifaces[i].address).constData(),
                    dotted(ifaces[i].mask).constData(), dotted(ifaces[i].broadcast).constData(), mac);
    }

    CFindHostUDP sender(nullptr, -1, FHOST_PORT, QStringLiteral(FHOST_LISTEN_ADDRESS));
    std::printf("round %s\n", sender.slotSendPktBroadCast(1) ? "ok" : "failed");

    pollfd wait{receiver, POLLIN, 0};
    while (poll(&wait, 1, 300) > 0) {
        unsigned char buffer[FHOST_PACKET_MAX];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t received =
            recvfrom(receiver, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (received <= 0)
            break;
        const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<int>(received));
        std::printf("datagram %s %u %s\n", dotted(from.sin_addr.s_addr).constData(),
                    unsigned(ntohs(from.sin_port)), bytes.toHex().constData());
    }
    close(receiver);
    return 0;
}
