#include "log.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#define FHOST_LOG_BUFFER 8192

static FhostLogger g_logger;

FhostLogger* fhost_logger(void)
{
    return &g_logger;
}

const char* fhost_log_unit(const char* path)
{
    const char* slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

void fhost_log(const FhostLogger* logger, int level, const char* format, ...)
{
    if (!logger || level < FHOST_LOG_ERROR || level > FHOST_LOG_DETAIL)
        return;
    FhostLogSink sink = logger->sinks[level - 1];
    if (!sink)
        return;

    char text[FHOST_LOG_BUFFER];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);

    if (logger->lock)
        logger->lock(logger->lockContext, 1);
    sink(logger->sinkContext, text);
    if (logger->lock)
        logger->lock(logger->lockContext, 0);
}
