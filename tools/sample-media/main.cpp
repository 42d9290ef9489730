// lumio-sample-media FOLDER: makes the sample folder of the demonstration (see SampleMedia).

#include "SampleMedia.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        fputs("usage: lumio-sample-media FOLDER\n", stderr);
        return 2;
    }
    QString error;
    if (!SampleMedia::make(arguments.at(1), &error)) {
        fprintf(stderr, "lumio-sample-media: %s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
