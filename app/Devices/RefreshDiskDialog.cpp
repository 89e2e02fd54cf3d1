#include "RefreshDiskDialog.h"

#include "AppManager.h"
#include "DeviceScale.h"
#include "StorageDeviceManager.h"
#include "ThreadHandOver.h"
#include "XLabel.h"

#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <QVBoxLayout>

namespace {
int startDelayMs = 3500;
}

void RefreshDiskDialog::setStartDelayMs(int ms)
{
    startDelayMs = ms;
}

RefreshDiskDialog::RefreshDiskDialog(QWidget* parent) : XDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(sx(580), sy(316));
    setTitleBarVisible(false);
    setupUi();
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &RefreshDiskDialog::refreshDiskFinshSignal);
    // Precise: a coarse timer may fire 5 % early, and the animation must show for the full time.
    QTimer::singleShot(startDelayMs, Qt::PreciseTimer, this, &RefreshDiskDialog::startRefresh);
}

RefreshDiskDialog::~RefreshDiskDialog()
{
    // The reload goes on and still updates the cached list; only its end is not heard.
    watcher_.disconnect(this);
}

void RefreshDiskDialog::setupUi()
{
    auto* animation = new QLabel(contentWidget());
    auto* movie = new QMovie(AppManager::imagePath("local_disk@2x.gif"), QByteArray(), animation);
    movie->setScaledSize(QSize(sx(73), sy(73)));
    animation->setMovie(movie);
    animation->setAlignment(Qt::AlignCenter);

    auto* title = new XLabel(contentWidget());
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);
    title->setTextColor(DeviceColors::primaryText);
    title->setFontPointSizeAndBold(13.5, true);
    title->setText(tr("Reading data from the disk, please wait..."));
    title->setFixedWidth(sx(500));

    auto* subtitle = new XLabel(contentWidget());
    subtitle->setWordWrap(true);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setTextColor(DeviceColors::secondaryText);
    subtitle->setFontPointSize(10.5);
    subtitle->setText(tr("It may take a while to refresh drive information."));
    subtitle->setFixedWidth(sx(500));

    auto* link = new XLabel(contentWidget());
    link->setObjectName("driveNotShowingUpLink");
    link->setTextColor(DeviceColors::accent);
    link->setFontPointSize(13.5);
    link->setContextMenuPolicy(Qt::NoContextMenu);
    link->setText(tr("<a style='color: %1;' href=\"help/\">Drive still not showing up?</a>")
                      .arg(DeviceColors::accent.name()));
    link->setFixedWidth(sx(500));
    link->setAlignment(Qt::AlignCenter);
    connect(link, &QLabel::linkActivated, this, &RefreshDiskDialog::driveNotShowingUpSignal);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(sx(10), sy(20), sx(10), sy(40));
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(animation, 0, Qt::AlignCenter);
    layout->addSpacing(sy(24));
    layout->addWidget(title, 0, Qt::AlignCenter);
    layout->addSpacing(sy(14));
    layout->addWidget(subtitle, 0, Qt::AlignCenter);
    layout->addSpacing(sy(30));
    layout->addWidget(link, 0, Qt::AlignCenter);
    movie->start();
}

void RefreshDiskDialog::startRefresh()
{
    watcher_.setFuture(ThreadHandOver::Run([] { StorageDeviceManager::instance().refreshDiskList(); }));
}
