#pragma once

#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

// Login sessions by cookie token. A session belongs to one Lumio site: "" for the shared photo station,
// the account name for a personal Lumio. This class is thread safe.
class SessionStore
{
public:
    class Session
    {
    public:
        QString account;
        QString site;
    };

    QString open(const QString& account, const QString& site);
    std::optional<Session> find(const QString& token) const;
    void close(const QString& token);
    void clear();

private:
    mutable std::mutex m_mutex;
    QHash<QString, Session> m_sessions;
};
