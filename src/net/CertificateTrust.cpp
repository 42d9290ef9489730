#include "CertificateTrust.h"

#include "ProfileStore.h"
#include "Prompter.h"
#include "ServerProfile.h"
#include "VexaLocale.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QEventLoop>
#include <QHash>
#include <QMutex>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSet>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace {

QMutex g_mutex;
QHash<QString, QSet<QString>> g_accepted; // host:port -> fingerprints settled in this run
QString g_preapproved;
QList<QSslCertificate> g_extraAuthorities;
bool g_extraSet = false;
CertificateTrust::Refusal g_lastRefusal;

// Yes/No with No as the default: trust is never given by just pressing Enter.
bool askTrust(Prompter::Icon icon, const QString& title, const QString& text)
{
    return Prompter::instance()->showMessage(nullptr, icon, title, text,
                                             {tx(TextId::btn_yes), tx(TextId::btn_no)}, 1) == 0;
}

QString serverKey(const QString& host, int port)
{
    return host.toLower() + QLatin1Char(':') + QString::number(port);
}

} // namespace

QString CertificateTrust::fingerprint(const QSslCertificate& certificate)
{
    const QByteArray hex = certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
    QStringList pairs;
    for (int i = 0; i + 1 < hex.size(); i += 2)
        pairs.append(QString::fromLatin1(hex.mid(i, 2)));
    return pairs.join(QLatin1Char(':'));
}

QString CertificateTrust::normalisedFingerprint(const QString& text)
{
    QString hex = text;
    hex.remove(QRegularExpression(QStringLiteral("[:\\s-]")));
    if (hex.startsWith(QLatin1String("SHA256"), Qt::CaseInsensitive))
        hex = hex.mid(6);
    static const QRegularExpression sha256(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    if (!sha256.match(hex).hasMatch())
        return QString();
    hex = hex.toUpper();
    QStringList pairs;
    for (int i = 0; i < hex.size(); i += 2)
        pairs.append(hex.mid(i, 2));
    return pairs.join(QLatin1Char(':'));
}

void CertificateTrust::setPreapproved(const QString& fingerprint)
{
    QMutexLocker lock(&g_mutex);
    g_preapproved = normalisedFingerprint(fingerprint);
}

void CertificateTrust::setExtraAuthorities(const QList<QSslCertificate>& authorities)
{
    QMutexLocker lock(&g_mutex);
    g_extraAuthorities = authorities;
    g_extraSet = true;
}

QList<QSslCertificate> CertificateTrust::extraAuthorities()
{
    QMutexLocker lock(&g_mutex);
    if (!g_extraSet) {
        g_extraSet = true;
        const QString file = qEnvironmentVariable("LUMIO_TEST_CA_FILE");
        if (!file.isEmpty())
            g_extraAuthorities = QSslCertificate::fromPath(file);
    }
    return g_extraAuthorities;
}

void CertificateTrust::reset()
{
    QMutexLocker lock(&g_mutex);
    g_accepted.clear();
    g_preapproved.clear();
    g_lastRefusal = Refusal();
}

CertificateTrust::Refusal CertificateTrust::lastRefusal()
{
    QMutexLocker lock(&g_mutex);
    return g_lastRefusal;
}

void CertificateTrust::accept(const QString& server, const QString& fingerprint)
{
    QMutexLocker lock(&g_mutex);
    g_accepted[server].insert(fingerprint);
}

bool CertificateTrust::isAccepted(const QString& server, const QString& fingerprint)
{
    QMutexLocker lock(&g_mutex);
    return g_accepted.value(server).contains(fingerprint);
}

void CertificateTrust::guard(QNetworkReply* reply)
{
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply](const QList<QSslError>& errors) {
        const QUrl url = reply->url();
        const QString server = serverKey(url.host(), url.port(443));
        QSslCertificate peer = reply->sslConfiguration().peerCertificate();
        if (peer.isNull() && !errors.isEmpty())
            peer = errors.first().certificate();
        if (!peer.isNull() && isAccepted(server, fingerprint(peer)))
            reply->ignoreSslErrors(errors);
        else
            qDebug() << "Certificate of" << server << "not trusted:" << errors;
    });
}

CertificateTrust::Probe CertificateTrust::probe(const QString& host, int port)
{
    Probe result;
    QSslSocket socket;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(extraAuthorities());
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    socket.setSslConfiguration(configuration);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Errors are only noted: without ignoreSslErrors() the handshake ends, and nothing is ever sent.
    QObject::connect(&socket, &QSslSocket::sslErrors, &socket, [&](const QList<QSslError>& errors) {
        result.errors = errors;
        result.chain = socket.peerCertificateChain();
    });
    QObject::connect(&socket, &QSslSocket::encrypted, &loop, [&] {
        result.reached = true;
        result.chain = socket.peerCertificateChain();
        loop.quit();
    });
    QObject::connect(&socket, &QSslSocket::errorOccurred, &loop, [&] {
        result.reached = !result.errors.isEmpty();
        loop.quit();
    });
    socket.connectToHostEncrypted(host, quint16(port));
    timer.start(kProbeTimeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket.abort();
    return result;
}

QString CertificateTrust::details(const QSslCertificate& certificate)
{
    QStringList subject = certificate.subjectInfo(QSslCertificate::CommonName);
    subject += certificate.subjectInfo(QSslCertificate::Organization);
    return tx(TextId::cert_details)
        .arg(fingerprint(certificate), subject.join(QLatin1String(", ")),
             certificate.effectiveDate().toUTC().toString(Qt::ISODate),
             certificate.expiryDate().toUTC().toString(Qt::ISODate));
}

void CertificateTrust::pin(ServerProfile* profile, const QString& fingerprint)
{
    profile->certpin = fingerprint;
    profile->pinOnFirstUse = false;
    if (!profile->profname.isEmpty() && ProfileStore::profileExists(profile->profname))
        ProfileStore::setCertificatePin(profile->profname, fingerprint);
}

CertificateTrust::Outcome CertificateTrust::refuse(Outcome outcome, const QString& server,
                                                   const QString& fingerprint, const QString& pinned)
{
    QMutexLocker lock(&g_mutex);
    g_lastRefusal = Refusal{outcome, server, fingerprint, pinned};
    return outcome;
}

CertificateTrust::Outcome CertificateTrust::settle(ServerProfile* profile)
{
    {
        QMutexLocker lock(&g_mutex);
        g_lastRefusal = Refusal();
    }
    if (!profile->https)
        return Outcome::Trusted;
    const QString server = serverKey(profile->hostaddr, profile->port);
    const Probe found = probe(profile->hostaddr, profile->port);
    if (!found.reached || found.chain.isEmpty())
        return Outcome::Unreachable;
    const QSslCertificate certificate = found.chain.first();
    const QString presented = fingerprint(certificate);
    if (found.errors.isEmpty() || normalisedFingerprint(profile->certpin) == presented) {
        accept(server, presented);
        return Outcome::Trusted;
    }

    QString preapproved;
    {
        QMutexLocker lock(&g_mutex);
        preapproved = g_preapproved;
    }
    const QString pinned = normalisedFingerprint(profile->certpin);
    const QString shown = server + QLatin1String(" (") +
                          certificate.subjectInfo(QSslCertificate::CommonName).join(QLatin1String(", ")) +
                          QLatin1Char(')');
    // Accepted earlier in this run (a second login attempt of the wizard): asking again adds nothing.
    if (preapproved == presented || (pinned.isEmpty() && isAccepted(server, presented))) {
        pin(profile, presented);
    } else if (!pinned.isEmpty()) {
        qWarning("Certificate of %s changed: pinned %s, presented %s", qPrintable(server), qPrintable(pinned),
                 qPrintable(presented));
        if (!askTrust(Prompter::Icon::Warning, tx(TextId::cert_changed_title),
                      tx(TextId::cert_changed).arg(shown, profile->profname, pinned, details(certificate))) ||
            !askTrust(Prompter::Icon::Warning, tx(TextId::cert_changed_title),
                      tx(TextId::cert_replace_confirm).arg(shown, profile->profname)))
            return refuse(Outcome::Changed, server, presented, pinned);
        pin(profile, presented);
    } else if (profile->pinOnFirstUse) {
        pin(profile, presented);
        Prompter::inform(nullptr, Prompter::Icon::Information, tx(TextId::cert_trust_title),
                         tx(TextId::cert_pinned_notice).arg(shown, profile->profname, details(certificate)));
    } else {
        if (!askTrust(Prompter::Icon::Question, tx(TextId::cert_trust_title),
                      tx(TextId::cert_trust_new).arg(shown, profile->profname, details(certificate))))
            return refuse(Outcome::Declined, server, presented, QString());
        pin(profile, presented);
    }
    accept(server, presented);
    return Outcome::Trusted;
}
