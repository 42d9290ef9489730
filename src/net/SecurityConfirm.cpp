#include "SecurityConfirm.h"

#include "CertificateTrust.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "RequestTimeout.h"
#include "ServerProfile.h"
#include "ServerReply.h"
#include "VexaLocale.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

SecurityConfirm::SecurityConfirm(QObject* parent) : QThread(parent) {}

SecurityConfirm::~SecurityConfirm()
{
    wait();
    delete m_reply;
}

void SecurityConfirm::run()
{
    emit signalLogin();
}

bool SecurityConfirm::prepareLogin(QNetworkAccessManager* manager, ServerProfile* profile,
                                   bool retryOnFailure, bool forcePrompt)
{
    ++m_requestCounter;
    m_loginSucceeded = false;
    m_unreachable = false;
    m_retryOnFailure = retryOnFailure;
    m_promptForced = forcePrompt;
    m_profile = profile;
    m_baseUrl = profile->baseUrl;
    m_personal = profile->personal;
    m_account = profile->account;

    if (!profile->savepass || forcePrompt) {
        QString typed;
        if (!Prompter::instance()->askText(nullptr, VexaLocale::applicationTitle(),
                                           tx(TextId::msg_enter_pass).arg(m_account), true,
                                           tx(TextId::btn_ok), tx(TextId::btn_cancel), &typed))
            return false;
        m_password = typed;
    } else {
        m_password = profile->password;
    }

    m_manager = manager;
    if (m_reply)
        m_reply->deleteLater();
    m_reply = nullptr;
    connect(this, &SecurityConfirm::signalLogin, this, &SecurityConfirm::slotLoginLumio,
            Qt::UniqueConnection);
    return true;
}

void SecurityConfirm::slotLoginLumio()
{
    // The password goes out only over a connection whose certificate the user trusts.
    const CertificateTrust::Outcome trust = CertificateTrust::settle(m_profile);
    if (trust == CertificateTrust::Outcome::Declined || trust == CertificateTrust::Outcome::Changed) {
        emit signalLoginFinish(false);
        return;
    }
    QNetworkRequest request(QUrl(m_baseUrl + QLatin1String("/blog/login.php")));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    // A redirect is part of the answer: its target tells whether Lumio is switched off.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(static_cast<QNetworkRequest::Attribute>(kCounterAttribute), m_requestCounter);
    request.setAttribute(static_cast<QNetworkRequest::Attribute>(kPersonalAttribute), m_personal);
    const QByteArray body = QByteArray("action=login") + "&username=" + QUrl::toPercentEncoding(m_account) +
                            "&passwd=" + QUrl::toPercentEncoding(m_password);
    if (m_reply)
        m_reply->deleteLater();
    m_reply = m_manager->post(request, body);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, &SecurityConfirm::slotLoginRequestFinished);
    CertificateTrust::guard(reply);
    RequestTimeout::watch(reply);
}

QString SecurityConfirm::evaluate(QNetworkReply* reply)
{
    const bool personal =
        reply->request().attribute(static_cast<QNetworkRequest::Attribute>(kPersonalAttribute)).toBool();
    if (reply->error() == QNetworkReply::ContentNotFoundError)
        return tx(TextId::err_photo_not_install);
    if (reply->error() != QNetworkReply::NoError)
        return RequestTimeout::transportErrorText(reply);

    const QString disabledText =
        personal ? tx(TextId::err_photo_personal_disable) : tx(TextId::err_photo_disable);
    QByteArray location = reply->rawHeader("Location");
    const int nul = location.indexOf('\0');
    if (nul >= 0)
        location.truncate(nul);
    const QByteArray body = reply->readAll();
    const ServerReply parsed(body);
    const bool isAdmin = m_account.toLower() == QLatin1String("admin");

    if (parsed.isJson()) {
        const bool photoRuns = parsed.boolProperty(QStringLiteral("run_photo"));
        if (parsed.strictSuccess()) {
            if (!photoRuns && !isAdmin)
                return disabledText;
            if (parsed.boolProperty(QStringLiteral("has_photo_root_path"))) {
                m_loginSucceeded = true;
                return QString();
            }
            return tx(TextId::err_photo_root_not_found);
        }
        const QString reason = parsed.stringProperty(QStringLiteral("success"));
        if (!photoRuns && !isAdmin)
            return disabledText;
        if (reason == QLatin1String("disable_account"))
            return tx(TextId::err_account_disable);
        if (parsed.boolProperty(QStringLiteral("not_photo_user")))
            return tx(TextId::err_account_invalid).arg(m_account);
        if (reason == QLatin1String("login_noprivilege"))
            return tx(TextId::err_login_autoblock);
        return tx(TextId::err_auth_fail);
    }
    if (QString::fromLatin1(location).contains(QLatin1String("photo_str_service_disabled")) ||
        body.contains("service_not_available"))
        return disabledText;
    return tx(TextId::err_login_server);
}

void SecurityConfirm::slotLoginRequestFinished()
{
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    const int counter =
        reply->request().attribute(static_cast<QNetworkRequest::Attribute>(kCounterAttribute)).toInt();
    if (counter != m_requestCounter)
        return;

    m_loginSucceeded = false;
    m_unreachable =
        reply->error() != QNetworkReply::NoError && reply->error() != QNetworkReply::ContentNotFoundError;
    const QString errorText = evaluate(reply);
    if (m_loginSucceeded) {
        // A password typed while "Remember password" is off serves this run only.
        if (m_promptForced && m_profile && m_profile->savepass)
            ProfileStore::storePassword(m_profile->profname, m_password);
        emit signalLoginFinish(true);
        return;
    }

    Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_error), errorText);
    if (m_retryOnFailure && prepareLogin(m_manager, m_profile, true, true)) {
        slotLoginLumio();
        return;
    }
    emit signalLoginFinish(false);
}
