#pragma once

#include <QDialog>
#include <QHash>
#include <QNetworkCookie>
#include <QPointer>
#include <QSet>

#include <memory>

namespace Ui {
class AlbumBrowser;
}
class QNetworkAccessManager;
class QNetworkReply;
class QTreeWidgetItem;

// Lets the user pick the destination album on the server, or create one. The first two levels come
// with one request; deeper levels load when an item is expanded.
class AlbumBrowser : public QDialog
{
    Q_OBJECT

public:
    enum ItemType
    {
        RootItem = 1000,
        LockedTopAlbum = 1001,
        TopAlbum = 1002,
        SecondLevelAlbum = 1003,
        DeeperAlbum = 1004,
    };

    AlbumBrowser(QWidget* parent, QNetworkAccessManager* manager, const QString& baseUrl);
    ~AlbumBrowser() override;

    // Path of the first selected item relative to the photo root ("" for the root); empty when none.
    QString selectedPath() const;
    bool sessionLost() const { return m_sessionLost; }

public slots:
    void slotGetUpdAlbumLstRequestFinished();
    void slotGetSubAlbumLstRequestFinished();
    void slotDirItemExpanded(QTreeWidgetItem* ptreitmExpandedItem);
    void slotCreateFolderClicked();
    void slotCreateAlbumRequestFinished();
    void slotDirItemSelectionChanged();
    void languageChange();

private:
    QNetworkReply* post(const QString& path, const QByteArray& body,
                        const QList<QPair<QByteArray, QByteArray>>& headers = {});
    QTreeWidgetItem* makeItem(QTreeWidgetItem* parent, const QString& text, const QString& path, int type,
                              bool placeholder);
    void finishReply(const QString& errorText);
    static bool isPlaceholder(const QTreeWidgetItem* item);

    std::unique_ptr<Ui::AlbumBrowser> m_ui;
    bool m_admin = false;
    bool m_rootUploadable = false;
    bool m_sessionLost = false;
    QString m_baseUrl;
    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_listReply;
    QPointer<QNetworkReply> m_subListReply;
    QPointer<QNetworkReply> m_createReply;
    QTreeWidgetItem* m_expandedItem = nullptr;
    QList<QNetworkCookie> m_cookies;
    QSet<QString> m_loadedPaths;
    QHash<QString, QTreeWidgetItem*> m_createdPaths;
    // The album asked for by the create request in flight, and where it goes.
    QString m_pendingName;
    QTreeWidgetItem* m_pendingParent = nullptr;
};
