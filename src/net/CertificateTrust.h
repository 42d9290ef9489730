#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>

class QNetworkReply;
class ServerProfile;

// Decides whether the HTTPS server of a profile is the one the user means, before any password or
// session goes to it. A certificate the system (or the test authorities) verifies is accepted as it
// is; any other one only when its SHA-256 fingerprint is the one pinned for the profile, which the
// user accepts once, like an SSH host key. Later requests of the run accept exactly the settled
// certificates.
class CertificateTrust
{
public:
    enum class Outcome
    {
        Trusted,
        // The server could not be reached or spoke no TLS; the request itself will report it.
        Unreachable,
        // The user (or the lack of a terminal) declined an unknown certificate.
        Declined,
        // A certificate other than the pinned one, not replaced.
        Changed
    };

    // What the last refusal was about, for callers that explain it in their own words.
    struct Refusal
    {
        Outcome outcome = Outcome::Trusted;
        QString server; // host:port
        QString fingerprint;
        QString pinned;
    };

    // Connects to the profile's server (HTTPS only) and settles trust in its certificate, asking
    // through the Prompter where needed; a new or replaced pin is stored with the profile when the
    // profile is stored already. Waits at most probeTimeoutMs.
    static Outcome settle(ServerProfile* profile);
    static Refusal lastRefusal();

    // Makes the reply accept certificate errors only for a certificate settled for its server.
    static void guard(QNetworkReply* reply);

    // "AB:CD:…", the SHA-256 of the certificate in upper-case hexadecimal pairs.
    static QString fingerprint(const QSslCertificate& certificate);
    // The fingerprint in the form above, from any spelling (case, separators); empty when it is not one.
    static QString normalisedFingerprint(const QString& text);

    // A fingerprint the user gave beforehand (the console's --trust-certificate): a certificate with
    // it is accepted and pinned without a question.
    static void setPreapproved(const QString& fingerprint);
    // Authorities trusted on top of the system's; tests hand their own CA over through this or the
    // file named by LUMIO_TEST_CA_FILE.
    static void setExtraAuthorities(const QList<QSslCertificate>& authorities);
    // Forgets what the run has settled (tests run several "runs" in one process).
    static void reset();

    static constexpr int kProbeTimeoutMs = 15000;

private:
    struct Probe
    {
        bool reached = false;
        QList<QSslError> errors;
        QList<QSslCertificate> chain;
    };

    static Probe probe(const QString& host, int port);
    static QList<QSslCertificate> extraAuthorities();
    static void accept(const QString& server, const QString& fingerprint);
    static bool isAccepted(const QString& server, const QString& fingerprint);
    static void pin(ServerProfile* profile, const QString& fingerprint);
    static QString details(const QSslCertificate& certificate);
    static Outcome refuse(Outcome outcome, const QString& server, const QString& fingerprint,
                          const QString& pinned);
};
