#include "NoLocalDiskDialog.h"

#include "AppManager.h"
#include "DeviceButtons.h"
#include "DesktopHelpers.h"
#include "DeviceScale.h"
#include "Endpoints.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

NoLocalDiskDialog::NoLocalDiskDialog(QWidget* parent) : XDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumHeight(369);
    setFixedWidth(sx(616));
    setupUi();
}

QString NoLocalDiskDialog::supportAddress()
{
    QString site = endpoint(Endpoint::Website);
    if (site.isEmpty())
        return {};
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site + QStringLiteral("/support/");
}

void NoLocalDiskDialog::openSupportPage()
{
    const QString address = supportAddress();
    if (!address.isEmpty())
        openLink(address);
}

void NoLocalDiskDialog::showEvent(QShowEvent* event)
{
    XDialog::showEvent(event);
    // Laid out by now: the wrapped texts take the lines their language needs at
    // the width they got, and the dialog grows with them (its minimum height
    // alone holds English at scale 1 only).
    for (XLabel* label : contentWidget()->findChildren<XLabel*>()) {
        if (label->wordWrap())
            label->setMinimumHeight(label->heightForWidth(label->width()));
    }
}

void NoLocalDiskDialog::setupUi()
{
    auto* picture = new XImageBox(contentWidget());
    picture->setFixedSize(sx(195), sy(205));
    picture->setImageFile(AppManager::imagePath("refresh_indicator@2x.png"), false);
    picture->setImageSize(picture->size());

    auto* title = new XLabel(contentWidget());
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft);
    title->setTextColor(DeviceColors::primaryText);
    title->setFontPointSizeAndBold(13.5, true);
    title->setText(tr("Cannot detect your drive?"));

    auto* tips = new XLabel(contentWidget());
    tips->setWordWrap(true);
    tips->setAlignment(Qt::AlignLeft);
    tips->setTextColor(DeviceColors::primaryText);
    tips->setFontPointSize(10.5);
    tips->setText(tr("1. Remove all external devices and try again.") + QStringLiteral("\n\n")
                  + tr("2. Please connect only the external device to be scanned. Try again after you change to "
                       "another USB port."));

    auto* help = new XLabel(contentWidget());
    help->setObjectName("supportLink");
    help->setAlignment(Qt::AlignLeft);
    help->setTextColor(DeviceColors::primaryText);
    help->setFontPointSize(9.0);
    help->setContextMenuPolicy(Qt::NoContextMenu);
    help->setText(tr("Still have problem? <a style='color: %1;' href=\"help/\">Contact us >></a>")
                      .arg(DeviceColors::accent.name()));
    connect(help, &QLabel::linkActivated, this, &NoLocalDiskDialog::openSupportPage);
    // Without a configured web site there is nowhere to send the user.
    help->setVisible(!supportAddress().isEmpty());

    auto* button = new XPushButton(contentWidget());
    button->setObjectName("gotItButton");
    stylePrimaryButton(button, 219, 38);
    button->setFontPointSize(10.5);
    button->setFontBold(true);
    button->setText(tr("Got it"));
    connect(button, &XPushButton::clicked, this, &QWidget::close);

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(title);
    column->addSpacing(sy(20));
    column->addWidget(tips);
    column->addStretch();
    column->addWidget(help);
    column->addSpacing(sy(20));
    column->addWidget(button, 0, Qt::AlignLeft);

    auto* outer = new QHBoxLayout(contentWidget());
    outer->setContentsMargins(sx(40), sy(10), sx(40), sy(40));
    outer->setSpacing(0);
    outer->addLayout(column);
    outer->addSpacing(sx(20));
    outer->addWidget(picture, 0, Qt::AlignCenter);
}
