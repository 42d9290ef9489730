#include "CreateWizard.h"

#include "ProfileStore.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "VexaLocale.h"
#include "WizHintDialog.h"
#include "WizIPDialog.h"
#include "WizPWDialog.h"
#include "WizPerDialog.h"

#include <QAbstractButton>
#include <QLabel>

CreateWizard::CreateWizard(QWidget* parent, int mode, QNetworkAccessManager* manager, ServerProfile* profile)
    : VexaWizard(parent), m_profile(profile), m_manager(manager),
      m_login(std::make_unique<SecurityConfirm>()), m_loadingMovie(QStringLiteral(":/images/loading.gif")),
      m_loadingLabel(new QLabel(this)), m_plbBusy(new QLabel(this))
{
    // A new profile has trusted no certificate yet, whatever the record held before.
    m_profile->certpin.clear();
    m_profile->pinOnFirstUse = false;
    m_loadingLabel->setGeometry(15, 323, 20, 20);
    m_loadingLabel->setMovie(&m_loadingMovie);
    m_loadingLabel->hide();
    m_plbBusy->setObjectName(QStringLiteral("m_plbBusy"));
    m_plbBusy->setGeometry(40, 323, 260, 20);
    m_plbBusy->hide();

    m_serverPage = new WizIPDialog(manager, &m_serverMap, this);
    m_targetPage = new WizPerDialog(this);
    m_accountPage = new WizPWDialog(this, &m_loginSucceeded);
    m_hintPage = new WizHintDialog(this);
    setPage(ServerPage, m_serverPage);
    setPage(TargetPage, m_targetPage);
    setPage(AccountPage, m_accountPage);
    setPage(HintPage, m_hintPage);

    setButtonText(QWizard::FinishButton, mode == 1 ? tx(TextId::btn_start_upload) : tx(TextId::btn_finish));
    for (auto which :
         {QWizard::BackButton, QWizard::NextButton, QWizard::CancelButton, QWizard::FinishButton})
        button(which)->setFixedHeight(24);

    connect(m_login.get(), &SecurityConfirm::signalLoginFinish, this, &CreateWizard::slotLoginFinish);
}

CreateWizard::~CreateWizard()
{
    // The server page lists the map that dies with this object, before the page does.
    m_serverPage->stopDiscovery();
}

bool CreateWizard::isBusy() const
{
    return m_loadingLabel->isVisible();
}

void CreateWizard::setBusy(bool busy, const QString& text)
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

QString CreateWizard::loginTarget() const
{
    return m_profile->baseUrl + QLatin1Char('\n') + m_profile->account;
}

bool CreateWizard::validateCurrentPage()
{
    setBusy(true);
    QWizardPage* page = currentPage();
    if (!page || !page->validatePage()) {
        setBusy(false);
        return false;
    }
    if (currentId() == AccountPage) {
        copyFieldsIntoProfile();
        if (m_profile->savepass) {
            if (m_loginInProgress)
                return false;
            // A login made for another server or account vouches for nothing here.
            if (m_loginSucceeded && m_loggedInTarget != loginTarget())
                m_loginSucceeded = false;
            if (!m_loginSucceeded) {
                m_loginInProgress = true;
                m_loggedInTarget = loginTarget();
                // A certificate trusted for another server vouches for nothing here either.
                m_profile->certpin.clear();
                if (m_login->prepareLogin(m_manager, m_profile, false, false)) {
                    setBusy(true, tx(TextId::busy_logging_in));
                    m_login->start(QThread::InheritPriority);
                    m_login->wait();
                } else {
                    m_loginInProgress = false;
                    setBusy(false);
                }
                return false;
            }
        }
    }
    setBusy(false);
    return true;
}

void CreateWizard::slotLoginFinish(bool blLoginSuccess)
{
    m_loginInProgress = false;
    m_loginSucceeded = blLoginSuccess;
    setBusy(false);
    if (m_loginSucceeded)
        next();
}

void CreateWizard::copyFieldsIntoProfile()
{
    m_profile->setAll(
        field(QStringLiteral("ProfileName")).toString(), field(QStringLiteral("HostAddr")).toString(),
        field(QStringLiteral("HostPort")).toString().toInt(), field(QStringLiteral("Https")).toBool(),
        field(QStringLiteral("Account")).toString(), field(QStringLiteral("Password")).toString(),
        field(QStringLiteral("SaveCred")).toBool(), field(QStringLiteral("PersonalName")).toString(),
        field(QStringLiteral("IsPersonalLumio")).toBool(), true, true, true, QStringLiteral("RENAME"),
        QString(), {});
}

void CreateWizard::accept()
{
    if (!validateCurrentPage())
        return;
    ProfileStore::createProfile(*m_profile);
    VexaWizard::accept();
}
