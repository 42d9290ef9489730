#include "AlbumBrowser.h"

#include "CertificateTrust.h"
#include "Prompter.h"
#include "RequestHeaders.h"
#include "RequestTimeout.h"
#include "ServerReply.h"
#include "VexaLocale.h"
#include "ui_AlbumBrowser.h"

#include <QApplication>
#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QPushButton>
#include <QUrl>

namespace {

const char kAlbumScript[] = "/photo/include/asst_get_uploadable_album.php";
const char kUploadScript[] = "/photo/include/asst_file_upload.php";
const char kPlaceholder[] = "dummy_folder";

} // namespace

AlbumBrowser::AlbumBrowser(QWidget* parent, QNetworkAccessManager* manager, const QString& baseUrl)
    : QDialog(parent), m_ui(std::make_unique<Ui::AlbumBrowser>()), m_baseUrl(baseUrl), m_manager(manager)
{
    m_ui->setupUi(this);
    setWindowTitle(VexaLocale::applicationTitle());
    languageChange();
    connect(m_ui->m_ptrewServerDirTree, &QTreeWidget::itemExpanded, this, &AlbumBrowser::slotDirItemExpanded);
    connect(m_ui->m_ptrewServerDirTree, &QTreeWidget::itemSelectionChanged, this,
            &AlbumBrowser::slotDirItemSelectionChanged);
    connect(m_ui->m_pbtnCreateAlbum, &QPushButton::clicked, this, &AlbumBrowser::slotCreateFolderClicked);
    // The session cookie may be marked Secure: ask for the scheme the requests really use.
    if (manager->cookieJar())
        m_cookies = manager->cookieJar()->cookiesForUrl(QUrl(m_baseUrl));

    makeItem(nullptr, QStringLiteral("photo"), QString(), RootItem, false);
    m_ui->m_pbtnCreateAlbum->setEnabled(false);
    m_ui->m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    m_ui->m_ptrewServerDirTree->setEnabled(false);

    m_listReply = post(QLatin1String(kAlbumScript), "action=get_uploadable_album_list");
    connect(m_listReply, &QNetworkReply::finished, this, &AlbumBrowser::slotGetUpdAlbumLstRequestFinished);
}

AlbumBrowser::~AlbumBrowser()
{
    for (QNetworkReply* reply : {m_listReply.data(), m_subListReply.data(), m_createReply.data()})
        delete reply;
}

void AlbumBrowser::languageChange()
{
    m_ui->m_plblTitle->setText(tx(TextId::album_browser_desc));
    m_ui->m_plblNewAlbumName->setText(tx(TextId::album_browser_new_album_name));
    m_ui->m_pbtnCreateAlbum->setText(tx(TextId::btn_create));
    m_ui->m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->setText(tx(TextId::btn_ok));
    m_ui->m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Cancel)->setText(tx(TextId::btn_cancel));
}

QNetworkReply* AlbumBrowser::post(const QString& path, const QByteArray& body,
                                  const QList<QPair<QByteArray, QByteArray>>& headers)
{
    QNetworkRequest request(QUrl(m_baseUrl + path));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    if (!m_cookies.isEmpty())
        request.setRawHeader("Cookie", RequestHeaders::cookieValue(m_cookies));
    for (const auto& header : headers)
        request.setRawHeader(header.first, header.second);
    QNetworkReply* reply = m_manager->post(request, body);
    CertificateTrust::guard(reply);
    RequestTimeout::watch(reply);
    return reply;
}

QTreeWidgetItem* AlbumBrowser::makeItem(QTreeWidgetItem* parent, const QString& text, const QString& path,
                                        int type, bool placeholder)
{
    QTreeWidgetItem* item =
        parent ? new QTreeWidgetItem(parent, type) : new QTreeWidgetItem(m_ui->m_ptrewServerDirTree, type);
    item->setText(0, text);
    item->setData(0, Qt::UserRole, path);
    if (placeholder) {
        auto* dummy = new QTreeWidgetItem(item, DeeperAlbum);
        dummy->setData(0, Qt::UserRole, QLatin1String(kPlaceholder));
    }
    return item;
}

bool AlbumBrowser::isPlaceholder(const QTreeWidgetItem* item)
{
    return item && item->data(0, Qt::UserRole).toString() == QLatin1String(kPlaceholder);
}

void AlbumBrowser::finishReply(const QString& errorText)
{
    m_ui->m_ptrewServerDirTree->setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!errorText.isEmpty())
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_warning), errorText);
}

void AlbumBrowser::slotGetUpdAlbumLstRequestFinished()
{
    QNetworkReply* reply = m_listReply;
    if (!reply || sender() != reply)
        return;
    QString errorText;
    if (reply->error() == QNetworkReply::ContentNotFoundError) {
        errorText = tx(TextId::err_kv_not_supp).arg(QStringLiteral("2.3"));
    } else if (reply->error() != QNetworkReply::NoError) {
        errorText = RequestTimeout::transportErrorText(reply);
    } else {
        const ServerReply parsed(reply->readAll());
        if (!parsed.isJson()) {
            errorText = ServerReply::notJsonText();
        } else if (parsed.success()) {
            if (parsed.hasProperty(QStringLiteral("is_admin")))
                m_admin = parsed.boolProperty(QStringLiteral("is_admin"));
            if (parsed.hasProperty(QStringLiteral("is_root_updable")))
                m_rootUploadable = parsed.boolProperty(QStringLiteral("is_root_updable"));
            const QStringList albums = parsed.stringList(QStringLiteral("uploadable_albums"));
            QTreeWidgetItem* root = m_ui->m_ptrewServerDirTree->topLevelItem(0);
            QHash<QString, QTreeWidgetItem*> firstLevel;
            for (const QString& entry : albums) {
                const QStringList parts = entry.split(QLatin1Char('/'), Qt::SkipEmptyParts);
                if (parts.isEmpty())
                    continue;
                const QString& first = parts.first();
                QTreeWidgetItem* top = firstLevel.value(first);
                if (!top) {
                    const bool uploadable = albums.contains(first);
                    top = makeItem(root, first, first, uploadable ? TopAlbum : LockedTopAlbum, false);
                    if (!uploadable)
                        top->setForeground(0, Qt::gray);
                    firstLevel.insert(first, top);
                }
                if (parts.size() > 1)
                    makeItem(top, parts.at(1), first + QLatin1Char('/') + parts.at(1), SecondLevelAlbum,
                             true);
            }
        } else {
            errorText =
                ServerReply::errorText(ServerReply::Endpoint::AlbumList, parsed.errorKey(), &m_sessionLost);
        }
    }
    reply->deleteLater();

    QTreeWidgetItem* root = m_ui->m_ptrewServerDirTree->topLevelItem(0);
    root->setExpanded(true);
    if (!m_admin && !m_rootUploadable)
        root->setForeground(0, Qt::gray);
    else
        m_ui->m_ptrewServerDirTree->setCurrentItem(root);
    m_ui->m_ptrewServerDirTree->setEnabled(true);
    if (!errorText.isEmpty())
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_warning), errorText);
}

void AlbumBrowser::slotDirItemExpanded(QTreeWidgetItem* ptreitmExpandedItem)
{
    if (!ptreitmExpandedItem || ptreitmExpandedItem->type() <= TopAlbum)
        return;
    const QString path = ptreitmExpandedItem->data(0, Qt::UserRole).toString();
    if (m_loadedPaths.contains(path))
        return;
    // Only the item whose sub-albums are asked for may receive them: expanding a first-level item
    // meanwhile (which fetches nothing) must not redirect the answer.
    m_expandedItem = ptreitmExpandedItem;
    m_ui->m_ptrewServerDirTree->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    delete m_subListReply;
    m_subListReply = post(QLatin1String(kAlbumScript), QByteArray("action=get_all_subalbum_list") +
                                                           "&path=" + QUrl::toPercentEncoding(path));
    connect(m_subListReply, &QNetworkReply::finished, this, &AlbumBrowser::slotGetSubAlbumLstRequestFinished);
}

void AlbumBrowser::slotGetSubAlbumLstRequestFinished()
{
    QNetworkReply* reply = m_subListReply;
    if (!reply || sender() != reply)
        return;
    QString errorText;
    if (reply->error() != QNetworkReply::NoError) {
        errorText = RequestTimeout::transportErrorText(reply);
    } else {
        const ServerReply parsed(reply->readAll());
        if (!parsed.isJson()) {
            errorText = ServerReply::notJsonText();
        } else if (parsed.success() && m_expandedItem) {
            if (m_expandedItem->childCount() > 0 && isPlaceholder(m_expandedItem->child(0)))
                delete m_expandedItem->takeChild(0);
            const QString base = m_expandedItem->data(0, Qt::UserRole).toString();
            m_loadedPaths.insert(base);
            for (const QString& name : parsed.stringList(QStringLiteral("sub_albums"))) {
                const QString path = base + QLatin1Char('/') + name;
                if (!m_createdPaths.contains(path))
                    m_createdPaths.insert(path, makeItem(m_expandedItem, name, path, DeeperAlbum, true));
            }
        } else if (!parsed.success()) {
            errorText = ServerReply::errorText(ServerReply::Endpoint::SubAlbumList, parsed.errorKey(),
                                               &m_sessionLost);
        }
    }
    reply->deleteLater();
    finishReply(errorText);
}

void AlbumBrowser::slotCreateFolderClicked()
{
    if (m_ui->m_plnedtNewFolderName->text().isEmpty())
        return;
    const QList<QTreeWidgetItem*> selected = m_ui->m_ptrewServerDirTree->selectedItems();
    if (selected.isEmpty())
        return;
    // One request at a time, and the name it sends is the one the new item gets.
    m_ui->m_ptrewServerDirTree->setEnabled(false);
    m_ui->m_pbtnCreateAlbum->setEnabled(false);
    m_ui->m_plnedtNewFolderName->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_ui->m_plnedtNewFolderName->setText(m_ui->m_plnedtNewFolderName->text().trimmed());
    const QString name = m_ui->m_plnedtNewFolderName->text();
    m_pendingName = name;
    m_pendingParent = selected.first();
    const QString parentPath = selected.first()->data(0, Qt::UserRole).toString();
    delete m_createReply;
    m_createReply = post(QLatin1String(kUploadScript), QByteArray(),
                         {{"X-PATH", RequestHeaders::pathText(parentPath)},
                          {"X-DUPLICATE", "SKIP"},
                          {"X-ORIG-FNAME", RequestHeaders::pathText(name)},
                          {"X-UPLOAD-TYPE", "FOLDER"}});
    connect(m_createReply, &QNetworkReply::finished, this, &AlbumBrowser::slotCreateAlbumRequestFinished);
}

void AlbumBrowser::slotCreateAlbumRequestFinished()
{
    QNetworkReply* reply = m_createReply;
    if (!reply || sender() != reply)
        return;
    QString errorText;
    if (reply->error() != QNetworkReply::NoError) {
        errorText = RequestTimeout::transportErrorText(reply);
    } else {
        const QByteArray body = reply->readAll();
        qDebug() << "AlbumBrowser: create album reply" << body;
        const ServerReply parsed(body);
        if (!parsed.isJson()) {
            errorText = ServerReply::notJsonText();
        } else if (!parsed.success()) {
            errorText =
                ServerReply::errorText(ServerReply::Endpoint::CreateAlbum, parsed.errorKey(), &m_sessionLost);
        } else if (parsed.boolProperty(QStringLiteral("duplicate_folder"))) {
            errorText = tx(TextId::err_duplicate_dir_name);
        } else if (m_pendingParent) {
            QTreeWidgetItem* parent = m_pendingParent;
            const QString name = m_pendingName;
            const QString parentPath = parent->data(0, Qt::UserRole).toString();
            QString path;
            int type;
            if (parent->type() == RootItem) {
                path = name;
                type = TopAlbum;
            } else {
                path = parentPath + QLatin1Char('/') + name;
                type = parent->type() == TopAlbum ? SecondLevelAlbum : DeeperAlbum;
            }
            QTreeWidgetItem* item = makeItem(parent, name, path, type, false);
            m_createdPaths.insert(path, item);
            m_ui->m_ptrewServerDirTree->setCurrentItem(item);
            m_ui->m_ptrewServerDirTree->scrollToItem(item);
        }
    }
    reply->deleteLater();
    m_pendingParent = nullptr;
    m_ui->m_plnedtNewFolderName->setEnabled(true);
    slotDirItemSelectionChanged();
    finishReply(errorText);
    if (m_sessionLost)
        m_ui->m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Cancel)->click();
}

void AlbumBrowser::slotDirItemSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = m_ui->m_ptrewServerDirTree->selectedItems();
    bool enable = false;
    if (!selected.isEmpty()) {
        const int type = selected.first()->type();
        enable = m_admin || (type != LockedTopAlbum && (m_rootUploadable || type != RootItem));
    }
    m_ui->m_pbtnCreateAlbum->setEnabled(enable);
    m_ui->m_pbtnbxDialogBtnBox->button(QDialogButtonBox::Ok)->setEnabled(enable);
}

QString AlbumBrowser::selectedPath() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->m_ptrewServerDirTree->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(0, Qt::UserRole).toString();
}
