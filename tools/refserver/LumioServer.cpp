#include "LumioServer.h"

#include "BodyParser.h"
#include "Exchange.h"
#include "PhotoStore.h"
#include "RequestLog.h"
#include "TempUpload.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <httplib.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace {

const QString kSessionCookie = QStringLiteral("LUMIOSESSID");
// Where a multipart "Content-Type" goes so that the HTTP library passes the body on unparsed.
const char* const kHiddenContentType = "Lumio-Multipart-Content-Type";
const qint64 kFormLimit = 16 * 1024 * 1024;
// Every Lumio script may sit below a personal site prefix "/~user".
const std::string kSitePrefix = R"((?:/~([^/]+))?)";

QJsonObject failure(const QString& key)
{
    return QJsonObject{{QStringLiteral("success"), false}, {QStringLiteral("err_msg"), key}};
}

QByteArray htmlPage(const QString& title, const QString& text)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p>"
                          "</body></html>\n")
        .arg(title.toHtmlEscaped(), text.toHtmlEscaped())
        .toUtf8();
}

QJsonObject fieldsJson(const BodyParser::Fields& fields)
{
    QJsonObject json;
    for (const auto& field : fields)
        json.insert(field.first, field.second);
    return json;
}

// An upload-initialisation key is "/" + album path + "/" + name; the album path is empty for the root.
bool splitItemKey(const QString& key, QString* path, QString* name)
{
    if (!key.startsWith(QLatin1Char('/')))
        return false;
    const QString rest = key.mid(1);
    const int slash = rest.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    *path = rest.left(slash);
    *name = rest.mid(slash + 1);
    return PhotoStore::isLegalPath(*path) && PhotoStore::isLegalName(*name);
}

} // namespace

LumioServer::LumioServer(const ServerConfig& config, RequestLog* log) : m_config(config), m_log(log) {}

LumioServer::~LumioServer() = default;

bool LumioServer::useTls(const QString& certificateFile, const QString& keyFile, QString* error)
{
    return m_relay.useTls(certificateFile, keyFile, error);
}

bool LumioServer::useAlternateTls(const QString& certificateFile, const QString& keyFile, QString* error)
{
    return m_relay.useAlternateTls(certificateFile, keyFile, error);
}

int LumioServer::bind(int port, QString* error)
{
    prepareFolders(m_config);
    m_http = std::make_unique<httplib::Server>();
    m_http->set_read_timeout(60);
    m_http->set_write_timeout(60);
    m_http->set_keep_alive_max_count(1000);
    addRoutes();
    const int internalPort = m_http->bind_to_any_port("127.0.0.1");
    if (internalPort < 0) {
        *error = QStringLiteral("cannot listen on an internal port");
        return -1;
    }
    return m_relay.listen(port, internalPort, error);
}

bool LumioServer::run()
{
    m_relay.start();
    return m_http->listen_after_bind();
}

void LumioServer::stop()
{
    m_relay.stop();
    if (m_http)
        m_http->stop();
}

void LumioServer::addRoutes()
{
    using httplib::ContentReader;
    using httplib::Request;
    using httplib::Response;
    auto route = [this](const QString& endpoint, Handler handler) {
        return [this, endpoint, handler](const Request& request, Response& response,
                                         const ContentReader& reader) {
            serve(endpoint, handler, request, response, &reader);
        };
    };
    const std::string login = kSitePrefix + R"(/blog/login\.php)";
    const std::string albums = kSitePrefix + R"(/photo/include/asst_get_uploadable_album\.php)";
    const std::string upload = kSitePrefix + R"(/photo/include/asst_file_upload\.php)";
    const std::string init = kSitePrefix + R"(/photo/include/asst_upload_init\.php)";

    // The library parses multipart bodies on its own and refuses the uploader's, whose last delimiter
    // lacks the closing "--". With the media type moved aside the handlers get the raw body and parse it
    // themselves (they read the media type from the recorded head); the request object is not const
    // inside the library, only the handler's view of it.
    m_http->set_pre_routing_handler([](const Request& request, Response&) {
        auto& headers = const_cast<Request&>(request).headers;
        const auto type = headers.find("Content-Type");
        if (type != headers.end() &&
            QByteArray::fromStdString(type->second).trimmed().toLower().startsWith("multipart/")) {
            const std::string value = type->second;
            headers.erase(type);
            headers.emplace(kHiddenContentType, value);
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    m_http->Post("/__control",
                 [this](const Request& request, Response& response, const ContentReader& reader) {
                     serveControl(request, response, &reader);
                 });
    m_http->Get("/__control", [this](const Request& request, Response& response) {
        serveControl(request, response, nullptr);
    });
    m_http->Post(login, route(QStringLiteral("login"), &LumioServer::handleLogin));
    m_http->Post(albums, route(QStringLiteral("album"), &LumioServer::handleAlbums));
    m_http->Post(upload, route(QStringLiteral("upload"), &LumioServer::handleUpload));
    m_http->Put(upload, route(QStringLiteral("upload"), &LumioServer::handleUpload));
    m_http->Post(init, route(QStringLiteral("init"), &LumioServer::handleUploadInit));
    m_http->Get("/", [this](const Request& request, Response& response) {
        serve(QStringLiteral("probe"), &LumioServer::handleProbe, request, response, nullptr);
    });
    m_http->Get(".*", [this](const Request& request, Response& response) {
        serveUnknown(request, response, nullptr);
    });
    m_http->Post(".*", [this](const Request& request, Response& response, const ContentReader& reader) {
        serveUnknown(request, response, &reader);
    });
    m_http->Put(".*", [this](const Request& request, Response& response, const ContentReader& reader) {
        serveUnknown(request, response, &reader);
    });
}

void LumioServer::serve(const QString& endpoint, Handler handler, const httplib::Request& request,
                        httplib::Response& response, const httplib::ContentReader* reader)
{
    const std::optional<QByteArray> head =
        m_relay.takeHead(request.remote_port, request.method, request.target);
    Exchange exchange(request, response, reader, head.value_or(QByteArray()));
    if (!head) {
        exchange.discardBody();
        exchange.replyPage(
            400, htmlPage(QStringLiteral("Bad Request"), QStringLiteral("Unreadable request head.")));
        return;
    }
    Context context;
    int number = 0;
    FaultRule rule;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        number = ++m_requestCounts[endpoint];
        rule = m_config.faults.value(endpoint);
        context.config = m_config;
    }
    context.site = exchange.site();
    context.root =
        context.site.isEmpty() ? context.config.root : context.config.homes + QLatin1Char('/') + context.site;
    context.token = BodyParser::cookieValue(exchange.rawHeader("Cookie"), kSessionCookie);
    if (!context.token.isEmpty())
        context.session = m_sessions.find(context.token);

    QJsonObject& log = exchange.logEntry();
    log.insert(QStringLiteral("endpoint"), endpoint);
    log.insert(QStringLiteral("request_number"), number);
    log.insert(QStringLiteral("connection"), m_relay.connectionNumber(request.remote_port));
    log.insert(QStringLiteral("site"), context.site);
    log.insert(QStringLiteral("cookie"), !context.token.isEmpty());
    if (context.session)
        log.insert(QStringLiteral("account"), context.session->account);

    const bool faulty = rule.appliesTo(number);
    if (faulty && rule.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(rule.delayMs));
    if (rule.dropRequests.contains(number) || rule.dropMidBodyRequests.contains(number)) {
        if (rule.dropMidBodyRequests.contains(number))
            exchange.readPartOfBody(
                QString::fromStdString(exchange.rawHeader("Content-Length")).toLongLong() / 2);
        else
            exchange.discardBody();
        log.insert(QStringLiteral("dropped"), true);
        writeLog(exchange);
        m_relay.drop(request.remote_port);
        return;
    }
    if (rule.silentRequests.contains(number)) {
        exchange.discardBody();
        log.insert(QStringLiteral("silent"), true);
        writeLog(exchange);
        m_relay.waitUntilClosed(request.remote_port, std::chrono::minutes(10));
        m_relay.drop(request.remote_port);
        return;
    }
    if (faulty && rule.replacesReply()) {
        exchange.discardBody();
        QByteArray body;
        if (!rule.errMsg.isEmpty())
            body = QJsonDocument(failure(rule.errMsg)).toJson(QJsonDocument::Compact);
        else if (rule.body == QLatin1String("html") || rule.body.isEmpty())
            body = rule.bodyText.isEmpty()
                       ? htmlPage(QStringLiteral("Lumio"), QStringLiteral("Page not available"))
                       : rule.bodyText.toUtf8();
        else if (rule.body == QLatin1String("text"))
            body = rule.bodyText.toUtf8();
        const int status = rule.status != 0 ? rule.status : (rule.location.isEmpty() ? 200 : 302);
        exchange.reply(status, rule.errMsg.isEmpty() ? "text/html; charset=UTF-8" : "application/json", body);
        if (!rule.location.isEmpty())
            response.set_header("Location", rule.location.toStdString());
        log.insert(QStringLiteral("fault"), true);
        writeLog(exchange);
        return;
    }
    if (!context.site.isEmpty() && !context.config.accounts.contains(context.site)) {
        exchange.discardBody();
        exchange.replyPage(404,
                           htmlPage(QStringLiteral("Not Found"), QStringLiteral("No such personal Lumio.")));
        writeLog(exchange);
        return;
    }
    if (rule.sessionLostAfter >= 0 && number > rule.sessionLostAfter) {
        exchange.discardBody();
        if (!context.token.isEmpty())
            m_sessions.close(context.token);
        exchange.replyJson(failure(QStringLiteral("session_lost")));
        log.insert(QStringLiteral("fault"), true);
        writeLog(exchange);
        return;
    }
    (this->*handler)(exchange, context);
    if (rule.cutReplyRequests.contains(number)) {
        log.insert(QStringLiteral("cut"), true);
        m_relay.cutReply(request.remote_port);
    }
    if (faulty && rule.body == QLatin1String("leading_blank")) {
        response.body.insert(0, 1, ' ');
        log.insert(QStringLiteral("fault"), true);
    }
    writeLog(exchange);
}

void LumioServer::serveControl(const httplib::Request& request, httplib::Response& response,
                               const httplib::ContentReader* reader)
{
    Exchange exchange(request, response, reader, QByteArray());
    std::lock_guard<std::mutex> lock(m_mutex);
    if (request.method == "GET") {
        QJsonObject counts;
        for (auto it = m_requestCounts.begin(); it != m_requestCounts.end(); ++it)
            counts.insert(it.key(), it.value());
        exchange.replyJson(QJsonObject{{QStringLiteral("success"), true},
                                       {QStringLiteral("config"), m_config.toJson()},
                                       {QStringLiteral("request_counts"), counts}});
        return;
    }
    QByteArray body;
    if (!exchange.readBody(&body, kFormLimit)) {
        exchange.replyJson(failure(QStringLiteral("request_too_large")));
        return;
    }
    QJsonParseError parseError;
    QJsonObject changes = QJsonDocument::fromJson(body, &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        exchange.replyJson(failure(parseError.errorString()));
        return;
    }
    const QString certificate = changes.take(QStringLiteral("certificate")).toString();
    if (!certificate.isEmpty() && certificate != QLatin1String("primary") &&
        certificate != QLatin1String("alternate")) {
        exchange.replyJson(failure(QStringLiteral("certificate must be primary or alternate")));
        return;
    }
    const bool resetSessions = changes.take(QStringLiteral("reset_sessions")).toBool();
    const bool resetCounts =
        changes.take(QStringLiteral("reset_counters")).toBool() || changes.contains(QStringLiteral("faults"));
    QString error;
    if (!m_config.merge(changes, QDir::currentPath(), &error)) {
        exchange.replyJson(failure(error));
        return;
    }
    if (resetCounts)
        m_requestCounts.clear();
    if (resetSessions)
        m_sessions.clear();
    if (!certificate.isEmpty())
        m_relay.presentAlternate(certificate == QLatin1String("alternate"));
    prepareFolders(m_config);
    exchange.replyJson(QJsonObject{{QStringLiteral("success"), true}});
}

void LumioServer::serveUnknown(const httplib::Request& request, httplib::Response& response,
                               const httplib::ContentReader* reader)
{
    const std::optional<QByteArray> head =
        m_relay.takeHead(request.remote_port, request.method, request.target);
    Exchange exchange(request, response, reader, head.value_or(QByteArray()));
    exchange.discardBody();
    exchange.logEntry().insert(QStringLiteral("endpoint"), QStringLiteral("unknown"));
    exchange.replyPage(404, htmlPage(QStringLiteral("Not Found"),
                                     QStringLiteral("The requested URL was not found on this server.")));
    writeLog(exchange);
}

void LumioServer::writeLog(const Exchange& exchange)
{
    if (m_log)
        m_log->write(exchange.finishedLogEntry());
}

void LumioServer::handleProbe(Exchange& exchange, const Context&)
{
    exchange.replyPage(200, htmlPage(QStringLiteral("Lumio"), QStringLiteral("Lumio reference server")));
}

void LumioServer::handleLogin(Exchange& exchange, const Context& context)
{
    QByteArray body;
    exchange.readBody(&body, kFormLimit);
    const BodyParser::Fields form = BodyParser::parseForm(body);
    exchange.logEntry().insert(QStringLiteral("form"), fieldsJson(form));

    const ServerConfig& config = context.config;
    const QString name = BodyParser::field(form, QStringLiteral("username"));
    const bool runPhoto =
        config.runPhoto && (context.site.isEmpty() || config.accounts.value(context.site).personal);
    QJsonObject reply{{QStringLiteral("success"), false},
                      {QStringLiteral("run_photo"), runPhoto},
                      {QStringLiteral("has_photo_root_path"), config.hasPhotoRootPath},
                      {QStringLiteral("not_photo_user"), false}};
    const auto account = config.accounts.constFind(name);
    const bool known = BodyParser::field(form, QStringLiteral("action")) == QLatin1String("login") &&
                       account != config.accounts.constEnd() &&
                       account->password == BodyParser::field(form, QStringLiteral("passwd"));
    if (!known) {
        exchange.replyJson(reply);
    } else if (account->disabled) {
        reply.insert(QStringLiteral("success"), QStringLiteral("disable_account"));
        exchange.replyJson(reply);
    } else if (!account->photoUser) {
        reply.insert(QStringLiteral("not_photo_user"), true);
        exchange.replyJson(reply);
    } else if (account->loginNoPrivilege) {
        reply.insert(QStringLiteral("success"), QStringLiteral("login_noprivilege"));
        exchange.replyJson(reply);
    } else {
        QDir().mkpath(context.root);
        const QString token = m_sessions.open(name, context.site);
        reply.insert(QStringLiteral("success"), true);
        exchange.replyJson(reply);
        const QString attributes = config.secureCookie ? QStringLiteral("; path=/; Secure; HttpOnly")
                                                       : QStringLiteral("; path=/; HttpOnly");
        exchange.response().set_header(
            "Set-Cookie", QString(kSessionCookie + QLatin1Char('=') + token + attributes).toStdString());
    }
}

void LumioServer::handleAlbums(Exchange& exchange, const Context& context)
{
    QByteArray body;
    exchange.readBody(&body, kFormLimit);
    const BodyParser::Fields form = BodyParser::parseForm(body);
    exchange.logEntry().insert(QStringLiteral("form"), fieldsJson(form));
    if (!requireSession(exchange, context))
        return;

    const QString action = BodyParser::field(form, QStringLiteral("action"));
    if (action == QLatin1String("get_uploadable_album_list")) {
        QStringList candidates = PhotoStore::albumPaths(context.root, 2);
        if (context.site.isEmpty()) {
            for (const QString& grant : context.config.grantsOf(context.session->account)) {
                if (!grant.isEmpty() && !PhotoStore::existingFolder(context.root, grant).isEmpty())
                    candidates.append(grant);
            }
        }
        QStringList uploadable;
        for (const QString& path : candidates) {
            if (mayUpload(context, path))
                uploadable.append(path);
        }
        uploadable.sort();
        uploadable.removeDuplicates();
        exchange.replyJson(QJsonObject{
            {QStringLiteral("success"), true},
            {QStringLiteral("is_admin"), context.config.accounts.value(context.session->account).admin},
            {QStringLiteral("is_root_updable"), mayUpload(context, QString())},
            {QStringLiteral("uploadable_albums"), QJsonArray::fromStringList(uploadable)}});
    } else if (action == QLatin1String("get_all_subalbum_list")) {
        const QString path = BodyParser::field(form, QStringLiteral("path"));
        const QString folder = PhotoStore::existingFolder(context.root, path);
        if (folder.isEmpty()) {
            exchange.replyJson(failure(QLatin1String("target_folder_not_found_/") + path));
            return;
        }
        exchange.replyJson(QJsonObject{
            {QStringLiteral("success"), true},
            {QStringLiteral("sub_albums"), QJsonArray::fromStringList(PhotoStore::subFolders(folder))}});
    } else {
        exchange.replyJson(failure(QStringLiteral("unknown_action")));
    }
}

void LumioServer::handleUpload(Exchange& exchange, const Context& context)
{
    const QString path = exchange.decodedHeader("X-PATH");
    const QString name = exchange.decodedHeader("X-ORIG-FNAME");
    const QString type = QString::fromStdString(exchange.rawHeader("X-UPLOAD-TYPE"));
    exchange.logEntry().insert(
        QStringLiteral("decoded"),
        QJsonObject{{QStringLiteral("X-PATH"), path}, {QStringLiteral("X-ORIG-FNAME"), name}});
    if (!requireSession(exchange, context))
        return;
    if (type == QLatin1String("FOLDER")) {
        exchange.discardBody();
        storeFolder(exchange, context, path, name);
    } else if (type == QLatin1String("ORIG_FILE") || !PhotoStore::renditionFileName(type).isEmpty()) {
        storeFile(exchange, context, path, name, type);
    } else {
        exchange.discardBody();
        exchange.replyJson(failure(QStringLiteral("bad_upload_type")));
    }
}

void LumioServer::storeFolder(Exchange& exchange, const Context& context, const QString& path,
                              const QString& name)
{
    if (!PhotoStore::isLegalPath(path)) {
        exchange.replyJson(failure(QLatin1String("bad_dir_name_") + path));
        return;
    }
    if (!PhotoStore::isLegalFolderName(name)) {
        exchange.replyJson(failure(QLatin1String("bad_dir_name_") + name));
        return;
    }
    const QString parent = PhotoStore::existingFolder(context.root, path);
    if (parent.isEmpty()) {
        exchange.replyJson(failure(QLatin1String("target_folder_not_found_/") + path));
        return;
    }
    if (!mayUpload(context, path)) {
        exchange.replyJson(failure(QStringLiteral("no_privilege")));
        return;
    }
    const QString folder = parent + QLatin1Char('/') + name;
    const bool existed = QFileInfo::exists(folder);
    if (!existed && !QDir().mkdir(folder)) {
        exchange.replyJson(failure(QStringLiteral("create_folder_failed")));
        return;
    }
    exchange.replyJson(
        QJsonObject{{QStringLiteral("success"), true}, {QStringLiteral("duplicate_folder"), existed}});
}

void LumioServer::storeFile(Exchange& exchange, const Context& context, const QString& path,
                            const QString& name, const QString& type)
{
    const QString folder = PhotoStore::existingFolder(context.root, path);
    QString refusal;
    if (folder.isEmpty())
        refusal = QLatin1String("target_folder_not_found_/") + path;
    else if (!mayUpload(context, path))
        refusal = QStringLiteral("no_privilege");
    else if (!PhotoStore::isLegalName(name))
        refusal = QLatin1String("bad_file_name_") + name;
    if (!refusal.isEmpty()) {
        exchange.discardBody();
        exchange.replyJson(failure(refusal));
        return;
    }

    const bool original = type == QLatin1String("ORIG_FILE");
    const QString duplicate = QString::fromStdString(exchange.rawHeader("X-DUPLICATE"));
    const QString staging = PhotoStore::stagingFolder(folder, context.token.left(16), name);
    const QString target = folder + QLatin1Char('/') + name;
    if (original && duplicate == QLatin1String("SKIP") && QFileInfo::exists(target)) {
        // Refuse before receiving: the body would be thrown away anyway.
        exchange.discardBody();
        QDir(staging).removeRecursively();
        exchange.replyJson(failure(QStringLiteral("duplicated_file")));
        return;
    }
    if (!original)
        QDir().mkpath(staging);
    TempUpload upload(original ? folder : staging);
    bool writeFailed = !upload.isOpen();
    const bool received = exchange.streamBody(
        [&upload](const char* data, size_t size) { return upload.isOpen() && upload.write(data, size); },
        &writeFailed);
    if (!received) {
        exchange.response().status = 400;
        return;
    }
    bool timeValid = false;
    const qint64 modified =
        QString::fromStdString(exchange.rawHeader("X-LAST-MODIFIED-TIME")).trimmed().toLongLong(&timeValid);
    if (writeFailed || !upload.finish(modified, timeValid)) {
        exchange.replyJson(failure(QStringLiteral("write_failed")));
        return;
    }
    if (!original) {
        if (!upload.moveTo(staging + QLatin1Char('/') + PhotoStore::renditionFileName(type),
                           TempUpload::Placement::Replace))
            exchange.replyJson(failure(QStringLiteral("write_failed")));
        else
            exchange.replyJson(QJsonObject{{QStringLiteral("success"), true}});
        return;
    }

    QString stored = name;
    bool moved = false;
    if (duplicate == QLatin1String("OVERWRITE")) {
        moved = upload.moveTo(target, TempUpload::Placement::Replace);
    } else if (duplicate == QLatin1String("SKIP")) {
        moved = upload.moveTo(target, TempUpload::Placement::KeepExisting);
    } else {
        for (int number = 1; !moved && number < 100000; ++number) {
            moved = upload.moveTo(folder + QLatin1Char('/') + stored, TempUpload::Placement::KeepExisting);
            if (!moved && errno != EEXIST)
                break;
            if (!moved)
                stored = PhotoStore::numberedName(name, number);
        }
    }
    if (!moved) {
        const bool taken = errno == EEXIST || errno == EISDIR || errno == ENOTEMPTY;
        QDir(staging).removeRecursively();
        exchange.replyJson(
            failure(taken ? QStringLiteral("duplicated_file") : QStringLiteral("write_failed")));
        return;
    }
    PhotoStore::adoptRenditions(staging, PhotoStore::renditionFolder(folder, stored));
    exchange.replyJson(
        QJsonObject{{QStringLiteral("success"), true}, {QStringLiteral("saved_name"), stored}});
}

void LumioServer::handleUploadInit(Exchange& exchange, const Context& context)
{
    QByteArray body;
    const bool complete = exchange.readBody(&body, kFormLimit);
    BodyParser::Fields parts;
    const bool parsed =
        complete && BodyParser::parseMultipart(exchange.rawHeader("Content-Type"), body, &parts);
    exchange.logEntry().insert(QStringLiteral("multipart"), fieldsJson(parts));
    if (!requireSession(exchange, context))
        return;
    const auto filelist = std::find_if(
        parts.begin(), parts.end(), [](const auto& part) { return part.first == QLatin1String("filelist"); });
    if (!parsed || filelist == parts.end()) {
        exchange.replyJson(failure(QStringLiteral("bad_filelist")));
        return;
    }
    QStringList duplicated;
    QStringList refused;
    for (const QString& key :
         filelist->second.split(QStringLiteral("/FolderDelimiter/"), Qt::SkipEmptyParts)) {
        QString path;
        QString name;
        if (!splitItemKey(key, &path, &name) || !mayUpload(context, path)) {
            refused.append(key);
            continue;
        }
        const QString folder = PhotoStore::existingFolder(context.root, path);
        if (!folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + name))
            duplicated.append(key);
    }
    exchange.replyJson(
        QJsonObject{{QStringLiteral("success"), true},
                    {QStringLiteral("duplicated_files"), QJsonArray::fromStringList(duplicated)},
                    {QStringLiteral("no_privilege_files"), QJsonArray::fromStringList(refused)}});
}

bool LumioServer::requireSession(Exchange& exchange, const Context& context) const
{
    const auto& session = context.session;
    const auto account =
        session ? context.config.accounts.constFind(session->account) : context.config.accounts.constEnd();
    const bool valid = session && session->site == context.site &&
                       account != context.config.accounts.constEnd() && !account->disabled;
    exchange.logEntry().insert(QStringLiteral("session"), valid);
    if (!valid) {
        exchange.discardBody();
        exchange.replyJson(failure(QStringLiteral("session_lost")));
    }
    return valid;
}

bool LumioServer::mayUpload(const Context& context, const QString& path) const
{
    const QString& account = context.session->account;
    if (context.config.accounts.value(account).admin)
        return true;
    if (!context.site.isEmpty())
        return account == context.site;
    for (const QString& grant : context.config.grantsOf(account)) {
        if (grant.isEmpty() || path == grant || path.startsWith(grant + QLatin1Char('/')))
            return true;
    }
    return false;
}

void LumioServer::prepareFolders(const ServerConfig& config)
{
    QDir().mkpath(config.root);
    for (auto it = config.albums.begin(); it != config.albums.end(); ++it) {
        if (PhotoStore::isLegalPath(it.key()) && !it.key().isEmpty())
            QDir().mkpath(config.root + QLatin1Char('/') + it.key());
    }
    for (auto it = config.accounts.begin(); it != config.accounts.end(); ++it) {
        if (it.value().personal)
            QDir().mkpath(config.homes + QLatin1Char('/') + it.key());
    }
}
