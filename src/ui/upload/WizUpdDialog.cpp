#include "WizUpdDialog.h"

#include "AlbumBrowser.h"
#include "AppPaths.h"
#include "HandOver.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "UploadInitRequest.h"
#include "UploadPlanner.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizUpdDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kLabelStyle = QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }");
const QString kCheckStyle = QStringLiteral("QCheckBox { font-size : 13px;\n color : #1b1b1b }");
const QString kEditStyle = QStringLiteral("QLineEdit { font-size : 13px;\n color : #535353 }");
const QString kComboStyle = QStringLiteral("QComboBox { font-size : 13px;\n color : #535353 }");
const QString kPhotoRoot = QStringLiteral("/photo");

} // namespace

WizUpdDialog::WizUpdDialog(QWidget* parent, int mode, QNetworkAccessManager* manager, ServerProfile* profile,
                           QStringList* sources, UploadQueue* queue, DeviceImportMap* deviceMap,
                           bool* loggedIn)
    : QWizardPage(parent), m_mode(mode), m_loggedIn(loggedIn), m_login(std::make_unique<SecurityConfirm>()),
      m_profile(profile), m_sources(sources), m_queue(queue), m_deviceMap(deviceMap), m_manager(manager),
      m_initRequest(std::make_unique<UploadInitRequest>(manager)), m_ui(std::make_unique<Ui::WizUpdDialog>())
{
    m_ui->setupUi(this);
    languageChange();
    m_ui->m_comboDuplicate->addItem(tx(TextId::upload_overwrite));
    m_ui->m_comboDuplicate->addItem(tx(TextId::upload_rename));

    if (m_mode == 4 || m_mode == 6) {
        m_ui->m_pcbxProfile->addItems(HandOver::shortcutNames());
        m_ui->m_pcbxProfile->setCurrentText(profile->profname);
        connect(m_ui->m_pcbxProfile, &QComboBox::textActivated, this, &WizUpdDialog::slotProfileChanged);
    }
    if (m_mode == 6) {
        QStringList texts;
        HandOver::listDevices(&m_deviceIds, &texts);
        m_ui->m_pcbxSrc->addItems(texts);
    }

    if (m_mode == 8)
        registerField(QStringLiteral("SrcFolder*"), m_ui->m_pedtSrcAlbum);
    registerField(QStringLiteral("DstAlbum"), m_ui->m_pedtDstAlbum);
    registerField(QStringLiteral("UpdIdxable"), m_ui->m_chkIdxable);
    registerField(QStringLiteral("IncBackup"), m_ui->m_chkIncBackup);
    registerField(QStringLiteral("Duplicate"), m_ui->m_comboDuplicate);
    registerField(QStringLiteral("DateRename"), m_ui->m_chkDateRename);
    registerField(QStringLiteral("IgnoreFolder"), m_ui->m_chkIgrFolder);

    connect(m_ui->m_pbtnSrcBrowse, &QPushButton::clicked, this, &WizUpdDialog::slotBrowseSrcFolder);
    connect(m_ui->m_pbtnFolder, &QPushButton::clicked, this, &WizUpdDialog::slotBrowseAlbum);
    connect(m_login.get(), &SecurityConfirm::signalLoginFinish, this, &WizUpdDialog::slotLoginFinish);
}

WizUpdDialog::~WizUpdDialog() = default;

void WizUpdDialog::languageChange()
{
    m_ui->m_plbSrcFolder->setText(tx(TextId::upload_src_folder));
    m_ui->m_pbtnSrcBrowse->setText(tx(TextId::btn_browse));
    m_ui->m_plbDstFolder->setText(tx(TextId::upload_dest_folder));
    m_ui->m_pbtnFolder->setText(tx(TextId::btn_browse));
    m_ui->m_chkIdxable->setText(tx(TextId::upload_idxable));
    m_ui->m_chkIncBackup->setText(tx(TextId::upload_incbackup));
    m_ui->m_plbDuplicate->setText(tx(TextId::upload_file_exist));
    m_ui->m_chkDateRename->setText(tx(TextId::upload_date_rename));
    m_ui->m_chkIgrFolder->setText(tx(TextId::upload_igr_dir));
}

void WizUpdDialog::loadOptions()
{
    m_ui->m_pedtDstAlbum->setText(m_profile->serverdst.isEmpty() ? kPhotoRoot : m_profile->serverdst);
    m_ui->m_chkIdxable->setChecked(m_profile->idxonly);
    m_ui->m_chkIncBackup->setChecked(m_profile->incbackup);
    m_ui->m_chkDateRename->setChecked(m_profile->daterename);
    m_ui->m_chkIgrFolder->setChecked(m_profile->keepFolderStructure);
    // The combo offers no "SKIP": a stored "SKIP" leaves the previous selection in place rather than
    // an index past the end, which would blank the combo.
    int index = -1;
    if (m_profile->duphandler == QLatin1String("RENAME"))
        index = 1;
    else if (m_profile->duphandler == QLatin1String("SKIP"))
        index = 2;
    else if (m_profile->duphandler == QLatin1String("OVERWRITE"))
        index = 0;
    if (index >= 0 && index < m_ui->m_comboDuplicate->count())
        m_ui->m_comboDuplicate->setCurrentIndex(index);
}

void WizUpdDialog::initializePage()
{
    if (!m_fieldsLoaded) {
        loadOptions();
        m_fieldsLoaded = true;
    }
    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    for (QLineEdit* edit : {m_ui->m_pedtSrcAlbum, m_ui->m_pedtDstAlbum}) {
        edit->setReadOnly(true);
        edit->setTextMargins(2, 0, 0, 0);
        VexaStyle::applyWidgetStyle(edit, kEditStyle);
    }
    for (QLabel* label : {m_ui->m_plbSrcFolder, m_ui->m_plbDstFolder, m_ui->m_plbDuplicate})
        VexaStyle::applyWidgetStyle(label, kLabelStyle);
    for (QCheckBox* box :
         {m_ui->m_chkIdxable, m_ui->m_chkIncBackup, m_ui->m_chkDateRename, m_ui->m_chkIgrFolder})
        VexaStyle::applyWidgetStyle(box, kCheckStyle);
    for (QComboBox* combo : {m_ui->m_pcbxProfile, m_ui->m_pcbxSrc, m_ui->m_comboDuplicate})
        VexaStyle::applyWidgetStyle(combo, kComboStyle);

    const bool sourceRow = m_mode == 8;
    m_ui->m_plbSrcFolder->setVisible(sourceRow);
    m_ui->m_pedtSrcAlbum->setVisible(sourceRow);
    m_ui->m_pbtnSrcBrowse->setVisible(sourceRow);
    m_ui->m_pcbxProfile->setVisible(m_mode == 4 || m_mode == 6);
    m_ui->m_pcbxSrc->setVisible(m_mode == 6 && m_deviceIds.size() > 1);
}

void WizUpdDialog::cleanupPage() {}

int WizUpdDialog::nextId() const
{
    return m_hasVideo ? 1 : 2;
}

void WizUpdDialog::slotBrowseSrcFolder()
{
    const QString folder =
        Prompter::instance()->askDirectory(this, VexaLocale::applicationTitle(), QDir::homePath());
    if (folder.isEmpty())
        return;
    m_ui->m_pedtSrcAlbum->setText(folder);
    *m_sources = QStringList{folder};
}

void WizUpdDialog::slotBrowseAlbum()
{
    if (!*m_loggedIn) {
        if (m_login->prepareLogin(m_manager, m_profile, true, false)) {
            m_login->start();
            m_login->wait();
        }
        return;
    }
    openAlbumBrowser();
}

void WizUpdDialog::openAlbumBrowser()
{
    AlbumBrowser browser(this, m_manager, m_profile->baseUrl);
    const int result = browser.exec();
    // The server forgot the session: the next step that needs one logs in again.
    if (browser.sessionLost())
        *m_loggedIn = false;
    if (result != QDialog::Accepted)
        return;
    const QString path = browser.selectedPath();
    m_ui->m_pedtDstAlbum->setText(path.isEmpty() ? kPhotoRoot : kPhotoRoot + QLatin1Char('/') + path);
}

void WizUpdDialog::slotLoginFinish(bool blLoginSuccess)
{
    *m_loggedIn = blLoginSuccess;
    if (blLoginSuccess)
        openAlbumBrowser();
}

void WizUpdDialog::slotProfileChanged(const QString& strProfName)
{
    *m_loggedIn = false;
    ProfileStore::loadProfile(strProfName, m_profile);
    loadOptions();
}

void WizUpdDialog::copyFieldsIntoProfile()
{
    const QString destination = field(QStringLiteral("DstAlbum")).toString();
    const QString rootPrefix = kPhotoRoot + QLatin1Char('/');
    m_targetFolder = destination.startsWith(rootPrefix) ? destination.mid(rootPrefix.size()) : QString();
    m_profile->idxonly = m_ui->m_chkIdxable->isChecked();
    m_profile->incbackup = m_ui->m_chkIncBackup->isChecked();
    m_profile->daterename = m_ui->m_chkDateRename->isChecked();
    m_profile->keepFolderStructure = m_ui->m_chkIgrFolder->isChecked();
    switch (m_ui->m_comboDuplicate->currentIndex()) {
    case 0:
        m_profile->duphandler = QStringLiteral("OVERWRITE");
        break;
    case 2:
        m_profile->duphandler = QStringLiteral("SKIP");
        break;
    default:
        m_profile->duphandler = QStringLiteral("RENAME");
        break;
    }
    m_profile->serverdst = destination;
}

bool WizUpdDialog::validatePage()
{
    if (!*m_loggedIn)
        return true;
    if (m_ui->m_pedtDstAlbum->text().isEmpty()) {
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::err_none_sel_folder));
        return false;
    }
    copyFieldsIntoProfile();

    QStringList sources = *m_sources;
    if (m_mode == 6) {
        const QString deviceId = m_deviceIds.value(m_ui->m_pcbxSrc->currentIndex());
        QStringList items;
        if (HandOver::importDeviceItems(m_profile->profname, deviceId, m_profile->incbackup, &items,
                                        m_deviceMap))
            m_skippedAsUploaded = true;
        *m_sources = items;
        sources.clear();
        for (const QString& item : items)
            sources.append(AppPaths::autoPlayFolder() + QLatin1Char('/') + item);
    }

    UploadPlanner::Options options;
    options.supportedOnly = m_profile->idxonly;
    options.keepFolderStructure = m_profile->keepFolderStructure;
    options.targetFolder = m_targetFolder;
    m_uploadList = UploadPlanner::buildList(sources, options, &m_hasVideo);

    if (m_mode != 6 && m_profile->incbackup) {
        m_checking = true;
        m_checkCancelled = false;
        const auto files =
            std::count_if(m_uploadList.cbegin(), m_uploadList.cend(), [](const ConversionEntry& entry) {
                return QFileInfo(entry.value(UploadQueue::LocalPath)).isFile();
            });
        emit signalBusyText(tx(TextId::busy_checking_files, static_cast<int>(files)));
        if (UploadPlanner::dropUploaded(&m_uploadList, m_profile->profname, [this] {
                QCoreApplication::processEvents();
                return !m_checkCancelled;
            }))
            m_skippedAsUploaded = true;
        m_checking = false;
        emit signalBusyText(QString());
        if (m_checkCancelled)
            return false;
    }

    UploadPlanner::InitReply reply;
    if (!m_initRequest->send(m_profile->baseUrl, m_uploadList, &reply))
        return false;
    UploadPlanner::dropRefused(&m_uploadList, reply, &m_noPrivilege, &m_skippedAsUploaded);

    if (m_uploadList.isEmpty()) {
        TextId text = TextId::upload_zero_file;
        if (m_noPrivilege && !m_skippedAsUploaded)
            text = TextId::upload_zero_file_nopriv;
        else if (m_skippedAsUploaded && !m_noPrivilege)
            text = TextId::upload_zero_file_uploaded;
        Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_warning), tx(text));
        return false;
    }
    m_queue->setConversionList(m_uploadList);
    m_queue->setTotal(m_uploadList.size());
    return true;
}

bool WizUpdDialog::isWaitingForServer() const
{
    return m_checking || m_initRequest->isWaiting();
}

void WizUpdDialog::cancelWaiting()
{
    m_checkCancelled = true;
    if (m_initRequest->isWaiting())
        m_initRequest->cancel();
}
