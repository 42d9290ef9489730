#pragma once

#include "CFindHostUDP.h"
#include "ProfileSummary.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ServerSettings;
}
class CAsstAddDlgNasinfoProxyModel;
class CAsstNasinfoModel;
class FindHostUtils;
class QNetworkAccessManager;

// Edits the connection settings of one stored profile. Save checks the entries as the create-profile
// wizard does, resets the profile's destination folder when the target site changed, and copies the
// entries into the summary; the caller stores it.
class ServerSettings : public QDialog
{
    Q_OBJECT

public:
    // The summary is not owned; it changes only when the dialog is accepted.
    ServerSettings(QWidget* parent, QNetworkAccessManager* manager, ProfileSummary* summary);
    ~ServerSettings() override;

    FindHostUtils* findHostUtils() const { return m_findHost.get(); }
    NasInfoMap* serverMap() { return &m_serverMap; }

public slots:
    void languageChange();
    void slotFindHostUpdate();
    void slotRefreshFinished();
    void slotDelayedInit();
    void slotDisplayConfig(int Index);
    void slotPersonalRadioBtnToogled(bool blIsToggled);
    void slotSavePassChecked(bool blChecked);
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool validateEntries();
    void fillFromSummary();

    bool m_searchStarted = false;
    ProfileSummary* m_summary;
    QNetworkAccessManager* m_manager;
    NasInfoMap m_serverMap;
    std::unique_ptr<Ui::ServerSettings> m_ui;
    std::unique_ptr<FindHostUtils> m_findHost;
    std::unique_ptr<CAsstNasinfoModel> m_model;
    std::unique_ptr<CAsstAddDlgNasinfoProxyModel> m_proxy;
};
