#include "Gallery.h"

#include "Pictures.h"
#include "XBusyIndicator.h"
#include "XCircularProgress.h"
#include "XDialog.h"
#include "XLabel.h"
#include "XLine.h"
#include "XMessageBox.h"
#include "XProgressBar.h"
#include "XPushButton.h"
#include "XSearchBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {

XPushButton* titleButton(const QString& glyph, QWidget* parent, const QColor& hover)
{
    auto* button = new XPushButton(parent);
    button->setFixedSize(40, 32);
    button->setBackgroundColors({Qt::white, hover, hover.darker(110), Qt::white});
    button->setTextColors({QColor("#0F172A"), QColor("#0F172A"), QColor("#0F172A"), QColor("#94A3B8")});
    button->setFontPointSize(11);
    button->setText(glyph);
    return button;
}

XPushButton* actionButton(const QString& text, QWidget* parent)
{
    auto* button = new XPushButton(parent);
    button->resize(180, 34);
    button->setBackgroundColors({QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")});
    button->setTextColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")});
    button->setBorderColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
    button->setBorderWidth(2);
    button->setRadius(5);
    button->setText(text);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

} // namespace

Gallery::Gallery(const QString& pictureFolder)
    : pictureFolder_(pictureFolder)
{
    setWindowTitle("Ostrel toolkit gallery");
    setMinimumSize(640, 420);
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette palette = central->palette();
    palette.setColor(QPalette::Window, QColor("#F8FAFC"));
    central->setPalette(palette);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBar());
    layout->addWidget(new XLine(Qt::Horizontal, 1, QColor("#E2E8F0"), central));
    layout->addWidget(buildBody(), 1);
    setCentralWidget(central);
    resize(820, 560);
}

QWidget* Gallery::buildTitleBar()
{
    auto* bar = new QWidget(this);
    bar->setFixedHeight(44);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, Qt::white);
    bar->setPalette(palette);

    auto* title = new XLabel(bar);
    title->setText("Toolkit gallery: drag me, resize from any edge, double-click to maximise");
    title->setTextColor(QColor("#0F172A"));
    title->setFontPointSizeAndBold(10, true);
    auto* minimise = titleButton(QString::fromUtf8("\u2013"), bar, QColor("#F1F5F9"));
    auto* maximise = titleButton(QString::fromUtf8("\u25A1"), bar, QColor("#F1F5F9"));
    auto* close = titleButton(QString::fromUtf8("\u2715"), bar, QColor("#FECACA"));
    connect(minimise, &XPushButton::clicked, this, &QWidget::showMinimized);
    connect(maximise, &XPushButton::clicked, this, [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(close, &XPushButton::clicked, this, &QWidget::close);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(14, 0, 4, 0);
    layout->setSpacing(2);
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(minimise);
    layout->addWidget(maximise);
    layout->addWidget(close);

    setTitleBar(bar);
    addCaptionWidget(title);
    return bar;
}

QWidget* Gallery::buildBody()
{
    const ShotPictures pictures = writeShotPictures(pictureFolder_);
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);

    const struct {
        const char* text;
        XMessageBox::IconKind kind;
        int buttons;
    } boxes[] = {
        {"Question, 3 buttons", XMessageBox::QuestionIcon, 3},
        {"Information, 2 buttons", XMessageBox::InformationIcon, 2},
        {"Success, 1 button", XMessageBox::SuccessIcon, 1},
        {"Loading, 1 button", XMessageBox::LoadingIcon, 1},
    };
    int row = 0;
    for (const auto& box : boxes) {
        auto* button = actionButton(box.text, body);
        connect(button, &XPushButton::clicked, this, [this, box] {
            const QStringList texts = QStringList{"Cancel", "Later", "OK"}.mid(3 - box.buttons);
            const int result = XMessageBox::showMessage(
                this, box.kind, "Message box", "Return gives the default button (the last one); "
                "Escape does nothing; the close button gives 0.", texts, box.buttons);
            report(QString("Message box returned %1").arg(result));
        });
        grid->addWidget(button, row++, 0);
    }

    auto* dialogButton = actionButton("Dialog refusing close", body);
    connect(dialogButton, &XPushButton::clicked, this, [this] {
        auto* dialog = new XDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->resize(460, 260);
        dialog->setTitle("Drag me by the title; closing asks first");
        dialog->setCloseIntercepted(true);
        auto* layout = new QVBoxLayout(dialog->contentWidget());
        auto* label = new XLabel(dialog->contentWidget());
        label->setWordWrap(true);
        label->setText("The close button is refused: the dialog answers with a question, "
                       "and closes only when you agree.");
        layout->addWidget(label);
        connect(dialog, &XDialog::tryClosed, dialog, [dialog] {
            if (XMessageBox::question(dialog, QString(), "Close this dialog?", {"No", "Yes"}, 2) == 2)
                dialog->closeLater(0);
        });
        dialog->open();
    });
    grid->addWidget(dialogButton, row++, 0);

    auto* search = new XSearchBox(body);
    search->setPlaceholderText("Search");
    search->setSearchIcon(pictures.icon);
    search->setClearIcon(pictures.ringFailed);
    connect(search, &XSearchBox::search, this, [this](const QString& text) {
        report(QString("search(\"%1\")").arg(text));
    });
    grid->addWidget(search, 0, 1);

    auto* bar = new XProgressBar(body);
    bar->setFixedSize(240, 8);
    bar->setRadius(4);
    bar->setBackgroundColors(QColor("#E2E8F0"), QColor());
    bar->setProgressColors(QColor("#60A5FA"), QColor("#2563EB"));
    grid->addWidget(bar, 1, 1);

    auto* ring = new XCircularProgress(body);
    ring->setPixmaps(pictures.ringBackground, pictures.ringFinished, pictures.ringFailed);
    ring->setTextFont(QColor("#2563EB"), 8, true);
    ring->start();
    grid->addWidget(ring, 2, 1);

    auto* spinner = new XBusyIndicator(body);
    spinner->setFixedSize(52, 52);
    spinner->setPixmap(pictures.spinner, QSize(33, 33));
    spinner->start(-1);
    grid->addWidget(spinner, 3, 1);

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [bar, ring] {
        const int next = (bar->value() + 1) % 101;
        bar->setValue(next);
        ring->setValue(next);
        if (next == 100)
            ring->showFinished();
        else if (next == 0)
            ring->start();
    });
    timer->start(60);

    status_ = new XLabel(body);
    status_->setTextColor(QColor("#64748B"));
    grid->addWidget(status_, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    return body;
}

void Gallery::report(const QString& text)
{
    status_->setText(text);
}
