#pragma once

#include "TransferEstimate.h"
#include "UploadOutcome.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class WizUpdProgress;
}
class FileUploader;
class ServerProfile;
class UploadQueue;

// The progress of a run: one bar that creeps toward the next announced value and never moves back,
// the count of uploaded files, what is being done to which file, bytes sent, speed and time left, the
// failed and skipped counts as they happen, and at the end the successful and failed counts.
class WizUpdProgress : public QWizardPage
{
    Q_OBJECT

public:
    WizUpdProgress(QWidget* parent, ServerProfile* profile, UploadQueue* queue);
    ~WizUpdProgress() override;

    void initializePage() override;
    bool isComplete() const override;

    int progressValue() const;
    int creepIntervalMs() const { return m_creepTimer.interval(); }
    // 100 ms per step, plus 100 ms for every full 20 MiB of the current file.
    static int creepInterval(qint64 fileSize);

    // The uploader whose bytes the page shows; null before a run and after it.
    void setUploader(const FileUploader* uploader);
    int failedCount() const { return m_failed; }
    int skippedCount() const { return m_skipped; }
    // Bytes of the chosen files sent of their total, speed, and time left (-1: not yet known).
    void showTransfer(qint64 sent, qint64 total, double bytesPerSecond, int secondsLeft);

public slots:
    void languageChange();
    void slotUpdateCompleteProgress(int iNewProgress);
    void slotUpdateNextProgress(int iNextProgress);
    void slotUpdateProgress();
    void slotUpdateUpdStatus();
    void slotUploadFinished();
    void slotConnectionSessionLost();
    void slotConversionStarted(const QString& fileName, int quality);
    void slotItemStarted(const QString& serverName);
    void slotFileFinished(const UploadOutcome& outcome);
    // Refreshes bytes, speed and time left.
    void slotUpdateTransfer();

private:
    void showCount();
    void showCounts();
    void setCurrentText(const QString& text);

    bool m_complete = false;
    bool m_defaultsSet = false;
    int m_nextTarget = 0;
    int m_completePercent = 0;
    int m_failed = 0;
    int m_skipped = 0;
    QString m_currentText;
    const FileUploader* m_uploader = nullptr;
    QElapsedTimer m_clock;
    TransferEstimate m_estimate;
    QTimer m_transferTimer;
    QTimer m_creepTimer;
    ServerProfile* m_profile;
    UploadQueue* m_queue;
    std::unique_ptr<Ui::WizUpdProgress> m_ui;
};
