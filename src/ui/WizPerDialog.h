#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class WizPerDialog;
}

// Target page of the create-profile wizard: the standard Lumio or the personal Lumio of a user.
class WizPerDialog : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizPerDialog(QWidget* parent = nullptr);
    ~WizPerDialog() override;

    void initializePage() override;
    // Keeps the entries when the user goes back: they are set up only on the first visit.
    void cleanupPage() override;
    bool validatePage() override;

public slots:
    void languageChange();
    void slotPersonalRadioBtnToogled(bool blIsToggled);

private:
    bool m_initialised = false;
    std::unique_ptr<Ui::WizPerDialog> m_ui;
};
