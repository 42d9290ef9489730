#include "ServerSettings.h"

#include "CAsstAddDlgNasinfoProxyModel.h"
#include "CAsstNasinfoModel.h"
#include "FindHostUtils.h"
#include "PasswordVault.h"
#include "ProfileRules.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "WizIPDialog.h"
#include "ui_ServerSettings.h"

#include <QPixmap>

#include <cstring>

namespace {

const int kSearchTicks = 20;

const QString kTitleStyle =
    QStringLiteral("QLabel { font-size : 12px;\n font-style : bold;\n color : #ffffff }");
const QString kLabelStyle = QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }");
const QString kEditStyle = QStringLiteral("QLineEdit { font-size : 13px;\n color : #535353 }");
const QString kCheckStyle = QStringLiteral("QCheckBox { font-size : 13px;\n color : #282828 }");
const QString kRadioStyle = QStringLiteral("QRadioButton { font-size : 13px;\n color : #535353 }");

} // namespace

ServerSettings::ServerSettings(QWidget* parent, QNetworkAccessManager* manager, ProfileSummary* summary)
    : QDialog(parent), m_summary(summary), m_manager(manager), m_ui(std::make_unique<Ui::ServerSettings>()),
      m_findHost(std::make_unique<FindHostUtils>(manager, &m_serverMap, kSearchTicks)),
      m_model(std::make_unique<CAsstNasinfoModel>(&m_serverMap)),
      m_proxy(std::make_unique<CAsstAddDlgNasinfoProxyModel>())
{
    m_ui->setupUi(this);
    languageChange();
    m_proxy->setDynamicSortFilter(true);
    m_proxy->setSourceModel(m_model.get());
    WizIPDialog::attachServerList(m_ui->m_cbxIP, m_proxy.get());

    connect(m_findHost.get(), &FindHostUtils::signalFindHostUpdate, this,
            &ServerSettings::slotFindHostUpdate);
    connect(m_findHost.get(), &FindHostUtils::signalFindNasFinished, this,
            &ServerSettings::slotRefreshFinished);
    connect(m_ui->m_cbxIP, qOverload<int>(&QComboBox::activated), this, &ServerSettings::slotDisplayConfig);
    connect(m_ui->m_pradPersonalLumio, &QRadioButton::toggled, this,
            &ServerSettings::slotPersonalRadioBtnToogled);
    connect(m_ui->m_pchkSaveCred, &QCheckBox::toggled, this, &ServerSettings::slotSavePassChecked);
    connect(m_ui->m_pbtnSave, &QPushButton::clicked, this, &ServerSettings::accept);
    connect(m_ui->m_pbtnCancel, &QPushButton::clicked, this, &ServerSettings::reject);

    setWindowTitle(VexaLocale::applicationTitle());
    setFixedSize(520, 480);
    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_setting.png"));
    m_ui->m_plbTitle->setStyleSheet(kTitleStyle);
    QFont titleFont(QStringLiteral("Verdana"), 12);
    titleFont.setBold(true);
    m_ui->m_plbTitle->setFont(titleFont);
    m_ui->m_plbTitle->setGeometry(15, 0, 520, 50);
    m_ui->m_plbToolTip->setPixmap(QPixmap(QStringLiteral(":/images/bt_help.png")));
    m_ui->m_pedtPassword->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit :
         {m_ui->m_pedtProfName, m_ui->m_pedtPort, m_ui->m_pedtAccount, m_ui->m_pedtPassword})
        edit->setTextMargins(2, 0, 0, 0);
    m_ui->m_pedtProfName->setMaxLength(ProfileRules::kProfileNameLength);
    for (QLabel* label : {m_ui->m_plbProfName, m_ui->m_plbSvrNameIP, m_ui->m_plbPort, m_ui->m_plbupdto,
                          m_ui->m_plbAccount, m_ui->m_plbPassword})
        VexaStyle::applyWidgetStyle(label, kLabelStyle);
    for (QLineEdit* edit :
         {m_ui->m_pedtProfName, m_ui->m_pedtPort, m_ui->m_pedtAccount, m_ui->m_pedtPassword})
        VexaStyle::applyWidgetStyle(edit, kEditStyle, 300, 25);
    VexaStyle::applyWidgetStyle(m_ui->m_pedtPersonalName, kEditStyle, 165, 25);
    VexaStyle::applyComboStyle(m_ui->m_cbxIP, 300, 25);
    VexaStyle::applyWidgetStyle(m_ui->m_pchkHTTPS, kCheckStyle);
    VexaStyle::applyWidgetStyle(m_ui->m_pchkSaveCred, kCheckStyle, 300, 25);
    // Without a keyring a remembered password stays in the profile database; the user should know.
    VexaStyle::applyWidgetStyle(m_ui->m_plbKeyring, kLabelStyle, 300);
    m_ui->m_plbKeyring->setWordWrap(true);
    // The grid of this fixed-size page gives a wrapped label only the height of its size hint; the
    // note takes the room all its lines need from the space above the buttons.
    m_ui->m_plbKeyring->setMinimumHeight(m_ui->m_plbKeyring->heightForWidth(m_ui->m_plbKeyring->width()));
    m_ui->m_plbKeyring->setVisible(!PasswordVault::isAvailable());
    for (QRadioButton* radio : {m_ui->m_pradLumio, m_ui->m_pradPersonalLumio})
        VexaStyle::applyWidgetStyle(radio, kRadioStyle);

    fillFromSummary();
}

ServerSettings::~ServerSettings()
{
    disconnect(m_findHost.get(), &FindHostUtils::signalFindNasFinished, this,
               &ServerSettings::slotRefreshFinished);
}

void ServerSettings::languageChange()
{
    m_ui->m_plbProfName->setText(tx(TextId::create_svr_profname));
    m_ui->m_plbSvrNameIP->setText(tx(TextId::create_svr_hostname));
    m_ui->m_plbPort->setText(tx(TextId::create_svr_port));
    m_ui->m_plbupdto->setText(tx(TextId::create_per_uploadto));
    m_ui->m_pradLumio->setText(tx(TextId::create_per_photo));
    m_ui->m_pradPersonalLumio->setText(tx(TextId::create_per_photo_personal));
    m_ui->m_pedtPersonalName->setPlaceholderText(tx(TextId::create_per_username));
    m_ui->m_plbToolTip->setToolTip(QStringLiteral("<div style=\"width:500px;\">") +
                                   tx(TextId::create_per_tooltip) + QStringLiteral("</div>"));
    m_ui->m_plbAccount->setText(tx(TextId::create_pw_account));
    m_ui->m_plbPassword->setText(tx(TextId::create_pw_password));
    m_ui->m_pchkSaveCred->setText(tx(TextId::create_pw_savepass));
    m_ui->m_plbKeyring->setText(tx(TextId::keyring_unavailable));
    m_ui->m_pbtnCancel->setText(tx(TextId::btn_cancel));
    m_ui->m_pbtnSave->setText(tx(TextId::btn_save));
}

void ServerSettings::fillFromSummary()
{
    m_ui->m_pedtProfName->setText(m_summary->profname);
    m_ui->m_cbxIP->setEditText(m_summary->hostaddr);
    m_ui->m_pedtPort->setText(QString::number(m_summary->port));
    m_ui->m_pchkHTTPS->setChecked(m_summary->https);
    if (m_summary->personal) {
        m_ui->m_pradPersonalLumio->setChecked(true);
        m_ui->m_pedtPersonalName->setText(m_summary->usrname);
    } else {
        m_ui->m_pradLumio->setChecked(true);
    }
    m_ui->m_pedtPersonalName->setEnabled(m_summary->personal);
    m_ui->m_pedtAccount->setText(m_summary->account);
    if (m_summary->savepass) {
        m_ui->m_pchkSaveCred->setChecked(true);
        m_ui->m_pedtPassword->setText(m_summary->password);
    }
    m_ui->m_pedtPassword->setEnabled(m_summary->savepass);
}

void ServerSettings::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The search starts when the dialog opens, not when it is merely built.
    if (!m_searchStarted) {
        m_searchStarted = true;
        slotDelayedInit();
    }
}

void ServerSettings::slotDelayedInit()
{
    m_findHost->startSearch();
}

void ServerSettings::slotFindHostUpdate()
{
    WizIPDialog::refreshServerList(m_ui->m_cbxIP, m_proxy.get(), m_model.get());
}

void ServerSettings::slotRefreshFinished()
{
    WizIPDialog::refreshServerList(m_ui->m_cbxIP, m_proxy.get(), m_model.get());
    const QString typed = m_ui->m_cbxIP->currentText();
    WizIPDialog::attachServerList(m_ui->m_cbxIP, m_proxy.get());
    m_ui->m_cbxIP->setEditText(typed);
}

void ServerSettings::slotDisplayConfig(int Index)
{
    const QString mac = m_proxy->index(Index, CAsstNasinfoModel::MacColumn).data().toString().trimmed();
    const NASINFO* server = WizIPDialog::findServerByMac(m_serverMap, mac);
    if (!server)
        return;
    if (!m_ui->m_pedtProfName->isModified())
        m_ui->m_pedtProfName->setText(QString::fromUtf8(
            server->serverName, static_cast<int>(strnlen(server->serverName, sizeof server->serverName))));
    m_ui->m_cbxIP->setEditText(FindHostUtils::dottedAddress(server->ipAddress));
}

void ServerSettings::slotPersonalRadioBtnToogled(bool blIsToggled)
{
    m_ui->m_pedtPersonalName->setEnabled(blIsToggled);
}

void ServerSettings::slotSavePassChecked(bool blChecked)
{
    m_ui->m_pedtPassword->setEnabled(blChecked);
}

bool ServerSettings::validateEntries()
{
    ProfileRules::Entries entries;
    entries.name = m_ui->m_pedtProfName->text();
    entries.host = m_ui->m_cbxIP->currentText();
    entries.port = m_ui->m_pedtPort->text();
    entries.personal = m_ui->m_pradPersonalLumio->isChecked();
    entries.personalName = m_ui->m_pedtPersonalName->text();
    entries.account = m_ui->m_pedtAccount->text();
    switch (ProfileRules::check(this, entries, m_summary->profname, &m_serverMap)) {
    case ProfileRules::Field::None:
        return true;
    case ProfileRules::Field::Server:
        m_ui->m_cbxIP->setFocus();
        break;
    case ProfileRules::Field::Port:
        m_ui->m_pedtPort->setFocus();
        break;
    case ProfileRules::Field::Name:
        m_ui->m_pedtProfName->setFocus();
        break;
    case ProfileRules::Field::PersonalName:
        m_ui->m_pedtPersonalName->setFocus();
        break;
    case ProfileRules::Field::Account:
        m_ui->m_pedtAccount->setFocus();
        break;
    }
    return false;
}

void ServerSettings::accept()
{
    if (!validateEntries())
        return;

    const QString host = m_ui->m_cbxIP->currentText();
    const bool personal = m_ui->m_pradPersonalLumio->isChecked();
    const QString personalName = m_ui->m_pedtPersonalName->text();
    // The destination album belongs to one site: another server, another personal Lumio or a switch
    // between the standard and a personal Lumio leaves it pointing elsewhere.
    const QString site = personal ? personalName : QString();
    const QString oldSite = m_summary->personal ? m_summary->usrname : QString();
    if (host != m_summary->hostaddr || personal != m_summary->personal || site != oldSite)
        ProfileStore::setProfileColumn(QStringLiteral("ServerProfiles"), m_summary->profname,
                                       QStringLiteral("serverdst"), QStringLiteral("/photo"));

    m_summary->profname = m_ui->m_pedtProfName->text();
    m_summary->hostaddr = host;
    m_summary->port = m_ui->m_pedtPort->text().toInt();
    m_summary->https = m_ui->m_pchkHTTPS->isChecked();
    m_summary->personal = personal;
    m_summary->usrname = personalName;
    m_summary->account = m_ui->m_pedtAccount->text();
    m_summary->password = m_ui->m_pedtPassword->text();
    m_summary->savepass = m_ui->m_pchkSaveCred->isChecked();
    QDialog::accept();
}
