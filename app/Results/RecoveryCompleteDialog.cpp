#include "RecoveryCompleteDialog.h"

#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "DesktopHelpers.h"
#include "ResultsDialogStyle.h"
#include "XLabel.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include <QDir>
#include <QLocale>
#include <QHBoxLayout>
#include <QVBoxLayout>

RecoveryCompleteDialog::RecoveryCompleteDialog(const QString& disconnectedDisks, QWidget* parent, Outcome outcome,
                                               int incompleteCount)
    : XDialog(parent), disconnectedDisks_(disconnectedDisks), opener_(defaultFolderOpener())
{
    setMinimumSize(XApplication::scaledX(473), XApplication::scaledY(389));
    QWidget* content = contentWidget();
    QVBoxLayout* layout = pictureColumn(content,
                                        outcome == Succeeded ? QStringLiteral(":/images/recoverycomplete@2x.png")
                                                             : QStringLiteral(":/images/icon_information.png"),
                                        86, 20, 40);

    title_ = new XLabel(content);
    title_->setFontPointSizeAndBold(13.5, true);
    title_->setTextColor(QColor("#0F172A"));
    title_->setWordWrap(true);
    title_->setAlignment(Qt::AlignCenter);
    title_->setText(titleText(outcome));
    layout->addWidget(title_);
    layout->addSpacing(XApplication::scaledY(12));

    warning_ = new XLabel(content);
    warning_->setWordWrap(true);
    warning_->setFontPointSize(10.5);
    warning_->setTextColor(QColor("#FF3838"));
    warning_->setAlignment(Qt::AlignCenter);
    warning_->setText(tr("Some disks are disconnected.\nPlease reconnect, then scan and export again."));
    layout->addWidget(warning_);
    layout->addSpacing(XApplication::scaledY(8));
    // Disk names come from the disks themselves: plain text only.
    disks_ = new XLabel(content);
    disks_->setTextFormat(Qt::PlainText);
    disks_->setWordWrap(true);
    disks_->setFontPointSize(10.5);
    disks_->setTextColor(QColor("#0F172A"));
    disks_->setText(tr("Disconnected disks: %1").arg(disconnectedDisks));
    layout->addWidget(disks_);
    warning_->setVisible(!disconnectedDisks.isEmpty());
    disks_->setVisible(!disconnectedDisks.isEmpty());
    layout->addSpacing(XApplication::scaledY(8));
    incomplete_ = new XLabel(content);
    incomplete_->setWordWrap(true);
    incomplete_->setFontPointSize(10.5);
    incomplete_->setTextColor(QColor("#B45309"));
    incomplete_->setAlignment(Qt::AlignCenter);
    incomplete_->setText(incompleteText(incompleteCount));
    layout->addWidget(incomplete_);
    incomplete_->setVisible(incompleteCount > 0);

    layout->addStretch();
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    const int buttonHeight = XApplication::scaledY(32);
    okButton_ = new XPushButton(content);
    okButton_->setFixedSize(XApplication::scaledX(132), buttonHeight);
    applyLightButtonStyle(okButton_, buttonHeight);
    okButton_->setText(tr("OK"));
    checkButton_ = new XPushButton(content);
    checkButton_->setMinimumSize(XApplication::scaledX(132), buttonHeight);
    checkButton_->setMaximumHeight(buttonHeight);
    applyStrongButtonStyle(checkButton_, buttonHeight);
    checkButton_->setText(tr("Check Recovered Data"));
    row->addStretch();
    row->addWidget(okButton_);
    row->addSpacing(XApplication::scaledX(37));
    row->addWidget(checkButton_);
    row->addStretch();
    layout->addLayout(row);

    connect(okButton_, &XPushButton::clicked, this, [this] { done(0); });
    connect(checkButton_, &XPushButton::clicked, this, &RecoveryCompleteDialog::openExportFolder);
}

RecoveryCompleteDialog::~RecoveryCompleteDialog() = default;

QString RecoveryCompleteDialog::titleText(Outcome outcome)
{
    switch (outcome) {
    case Stopped: return tr("Recovery stopped.");
    case Incomplete: return tr("Recovery incomplete.");
    case Succeeded: break;
    }
    return tr("Recovery successful.");
}

QString RecoveryCompleteDialog::incompleteText(int count)
{
    return tr("Files recovered incomplete (part of their data may be wrong or missing): %1").arg(QLocale().toString(count));
}

void RecoveryCompleteDialog::showEvent(QShowEvent* event)
{
    XDialog::showEvent(event);
    checkButton_->setFixedSize(checkButton_->size());
    okButton_->setFixedWidth(checkButton_->width());
    // Two equal buttons in a long language must not overlap.
    const int frame = width() - contentWidget()->width();
    const int needed = frame + XApplication::scaledX(30 + 40 + 37) + okButton_->width() + checkButton_->width();
    if (needed > width()) {
        setMinimumWidth(needed);
        resize(needed, height());
    }
}

void RecoveryCompleteDialog::openExportFolder()
{
    const QString folder =
        CuteSettings::instance().value(QStringLiteral("exportExistingDirectory"), QString(), CuteSettings::Memory).toString();
    if (!folder.isEmpty() && !QDir(folder).exists())
        QDir().mkpath(folder);
    // No file manager answered: the user still needs to know where to look.
    openFolderInFileManager(folder, this, [this, folder] {
        XMessageBox::information(this, QString(),
                                 tr("No file manager could be opened. The recovered files are in:\n%1")
                                     .arg(QDir::toNativeSeparators(folder)),
                                 {tr("OK")}, 1);
    }, opener_);
}
