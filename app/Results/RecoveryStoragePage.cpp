#include "RecoveryStoragePage.h"

#include "CuteSettings.h"
#include "FileSystemPathDisplayData.h"
#include "FilterDataPanel.h"
#include "GaService.h"
#include "GuideManagement.h"
#include "ResultsMainWindow.h"
#include "ScanProgressPanel.h"
#include "SearchDataPanel.h"
#include "XMessageBox.h"

#include <QVBoxLayout>

struct RecoveryStoragePage::Private {
    SearchDataPanel* search = nullptr;
    FileSystemPathDisplayData* results = nullptr;
    ScanProgressPanel* progress = nullptr;
};

namespace {
QWidget* separator(QWidget* parent)
{
    auto* line = new QWidget(parent);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor("#F1F5F9"));
    line->setPalette(palette);
    return line;
}
}  // namespace

RecoveryStoragePage::RecoveryStoragePage(QWidget* parent) : PageWidget(parent), d(std::make_unique<Private>())
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor("#FFFFFF"));
    setPalette(palette);
    setAutoFillBackground(true);

    d->search = new SearchDataPanel(this);
    d->search->setFilterBar(new FilterDataPanel(d->search));
    d->progress = new ScanProgressPanel(this);
    d->results = new FileSystemPathDisplayData(this);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->search, 0, Qt::AlignTop);
    layout->addWidget(separator(this), 0);
    layout->addWidget(d->results, 1);
    layout->addWidget(separator(this), 0);
    layout->addWidget(d->progress, 0, Qt::AlignBottom);

    connect(RecoveryToolkitGuideManagement::instance(), &RecoveryToolkitGuideManagement::firshSignal, this,
            [] { CuteSettings::instance().setValue("recoveryToolkitTourGuide", 0, CuteSettings::Default); });
    connect(d->results, &FileSystemPathDisplayData::clearSearchTextSignal, d->search,
            &SearchDataPanel::clearSearchText);
    connect(d->progress, &ScanProgressPanel::pauseButtonClicked, d->results,
            &FileSystemPathDisplayData::onPauseButtonClicked);
    connect(d->progress, &ScanProgressPanel::stopButtonClicked, d->results,
            &FileSystemPathDisplayData::onStopButtonClicked);
    connect(d->progress, &ScanProgressPanel::recoverButtonClicked, this, [this] {
        d->progress->setRecoverDisabled(true);
        d->results->onRecoverButtonClicked();
        d->progress->setRecoverDisabled(false);
    });
    connect(d->search, &SearchDataPanel::homeButtonClicked, d->results,
            &FileSystemPathDisplayData::onBackHomeButtonClicked);
}

RecoveryStoragePage::~RecoveryStoragePage() = default;

void RecoveryStoragePage::enter()
{
    RecoveryToolkitGuideManagement* guide = RecoveryToolkitGuideManagement::instance();
    if (!guide->isGuideEnabled())
        return;
    guide->setGuideVisible(true);
    sendGaEvent(resultsAnalyticsCategory(), QStringLiteral("Guide2"));
}

int RecoveryStoragePage::confirmClose()
{
    const QString text = QStringLiteral("%1<br><font color=\"#FF3838\">%2</font>")
                             .arg(tr("Exit program?"), tr("The found files won't be saved if you exit now."));
    const int answer =
        XMessageBox::question(resultsMainWindow(this), QString(), text, {tr("Exit"), tr("Cancel")}, 2, true);
    if (answer != 1)
        return 1;
    sendGaEvent(QStringLiteral("ScanInformation"), QStringLiteral("ScanClose"));
    d->results->sendSearchCloseEvent();
    return 0;
}

SearchDataPanel* RecoveryStoragePage::searchPanel() const { return d->search; }
FileSystemPathDisplayData* RecoveryStoragePage::displayData() const { return d->results; }
ScanProgressPanel* RecoveryStoragePage::progressPanel() const { return d->progress; }
