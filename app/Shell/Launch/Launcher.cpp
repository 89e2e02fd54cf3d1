#include "Launch/Launcher.h"

#include "AppManager.h"
#include "DesktopHelpers.h"
#include "Application/XApplication.h"
#include "Launch/LaunchManager.h"
#include "SystemHelpers.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XProgressBar.h"
#include "spdlog_qt.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

Launcher::Launcher(QWidget* parent, LaunchManager* manager)
    : XFramelessWindow(parent), manager_(manager ? manager : LaunchManager::instance())
{
    const auto app = AppManager::instance();
    setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
    setResizable(false);
    setHitTestEnabled(false);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setMaximumSize(screen->availableGeometry().size());
    setMinimumSize(XApplication::scaledX(599), XApplication::scaledY(378));
    resize(minimumSize());
    centreOnScreen(this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    logo_ = new XImageBox(central);
    logo_->setFixedSize(XApplication::scaledX(61), XApplication::scaledY(61));
    logo_->setImageFile(app->imagePath("app_logo_120.png"), true);
    title_ = new XLabel(central);
    title_->setAlignment(Qt::AlignCenter);
    title_->setFixedHeight(XApplication::scaledY(30));
    title_->setTextColor(app->themeColor(AppManager::PrimaryText));
    status_ = new XLabel(central);
    status_->setAlignment(Qt::AlignCenter);
    status_->setFixedHeight(XApplication::scaledY(16));
    status_->setTextColor(app->themeColor(AppManager::SecondaryText));
    bar_ = new XProgressBar(central);
    bar_->setFixedHeight(XApplication::scaledY(5));
    bar_->setRange(0, 100);
    bar_->setProgressColors(app->themeColor(AppManager::Accent), QColor());

    layout->addStretch();
    layout->addWidget(logo_, 0, Qt::AlignCenter);
    layout->addSpacing(XApplication::scaledY(15));
    layout->addWidget(title_);
    layout->addSpacing(XApplication::scaledY(15));
    layout->addWidget(status_);
    layout->addStretch();
    layout->addWidget(bar_);
    setCentralWidget(central);

    picture_ = QPixmap(app->imagePath("launcher@2x.png"));
    if (!picture_.isNull())
        picture_ = picture_.scaled(XApplication::scaledX(260), XApplication::scaledY(260),
                                   Qt::KeepAspectRatio, Qt::SmoothTransformation);
    retranslate();

    connect(manager_, &LaunchManager::stepValueChange, this, [this](int value) { bar_->setValue(value); });
    connect(manager_, &LaunchManager::finished, this, [this] {
        waitMilliseconds(100);
        close();
        logInfo("[Launcher] end");
    });
}

void Launcher::start()
{
    logInfo("[Launcher] begin");
    setAttribute(Qt::WA_TranslucentBackground);
    show();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    activateWindow();
    repaint();
    QCoreApplication::sendPostedEvents();
    setAttribute(Qt::WA_TranslucentBackground, false);
    manager_->startTask();
}

void Launcher::retranslate()
{
    const auto app = AppManager::instance();
    // The title keeps its first translation for the rest of the run.
    if (title_text_.isEmpty())
        title_text_ = QObject::tr("Ostrel Windows Data Recovery");
    title_->setText(title_text_);
    title_->setFontBold(true);
    if (app->secondFontSize() > 0)
        title_->setFontPointSize(app->secondFontSize());
    status_->setText(tr("Reading data from the disk, please wait..."));
    status_->setFontBold(false);
    if (app->fontSize() > 0)
        status_->setFontPointSize(app->fontSize());
}

void Launcher::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        return;
    }
    XFramelessWindow::changeEvent(event);
}

void Launcher::paintEvent(QPaintEvent* event)
{
    XFramelessWindow::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull())
        painter.drawPixmap(rect().adjusted(XApplication::scaledX(169), XApplication::scaledY(49),
                                           -XApplication::scaledX(170), -XApplication::scaledY(69)),
                           picture_);
}
