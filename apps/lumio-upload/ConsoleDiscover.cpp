#include "ConsoleDiscover.h"

#include "ConsoleOptions.h"
#include "FindHostUtils.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// The dialogs' search is this many ticks; --seconds shortens the ticks instead.
const int kTicks = 20;
// The listener thread starts 100 ms after the search object; the first query waits for it.
const int kStartDelayMs = 150;

const int kProbeAnswered = FHOSTQC_DONE;
const int kProbeFailed = 8;
const int kProbePending = 10;

QString textOf(const char* field, std::size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, size)));
}

void printLine(const QString& line)
{
    fputs(line.toUtf8().constData(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

// The photo application's state: the status the server announced, which the probe replaces by its own
// answered / failed / pending codes for a server that announced it set up.
QString lumioState(int qcStatus)
{
    switch (qcStatus) {
    case FHOSTQC_FALSE:
        return QStringLiteral("not_set_up");
    case FHOSTQC_NOTINSTALL:
        return QStringLiteral("not_installed");
    default:
        return QStringLiteral("set_up");
    }
}

QJsonObject describe(const NASINFO& server)
{
    QJsonValue reachable = QJsonValue::Null;
    if (server.qcStatus == kProbeAnswered)
        reachable = true;
    else if (server.qcStatus == kProbeFailed || server.qcStatus == kProbePending)
        reachable = false;
    return QJsonObject{{QStringLiteral("name"), textOf(server.serverName, sizeof server.serverName)},
                       {QStringLiteral("address"), FindHostUtils::dottedAddress(server.ipAddress)},
                       {QStringLiteral("mac"), textOf(server.serverMac, sizeof server.serverMac).toUpper()},
                       {QStringLiteral("http_port"), FindHostUtils::httpPort(&server, false)},
                       {QStringLiteral("https_port"), FindHostUtils::httpPort(&server, true)},
                       {QStringLiteral("build"), server.buildNumber},
                       {QStringLiteral("lumio"), lumioState(server.qcStatus)},
                       {QStringLiteral("uploads"), FindHostUtils::isUploadCapable(server)},
                       {QStringLiteral("reachable"), reachable}};
}

} // namespace

int ConsoleDiscover::run(const ConsoleOptions& options)
{
    NasInfoMap servers;
    QNetworkAccessManager manager;
    {
        FindHostUtils finder(&manager, &servers, kTicks);
        finder.setTickInterval(qMax(1, options.discoverSeconds * 1000 / kTicks));
        QEventLoop loop;
        QObject::connect(&finder, &FindHostUtils::signalFindNasFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kStartDelayMs, &finder, [&finder] { finder.startSearch(); });
        loop.exec();
    }

    const QString header = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                               .arg(QStringLiteral("NAME"), -20)
                               .arg(QStringLiteral("ADDRESS"), -15)
                               .arg(QStringLiteral("HTTP"), -5)
                               .arg(QStringLiteral("HTTPS"), -5)
                               .arg(QStringLiteral("BUILD"), -6)
                               .arg(QStringLiteral("LUMIO"), -13)
                               .arg(QStringLiteral("UPLOADS"), -7)
                               .arg(QStringLiteral("REACHABLE"));
    if (!options.json && !servers.isEmpty())
        printLine(header);
    for (const NASINFO& server : servers) {
        const QJsonObject object = describe(server);
        if (options.json) {
            printLine(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
            continue;
        }
        const QJsonValue reachable = object.value(QStringLiteral("reachable"));
        printLine(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                      .arg(object.value(QStringLiteral("name")).toString(), -20)
                      .arg(object.value(QStringLiteral("address")).toString(), -15)
                      .arg(object.value(QStringLiteral("http_port")).toInt(), -5)
                      .arg(object.value(QStringLiteral("https_port")).toInt(), -5)
                      .arg(object.value(QStringLiteral("build")).toInt(), -6)
                      .arg(object.value(QStringLiteral("lumio"))
                               .toString()
                               .replace(QLatin1Char('_'), QLatin1Char(' ')),
                           -13)
                      .arg(object.value(QStringLiteral("uploads")).toBool() ? QStringLiteral("yes")
                                                                            : QStringLiteral("no"),
                           -7)
                      .arg(reachable.isNull()   ? QStringLiteral("-")
                           : reachable.toBool() ? QStringLiteral("yes")
                                                : QStringLiteral("no")));
    }
    if (servers.isEmpty())
        return ConsoleOptions::ExitUnreachable;
    if (!options.json)
        printLine(
            QStringLiteral("\nMake a profile for one with: lumio-upload profile add NAME --host ADDRESS "
                           "--port HTTP --user ACCOUNT"));
    return ConsoleOptions::ExitSuccess;
}
