#include "FileSizeComboBox.h"

#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "SpinComboBox.h"
#include "XLabel.h"

#include <QHBoxLayout>
#include <QListView>
#include <QLabel>

FileSizeDelegate::FileSizeDelegate(QObject* parent)
    : RadioRowDelegate(QSize(200, 32), &FileSizeComboBox::row, parent)
{
}

FilterRow FileSizeComboBox::row(int value)
{
    switch (value) {
    case 0: return {QString(), tr("No Limit")};
    case 1: return {QString(), QStringLiteral("<500 kb")};
    case 2: return {QString(), QStringLiteral("500 kb - 1 mb")};
    case 3: return {QString(), QStringLiteral("1 mb - 500 mb")};
    case 4: return {QString(), QStringLiteral("500 mb - 1 gb")};
    case 5: return {QString(), QStringLiteral(">1 gb")};
    case CustomValue: return {QString(), tr("Customize")};
    default: return {};
    }
}

FileSizeComboBox::FileSizeComboBox(QWidget* parent)
    : FilterComboBox(parent, 200)
{
    setupUi();
    connect(minimum_, &SpinComboBox::spinBoxValueChanged, this, &FileSizeComboBox::restartDebounce);
    connect(maximum_, &SpinComboBox::spinBoxValueChanged, this, &FileSizeComboBox::restartDebounce);
    retranslateUi();
    finishConstruction();
}

void FileSizeComboBox::setupUi()
{
    setupFaceAndPopup(new FileSizeDelegate, {0, 1, 2, 3, 4, 5, CustomValue}, 0);
    listView()->setUniformItemSizes(true);
    QWidget* box = createCustomBox(QSize(200, 31), CustomValue);
    box->setAttribute(Qt::WA_StyledBackground);
    box->setStyleSheet(
        QStringLiteral("QWidget#widget { border-left: 1px solid #DCE3EA; border-right: 1px solid #DCE3EA;}"));
    minimum_ = new SpinComboBox(box);
    separator_ = new QLabel(box);
    separator_->setAlignment(Qt::AlignCenter);
    maximum_ = new SpinComboBox(box);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(XApplication::scaledX(8), 0, XApplication::scaledX(8), 0);
    row->setSpacing(0);
    row->addWidget(minimum_);
    row->addWidget(separator_);
    row->addWidget(maximum_);
}

void FileSizeComboBox::retranslateUi()
{
    faceLabel()->setFontPointSize(10.5);
    separator_->setText(QStringLiteral("-"));
    updateFilter(true);
}

void FileSizeComboBox::resetFilter()
{
    setCustomBoxShown(false);
    setAllRows(Qt::Unchecked, 0);
    for (SpinComboBox* box : {minimum_, maximum_}) {
        const bool blocked = box->blockSignals(true);
        box->clear();
        box->blockSignals(blocked);
    }
    updateFilter(true);
}

void FileSizeComboBox::updateFilter(bool displayOnly)
{
    quint32 preset = 0;
    QString summary;
    checkedRows(&FileSizeComboBox::row, &preset, &summary);
    renderFace(tr("File Size"), summary, preset);
    if (displayOnly)
        return;
    // An empty box is no bound on its side (-1); a typed 0 is 0. Only two
    // numbers can be the wrong way round.
    qint64 low = minimum_->isEmpty() ? -1 : qint64(minimum_->value());
    qint64 high = maximum_->isEmpty() ? -1 : qint64(maximum_->value());
    if (preset == CustomValue && low == -1 && high == -1)
        return;
    if (low != -1 && high != -1 && low > high)
        std::swap(low, high);
    FileFilterManager::instance()->setFileSizeFilter(int(preset), low, high);
}
