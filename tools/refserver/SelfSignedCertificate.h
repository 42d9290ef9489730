#pragma once

#include <QString>

// The server's TLS identity: a self-signed certificate for 127.0.0.1 and localhost with its private key,
// kept as PEM files "<name>.crt" and "<name>.key" (name "server" unless given) in one folder and made
// once when missing.
class SelfSignedCertificate
{
public:
    explicit SelfSignedCertificate(const QString& folder, const QString& name = QStringLiteral("server"));

    QString certificateFile() const;
    QString keyFile() const;
    bool ensure(QString* error) const;

private:
    bool generate(QString* error) const;

    QString m_folder;
    QString m_name;
};
