#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class WizVdoQualDialog;
}
class ServerProfile;

// The video renditions to make, shown only when the upload list holds a video.
class WizVdoQualDialog : public QWizardPage
{
    Q_OBJECT

public:
    WizVdoQualDialog(QWidget* parent, ServerProfile* profile);
    ~WizVdoQualDialog() override;

    void initializePage() override;
    void cleanupPage() override;
    bool validatePage() override;

public slots:
    void languageChange();

private:
    bool m_defaultsSet = false;
    ServerProfile* m_profile;
    std::unique_ptr<Ui::WizVdoQualDialog> m_ui;
};
