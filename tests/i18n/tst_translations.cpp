#include "TestEnvironment.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

struct Language
{
    const char* code;
    const char* locale;
};

// Every shipped language with the locale its file declares.
const Language kLanguages[] = {
    {"cht", "zh_TW"}, {"chs", "zh_CN"}, {"jpn", "ja_JP"}, {"deu", "de_DE"}, {"krn", "ko_KR"},
    {"fra", "fr_FR"}, {"ita", "it_IT"}, {"esn", "es_ES"}, {"ptb", "pt_BR"}, {"rus", "ru_RU"},
    {"dan", "da_DK"}, {"nor", "nb_NO"}, {"sve", "sv_SE"}, {"nld", "nl_NL"}, {"plk", "pl_PL"},
    {"hun", "hu_HU"}, {"ptg", "pt_PT"}, {"trk", "tr_TR"}, {"csy", "cs_CZ"}, {"enu", "en_US"},
};

// Names stay as they are everywhere; a few words are spelt in some languages as in English.
bool mayEqualEnglish(const QString& code, TextId id)
{
    if (code == QLatin1String("enu") || id == TextId::create_per_photo || id == TextId::vexa_server ||
        id == TextId::btn_ok || id == TextId::label_with_colon || id == TextId::upload_prog_speed)
        return true;
    static const struct
    {
        const char* code;
        TextId id;
    } sameWord[] = {
        {"fra", TextId::upload_vdo_mobile},
        {"ita", TextId::btn_no},
        {"esn", TextId::btn_no},
        {"esn", TextId::err_error},
        {"ita", TextId::create_pw_account},
        {"nld", TextId::create_pw_account},
        {"ita", TextId::create_pw_password},
        {"dan", TextId::btn_upload},
    };
    return std::any_of(std::begin(sameWord), std::end(sameWord),
                       [&](const auto& word) { return word.id == id && code == QLatin1String(word.code); });
}

QStringList matches(const QString& text, const QRegularExpression& pattern)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

const QRegularExpression& placeholderPattern()
{
    static const QRegularExpression pattern(QStringLiteral("%\\d+"));
    return pattern;
}

const QRegularExpression& markupPattern()
{
    static const QRegularExpression pattern(QStringLiteral("<[^>]*>"));
    return pattern;
}

// What is wrong with one translation, or nothing.
QString faultOf(const QString& source, const QString& translation, bool mayEqualSource)
{
    if (translation.isEmpty())
        return QStringLiteral("not translated");
    if (translation != translation.trimmed())
        return QStringLiteral("blank at an end");
    if (!mayEqualSource && translation == source)
        return QStringLiteral("left in English");
    QStringList sourcePlaceholders = matches(source, placeholderPattern());
    QStringList placeholders = matches(translation, placeholderPattern());
    sourcePlaceholders.sort();
    placeholders.sort();
    if (placeholders != sourcePlaceholders)
        return QStringLiteral("placeholders %1 instead of %2")
            .arg(placeholders.join(QLatin1Char(',')), sourcePlaceholders.join(QLatin1Char(',')));
    if (matches(translation, markupPattern()) != matches(source, markupPattern()))
        return QStringLiteral("markup changed");
    return QString();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileLoads_data();
    void fileLoads();
    void localeFindsFile_data();
    void localeFindsFile();
    void settingFindsFile_data();
    void settingFindsFile();
    void catalogueTranslated_data();
    void catalogueTranslated();
    void formTextsTranslated_data();
    void formTextsTranslated();
    void globalContextIsTheCatalogue();
    void escapedBreakShowsLineBreak();
    void pluralsAgreeWithTheCount_data();
    void pluralsAgreeWithTheCount();

private:
    void addLanguageRows();

    // Texts that lupdate finds outside the catalogue, as (context, source).
    QList<QPair<QString, QString>> m_formTexts;
    QSet<QString> m_globalTexts;
    QTemporaryDir m_work;
};

void TestTranslations::initTestCase()
{
    QVERIFY(m_work.isValid());
    const QString found = m_work.filePath(QStringLiteral("found.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUMIO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   TestEnvironment::sourceDir() + QLatin1String("/src"),
                   TestEnvironment::sourceDir() + QLatin1String("/forms"), QStringLiteral("-ts"), found});
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QCOMPARE(lupdate.exitCode(), 0);

    QFile file(found);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            const QString source = xml.readElementText();
            if (context == QLatin1String("global"))
                m_globalTexts.insert(source);
            else
                m_formTexts.append({context, source});
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(!m_formTexts.isEmpty());
}

void TestTranslations::addLanguageRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("locale");
    for (const Language& language : kLanguages)
        QTest::newRow(language.code) << QString::fromLatin1(language.code)
                                     << QString::fromLatin1(language.locale);
}

void TestTranslations::fileLoads_data()
{
    addLanguageRows();
}

void TestTranslations::fileLoads()
{
    QFETCH(QString, code);
    QFETCH(QString, locale);
    const QString path = VexaLocale::translationFileFor(code);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QTranslator translator;
    QVERIFY(translator.load(path));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translator.language(), locale);
}

void TestTranslations::localeFindsFile_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    for (const Language& language : kLanguages)
        QTest::newRow(language.locale)
            << QString::fromLatin1(language.locale) << QString::fromLatin1(language.code);
    QTest::newRow("zh_HK is Traditional") << "zh_HK"
                                          << "cht";
    QTest::newRow("zh_MO is Traditional") << "zh_MO"
                                          << "cht";
    QTest::newRow("zh_SG is Simplified") << "zh_SG"
                                         << "chs";
    QTest::newRow("pt alone is European") << "pt"
                                          << "ptg";
    QTest::newRow("nn_NO shares Bokmal") << "nn_NO"
                                         << "nor";
    QTest::newRow("de_CH") << "de_CH"
                           << "deu";
    QTest::newRow("fr_CA") << "fr_CA"
                           << "fra";
    QTest::newRow("es_MX") << "es_MX"
                           << "esn";
    QTest::newRow("en_GB stays English") << "en_GB"
                                         << "enu";
}

void TestTranslations::localeFindsFile()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(VexaLocale::languageCodeForLocale(locale), code);
    QVERIFY(QFile::exists(VexaLocale::translationFileFor(code)));
}

void TestTranslations::settingFindsFile_data()
{
    addLanguageRows();
}

void TestTranslations::settingFindsFile()
{
    QFETCH(QString, code);
    QSettings().setValue(QStringLiteral("Global/UILanguage"), code);
    const QString chosen = VexaLocale::uiLanguageCode();
    QSettings().remove(QStringLiteral("Global/UILanguage"));
    QCOMPARE(chosen, code);
}

void TestTranslations::catalogueTranslated_data()
{
    addLanguageRows();
}

void TestTranslations::catalogueTranslated()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(VexaLocale::translationFileFor(code)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QStringList faults;
    for (int position = 0; position < static_cast<int>(TextId::count); ++position) {
        const auto id = static_cast<TextId>(position);
        const QString english = VexaLocale::englishText(id);
        const QString translation = translator.translate("global", english.toLatin1().constData());
        QString fault = faultOf(english, translation, mayEqualEnglish(code, id));
        QString shown = translation;
        shown.replace(QLatin1String("\\n"), QLatin1String("\n"))
            .replace(QLatin1String("\\t"), QLatin1String("\t"));
        if (fault.isEmpty() && tx(id) != shown)
            fault = QStringLiteral("shown as \"%1\"").arg(tx(id));
        if (!fault.isEmpty())
            faults << QStringLiteral("%1 (\"%2\"): %3").arg(position).arg(english, fault);
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::formTextsTranslated_data()
{
    addLanguageRows();
}

void TestTranslations::formTextsTranslated()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(VexaLocale::translationFileFor(code)));
    QStringList faults;
    for (const auto& [context, source] : std::as_const(m_formTexts)) {
        const QString translation =
            translator.translate(context.toUtf8().constData(), source.toUtf8().constData());
        const QString fault = faultOf(source, translation, code == QLatin1String("enu"));
        if (!fault.isEmpty())
            faults << QStringLiteral("%1 \"%2\": %3").arg(context, source, fault);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::globalContextIsTheCatalogue()
{
    QSet<QString> catalogue;
    for (int position = 0; position < static_cast<int>(TextId::count); ++position)
        catalogue.insert(VexaLocale::englishText(static_cast<TextId>(position)));
    QCOMPARE(m_globalTexts, catalogue);
}

void TestTranslations::escapedBreakShowsLineBreak()
{
    const QString ts = m_work.filePath(QStringLiteral("breaks.ts"));
    const QString qm = m_work.filePath(QStringLiteral("breaks.qm"));
    QFile file(ts);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de_DE\">\n"
        "<context><name>global</name><message><source>Warning</source>"
        "<translation>Erste Zeile\\nzweite\\tSpalte</translation></message></context>\n</TS>\n");
    file.close();
    QProcess lrelease;
    lrelease.start(QStringLiteral(LUMIO_LRELEASE),
                   {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm});
    QVERIFY(lrelease.waitForFinished(60000));
    QCOMPARE(lrelease.exitCode(), 0);

    QTranslator translator;
    QVERIFY(translator.load(qm));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString shown = tx(TextId::err_warning);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown, QStringLiteral("Erste Zeile\nzweite\tSpalte"));
}

void TestTranslations::pluralsAgreeWithTheCount_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("text"); // a TextId with "%n"
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    const int files = int(TextId::upload_finish_files);
    QTest::newRow("enu 1") << "enu" << files << 1 << "1 file";
    QTest::newRow("enu 2") << "enu" << files << 2 << "2 files";
    QTest::newRow("deu 1") << "deu" << files << 1 << "1 Datei";
    QTest::newRow("deu 9") << "deu" << files << 9 << "9 Dateien";
    QTest::newRow("rus 1") << "rus" << files << 1 << "1 файл";
    QTest::newRow("rus 3") << "rus" << files << 3 << "3 файла";
    QTest::newRow("rus 5") << "rus" << files << 5 << "5 файлов";
    QTest::newRow("rus 21") << "rus" << files << 21 << "21 файл";
    QTest::newRow("plk 22") << "plk" << files << 22 << "22 pliki";
    QTest::newRow("csy 5") << "csy" << files << 5 << "5 souborů";
    QTest::newRow("jpn 7") << "jpn" << files << 7 << "7 個のファイル";
    const int albums = int(TextId::console_albums_created);
    QTest::newRow("albums enu 1") << "enu" << albums << 1 << "1 album created";
    QTest::newRow("albums enu 2") << "enu" << albums << 2 << "2 albums created";
    QTest::newRow("albums deu 1") << "deu" << albums << 1 << "1 Album erstellt";
    QTest::newRow("albums deu 4") << "deu" << albums << 4 << "4 Alben erstellt";
    QTest::newRow("albums rus 1") << "rus" << albums << 1 << "Создан 1 альбом";
    QTest::newRow("albums rus 2") << "rus" << albums << 2 << "Создано 2 альбома";
    QTest::newRow("albums rus 11") << "rus" << albums << 11 << "Создано 11 альбомов";
    QTest::newRow("albums plk 5") << "plk" << albums << 5 << "Utworzono 5 albumów";
    const int toCreate = int(TextId::console_albums_to_create);
    QTest::newRow("to create enu 1") << "enu" << toCreate << 1 << "1 album to create";
    QTest::newRow("to create rus 3") << "rus" << toCreate << 3 << "Будет создано 3 альбома";
    const int unsupported = int(TextId::console_no_supported);
    QTest::newRow("unsupported enu 1")
        << "enu" << unsupported << 1
        << "No supported photo or video among the 1 file given (use --all-files to send it anyway)";
    QTest::newRow("unsupported enu 3")
        << "enu" << unsupported << 3
        << "No supported photo or video among the 3 files given (use --all-files to send them anyway)";
    QTest::newRow("unsupported deu 3")
        << "deu" << unsupported << 3
        << "Kein unterstütztes Foto oder Video unter den 3 angegebenen Dateien "
           "(mit --all-files werden sie trotzdem gesendet)";
    QTest::newRow("unsupported rus 21") << "rus" << unsupported << 21
                                        << "Среди 21 указанного файла нет поддерживаемых фото или видео "
                                           "(чтобы всё равно отправить, используйте --all-files)";
}

void TestTranslations::pluralsAgreeWithTheCount()
{
    QFETCH(QString, code);
    QFETCH(int, text);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QTranslator translator;
    QVERIFY(translator.load(VexaLocale::translationFileFor(code)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = tx(static_cast<TextId>(text), count);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, shown);
}

LUMIO_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
