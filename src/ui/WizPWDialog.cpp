#include "WizPWDialog.h"

#include "ProfileRules.h"
#include "Prompter.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizPWDialog.h"

#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

const QString kLabelStyle = QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }");
const QString kEditStyle = QStringLiteral("QLineEdit { font-size : 13px;\n color : #535353 }");
const QString kCheckStyle = QStringLiteral("QCheckBox { font-size : 13px;\n color : #282828 }");

} // namespace

WizPWDialog::WizPWDialog(QWidget* parent, bool* loginSucceeded)
    : QWizardPage(parent), m_loginSucceeded(loginSucceeded), m_ui(std::make_unique<Ui::WizPWDialog>())
{
    m_ui->setupUi(this);
    registerField(QStringLiteral("Account"), m_ui->m_pedtAccount);
    registerField(QStringLiteral("Password"), m_ui->m_pedtPassword);
    registerField(QStringLiteral("SaveCred"), m_ui->m_pchkSaveCred);
    connect(m_ui->m_pchkSaveCred, &QCheckBox::toggled, this, &WizPWDialog::slotSavePassChecked);
    connect(m_ui->m_pedtPassword, &QLineEdit::textChanged, this, &WizPWDialog::slotPassChanged);

    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    for (QLabel* label : {m_ui->m_plbDesc, m_ui->m_plbAccount, m_ui->m_plbPassword})
        VexaStyle::applyWidgetStyle(label, kLabelStyle);
    for (QLineEdit* edit : {m_ui->m_pedtAccount, m_ui->m_pedtPassword})
        VexaStyle::applyWidgetStyle(edit, kEditStyle, 300, 25);
    VexaStyle::applyWidgetStyle(m_ui->m_pchkSaveCred, kCheckStyle, 300, 25);
    m_ui->m_pedtPassword->setEchoMode(QLineEdit::Password);
    languageChange();
}

WizPWDialog::~WizPWDialog() = default;

void WizPWDialog::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::create_pw_desc));
    m_ui->m_plbAccount->setText(tx(TextId::create_pw_account));
    m_ui->m_plbPassword->setText(tx(TextId::create_pw_password));
    m_ui->m_pchkSaveCred->setText(tx(TextId::create_pw_savepass));
}

void WizPWDialog::initializePage()
{
    languageChange();
    if (!m_ui->m_pedtPassword->validator()) {
        m_ui->m_pedtPassword->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral(".{0,%1}").arg(ProfileRules::kPasswordLength)),
            m_ui->m_pedtPassword));
    }
    m_ui->m_pedtPassword->setMaxLength(ProfileRules::kPasswordLength);
    if (!m_initialised) {
        m_initialised = true;
        m_ui->m_pedtAccount->setText(QStringLiteral("admin"));
        m_ui->m_pedtPassword->clear();
        m_ui->m_pchkSaveCred->setChecked(true);
        m_ui->m_pedtPassword->setEnabled(true);
    }
    // The wizard focuses the page's first field once the page shows; the password comes after that.
    if (m_ui->m_pedtPassword->text().isEmpty())
        QTimer::singleShot(0, m_ui->m_pedtPassword, qOverload<>(&QWidget::setFocus));
}

void WizPWDialog::cleanupPage() {}

void WizPWDialog::slotSavePassChecked(bool blChecked)
{
    m_ui->m_pedtPassword->setEnabled(blChecked);
}

void WizPWDialog::slotPassChanged(const QString&)
{
    if (m_loginSucceeded)
        *m_loginSucceeded = false;
}

bool WizPWDialog::validatePage()
{
    if (m_ui->m_pedtAccount->text().isEmpty()) {
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::err_usrname_empty));
        m_ui->m_pedtAccount->setFocus();
        return false;
    }
    return true;
}
