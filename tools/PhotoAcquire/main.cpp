// Device-import companion without camera support: it answers every call with empty lists, so the
// program's device import finds no camera and imports nothing.
#include "AppPaths.h"
#include "Utf16File.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString call = args.value(1);
    if (call == QLatin1String("0"))
        return Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("DeviceList")), {QStringLiteral("0")})
                   ? 0
                   : 1;
    if (call == QLatin1String("1"))
        return Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ContentList")), {}) ? 0 : 1;
    if (call == QLatin1String("2"))
        return 0;
    return 2;
}
