// Language detection from the locale, the stored choice, loading from the
// compiled-in translations, the name table in German, and the .ts files'
// finished entries keeping their placeholders and tags.
#include "LanguageSettings.h"
#include "NameTable.h"
#include "SizeText.h"

#include "TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstring>

namespace {

// Child mode: "--start [code]" runs start-up's language steps (or picks the
// code) and prints "<code> <file> <signals>".
int startInChild(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    setApplicationNames();
    LanguageSettings& languages = LanguageSettings::instance();
    int emitted = 0;
    QObject::connect(&languages, &LanguageSettings::languageChanged, [&] { ++emitted; });
    const int code = argc > 2 ? std::atoi(argv[2]) : languages.language();
    const bool loaded = languages.setLanguage(code);
    std::printf("%d %s %d %d", code, qPrintable(LanguageSettings::translationFileName(code)), loaded ? 1 : 0,
                emitted);
    return 0;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?\\d+|%n|<[^>]*>"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

}

class LanguageSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QString runChild(const QString& locale, const QStringList& extra = {})
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", locale);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList{"--start"} + extra);
        if (!child.waitForFinished(30000))
            return QStringLiteral("<no answer>");
        return QString::fromUtf8(child.readAllStandardOutput());
    }

    void useFreshHome(const QString& name)
    {
        const QString base = home_.filePath(name);
        QDir().mkpath(base);
        useTestHome(base);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        setApplicationNames();
    }

    void systemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Korean") << "ko_KR.UTF-8" << "11 ko-kr.qm 1 1";
        QTest::newRow("Hong Kong") << "zh_HK.UTF-8" << "0 en-us.qm 1 1";
        QTest::newRow("British") << "en_GB.UTF-8" << "0 en-us.qm 1 1";
        QTest::newRow("Brazilian") << "pt_BR.UTF-8" << "7 pt-pt.qm 1 1";
        QTest::newRow("Traditional Chinese") << "zh_TW.UTF-8" << "2 zh-tw.qm 1 1";
        QTest::newRow("Indonesian") << "id_ID.UTF-8" << "10 id-id.qm 1 1";
        QTest::newRow("C") << "C" << "0 en-us.qm 1 1";
    }

    void systemLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, answer);
        useFreshHome(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(runChild(locale), answer);
    }

    void storedGermanWins()
    {
        useFreshHome("german");
        QCOMPARE(runChild("fr_FR.UTF-8", {"4"}), QStringLiteral("4 de-de.qm 1 1"));
        QCOMPARE(runChild("ko_KR.UTF-8"), QStringLiteral("4 de-de.qm 1 1"));
        QSettings().setValue("Language", "not a number");
        QCOMPARE(runChild("ko_KR.UTF-8"), QStringLiteral("0 en-us.qm 1 1"));
    }

    void failedLoadChangesNothing()
    {
        useFreshHome("failed");
        QTemporaryDir empty;
        LanguageSettings& languages = LanguageSettings::instance();
        QSignalSpy spy(&languages, &LanguageSettings::languageChanged);
        QSettings().setValue("Language", 9);
        LanguageSettings::setTranslationRoot(empty.path());
        QVERIFY(!languages.setLanguage(LanguageSettings::LanguageGerman));
        LanguageSettings::setTranslationRoot(":/translations/");
        QCOMPARE(spy.count(), 0);
        QCOMPARE(QSettings().value("Language").toInt(), 9);
        QVERIFY(languages.setLanguage(LanguageSettings::LanguageGerman));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<LanguageSettings::LanguageType>(), LanguageSettings::LanguageGerman);
        QCOMPARE(QSettings().value("Language").toInt(), 4);
    }

    void germanNames()
    {
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageGerman));
        fillNameTable();
        QCOMPARE(translatedNameForCode(14), QStringLiteral("Papierkorb"));
        QCOMPARE(translatedNameForText("$RECYCLE.BIN"), QStringLiteral("Papierkorb"));
        QCOMPARE(englishNameForCode(14), QStringLiteral("Recycle Bin"));
        // Numbers go with the chosen language, whatever the system's is.
        QCOMPARE(formatFileSize(617470000, 2, false), QStringLiteral("588,87 MB"));
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish));
        fillNameTable();
        QCOMPARE(translatedNameForCode(14), QStringLiteral("Recycle Bin"));
        QCOMPARE(formatFileSize(617470000, 2, false), QStringLiteral("588.87 MB"));
    }

    void everyTranslationLoads()
    {
        for (int code = 0; code <= 12; ++code) {
            QTranslator translator;
            QVERIFY2(translator.load(":/translations/" + LanguageSettings::translationFileName(code)),
                     qPrintable(LanguageSettings::translationFileName(code)));
        }
    }

    void finishedEntriesKeepPlaceholdersAndTags()
    {
        QDirIterator files(QStringLiteral(VELMORA_SOURCE_DIR "/app/translations"), {"*.ts"});
        int files_seen = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++files_seen;
            QXmlStreamReader xml(&file);
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
                    // A plural message holds one text per form; each keeps the placeholders.
                    QStringList forms;
                    QString text;
                    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
                        if (xml.isCharacters())
                            text += xml.text();
                        else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                            forms << xml.readElementText();
                        if (xml.atEnd())
                            break;
                    }
                    if (forms.isEmpty())
                        forms << text;
                    const QString translation = forms.join(QString());
                    if (unfinished) {
                        QVERIFY2(translation.isEmpty(), qPrintable(file.fileName() + ": " + source));
                        continue;
                    }
                    for (const QString& form : forms) {
                        QVERIFY2(!form.isEmpty(), qPrintable(file.fileName() + ": " + source));
                        QCOMPARE(placeholders(form), placeholders(source));
                    }
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(file.fileName() + ": " + xml.errorString()));
        }
        QCOMPARE(files_seen, 13);
    }
};

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--start") == 0)
        return startInChild(argc, argv);
    QCoreApplication app(argc, argv);
    LanguageSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageSettingsTest.moc"
