#include "SettleTracker.h"

#include <QFile>

#include <sys/stat.h>

namespace {

bool stamp(const QString& path, qint64* size, qint64* mtimeMs)
{
    struct stat st = {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    *size = st.st_size;
    *mtimeMs = st.st_mtim.tv_sec * 1000 + st.st_mtim.tv_nsec / 1000000;
    return true;
}

} // namespace

SettleTracker::SettleTracker(int settleMs, QObject* parent) : QObject(parent), m_settleMs(qMax(0, settleMs))
{
    m_clock.start();
    // Often enough that a settled file waits at most a quarter of the settle time more.
    m_timer.setInterval(qBound(50, m_settleMs / 4, 1000));
    connect(&m_timer, &QTimer::timeout, this, &SettleTracker::slotCheck);
}

void SettleTracker::touch(const QString& path)
{
    Pending pending;
    pending.stableSinceMs = m_clock.elapsed();
    stamp(path, &pending.size, &pending.mtimeMs);
    m_pending.insert(path, pending);
    if (!m_timer.isActive())
        m_timer.start();
}

void SettleTracker::slotCheck()
{
    const qint64 now = m_clock.elapsed();
    QStringList settled;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        qint64 size = -1;
        qint64 mtimeMs = -1;
        if (!stamp(it.key(), &size, &mtimeMs)) {
            it = m_pending.erase(it);
            continue;
        }
        if (size != it->size || mtimeMs != it->mtimeMs) {
            it->size = size;
            it->mtimeMs = mtimeMs;
            it->stableSinceMs = now;
        } else if (now - it->stableSinceMs >= m_settleMs) {
            settled.append(it.key());
            it = m_pending.erase(it);
            continue;
        }
        ++it;
    }
    if (m_pending.isEmpty())
        m_timer.stop();
    for (const QString& path : std::as_const(settled)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            emit signalSettled(path);
        else
            emit signalUnreadable(path);
    }
}
