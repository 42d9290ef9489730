#include "WizVdoQualDialog.h"

#include "ServerProfile.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizVdoQualDialog.h"

#include <QPixmap>

WizVdoQualDialog::WizVdoQualDialog(QWidget* parent, ServerProfile* profile)
    : QWizardPage(parent), m_profile(profile), m_ui(std::make_unique<Ui::WizVdoQualDialog>())
{
    m_ui->setupUi(this);
    registerField(QStringLiteral("HighQual"), m_ui->m_pchkHighQual);
    registerField(QStringLiteral("MediumQual"), m_ui->m_pchkMediumQual);
    registerField(QStringLiteral("LowQual"), m_ui->m_pchkLowQual);
    registerField(QStringLiteral("MobileQual"), m_ui->m_pchkMobileQual);
    languageChange();
}

WizVdoQualDialog::~WizVdoQualDialog() = default;

void WizVdoQualDialog::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::upload_vdo_desc));
    m_ui->m_pchkHighQual->setText(tx(TextId::upload_vdo_high));
    m_ui->m_pchkMediumQual->setText(tx(TextId::upload_vdo_medium));
    m_ui->m_pchkLowQual->setText(tx(TextId::upload_vdo_low));
    m_ui->m_pchkMobileQual->setText(tx(TextId::upload_vdo_mobile));
    m_ui->m_plbToolTip->setToolTip(QStringLiteral("<div style=\"width:500px;\">") +
                                   tx(TextId::upload_vdo_tooltip) + QStringLiteral("</div>"));
}

void WizVdoQualDialog::initializePage()
{
    if (m_defaultsSet)
        return;
    m_defaultsSet = true;
    m_ui->m_pchkMediumQual->setChecked(true);
    m_ui->m_pchkHighQual->setChecked(false);
    m_ui->m_pchkLowQual->setChecked(false);
    m_ui->m_pchkMobileQual->setChecked(false);
    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    m_ui->m_plbDesc->setFixedWidth(400);
    m_ui->m_plbDesc->setWordWrap(true);
    m_ui->m_plbToolTip->setPixmap(QPixmap(QStringLiteral(":/images/bt_help.png")));
    VexaStyle::applyWidgetStyle(m_ui->m_plbDesc,
                                QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }"), 400);
    for (QCheckBox* box :
         {m_ui->m_pchkHighQual, m_ui->m_pchkMediumQual, m_ui->m_pchkLowQual, m_ui->m_pchkMobileQual})
        VexaStyle::applyWidgetStyle(box, QStringLiteral("QCheckBox { font-size : 13px;\n color : #1b1b1b }"));
}

void WizVdoQualDialog::cleanupPage() {}

bool WizVdoQualDialog::validatePage()
{
    QList<int> qualities;
    if (m_ui->m_pchkLowQual->isChecked())
        qualities.append(2);
    if (m_ui->m_pchkMediumQual->isChecked())
        qualities.append(1);
    if (m_ui->m_pchkHighQual->isChecked())
        qualities.append(0);
    if (m_ui->m_pchkMobileQual->isChecked())
        qualities.append(3);
    m_profile->qualities = qualities;
    return true;
}
