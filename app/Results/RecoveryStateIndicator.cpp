#include "RecoveryStateIndicator.h"

#include "Application/XApplication.h"
#include "PixelPictures.h"
#include "XBusyIndicator.h"
#include "XImageBox.h"
#include "XLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QStackedWidget>
#include <QVBoxLayout>

struct RecoveryStateIndicator::Private {
    int state = 0;
    QStackedWidget* stack = nullptr;
    QWidget* animation = nullptr;
    QMovie* movie = nullptr;
    XLabel* animationText = nullptr;
    QWidget* nothingFound = nullptr;
    XLabel* nothingFoundText = nullptr;
    QWidget* noResult = nullptr;
    XLabel* noResultTitle = nullptr;
    XLabel* hint1 = nullptr;
    XLabel* hint2 = nullptr;
    XLabel* link = nullptr;
    QWidget* busy = nullptr;
    XBusyIndicator* spinner = nullptr;
    XLabel* busyText = nullptr;
};

namespace {

const QColor primary(QStringLiteral("#0F172A"));
const QColor secondary(QStringLiteral("#64748B"));

XLabel* label(QWidget* parent, const QColor& colour, bool strong)
{
    auto* l = new XLabel(parent);
    l->setTextColor(colour);
    if (strong)
        l->setFontPointSizeAndBold(13.5, true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

XImageBox* unfoundPicture(QWidget* parent)
{
    auto* image = new XImageBox(parent);
    image->setFixedSize(XApplication::scaledX(149), XApplication::scaledY(149));
    const QPixmap picture = loadPicture(QStringLiteral(":/images/unfound-data@2x.png"));
    image->setPixmap(picture.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return image;
}

} // namespace

RecoveryStateIndicator::RecoveryStateIndicator(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->stack = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignCenter);
    layout->addWidget(d->stack);
}

RecoveryStateIndicator::~RecoveryStateIndicator() = default;

QWidget* RecoveryStateIndicator::animationPage()
{
    if (d->animation)
        return d->animation;
    d->animation = new QWidget(d->stack);
    auto* movieLabel = new QLabel(d->animation);
    d->movie = new QMovie(QStringLiteral(":/images/search-data.gif"), QByteArray(), movieLabel);
    d->movie->setScaledSize(QSize(XApplication::scaledX(152), XApplication::scaledY(152)));
    movieLabel->setMovie(d->movie);
    movieLabel->setAlignment(Qt::AlignCenter);
    d->animationText = label(d->animation, primary, true);
    auto* layout = new QVBoxLayout(d->animation);
    layout->addStretch();
    layout->addWidget(movieLabel);
    layout->addWidget(d->animationText);
    layout->addStretch();
    d->stack->addWidget(d->animation);
    return d->animation;
}

QWidget* RecoveryStateIndicator::nothingFoundPage()
{
    if (d->nothingFound)
        return d->nothingFound;
    d->nothingFound = new QWidget(d->stack);
    d->nothingFoundText = label(d->nothingFound, primary, true);
    auto* layout = new QVBoxLayout(d->nothingFound);
    layout->addStretch();
    layout->addWidget(unfoundPicture(d->nothingFound), 0, Qt::AlignHCenter);
    layout->addWidget(d->nothingFoundText, 0, Qt::AlignHCenter);
    layout->addStretch();
    d->stack->addWidget(d->nothingFound);
    return d->nothingFound;
}

QWidget* RecoveryStateIndicator::noResultPage()
{
    if (d->noResult)
        return d->noResult;
    d->noResult = new QWidget(d->stack);
    d->noResultTitle = label(d->noResult, primary, true);
    d->hint1 = label(d->noResult, secondary, false);
    d->hint2 = label(d->noResult, secondary, false);
    d->link = label(d->noResult, secondary, false);
    for (XLabel* l : {d->noResultTitle, d->hint1, d->hint2, d->link})
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    d->link->setTextFormat(Qt::RichText);
    d->link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(d->link, &QLabel::linkActivated, this, &RecoveryStateIndicator::clickToSearchGuidence);
    auto* column = new QVBoxLayout;
    column->setSpacing(XApplication::scaledY(8));
    column->addStretch();
    for (XLabel* l : {d->noResultTitle, d->hint1, d->hint2, d->link})
        column->addWidget(l);
    column->addStretch();
    auto* layout = new QHBoxLayout(d->noResult);
    layout->addStretch();
    layout->addWidget(unfoundPicture(d->noResult), 0, Qt::AlignVCenter);
    layout->addLayout(column);
    layout->addStretch();
    d->stack->addWidget(d->noResult);
    return d->noResult;
}

QWidget* RecoveryStateIndicator::busyPage()
{
    if (d->busy)
        return d->busy;
    d->busy = new QWidget(d->stack);
    d->spinner = new XBusyIndicator(d->busy);
    d->spinner->setFixedSize(XApplication::scaledX(80), XApplication::scaledY(80));
    d->spinner->setPixmap(QStringLiteral(":/images/loading@2x.png"),
                          QSize(XApplication::scaledX(80), XApplication::scaledY(80)));
    d->busyText = label(d->busy, primary, true);
    auto* layout = new QVBoxLayout(d->busy);
    layout->addStretch();
    layout->addWidget(d->spinner, 0, Qt::AlignHCenter);
    layout->addWidget(d->busyText);
    layout->addStretch();
    d->stack->addWidget(d->busy);
    return d->busy;
}

void RecoveryStateIndicator::applyTexts()
{
    if (d->animationText)
        d->animationText->setText(d->state == 0 ? tr("Scanning data, please wait...")
                                                : tr("Searching files, please wait..."));
    if (d->nothingFoundText)
        d->nothingFoundText->setText(tr("No files found, please try again."));
    if (d->noResultTitle) {
        d->noResultTitle->setText(tr("No files found..."));
        if (d->state == 5) {
            d->hint1->setText(tr("1. Wait until the scan is complete and try again."));
            d->hint2->setText(tr("2. You can try to reduce filters."));
        } else {
            d->hint1->setText(tr("1. Try again after the scan is complete."));
            d->hint2->setText(tr("2. Please make sure that you've entered correct words."));
        }
        d->link->setText(
            tr("<p>3. The name of the file may be lost. Please <a href=\"123\">search it here</a>.</p>"));
        d->link->setVisible(d->state == 3);
    }
    if (d->busyText)
        d->busyText->setText(tr("Filtering data, please wait..."));
}

void RecoveryStateIndicator::setState(int state)
{
    d->state = state;
    auto stopAll = [this] {
        if (d->movie && d->movie->state() == QMovie::Running)
            d->movie->stop();
        if (d->spinner)
            d->spinner->stop();
    };
    switch (state) {
    case 0:
    case 2:
        d->stack->setCurrentWidget(animationPage());
        applyTexts();
        d->movie->start();
        break;
    case 1:
        d->stack->setCurrentWidget(nothingFoundPage());
        applyTexts();
        stopAll();
        break;
    case 3:
    case 5:
        d->stack->setCurrentWidget(noResultPage());
        applyTexts();
        stopAll();
        break;
    case 4:
        d->stack->setCurrentWidget(busyPage());
        applyTexts();
        // The animation page is off screen now: its movie need not run.
        if (d->movie && d->movie->state() == QMovie::Running)
            d->movie->stop();
        d->spinner->start(-1);
        break;
    default:
        break;
    }
    repaint();
}

int RecoveryStateIndicator::state() const { return d->state; }
QStackedWidget* RecoveryStateIndicator::pages() const { return d->stack; }
QMovie* RecoveryStateIndicator::movie() const { return d->movie; }
XBusyIndicator* RecoveryStateIndicator::spinner() const { return d->spinner; }
XLabel* RecoveryStateIndicator::linkLabel() const { return d->link; }

QStringList RecoveryStateIndicator::visibleTexts() const
{
    QStringList texts;
    if (QWidget* page = d->stack->currentWidget()) {
        for (const XLabel* l : page->findChildren<XLabel*>()) {
            if (!l->isHidden() && !l->text().isEmpty())
                texts << l->text();
        }
    }
    return texts;
}

void RecoveryStateIndicator::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible) {
        if (d->movie && d->movie->state() == QMovie::Running)
            d->movie->stop();
        if (d->spinner)
            d->spinner->stop();
    }
}

void RecoveryStateIndicator::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QWidget::changeEvent(event);
}
