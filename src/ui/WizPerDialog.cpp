#include "WizPerDialog.h"

#include "Prompter.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizPerDialog.h"

#include <QPixmap>

namespace {

const QString kLabelStyle = QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }");
const QString kEditStyle = QStringLiteral("QLineEdit { font-size : 13px;\n color : #535353 }");
const QString kRadioStyle = QStringLiteral("QRadioButton { font-size : 13px;\n color : #535353 }");

} // namespace

WizPerDialog::WizPerDialog(QWidget* parent) : QWizardPage(parent), m_ui(std::make_unique<Ui::WizPerDialog>())
{
    m_ui->setupUi(this);
    registerField(QStringLiteral("PersonalName"), m_ui->m_pedtPersonalName);
    registerField(QStringLiteral("IsPersonalLumio"), m_ui->m_pradPersonalLumio);
    connect(m_ui->m_pradPersonalLumio, &QRadioButton::toggled, this,
            &WizPerDialog::slotPersonalRadioBtnToogled);

    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    for (QLabel* label : {m_ui->m_plbDesc, m_ui->m_plbupdto})
        VexaStyle::applyWidgetStyle(label, kLabelStyle);
    for (QRadioButton* radio : {m_ui->m_pradLumio, m_ui->m_pradPersonalLumio})
        VexaStyle::applyWidgetStyle(radio, kRadioStyle);
    VexaStyle::applyWidgetStyle(m_ui->m_pedtPersonalName, kEditStyle, 165, 25);
    m_ui->m_plbToolTip->setPixmap(QPixmap(QStringLiteral(":/images/bt_help.png")));
    languageChange();
}

WizPerDialog::~WizPerDialog() = default;

void WizPerDialog::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::create_per_desc));
    m_ui->m_plbupdto->setText(tx(TextId::create_per_uploadto));
    m_ui->m_pradLumio->setText(tx(TextId::create_per_photo));
    m_ui->m_pradPersonalLumio->setText(tx(TextId::create_per_photo_personal));
    m_ui->m_pedtPersonalName->setPlaceholderText(tx(TextId::create_per_username));
    m_ui->m_plbToolTip->setToolTip(QStringLiteral("<div style=\"width:500px;\">") +
                                   tx(TextId::create_per_tooltip) + QStringLiteral("</div>"));
}

void WizPerDialog::initializePage()
{
    languageChange();
    if (m_initialised)
        return;
    m_initialised = true;
    m_ui->m_pradLumio->setChecked(true);
    m_ui->m_pedtPersonalName->setEnabled(false);
}

void WizPerDialog::cleanupPage() {}

void WizPerDialog::slotPersonalRadioBtnToogled(bool blIsToggled)
{
    m_ui->m_pedtPersonalName->setEnabled(blIsToggled);
}

bool WizPerDialog::validatePage()
{
    if (m_ui->m_pradPersonalLumio->isChecked() && m_ui->m_pedtPersonalName->text().isEmpty()) {
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::err_personal_empty));
        m_ui->m_pedtPersonalName->setFocus();
        return false;
    }
    return true;
}
