#include "ModifiedDateComboBox.h"

#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "GaService.h"
#include "XDateEdit.h"
#include "XLabel.h"

#include <QHBoxLayout>
#include <QLabel>

ModifiedDateDelegate::ModifiedDateDelegate(QObject* parent)
    : RadioRowDelegate(QSize(200, 32), &ModifiedDateComboBox::row, parent)
{
}

bool ModifiedDateDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                       const QModelIndex& index)
{
    if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked)
        return false;
    return RadioRowDelegate::editorEvent(event, model, option, index);
}

FilterRow ModifiedDateComboBox::row(int value)
{
    switch (value) {
    case 0: return {QString(), QObject::tr("No Limit")};
    case 1: return {QString(), QObject::tr("Today")};
    case 2: return {QString(), QObject::tr("Yesterday")};
    case 3: return {QString(), QObject::tr("Last Week")};
    case 4: return {QString(), QObject::tr("Last Month")};
    case CustomValue: return {QString(), QObject::tr("Customize")};
    default: return {};
    }
}

QPair<qint64, qint64> ModifiedDateComboBox::customRange(const QDate& first, const QDate& second)
{
    if (!first.isValid() || !second.isValid())
        return {-1, -1};
    const QDate earlier = qMin(first, second);
    const QDate later = qMax(first, second);
    const qint64 from = QDateTime(earlier, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch();
    const qint64 to = QDateTime(later.addDays(1), QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch() - 1;
    return {from, to};
}

ModifiedDateComboBox::ModifiedDateComboBox(QWidget* parent)
    : FilterComboBox(parent, 200)
{
    setupUi();
    connect(from_, &XDateEdit::dateSelected, this, &ModifiedDateComboBox::restartDebounce);
    connect(to_, &XDateEdit::dateSelected, this, &ModifiedDateComboBox::restartDebounce);
    retranslateUi();
    finishConstruction();
}

void ModifiedDateComboBox::setupUi()
{
    setupFaceAndPopup(new ModifiedDateDelegate, {0, 1, 2, 3, 4, CustomValue}, 0);
    QWidget* box = createCustomBox(QSize(200, 32), CustomValue);
    from_ = new XDateEdit(box);
    separator_ = new QLabel(box);
    to_ = new XDateEdit(box);
    for (XDateEdit* edit : {from_, to_}) {
        edit->setMinimumSize(XApplication::scaledX(69), XApplication::scaledY(31));
        edit->setDate(QDate::currentDate());
        edit->setReadOnly(true);
    }
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(XApplication::scaledX(8), 0, XApplication::scaledX(8), 0);
    row->setSpacing(XApplication::scaledX(4));
    row->addWidget(from_, 0, Qt::AlignVCenter);
    row->addStretch();
    row->addWidget(separator_, 0, Qt::AlignVCenter);
    row->addStretch();
    row->addWidget(to_, 0, Qt::AlignVCenter);
}

void ModifiedDateComboBox::retranslateUi()
{
    faceLabel()->setFontPointSize(10.5);
    separator_->setText(tr("-"));
    updateFilter(true);
}

void ModifiedDateComboBox::resetFilter()
{
    setCustomBoxShown(false);
    setAllRows(Qt::Unchecked, 0);
    for (XDateEdit* edit : {from_, to_}) {
        const bool blocked = edit->blockSignals(true);
        edit->setDate(QDate::currentDate());
        edit->blockSignals(blocked);
    }
    updateFilter(true);
}

void ModifiedDateComboBox::updateFilter(bool displayOnly)
{
    quint32 preset = 0;
    QString summary;
    checkedRows(&ModifiedDateComboBox::row, &preset, &summary);
    renderFace(tr("Date Modified"), summary, preset);
    if (displayOnly)
        return;
    const auto [from, to] = customRange(from_->date(), to_->date());
    FileFilterManager::instance()->setModifiedDateFilter(int(preset), from, to);
    if (preset & 0x5) {
        const QString category = QStringLiteral("SearchFilter");
        const QString action = QStringLiteral("FilterDateCustom");
        sendGaEvent(category, action, QStringLiteral("Label1"), from_->date().toString(QStringLiteral("yyyy/MM/dd")));
        sendGaEvent(category, action, QStringLiteral("Label2"), to_->date().toString(QStringLiteral("yyyy/MM/dd")));
    }
}
