#include "VexaWizard.h"

#include "VexaLocale.h"

VexaWizard::VexaWizard(QWidget* parent)
    : QWizard(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    // One past AeroStyle: the style keeps the plain frame the artwork was drawn for.
    setWizardStyle(static_cast<QWizard::WizardStyle>(QWizard::AeroStyle + 1));
    setWindowTitle(VexaLocale::applicationTitle());
    setButtonText(QWizard::BackButton, tx(TextId::btn_back));
    setButtonText(QWizard::NextButton, tx(TextId::btn_next));
    setButtonText(QWizard::CancelButton, tx(TextId::btn_cancel));
    setButtonText(QWizard::FinishButton, tx(TextId::btn_finish));
    setOption(QWizard::CancelButtonOnLeft, true);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setFixedSize(520, 355);
}

VexaWizard::~VexaWizard() = default;

void VexaWizard::accept()
{
    QDialog::accept();
}
