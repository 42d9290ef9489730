#pragma once

#include "DeviceItem.h"
#include "UploadQueue.h"

#include <QWizardPage>

#include <memory>

namespace Ui {
class WizUpdDialog;
}
class QNetworkAccessManager;
class SecurityConfirm;
class ServerProfile;
class UploadInitRequest;

// First page of the upload wizard: options, source and destination; on Next after the login it builds
// the upload list, drops what was uploaded before or what the server refuses, and fills the queue.
class WizUpdDialog : public QWizardPage
{
    Q_OBJECT

public:
    WizUpdDialog(QWidget* parent, int mode, QNetworkAccessManager* manager, ServerProfile* profile,
                 QStringList* sources, UploadQueue* queue, DeviceImportMap* deviceMap, bool* loggedIn);
    ~WizUpdDialog() override;

    void initializePage() override;
    void cleanupPage() override;
    bool validatePage() override;
    int nextId() const override;

    bool hasVideo() const { return m_hasVideo; }
    // True while Next checks the files against the upload records or waits for the server's
    // upload-initialisation answer.
    bool isWaitingForServer() const;
    // Ends that check or wait; the page then stays where it is.
    void cancelWaiting();

signals:
    // What Next is busy with, for the wizard's busy line; empty when done.
    void signalBusyText(const QString& text);

public slots:
    void languageChange();
    void slotBrowseSrcFolder();
    void slotBrowseAlbum();
    void slotProfileChanged(const QString& strProfName);
    void slotLoginFinish(bool blLoginSuccess);

private:
    void loadOptions();
    void openAlbumBrowser();
    void copyFieldsIntoProfile();

    bool m_hasVideo = false;
    bool m_fieldsLoaded = false;
    bool m_skippedAsUploaded = false;
    bool m_noPrivilege = false;
    bool m_checking = false;
    bool m_checkCancelled = false;
    int m_mode;
    bool* m_loggedIn;
    QString m_targetFolder;
    std::unique_ptr<SecurityConfirm> m_login;
    ServerProfile* m_profile;
    QStringList* m_sources;
    QStringList m_deviceIds;
    QList<ConversionEntry> m_uploadList;
    UploadQueue* m_queue;
    DeviceImportMap* m_deviceMap;
    QNetworkAccessManager* m_manager;
    std::unique_ptr<UploadInitRequest> m_initRequest;
    std::unique_ptr<Ui::WizUpdDialog> m_ui;
};
