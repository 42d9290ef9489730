#pragma once

#include "ConsoleOptions.h"
#include "ConsoleReport.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "TransferEstimate.h"
#include "UploadInitRequest.h"
#include "UploadOutcome.h"
#include "UploadQueue.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>

#include <memory>

class UploadRun;

// One console upload through the same engine as the wizard: login, list building, skip-uploaded test,
// upload initialisation, converter threads and uploader. The profile store must be open. The run goes
// on in the event loop and ends with signalFinished(exit status).
class ConsoleUpload : public QObject
{
    Q_OBJECT

public:
    ConsoleUpload(const ConsoleOptions& options, ConsoleReport* report, QObject* parent = nullptr);
    ~ConsoleUpload() override;

    enum class LoginResult
    {
        NotTried,
        Succeeded,
        Unreachable,
        Refused
    };

    // A password already known (typed once for a watcher) in place of asking; before start().
    void setPassword(const QString& password) { m_password = password; }
    // Sends only these files, each below one of the paths, entered as the paths' scan would enter
    // them; before start().
    void setBatch(const QStringList& files) { m_batch = files; }
    // Loads the profile and logs in; the rest follows the login's answer.
    void start();

    LoginResult loginResult() const { return m_loginResult; }
    bool sessionLost() const { return m_sessionLost; }
    // Files the uploader reported as failed.
    QStringList failedPaths() const { return m_failedPaths; }
    // The summary of the finished run.
    const ConsoleReport::Summary& summary() const { return m_summary; }

signals:
    void signalFinished(int status);

public slots:
    // Cancels like the wizard's confirmed cancel: workers stop, work files go, the summary follows.
    void slotInterrupt();
    void slotLoginFinish(bool blLoginSuccess);

private slots:
    void slotFileFinished(const UploadOutcome& outcome);
    void slotItemStarted(const QString& serverName, const QString& sourcePath);
    void slotConversionStarted(const QString& fileName, int quality, int pass);
    void slotCompleteProgress(int percent);
    void slotConnectionSessionLost();
    void slotUploadFinished();
    void slotTick();

private:
    enum class Stage
    {
        Idle,
        LoggingIn,
        Planning,
        Uploading,
        Done
    };

    void plan();
    void reportDryRun(const QList<ConversionEntry>& list, const UploadPlanner::InitReply& reply);
    void startUpload(const QList<ConversionEntry>& list);
    void fail(int status, const QString& message);
    void finish();
    int exitStatus() const;
    QString albumOf(const QString& targetFolder) const;
    ConsoleReport::FileRow rowFor(const ConversionEntry& entry, ConsoleReport::FileStatus status) const;

    ConsoleOptions m_options;
    ConsoleReport* m_report;
    Stage m_stage = Stage::Idle;
    QNetworkAccessManager m_manager;
    ServerProfile m_profile;
    QString m_targetFolder;
    SecurityConfirm m_login;
    UploadInitRequest m_initRequest;
    UploadQueue m_queue;
    std::unique_ptr<UploadRun> m_run;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    TransferEstimate m_estimate;
    QString m_current;
    int m_percent = 0;
    bool m_interrupted = false;
    // The password of this run is the one the profile remembers.
    bool m_passwordRemembered = false;
    bool m_sessionLost = false;
    // Files; folders are counted apart as albums.
    int m_uploaded = 0;
    int m_failed = 0;
    int m_albums = 0;
    int m_albumFailures = 0;
    int m_unrecorded = 0;
    int m_duplicateSkips = 0;
    int m_skipped = 0;
    int m_refused = 0;
    int m_listed = 0;
    QList<UploadFailure> m_errorRows;
    QString m_error;
    QString m_password;
    QStringList m_batch;
    LoginResult m_loginResult = LoginResult::NotTried;
    QStringList m_failedPaths;
    ConsoleReport::Summary m_summary;
    int m_status = ConsoleOptions::ExitSuccess;
};
