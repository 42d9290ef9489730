#include "UploadRun.h"

#include "FileConverter.h"
#include "FileUploader.h"

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
