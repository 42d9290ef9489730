#include "RequestTimeout.h"

#include "ServerReply.h"
#include "VexaLocale.h"

#include <QNetworkReply>

#include <atomic>

namespace {

std::atomic<int> g_seconds{RequestTimeout::kDefaultSeconds};
const char* const kTimedOutProperty = "lumioTimedOut";

} // namespace

void RequestTimeout::setSeconds(int seconds)
{
    g_seconds.store(qMax(1, seconds));
}

int RequestTimeout::seconds()
{
    return g_seconds.load();
}

RequestTimeout::RequestTimeout(QNetworkReply* reply) : QObject(reply), m_reply(reply)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RequestTimeout::slotExpired);
    connect(reply, &QNetworkReply::uploadProgress, this, &RequestTimeout::slotActivity);
    connect(reply, &QNetworkReply::downloadProgress, this, &RequestTimeout::slotActivity);
    connect(reply, &QNetworkReply::finished, &m_timer, &QTimer::stop);
    m_timer.start(seconds() * 1000);
}

void RequestTimeout::watch(QNetworkReply* reply)
{
    if (reply && !reply->isFinished())
        new RequestTimeout(reply);
}

bool RequestTimeout::timedOut(const QNetworkReply* reply)
{
    return reply && reply->property(kTimedOutProperty).toBool();
}

QString RequestTimeout::transportErrorText(const QNetworkReply* reply)
{
    if (!timedOut(reply))
        return ServerReply::transportErrorText(reply->error());
    const QUrl url = reply->url();
    const QString server =
        url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
    return tx(TextId::err_reply_timeout).arg(server).arg(seconds());
}

void RequestTimeout::slotActivity()
{
    if (m_timer.isActive())
        m_timer.start(seconds() * 1000);
}

void RequestTimeout::slotExpired()
{
    if (m_reply->isFinished())
        return;
    m_reply->setProperty(kTimedOutProperty, true);
    m_reply->abort();
}
