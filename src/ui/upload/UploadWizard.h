#pragma once

#include "DeviceItem.h"
#include "UploadQueue.h"
#include "VexaWizard.h"

#include <QLabel>
#include <QMovie>

#include <memory>

class QNetworkAccessManager;
class SecurityConfirm;
class ServerProfile;
class UploadRun;
class WizUpdDialog;
class WizUpdProgress;
class WizVdoQualDialog;

// The upload wizard: settings, video qualities and progress pages; logs in before the last page, runs
// the converter threads and the uploader thread, and closes the run with the counts and error report.
class UploadWizard : public VexaWizard
{
    Q_OBJECT

public:
    enum PageId
    {
        SettingsPage = 0,
        QualityPage = 1,
        ProgressPage = 2
    };

    UploadWizard(QWidget* parent, int mode, QNetworkAccessManager* manager, QStringList* sources,
                 ServerProfile* profile);
    ~UploadWizard() override;

    bool validateCurrentPage() override;
    void accept() override;
    void reject() override;

    static int converterCountFor(int idealThreadCount);
    int converterCount() const { return m_converterCount; }
    UploadQueue* uploadQueue() { return &m_queue; }
    bool isUploadFinished() const { return m_uploadFinished; }
    // True while any converter or the uploader still runs.
    bool workersRunning() const;
    // The failed files the user asked to send again from the error report; empty otherwise.
    QStringList retrySources() const { return m_retrySources; }

public slots:
    void slotPageComplete(int CurrentId);
    void slotStartUpload();
    void slotCancelUpload();
    void slotUploadFinished();
    void slotErrorReport();
    void slotLoginFinish(bool blLoginSuccess);

private:
    void setBusy(bool busy, const QString& text = QString());
    void stopWorkers();

    ServerProfile* m_profile;
    QStringList* m_sources;
    int m_mode;
    int m_converterCount;
    bool m_loginInProgress = false;
    bool m_loggedIn = false;
    bool m_uploadFinished = false;
    QStringList m_retrySources;
    bool m_closing = false;
    std::unique_ptr<SecurityConfirm> m_login;
    QNetworkAccessManager* m_manager;
    QMovie m_loadingMovie;
    QLabel* m_loadingLabel;
    QLabel* m_plbBusy;
    UploadQueue m_queue;
    DeviceImportMap m_deviceMap;
    std::unique_ptr<UploadRun> m_run;
    WizUpdDialog* m_settingsPage;
    WizVdoQualDialog* m_qualityPage;
    WizUpdProgress* m_progressPage;
};
