#pragma once

#include <QString>

// Classification of files by their suffix (compared in lower case, without the dot).
class FileTypes
{
public:
    enum ConversionClass
    {
        ConvertImage = 0,
        ConvertVideo = 1,
        ConvertOther = 2
    };
    enum UploadClass
    {
        UploadImage = 1,
        UploadVideo = 2,
        UploadUnsupported = 3
    };

    static bool isRawSuffix(const QString& suffix);
    static ConversionClass conversionClass(const QString& suffix);
    static UploadClass uploadClass(const QString& suffix);
};
