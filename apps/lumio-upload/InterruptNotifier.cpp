#include "InterruptNotifier.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_interrupted = 0;
int g_writeFd = -1;

void onSignal(int number)
{
    const int savedErrno = errno;
    g_interrupted = number;
    const char byte = 'x';
    // A full pipe already holds a waiting byte, which is all that matters.
    [[maybe_unused]] const ssize_t written = write(g_writeFd, &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

InterruptNotifier::InterruptNotifier(QObject* parent) : QObject(parent)
{
    if (pipe2(m_fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_fds[0] = m_fds[1] = -1;
        return;
    }
    g_writeFd = m_fds[1];
    m_notifier = new QSocketNotifier(m_fds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptNotifier::slotReadable);
    setHandler(onSignal);
}

InterruptNotifier::~InterruptNotifier()
{
    if (m_fds[0] < 0)
        return;
    setHandler(SIG_DFL);
    g_writeFd = -1;
    close(m_fds[0]);
    close(m_fds[1]);
}

bool InterruptNotifier::interrupted()
{
    return g_interrupted != 0;
}

int InterruptNotifier::signalNumber()
{
    return g_interrupted;
}

void InterruptNotifier::slotReadable()
{
    char bytes[64];
    ssize_t got = 0;
    do {
        got = read(m_fds[0], bytes, sizeof bytes);
    } while (got > 0);
    emit signalInterrupted();
}
