#pragma once

#include "CFindHostUDP.h"

#include <QWizardPage>

#include <memory>

namespace Ui {
class WizIPDialog;
}
class CAsstAddDlgNasinfoProxyModel;
class CAsstNasinfoModel;
class FindHostUtils;
class QComboBox;
class QLineEdit;
class QNetworkAccessManager;

// Server page of the create-profile wizard: profile name, server (typed or chosen from the servers
// found on the local network), port and HTTPS. The checks of the entries are ProfileRules'.
class WizIPDialog : public QWizardPage
{
    Q_OBJECT

public:
    // The map is the wizard's; it must outlive the search (see stopDiscovery()).
    WizIPDialog(QNetworkAccessManager* manager, NasInfoMap* serverMap, QWidget* parent = nullptr);
    ~WizIPDialog() override;

    void initializePage() override;
    bool validatePage() override;

    // Ends the search and lets go of the server map; the page lists nothing afterwards.
    void stopDiscovery();
    FindHostUtils* findHostUtils() const { return m_findHost.get(); }
    QComboBox* serverCombo() const;

    // The server whose MAC text (any letter case) is given.
    static const NASINFO* findServerByMac(const NasInfoMap& serverMap, const QString& mac);
    // Points the combo box at the proxy the way both server-choosing dialogs show it.
    static void attachServerList(QComboBox* combo, CAsstAddDlgNasinfoProxyModel* proxy);
    // Gives the proxy its source again so that new servers show, keeping the typed text.
    static void refreshServerList(QComboBox* combo, CAsstAddDlgNasinfoProxyModel* proxy,
                                  CAsstNasinfoModel* model);

public slots:
    void languageChange();
    void slotHTTPSChecked(bool checked);
    void slotFindHostUpdate();
    void slotRefreshFinished();
    void slotDelayedInit();
    void slotDisplayConfig(int Index);

private:
    bool m_initialised = false;
    NasInfoMap* m_serverMap;
    std::unique_ptr<Ui::WizIPDialog> m_ui;
    std::unique_ptr<FindHostUtils> m_findHost;
    std::unique_ptr<CAsstNasinfoModel> m_model;
    std::unique_ptr<CAsstAddDlgNasinfoProxyModel> m_proxy;
};
