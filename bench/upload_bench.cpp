// Drives the upload engine without a window, for the benchmark scripts:
//   lumio-upload-bench send BASEURL PATH...   log in as demo/demo and upload the files, one converter
//                                             per core, printing seconds and peak memory growth
//   lumio-upload-bench skip DIR COUNT          make COUNT small files recorded as uploaded and time the
//                                             list build and the skip-uploaded drop, with their peak
//                                             memory growth
#include "AppPaths.h"
#include "Diagnostics.h"
#include "FileConverter.h"
#include "FileUploader.h"
#include "ProfileStore.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "UploadPlanner.h"
#include "UploadQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QThread>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

qint64 peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Starts the high-water mark afresh at the current size, so a peak of earlier work does not hide the next.
void resetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool login(QNetworkAccessManager* manager, ServerProfile* profile)
{
    SecurityConfirm confirm;
    bool result = false;
    QEventLoop loop;
    QObject::connect(&confirm, &SecurityConfirm::signalLoginFinish, &loop, [&](bool ok) {
        result = ok;
        loop.quit();
    });
    if (!confirm.prepareLogin(manager, profile, false, false))
        return false;
    confirm.start();
    confirm.wait();
    loop.exec();
    return result;
}

int send(const QString& baseUrl, const QStringList& paths)
{
    const QUrl url(baseUrl);
    ServerProfile profile;
    profile.setAll(QStringLiteral("Bench"), url.host(), url.port(), url.scheme() == QLatin1String("https"),
                   QStringLiteral("demo"), QStringLiteral("demo"), true, QString(), false, false, false,
                   false, QStringLiteral("RENAME"), QString(), {});
    QDir().mkpath(AppPaths::dataFolder());
    ProfileStore::open();
    AppPaths::prepareTempRootFolder();
    QNetworkAccessManager manager;
    if (!login(&manager, &profile)) {
        std::fprintf(stderr, "login failed\n");
        return 2;
    }
    bool hasVideo = false;
    UploadPlanner::Options options;
    options.supportedOnly = false;
    options.keepFolderStructure = false;
    const QList<ConversionEntry> list = UploadPlanner::buildList(paths, options, &hasVideo);
    UploadQueue queue;
    queue.setConversionList(list);
    queue.setTotal(list.size());

    const qint64 rssBefore = peakRssKb();
    QElapsedTimer timer;
    timer.start();
    FileUploader uploader(&queue, &manager, &profile, 2, nullptr);
    std::vector<std::unique_ptr<FileConverter>> converters;
    for (int i = 0; i < qMax(1, QThread::idealThreadCount()); ++i)
        converters.push_back(std::make_unique<FileConverter>(&queue, &profile));
    QEventLoop loop;
    QObject::connect(&uploader, &FileUploader::signalUploadFinished, &loop, &QEventLoop::quit);
    for (auto& converter : converters)
        converter->start();
    uploader.start();
    loop.exec();
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("files=%d ok=%d failed=%d seconds=%.3f peak_rss_growth_kb=%lld\n",
                static_cast<int>(list.size()), queue.successCount(), queue.failureCount(), seconds,
                rssBefore < 0 ? -1LL : peakRssKb() - rssBefore);
    return queue.failureCount() == 0 ? 0 : 1;
}

int skip(const QString& folder, int count)
{
    QDir().mkpath(folder);
    QDir().mkpath(AppPaths::dataFolder());
    ProfileStore::open();
    if (!ProfileStore::photoRecordsTableExists())
        ProfileStore::createPhotoRecordsTable();
    QSqlDatabase db = ProfileStore::connection();
    db.transaction();
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("/IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.exists()) {
            if (!file.open(QIODevice::WriteOnly))
                return 2;
            file.write(QByteArray("\xff\xd8 sample ") + QByteArray::number(i));
            file.close();
        }
        const QFileInfo info(path);
        ProfileStore::addUploadRecord(info.fileName(), QStringLiteral("Bench"), info.size(),
                                      QString::number(info.lastModified().toSecsSinceEpoch()),
                                      ProfileStore::fileFingerprint(path));
    }
    db.commit();

    resetPeakRss();
    const qint64 rssBefore = peakRssKb();
    QElapsedTimer timer;
    timer.start();
    bool hasVideo = false;
    UploadPlanner::Options flat;
    flat.keepFolderStructure = false;
    QList<ConversionEntry> list = UploadPlanner::buildList({folder}, flat, &hasVideo);
    const int built = static_cast<int>(list.size());
    UploadPlanner::dropUploaded(&list, QStringLiteral("Bench"));
    std::printf("files=%d left=%d seconds=%.3f peak_rss_growth_kb=%lld\n", built,
                static_cast<int>(list.size()), timer.elapsed() / 1000.0,
                rssBefore < 0 ? -1LL : peakRssKb() - rssBefore);
    return list.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Diagnostics as the console has them without --verbose.
    Diagnostics::setUp(false);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("send"))
        return send(args.at(2), args.mid(3));
    if (args.size() == 4 && args.at(1) == QLatin1String("skip"))
        return skip(args.at(2), args.at(3).toInt());
    std::fprintf(stderr, "usage: lumio-upload-bench send BASEURL PATH... | skip DIR COUNT\n");
    return 2;
}
