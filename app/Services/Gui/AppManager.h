#pragma once
// The process-wide application services the windows share: start-up set-up,
// the theme colours and the language's font, registered widgets, image
// paths, web-link suffixes and the update check.
#include <QColor>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QWidget;

struct FontRecord {
    const char* family;
    int baseSize;
    int secondSize;
    int thirdSize;
};

// Carlito matches the design font's metrics; Noto CJK covers the East Asian scripts.
inline constexpr FontRecord defaultFontRecord{"Carlito", 11, 18, 16};
inline constexpr FontRecord chineseJapaneseFontRecord{"Noto Sans CJK SC", 9, 15, 13};
inline constexpr FontRecord koreanFontRecord{"Noto Sans CJK KR", 9, 16, 14};

// The record for a language code.
const FontRecord& fontRecordFor(int languageCode);

class AppManager : public QObject {
    Q_OBJECT
public:
    enum ThemeColor {
        PrimaryText, SecondaryText, Accent, LinkAccent, LightAccent, PaleAccent, LightBackground, SeparatorLine,
    };

    static std::shared_ptr<AppManager> instance();

    // Names, palette, language and font, name table, log, crash reporting.
    void initApplication();

    static QString applicationName() { return QStringLiteral("Ostrel Windows Data Recovery"); }
    static QString currentVersion() { return QStringLiteral("1.3.0"); }
    // The launcher entry's name without ".desktop": share/applications/ostrel-windows-data.desktop.
    static QString desktopFileName() { return QStringLiteral("ostrel-windows-data"); }
    static QString aboutYear() { return QStringLiteral("2026"); }

    QColor themeColor(ThemeColor which) const { return colors_[which]; }
    QString fontFamily() const { return fontFamily_; }
    int fontSize() const { return fontSizes_[0]; }
    int secondFontSize() const { return fontSizes_[1]; }
    int thirdFontSize() const { return fontSizes_[2]; }

    void registerWidget(int key, QWidget* widget);
    QWidget* registeredWidget(int key) const;
    void postEvent(QObject* receiver, QEvent* event, int priority = Qt::NormalEventPriority);

    static QString imagePath(const QString& name, int flag = 0);
    static QString websiteLanguageSuffix();
    static QString websiteLanguagePrefix() { return QString(); }

    // Gives the main window (widget 0) and every widget below it the current
    // family, keeping each one's size and weight.
    void applyFont();

    // Asks the update endpoint for its document; the result map (the document
    // plus "CheckResult": 1 newer, 0 up to date, -1 failed) goes to the
    // handler on the GUI thread, also when no endpoint is set.
    void checkForUpdates();
    void setUpdateResultHandler(std::function<void(const QVariantMap&)> handler);
    void setUpdateTransferTimeout(int ms) { updateTimeoutMs_ = ms; }

private:
    AppManager() = default;
    void setFontRecord(const FontRecord& record);
    void onLanguageChanged(int code);
    void onUpdateReply(QNetworkReply* reply);
    void deliverUpdateResult(const QVariantMap& result);

    QString fontFamily_;
    int fontSizes_[3] = {0, 0, 0};
    QColor colors_[8];
    QNetworkAccessManager* network_ = nullptr;
    QHash<int, QPointer<QWidget>> widgets_;
    std::function<void(const QVariantMap&)> updateHandler_;
    int updateTimeoutMs_ = 15000;
};

// Posts AppEvent 1 to the main window when a dialog shows and 2 when it hides
// or closes; busy-indicator dialogs are left out. Nothing is swallowed.
class DialogEventFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
