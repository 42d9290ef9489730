#pragma once

#include "ProfileSummary.h"
#include "ServerProfile.h"
#include "WatchService.h"

#include <QDialog>
#include <QMenu>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace Ui {
class ProfileEditor;
}
class EditorDelegate;
class ProfileConfigModel;
class QNetworkAccessManager;
class SortProfileConfigModel;
class VexaIcon;

// The list of stored profiles: create, edit and delete them, and upload with one (double-click, the
// upload icon, Enter or the context menu). The hovered row and the keyboard's current row are one row.
// The context menu also keeps a folder uploaded by a profile's background watcher, whose status the
// list shows under the profile name while it is open.
class ProfileEditor : public QDialog
{
    Q_OBJECT

public:
    ProfileEditor(QWidget* parent, int mode, QNetworkAccessManager* manager);
    ~ProfileEditor() override;

    // The program started on a double-click (this program itself unless replaced, for tests).
    void setLaunchProgram(const QString& program) { m_launchProgram = program; }
    int hoveredRow() const { return m_hoveredRow; }
    VexaIcon* editIcon() const { return m_editIcon; }
    VexaIcon* deleteIcon() const { return m_deleteIcon; }
    VexaIcon* uploadIcon() const { return m_uploadIcon; }
    // The context menu of the last right-click, while it is open.
    QMenu* contextMenu() const { return m_contextMenu; }
    QAbstractItemModel* viewModel() const;
    // Sets up and stops the background watchers; busy while systemctl runs.
    WatchService* watchService() { return &m_watchService; }

public slots:
    void languageChange();
    void slotShowIcon();
    void slotDoubleClicked(const QModelIndex& index);
    void slotMouseMove(const QPoint& point);
    void slotClearSelect();
    void slotCreateProfile();
    void slotEditProfile();
    void slotDeleteProfile();
    void slotUploadProfile();
    void slotContextMenu(const QPoint& point);
    void slotCurrentRowChanged(const QModelIndex& current);
    void slotKeepUploaded();
    void slotStopKeepingUploaded();
    void slotRefreshWatchStatus();

private slots:
    void slotWatchServiceFinished(WatchService::Outcome outcome, const QString& error);

protected:
    // The dialogs the list opens; tests replace them.
    virtual int runCreateWizard(ServerProfile* profile);
    virtual int runServerSettings(ProfileSummary* summary);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reattachModel();
    QString hoveredProfileName() const;
    void startUpload(const QString& name);
    void showIconsAt(int row);

    int m_mode;
    int m_hoveredRow = -1;
    QNetworkAccessManager* m_manager;
    ServerProfile m_scratchProfile;
    ProfileSummaryMap m_summaries;
    QString m_launchProgram;
    std::unique_ptr<Ui::ProfileEditor> m_ui;
    VexaIcon* m_editIcon;
    VexaIcon* m_deleteIcon;
    VexaIcon* m_uploadIcon;
    QPointer<QMenu> m_contextMenu;
    ProfileConfigModel* m_model;
    SortProfileConfigModel* m_proxy;
    EditorDelegate* m_delegate;
    WatchService m_watchService;
    QTimer m_watchRefresh;
    // The profile and folder of the request under way; no folder when stopping.
    QString m_watchProfile;
    QString m_watchFolder;
};
