#pragma once

#include <QFile>
#include <QIODevice>
#include <QTimer>

class BandwidthLimit;

// The body of one upload attempt: a file read once from its start. The device is sequential on
// purpose, so the network stack cannot rewind it and send the request again by itself when a
// connection closes after the body went out; the uploader decides about every resend.
// With a bandwidth limit the body hands out no more than the limit allows and tells the network
// stack by readyRead() when more may go, so the thread's event loop never blocks.
class UploadBody : public QIODevice
{
    Q_OBJECT

public:
    explicit UploadBody(const QString& path, BandwidthLimit* limit = nullptr, QObject* parent = nullptr);

    // Opens the file for reading.
    bool openFile();
    bool isSequential() const override { return true; }
    qint64 size() const override { return m_size; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QFile m_file;
    qint64 m_size = 0;
    BandwidthLimit* m_limit;
    QTimer m_wake;
};
