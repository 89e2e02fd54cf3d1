#include "SearchDataPanel.h"

#include "Application/XApplication.h"
#include "BreadcrumbView.h"
#include "DisplayLocale.h"
#include "FileFilterManager.h"
#include "GaService.h"
#include "SearchConfig.h"
#include "SearchDataPanelMgr.h"
#include "SizeText.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"
#include "XSearchBox.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace {

int sx(double value) { return XApplication::scaledX(value); }
int sy(double value) { return XApplication::scaledY(value); }
QString image(const char* name) { return QStringLiteral(":/images/%1").arg(QLatin1String(name)); }

QWidget* filledBox(QWidget* parent, int width, int height)
{
    auto* box = new QWidget(parent);
    box->setFixedSize(width, height);
    box->setAttribute(Qt::WA_StyledBackground);
    box->setStyleSheet(QStringLiteral("background-color: #E2E8F0; border: none; border-radius: 0px;"));
    return box;
}

void setIconLook(XPushButton* button, const char* icon)
{
    button->setIcon(image(icon), QSize(sx(20), sy(20)), Qt::AlignLeft, sx(16), sx(8));
}

// "/"-separated components, empty ones skipped.
QStringList components(const QString& path)
{
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString matchCountText(const SearchConfig& config)
{
    // The count is written with the language's grouping, so it comes in as %1;
    // the number still picks the language's plural form.
    return SearchDataPanel::tr("%1 (%2) items are found.", nullptr, int(std::min<quint32>(config.matchCount, INT_MAX)))
        .arg(formatCount(config.matchCount), formatFileSize(config.totalBytes, 2, false));
}

} // namespace

struct SearchDataPanel::Private {
    XPushButton* homeButton = nullptr;
    XPushButton* backButton = nullptr;
    XPushButton* listButton = nullptr;
    XPushButton* thumbnailButton = nullptr;
    XPushButton* filterButton = nullptr;
    XImageBox* locationIcon = nullptr;
    XImageBox* searchIcon = nullptr;
    XSearchBox* searchBox = nullptr;
    BreadcrumbView* breadcrumb = nullptr;
    QWidget* filterBar = nullptr;
    XLabel* countLabel = nullptr;
    QWidget* filterDot = nullptr;
    QVBoxLayout* panelLayout = nullptr;
};

SearchDataPanel::SearchDataPanel(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    SearchConfig::registerMetaType();
    setupUi();
    connectParts();
    retranslateUi();
    // Start from the location already kept (none yet: Home look, back disabled).
    onLocationChanged(SearchDataPanelMgr::instance()->currentPath());
}

SearchDataPanel::~SearchDataPanel() = default;

void SearchDataPanel::setupUi()
{
    setMaximumHeight(sy(66));
    auto* header = new QWidget(this);
    header->setMaximumHeight(sy(66));

    d->homeButton = new XPushButton(header);
    d->homeButton->setFixedSize(sx(100), sy(40));
    d->homeButton->setRadius(sx(8));
    d->homeButton->setBorderWidth(1);
    setHomeLook(false);

    d->backButton = new XPushButton(header);
    d->backButton->setFixedSize(sx(24), sy(24));
    d->backButton->setAllStatePixmaps(image("back_left_arrow_normal@2x.png"), image("back_left_arrow_normal@2x.png"),
                                      image("back_left_arrow_normal@2x.png"), image("back_left_arrow_disable@2x.png"));
    d->backButton->scalePixmaps(d->backButton->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);

    d->locationIcon = new XImageBox(header);
    d->locationIcon->setFixedSize(sx(24), sy(24));
    d->searchIcon = new XImageBox(header);
    d->searchIcon->setFixedSize(sx(20), sy(20));
    d->searchIcon->setImageFile(image("search@2x.png"), true);
    d->searchIcon->hide();

    d->breadcrumb = new BreadcrumbView(header);
    auto* crumbLayout = new QHBoxLayout;
    crumbLayout->setContentsMargins(0, 0, 0, 0);
    crumbLayout->addWidget(d->breadcrumb);
    d->countLabel = new XLabel(header);
    QFont countFont = d->countLabel->font();
    countFont.setPointSizeF(12);
    countFont.setBold(false);
    d->countLabel->setFont(countFont);
    d->countLabel->hide();

    auto* viewSwitch = new QWidget(header);
    viewSwitch->setAttribute(Qt::WA_StyledBackground);
    viewSwitch->setStyleSheet(
        QStringLiteral("QWidget {border: 1px solid #E2E8F0; border-radius: 8px; background-color: #FFFFFF;}"));
    auto* switchLayout = new QHBoxLayout(viewSwitch);
    switchLayout->setContentsMargins(sx(16), sy(10), sx(16), sy(10));
    switchLayout->setSpacing(sx(8));
    d->listButton = new XPushButton(viewSwitch);
    d->listButton->setFixedSize(sx(20), sy(20));
    d->listButton->setAllStatePixmaps(image("show_list_close@2x.png"), image("show_list_open@2x.png"),
                                      image("show_list_open@2x.png"), image("show_list_close@2x.png"));
    d->listButton->scalePixmaps(d->listButton->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    d->thumbnailButton = new XPushButton(viewSwitch);
    d->thumbnailButton->setFixedSize(sx(20), sy(20));
    d->thumbnailButton->setAllStatePixmaps(image("show_thum_close@2x.png"), image("show_thum_open@2x.png"),
                                           image("show_thum_open@2x.png"), image("show_thum_close@2x.png"));
    d->thumbnailButton->scalePixmaps(d->thumbnailButton->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    switchLayout->addWidget(d->listButton);
    switchLayout->addWidget(filledBox(viewSwitch, 1, sy(20)));
    switchLayout->addWidget(d->thumbnailButton);
    d->listButton->setButtonState(2);

    d->filterButton = new XPushButton(header);
    d->filterButton->setFixedSize(sx(92), sy(40));
    d->filterButton->setCheckable(true);
    d->filterButton->setBorderWidth(1);
    d->filterButton->setRadius(sx(8));
    d->filterButton->setBorderColor(QColor(QStringLiteral("#E2E8F0")));
    d->filterButton->setTextColor(QColor(QStringLiteral("#64748B")));
    d->filterButton->setBackgroundColor(Qt::white);
    setIconLook(d->filterButton, "filter_icon_normal@2x.png");

    d->searchBox = new XSearchBox(header);
    d->searchBox->setSearchIcon(image("search@2x.png"));
    d->searchBox->setClearIcon(image("search_clear@2x.png"));

    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(sx(16), sy(13), sx(20), sy(13));
    row->setSpacing(0);
    row->addWidget(d->homeButton, 0, Qt::AlignLeft);
    row->addSpacing(sx(16));
    row->addWidget(filledBox(header, 1, 40));
    row->addSpacing(sx(16));
    row->addWidget(d->backButton);
    row->addSpacing(sx(8));
    row->addWidget(d->locationIcon);
    row->addWidget(d->searchIcon);
    row->addSpacing(sx(8));
    row->addLayout(crumbLayout, 1);
    row->addWidget(d->countLabel, 1, Qt::AlignLeft);
    row->addSpacing(sx(12));
    row->addWidget(viewSwitch, 0, Qt::AlignRight);
    row->addSpacing(sx(16));
    row->addWidget(d->filterButton, 0, Qt::AlignRight);
    row->addSpacing(sx(8));
    row->addWidget(d->searchBox, 0, Qt::AlignRight);

    d->panelLayout = new QVBoxLayout(this);
    d->panelLayout->setContentsMargins(0, 0, 0, 0);
    d->panelLayout->setSpacing(0);
    d->panelLayout->addWidget(header);

    d->filterDot = new QWidget(this);
    d->filterDot->setFixedSize(sx(10), sy(10));
    d->filterDot->setAttribute(Qt::WA_StyledBackground);
    d->filterDot->setStyleSheet(QStringLiteral("background-color: red; border-radius: 5px;"));
    d->filterDot->hide();
    // The row's layout may move the button after the panel's own resize.
    d->filterButton->installEventFilter(this);
    d->breadcrumb->installEventFilter(this);
}

bool SearchDataPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->filterButton && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeFilterDot();
    // The breadcrumb gets its width from the row's layout after the panel's own
    // resize, and re-lays out only its elided crumbs: hand it the whole path
    // again once its size has settled, or a path elided while the row was still
    // narrow (the first show) would stay elided however wide the window is.
    if (watched == d->breadcrumb && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, [this] { d->breadcrumb->setPath(currentConfig().pathParts); },
                                  Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void SearchDataPanel::connectParts()
{
    auto* manager = SearchDataPanelMgr::instance();
    connect(d->homeButton, &XPushButton::clicked, this, &SearchDataPanel::onHomeClicked);
    connect(d->filterButton, &XPushButton::toggled, this, &SearchDataPanel::onFilterToggled);
    connect(d->searchBox, &XSearchBox::search, manager, &SearchDataPanelMgr::setSearchData);
    connect(d->breadcrumb, &BreadcrumbView::pathClicked, this, &SearchDataPanel::onCrumbClicked);
    connect(d->backButton, &XPushButton::clicked, this, &SearchDataPanel::onBackClicked);
    connect(d->listButton, &XPushButton::clicked, this, [this, manager] {
        d->listButton->setButtonState(2);
        d->thumbnailButton->setButtonState(0);
        manager->setCurrentPreviewType(0);
    });
    connect(d->thumbnailButton, &XPushButton::clicked, this, [this, manager] {
        d->thumbnailButton->setButtonState(2);
        d->listButton->setButtonState(0);
        manager->setCurrentPreviewType(1);
    });
    connect(manager, &SearchDataPanelMgr::breadcrumbPathChanged, this, &SearchDataPanel::onLocationChanged);
    connect(FileFilterManager::instance(), &FileFilterManager::filterOptionsChanged, this,
            &SearchDataPanel::updateFilterButton);
}

SearchConfig SearchDataPanel::currentConfig() const
{
    return SearchConfig::fromVariant(SearchDataPanelMgr::instance()->currentPath());
}

void SearchDataPanel::retranslateUi()
{
    const SearchConfig config = currentConfig();
    const bool search = SearchConfig::isSearch(config.kind);
    d->homeButton->setText(search ? tr("Return") : tr("Home"));
    if (search)
        d->countLabel->setText(matchCountText(config));
    d->filterButton->setText(tr("Filter"));
    d->searchBox->setPlaceholderText(tr("Search"));
}

void SearchDataPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void SearchDataPanel::setHomeLook(bool searchLook)
{
    XPushButton* home = d->homeButton;
    if (searchLook) {
        home->setTextColors({QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#B6B6B6")});
        home->setBackgroundColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#0349E3"), QColor("#D7D7D7")});
        home->setBorderColors({QColor("#E2E8F0"), QColor("#E2E8F0"), QColor("#E2E8F0"), QColor("#D7D7D7")});
        setIconLook(home, "return@2x.png");
        home->setText(tr("Return"));
    } else {
        home->setTextColors({QColor("#64748B"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")});
        home->setBackgroundColors({QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#EEEEEE")});
        home->setBorderColors({QColor("#E2E8F0"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
        setIconLook(home, "home_icon@2x.png");
        home->setText(tr("Home"));
    }
}

void SearchDataPanel::onLocationChanged(const QVariant& value)
{
    const SearchConfig config = SearchConfig::fromVariant(value);
    const bool search = SearchConfig::isSearch(config.kind);
    const bool countShown = search && config.pathParts.isEmpty();
    if (countShown)
        d->countLabel->setText(matchCountText(config));
    d->searchIcon->setVisible(countShown);
    d->countLabel->setVisible(countShown);
    d->locationIcon->setVisible(!countShown);
    d->breadcrumb->setVisible(!countShown);
    d->locationIcon->setPixmap(config.icon, true);

    setHomeLook(search);
    const char* normal = search ? "back_up_arrow_normal@2x.png" : "back_left_arrow_normal@2x.png";
    const char* disabled = search ? "back_up_arrow_disable@2x.png" : "back_left_arrow_disable@2x.png";
    d->backButton->setAllStatePixmaps(image(normal), image(normal), image(normal), image(disabled));
    d->backButton->scalePixmaps(d->backButton->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    d->backButton->setEnabled(config.pathParts.size() >= (search ? 1 : 2));
    d->breadcrumb->setPath(config.pathParts);
}

void SearchDataPanel::onHomeClicked()
{
    if (SearchConfig::isSearch(currentConfig().kind)) {
        d->searchBox->clear(false);
        sendGaEventAction("SearchFilter", "SearchBackHome");
        return;
    }
    emit homeButtonClicked();
}

void SearchDataPanel::clearSearchText(bool blockSignals)
{
    d->searchBox->clear(blockSignals);
}

void SearchDataPanel::onCrumbClicked(int row, const QString& node)
{
    SearchConfig config = currentConfig();
    QStringList parts = components(config.text);
    // Separators sit between the crumbs; an elided row is searched for from its place on.
    const int found = config.pathParts.indexOf(node, row / 2);
    if (found >= 0) {
        const int dropped = config.pathParts.size() - 1 - found;
        config.pathParts = config.pathParts.mid(0, found + 1);
        parts = parts.mid(0, qMax(0, parts.size() - dropped));
    }
    config.text = QDir::cleanPath(parts.join(QLatin1Char('/')));
    SearchDataPanelMgr::instance()->setFileSystemTreePath(QVariant::fromValue(config));
}

void SearchDataPanel::onBackClicked()
{
    SearchConfig config = currentConfig();
    if (!config.pathParts.isEmpty()) {
        config.pathParts.removeLast();
        QStringList parts = components(config.text);
        if (!parts.isEmpty())
            parts.removeLast();
        config.text = QDir::cleanPath(parts.join(QLatin1Char('/')));
    }
    SearchDataPanelMgr::instance()->setFileSystemTreePath(QVariant::fromValue(config));
}

void SearchDataPanel::onFilterToggled(bool checked)
{
    setMinimumHeight(checked ? sy(120) : sy(66));
    if (d->filterBar)
        d->filterBar->setVisible(checked);
    emit filterToggled(checked);
}

void SearchDataPanel::setFilterBar(QWidget* bar)
{
    delete d->filterBar;
    d->filterBar = bar;
    if (!bar)
        return;
    d->panelLayout->addWidget(bar);
    bar->setVisible(d->filterButton->isChecked());
    d->filterDot->raise();
}

QWidget* SearchDataPanel::filterBar() const { return d->filterBar; }

void SearchDataPanel::updateFilterButton()
{
    const bool active = FileFilterManager::instance()->isFilterActive();
    d->filterButton->setTextColor(QColor(active ? QStringLiteral("#2563EB") : QStringLiteral("#64748B")));
    d->filterButton->setBackgroundColor(QColor(active ? QStringLiteral("#EBF5FF") : QStringLiteral("#FFFFFF")));
    setIconLook(d->filterButton, active ? "filter_icon_hover@2x.png" : "filter_icon_normal@2x.png");
    d->filterDot->setVisible(active);
    if (active)
        d->filterDot->raise();
}

void SearchDataPanel::placeFilterDot()
{
    const QRect button(d->filterButton->mapTo(this, QPoint(0, 0)), d->filterButton->size());
    d->filterDot->move(button.right() - 7, button.top() - 3);
}

void SearchDataPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeFilterDot();
}

void SearchDataPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeFilterDot();
    d->breadcrumb->setMinimumWidth(int(event->size().width() / 2.3));
    d->breadcrumb->setPath(currentConfig().pathParts);
}

QSize SearchDataPanel::minimumSizeHint() const
{
    // The breadcrumb's minimum follows the panel's width; counted into the panel's
    // own minimum it would ratchet: a maximised window could never shrink back.
    QSize size = QWidget::minimumSizeHint();
    size.setWidth(size.width() - d->breadcrumb->minimumWidth() + d->breadcrumb->minimumSizeHint().width());
    return size;
}

XPushButton* SearchDataPanel::homeButton() const { return d->homeButton; }
XPushButton* SearchDataPanel::backButton() const { return d->backButton; }
XPushButton* SearchDataPanel::listButton() const { return d->listButton; }
XPushButton* SearchDataPanel::thumbnailButton() const { return d->thumbnailButton; }
XPushButton* SearchDataPanel::filterButton() const { return d->filterButton; }
XImageBox* SearchDataPanel::locationIcon() const { return d->locationIcon; }
XImageBox* SearchDataPanel::searchIcon() const { return d->searchIcon; }
XSearchBox* SearchDataPanel::searchBox() const { return d->searchBox; }
BreadcrumbView* SearchDataPanel::breadcrumb() const { return d->breadcrumb; }
XLabel* SearchDataPanel::countLabel() const { return d->countLabel; }
QWidget* SearchDataPanel::filterDot() const { return d->filterDot; }
