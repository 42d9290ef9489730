#pragma once

#include "packet.h"
#include "udp.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

Q_DECLARE_METATYPE(NASINFO)

// The discovered servers of one dialog, keyed by their serverMac text.
using NasInfoMap = QMap<QString, NASINFO>;

// The discovery listener thread and the senders of discovery packets. One listening session runs at
// a time across all instances; every decoded packet of an accepted type is handed out through the
// queued signal signalRecvPkt. The sending slots run and sleep in the caller's thread.
class CFindHostUDP : public QThread
{
    Q_OBJECT

public:
    // timeLimit in seconds, 0 or less for none.
    CFindHostUDP(QObject* parent, int timeLimit, quint16 port, const QString& listenAddress);
    ~CFindHostUDP() override;

    // Adds to the list shared by all instances; FHOST_PKT_ANY accepts every type.
    static void addAcceptedType(qint32 type);

    // Where queries go and where the listener binds. Production uses the protocol's broadcast
    // address and port; LUMIO_DISCOVERY_TARGET, LUMIO_DISCOVERY_PORT and LUMIO_DISCOVERY_LISTEN_PORT
    // point them elsewhere for tests and development (together with LUMIO_DISCOVERY_INTERFACES).
    static QString queryAddress();
    static quint16 queryPort();
    static quint16 listenPort();

    // True once the listener's socket is bound, waiting at most timeoutMs; false at once when the
    // session has already ended.
    bool waitUntilListening(int timeoutMs);

signals:
    void signalRecvPkt(NASINFO nasInfo);

public slots:
    bool slotSendPktBroadCast(int nSendTimes);
    bool slotSendPktBroadCast();
    bool slotSendPktQCF(const CNasConfig* pnascfg, const NASINFO* pnasinfo, int nSendTimes);
    bool slotSendPktQCF(const CNasConfig* pnascfg, const NASINFO* pnasinfo);
    bool slotSendPktNetSet(const CNasConfig* pnascfg, const NASINFO* pnasinfo, int nSendTimes);
    bool slotSendPktNetSet(const CNasConfig* pnascfg, const NASINFO* pnasinfo);
    void slotRecvPkt(NASINFO nasInfo);
    // Ends the listening session and waits for the thread. The loop notices within one wait at the
    // latest and at once when its socket is open; no signalRecvPkt is emitted after this returns.
    void terminate();

protected:
    void run() override;

private:
    enum class ConfigPacket
    {
        QuickConfig,
        NetSetting
    };

    FhostSendTarget sendTarget(int interval) const;
    void endSession();
    bool sendConfigRounds(ConfigPacket kind, const CNasConfig* config, const NASINFO* target, int rounds);

    static int stopRequested(void* context);
    static void socketChanged(void* context, int socket);
    static int acceptType(void* context, const NASINFO* info);
    static void deliver(void* context, const NASINFO* info);

    FhostListenSetup m_setup{};
    FhostListenCallbacks m_callbacks{};
    int m_timeLimit;
    quint16 m_port;
    QString m_listenAddress;

    std::atomic<bool> m_stop{false};
    QMutex m_socketMutex; // guards m_socket, m_listening and m_sessionEnded
    QWaitCondition m_listeningChanged;
    int m_socket = -1;
    bool m_listening = false;
    bool m_sessionEnded = false;

    static std::atomic<CFindHostUDP*> s_current;
    static QMutex s_sessionMutex;
    static QMutex s_typesMutex;
    static QList<qint32> s_acceptedTypes;
};
