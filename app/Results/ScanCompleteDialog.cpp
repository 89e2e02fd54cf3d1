#include "ScanCompleteDialog.h"

#include "Application/XApplication.h"
#include "DisplayLocale.h"
#include "ResultsDialogStyle.h"
#include "SizeText.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QVBoxLayout>

ScanCompleteDialog::ScanCompleteDialog(quint64 totalSize, quint64 fileCount, const QString& disconnectedDisks,
                                       QWidget* parent)
    : XDialog(parent), totalSize_(totalSize), fileCount_(fileCount), disconnectedDisks_(disconnectedDisks)
{
    setMinimumSize(XApplication::scaledX(453), XApplication::scaledY(368));
    setMaximumSize(XApplication::scaledX(493), XApplication::scaledY(568));
    QWidget* content = contentWidget();
    const QColor primary("#0F172A");
    const QColor secondary("#64748B");
    QVBoxLayout* layout = pictureColumn(content, QStringLiteral(":/images/scan-completed@2x.png"));
    XLabel* title = centredTextLine(content, 13.5, true, QColor("#24D164"), tr("Scan Completed"));
    title->setWordWrap(true);
    layout->addWidget(title);
    layout->addSpacing(XApplication::scaledY(8));
    layout->addWidget(centredTextLine(content, 13.5, false, primary, tr("Check and recover your data now!")));
    layout->addSpacing(XApplication::scaledY(12));

    warning_ = centredTextLine(content, 10.5, false, QColor("#FF3838"),
                           tr("Some disks were disconnected during scanning.\nIf no lost data is found, please reconnect "
                              "and scan again."));
    warning_->setWordWrap(true);
    layout->addWidget(warning_);
    layout->addSpacing(XApplication::scaledY(4));
    // Disk names come from the disks themselves: plain text only.
    disks_ = centredTextLine(content, 10.5, false, primary, QString());
    disks_->setTextFormat(Qt::PlainText);
    disks_->setWordWrap(true);
    disks_->setText(tr("Disconnected disks: %1").arg(disconnectedDisks));
    layout->addWidget(disks_);
    const bool anyDisconnected = !disconnectedDisks.isEmpty();
    warning_->setVisible(anyDisconnected);
    disks_->setVisible(anyDisconnected);
    if (anyDisconnected)
        layout->addSpacing(XApplication::scaledY(12));

    size_ = centredTextLine(content, 10.5, false, secondary, tr("Size: %1").arg(formatFileSizeCached(totalSize, 2, false)));
    files_ = centredTextLine(content, 10.5, false, secondary, tr("Files: %1").arg(formatCount(fileCount)));
    layout->addWidget(size_);
    layout->addWidget(files_);
    layout->addStretch();

    checkButton_ = new XPushButton(content);
    const int buttonHeight = XApplication::scaledY(32);
    checkButton_->setFixedSize(XApplication::scaledX(120), buttonHeight);
    applyLightButtonStyle(checkButton_, buttonHeight);
    checkButton_->setFontBold(true);
    checkButton_->setFontPointSize(10.5);
    checkButton_->setText(tr("Check Found Files"));
    layout->addWidget(checkButton_, 0, Qt::AlignHCenter);
    connect(checkButton_, &XPushButton::clicked, this, &QWidget::close);
    // Room for the disk lines when they show.
    resize(sizeHint().expandedTo(minimumSize()).boundedTo(maximumSize()));
}

ScanCompleteDialog::~ScanCompleteDialog() = default;
