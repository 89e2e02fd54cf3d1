#include "NoSDCardDialog.h"

#include "AppManager.h"
#include "DesktopHelpers.h"
#include "DeviceScale.h"
#include "NoLocalDiskDialog.h"
#include "NoSDCardSolutionProvider.h"
#include "NoSDCardTabBar.h"
#include "XLabel.h"

#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString secureSupportAddress()
{
    const QString address = NoLocalDiskDialog::supportAddress();
    return QUrl(address).scheme() == QLatin1String("https") ? address : QString();
}

}  // namespace

NoSDCardDialog::NoSDCardDialog(QWidget* parent)
    : XDialog(parent), tabBar_(new NoSDCardTabBar(contentWidget())), stack_(new QStackedWidget(contentWidget())),
      bottom_(new XLabel(contentWidget()))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(sx(696), sy(650));
    tabBar_->setTabs(tr("Check disk connection"), tr("Check disk status"));

    auto* connection = new NoSDCardSolutionProvider(QSize(sx(88), sy(88)), sy(140),
                                                    NoSDCardSolutionProvider::ConnectionMode, stack_);
    addConnectionSteps(connection);
    auto* status = new NoSDCardSolutionProvider(QSize(sx(215), sy(95)), sy(137), NoSDCardSolutionProvider::StatusMode,
                                                stack_);
    addStatusSteps(status);
    stack_->addWidget(connection);
    stack_->addWidget(status);
    connect(tabBar_, &NoSDCardTabBar::currentChanged, stack_, &QStackedWidget::setCurrentIndex);

    bottom_->setObjectName("supportLine");
    bottom_->setTextColor(DeviceColors::secondaryText);
    bottom_->setAlignment(Qt::AlignLeft);
    bottom_->setFontPointSize(10.5);
    bottom_->setContextMenuPolicy(Qt::NoContextMenu);
    bottom_->setText(tr("Still have problem? <a style='color: %1;' href=\"help/\">Contact us >></a>")
                         .arg(DeviceColors::accent.name()));
    connect(bottom_, &QLabel::linkActivated, this, [] { openSupportPage(); });
    // Without a configured web site there is nowhere to send the user.
    bottom_->setVisible(!secureSupportAddress().isEmpty());

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(sx(40), 0, sx(40), sy(20));
    layout->setSpacing(0);
    layout->addWidget(tabBar_, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addSpacing(sy(14));
    layout->addWidget(stack_);
    layout->addSpacing(sy(1));
    layout->addWidget(bottom_, 0, Qt::AlignLeft | Qt::AlignBottom);
}

NoSDCardSolutionProvider* NoSDCardDialog::page(int index) const
{
    return qobject_cast<NoSDCardSolutionProvider*>(stack_->widget(index));
}

bool NoSDCardDialog::openSupportPage()
{
    const QString address = secureSupportAddress();
    return !address.isEmpty() && openLink(address);
}

void NoSDCardDialog::addConnectionSteps(NoSDCardSolutionProvider* page)
{
    page->addStep(tr("To recover data from a digital camera, please remove the SD card and connect it to the "
                     "computer via a card reader."),
                  AppManager::imagePath("storage_link_step_1@2x.png"), true);
    page->addStep(tr("If the card reader is not recognized, try another USB port or a port on the back of the "
                     "computer."),
                  AppManager::imagePath("storage_link_step_2@2x.png"), true);
    page->addStep(tr("If none of the above methods work, try changing the card reader or computer and try again."),
                  AppManager::imagePath("storage_link_step_3@2x.png"), false);
}

void NoSDCardDialog::addStatusSteps(NoSDCardSolutionProvider* page)
{
    // The text appends a '/' to the address itself: hand it over without its own
    // final '/', so the link is the support page exactly (not ".../support//").
    QString address = secureSupportAddress();
    const bool linked = !address.isEmpty();
    if (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    const QString healthy = tr("<b>Healthy</b><br/>The disk is connected and in healthy condition, indicating that "
                               "the disk is in normal condition. If it still cannot be detected, please <a "
                               "style='color: %1;' href=\"%2/\">contact us</a>.")
                                .arg(DeviceColors::accent.name(), address);
    page->addStep(linked ? healthy : withoutAnchors(healthy), AppManager::imagePath("storage_status_step_1@2x.png"),
                  true);
    // A new volume would be written onto the card the files are to be recovered from.
    page->addStep(tr("<b>Unallocated</b><br/>Scan the card's unallocated space first, on the whole disk page "
                     "(\"Scan Disk\"). Create a new volume on the card only after your files are recovered: "
                     "creating one writes to the card."),
                  AppManager::imagePath("storage_status_step_2@2x.png"), true);
    page->addStep(tr("<b>No Media</b><br/>If the SD card is no longer recognized, it may be damaged."),
                  AppManager::imagePath("storage_status_step_3@2x.png"), false);
}
