#pragma once

#include "CFindHostUDP.h"

#include <QObject>
#include <QSet>

#include <cstddef>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Finds servers for a server-choosing dialog: runs timed searches over the discovery listener,
// keeps the answers in the dialog's server map and checks each configured server's web port once.
// Lives in the GUI thread; the map is only touched there.
class FindHostUtils : public QObject
{
    Q_OBJECT

public:
    // Neither the manager nor the map is owned; both must outlive this object.
    FindHostUtils(QNetworkAccessManager* manager, NasInfoMap* serverMap, int ticks,
                  QObject* parent = nullptr);
    ~FindHostUtils() override;

    // Sends one query round (returns after its one-second pause) and counts the search's ticks.
    void startSearch();
    // Most servers one search adds to the map; further answers from unknown servers are dropped.
    static constexpr int kMaxServers = 256;
    bool isSearching() const { return m_searching; }
    // One second in the program; tests shorten it.
    void setTickInterval(int milliseconds) { m_tickInterval = milliseconds; }

    // The web port to reach a server at; null means no record.
    static int httpPort(const NASINFO* info, bool https);
    static bool isUploadCapable(const NASINFO& info);
    // Dotted text of a network-order IPv4 address.
    static QString dottedAddress(quint32 networkOrder);

signals:
    void signalFindHostUpdate();
    void signalFindNasFinished();

public slots:
    void slotStarFindHostThread();
    void slotFindHostUpdate(size_t ulProgressed);
    void slotFindHostUpdate();
    void slotInsert(NASINFO nasInfo);
    void slotHttpReplyFinished(QNetworkReply* pReply);

private:
    // Decides whether a configured server needs a probe and sends it; false discards the record.
    bool applyProbeDecision(NASINFO& record, const NASINFO* known);
    void showNothingFound();

    bool m_searching = false;
    std::size_t m_counter = 0;
    std::size_t m_ticks;
    int m_tickInterval = 1000;
    QTimer* m_timer;
    CFindHostUDP* m_thread;
    NasInfoMap* m_serverMap;
    QNetworkAccessManager* m_manager;
    // Probes in flight; other replies of the shared manager belong to someone else.
    QSet<QNetworkReply*> m_probes;
    // Every address probed so far: answers are unauthenticated datagrams, so a flood of forged ones
    // under fresh MACs must not turn into a flood of requests.
    QSet<quint32> m_probedAddresses;
};
