#pragma once

#include "CFindHostUDP.h"
#include "VexaWizard.h"

#include <QMovie>

#include <memory>

class QLabel;
class QNetworkAccessManager;
class SecurityConfirm;
class ServerProfile;
class WizHintDialog;
class WizIPDialog;
class WizPWDialog;
class WizPerDialog;

// Creates a server profile in four pages: server, upload target, account and a closing hint. The
// account page logs in before it lets the user on when the password is to be remembered; Finish
// stores the profile.
class CreateWizard : public VexaWizard
{
    Q_OBJECT

public:
    enum PageId
    {
        ServerPage = 0,
        TargetPage = 1,
        AccountPage = 2,
        HintPage = 3
    };

    CreateWizard(QWidget* parent, int mode, QNetworkAccessManager* manager, ServerProfile* profile);
    ~CreateWizard() override;

    bool validateCurrentPage() override;
    void accept() override;

    WizIPDialog* serverPage() const { return m_serverPage; }
    NasInfoMap* serverMap() { return &m_serverMap; }
    bool isBusy() const;
    bool isLoginInProgress() const { return m_loginInProgress; }

public slots:
    void slotLoginFinish(bool blLoginSuccess);

private:
    void setBusy(bool busy, const QString& text = QString());
    void copyFieldsIntoProfile();
    // What a successful login vouches for: the server address, target and account it was made with.
    QString loginTarget() const;

    ServerProfile* m_profile;
    QNetworkAccessManager* m_manager;
    NasInfoMap m_serverMap;
    std::unique_ptr<SecurityConfirm> m_login;
    bool m_loginInProgress = false;
    bool m_loginSucceeded = false;
    QString m_loggedInTarget;
    QMovie m_loadingMovie;
    QLabel* m_loadingLabel;
    QLabel* m_plbBusy;
    WizIPDialog* m_serverPage;
    WizPerDialog* m_targetPage;
    WizPWDialog* m_accountPage;
    WizHintDialog* m_hintPage;
};
