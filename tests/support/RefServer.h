#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QProcess;

// The reference Lumio server (lumio-refserver from the build's bin folder) as a child process of one
// test. Its configuration, photo folder, personal sites, certificate and request log live in a
// temporary folder that is removed with the object; the process is stopped by the destructor.
//
// defaultConfig() has these accounts (password = account name unless noted):
//   admin (administrator), demo (may upload anywhere; personal Lumio on), alice (albums 2012 and
//   2013/party), bob (no album), carol (password "p&ss=w rd+%"), disabled (disabled account),
//   outsider (not a Lumio user), blocked (login_noprivilege)
// and the albums 2012, 2012/trip and 2013/party.
class RefServer
{
public:
    explicit RefServer(const QJsonObject& config = defaultConfig());
    ~RefServer();
    RefServer(const RefServer&) = delete;
    RefServer& operator=(const RefServer&) = delete;

    static QJsonObject defaultConfig();

    // Both take effect at the next start().
    void setHttps(bool https) { m_https = https; }
    void setExtraArguments(const QStringList& arguments) { m_extraArguments = arguments; }

    // Starts the server on a free port and waits until it listens. False with errorString() set.
    bool start();
    void stop();
    bool isRunning() const;
    QString errorString() const { return m_error; }
    qint64 processId() const;

    int port() const { return m_port; }
    // "http://127.0.0.1:<port>", or https with setHttps(true).
    QString baseUrl() const;
    // baseUrl() + "/~" + the percent-encoded user, the address of that user's personal Lumio.
    QString personalBaseUrl(const QString& user) const;
    QString folder() const { return m_folder.path(); }
    QString photoRoot() const;
    QString personalRoot(const QString& user) const;
    QString certificateFile() const;

    // The requests served so far, one object per request in arrival order; endpoint "" means all.
    QList<QJsonObject> requestLog(const QString& endpoint = QString()) const;
    void clearRequestLog();

    // Replaces every injected fault (endpoint name -> rule) and restarts the request numbering.
    bool setFaults(const QJsonObject& faults);
    // Between test functions: no faults, an empty request log and an empty photo folder.
    bool reset();
    // Changes configuration keys of the running server ("run_photo", "accounts", "albums", ...).
    bool configure(const QJsonObject& changes);

private:
    QString logFile() const;

    QTemporaryDir m_folder;
    QJsonObject m_config;
    QStringList m_extraArguments;
    std::unique_ptr<QProcess> m_process;
    bool m_https = false;
    int m_port = 0;
    QString m_error;
};
