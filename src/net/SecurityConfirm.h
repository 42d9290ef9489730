#pragma once

#include <QPointer>
#include <QThread>

class QNetworkAccessManager;
class QNetworkReply;
class ServerProfile;

// Logs in to the Lumio server of one profile. The session is the cookie the login reply sets in the
// shared network manager's jar. The result always arrives later, as signalLoginFinish().
class SecurityConfirm : public QThread
{
    Q_OBJECT

public:
    // Why the last login failed.
    enum class Failure
    {
        None,
        Unreachable, // no answer: connection refused, host not found, time-out, TLS
        Refused,     // the server answered without letting the account in
        Untrusted    // the certificate was not trusted; nothing was sent
    };

    explicit SecurityConfirm(QObject* parent = nullptr);
    ~SecurityConfirm() override;

    // Takes the profile's data and the password (asking for it when it is not remembered or when the
    // prompt is forced) and arms the trigger. False only when the user cancels the password prompt.
    bool prepareLogin(QNetworkAccessManager* manager, ServerProfile* profile, bool retryOnFailure,
                      bool forcePrompt);

    Failure failure() const { return m_failure; }
    // The text shown for the last failure (the catalogue's).
    QString failureText() const { return m_failureText; }
    // For an unreachable server, a few words on the cause: "connection refused", "host not found" …
    QString failureCause() const { return m_failureCause; }
    // A caller that reports failures in its own words turns the message box off.
    void setInformOnFailure(bool inform) { m_informOnFailure = inform; }

    static constexpr int kCounterAttribute = 1000;   // QNetworkRequest::User
    static constexpr int kPersonalAttribute = 32767; // QNetworkRequest::UserMax

signals:
    void signalLogin();
    void signalLoginFinish(bool blLoginSuccess);

public slots:
    void slotLoginLumio();
    void slotLoginRequestFinished();

protected:
    void run() override;

private:
    QString evaluate(QNetworkReply* reply);
    static QString causeOf(const QNetworkReply* reply);

    Failure m_failure = Failure::None;
    QString m_failureText;
    QString m_failureCause;
    bool m_informOnFailure = true;

    int m_requestCounter = 0;
    bool m_loginSucceeded = false;
    bool m_promptForced = false;
    bool m_retryOnFailure = false;
    bool m_personal = false;
    QString m_baseUrl;
    QString m_account;
    QString m_password;
    QNetworkAccessManager* m_manager = nullptr;
    ServerProfile* m_profile = nullptr;
    QPointer<QNetworkReply> m_reply;
};
