#include "UploadWizard.h"

#include "AppPaths.h"
#include "ErrorReport.h"
#include "ErrorTableModel.h"
#include "FileConverter.h"
#include "FileUploader.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "UploadRun.h"
#include "VexaLocale.h"
#include "WizUpdDialog.h"
#include "WizUpdProgress.h"
#include "WizVdoQualDialog.h"

#include <QAbstractButton>
#include <QThread>
#include <QTimer>

UploadWizard::UploadWizard(QWidget* parent, int mode, QNetworkAccessManager* manager, QStringList* sources,
                           ServerProfile* profile)
    : VexaWizard(parent), m_profile(profile), m_sources(sources), m_mode(mode),
      m_converterCount(converterCountFor(QThread::idealThreadCount())),
      m_login(std::make_unique<SecurityConfirm>()), m_manager(manager),
      m_loadingMovie(QStringLiteral(":/images/loading.gif")), m_loadingLabel(new QLabel(this)),
      m_plbBusy(new QLabel(this))
{
    m_loadingLabel->setGeometry(15, 323, 20, 20);
    m_loadingLabel->setMovie(&m_loadingMovie);
    m_loadingLabel->hide();
    m_plbBusy->setObjectName(QStringLiteral("m_plbBusy"));
    m_plbBusy->setGeometry(40, 323, 260, 20);
    m_plbBusy->hide();

    m_settingsPage =
        new WizUpdDialog(this, mode, manager, profile, sources, &m_queue, &m_deviceMap, &m_loggedIn);
    m_qualityPage = new WizVdoQualDialog(this, profile);
    m_progressPage = new WizUpdProgress(this, profile, &m_queue);

    if (!profile->profname.isEmpty() && mode != 4)
        setWindowTitle(profile->profname + QStringLiteral(" - ") + VexaLocale::applicationTitle());

    setPage(SettingsPage, m_settingsPage);
    setPage(QualityPage, m_qualityPage);
    setPage(ProgressPage, m_progressPage);
    setOption(QWizard::NoBackButtonOnLastPage, true);
    setButtonText(QWizard::FinishButton, tx(TextId::btn_close));
    for (auto which : {QWizard::BackButton, QWizard::NextButton, QWizard::CancelButton, QWizard::FinishButton,
                       QWizard::CustomButton1})
        button(which)->setFixedHeight(24);

    connect(this, &QWizard::currentIdChanged, this, &UploadWizard::slotPageComplete);
    connect(m_login.get(), &SecurityConfirm::signalLoginFinish, this, &UploadWizard::slotLoginFinish);
    connect(m_settingsPage, &WizUpdDialog::signalBusyText, this,
            [this](const QString& text) { setBusy(true, text); });

    AppPaths::prepareTempRootFolder();
}

UploadWizard::~UploadWizard()
{
    stopWorkers();
}

int UploadWizard::converterCountFor(int idealThreadCount)
{
    return UploadRun::converterCountFor(idealThreadCount);
}

bool UploadWizard::workersRunning() const
{
    return m_run && m_run->isRunning();
}

void UploadWizard::stopWorkers()
{
    if (m_run)
        m_run->stopAndWait();
}

void UploadWizard::setBusy(bool busy, const QString& text)
{
    m_loadingLabel->setVisible(busy);
    m_plbBusy->setText(text);
    m_plbBusy->setVisible(busy && !text.isEmpty());
    if (busy)
        m_loadingMovie.start();
    else
        m_loadingMovie.stop();
    for (auto which : {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton})
        button(which)->setEnabled(!busy);
}

bool UploadWizard::validateCurrentPage()
{
    setBusy(true);
    QWizardPage* page = currentPage();
    if (!page || !page->validatePage() || m_closing) {
        setBusy(false);
        return false;
    }
    if (page->nextId() == ProgressPage) {
        if (m_loginInProgress)
            return false;
        if (!m_loggedIn) {
            m_loginInProgress = true;
            if (m_login->prepareLogin(m_manager, m_profile, true, false)) {
                setBusy(true, tx(TextId::busy_logging_in));
                m_login->start();
                m_login->wait();
                return false;
            }
            m_loginInProgress = false;
            setBusy(false);
            return false;
        }
    }
    setBusy(false);
    return true;
}

void UploadWizard::slotLoginFinish(bool blLoginSuccess)
{
    m_loginInProgress = false;
    m_loggedIn = blLoginSuccess;
    setBusy(false);
    if (m_loggedIn && !m_closing)
        next();
}

void UploadWizard::accept()
{
    if (validateCurrentPage())
        QDialog::accept();
}

void UploadWizard::slotPageComplete(int CurrentId)
{
    if (CurrentId == ProgressPage)
        slotStartUpload();
}

void UploadWizard::slotStartUpload()
{
    // A wizard closed while its settings page still worked must not start anything afterwards.
    if (m_closing)
        return;
    m_run =
        std::make_unique<UploadRun>(&m_queue, m_manager, m_profile, m_mode, &m_deviceMap, m_converterCount);
    for (const auto& converter : m_run->converters()) {
        connect(converter.get(), &FileConverter::signalCompleteProgressChanged, m_progressPage,
                &WizUpdProgress::slotUpdateCompleteProgress);
        connect(converter.get(), &FileConverter::signalNextProgressChanged, m_progressPage,
                &WizUpdProgress::slotUpdateNextProgress);
        connect(converter.get(), &FileConverter::signalConversionStarted, m_progressPage,
                &WizUpdProgress::slotConversionStarted);
    }
    FileUploader* uploader = m_run->uploader();
    connect(uploader, &FileUploader::signalCompleteProgressChanged, m_progressPage,
            &WizUpdProgress::slotUpdateCompleteProgress);
    connect(uploader, &FileUploader::signalNextProgressChanged, m_progressPage,
            &WizUpdProgress::slotUpdateNextProgress);
    connect(uploader, &FileUploader::signalConnectionSessionLost, m_progressPage,
            &WizUpdProgress::slotConnectionSessionLost);
    connect(uploader, &FileUploader::signalItemStarted, m_progressPage, &WizUpdProgress::slotItemStarted);
    connect(uploader, &FileUploader::signalFileFinished, m_progressPage, &WizUpdProgress::slotFileFinished);
    connect(uploader, &FileUploader::signalUploadFinished, this, &UploadWizard::slotUploadFinished);
    m_progressPage->setUploader(uploader);
    m_run->start();
}

void UploadWizard::reject()
{
    if (currentId() != ProgressPage)
        m_closing = true;
    if (m_settingsPage->isWaitingForServer()) {
        // Closing now would pull the page away under its own wait; end the wait and close after it.
        m_settingsPage->cancelWaiting();
        QTimer::singleShot(0, this, [this] { QDialog::reject(); });
        return;
    }
    if (currentId() != ProgressPage || m_uploadFinished) {
        stopWorkers();
        QDialog::reject();
        return;
    }
    slotCancelUpload();
}

void UploadWizard::slotCancelUpload()
{
    const int answer = Prompter::instance()->showMessage(this, Prompter::Icon::Warning,
                                                         tx(TextId::err_warning), tx(TextId::msg_cfrm_cancel),
                                                         {tx(TextId::btn_yes), tx(TextId::btn_no)}, 0);
    if (answer != 0)
        return;
    m_uploadFinished = true;
    if (m_run)
        m_run->stop();
}

void UploadWizard::slotUploadFinished()
{
    m_uploadFinished = true;
    setOption(QWizard::NoCancelButton, true);
    // Converters still busy after a cancel or a lost session have nothing left to hand to anyone.
    stopWorkers();
    ProfileStore::saveUploadOptions(*m_profile);
    ProfileStore::incrementUsageCounter(m_profile->profname);
    m_progressPage->slotUploadFinished();
    if (!m_queue.problems().isEmpty()) {
        slotErrorReport();
        setButtonText(QWizard::CustomButton1, tx(TextId::btn_error_report));
        button(QWizard::CustomButton1)->setMinimumWidth(100);
        setOption(QWizard::HaveCustomButton1, true);
        connect(this, &QWizard::customButtonClicked, this, &UploadWizard::slotErrorReport,
                Qt::UniqueConnection);
    }
    AppPaths::removeWorkFiles();
}

void UploadWizard::slotErrorReport()
{
    ErrorReport report(this, &m_queue);
    if (report.exec() != ErrorReport::RetryResult)
        return;
    m_retrySources = report.model()->retryPaths();
    // This run closes first (its clean-up is still under way); the caller starts the new one.
    QTimer::singleShot(0, this, &UploadWizard::reject);
}
