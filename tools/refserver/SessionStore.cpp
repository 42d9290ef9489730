#include "SessionStore.h"

#include <QByteArray>
#include <QRandomGenerator>

QString SessionStore::open(const QString& account, const QString& site)
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QString token =
        QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof(words)).toHex());
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sessions.insert(token, Session{account, site});
    return token;
}

std::optional<SessionStore::Session> SessionStore::find(const QString& token) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_sessions.constFind(token);
    if (it == m_sessions.constEnd())
        return std::nullopt;
    return it.value();
}

void SessionStore::close(const QString& token)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sessions.remove(token);
}

void SessionStore::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sessions.clear();
}
