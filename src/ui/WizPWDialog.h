#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class WizPWDialog;
}

// Account page of the create-profile wizard: account, password and whether to remember it. Changing
// the password clears the wizard's record of a successful login, so the new one is checked again.
class WizPWDialog : public QWizardPage
{
    Q_OBJECT

public:
    WizPWDialog(QWidget* parent, bool* loginSucceeded);
    ~WizPWDialog() override;

    void initializePage() override;
    // Keeps the entries when the user goes back: they are set up only on the first visit.
    void cleanupPage() override;
    bool validatePage() override;

public slots:
    void languageChange();
    void slotSavePassChecked(bool blChecked);
    void slotPassChanged(const QString& text);

private:
    bool m_initialised = false;
    bool* m_loginSucceeded;
    std::unique_ptr<Ui::WizPWDialog> m_ui;
};
