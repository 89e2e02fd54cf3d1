#include "Dialogs/UpgradeDialog.h"

#include "AppManager.h"
#include "Application/XApplication.h"
#include "XBusyIndicator.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"
#include "spdlog_qt.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

XPushButton* dialogButton(QWidget* parent, const QVector<QColor>& background, const QVector<QColor>& text,
                          const QVector<QColor>& border)
{
    auto* button = new XPushButton(parent);
    button->setFixedSize(XApplication::scaledX(128), XApplication::scaledY(32));
    button->setFontPointSize(12);
    button->setRadius(0.14 * button->height());
    button->setBackgroundColors(background);
    button->setTextColors(text);
    button->setBorderColors(border);
    button->setBorderWidth(2);
    return button;
}

} // namespace

UpgradeDialog::UpgradeDialog(QWidget* parent)
    : XDialog(parent)
{
    const auto manager = AppManager::instance();
    setFixedSize(XApplication::scaledX(580) + 2 * shadowMargin(),
                 XApplication::scaledY(493) + 2 * shadowMargin());
    setShadowFollowsActivation(true);
    QWidget* content = contentWidget();

    logo_ = new XImageBox(content);
    logo_->setFixedSize(XApplication::scaledX(50), XApplication::scaledY(50));
    logo_->setImageFile(manager->imagePath("app_logo_120.png"), true);
    title_ = new XLabel(content);
    title_->setFontPointSizeAndBold(15, true);
    title_->setTextColor(manager->themeColor(AppManager::PrimaryText));
    status_ = new XLabel(content);
    status_->setWordWrap(true);
    status_->setFontPointSize(12);
    status_->setTextColor(manager->themeColor(AppManager::PrimaryText));
    information_ = new XLabel(content);
    information_->setFontPointSize(12);
    information_->setTextColor(manager->themeColor(AppManager::SecondaryText));
    separator_ = new QWidget(content);
    separator_->setFixedHeight(1);
    separator_->setStyleSheet("QWidget {background: #D7D7D7;}");
    notes_ = new QTextBrowser(content);
    notes_->setTextInteractionFlags(Qt::NoTextInteraction);
    notes_->setWordWrapMode(QTextOption::WordWrap);
    notes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notes_->setStyleSheet("QTextBrowser {border: none;}");

    later_ = dialogButton(content, {QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")},
                          {QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")},
                          {QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
    upgrade_ = dialogButton(content, {QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")},
                            {Qt::white, Qt::white, Qt::white, QColor("#B6B6B6")},
                            QVector<QColor>(4, Qt::transparent));

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(XApplication::scaledX(25), 0, XApplication::scaledX(25),
                               XApplication::scaledY(20));
    layout->setSpacing(XApplication::scaledY(10));
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(XApplication::scaledX(15));
    top->addWidget(logo_);
    top->addWidget(title_);
    layout->addLayout(top);
    layout->addSpacing(XApplication::scaledY(25));
    layout->addWidget(status_);
    layout->addSpacing(XApplication::scaledY(10));
    layout->addWidget(information_);
    layout->addWidget(separator_);
    layout->addWidget(notes_);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(XApplication::scaledX(20));
    buttons->addStretch();
    buttons->addWidget(later_);
    buttons->addWidget(upgrade_);
    layout->addLayout(buttons);

    busy_ = new XBusyIndicator(this);
    busy_->setFixedSize(XApplication::scaledX(50), XApplication::scaledY(50));
    busy_->setPixmap(manager->imagePath("loading52.png"), busy_->size());

    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    connect(later_, &XPushButton::clicked, this, &QWidget::close);
    connect(upgrade_, &XPushButton::clicked, this, [this] {
        if (isAcceptableDownloadUrl(downloadUrl_))
            openUrl(QUrl(downloadUrl_));
    });

    showWaiting();
    showOutcome();
}

bool UpgradeDialog::isAcceptableDownloadUrl(const QString& address)
{
    // The address comes from the network: a file: or custom scheme would start
    // a local handler, so only web addresses with a host are opened.
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty();
}

QString UpgradeDialog::rewriteReleaseDate(const QString& date)
{
    return date.mid(5) + "." + date.left(4);
}

void UpgradeDialog::showWaiting()
{
    status_->setText(tr("Waiting for checking..."));
    information_->clear();
    information_->hide();
    notes_->clear();
    later_->hide();
    upgrade_->hide();
    downloadUrl_.clear();
    busy_->move((width() - busy_->width()) / 2, height() / 2 + XApplication::scaledY(50) - busy_->height() / 2);
    busy_->start(-1);
}

void UpgradeDialog::setResult(const QVariantMap& result)
{
    if (!result.contains("CheckResult"))
        return;
    result_ = result;
    busy_->stop();
    showOutcome();
}

void UpgradeDialog::showOutcome()
{
    later_->setText(tr("Remind Me Later"));
    upgrade_->setText(tr("Upgrade Now"));
    setTitle(QString());
    title_->setText(tr("Ostrel Windows Data Recovery"));
    if (!result_.contains("CheckResult")) {
        status_->setText(tr("Waiting for checking..."));
        return;
    }
    const int outcome = result_.value("CheckResult").toInt();
    const bool newVersion = outcome == 1;
    if (!newVersion) {
        status_->setText(outcome == 0 ? tr("Current version is up to date.")
                                      : tr("Fetch update info failed. Please retry later."));
        for (QWidget* widget : {static_cast<QWidget*>(information_), separator_,
                                static_cast<QWidget*>(notes_), static_cast<QWidget*>(later_),
                                static_cast<QWidget*>(upgrade_)})
            widget->hide();
        return;
    }
    status_->setText(tr("A new version is available!"));
    const QString version = result_.value("Version").toString();
    information_->clear();
    if (!version.isEmpty())
        information_->setText(tr("Version: %1 | Size: %2 | Release Date: %3")
                                  .arg(version, result_.value("Size").toString(),
                                       rewriteReleaseDate(result_.value("Release Date").toString())));
    notes_->setText(result_.value("What's New").toString());
    downloadUrl_ = result_.value("Download URL").toString();
    information_->setVisible(!version.isEmpty());
    separator_->show();
    notes_->show();
    later_->show();
    const bool canOpen = isAcceptableDownloadUrl(downloadUrl_);
    if (!canOpen)
        logError(QString("Update check: refused download address \"%1\"").arg(downloadUrl_));
    upgrade_->setVisible(canOpen);
}

void UpgradeDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showOutcome();
    XDialog::changeEvent(event);
}
