#include "TitleBar/MainTitleBar.h"

#include "AppManager.h"
#include "Endpoints.h"
#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "Dialogs/DialogManager.h"
#include "LanguageSettings.h"
#include "DesktopHelpers.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>

namespace {

QWidget* mainWidget()
{
    XApplication* app = XApplication::instance();
    return app ? app->mainWidget() : nullptr;
}

void openWebPage(const QString& path)
{
    const QString site = endpoint(Endpoint::Website);
    if (!site.isEmpty())
        openLink(AppManager::websiteLanguagePrefix() + site + path);
}

} // namespace

MainTitleBar::MainTitleBar(QWidget* parent)
    : QWidget(parent), opener_(defaultFolderOpener())
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::All, QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    const auto manager = AppManager::instance();
    background_ = new QWidget(this);
    logo_ = new XImageBox(background_);
    logo_->setFixedSize(XApplication::scaledX(24), XApplication::scaledY(24));
    logo_->setImageFile(manager->imagePath("app_logo_60.png"), true);
    caption_ = new XLabel(background_);
    caption_->setFontBold(true);
    caption_->setTextColor(manager->themeColor(AppManager::PrimaryText));

    menuButton_ = makeButton("setting", QString::fromUtf8("\u2261"));
    minimizeButton_ = makeButton("minmize", QString::fromUtf8("\u2013"));
    maximizeButton_ = makeButton("maxmize", QString::fromUtf8("\u25A1"));
    closeButton_ = makeButton("close", QString::fromUtf8("\u2715"));

    background_->lower();
    auto* backgroundLayout = new QHBoxLayout(background_);
    backgroundLayout->setContentsMargins(0, 0, 0, 0);
    backgroundLayout->setSpacing(XApplication::scaledX(10));
    backgroundLayout->addSpacing(XApplication::scaledX(10));
    backgroundLayout->addWidget(logo_);
    backgroundLayout->addWidget(caption_);
    backgroundLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(XApplication::scaledX(15));
    layout->addStretch();
    layout->addWidget(menuButton_);
    layout->addWidget(minimizeButton_);
    layout->addWidget(maximizeButton_);
    layout->addWidget(closeButton_);
    layout->addSpacing(XApplication::scaledX(15));

    retranslate();

    connect(menuButton_, &XPushButton::clicked, this, &MainTitleBar::openMainMenu);
    connect(minimizeButton_, &XPushButton::clicked, this, [] {
        if (QWidget* window = mainWidget())
            window->showMinimized();
    });
    connect(maximizeButton_, &XPushButton::clicked, this, [this] {
        if (QWidget* window = mainWidget()) {
            if (window->isMaximized())
                window->showNormal();
            else
                window->showMaximized();
        }
        pickMaximizePictures();
    });
    connect(closeButton_, &XPushButton::clicked, this, &MainTitleBar::quitApp);
}

XPushButton* MainTitleBar::makeButton(const QString& stem, const QString& fallbackGlyph)
{
    auto* button = new XPushButton(this);
    button->setFixedSize(XApplication::scaledX(20), XApplication::scaledY(20));
    setButtonPictures(button, stem, fallbackGlyph);
    return button;
}

void MainTitleBar::setButtonPictures(XPushButton* button, const QString& stem,
                                     const QString& fallbackGlyph)
{
    const auto manager = AppManager::instance();
    const QString suffix = (button == maximizeButton_ && restorePictures_) ? "@2x_1.png" : "@2x.png";
    const QString normal = manager->imagePath(stem + "-normal" + suffix);
    if (QPixmap(normal).isNull()) {
        // The artwork is not in this build: the button shows a glyph instead.
        button->setBackgroundColors({Qt::white, QColor("#F1F5F9"), QColor("#E2E8F0"), Qt::white});
        button->setBorderColor(Qt::transparent);
        button->setTextColor(manager->themeColor(AppManager::PrimaryText));
        button->setRadius(4);
        static_cast<QAbstractButton*>(button)->setText(fallbackGlyph);
        return;
    }
    button->setStatePixmaps(normal, manager->imagePath(stem + "-hover" + suffix),
                            manager->imagePath(stem + "-click" + suffix));
    button->scalePixmaps(button->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void MainTitleBar::pickMaximizePictures()
{
    QWidget* window = mainWidget();
    restorePictures_ = window && window->isMaximized();
    setButtonPictures(maximizeButton_, "maxmize", restorePictures_ ? QString::fromUtf8("\u2750")
                                                                   : QString::fromUtf8("\u25A1"));
    maximizeButton_->scalePixmaps(QSize(XApplication::scaledX(20), XApplication::scaledY(20)),
                                  Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QList<QWidget*> MainTitleBar::captionWidgets() const
{
    return {logo_, caption_, background_};
}

void MainTitleBar::setMaximizedLook(bool maximized)
{
    setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
    pickMaximizePictures();
}

void MainTitleBar::quitApp()
{
    QApplication::closeAllWindows();
}

QList<QPair<QString, int>> MainTitleBar::languageEntries()
{
    // Each language by its own name in its own script, whatever the current
    // language; the names that go through tr() translate to that same name.
    return {
        {QStringLiteral("English"), 0},
        {QStringLiteral("Italiano"), 3},
        {QString::fromUtf8("\u0420\u0443\u0441\u0441\u043a\u0438\u0439"), 9},
        {QStringLiteral("Deutsch"), 4},
        {QString::fromUtf8("Fran\u00e7ais"), 5},
        {QString::fromUtf8("Espa\u00f1ol"), 6},
        {QString::fromUtf8("Portugu\u00eas"), 7},
        {tr("Korean"), 11},
        {tr("Japanese"), 8},
        {tr("Chinese(Simplified)"), 1},
        {tr("Chinese(Traditional)"), 2},
        {QStringLiteral("Bahasa Indonesia"), 10},
        {QString::fromUtf8("Ti\u1ebfng Vi\u1ec7t"), 12},
    };
}

QMenu* MainTitleBar::buildMainMenu()
{
    const auto manager = AppManager::instance();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);

    QMenu* languages = menu->addMenu(tr("Language"));
    auto* group = new QActionGroup(languages);
    const int current = LanguageSettings::instance().currentLanguage();
    QIcon tick;
    tick.addFile(manager->imagePath("gou_1.png"), QSize(), QIcon::Normal, QIcon::On);
    tick.addFile(manager->imagePath("gou_2.png"), QSize(), QIcon::Selected, QIcon::On);
    for (const auto& [text, code] : languageEntries()) {
        QAction* action = languages->addAction(text);
        action->setCheckable(true);
        action->setData(code);
        action->setMenuRole(QAction::ApplicationSpecificRole);
        group->addAction(action);
        if (code == LanguageSettings::LanguageKorean)
            action->setFont(QFont(QString::fromLatin1(koreanFontRecord.family), 9));
        if (code == current) {
            action->setChecked(true);
            action->setIcon(tick);
        }
        connect(action, &QAction::triggered, this,
                [code = code] { LanguageSettings::instance().setLanguage(code); });
    }
    // An already checked entry still calls the setter when chosen again.
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);

    menu->addSeparator();
    const bool haveSite = !endpoint(Endpoint::Website).isEmpty();
    if (haveSite) {
        QAction* guide = menu->addAction(tr("Guide"));
        guide->setMenuRole(QAction::ApplicationSpecificRole);
        connect(guide, &QAction::triggered, this,
                [] { openWebPage("/guide/how-to-use-ostrel-windows-data-recovery/"); });
        QAction* faq = menu->addAction(tr("FAQ"));
        faq->setMenuRole(QAction::ApplicationSpecificRole);
        connect(faq, &QAction::triggered, this,
                [] { openWebPage("/support/technical-faqs/ostrel-windows-data-recovery/"); });
        menu->addSeparator();
    }
    QAction* logFolder = menu->addAction(tr("Open Log Folder"));
    logFolder->setMenuRole(QAction::ApplicationSpecificRole);
    connect(logFolder, &QAction::triggered, this, &MainTitleBar::openLogFolder);
    // Without an update address the check can only fail.
    if (!endpoint(Endpoint::Update).isEmpty()) {
        QAction* updates = menu->addAction(tr("Check for Updates"));
        updates->setMenuRole(QAction::ApplicationSpecificRole);
        connect(updates, &QAction::triggered, this, [] {
            AppManager::instance()->checkForUpdates();
            DialogManager::instance()->showDialog(DialogManager::UpgradeDialogType, QVariant());
        });
    }
    QAction* about = menu->addAction(tr("About"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this,
            [] { DialogManager::instance()->showDialog(DialogManager::AboutDialogType, QVariant()); });
    return menu;
}

void MainTitleBar::openLogFolder()
{
    const QString folder = CuteSettings::logDirectory();
    // No file manager answered: the user still needs to know where to look.
    openFolderInFileManager(folder, this, [this, folder] {
        XMessageBox::information(window(), QString(),
                                 tr("No file manager could be opened. The log files are in:\n%1")
                                     .arg(QDir::toNativeSeparators(folder)),
                                 {QObject::tr("OK")}, 1);
    }, opener_);
}

void MainTitleBar::openMainMenu()
{
    QMenu* menu = buildMainMenu();
    menu->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
}

void MainTitleBar::retranslate()
{
    caption_->setText(tr("Ostrel Windows Data Recovery"));
    menuButton_->setToolTip(tr("Menu"));
}

void MainTitleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        return;
    }
    QWidget::changeEvent(event);
}

void MainTitleBar::resizeEvent(QResizeEvent* event)
{
    background_->setGeometry(rect());
    QWidget::resizeEvent(event);
}
