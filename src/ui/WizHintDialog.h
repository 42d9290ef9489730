#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class WizHintDialog;
}

// Closing page of the create-profile wizard: how to upload from the file manager, with a picture in
// the UI language.
class WizHintDialog : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizHintDialog(QWidget* parent = nullptr);
    ~WizHintDialog() override;

    void initializePage() override;

    // The picture for a UI language code.
    static QString hintPicture(const QString& languageCode);

public slots:
    void languageChange();

private:
    std::unique_ptr<Ui::WizHintDialog> m_ui;
};
