#include "NoSDCardSolutionProvider.h"

#include "DeviceScale.h"
#include "DiskManagementTool.h"
#include "NoSDCardSolutionProviderDelegate.h"
#include "XLabel.h"
#include "XListView.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

QString withoutAnchors(QString html)
{
    static const QRegularExpression anchor(QStringLiteral("</?a\\b[^>]*>"));
    return html.remove(anchor);
}

NoSDCardSolutionProvider::NoSDCardSolutionProvider(const QSize& pictureSize, int rowHeight, int mode,
                                                   QWidget* parent)
    : QWidget(parent), pictureSize_(pictureSize), list_(new XListView(this)), model_(new QStandardItemModel(this)),
      delegate_(new NoSDCardSolutionProviderDelegate(rowHeight, this))
{
    list_->setObjectName("steps");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->verticalScrollBar()->setSingleStep(40);
    list_->setDragEnabled(false);
    list_->setMouseTracking(true);
    list_->viewport()->setMouseTracking(true);
    list_->setProperty("style", "white");
    list_->setFrameShape(QFrame::NoFrame);
    list_->setSpacing(0);
    list_->setModel(model_);
    list_->setItemDelegate(delegate_);
    list_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (mode == StatusMode) {
        header_ = new XLabel(this);
        header_->setObjectName("diskManagementLink");
        header_->setTextColor(DeviceColors::primaryText);
        header_->setAlignment(Qt::AlignLeft);
        header_->setFontPointSize(12.0);
        header_->setContextMenuPolicy(Qt::NoContextMenu);
        header_->setWordWrap(true);
        // Without a partition tool to open, say where else the card's state shows.
        header_->setText(diskManagementProgram().isEmpty()
                             ? tr("Open your desktop's disk tool, or run <b>lsblk</b> in a terminal, and check the "
                                  "SD card status as follows:")
                             : tr("Open <a style='color: %1;' href=\"help/\">Disk Management</a> and check the SD "
                                  "card status as follows:")
                                   .arg(DeviceColors::accent.name()));
        connect(header_, &QLabel::linkActivated, this, [] { startDiskManagement(); });
        layout->addWidget(header_);
    }
    layout->addWidget(list_);
}

void NoSDCardSolutionProvider::addStep(const QString& text, const QString& picturePath, bool separator)
{
    auto* item = new QStandardItem;
    item->setData(text, NoSDCardSolutionProviderDelegate::TextRole);
    QPixmap picture(picturePath);
    if (!picture.isNull())
        picture = picture.scaled(pictureSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    item->setData(picture, NoSDCardSolutionProviderDelegate::PictureRole);
    item->setData(separator, NoSDCardSolutionProviderDelegate::SeparatorRole);
    model_->appendRow(item);
}

bool NoSDCardSolutionProvider::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseMove) {
        const QModelIndex index = list_->indexAt(static_cast<QMouseEvent*>(event)->pos());
        if (!index.isValid()) {
            list_->viewport()->setCursor(Qt::ArrowCursor);
        } else {
            QStyleOptionViewItem option;
            option.initFrom(list_);
            option.font = list_->font();
            option.rect = list_->visualRect(index);
            option.widget = list_;
            delegate_->editorEvent(event, model_, option, index);
        }
    }
    return QWidget::eventFilter(watched, event);
}
