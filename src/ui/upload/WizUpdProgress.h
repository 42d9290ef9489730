#pragma once

#include <QTimer>
#include <QWizardPage>

#include <memory>

namespace Ui {
class WizUpdProgress;
}
class ServerProfile;
class UploadQueue;

// The progress of a run: one bar that creeps toward the next announced value and never moves back,
// the count of uploaded files, and at the end the successful and failed counts.
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

public slots:
    void languageChange();
    void slotUpdateCompleteProgress(int iNewProgress);
    void slotUpdateNextProgress(int iNextProgress);
    void slotUpdateProgress();
    void slotUpdateUpdStatus();
    void slotUploadFinished();
    void slotConnectionSessionLost();

private:
    void showCount();

    bool m_complete = false;
    bool m_defaultsSet = false;
    int m_nextTarget = 0;
    QTimer m_creepTimer;
    ServerProfile* m_profile;
    UploadQueue* m_queue;
    std::unique_ptr<Ui::WizUpdProgress> m_ui;
};
