#include "MultiMediaViewer.h"

#include "PreviewPages.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOption>

struct MultiMediaViewer::Private {
    MultiMediaViewer* viewer = nullptr;
    QStackedWidget* stack = nullptr;
    AudioViewer* audio = nullptr;
    DocumentViewer* document = nullptr;
    NotSupportPreview* notSupported = nullptr;
    PictureViewer* picture = nullptr;
    VideoViewer* video = nullptr;
    LoadingAnimationView* loading = nullptr;
};

MultiMediaViewer::MultiMediaViewer(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->viewer = this;
    d->stack = new QStackedWidget(this);
    d->picture = new PictureViewer(d->stack);
    d->video = new VideoViewer(d->stack);
    d->audio = new AudioViewer(d->stack);
    d->document = new DocumentViewer(d->stack);
    d->notSupported = new NotSupportPreview(d->stack);
    d->loading = new LoadingAnimationView(d->stack);
    for (QWidget* page : {static_cast<QWidget*>(d->picture), static_cast<QWidget*>(d->video),
                          static_cast<QWidget*>(d->audio), static_cast<QWidget*>(d->document),
                          static_cast<QWidget*>(d->notSupported), static_cast<QWidget*>(d->loading)})
        d->stack->addWidget(page);
    d->stack->setCurrentWidget(d->loading);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(d->stack);
    layout->addStretch();
    connect(d->notSupported, &NotSupportPreview::recoverSignal, this, &MultiMediaViewer::recoverSignal);
}

MultiMediaViewer::~MultiMediaViewer() = default;

void MultiMediaViewer::showLoading()
{
    d->stack->setCurrentWidget(d->loading);
}

void MultiMediaViewer::showNotSupported(int typeCode)
{
    d->notSupported->setTypeCode(typeCode);
    d->stack->setCurrentWidget(d->notSupported);
}

void MultiMediaViewer::showPicture(const QPixmap& pixmap)
{
    d->picture->setPixmap(pixmap);
    d->stack->setCurrentWidget(d->picture);
}

QWidget* MultiMediaViewer::currentPage() const
{
    return d->stack->currentWidget();
}

QWidget* MultiMediaViewer::loadingPage() const
{
    return d->loading;
}

QWidget* MultiMediaViewer::notSupportedPage() const
{
    return d->notSupported;
}

QWidget* MultiMediaViewer::picturePage() const
{
    return d->picture;
}

void MultiMediaViewer::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
