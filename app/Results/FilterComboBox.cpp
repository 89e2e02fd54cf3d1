#include "FilterComboBox.h"

#include "AppManager.h"
#include "Application/XApplication.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QListView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

FilterComboBox::FilterComboBox(QWidget* parent, int popupMinimumWidth)
    : QWidget(parent), popupMinimumWidth_(popupMinimumWidth)
{
    debounce_ = new QTimer(this);
    popupGuard_ = new QTimer(this);
    popupGuard_->setSingleShot(true);
    popupGuard_->setInterval(DebounceMs);
}

FilterComboBox::~FilterComboBox()
{
    // The popup is a top-level window of its own, not a child.
    if (popup_)
        popup_->removeEventFilter(this);
    delete popup_;
}

void FilterComboBox::setupFaceAndPopup(FilterRowDelegate* delegate, const QList<int>& values, int checkedRow)
{
    faceLabel_ = new XLabel(this);
    faceLabel_->setTextFormat(Qt::RichText);
    arrow_ = new XPushButton(this);
    arrow_->setMinimumSize(XApplication::scaledX(16), XApplication::scaledY(16));
    const QString down = AppManager::imagePath(QStringLiteral("combobox_down1@2x.png"));
    arrow_->setStatePixmaps(down, down, down);
    arrow_->scalePixmaps(QSize(XApplication::scaledX(16), XApplication::scaledY(16)), Qt::KeepAspectRatio,
                         Qt::SmoothTransformation);
    auto* face = new QHBoxLayout(this);
    face->setContentsMargins(0, 0, 0, 0);
    face->setSpacing(0);
    face->addWidget(faceLabel_, 0, Qt::AlignVCenter);
    face->addWidget(arrow_, 0, Qt::AlignVCenter);

    popup_ = new QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint);
    popup_->setObjectName(QStringLiteral("popupWidget_"));
    popup_->setAttribute(Qt::WA_StyledBackground);
    popup_->setStyleSheet(QStringLiteral("QWidget#popupWidget_ { border: 1px solid #DCE3EA; border-radius: 8px; "
                                         "background: #FFFFFF; padding: 0px; margin: 0px; }"));
    popup_->setMinimumWidth(XApplication::scaledX(popupMinimumWidth_));
    popup_->hide();
    auto* column = new QVBoxLayout(popup_);
    column->setContentsMargins(XApplication::scaledX(1), XApplication::scaledY(8), XApplication::scaledX(1),
                               XApplication::scaledY(8));
    column->setSpacing(0);

    list_ = new QListView(popup_);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setContentsMargins(0, 0, 0, 0);
    list_->setSpacing(0);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setMouseTracking(true);
    list_->viewport()->setAttribute(Qt::WA_Hover);
    delegate->setParent(list_);
    list_->setItemDelegate(delegate);
    model_ = new QStandardItemModel(list_);
    for (int row = 0; row < values.size(); ++row) {
        auto* item = new QStandardItem;
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setData(row == checkedRow ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        item->setData(values[row], ValueRole);
        model_->appendRow(item);
    }
    list_->setModel(model_);
    column->addWidget(list_);

    connect(arrow_, &XPushButton::clicked, this, &FilterComboBox::showPopup);
    connect(list_, &QListView::clicked, this, &FilterComboBox::onRowClicked);
    connect(debounce_, &QTimer::timeout, this, [this] { updateFilter(false); });
    popup_->installEventFilter(this);
}

void FilterComboBox::finishConstruction()
{
    debounce_->setSingleShot(true);
    debounce_->setTimerType(Qt::PreciseTimer);
    faceLabel_->installEventFilter(this);
}

void FilterComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        return;
    }
    QWidget::changeEvent(event);
}

// Every row click restarts the pause; the custom box follows its row's tick.
void FilterComboBox::onRowClicked()
{
    if (customBox_) {
        bool customTicked = false;
        for (int row = 0; row < model_->rowCount(); ++row) {
            const QStandardItem* item = model_->item(row);
            if (item->data(ValueRole).toInt() == customValue_)
                customTicked = item->checkState() == Qt::Checked;
        }
        setCustomBoxShown(customTicked);
    }
    restartDebounce();
}

QWidget* FilterComboBox::createCustomBox(QSize minimumSize, int customValue)
{
    customValue_ = customValue;
    customBox_ = new QWidget(popup_);
    customBox_->setObjectName(QStringLiteral("widget"));
    customBox_->setMinimumSize(XApplication::scaledX(minimumSize.width()), XApplication::scaledY(minimumSize.height()));
    customBox_->hide();
    return customBox_;
}

void FilterComboBox::setCustomBoxShown(bool shown)
{
    if (!customBox_ || shown == !customBox_->isHidden())
        return;
    const int height = customBox_->minimumHeight();
    if (shown) {
        customBox_->setGeometry(0, list_->height() + XApplication::scaledY(8), popup_->width(), height);
        customBox_->raise();
        customBox_->show();
        popup_->resize(popup_->width(), popup_->height() + height);
    } else {
        customBox_->hide();
        popup_->resize(popup_->width(), popup_->height() - height);
    }
}

void FilterComboBox::showPopup()
{
    if (popupGuard_->isActive())
        return;
    popup_->move(mapToGlobal(QPoint(0, height() + XApplication::scaledY(11))));
    if (resizesPopup_ && model_->rowCount() > 0 && !(customBox_ && !customBox_->isHidden()))
        popup_->resize(popup_->minimumWidth(),
                       XApplication::scaledY(16) + model_->rowCount() * list_->sizeHintForRow(0));
    popup_->setVisible(!popup_->isVisible());
}

bool FilterComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == faceLabel_ && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            showPopup();
        return true;
    }
    if (watched == popup_ && event->type() == QEvent::HideToParent)
        popupGuard_->start();
    return QWidget::eventFilter(watched, event);
}

void FilterComboBox::checkedRows(const std::function<FilterRow(int)>& table, quint32* mask, QString* summary) const
{
    *mask = 0;
    QStringList labels;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QStandardItem* item = model_->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const int value = item->data(ValueRole).toInt();
        *mask |= quint32(value);
        labels << table(value).label;
    }
    *summary = labels.join(QStringLiteral(", "));
}

void FilterComboBox::setAllRows(Qt::CheckState state, int checkedRow)
{
    const bool blocked = model_->blockSignals(true);
    for (int row = 0; row < model_->rowCount(); ++row)
        model_->item(row)->setCheckState(row == checkedRow ? Qt::Checked : state);
    model_->blockSignals(blocked);
}

QString FilterComboBox::faceText(const QFontMetrics& metrics, const QString& title, const QString& summary,
                                 quint32 mask)
{
    if (summary.isEmpty() || mask == 0)
        return QStringLiteral("<font style='color:#000000;'>%1</font>").arg(title);
    const QString colon = QStringLiteral(": ");
    const int room = XApplication::scaledX(177) - metrics.horizontalAdvance(colon) - metrics.horizontalAdvance(title);
    // Elided as plain text, then escaped, so a "<" shows as itself and no entity is cut in half.
    const QString shown = room < 1 ? QStringLiteral("...") : metrics.elidedText(summary, Qt::ElideRight, room);
    return QStringLiteral("<font style='color:#000000;'>%1%2</font><font style='color:#2563EB;'>%3</font>")
        .arg(title)
        .arg(colon)
        .arg(shown.toHtmlEscaped());
}

void FilterComboBox::renderFace(const QString& title, const QString& summary, quint32 mask)
{
    list_->viewport()->update();
    faceLabel_->setText(faceText(faceLabel_->fontMetrics(), title, summary, mask));
    faceLabel_->adjustSize();
}

void FilterComboBox::restartDebounce()
{
    debounce_->start(DebounceMs);
}
