#include "DataReleaseWaitDialog.h"

#include "Application/XApplication.h"
#include "XImageBox.h"
#include "XLabel.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

DataReleaseWaitDialog::DataReleaseWaitDialog(QWidget* parent) : XDialog(parent)
{
    setFixedSize(XApplication::scaledX(584), XApplication::scaledY(313));
    setTitleBarVisible(false);
    QWidget* content = contentWidget();

    auto* icon = new XImageBox(content);
    icon->setFixedSize(XApplication::scaledX(62), XApplication::scaledY(62));
    icon->setImageFile(QStringLiteral(":/images/home_icon_64@2x.png"), true);

    auto* text = new XLabel(content);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setFontPointSizeAndBold(13.5, true);
    text->setTextColor(QColor("#0F172A"));
    text->setFixedWidth(XApplication::scaledX(500));
    text->setText(tr("Releasing data, please wait..."));

    auto* animation = new QLabel(content);
    animation->setAlignment(Qt::AlignCenter);
    auto* movie = new QMovie(QStringLiteral(":/images/loading@2x.gif"), QByteArray(), animation);
    movie->setScaledSize(QSize(XApplication::scaledX(52), XApplication::scaledY(52)));
    animation->setMovie(movie);
    movie->start();

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(XApplication::scaledX(10), XApplication::scaledY(50), XApplication::scaledX(10),
                               XApplication::scaledY(40));
    layout->setSpacing(0);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(24));
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(animation, 0, Qt::AlignHCenter);
}

DataReleaseWaitDialog::~DataReleaseWaitDialog() = default;
