#pragma once
// The user-interface language: detected from the system locale at first
// start, then the stored choice ("Language" in the default settings store).
// Loading a language fills the application's one translator from
// ":/translations/", which makes Qt send QEvent::LanguageChange to every widget.
#include <QObject>
#include <QString>

class QTranslator;

class LanguageSettings : public QObject {
    Q_OBJECT
public:
    enum LanguageType {
        LanguageEnglish = 0,
        LanguageChineseSimplified = 1,
        LanguageChineseTraditional = 2,
        LanguageItalian = 3,
        LanguageGerman = 4,
        LanguageFrench = 5,
        LanguageSpanish = 6,
        LanguagePortuguese = 7,
        LanguageJapanese = 8,
        LanguageRussian = 9,
        LanguageIndonesian = 10,
        LanguageKorean = 11,
        LanguageVietnamese = 12,
    };
    Q_ENUM(LanguageType)

    static LanguageSettings& instance();

    // The stored code, else the system's (kept as current, not stored).
    int language();
    int systemLanguage() const;
    int currentLanguage() const { return current_; }

    // Loads and activates the language; a failed load keeps the previous
    // translation, stores nothing and emits nothing.
    bool setLanguage(int code);

    // "de-de.qm" and so on; "en-us.qm" for codes outside 0-12.
    static QString translationFileName(int code);
    // Where translations are loaded from; ":/translations/" unless a test moves it.
    static void setTranslationRoot(const QString& root);

signals:
    void languageChanged(LanguageSettings::LanguageType type);

private:
    LanguageSettings();

    QTranslator* translator_;
    int current_ = LanguageEnglish;
};
