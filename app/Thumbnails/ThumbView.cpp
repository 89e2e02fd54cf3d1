#include "ThumbView.h"

#include "AppManager.h"
#include "Application/XApplication.h"
#include "DocumentInfo.h"
#include "NodeTypeCode.h"
#include "ThumbDelegate.h"
#include "ThumbModel.h"
#include "ThumbnailCacheEngine.h"
#include "XListView.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTimer>

using NomoThumbCache::ThumbnailCacheEngine;

struct ThumbView::Private {
    ThumbView* view = nullptr;
    XPushButton* left = nullptr;
    XPushButton* right = nullptr;
    XListView* list = nullptr;
    ThumbDelegate* delegate = nullptr;
    ThumbModel* model = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    QTimer* loadTimer = nullptr;
};

namespace {

XPushButton* arrowButton(QWidget* parent, const QString& name)
{
    auto* button = new XPushButton(parent);
    button->setFixedSize(XApplication::scaledX(33), XApplication::scaledY(33));
    const QString base = name + QStringLiteral("-%1@2x.png");
    button->setAllStatePixmaps(AppManager::imagePath(base.arg(QLatin1String("normal"))),
                               AppManager::imagePath(base.arg(QLatin1String("hover"))),
                               AppManager::imagePath(base.arg(QLatin1String("hover"))),
                               AppManager::imagePath(base.arg(QLatin1String("disable"))));
    button->scalePixmaps(button->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return button;
}

}

ThumbView::ThumbView(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->view = this;
    d->list = new XListView(this);
    d->list->setProperty("style", QStringLiteral("transparent"));
    d->list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->setFlow(QListView::LeftToRight);
    d->list->setViewMode(QListView::IconMode);
    d->list->setResizeMode(QListView::Fixed);
    d->list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    d->list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->list->setSelectionMode(QAbstractItemView::SingleSelection);
    d->list->setDragEnabled(false);
    d->list->setWrapping(false);
    d->list->setMouseTracking(true);
    d->list->setSpacing(XApplication::scaledX(14));
    d->list->setFixedSize(XApplication::scaledX(842), XApplication::scaledY(136));
    d->list->setFrameShape(QFrame::NoFrame);
    d->list->setMidLineWidth(0);

    d->model = new ThumbModel(this);
    d->proxy = new QSortFilterProxyModel(this);
    d->proxy->setDynamicSortFilter(false);
    d->proxy->setSourceModel(d->model);
    d->proxy->sort(-1);
    d->delegate = new ThumbDelegate(d->list);
    d->list->setModel(d->proxy);
    d->list->setItemDelegate(d->delegate);

    d->left = arrowButton(this, QStringLiteral("circle_left_arrow"));
    d->right = arrowButton(this, QStringLiteral("circle_right_arrow"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->left, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(d->list, 0, Qt::AlignCenter);
    layout->addWidget(d->right, 0, Qt::AlignRight | Qt::AlignVCenter);

    d->loadTimer = new QTimer(this);
    d->loadTimer->setSingleShot(true);
    connect(d->left, &XPushButton::clicked, this, [this] { selectRow(d->list->currentIndex().row() - 1); });
    connect(d->right, &XPushButton::clicked, this, [this] { selectRow(d->list->currentIndex().row() + 1); });
    connect(d->list, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { selectRow(index.row()); });
    connect(d->loadTimer, &QTimer::timeout, this, [this] {
        d->loadTimer->stop();
        loadVisibleThumbnails();
    });
    // Select first: the cells around the shown file are the ones in view, and
    // loading the strip's start before the scroll would read cells nobody sees.
    connect(d->model, &ThumbModel::syncLoadFinish, this, [this](const QVariant& parameter) {
        selectRow(d->model->exposeDocument(parameter.value<DocumentInfo*>()));
        loadVisibleThumbnails();
    });
    QScrollBar* bar = d->list->horizontalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this] {
        scheduleLoad();
        onUpdateNavButtons();
    });
    connect(bar, &QScrollBar::rangeChanged, this, &ThumbView::onUpdateNavButtons);
}

ThumbView::~ThumbView() = default;

void ThumbView::scheduleLoad()
{
    if (!d->loadTimer->isActive())
        d->loadTimer->start(200);
}

void ThumbView::setDocuments(const QVector<DocumentInfo*>& documents, DocumentInfo* current)
{
    if (documents.isEmpty()) {
        d->model->clear();
        return;
    }
    d->model->setDocumentsAsync(documents, QVariant::fromValue(current));
}

QVariant ThumbView::currentData() const
{
    return d->list->currentIndex().data(Qt::DisplayRole);
}

bool ThumbView::isCurrent(DocumentInfo* doc) const
{
    return doc && currentData().value<DocumentInfo*>() == doc;
}

void ThumbView::updateDocumentThumbnail(DocumentInfo* doc)
{
    d->model->updateDocumentThumbnail(doc);
}

void ThumbView::selectRow(int row)
{
    const int rows = d->proxy->rowCount();
    if (row < 0 || row >= rows)
        return;
    QScrollBar* bar = d->list->horizontalScrollBar();
    const bool listBlocked = d->list->blockSignals(true);
    const bool barBlocked = bar->blockSignals(true);
    d->list->setCurrentIndex(d->proxy->index(row, 0));
    bar->blockSignals(barBlocked);
    d->list->blockSignals(listBlocked);
    d->list->viewport()->update();
    d->left->setEnabled(row != 0);
    d->right->setEnabled(row != rows - 1);
    // The scroll above moved the view with the bar's signals blocked: the cells
    // it brought in must load too.
    scheduleLoad();
    emit currentIndexChanged(currentData());
}

void ThumbView::onUpdateNavButtons()
{
    QScrollBar* bar = d->list->horizontalScrollBar();
    d->left->setEnabled(bar->value() > bar->minimum());
    d->right->setEnabled(bar->value() < bar->maximum());
}

QPair<int, int> ThumbView::visibleRows() const
{
    const int rows = d->proxy->rowCount();
    if (rows == 0)
        return {-1, -1};
    const QRect viewport = d->list->viewport()->rect();
    const int pitch = d->delegate->sizeHint(QStyleOptionViewItem(), QModelIndex()).width() + d->list->spacing();
    if (pitch <= 0)
        return {-1, -1};
    // Cells sit at spacing + row x pitch; the scroll value shifts them left.
    const int offset = d->list->horizontalScrollBar()->value();
    int first = qBound(0, (offset - d->list->spacing()) / pitch, rows - 1);
    while (first > 0 && d->list->visualRect(d->proxy->index(first - 1, 0)).intersects(viewport))
        --first;
    while (first < rows - 1 && !d->list->visualRect(d->proxy->index(first, 0)).intersects(viewport))
        ++first;
    int last = first;
    while (last + 1 < rows && d->list->visualRect(d->proxy->index(last + 1, 0)).intersects(viewport))
        ++last;
    return {first, last};
}

void ThumbView::loadVisibleThumbnails()
{
    if (d->proxy->rowCount() == 0)
        return;
    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    engine->clearTasks();
    // The shown file's task may have been among those dropped: it goes first.
    auto* current = currentData().value<DocumentInfo*>();
    if (current && engine->getThumbnail(current).state == NomoThumbCache::NotLoaded)
        engine->addTaskFirst(current);
    const auto [first, last] = visibleRows();
    if (first < 0)
        return;
    for (int row = first; row <= last; ++row) {
        auto* doc = d->proxy->index(row, 0).data(Qt::DisplayRole).value<DocumentInfo*>();
        if (doc && engine->getThumbnail(doc).state == NomoThumbCache::NotLoaded)
            engine->addTask(doc);
    }
}

XListView* ThumbView::listView() const
{
    return d->list;
}

ThumbModel* ThumbView::model() const
{
    return d->model;
}

XPushButton* ThumbView::leftButton() const
{
    return d->left;
}

XPushButton* ThumbView::rightButton() const
{
    return d->right;
}
