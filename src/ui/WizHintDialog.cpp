#include "WizHintDialog.h"

#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizHintDialog.h"

#include <QPixmap>

WizHintDialog::WizHintDialog(QWidget* parent)
    : QWizardPage(parent), m_ui(std::make_unique<Ui::WizHintDialog>())
{
    m_ui->setupUi(this);
    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    VexaStyle::applyWidgetStyle(m_ui->m_plbDesc,
                                QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }"));
    languageChange();
}

WizHintDialog::~WizHintDialog() = default;

QString WizHintDialog::hintPicture(const QString& languageCode)
{
    static const QStringList localised = {QStringLiteral("cht"), QStringLiteral("deu"), QStringLiteral("esn"),
                                          QStringLiteral("fra"), QStringLiteral("jpn"), QStringLiteral("krn"),
                                          QStringLiteral("nld"), QStringLiteral("ptg")};
    if (localised.contains(languageCode))
        return QStringLiteral(":/images/hint_") + languageCode + QStringLiteral(".png");
    return QStringLiteral(":/images/hint.png");
}

void WizHintDialog::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::install_finish_desc));
}

void WizHintDialog::initializePage()
{
    languageChange();
    m_ui->m_plbHint->setPixmap(QPixmap(hintPicture(VexaLocale::uiLanguageCode())));
}
