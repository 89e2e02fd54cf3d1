#include "LanguageSettings.h"

#include "DisplayLocale.h"
#include "spdlog_qt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

namespace {

const char* const TranslationFiles[] = {
    "en-us.qm", "zh-cn.qm", "zh-tw.qm", "it-it.qm", "de-de.qm", "fr-fr.qm", "es-es.qm",
    "pt-pt.qm", "ja-jp.qm", "ru-ru.qm", "id-id.qm", "ko-kr.qm", "vi-vn.qm",
};

// Tested in this order; Korean comes before Indonesian.
const struct {
    const char* test;
    int code;
} LocaleTests[] = {
    {"en_", 0}, {"zh_CN", 1}, {"zh_TW", 2}, {"it_", 3}, {"de_", 4}, {"fr_", 5}, {"es_", 6},
    {"pt_", 7}, {"ja_", 8},   {"ru_", 9},   {"ko_", 11}, {"id_", 10}, {"vi_", 12},
};

QString& translationRoot()
{
    static QString root = QStringLiteral(":/translations/");
    return root;
}

}

LanguageSettings& LanguageSettings::instance()
{
    static LanguageSettings* settings = new LanguageSettings;  // lives as long as the application's translator
    return *settings;
}

LanguageSettings::LanguageSettings()
    : translator_(new QTranslator(this))
{
    Q_INIT_RESOURCE(translations);
    qRegisterMetaType<LanguageSettings::LanguageType>("LanguageSettings::LanguageType");
    QCoreApplication::installTranslator(translator_);
}

int LanguageSettings::language()
{
    const QVariant stored = QSettings().value(QStringLiteral("Language"));
    if (stored.isValid() && !stored.isNull())
        return stored.toInt();
    current_ = systemLanguage();
    return current_;
}

int LanguageSettings::systemLanguage() const
{
    const QString name = QLocale::system().name();
    logInfo(QStringLiteral("system language:%1").arg(name));
    for (const auto& entry : LocaleTests)
        if (name.contains(QLatin1String(entry.test)))
            return entry.code;
    return LanguageEnglish;
}

QString LanguageSettings::translationFileName(int code)
{
    if (code < 0 || code >= static_cast<int>(std::size(TranslationFiles)))
        code = LanguageEnglish;
    return QString::fromLatin1(TranslationFiles[code]);
}

void LanguageSettings::setTranslationRoot(const QString& root)
{
    translationRoot() = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
}

bool LanguageSettings::setLanguage(int code)
{
    const QString path = translationRoot() + translationFileName(code);
    if (!translator_->load(path)) {
        std::fprintf(stderr, "error: load %s failed.\n", path.toLocal8Bit().constData());
        return false;
    }
    current_ = code;
    setDisplayLanguage(code);
    QSettings().setValue(QStringLiteral("Language"), code);
    emit languageChanged(static_cast<LanguageType>(code));
    return true;
}
