#pragma once

#include "XDialog.h"

#include <QVariantMap>
#include <functional>

class QTextBrowser;
class XBusyIndicator;
class XImageBox;
class XLabel;
class XPushButton;

// Shows the state and answer of the software-update check.
class UpgradeDialog : public XDialog
{
    Q_OBJECT
public:
    explicit UpgradeDialog(QWidget* parent = nullptr);

    void setResult(const QVariantMap& result);

    // "2024-05-20" -> "05-20.2024": the part after the fifth character, a
    // point and the first four characters.
    static QString rewriteReleaseDate(const QString& date);
    // Only web addresses with a host may be opened from the network's answer.
    static bool isAcceptableDownloadUrl(const QString& address);

    XLabel* statusLabel() const { return status_; }
    XLabel* informationLabel() const { return information_; }
    QTextBrowser* notes() const { return notes_; }
    XPushButton* laterButton() const { return later_; }
    XPushButton* upgradeButton() const { return upgrade_; }
    XBusyIndicator* busyIndicator() const { return busy_; }
    QString downloadUrl() const { return downloadUrl_; }

    // Seam for tests: what "Upgrade Now" opens (default: the desktop's browser).
    std::function<void(const QUrl&)> openUrl;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showWaiting();
    void showOutcome();

    XImageBox* logo_;
    XLabel* title_;
    XLabel* status_;
    XLabel* information_;
    QWidget* separator_;
    QTextBrowser* notes_;
    XPushButton* later_;
    XPushButton* upgrade_;
    QString downloadUrl_;
    XBusyIndicator* busy_;
    QVariantMap result_;
};
