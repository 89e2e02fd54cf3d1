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
#include <algorithm>
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
    QSize available(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        available = screen->availableGeometry().size();
    setMaximumSize(available);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The picture takes its own place above the logo and the texts, so that
    // nothing is drawn over them; the window grows to hold both.
    pictureBox_ = new QWidget(central);
    pictureBox_->setObjectName("splashPicture");
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

    const int top = XApplication::scaledY(49);
    const int gap = XApplication::scaledY(15);
    const int bottom = XApplication::scaledY(24);
    layout->addSpacing(top);
    layout->addWidget(pictureBox_, 0, Qt::AlignHCenter);
    layout->addSpacing(gap);
    layout->addWidget(logo_, 0, Qt::AlignCenter);
    layout->addSpacing(gap);
    layout->addWidget(title_);
    layout->addSpacing(gap);
    layout->addWidget(status_);
    layout->addSpacing(bottom);
    layout->addStretch();
    layout->addWidget(bar_);
    // A screen too small for the whole splash gets a smaller picture, never
    // texts squeezed under it.
    const int texts = top + gap + logo_->height() + gap + title_->height() + gap + status_->height() + bottom +
                      bar_->height();
    const int width = std::min(XApplication::scaledX(599), available.width());
    QSize box(XApplication::scaledX(260), XApplication::scaledY(260));
    if (texts + box.height() > available.height() || box.width() > width)
        box.scale(QSize(width, std::max(0, available.height() - texts)), Qt::KeepAspectRatio);
    pictureBox_->setFixedSize(box);
    setMinimumSize(width, std::max(std::min(XApplication::scaledY(378), available.height()), texts + box.height()));
    resize(minimumSize());
    centreOnScreen(this);
    setCentralWidget(central);

    picture_ = QPixmap(app->imagePath("launcher@2x.png"));
    if (!picture_.isNull())
        picture_ = picture_.scaled(pictureBox_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
        painter.drawPixmap(pictureRect(), picture_);
}

QRect Launcher::pictureRect() const
{
    const QRect box(pictureBox_->mapTo(this, QPoint(0, 0)), pictureBox_->size());
    QSize size = picture_.isNull() ? box.size() : picture_.size();
    size = size.boundedTo(box.size());
    return QRect(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
                 size.width(), size.height());
}
