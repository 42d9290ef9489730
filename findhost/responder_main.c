/* lumio-discovery-responder: answers discovery queries as one Korvat server would. */

#define _DEFAULT_SOURCE

#include "responder.h"

#include <arpa/inet.h>
#include <getopt.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static volatile sig_atomic_t g_stop = 0;

static void on_signal(int number)
{
    (void)number;
    g_stop = 1;
}

static void to_stderr(void* context, const char* text)
{
    (void)context;
    fputs(text, stderr);
}

static void usage(FILE* out)
{
    fputs("Usage: lumio-discovery-responder [options]\n"
          "Answers Lumio discovery queries with a B-response describing one server.\n"
          "  --bind ADDR          address to listen on (default 127.0.0.1)\n"
          "  --port N             UDP port to listen on, 0 for any free one (default 9999)\n"
          "  --reply-address ADDR send answers here instead of to the querying host\n"
          "  --reply-port N       send answers to this port, 0 for the query's own port (default 9999)\n"
          "  --name TEXT          server name (default lumio-reference)\n"
          "  --mac TEXT           server MAC text (default 02:00:00:00:00:01)\n"
          "  --ip ADDR            IPv4 address announced (default: the bind address, or 127.0.0.1)\n"
          "  --http-port N        HTTP port announced, 0 for none (default 0)\n"
          "  --https-port N       HTTPS port announced, 0 for none (default 0)\n"
          "  --os-flag N          osFlag (default 1)\n"
          "  --build N            buildNumber (default 1240)\n"
          "  --qc-status N        qcStatus: 0 not set up, 1 done, 2 not installed (default 1)\n"
          "  --upload-flag 0|1    flag 3 of the first flag set (default 1)\n"
          "  --count N            exit after N answers, 0 to run until stopped (default 0)\n"
          "  --until-stdin-closes exit when standard input reaches its end (for a parent process)\n"
          "  --verbose            log detail lines too\n"
          "Prints \"listening on ADDR:PORT\" once ready.\n",
          out);
}

/* True once standard input has reached its end; what arrives before is ignored. */
static int stdin_closed(void)
{
    struct pollfd input = {STDIN_FILENO, POLLIN, 0};
    char discard[256];
    while (poll(&input, 1, 0) > 0) {
        if (read(STDIN_FILENO, discard, sizeof discard) <= 0)
            return 1;
    }
    return 0;
}

static int number(const char* text, long low, long high, long* value)
{
    char* end = NULL;
    const long parsed = strtol(text, &end, 10);
    if (!*text || *end || parsed < low || parsed > high)
        return 0;
    *value = parsed;
    return 1;
}

int main(int argc, char** argv)
{
    FhostLogger logger = {{to_stderr, NULL}, NULL, NULL, NULL};
    FhostResponderConfig config;
    memset(&config, 0, sizeof config);
    snprintf(config.bindAddress, sizeof config.bindAddress, "127.0.0.1");
    config.port = 9999;
    config.replyPort = 9999;
    config.logger = &logger;
    NASINFO* identity = &config.identity;
    snprintf(identity->serverName, sizeof identity->serverName, "lumio-reference");
    snprintf(identity->serverMac, sizeof identity->serverMac, "02:00:00:00:00:01");
    identity->osFlag = 1;
    identity->buildNumber = 1240;
    identity->qcStatus = FHOSTQC_DONE;
    long uploadFlag = 1;
    long count = 0;
    int watchStdin = 0;
    const char* announced = NULL;

    enum
    {
        BIND = 1000,
        PORT,
        REPLY_ADDRESS,
        REPLY_PORT,
        NAME,
        MAC,
        IP,
        HTTP_PORT,
        HTTPS_PORT,
        OS_FLAG,
        BUILD,
        QC_STATUS,
        UPLOAD_FLAG,
        COUNT,
        UNTIL_STDIN_CLOSES,
        VERBOSE,
        HELP
    };
    static const struct option options[] = {
        {"bind", required_argument, NULL, BIND},
        {"port", required_argument, NULL, PORT},
        {"reply-address", required_argument, NULL, REPLY_ADDRESS},
        {"reply-port", required_argument, NULL, REPLY_PORT},
        {"name", required_argument, NULL, NAME},
        {"mac", required_argument, NULL, MAC},
        {"ip", required_argument, NULL, IP},
        {"http-port", required_argument, NULL, HTTP_PORT},
        {"https-port", required_argument, NULL, HTTPS_PORT},
        {"os-flag", required_argument, NULL, OS_FLAG},
        {"build", required_argument, NULL, BUILD},
        {"qc-status", required_argument, NULL, QC_STATUS},
        {"upload-flag", required_argument, NULL, UPLOAD_FLAG},
        {"count", required_argument, NULL, COUNT},
        {"until-stdin-closes", no_argument, NULL, UNTIL_STDIN_CLOSES},
        {"verbose", no_argument, NULL, VERBOSE},
        {"help", no_argument, NULL, HELP},
        {NULL, 0, NULL, 0},
    };

    int option;
    long value = 0;
    int ok = 1;
    while (ok && (option = getopt_long(argc, argv, "", options, NULL)) != -1) {
        switch (option) {
        case BIND:
            ok = strlen(optarg) < sizeof config.bindAddress;
            snprintf(config.bindAddress, sizeof config.bindAddress, "%s", optarg);
            break;
        case PORT:
            ok = number(optarg, 0, 65535, &value);
            config.port = (uint16_t)value;
            break;
        case REPLY_ADDRESS:
            ok = strlen(optarg) < sizeof config.replyAddress;
            snprintf(config.replyAddress, sizeof config.replyAddress, "%s", optarg);
            break;
        case REPLY_PORT:
            ok = number(optarg, 0, 65535, &value);
            config.replyPort = (uint16_t)value;
            break;
        case NAME:
            ok = strlen(optarg) < sizeof identity->serverName;
            snprintf(identity->serverName, sizeof identity->serverName, "%s", optarg);
            break;
        case MAC:
            ok = strlen(optarg) < sizeof identity->serverMac;
            snprintf(identity->serverMac, sizeof identity->serverMac, "%s", optarg);
            break;
        case IP:
            announced = optarg;
            break;
        case HTTP_PORT:
            ok = number(optarg, 0, 65535, &value);
            identity->httpPort = (int32_t)value;
            break;
        case HTTPS_PORT:
            ok = number(optarg, 0, 65535, &value);
            identity->httpsPort = (int32_t)value;
            break;
        case OS_FLAG:
            ok = number(optarg, -2147483647L, 2147483647L, &value);
            identity->osFlag = (int32_t)value;
            break;
        case BUILD:
            ok = number(optarg, -2147483647L, 2147483647L, &value);
            identity->buildNumber = (int32_t)value;
            break;
        case QC_STATUS:
            ok = number(optarg, -2147483647L, 2147483647L, &value);
            identity->qcStatus = (int32_t)value;
            break;
        case UPLOAD_FLAG:
            ok = number(optarg, 0, 1, &uploadFlag);
            break;
        case COUNT:
            ok = number(optarg, 0, 2147483647L, &count);
            break;
        case UNTIL_STDIN_CLOSES:
            watchStdin = 1;
            break;
        case VERBOSE:
            logger.sinks[1] = to_stderr;
            break;
        case HELP:
            usage(stdout);
            return 0;
        default:
            ok = 0;
            break;
        }
    }
    if (!ok || optind != argc) {
        usage(stderr);
        return 2;
    }

    if (!announced)
        announced = strcmp(config.bindAddress, "0.0.0.0") == 0 ? "127.0.0.1" : config.bindAddress;
    struct in_addr address;
    if (inet_pton(AF_INET, announced, &address) != 1) {
        fprintf(stderr, "lumio-discovery-responder: not an IPv4 address: %s\n", announced);
        return 2;
    }
    identity->ipAddress = address.s_addr;
    if (uploadFlag)
        fhost_set_flag_a(identity, 3);

    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_handler = on_signal;
    sigaction(SIGTERM, &action, NULL);
    sigaction(SIGINT, &action, NULL);

    FhostResponder* responder = fhost_responder_open(&config);
    if (!responder)
        return 1;
    printf("listening on %s:%u\n", config.bindAddress, (unsigned)fhost_responder_port(responder));
    fflush(stdout);

    long answered = 0;
    int result = 0;
    while (!g_stop && (count == 0 || answered < count)) {
        const int served = fhost_responder_serve(responder, 200);
        if (served < 0) {
            result = 1;
            break;
        }
        answered += served;
        if (watchStdin && stdin_closed())
            break;
    }
    fhost_responder_close(responder);
    return result;
}
