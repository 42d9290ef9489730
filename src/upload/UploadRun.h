#pragma once

#include "DeviceItem.h"
#include "RunTiming.h"

#include <QtGlobal>

#include <memory>
#include <vector>

class FileConverter;
class FileUploader;
class QNetworkAccessManager;
class ServerProfile;
class UploadQueue;

// The worker threads of one upload: a number of FileConverters at idle priority and one FileUploader,
// which share nothing but the queue. The owner connects the workers' signals between construction and
// start(). Destruction stops the workers and waits for them.
class UploadRun
{
public:
    UploadRun(UploadQueue* queue, QNetworkAccessManager* manager, const ServerProfile* profile, int mode,
              const DeviceImportMap* deviceMap, int converterCount);
    ~UploadRun();
    UploadRun(const UploadRun&) = delete;
    UploadRun& operator=(const UploadRun&) = delete;

    // One converter per core; one when the platform cannot tell (-1).
    static int converterCountFor(int idealThreadCount);

    const std::vector<std::unique_ptr<FileConverter>>& converters() const { return m_converters; }
    FileUploader* uploader() const { return m_uploader.get(); }

    // Converters first (then lowered to idle priority), the uploader last.
    void start();
    // Asks every worker to end: running tools are killed, a request in flight is aborted, and the
    // uploader still reports its end.
    void stop();
    // stop(), then waits until every worker thread has ended.
    void stopAndWait();
    bool isRunning() const;
    // Where the time went so far; whole once every worker has ended.
    RunTiming timing() const;
    // Nanoseconds on the steady clock, the time base of the workers' end times.
    static qint64 steadyNowNs();

private:
    std::unique_ptr<FileUploader> m_uploader;
    std::vector<std::unique_ptr<FileConverter>> m_converters;
};
