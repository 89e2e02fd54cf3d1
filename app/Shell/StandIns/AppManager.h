#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

// Process-wide application services the windows use.
class AppManager : public QObject
{
    Q_OBJECT
public:
    static std::shared_ptr<AppManager> instance();

    void initApplication();
    static QString applicationName() { return QStringLiteral("Ostrel Windows Data Recovery"); }
    static QString currentVersion() { return QStringLiteral("1.3.0"); }
    static QString aboutYear() { return QStringLiteral("2026"); }

    void registerWidget(int key, QWidget* widget);
    QWidget* registeredWidget(int key) const;
    void postEvent(QObject* receiver, QEvent* event, int priority);
    QString imagePath(const QString& name, int flag = 0) const;
    // The maker's web site ("https://host"), or empty when none is configured.
    QString website() const;
    QString websiteLanguagePrefix() const { return QString(); }
    void applyFont();

    QString fontFamily = QStringLiteral("Calibri");
    int fontPointSize = 11;
    int secondFontPointSize = 18;
    int thirdFontPointSize = 16;

    QColor primaryTextColor{"#0F172A"};
    QColor secondaryTextColor{"#64748B"};
    QColor accentColor{"#2563EB"};
    QColor linkAccentColor{"#2563EB"};
    QColor lightAccentColor{"#DBEAFE"};
    QColor paleAccentColor{"#EFF6FF"};
    QColor lightBackgroundColor{"#F8FAFC"};
    QColor separatorLineColor{"#F1F5F9"};

private:
    QHash<int, QPointer<QWidget>> widgets_;
};
