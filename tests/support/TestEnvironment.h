#pragma once

#include <QString>

// Gives a test process folders of its own: data, configuration, home and temporary folder all lie in
// a fresh directory that is removed at the end, so no test touches the user's real files.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString root() const { return m_root; }
    static QString binDir() { return QStringLiteral(LUMIO_BIN_DIR); }
    static QString sourceDir() { return QStringLiteral(LUMIO_SOURCE_DIR); }

private:
    QString m_root;
};

// main() of a test: isolated folders, offscreen platform unless set, one QApplication.
#define LUMIO_TEST_MAIN(TestClass)                                                                           \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        TestEnvironment environment;                                                                         \
        QApplication app(argc, argv);                                                                        \
        QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));                                    \
        QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));                              \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
