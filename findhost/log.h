#pragma once

/* Levelled logger of the discovery units. Level 1 carries errors, level 2 detail. Every format
 * begins with "%s:%d " and FHOST_LOG supplies the source unit and line for it. A level without a
 * sink drops its messages; a null logger drops everything. */

#ifdef __cplusplus
extern "C" {
#endif

enum
{
    FHOST_LOG_ERROR = 1,
    FHOST_LOG_DETAIL = 2
};

typedef void (*FhostLogSink)(void* context, const char* text);
typedef void (*FhostLogLock)(void* context, int on);

typedef struct FhostLogger
{
    FhostLogSink sinks[2]; /* index 0: level 1, index 1: level 2 */
    void* sinkContext;
    FhostLogLock lock; /* optional; called with 1 before and 0 after a sink runs */
    void* lockContext;
} FhostLogger;

/* The logger the program's own discovery code reports through; starts without sinks. */
FhostLogger* fhost_logger(void);

void fhost_log(const FhostLogger* logger, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

/* The file name of a path, for the "%s" of the prefix. */
const char* fhost_log_unit(const char* path);

#define FHOST_LOG(logger, level, format, ...)                                                                \
    fhost_log((logger), (level), (format), fhost_log_unit(__FILE__), __LINE__, ##__VA_ARGS__)

#ifdef __cplusplus
}
#endif
