#include "FilterDataPanel.h"

#include "AdvanceFilterComboBox.h"
#include "AppManager.h"
#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "FileSizeComboBox.h"
#include "FileTypeComboBox.h"
#include "ModifiedDateComboBox.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

struct FilterDataPanel::Private {
    QWidget* owner = nullptr;
    FileTypeComboBox* fileType = nullptr;
    ModifiedDateComboBox* dateModified = nullptr;
    FileSizeComboBox* fileSize = nullptr;
    AdvanceFilterComboBox* advanced = nullptr;
    XPushButton* deletedSwitch = nullptr;
    XLabel* deletedLabel = nullptr;
    XLabel* resetLink = nullptr;
};

FilterDataPanel::FilterDataPanel(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    d->owner = this;
    setupUi();
    connect(d->resetLink, &QLabel::linkActivated, this, [this] { resetAllFilters(); });
    connect(d->deletedSwitch, &XPushButton::toggled, this, &FilterDataPanel::onViewDeletedToggled);
    retranslateUi();
}

FilterDataPanel::~FilterDataPanel() = default;

FileTypeComboBox* FilterDataPanel::fileTypeBox() const { return d->fileType; }
ModifiedDateComboBox* FilterDataPanel::dateBox() const { return d->dateModified; }
FileSizeComboBox* FilterDataPanel::sizeBox() const { return d->fileSize; }
AdvanceFilterComboBox* FilterDataPanel::advancedBox() const { return d->advanced; }
XPushButton* FilterDataPanel::deletedSwitch() const { return d->deletedSwitch; }
XLabel* FilterDataPanel::resetLink() const { return d->resetLink; }

void FilterDataPanel::setupUi()
{
    setFixedHeight(XApplication::scaledY(48));
    auto* rule = new QWidget(this);
    rule->setFixedHeight(XApplication::scaledY(1));
    QPalette rulePalette = rule->palette();
    rulePalette.setColor(QPalette::Window, QColor("#F1F5F9"));
    rule->setPalette(rulePalette);
    rule->setAutoFillBackground(true);
    auto* separator = new QWidget(this);
    separator->setFixedSize(XApplication::scaledX(1), XApplication::scaledY(16));
    QPalette separatorPalette = separator->palette();
    separatorPalette.setColor(QPalette::Window, QColor("#E2E8F0"));
    separator->setPalette(separatorPalette);
    separator->setAutoFillBackground(true);

    d->fileType = new FileTypeComboBox(this);
    d->dateModified = new ModifiedDateComboBox(this);
    d->fileSize = new FileSizeComboBox(this);
    d->advanced = new AdvanceFilterComboBox(this);
    d->deletedSwitch = new XPushButton(this);
    d->deletedSwitch->setFixedSize(XApplication::scaledX(35), XApplication::scaledY(20));
    d->deletedSwitch->setCheckable(true);
    setSwitchPicture(false);
    const int pointSize = AppManager::instance()->fontSize();
    d->deletedLabel = new XLabel(this);
    d->deletedLabel->setFontPointSizeAndBold(pointSize, false);
    d->resetLink = new XLabel(this);
    d->resetLink->setFontPointSizeAndBold(pointSize, false);
    d->resetLink->setContextMenuPolicy(Qt::NoContextMenu);
    d->resetLink->setTextFormat(Qt::RichText);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(XApplication::scaledX(26), XApplication::scaledY(14), XApplication::scaledX(19),
                            XApplication::scaledY(14));
    row->setSpacing(0);
    row->addWidget(d->fileType);
    row->addSpacing(XApplication::scaledX(16));
    row->addWidget(d->dateModified);
    row->addSpacing(XApplication::scaledX(16));
    row->addWidget(d->fileSize);
    row->addSpacing(XApplication::scaledX(16));
    row->addWidget(d->advanced);
    row->addStretch();
    row->addWidget(d->deletedSwitch);
    row->addSpacing(XApplication::scaledX(12));
    row->addWidget(d->deletedLabel);
    row->addSpacing(XApplication::scaledX(8));
    row->addWidget(separator);
    row->addSpacing(XApplication::scaledX(8));
    row->addWidget(d->resetLink);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(rule);
    column->addLayout(row);
}

void FilterDataPanel::retranslateUi()
{
    // The drop-downs draw their own faces, title and summary, on the same event.
    d->deletedLabel->setText(tr("View Deleted Files"));
    d->resetLink->setText(
        QStringLiteral("<a style='color: #2563EB;text-decoration:underline;' href=\"reset\">%1</a>").arg(tr("Reset")));
}

void FilterDataPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    else
        QWidget::changeEvent(event);
}

void FilterDataPanel::setSwitchPicture(bool on)
{
    const QString picture = AppManager::imagePath(on ? QStringLiteral("filter_open@2x.png")
                                                     : QStringLiteral("filter_close@2x.png"));
    d->deletedSwitch->setHoverPixmaps(picture, picture, false);
    d->deletedSwitch->scalePixmaps(QSize(XApplication::scaledX(35), XApplication::scaledY(20)), Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
}

void FilterDataPanel::onViewDeletedToggled(bool on)
{
    setSwitchPicture(on);
    FileFilterManager::instance()->setFileStateFilter(on);
}

void FilterDataPanel::resetAllFilters()
{
    d->fileType->resetFilter();
    d->dateModified->resetFilter();
    d->fileSize->resetFilter();
    d->advanced->resetFilter();
    const bool blocked = d->deletedSwitch->blockSignals(true);
    d->deletedSwitch->setChecked(false);
    setSwitchPicture(false);
    d->deletedSwitch->blockSignals(blocked);
    FileFilterManager::instance()->resetFilters(true);
}
