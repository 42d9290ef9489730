#pragma once

#include "ConnectionRelay.h"
#include "ServerConfig.h"
#include "SessionStore.h"

#include <QHash>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>

namespace httplib {
class Server;
struct Request;
struct Response;
class ContentReader;
} // namespace httplib

class Exchange;
class RequestLog;

// The Lumio side of the uploader's HTTP interface on 127.0.0.1: login, album list, album creation,
// upload initialisation and file upload, for the shared photo folder and for personal Lumio sites under
// "/~" + account. Clients reach it through the connection relay, which records each request head; the
// HTTP library behind it listens on an internal loopback port. Requests are served on the library's
// worker threads; the configuration, the request counters and the sessions are shared under locks.
class LumioServer
{
public:
    LumioServer(const ServerConfig& config, RequestLog* log);
    ~LumioServer();
    LumioServer(const LumioServer&) = delete;
    LumioServer& operator=(const LumioServer&) = delete;

    // Serves HTTPS with these PEM files instead of plain HTTP; call before bind().
    bool useTls(const QString& certificateFile, const QString& keyFile, QString* error);
    // The identity that "certificate": "alternate" in a control request switches new connections to.
    bool useAlternateTls(const QString& certificateFile, const QString& keyFile, QString* error);
    // Creates the configured folders and binds 127.0.0.1 at port, 0 meaning any free port. Returns the
    // bound port, or -1 with error set.
    int bind(int port, QString* error);
    // Serves until stop() is called.
    bool run();
    void stop();

private:
    class Context
    {
    public:
        ServerConfig config;
        QString site; // "" or the owner of a personal Lumio
        QString root; // the site's photo folder
        QString token;
        std::optional<SessionStore::Session> session;
    };
    using Handler = void (LumioServer::*)(Exchange&, const Context&);

    void addRoutes();
    void serve(const QString& endpoint, Handler handler, const httplib::Request& request,
               httplib::Response& response, const httplib::ContentReader* reader);
    void serveControl(const httplib::Request& request, httplib::Response& response,
                      const httplib::ContentReader* reader);
    void serveUnknown(const httplib::Request& request, httplib::Response& response,
                      const httplib::ContentReader* reader);
    void writeLog(const Exchange& exchange);

    void handleProbe(Exchange& exchange, const Context& context);
    void handleLogin(Exchange& exchange, const Context& context);
    void handleAlbums(Exchange& exchange, const Context& context);
    void handleUpload(Exchange& exchange, const Context& context);
    void handleUploadInit(Exchange& exchange, const Context& context);
    void storeFolder(Exchange& exchange, const Context& context, const QString& path, const QString& name);
    void storeFile(Exchange& exchange, const Context& context, const QString& path, const QString& name,
                   const QString& type);

    bool requireSession(Exchange& exchange, const Context& context) const;
    bool mayUpload(const Context& context, const QString& path) const;
    static void prepareFolders(const ServerConfig& config);

    mutable std::mutex m_mutex;
    ServerConfig m_config;
    QHash<QString, int> m_requestCounts;
    SessionStore m_sessions;
    RequestLog* m_log;
    ConnectionRelay m_relay;
    std::unique_ptr<httplib::Server> m_http;
};
