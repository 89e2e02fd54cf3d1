#include "Dialogs/AboutDialog.h"

#include "AppManager.h"
#include "Endpoints.h"
#include "Application/XApplication.h"
#include "XImageBox.h"
#include "XLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent)
    : XDialog(parent)
{
    const auto manager = AppManager::instance();
    setFixedWidth(XApplication::scaledX(520) + 2 * shadowMargin());
    setShadowFollowsActivation(true);
    QWidget* content = contentWidget();

    logo_ = new XImageBox(content);
    logo_->setFixedSize(XApplication::scaledX(50), XApplication::scaledY(50));
    logo_->setImageFile(manager->imagePath("app_logo_120.png"), true);
    auto label = [content](double points, bool bold, const QColor& colour) {
        auto* l = new XLabel(content);
        l->setFontPointSizeAndBold(points, bold);
        l->setTextColor(colour);
        return l;
    };
    title_ = label(15, true, manager->themeColor(AppManager::PrimaryText));
    title_->setAlignment(Qt::AlignCenter);
    versionCaption_ = label(13.5, true, manager->themeColor(AppManager::PrimaryText));
    versionCaption_->setFixedHeight(XApplication::scaledY(25));
    version_ = label(13.5, true, manager->themeColor(AppManager::PrimaryText));
    version_->setFixedHeight(XApplication::scaledY(25));
    version_->setText(manager->currentVersion());
    paragraph_ = label(12, false, manager->themeColor(AppManager::SecondaryText));
    paragraph_->setWordWrap(true);
    learnMore_ = label(12, false, manager->themeColor(AppManager::SecondaryText));
    link_ = label(12, false, manager->themeColor(AppManager::SecondaryText));
    link_->setTextFormat(Qt::RichText);
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link_->setOpenExternalLinks(true);
    copyright_ = label(12, false, manager->themeColor(AppManager::SecondaryText));
    copyright_->setTextFormat(Qt::RichText);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(XApplication::scaledX(25), 0, XApplication::scaledX(25),
                               XApplication::scaledY(20));
    layout->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(logo_);
    top->addSpacing(XApplication::scaledX(15));
    top->addWidget(title_);
    top->addStretch();
    layout->addLayout(top);
    layout->addSpacing(XApplication::scaledY(10));
    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(XApplication::scaledX(5));
    versionRow->addWidget(versionCaption_);
    versionRow->addWidget(version_);
    versionRow->addStretch();
    layout->addLayout(versionRow);
    layout->addSpacing(XApplication::scaledY(20));
    layout->addWidget(paragraph_);
    layout->addStretch();
    layout->addSpacing(XApplication::scaledY(20));
    layout->addWidget(learnMore_);
    layout->addWidget(link_);
    layout->addSpacing(XApplication::scaledY(10));
    layout->addWidget(copyright_);

    // Without a configured web site there is nothing to link to.
    const QString site = endpoint(Endpoint::Website);
    learnMore_->setVisible(!site.isEmpty());
    link_->setVisible(!site.isEmpty());
    if (!site.isEmpty())
        link_->setText(QString("<a style='color: %1;' href=\"%2/\">%2</a>")
                           .arg(manager->themeColor(AppManager::LinkAccent).name(),
                                (manager->websiteLanguagePrefix() + site).toHtmlEscaped()));
    retranslate();
}

void AboutDialog::retranslate()
{
    setTitle(QString());
    title_->setText(tr("Ostrel Windows Data Recovery"));
    versionCaption_->setText(tr("Version:"));
    paragraph_->setText(tr("Ostrel Windows Data Recovery finds deleted and lost files on hard disks, "
                           "memory cards, USB drives and disk images, including files on formatted "
                           "or lost partitions, and copies them to a folder you choose. It only "
                           "reads the disk you recover from and never writes to it."));
    // The paragraph takes the lines its language needs; the dialog grows with it.
    paragraph_->setMinimumHeight(paragraph_->heightForWidth(XApplication::scaledX(520 - 2 * 25)));
    learnMore_->setText(tr("To learn more please visit:"));
    copyright_->setText(tr("Copyright &copy; %1 pelvane. All rights reserved.")
                            .arg(AppManager::aboutYear()));
}

void AboutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    XDialog::changeEvent(event);
}
