// The translation files of app/translations against their English source and
// the program: each holds exactly the texts the program shows (lupdate adds or
// drops none); a finished message keeps the source's placeholders, markup
// tags and "&" accelerator and has as many plural forms as its language; the
// compiled .qm files carry the same texts; the languages listed as complete
// have no unfinished message left.

#include "LanguageSettings.h"
#include "MountSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

// Languages whose every message is translated; a language joins the list once
// its file has no unfinished entry.
const QStringList completeLanguages{
    "de-de", "es-es", "fr-fr", "id-id", "it-it", "ja-jp", "ko-kr", "pt-pt", "ru-ru", "vi-vn", "zh-cn", "zh-tw",
};

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool unfinished = true;
    QString translation;
    QStringList forms;
};

struct TsFile {
    QString language;  // the TS element's language attribute, such as ru_RU
    QVector<Message> messages;
    QString error;
};

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message();
                message.context = context;
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const QStringRef type = xml.attributes().value(QLatin1String("type"));
                message.unfinished = !type.isEmpty();
                if (!message.numerus)
                    message.translation = xml.readElementText();
            } else if (name == QLatin1String("numerusform")) {
                message.forms.append(xml.readElementText());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.messages.append(message);
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

// How many plural forms Qt's rules give a language (lupdate writes that many
// numerusform elements, lrelease warns on any other count).
int pluralForms(const QString& language)
{
    const QString code = language.section(QLatin1Char('_'), 0, 0);
    if (code == QLatin1String("ru"))
        return 3;
    if (QStringList{"ja", "ko", "zh", "id", "vi"}.contains(code))
        return 1;
    return 2;
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

QStringList matches(const QString& text, const QRegularExpression& pattern, int group = 0)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(group));
    return sorted(found);
}

// %1..%99, their %L forms, and %n.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    return matches(text, pattern);
}

// Opening and closing tag names, as a sorted list ("a", "/a", "br", ...).
QStringList tags(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("<(/?[A-Za-z][A-Za-z0-9]*)\\b[^<>]*>"));
    QStringList names = matches(text, pattern, 1);
    for (QString& name : names)
        name = name.toLower();
    return sorted(names);
}

// An "&" that marks the next character as the shortcut (not "&&", not an entity like "&copy;").
bool hasAccelerator(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("&(?!&)(?![A-Za-z]+;|#[0-9]+;)[^\\s]"));
    QString plain = text;
    plain.remove(QLatin1String("&&"));
    return pattern.match(plain).hasMatch();
}

QString where(const QString& stem, const Message& message)
{
    return QStringLiteral("%1 [%2] \"%3\"").arg(stem, message.context, message.source);
}

// What is wrong with one finished message, or an empty text.
QString faultOf(const Message& message, int forms)
{
    const QStringList texts = message.numerus ? message.forms : QStringList{message.translation};
    if (message.numerus && texts.size() != forms)
        return QStringLiteral("%1 plural forms, the language has %2").arg(texts.size()).arg(forms);
    for (const QString& text : texts) {
        if (text.trimmed().isEmpty())
            return QStringLiteral("empty translation");
        if (placeholders(text) != placeholders(message.source))
            return QStringLiteral("placeholders %1 in \"%2\"").arg(placeholders(text).join(' '), text);
        if (tags(text) != tags(message.source))
            return QStringLiteral("tags %1 in \"%2\"").arg(tags(text).join(' '), text);
        if (hasAccelerator(message.source) && !hasAccelerator(text))
            return QStringLiteral("no accelerator in \"%1\"").arg(text);
    }
    return QString();
}

// A message as lupdate identifies it: context, source, comment and whether it has plural forms.
QSet<QString> keysOf(const TsFile& ts)
{
    QSet<QString> keys;
    for (const Message& message : ts.messages)
        keys.insert(QStringLiteral("[%1] \"%2\"%3%4")
                        .arg(message.context, message.source,
                             message.comment.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(message.comment),
                             message.numerus ? QStringLiteral(" (plural)") : QString()));
    return keys;
}

QString tsFolder()
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/app/translations");
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void checkerCatchesFaults_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("faulty");
        QTest::newRow("fine") << "Size: %1" << "Größe: %1" << false;
        QTest::newRow("order may change") << "%1 of %2" << "%2 の %1" << false;
        QTest::newRow("placeholder lost") << "Size: %1" << "Größe" << true;
        QTest::newRow("placeholder renumbered") << "Disk %1" << "Datenträger %2" << true;
        QTest::newRow("tag lost") << "<b>Healthy</b><br/>Fine" << "<b>Gesund</b> Gut" << true;
        QTest::newRow("tag kept") << "<a href=\"x\">Get Help</a>" << "<a href=\"x\">Hilfe</a>" << false;
        QTest::newRow("accelerator lost") << "&Open" << "Öffnen" << true;
        QTest::newRow("accelerator kept") << "&Open" << "Ö&ffnen" << false;
        QTest::newRow("entity is no accelerator") << "Copyright &copy; %1" << "Copyright &copy; %1" << false;
        QTest::newRow("empty") << "Stop" << "  " << true;
    }

    void checkerCatchesFaults()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(bool, faulty);
        Message message;
        message.source = source;
        message.translation = translation;
        message.unfinished = false;
        QCOMPARE(!faultOf(message, 2).isEmpty(), faulty);
    }

    void pluralFormsPerLanguage()
    {
        Message message;
        message.numerus = true;
        message.source = QStringLiteral("%1 (%2) items are found.");
        message.forms = QStringList{"%1 (%2) файл", "%1 (%2) файла"};
        QVERIFY(!faultOf(message, pluralForms(QStringLiteral("ru_RU"))).isEmpty());
        message.forms.append(QStringLiteral("%1 (%2) файлов"));
        QCOMPARE(faultOf(message, pluralForms(QStringLiteral("ru_RU"))), QString());
    }

    void files_data()
    {
        QTest::addColumn<QString>("stem");
        const QStringList files = QDir(tsFolder()).entryList({"*.ts"}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 13);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << QFileInfo(file).completeBaseName();
    }

    void files()
    {
        QFETCH(QString, stem);
        const TsFile ts = readTs(tsFolder() + QLatin1Char('/') + stem + QStringLiteral(".ts"));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const TsFile english = readTs(tsFolder() + QStringLiteral("/en-us.ts"));
        QCOMPARE(ts.messages.size(), english.messages.size());

        const int forms = pluralForms(ts.language);
        QTranslator compiled;
        QVERIFY2(compiled.load(QStringLiteral(":/translations/") + stem + QStringLiteral(".qm")), qPrintable(stem));
        QStringList faults;
        QStringList unfinished;
        for (const Message& message : ts.messages) {
            if (message.unfinished) {
                unfinished.append(where(stem, message));
                if (message.numerus && message.forms.size() != forms)
                    faults.append(where(stem, message) + QStringLiteral(": %1 plural forms, the language has %2")
                                                             .arg(message.forms.size()).arg(forms));
                continue;
            }
            const QString fault = faultOf(message, forms);
            if (!fault.isEmpty()) {
                faults.append(where(stem, message) + QStringLiteral(": ") + fault);
                continue;
            }
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            const QByteArray comment = message.comment.toUtf8();
            const char* disambiguation = comment.isEmpty() ? nullptr : comment.constData();
            if (message.numerus) {
                for (int n : {0, 1, 2, 3, 5, 11, 21, 22, 101, 1000})
                    if (compiled.translate(context, source, disambiguation, n).isEmpty())
                        faults.append(where(stem, message) + QStringLiteral(": no compiled form for %1").arg(n));
            } else if (compiled.translate(context, source, disambiguation) != message.translation) {
                faults.append(where(stem, message) + QStringLiteral(": the compiled text differs"));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        if (completeLanguages.contains(stem))
            QVERIFY2(unfinished.isEmpty(), qPrintable(QStringLiteral("unfinished:\n") + unfinished.join('\n')));
        else if (stem != QLatin1String("en-us") && !unfinished.isEmpty())
            qInfo("%s: %d of %d messages unfinished", qPrintable(stem), int(unfinished.size()),
                  int(ts.messages.size()));
    }

    // Every text the program shows is in every translation file, and no file
    // keeps one the program no longer shows: the lupdate of
    // scripts/update-translations.sh, run into a temporary copy, adds and drops
    // nothing. (A tr() text never run through lupdate would otherwise pass in
    // every language, shown in English.)
    void everyShownTextIsInEveryFile()
    {
        if (!TestMounts::haveTool(QStringLiteral("lupdate")))
            SKIP_OR_FAIL(false, QStringLiteral("lupdate is not installed"));
        QTemporaryDir fresh;
        QVERIFY(fresh.isValid());
        QProcess script;
        script.setProcessChannelMode(QProcess::MergedChannels);
        script.start(QStringLiteral("bash"),
                     {QStringLiteral(VELMORA_SOURCE_DIR "/scripts/update-translations.sh"), fresh.path()});
        QVERIFY(script.waitForFinished(300000));
        QVERIFY2(script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0,
                 script.readAll().constData());
        const QStringList files = QDir(tsFolder()).entryList({"*.ts"}, QDir::Files, QDir::Name);
        QCOMPARE(QDir(fresh.path()).entryList({"*.ts"}, QDir::Files, QDir::Name), files);
        QStringList faults;
        for (const QString& file : files) {
            const TsFile inPlace = readTs(tsFolder() + QLatin1Char('/') + file);
            const TsFile refreshed = readTs(fresh.filePath(file));
            QVERIFY2(inPlace.error.isEmpty() && refreshed.error.isEmpty(),
                     qPrintable(inPlace.error + refreshed.error));
            const QSet<QString> kept = keysOf(inPlace), now = keysOf(refreshed);
            for (const QString& key : now - kept)
                faults << QStringLiteral("%1: new, not in the file: %2").arg(file, key);
            for (const QString& key : kept - now)
                faults << QStringLiteral("%1: vanished from the program: %2").arg(file, key);
        }
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n') +
                                              QStringLiteral("\n(run scripts/update-translations.sh and translate)")));
    }

    // The complete languages are the ones without an unfinished message, so
    // the list cannot fall behind a finished file unnoticed.
    void completeListIsCurrent()
    {
        for (const QString& stem : QDir(tsFolder()).entryList({"*.ts"}, QDir::Files, QDir::Name)) {
            const QString language = QFileInfo(stem).completeBaseName();
            if (language == QLatin1String("en-us"))
                continue;
            const TsFile ts = readTs(tsFolder() + QLatin1Char('/') + stem);
            const bool finished =
                std::none_of(ts.messages.begin(), ts.messages.end(), [](const Message& m) { return m.unfinished; });
            if (finished)
                QVERIFY2(completeLanguages.contains(language),
                         qPrintable(language + QStringLiteral(" is finished: add it to the complete languages")));
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Registers the compiled-in translations.
    Q_INIT_RESOURCE(translations);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TranslationsTest.moc"
