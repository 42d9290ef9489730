#include "FindHostUtils.h"

#include "Prompter.h"
#include "VexaLocale.h"

#include <QDebug>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <cstring>

namespace {

constexpr int kSearchTicks = 20;
constexpr int kListenerReadyMs = 1000;
// qcStatus values of the probe: request out, server did not answer.
constexpr qint32 kProbePending = 10;
constexpr qint32 kProbeFailed = 8;

const char* unitName()
{
    return fhost_log_unit(__FILE__);
}

QString textOf(const char* field, std::size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, size)));
}

} // namespace

FindHostUtils::FindHostUtils(QNetworkAccessManager* manager, NasInfoMap* serverMap, int ticks,
                             QObject* parent)
    : QObject(parent), m_ticks(ticks > 0 ? static_cast<std::size_t>(ticks) : 0), m_timer(new QTimer(this)),
      m_thread(new CFindHostUDP(this, -1, CFindHostUDP::listenPort(), QStringLiteral(FHOST_LISTEN_ADDRESS))),
      m_serverMap(serverMap), m_manager(manager)
{
    qRegisterMetaType<NASINFO>("NASINFO");
    CFindHostUDP::addAcceptedType(FHOST_PKT_ANY);
    connect(m_timer, &QTimer::timeout, this, qOverload<>(&FindHostUtils::slotFindHostUpdate));
    connect(m_thread, &CFindHostUDP::signalRecvPkt, this, &FindHostUtils::slotInsert, Qt::QueuedConnection);
    if (m_manager)
        connect(m_manager, &QNetworkAccessManager::finished, this, &FindHostUtils::slotHttpReplyFinished);
    // The listener starts at once so that the answers to the first query find it bound.
    slotStarFindHostThread();
}

FindHostUtils::~FindHostUtils()
{
    m_timer->stop();
    if (m_manager)
        disconnect(m_manager, nullptr, this, nullptr);
    for (QNetworkReply* reply : std::as_const(m_probes)) {
        reply->abort();
        reply->deleteLater();
    }
    if (m_thread->isRunning())
        m_thread->terminate();
}

void FindHostUtils::slotStarFindHostThread()
{
    if (!m_thread->isRunning())
        m_thread->start(QThread::InheritPriority);
}

void FindHostUtils::startSearch()
{
    m_ticks = kSearchTicks;
    m_counter = 0;
    m_timer->start(m_tickInterval);
    m_searching = true;
    m_thread->waitUntilListening(kListenerReadyMs);
    m_thread->slotSendPktBroadCast(1);
}

int FindHostUtils::httpPort(const NASINFO* info, bool https)
{
    if (https)
        return info && info->httpsPort != 0 ? info->httpsPort : 5001;
    if (!info)
        return 5000;
    if (info->httpPort != 0)
        return info->httpPort;
    return info->osFlag != 0 && info->buildNumber > 171 ? 5000 : 80;
}

bool FindHostUtils::isUploadCapable(const NASINFO& info)
{
    if (info.buildNumber >= 1093 && info.buildNumber <= 1239)
        return true;
    return info.buildNumber >= 1240 && fhost_test_flag_a(&info, 3);
}

QString FindHostUtils::dottedAddress(quint32 networkOrder)
{
    return QHostAddress(qFromBigEndian(networkOrder)).toString();
}

void FindHostUtils::slotInsert(NASINFO nasInfo)
{
    if (!m_serverMap ||
        (nasInfo.packetType != FHOST_PKT_BRESPONSE && nasInfo.packetType != FHOST_PKT_JRESPONSE))
        return;
    const QString mac = textOf(nasInfo.serverMac, sizeof nasInfo.serverMac);
    const auto known = m_serverMap->constFind(mac);
    const bool isKnown = known != m_serverMap->constEnd();
    // Between searches only servers already listed are updated; a search lists a bounded number.
    if (!isKnown && (!m_searching || m_serverMap->size() >= kMaxServers))
        return;

    NASINFO record = nasInfo;
    if (!applyProbeDecision(record, isKnown ? &known.value() : nullptr))
        return;
    // A server that answered its probe is not replaced by an answer that says otherwise.
    if (m_searching && isKnown && known->connectionValue == 1 && record.connectionValue != 1)
        return;
    m_serverMap->insert(mac, record);
}

bool FindHostUtils::applyProbeDecision(NASINFO& record, const NASINFO* known)
{
    if (record.qcStatus != FHOSTQC_DONE) {
        record.probeState = 0;
        return true;
    }
    // Probed already, or being probed.
    if (known && (known->qcStatus == FHOSTQC_DONE || known->qcStatus == kProbeFailed ||
                  known->qcStatus == kProbePending))
        return false;

    // Another answer already had this address probed; the probe's result would go to that record.
    if (m_probedAddresses.contains(record.ipAddress))
        return false;
    record.qcStatus = kProbePending;
    record.probeState = -1;
    if (!m_manager)
        return true;
    m_probedAddresses.insert(record.ipAddress);
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(dottedAddress(record.ipAddress));
    url.setPort(httpPort(&record, false));
    m_probes.insert(m_manager->get(QNetworkRequest(url)));
    return true;
}

void FindHostUtils::slotHttpReplyFinished(QNetworkReply* pReply)
{
    if (!pReply || !m_probes.remove(pReply))
        return;
    const QString host = pReply->url().host();
    NASINFO* record = nullptr;
    if (m_serverMap) {
        for (auto it = m_serverMap->begin(); it != m_serverMap->end(); ++it) {
            if (dottedAddress(it->ipAddress) == host) {
                record = &it.value();
                break;
            }
        }
    }
    if (record && record->probeState != 0) {
        const QNetworkReply::NetworkError error = pReply->error();
        if (error != QNetworkReply::NoError) {
            qDebug("%s:%d Url [%s] has error (%d)", unitName(), __LINE__,
                   qPrintable(pReply->url().toString()), static_cast<int>(error));
            // The manager's own time-out ends a request as cancelled.
            if (error == QNetworkReply::TimeoutError || error == QNetworkReply::UnknownNetworkError ||
                error == QNetworkReply::OperationCanceledError) {
                record->probeState = 1;
                record->connectionValue = 0;
                record->qcStatus = kProbeFailed;
            } else {
                // Any answer, even an HTTP error, shows the server is there.
                record->probeState = 0;
                record->connectionValue = 1;
                record->qcStatus = FHOSTQC_DONE;
            }
            pReply->abort();
        } else {
            record->probeState = 0;
            record->connectionValue = 1;
            record->qcStatus = FHOSTQC_DONE;
        }
    }
    pReply->close();
    pReply->deleteLater();
}

void FindHostUtils::slotFindHostUpdate(size_t ulProgressed)
{
    m_counter = ulProgressed != 0 ? ulProgressed : m_counter + 1;
    emit signalFindHostUpdate();
    if (!m_searching || m_counter < m_ticks)
        return;

    m_timer->stop();
    m_searching = false;
    if (m_serverMap) {
        for (NASINFO& record : *m_serverMap) {
            if (record.probeState != -1)
                continue;
            qDebug("%s:%d Fail to test connection for [%s](%s)", unitName(), __LINE__,
                   qPrintable(textOf(record.serverName, sizeof record.serverName)),
                   qPrintable(dottedAddress(record.ipAddress)));
            record.probeState = 1;
            record.qcStatus = kProbeFailed;
        }
    }
    emit signalFindNasFinished();
    if (!m_serverMap || m_serverMap->isEmpty())
        showNothingFound();
}

void FindHostUtils::slotFindHostUpdate()
{
    slotFindHostUpdate(0);
}

void FindHostUtils::showNothingFound()
{
    const QString server = tx(TextId::vexa_server);
    QString advice = tx(TextId::msg_firewall);
    advice.replace(QLatin1String("%1"), server);
    Prompter::inform(nullptr, Prompter::Icon::Critical, tx(TextId::err_error),
                     tx(TextId::err_serv_not_found).arg(server) + advice);
}
