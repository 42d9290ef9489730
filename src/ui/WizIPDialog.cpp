#include "WizIPDialog.h"

#include "CAsstAddDlgNasinfoProxyModel.h"
#include "CAsstNasinfoModel.h"
#include "FindHostUtils.h"
#include "ProfileRules.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizIPDialog.h"

#include <cstring>

namespace {

const int kSearchTicks = 20;

const QString kLabelStyle = QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }");
const QString kEditStyle = QStringLiteral("QLineEdit { font-size : 13px;\n color : #535353 }");
const QString kCheckStyle = QStringLiteral("QCheckBox { font-size : 13px;\n color : #282828 }");

QString textOf(const char* field, std::size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, size)));
}

} // namespace

WizIPDialog::WizIPDialog(QNetworkAccessManager* manager, NasInfoMap* serverMap, QWidget* parent)
    : QWizardPage(parent), m_serverMap(serverMap), m_ui(std::make_unique<Ui::WizIPDialog>()),
      m_findHost(std::make_unique<FindHostUtils>(manager, serverMap, kSearchTicks)),
      m_model(std::make_unique<CAsstNasinfoModel>(serverMap)),
      m_proxy(std::make_unique<CAsstAddDlgNasinfoProxyModel>())
{
    m_ui->setupUi(this);
    registerField(QStringLiteral("ProfileName*"), m_ui->m_pedtProfName);
    registerField(QStringLiteral("HostAddr"), m_ui->m_cbxIP, "currentText",
                  SIGNAL(currentTextChanged(QString)));
    registerField(QStringLiteral("HostPort*"), m_ui->m_pedtPort);
    registerField(QStringLiteral("Https"), m_ui->m_pchkHTTPS);

    m_proxy->setDynamicSortFilter(true);
    m_proxy->setSourceModel(m_model.get());
    attachServerList(m_ui->m_cbxIP, m_proxy.get());

    connect(m_findHost.get(), &FindHostUtils::signalFindHostUpdate, this, &WizIPDialog::slotFindHostUpdate);
    connect(m_findHost.get(), &FindHostUtils::signalFindNasFinished, this, &WizIPDialog::slotRefreshFinished);
    connect(m_ui->m_cbxIP, qOverload<int>(&QComboBox::activated), this, &WizIPDialog::slotDisplayConfig);
    connect(m_ui->m_pchkHTTPS, &QCheckBox::toggled, this, &WizIPDialog::slotHTTPSChecked);

    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    for (QLabel* label : {m_ui->m_plbDesc, m_ui->m_plbProfName, m_ui->m_plbSvrNameIP, m_ui->m_plbPort})
        VexaStyle::applyWidgetStyle(label, kLabelStyle);
    for (QLineEdit* edit : {m_ui->m_pedtProfName, m_ui->m_pedtPort}) {
        VexaStyle::applyWidgetStyle(edit, kEditStyle, 300, 25);
        edit->setTextMargins(2, 0, 0, 0);
    }
    VexaStyle::applyComboStyle(m_ui->m_cbxIP, 300, 25);
    VexaStyle::applyWidgetStyle(m_ui->m_pchkHTTPS, kCheckStyle);
    languageChange();
}

WizIPDialog::~WizIPDialog()
{
    stopDiscovery();
}

void WizIPDialog::stopDiscovery()
{
    if (m_findHost)
        disconnect(m_findHost.get(), &FindHostUtils::signalFindNasFinished, this,
                   &WizIPDialog::slotRefreshFinished);
    m_proxy.reset();
    m_model.reset();
    m_findHost.reset();
    m_serverMap = nullptr;
}

QComboBox* WizIPDialog::serverCombo() const
{
    return m_ui->m_cbxIP;
}

void WizIPDialog::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::create_svr_desc));
    m_ui->m_plbProfName->setText(tx(TextId::create_svr_profname));
    m_ui->m_plbSvrNameIP->setText(tx(TextId::create_svr_hostname));
    m_ui->m_plbPort->setText(tx(TextId::create_svr_port));
}

void WizIPDialog::initializePage()
{
    languageChange();
    m_ui->m_pedtProfName->setMaxLength(ProfileRules::kProfileNameLength);
    if (m_initialised)
        return;
    m_initialised = true;
    m_ui->m_pedtPort->setText(QStringLiteral("80"));
    // The search starts when the wizard opens, not when it is merely built.
    slotDelayedInit();
}

void WizIPDialog::slotDelayedInit()
{
    if (m_findHost)
        m_findHost->startSearch();
}

void WizIPDialog::slotHTTPSChecked(bool checked)
{
    m_ui->m_pedtPort->setText(checked ? QStringLiteral("443") : QStringLiteral("80"));
}

void WizIPDialog::slotFindHostUpdate()
{
    if (m_proxy)
        refreshServerList(m_ui->m_cbxIP, m_proxy.get(), m_model.get());
}

void WizIPDialog::slotRefreshFinished()
{
    if (!m_proxy)
        return;
    refreshServerList(m_ui->m_cbxIP, m_proxy.get(), m_model.get());
    const QString typed = m_ui->m_cbxIP->currentText();
    attachServerList(m_ui->m_cbxIP, m_proxy.get());
    m_ui->m_cbxIP->setEditText(typed);
}

void WizIPDialog::slotDisplayConfig(int Index)
{
    if (!m_proxy || !m_serverMap)
        return;
    const QString mac = m_proxy->index(Index, CAsstNasinfoModel::MacColumn).data().toString().trimmed();
    const NASINFO* server = findServerByMac(*m_serverMap, mac);
    if (!server)
        return;
    if (!m_ui->m_pedtProfName->isModified())
        m_ui->m_pedtProfName->setText(textOf(server->serverName, sizeof server->serverName));
    m_ui->m_cbxIP->setEditText(FindHostUtils::dottedAddress(server->ipAddress));
}

bool WizIPDialog::validatePage()
{
    const QString host = m_ui->m_cbxIP->currentText();
    if (m_initialised && m_serverMap) {
        const NASINFO* server = ProfileRules::findServer(*m_serverMap, host);
        if (server && !ProfileRules::confirmServer(this, *server))
            return false;
    }
    const QString port = m_ui->m_pedtPort->text();
    if (!port.isEmpty() && !ProfileRules::isValidPort(port)) {
        Prompter::inform(nullptr, Prompter::Icon::Critical, tx(TextId::err_error), tx(TextId::err_bad_port));
        m_ui->m_pedtPort->setFocus();
        return false;
    }
    if (!ProfileRules::isReachableName(host)) {
        Prompter::inform(this, Prompter::Icon::Critical, tx(TextId::err_error), tx(TextId::err_host_addr));
        m_ui->m_cbxIP->setFocus();
        return false;
    }
    const QString name = m_ui->m_pedtProfName->text();
    if (ProfileStore::profileExists(name)) {
        Prompter::inform(this, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::err_profname_duplicate).arg(name));
        m_ui->m_pedtProfName->setFocus();
        return false;
    }
    return true;
}

const NASINFO* WizIPDialog::findServerByMac(const NasInfoMap& serverMap, const QString& mac)
{
    if (mac.isEmpty())
        return nullptr;
    for (auto it = serverMap.cbegin(); it != serverMap.cend(); ++it) {
        if (textOf(it->serverMac, sizeof it->serverMac).compare(mac, Qt::CaseInsensitive) == 0)
            return &it.value();
    }
    return nullptr;
}

void WizIPDialog::attachServerList(QComboBox* combo, CAsstAddDlgNasinfoProxyModel* proxy)
{
    combo->setModel(proxy);
    combo->setModelColumn(CAsstNasinfoModel::DisplayColumn);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    proxy->setFilterKeyColumn(CAsstNasinfoModel::NameColumn);
    proxy->sort(CAsstNasinfoModel::NameColumn, Qt::AscendingOrder);
}

void WizIPDialog::refreshServerList(QComboBox* combo, CAsstAddDlgNasinfoProxyModel* proxy,
                                    CAsstNasinfoModel* model)
{
    const QString typed = combo->currentText();
    proxy->setSourceModel(model);
    combo->setEditText(typed);
}
