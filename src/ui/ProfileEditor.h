#pragma once

#include "ProfileSummary.h"
#include "ServerProfile.h"

#include <QDialog>
#include <QPersistentModelIndex>

#include <memory>

namespace Ui {
class ProfileEditor;
}
class EditorDelegate;
class ProfileConfigModel;
class QNetworkAccessManager;
class SortProfileConfigModel;
class VexaIcon;

// The list of stored profiles: create, edit and delete them, and double-click one to upload with it.
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
    QAbstractItemModel* viewModel() const;

public slots:
    void languageChange();
    void slotShowIcon();
    void slotDoubleClicked(const QModelIndex& index);
    void slotMouseMove(const QPoint& point);
    void slotClearSelect();
    void slotCreateProfile();
    void slotEditProfile();
    void slotDeleteProfile();

protected:
    // The dialogs the list opens; tests replace them.
    virtual int runCreateWizard(ServerProfile* profile);
    virtual int runServerSettings(ProfileSummary* summary);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reattachModel();
    QString hoveredProfileName() const;

    int m_mode;
    int m_hoveredRow = -1;
    QNetworkAccessManager* m_manager;
    ServerProfile m_scratchProfile;
    ProfileSummaryMap m_summaries;
    QString m_launchProgram;
    std::unique_ptr<Ui::ProfileEditor> m_ui;
    VexaIcon* m_editIcon;
    VexaIcon* m_deleteIcon;
    ProfileConfigModel* m_model;
    SortProfileConfigModel* m_proxy;
    EditorDelegate* m_delegate;
};
