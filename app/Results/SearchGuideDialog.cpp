#include "SearchGuideDialog.h"

#include "Application/XApplication.h"
#include "XLabel.h"
#include "XPushButton.h"
#include "XSearchBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

XPushButton* pictureButton(QWidget* parent, const QString& normal, const QString& open)
{
    auto* button = new XPushButton(parent);
    button->setFixedSize(XApplication::scaledX(20), XApplication::scaledY(20));
    button->setHoverPixmaps(QStringLiteral(":/images/%1").arg(normal), QStringLiteral(":/images/%1").arg(open), false);
    button->scalePixmaps(button->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return button;
}

} // namespace

SearchGuideDialog::SearchGuideDialog(QWidget* parent) : XDialog(parent)
{
    setMinimumSize(XApplication::scaledX(520), XApplication::scaledY(392));
    QWidget* content = contentWidget();
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(XApplication::scaledX(26), XApplication::scaledY(24), XApplication::scaledX(26),
                               XApplication::scaledY(24));
    layout->setSpacing(0);

    auto* title = new XLabel(content);
    title->setFontPointSize(13.5);
    title->setTextColor(QColor(QStringLiteral("#0F172A")));
    title->setAlignment(Qt::AlignCenter);
    title->setText(tr("No files found..."));
    layout->addWidget(title);
    layout->addSpacing(XApplication::scaledY(20));
    auto* text = new XLabel(content);
    text->setWordWrap(true);
    text->setTextColor(QColor(QStringLiteral("#64748B")));
    text->setMinimumHeight(XApplication::scaledY(60));
    text->setAlignment(Qt::AlignCenter);
    text->setText(tr("Use the filtering function to find the files you need based on file type, size, modification "
                     "time and other attributes."));
    layout->addWidget(text);
    layout->addSpacing(XApplication::scaledY(40));

    auto* picture = new QWidget(content);
    picture->setStyleSheet(QStringLiteral(".QWidget{border-radius:8px; border:2px solid #ff0c0c;}"));
    auto* row = new QHBoxLayout(picture);
    row->setContentsMargins(XApplication::scaledX(8), XApplication::scaledY(8), XApplication::scaledX(8),
                            XApplication::scaledY(8));
    auto* toggle = new QWidget(picture);
    toggle->setStyleSheet(
        QStringLiteral(".QWidget {border: 1px solid #E2E8F0; border-radius: 8px; background-color: #FFFFFF;}"));
    toggle->setFixedHeight(XApplication::scaledY(40));
    auto* toggleRow = new QHBoxLayout(toggle);
    toggleRow->addWidget(pictureButton(toggle, QStringLiteral("show_list_close@2x.png"),
                                       QStringLiteral("show_list_open@2x.png")));
    auto* separator = new QWidget(toggle);
    separator->setFixedSize(1, XApplication::scaledY(20));
    separator->setStyleSheet(QStringLiteral("background: #E2E8F0;"));
    toggleRow->addWidget(separator);
    toggleRow->addWidget(pictureButton(toggle, QStringLiteral("show_thum_close@2x.png"),
                                       QStringLiteral("show_thum_open@2x.png")));
    row->addWidget(toggle);
    auto* filter = new XPushButton(picture);
    filter->setFixedSize(XApplication::scaledX(92), XApplication::scaledY(40));
    filter->setBorderColor(QColor(QStringLiteral("#E2E8F0")));
    filter->setTextColor(QColor(QStringLiteral("#64748B")));
    filter->setBackgroundColor(Qt::white);
    filter->setBorderWidth(1);
    filter->setRadius(XApplication::scaledY(8));
    filter->setIcon(QStringLiteral(":/images/filter_icon_normal@2x.png"));
    filter->setText(tr("Filter"));
    row->addWidget(filter);
    auto* search = new XSearchBox(picture);
    search->setSearchIcon(QStringLiteral(":/images/search@2x.png"));
    search->setPlaceholderText(tr("Search"));
    row->addWidget(search, 1);
    layout->addWidget(picture);
    layout->addSpacing(XApplication::scaledY(50));

    okButton_ = new XPushButton(content);
    okButton_->setFixedSize(XApplication::scaledX(120), XApplication::scaledY(38));
    okButton_->setBackgroundColors({QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")});
    okButton_->setTextColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")});
    okButton_->setBorderColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
    okButton_->setBorderWidth(2);
    okButton_->setRadius(0.14 * XApplication::scaledY(38));
    okButton_->setFontPointSize(10.5);
    okButton_->setFontBold(true);
    okButton_->setText(tr("OK"));
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
    connect(okButton_, &XPushButton::clicked, this, &QDialog::close);
}
