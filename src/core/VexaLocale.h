#pragma once

#include "TextId.h"

#include <QString>

// The text catalogue and the choice of the UI language. Lookups are read-only once the translator is
// installed, so they may be made from any thread.
class VexaLocale
{
public:
    // The current translation of a catalogue entry; escaped "\n" and "\t" in it become real breaks.
    static QString text(TextId id);
    // For texts with "%n" or "%Ln": the plural form that agrees with count, and count put in.
    static QString text(TextId id, int count);
    static QString englishText(TextId id);

    // "Vexalon Lumio Uploader": never translated.
    static QString applicationTitle();

    static QString translationFileFor(const QString& code);
    // The setting "Global/UILanguage" when its translation exists, otherwise the system locale's code.
    static QString uiLanguageCode();
    static QString systemLanguageCode();
    // The language rule for one locale name such as "pt_BR"; falls back to "enu" when no file exists.
    static QString languageCodeForLocale(const QString& localeName);
    // The same rule before the check for a translation file.
    static QString tableCodeForLocale(const QString& localeName);
};

// Short form used throughout the program.
inline QString tx(TextId id)
{
    return VexaLocale::text(id);
}

inline QString tx(TextId id, int count)
{
    return VexaLocale::text(id, count);
}
