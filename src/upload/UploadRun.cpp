#include "UploadRun.h"

#include "FileConverter.h"
#include "FileUploader.h"

#include <algorithm>
#include <chrono>

UploadRun::UploadRun(UploadQueue* queue, QNetworkAccessManager* manager, const ServerProfile* profile,
                     int mode, const DeviceImportMap* deviceMap, int converterCount)
    : m_uploader(std::make_unique<FileUploader>(queue, manager, profile, mode, deviceMap))
{
    for (int i = 0; i < converterCount; ++i)
        m_converters.push_back(std::make_unique<FileConverter>(queue, profile));
}

UploadRun::~UploadRun()
{
    stopAndWait();
}

int UploadRun::converterCountFor(int idealThreadCount)
{
    return idealThreadCount == -1 ? 1 : qMax(1, idealThreadCount);
}

void UploadRun::start()
{
    for (const auto& converter : m_converters) {
        converter->start(QThread::InheritPriority);
        if (converter->isRunning())
            converter->setPriority(QThread::IdlePriority);
    }
    m_uploader->start(QThread::InheritPriority);
}

void UploadRun::stop()
{
    m_uploader->stop();
    for (const auto& converter : m_converters)
        converter->stop(1);
}

void UploadRun::stopAndWait()
{
    stop();
    for (const auto& converter : m_converters)
        converter->wait();
    m_uploader->wait();
}

bool UploadRun::isRunning() const
{
    for (const auto& converter : m_converters) {
        if (converter->isRunning())
            return true;
    }
    return m_uploader->isRunning();
}

qint64 UploadRun::steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

RunTiming UploadRun::timing() const
{
    RunTiming timing;
    qint64 lastConversion = 0;
    for (const auto& converter : m_converters) {
        timing.converting += converter->convertingNs() / 1e9;
        lastConversion = std::max(lastConversion, converter->finishedAtNs());
    }
    timing.uploading = m_uploader->sendingNs() / 1e9;
    timing.waitingForConverter = m_uploader->waitingNs() / 1e9;
    const qint64 uploadsEnded = m_uploader->finishedAtNs();
    if (lastConversion > 0 && uploadsEnded > lastConversion)
        timing.waitingForUploader = (uploadsEnded - lastConversion) / 1e9;
    return timing;
}
