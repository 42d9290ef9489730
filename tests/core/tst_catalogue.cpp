#include "TestEnvironment.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTranslator>

// A translator that answers one source text with a fixed translation.
class OneTextTranslator : public QTranslator
{
public:
    OneTextTranslator(QString source, QString translation)
        : m_source(std::move(source)), m_translation(std::move(translation))
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "global") == 0 && QLatin1String(source) == m_source)
            return m_translation;
        return QString();
    }

private:
    QString m_source;
    QString m_translation;
};

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void entriesKeepTheirPositions_data();
    void entriesKeepTheirPositions();
    void escapedBreaksBecomeRealOnes();
    void localeTable_data();
    void localeTable();
    void missingTranslationFallsBackToEnglish();
    void settingChoosesTheLanguage();
    void settingNamingAMissingFileLetsTheSystemDecide();
    void germanTranslationIsComplete();
    void applicationTitle();
};

void TestCatalogue::entriesKeepTheirPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("english");
    QTest::newRow("first") << 0 << "Select a folder to upload files to";
    QTest::newRow("btn_ok") << 13 << "OK";
    QTest::newRow("database error") << 45 << "Database error (%1)";
    QTest::newRow("two blanks in connect text") << 43 << "Connection error. (Error Code: %1)";
    QTest::newRow("no blank in unknown text") << 69 << "Unknown server error. (Error Code:%1)";
    QTest::newRow("vexa_server") << 89 << "Vexalon Korvat";
    QTest::newRow("last of the first catalogue")
        << 116
        << "The selected items have already been uploaded to the destination folder in Lumio. No "
           "file is available for upload.";
    QTest::newRow("time-out text") << 120 << "Connection error: %1 did not answer for %2 seconds.";
    QTest::newRow("conversion warning") << 124 << "no thumbnails: %1";
    QTest::newRow("certificate title") << 126 << "Certificate changed";
    QTest::newRow("after the keyring text") << 134 << "Upload";
    QTest::newRow("last") << 157 << "Could not save %1: %2";
    QTest::newRow("console texts after it") << 158
                                            << "No supported photo or video among the %n file(s) given (use "
                                               "--all-files to send them anyway)";
    QTest::newRow("last console text") << 166 << "Uploading %1 as %2";
    QTest::newRow("first watch text") << 167 << "Keep folder uploaded...";
    QTest::newRow("last watch text") << 181 << "Last error: %1";
}

void TestCatalogue::entriesKeepTheirPositions()
{
    QFETCH(int, position);
    QFETCH(QString, english);
    QCOMPARE(static_cast<int>(TextId::count), 182);
    QCOMPARE(VexaLocale::englishText(static_cast<TextId>(position)), english);
    QCOMPARE(tx(static_cast<TextId>(position)), english);
}

void TestCatalogue::escapedBreaksBecomeRealOnes()
{
    OneTextTranslator translator(QStringLiteral("Warning"), QStringLiteral("First\\nSecond\\tthird\\N"));
    QCoreApplication::installTranslator(&translator);
    const QString shown = tx(TextId::err_warning);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown, QStringLiteral("First\nSecond\tthird\\N"));
    QCOMPARE(tx(TextId::err_warning), QStringLiteral("Warning"));
}

void TestCatalogue::localeTable_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::newRow("zh_TW") << "zh_TW"
                           << "cht";
    QTest::newRow("zh_HK") << "zh_HK"
                           << "cht";
    QTest::newRow("zh_MO") << "zh_MO"
                           << "cht";
    QTest::newRow("zh_CN") << "zh_CN"
                           << "chs";
    QTest::newRow("zh_SG") << "zh_SG"
                           << "chs";
    QTest::newRow("pt_PT") << "pt_PT"
                           << "ptg";
    QTest::newRow("pt alone") << "pt"
                              << "ptg";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "ptb";
    QTest::newRow("nb_NO") << "nb_NO"
                           << "nor";
    QTest::newRow("nn_NO") << "nn_NO"
                           << "nor";
    QTest::newRow("no") << "no"
                        << "nor";
    QTest::newRow("de_AT") << "de_AT"
                           << "deu";
    QTest::newRow("ko_KR") << "ko_KR"
                           << "krn";
    QTest::newRow("es_MX") << "es_MX"
                           << "esn";
    QTest::newRow("cs_CZ") << "cs_CZ"
                           << "csy";
    QTest::newRow("sv_SE") << "sv_SE"
                           << "sve";
    QTest::newRow("upper case") << "JA_JP"
                                << "jpn";
    QTest::newRow("el_GR not in table") << "el_GR"
                                        << "enu";
    QTest::newRow("C locale") << "C"
                              << "enu";
}

void TestCatalogue::localeTable()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(VexaLocale::tableCodeForLocale(locale), code);
}

void TestCatalogue::missingTranslationFallsBackToEnglish()
{
    // "xx" is in no table row and has no file; German has its file.
    QCOMPARE(VexaLocale::languageCodeForLocale(QStringLiteral("xx_YY")), QStringLiteral("enu"));
    QVERIFY(QFile::exists(QStringLiteral(":/deu.qm")));
    QCOMPARE(VexaLocale::languageCodeForLocale(QStringLiteral("de_CH")), QStringLiteral("deu"));
    QCOMPARE(VexaLocale::translationFileFor(QStringLiteral("deu")), QStringLiteral(":/deu.qm"));
}

void TestCatalogue::settingChoosesTheLanguage()
{
    QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("deu"));
    QCOMPARE(VexaLocale::uiLanguageCode(), QStringLiteral("deu"));
    QSettings().remove(QStringLiteral("Global/UILanguage"));
}

void TestCatalogue::settingNamingAMissingFileLetsTheSystemDecide()
{
    QSettings().setValue(QStringLiteral("Global/UILanguage"), QStringLiteral("xyz"));
    QCOMPARE(VexaLocale::uiLanguageCode(), VexaLocale::systemLanguageCode());
    QSettings().setValue(QStringLiteral("Global/UILanguage"), QString());
    QCOMPARE(VexaLocale::uiLanguageCode(), VexaLocale::systemLanguageCode());
    QSettings().remove(QStringLiteral("Global/UILanguage"));
}

void TestCatalogue::germanTranslationIsComplete()
{
    QTranslator translator;
    QVERIFY(translator.load(VexaLocale::translationFileFor(QStringLiteral("deu"))));
    QVERIFY(!translator.isEmpty());
    QCoreApplication::installTranslator(&translator);
    for (int i = 0; i < static_cast<int>(TextId::count); ++i) {
        const auto id = static_cast<TextId>(i);
        const QString english = VexaLocale::englishText(id);
        const QString german = tx(id);
        QVERIFY2(!german.isEmpty(), qPrintable(english));
        QCOMPARE(german.count(QLatin1String("%1")) > 0, english.count(QLatin1String("%1")) > 0);
    }
    QCOMPARE(tx(TextId::btn_cancel), QStringLiteral("Abbrechen"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(tx(TextId::btn_cancel), QStringLiteral("Cancel"));
}

void TestCatalogue::applicationTitle()
{
    QCOMPARE(VexaLocale::applicationTitle(), QStringLiteral("Vexalon Lumio Uploader"));
}

LUMIO_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
