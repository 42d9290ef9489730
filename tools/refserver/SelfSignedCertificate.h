#pragma once

#include <QString>

// The server's TLS identity: a self-signed certificate for 127.0.0.1 and localhost with its private key,
// kept as PEM files "server.crt" and "server.key" in one folder and made once when missing.
class SelfSignedCertificate
{
public:
    explicit SelfSignedCertificate(const QString& folder);

    QString certificateFile() const;
    QString keyFile() const;
    bool ensure(QString* error) const;

private:
    bool generate(QString* error) const;

    QString m_folder;
};
