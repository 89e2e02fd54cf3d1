#include "DataRecoveryDialog.h"

#include "Application/XApplication.h"
#include "ResultsDialogStyle.h"
#include "XLabel.h"
#include "XProgressBar.h"
#include "XPushButton.h"

#include <QEvent>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {

const QColor primaryText("#0F172A");
const QColor secondaryText("#64748B");

}

DataRecoveryDialog::DataRecoveryDialog(QWidget* parent) : XDialog(parent)
{
    setMinimumSize(XApplication::scaledX(453), XApplication::scaledY(386));
    setMaximumSize(XApplication::scaledX(503), XApplication::scaledY(426));
    QWidget* content = contentWidget();

    auto* animation = new QLabel(content);
    animation->setAlignment(Qt::AlignCenter);
    auto* movie = new QMovie(QStringLiteral(":/images/recover_docm@2x.gif"), QByteArray(), animation);
    movie->setScaledSize(QSize(XApplication::scaledX(86), XApplication::scaledY(86)));
    animation->setMovie(movie);

    auto* message = new XLabel(content);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setFontPointSizeAndBold(13.5, true);
    message->setTextColor(primaryText);
    message->setFixedWidth(XApplication::scaledX(337));
    message->setText(tr("Recovering data, please wait..."));

    // Found paths come from the disk: never read them as markup.
    fileLabel_ = new XLabel(content);
    fileLabel_->setTextFormat(Qt::PlainText);
    fileLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fileLabel_->setFontPointSize(10.5);
    fileLabel_->setTextColor(secondaryText);
    fileLabel_->setFixedWidth(XApplication::scaledX(337));

    progressBar_ = new XProgressBar(content);
    progressBar_->setFixedSize(XApplication::scaledX(337), XApplication::scaledY(8));
    progressBar_->setBackgroundColors(QColor("#EBEBEB"), QColor());
    progressBar_->setProgressColors(QColor("#2563EB"), QColor());
    progressBar_->setRadius(4);

    percentLabel_ = new XLabel(content);
    percentLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percentLabel_->setFontPointSize(10.5);
    percentLabel_->setTextColor(secondaryText);
    percentLabel_->setFixedWidth(XApplication::scaledX(337));

    stopButton_ = new XPushButton(content);
    const int buttonHeight = XApplication::scaledY(32);
    stopButton_->setMinimumSize(XApplication::scaledX(120), buttonHeight);
    stopButton_->setMaximumSize(XApplication::scaledX(120), buttonHeight);
    applyLightButtonStyle(stopButton_, buttonHeight);
    stopButton_->setText(tr("Stop"));
    connect(stopButton_, &XPushButton::clicked, this, &XDialog::tryClosed);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(XApplication::scaledX(40), 0, XApplication::scaledX(40), XApplication::scaledY(30));
    layout->setSpacing(0);
    layout->addWidget(animation, 0, Qt::AlignCenter);
    layout->addSpacing(XApplication::scaledY(20));
    layout->addWidget(message, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(12));
    layout->addSpacing(XApplication::scaledY(18));
    layout->addWidget(fileLabel_, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(4));
    layout->addWidget(progressBar_, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(4));
    layout->addWidget(percentLabel_, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(stopButton_, 0, Qt::AlignHCenter);

    movie->start();
}

DataRecoveryDialog::~DataRecoveryDialog() = default;

void DataRecoveryDialog::setCurrentFile(const QString& filePath, int mode, qulonglong count)
{
    Q_UNUSED(mode)
    Q_UNUSED(count)
    if (filePath.isEmpty()) {
        fileLabel_->clear();
        return;
    }
    const QString text = tr("Recovering: %1").arg(filePath);
    fileLabel_->setText(fileLabel_->fontMetrics().elidedText(text, Qt::ElideMiddle, fileLabel_->contentsRect().width()));
}

void DataRecoveryDialog::setProgress(int percent)
{
    percentLabel_->setText(QStringLiteral("%1%").arg(percent));
    progressBar_->setValue(percent);
}

void DataRecoveryDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        stopButton_->setText(tr("Stop"));
    XDialog::changeEvent(event);
}
