#include "ScanProgressPanel.h"

#include "AppManager.h"
#include "Application/XApplication.h"
#include "DocumentManager.h"
#include "GuideManagement.h"
#include "XCircularProgress.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
int sx(double value) { return XApplication::scaledX(value); }
int sy(double value) { return XApplication::scaledY(value); }
QString image(const char* name) { return AppManager::imagePath(QString::fromLatin1(name)); }
const QColor kPrimaryText("#0F172A");
const QColor kSecondaryText("#64748B");
}  // namespace

struct ScanProgressPanel::Private {
    XLabel* statusLabel = nullptr;
    XLabel* filesLabel = nullptr;
    XLabel* selectedLabel = nullptr;
    XLabel* remainingCaption = nullptr;
    XLabel* remainingValue = nullptr;
    XPushButton* pauseButton = nullptr;
    XPushButton* stopButton = nullptr;
    XPushButton* recoverButton = nullptr;
    XCircularProgress* ring = nullptr;
};

ScanProgressPanel::ScanProgressPanel(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    setFixedHeight(sy(58));
    setupUi();

    connect(d->pauseButton, &XPushButton::clicked, this, &ScanProgressPanel::pauseButtonClicked);
    connect(d->stopButton, &XPushButton::clicked, this, &ScanProgressPanel::stopButtonClicked);
    connect(d->recoverButton, &XPushButton::clicked, this, &ScanProgressPanel::recoverButtonClicked);
    DocumentManager* manager = DocumentManager::instance();
    connect(manager, &DocumentManager::scanResume, this, &ScanProgressPanel::onScanStart);
    connect(manager, &DocumentManager::scanPaused, this, &ScanProgressPanel::onScanPause);
    connect(manager, &DocumentManager::scanFinished, this, &ScanProgressPanel::onScanFinish);
    connect(manager, &DocumentManager::progressUpdated, this, &ScanProgressPanel::onProgressUpdated);
    connect(manager, &DocumentManager::fileProgressUpdated, this, &ScanProgressPanel::onFileProgressUpdated);
    connect(manager, &DocumentManager::selectedDocumentChanged, this, &ScanProgressPanel::onSelectedDocumentChanged);

    retranslateUi();
    RecoveryToolkitGuideManagement::instance()->setStepTarget(3, d->recoverButton->size(), QPoint());
}

ScanProgressPanel::~ScanProgressPanel() = default;

void ScanProgressPanel::setupUi()
{
    d->statusLabel = new XLabel(this);
    d->filesLabel = new XLabel(this);
    for (XLabel* label : {d->statusLabel, d->filesLabel}) {
        label->setTextColor(kPrimaryText);
        label->setFontBold(true);
    }
    d->filesLabel->setMinimumWidth(sx(400));

    d->pauseButton = new XPushButton(this);
    d->pauseButton->setCheckable(true);
    d->pauseButton->setMinimumSize(sx(18), sy(18));
    d->stopButton = new XPushButton(this);
    d->stopButton->setMinimumSize(sx(18), sy(18));
    d->stopButton->setHoverPixmaps(image("scan_stop_normal@2x.png"), image("scan_stop_hover@2x.png"), false);
    d->stopButton->scalePixmaps(QSize(sx(18), sy(18)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setPauseImages(false);

    d->remainingCaption = new XLabel(this);
    d->remainingValue = new XLabel(this);
    d->remainingCaption->setTextColor(kSecondaryText);
    d->remainingValue->setTextColor(kSecondaryText);

    d->ring = new XCircularProgress(this);
    d->ring->setMinimumSize(sx(50), sy(50));
    d->ring->setPixmaps(image("bg_circular_progress@2x.png"), image("scan_finish@2x.png"), image("scan_fail@2x.png"));
    d->ring->setValue(0);
    d->ring->start();

    d->selectedLabel = new XLabel(this);
    d->selectedLabel->setTextColor(kPrimaryText);

    d->recoverButton = new XPushButton(this);
    d->recoverButton->setMinimumSize(sx(120), sy(35));
    d->recoverButton->setMaximumSize(sx(120), sy(35));
    d->recoverButton->setBackgroundColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")});
    d->recoverButton->setTextColors({Qt::white, Qt::white, Qt::white, QColor("#B6B6B6")});
    d->recoverButton->setBorderColors({Qt::transparent, Qt::transparent, Qt::transparent, Qt::transparent});
    d->recoverButton->setBorderWidth(2.0);
    d->recoverButton->setRadius(0.14 * sy(35));

    auto* firstLine = new QHBoxLayout;
    firstLine->setContentsMargins(0, 0, 0, 0);
    firstLine->setSpacing(0);
    firstLine->addWidget(d->statusLabel);
    firstLine->addSpacing(sx(3));
    firstLine->addWidget(d->filesLabel);
    firstLine->addStretch();

    auto* secondLine = new QHBoxLayout;
    secondLine->setContentsMargins(0, 0, 0, 0);
    secondLine->setSpacing(0);
    secondLine->addWidget(d->pauseButton, 0, Qt::AlignVCenter);
    secondLine->addSpacing(sx(8));
    secondLine->addWidget(d->stopButton, 0, Qt::AlignVCenter);
    secondLine->addSpacing(sx(10));
    secondLine->addWidget(d->remainingCaption, 0, Qt::AlignVCenter);
    secondLine->addSpacing(sy(5));
    secondLine->addWidget(d->remainingValue, 0, Qt::AlignVCenter);
    secondLine->addStretch();

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch();
    column->addLayout(firstLine);
    column->addSpacing(sy(5));
    column->addLayout(secondLine);
    column->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(sx(16), 0, sx(20), 0);
    layout->setSpacing(0);
    layout->addWidget(d->ring, 0, Qt::AlignCenter);
    layout->addSpacing(sx(9));
    layout->addLayout(column);
    layout->addStretch();
    layout->addWidget(d->selectedLabel, 0, Qt::AlignCenter);
    layout->addSpacing(sx(20));
    layout->addWidget(d->recoverButton, 0, Qt::AlignCenter);
}

void ScanProgressPanel::retranslateUi()
{
    d->ring->setTextFont(QColor("#2563EB"), 10.5, true);
    for (XLabel* label : {d->selectedLabel, d->statusLabel, d->filesLabel, d->remainingCaption, d->remainingValue})
        label->setFontPointSize(10.5);
    showDisplayOfState();
    d->recoverButton->setText(tr("Recover"));
    d->remainingCaption->setText(d->remainingValue->text().isEmpty() ? tr("Scanning data, please wait...")
                                                                     : tr("Remaining time:"));
    DocumentManager* manager = DocumentManager::instance();
    const QPair<QString, QString> selected = manager->selectedSummaryText();
    onSelectedDocumentChanged(selected.first, selected.second);
    const QPair<QString, QString> found = manager->totalFoundSummaryText();
    onFileProgressUpdated(found.first, found.second);
}

void ScanProgressPanel::showDisplayOfState()
{
    switch (d->ring->state()) {
    case XCircularProgress::Running: showRunning(); break;
    case XCircularProgress::Paused: showPaused(); break;
    case XCircularProgress::Finished: showFinished(); break;
    case XCircularProgress::Failed: showStopped(); break;
    default: break;
    }
}

void ScanProgressPanel::showRunning()
{
    d->ring->start();
    d->statusLabel->setText(tr("Quick Scan - "));
}

void ScanProgressPanel::showPaused()
{
    d->ring->pause();
    d->statusLabel->setText(tr("Scan Paused - "));
}

void ScanProgressPanel::hideScanControls()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{d->pauseButton, d->stopButton, d->remainingCaption,
                                                           d->remainingValue})
        widget->hide();
}

void ScanProgressPanel::showFinished()
{
    hideScanControls();
    d->ring->showFinished();
    d->statusLabel->setText(tr("Scan Completed"));
}

void ScanProgressPanel::showStopped()
{
    hideScanControls();
    d->ring->showFailed();
    d->statusLabel->setText(tr("Scan stopped!"));
}

void ScanProgressPanel::setPauseImages(bool paused)
{
    if (paused)
        d->pauseButton->setHoverPixmaps(image("scan_start_normal@2x.png"), image("scan_start_hover@2x.png"), false);
    else
        d->pauseButton->setHoverPixmaps(image("scan_pause_normal@2x.png"), image("scan_pause_hover@2x.png"), false);
    d->pauseButton->scalePixmaps(QSize(sx(18), sy(18)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool ScanProgressPanel::scanEnded() const
{
    const int state = d->ring->state();
    return state == XCircularProgress::Finished || state == XCircularProgress::Failed;
}

void ScanProgressPanel::onScanStart()
{
    // A resume may arrive after the end, queued behind scanFinished.
    if (scanEnded())
        return;
    showRunning();
    setPauseImages(false);
}

void ScanProgressPanel::onScanPause()
{
    if (scanEnded())
        return;
    showPaused();
    setPauseImages(true);
}

void ScanProgressPanel::onScanFinish(int errorType, const QString& /*description*/, int /*totalErrorCount*/)
{
    if (errorType == 0)
        showFinished();
    else
        showStopped();
}

void ScanProgressPanel::onProgressUpdated(int recoverType, int progress, const QString& remainingMs)
{
    switch (d->ring->state()) {
    case XCircularProgress::Running:
        if (recoverType == 0)
            d->statusLabel->setText(tr("Quick Scan - "));
        else if (recoverType == 1)
            d->statusLabel->setText(tr("Advanced Scan - "));
        else if (recoverType == 2)
            d->statusLabel->setText(tr("Deep Scan - "));
        break;
    case XCircularProgress::Paused:
        showPaused();
        break;
    case XCircularProgress::Failed:
        showStopped();
        break;
    default:
        return;
    }
    d->remainingCaption->setText(tr("Remaining time:"));
    d->remainingValue->setText(remainingMs);
    d->ring->setValue(progress);
}

void ScanProgressPanel::onFileProgressUpdated(const QString& filesCount, const QString& totalSize)
{
    d->filesLabel->setText(tr("Files found: %1 <font color=\"#64748B\">(%2)</font>")
                               .arg(filesCount.toHtmlEscaped(), totalSize.toHtmlEscaped()));
}

void ScanProgressPanel::onSelectedDocumentChanged(const QString& count, const QString& size)
{
    if (count.isEmpty())
        d->selectedLabel->clear();
    else
        d->selectedLabel->setText(tr("Selected:  %1 (%2)").arg(count, size));
}

void ScanProgressPanel::setRecoverDisabled(bool disabled)
{
    d->recoverButton->setEnabled(!disabled);
}

void ScanProgressPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

XCircularProgress* ScanProgressPanel::ring() const { return d->ring; }
XLabel* ScanProgressPanel::statusLabel() const { return d->statusLabel; }
XLabel* ScanProgressPanel::filesLabel() const { return d->filesLabel; }
XLabel* ScanProgressPanel::selectedLabel() const { return d->selectedLabel; }
XLabel* ScanProgressPanel::remainingCaption() const { return d->remainingCaption; }
XLabel* ScanProgressPanel::remainingValue() const { return d->remainingValue; }
XPushButton* ScanProgressPanel::pauseButton() const { return d->pauseButton; }
XPushButton* ScanProgressPanel::stopButton() const { return d->stopButton; }
XPushButton* ScanProgressPanel::recoverButton() const { return d->recoverButton; }
