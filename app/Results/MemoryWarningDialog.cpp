#include "MemoryWarningDialog.h"

#include "Application/XApplication.h"
#include "ResultsDialogStyle.h"
#include "SizeText.h"
#include "XLabel.h"
#include "XProgressBar.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

MemoryWarningDialog::MemoryWarningDialog(QWidget* parent) : XDialog(parent)
{
    setMinimumSize(XApplication::scaledX(453), XApplication::scaledY(414));
    setMaximumSize(XApplication::scaledX(493), XApplication::scaledY(454));
    QWidget* content = contentWidget();
    const QColor primary("#0F172A");
    const QColor secondary("#64748B");

    QVBoxLayout* layout = pictureColumn(content, QStringLiteral(":/images/memory_warning@2x.png"));
    layout->addWidget(centredTextLine(content, 13.5, true, primary, tr("Insufficient memory, scanning paused")));
    layout->addWidget(centredTextLine(content, 13.5, true, primary, tr("You can recover the found files first")));
    layout->addSpacing(XApplication::scaledY(12));
    layout->addWidget(centredTextLine(content, 10.5, false, secondary, tr("Please close other programs when using this tool")));
    layout->addSpacing(XApplication::scaledY(20));
    XLabel* ramLabel = centredTextLine(content, 10.5, false, secondary, tr("RAM Usage"));
    ramLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(ramLabel);

    usageBar_ = new XProgressBar(content);
    usageBar_->setFixedHeight(XApplication::scaledY(8));
    usageBar_->setRange(0, 100);
    usageBar_->setRadius(XApplication::scaledX(4));
    usageBar_->setBorderWidth(0);
    usageBar_->setBackgroundColors(QColor("#EBEBEB"), QColor());
    usageBar_->setProgressColors(QColor("#FF3838"), QColor());
    usageBar_->setBorderColor(Qt::transparent);
    layout->addWidget(usageBar_);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    usageLabel_ = centredTextLine(content, 10.5, false, secondary, QString());
    percentLabel_ = centredTextLine(content, 10.5, false, secondary, QString());
    row->addWidget(usageLabel_);
    row->addStretch();
    row->addWidget(percentLabel_);
    layout->addLayout(row);
    layout->addSpacing(XApplication::scaledY(20));

    okButton_ = new XPushButton(content);
    const int buttonHeight = XApplication::scaledY(32);
    okButton_->setFixedSize(XApplication::scaledX(120), buttonHeight);
    applyLightButtonStyle(okButton_, buttonHeight);
    okButton_->setFontBold(true);
    okButton_->setFontPointSize(10.5);
    okButton_->setText(tr("OK"));
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
    connect(okButton_, &XPushButton::clicked, this, &QWidget::close);
}

MemoryWarningDialog::~MemoryWarningDialog() = default;

void MemoryWarningDialog::updateUsage(qint64 processBytes, qint64 usedBytes, qint64 totalBytes, double percent)
{
    Q_UNUSED(processBytes)
    const double clamped = std::isfinite(percent) ? std::clamp(percent, 0.0, 100.0) : 0.0;
    usageBar_->setValue(int(clamped));
    percentLabel_->setText(QStringLiteral("%1%").arg(percent, 0, 'f', 2));
    usageLabel_->setText(QStringLiteral("%1 / %2").arg(formatFileSize(quint64(std::max<qint64>(usedBytes, 0)), 2, false),
                                                       formatFileSize(quint64(std::max<qint64>(totalBytes, 0)), 2, false)));
}
