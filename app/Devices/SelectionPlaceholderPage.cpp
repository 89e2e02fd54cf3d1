#include "SelectionPlaceholderPage.h"

#include "AppManager.h"
#include "DeviceScale.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QVBoxLayout>

SelectionPlaceholderPage::SelectionPlaceholderPage(int pageType, QWidget* parent) : PageWidget(parent)
{
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(sx(16), sy(16), sx(16), sy(16));
    if (pageType == 2) {
        auto* back = new XPushButton(this);
        back->setObjectName("backButton");
        back->setFixedSize(sx(24), sy(24));
        back->setHoverPixmaps(AppManager::imagePath("back_1.png"), AppManager::imagePath("back_1_hover.png"), false);
        back->scalePixmaps(back->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        connect(back, &XPushButton::clicked, this, &SelectionPlaceholderPage::partitionRecovery);
        layout->addWidget(back);
    }
    auto* text = new XLabel(this);
    text->setTextColor(DeviceColors::secondaryText);
    text->setFontPointSize(12.0);
    text->setText(pageType == 1 ? tr("SD cards will be listed here.") : tr("Whole disks will be listed here."));
    layout->addWidget(text, 0, Qt::AlignCenter);
    layout->addStretch();
}
