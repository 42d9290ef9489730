#include "SelfSignedCertificate.h"

#include <QDir>
#include <QFile>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {

struct KeyFree
{
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertificateFree
{
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct FileClose
{
    void operator()(FILE* file) const { fclose(file); }
};

bool addExtension(X509* certificate, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    if (!extension)
        return false;
    const bool added = X509_add_ext(certificate, extension, -1) == 1;
    X509_EXTENSION_free(extension);
    return added;
}

} // namespace

SelfSignedCertificate::SelfSignedCertificate(const QString& folder, const QString& name)
    : m_folder(folder), m_name(name)
{
}

QString SelfSignedCertificate::certificateFile() const
{
    return m_folder + QLatin1Char('/') + m_name + QLatin1String(".crt");
}

QString SelfSignedCertificate::keyFile() const
{
    return m_folder + QLatin1Char('/') + m_name + QLatin1String(".key");
}

bool SelfSignedCertificate::ensure(QString* error) const
{
    if (QFile::exists(certificateFile()) && QFile::exists(keyFile()))
        return true;
    if (!QDir().mkpath(m_folder)) {
        *error = QStringLiteral("cannot create the certificate folder %1").arg(m_folder);
        return false;
    }
    return generate(error);
}

bool SelfSignedCertificate::generate(QString* error) const
{
    std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_EC_gen("P-256"));
    std::unique_ptr<X509, CertificateFree> certificate(X509_new());
    if (!key || !certificate) {
        *error = QStringLiteral("cannot create a key pair");
        return false;
    }
    X509* x = certificate.get();
    unsigned char serial[8];
    RAND_bytes(serial, sizeof(serial));
    serial[0] &= 0x7f;
    BIGNUM* number = BN_bin2bn(serial, sizeof(serial), nullptr);
    BN_to_ASN1_INTEGER(number, X509_get_serialNumber(x));
    BN_free(number);
    X509_set_version(x, 2);
    X509_gmtime_adj(X509_getm_notBefore(x), -3600);
    X509_gmtime_adj(X509_getm_notAfter(x), 10L * 365 * 24 * 3600);
    X509_set_pubkey(x, key.get());
    X509_NAME* name = X509_get_subject_name(x);
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Lumio reference server"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"),
                               -1, -1, 0);
    X509_set_issuer_name(x, name);
    if (!addExtension(x, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost") ||
        !addExtension(x, NID_basic_constraints, "critical,CA:FALSE") ||
        X509_sign(x, key.get(), EVP_sha256()) == 0) {
        *error = QStringLiteral("cannot sign the certificate");
        return false;
    }

    const QByteArray keyPath = QFile::encodeName(keyFile());
    const QByteArray certificatePath = QFile::encodeName(certificateFile());
    const mode_t previous = umask(077);
    std::unique_ptr<FILE, FileClose> keyOut(fopen(keyPath.constData(), "wb"));
    umask(previous);
    std::unique_ptr<FILE, FileClose> certificateOut(fopen(certificatePath.constData(), "wb"));
    if (!keyOut || !certificateOut ||
        PEM_write_PrivateKey(keyOut.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1 ||
        PEM_write_X509(certificateOut.get(), x) != 1) {
        *error = QStringLiteral("cannot write %1 and %2").arg(keyFile(), certificateFile());
        return false;
    }
    return true;
}
