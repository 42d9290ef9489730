#include "TestEnvironment.h"

#include <QByteArray>
#include <QDir>

#include <cstdlib>

TestEnvironment::TestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/lumio-test-XXXXXX";
    if (char* made = mkdtemp(pattern.data()))
        m_root = QString::fromLocal8Bit(made);
    const QDir root(m_root);
    for (const char* sub : {"data", "config", "cache", "home", "tmp", "runtime"})
        root.mkpath(QLatin1String(sub));
    QFile::setPermissions(m_root + QLatin1String("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", (m_root + QLatin1String("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_root + QLatin1String("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (m_root + QLatin1String("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (m_root + QLatin1String("/runtime")).toLocal8Bit());
    qputenv("HOME", (m_root + QLatin1String("/home")).toLocal8Bit());
    qputenv("TMPDIR", (m_root + QLatin1String("/tmp")).toLocal8Bit());
    // Tests never reach the user's own keyring: without a private one (LUMIO_TEST_KEYRING, see
    // tests/store/with-keyring.sh) the session bus points nowhere and passwords stay in the database.
    if (qEnvironmentVariableIsEmpty("LUMIO_TEST_KEYRING"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + m_root + QLatin1String("/no-bus")).toLocal8Bit());
}

TestEnvironment::~TestEnvironment()
{
    if (!m_root.isEmpty() && qEnvironmentVariableIsEmpty("LUMIO_KEEP_TEST_DIRS"))
        QDir(m_root).removeRecursively();
}
