#include "RefServer.h"

#include "TestEnvironment.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

RefServer::RefServer(const QJsonObject& config) : m_config(config) {}

RefServer::~RefServer()
{
    stop();
}

QJsonObject RefServer::defaultConfig()
{
    auto account = [](const QString& password, const QJsonObject& flags = {}) {
        QJsonObject json = flags;
        json.insert(QStringLiteral("password"), password);
        return json;
    };
    const QJsonObject accounts{
        {QStringLiteral("admin"), account(QStringLiteral("admin"), {{QStringLiteral("admin"), true}})},
        {QStringLiteral("demo"), account(QStringLiteral("demo"), {{QStringLiteral("personal"), true}})},
        {QStringLiteral("alice"), account(QStringLiteral("alice"))},
        {QStringLiteral("bob"), account(QStringLiteral("bob"))},
        {QStringLiteral("carol"), account(QStringLiteral("p&ss=w rd+%"))},
        {QStringLiteral("disabled"),
         account(QStringLiteral("disabled"), {{QStringLiteral("disabled"), true}})},
        {QStringLiteral("outsider"),
         account(QStringLiteral("outsider"), {{QStringLiteral("photo_user"), false}})},
        {QStringLiteral("blocked"),
         account(QStringLiteral("blocked"), {{QStringLiteral("login_noprivilege"), true}})},
    };
    const QJsonObject albums{{QStringLiteral("2012"), QJsonArray{QStringLiteral("alice")}},
                             {QStringLiteral("2012/trip"), QJsonArray{}},
                             {QStringLiteral("2013/party"), QJsonArray{QStringLiteral("alice")}}};
    return QJsonObject{{QStringLiteral("accounts"), accounts},
                       {QStringLiteral("root_uploaders"), QJsonArray{QStringLiteral("demo")}},
                       {QStringLiteral("albums"), albums}};
}

bool RefServer::start()
{
    stop();
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no temporary folder: %1").arg(m_folder.errorString());
        return false;
    }
    QJsonObject config = m_config;
    config.insert(QStringLiteral("root"), QStringLiteral("photo"));
    config.insert(QStringLiteral("homes"), QStringLiteral("homes"));
    QFile configFile(m_folder.filePath(QStringLiteral("config.json")));
    if (!configFile.open(QIODevice::WriteOnly) || configFile.write(QJsonDocument(config).toJson()) < 0) {
        m_error = QStringLiteral("cannot write %1").arg(configFile.fileName());
        return false;
    }
    configFile.close();

    QStringList arguments{QStringLiteral("--config"),
                          configFile.fileName(),
                          QStringLiteral("--port"),
                          QStringLiteral("0"),
                          QStringLiteral("--log"),
                          logFile(),
                          QStringLiteral("--exit-with-parent")};
    if (m_https)
        arguments << QStringLiteral("--https") << QStringLiteral("--cert-dir")
                  << m_folder.filePath(QStringLiteral("certs"));
    arguments += m_extraArguments;

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(TestEnvironment::binDir() + QLatin1String("/lumio-refserver"), arguments);
    const QDeadlineTimer deadline(20000);
    while (!m_process->canReadLine() && m_process->state() != QProcess::NotRunning && !deadline.hasExpired())
        m_process->waitForReadyRead(int(deadline.remainingTime()));
    static const QRegularExpression listening(
        QStringLiteral("^listening on https?://127\\.0\\.0\\.1:(\\d+)$"));
    const QRegularExpressionMatch match = listening.match(QString::fromUtf8(m_process->readLine().trimmed()));
    if (!match.hasMatch()) {
        m_error = QStringLiteral("lumio-refserver did not start (%1)").arg(m_process->errorString());
        stop();
        return false;
    }
    m_port = match.captured(1).toInt();
    return true;
}

void RefServer::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
}

bool RefServer::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

qint64 RefServer::processId() const
{
    return m_process ? m_process->processId() : 0;
}

QString RefServer::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_https ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_port);
}

QString RefServer::personalBaseUrl(const QString& user) const
{
    return baseUrl() + QLatin1String("/~") + QString::fromLatin1(QUrl::toPercentEncoding(user));
}

QString RefServer::photoRoot() const
{
    return m_folder.filePath(QStringLiteral("photo"));
}

QString RefServer::personalRoot(const QString& user) const
{
    return m_folder.filePath(QStringLiteral("homes/") + user);
}

QString RefServer::certificateFile() const
{
    return m_folder.filePath(QStringLiteral("certs/server.crt"));
}

QString RefServer::logFile() const
{
    return m_folder.filePath(QStringLiteral("requests.jsonl"));
}

QList<QJsonObject> RefServer::requestLog(const QString& endpoint) const
{
    QList<QJsonObject> entries;
    QFile file(logFile());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (!entry.isEmpty() &&
            (endpoint.isEmpty() || entry.value(QStringLiteral("endpoint")).toString() == endpoint))
            entries.append(entry);
    }
    return entries;
}

void RefServer::clearRequestLog()
{
    QFile::resize(logFile(), 0);
}

bool RefServer::reset()
{
    if (!setFaults({}))
        return false;
    clearRequestLog();
    QDir(photoRoot()).removeRecursively();
    return QDir().mkpath(photoRoot());
}

bool RefServer::setFaults(const QJsonObject& faults)
{
    return configure(QJsonObject{{QStringLiteral("faults"), faults}});
}

bool RefServer::configure(const QJsonObject& changes)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(baseUrl() + QLatin1String("/__control")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setTransferTimeout(10000);
    const std::unique_ptr<QNetworkReply> reply(
        manager.post(request, QJsonDocument(changes).toJson(QJsonDocument::Compact)));
    QObject::connect(reply.get(), &QNetworkReply::sslErrors, reply.get(),
                     [&reply] { reply->ignoreSslErrors(); });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
    m_error = reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                       : answer.value(QStringLiteral("err_msg")).toString();
    return answer.value(QStringLiteral("success")).toBool();
}
