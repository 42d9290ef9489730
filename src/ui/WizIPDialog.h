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
// found on the local network), port and HTTPS. The checks of a server entry live here too; the
// server settings dialog applies the same ones.
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

    // An IPv4 address that names one host: at most 223.255.255.255, above 0.255.255.255, not loopback.
    static bool isUsableIPv4(const QString& text);
    // A decimal number from 1 to 65535.
    static bool isValidPort(const QString& text);
    // An address, or a name the resolver turns into at least one address.
    static bool isReachableName(const QString& text);
    // The server a typed entry names: by address when it is a usable IPv4 address, else by name.
    static const NASINFO* findServer(const NasInfoMap& serverMap, const QString& text);
    // The server whose MAC text (any letter case) is given.
    static const NASINFO* findServerByMac(const NasInfoMap& serverMap, const QString& mac);
    // Refuses a server that cannot take uploads and asks about one that is not set up. False stays.
    static bool confirmServer(QWidget* parent, const NASINFO& server);
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
