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
    explicit SecurityConfirm(QObject* parent = nullptr);
    ~SecurityConfirm() override;

    // Takes the profile's data and the password (asking for it when it is not remembered or when the
    // prompt is forced) and arms the trigger. False only when the user cancels the password prompt.
    bool prepareLogin(QNetworkAccessManager* manager, ServerProfile* profile, bool retryOnFailure,
                      bool forcePrompt);

    // The last login failed because the server could not be reached or answered with a transport
    // error, rather than refusing the account.
    bool lastFailureUnreachable() const { return m_unreachable; }

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

    int m_requestCounter = 0;
    bool m_loginSucceeded = false;
    bool m_unreachable = false;
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
