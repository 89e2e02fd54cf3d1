#include "XMessageBox.h"

#include "Application/XApplication.h"
#include "XBusyIndicator.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct ColourScheme {
    QVector<QColor> background;
    QVector<QColor> text;
    QVector<QColor> border; // empty: the background list stands as border
    double borderWidth;     // 0: the button's own default
};

const ColourScheme& colours(XMessageBox::Scheme scheme)
{
    static const ColourScheme weak{
        {QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")},
        {QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")},
        {QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")},
        2.0};
    static const ColourScheme strong{
        {QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")},
        {Qt::white, Qt::white, Qt::white, QColor("#B6B6B6")},
        {Qt::transparent, Qt::transparent, Qt::transparent, Qt::transparent},
        2.0};
    static const ColourScheme super{
        {QColor("#FFB43A"), QColor("#FFA613"), QColor("#FF9F00"), QColor("#B6B6B6")},
        QVector<QColor>(4, QColor(255, 255, 255)),
        {},
        0.0};
    switch (scheme) {
    case XMessageBox::Strong: return strong;
    case XMessageBox::Super: return super;
    default: return weak;
    }
}

} // namespace

struct XMessageBox::Private {
    XImageBox* iconBox = nullptr;
    XLabel* textLabel = nullptr;
    QHBoxLayout* buttonLayout = nullptr;
    XBusyIndicator* busyIndicator = nullptr;
    QList<XPushButton*> buttons;
    IconKind iconKind = NoIcon;
    int defaultButtonId = -1;
    QStringList buttonTexts;
    ButtonStyles buttonStyles = NoButtonStyle;
};

XMessageBox::XMessageBox(QWidget* parent)
    : XDialog(parent), d(std::make_unique<Private>())
{
    setShadowFollowsActivation(true);
    setMinimumSize(XApplication::scaledX(520), XApplication::scaledY(200));
    setMaximumSize(XApplication::scaledX(620), XApplication::scaledY(350));

    d->iconBox = new XImageBox(contentWidget());
    d->iconBox->setFixedSize(XApplication::scaledX(48), XApplication::scaledY(48));
    d->busyIndicator = new XBusyIndicator(contentWidget());
    d->busyIndicator->setFixedSize(XApplication::scaledX(52), XApplication::scaledY(52));
    d->busyIndicator->hide();
    d->textLabel = new XLabel(contentWidget());
    d->textLabel->setWordWrap(true);
    d->textLabel->setTextColor(QColor("#0F172A"));
    d->textLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* topRow = new QHBoxLayout;
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->setSpacing(0);
    topRow->addWidget(d->iconBox);
    topRow->addWidget(d->busyIndicator);
    topRow->addSpacing(XApplication::scaledX(20));
    topRow->addWidget(d->textLabel);

    d->buttonLayout = new QHBoxLayout;
    d->buttonLayout->setContentsMargins(XApplication::scaledX(30), 0, 0, 0);
    d->buttonLayout->setSpacing(XApplication::scaledX(20));
    d->buttonLayout->addStretch();

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(XApplication::scaledX(25), XApplication::scaledY(10),
                               XApplication::scaledX(30), XApplication::scaledY(20));
    layout->setSpacing(XApplication::scaledY(10));
    layout->addLayout(topRow);
    layout->addStretch();
    layout->addLayout(d->buttonLayout);
}

XMessageBox::~XMessageBox() = default;

void XMessageBox::showEvent(QShowEvent* event)
{
    XDialog::showEvent(event);
    const int shown = d->textLabel->height();
    const int needed = d->textLabel->heightForWidth(d->textLabel->width());
    if (needed > shown)
        resize(width(), std::min(maximumHeight(), height() + needed - shown));
}

int XMessageBox::showMessage(QWidget* parent, IconKind kind, const QString& title,
                             const QString& text, const QStringList& buttons, int defaultButtonId,
                             bool richText, ButtonStyles styles)
{
    auto* box = new XMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIconKind(kind);
    box->setTitle(title);
    box->setText(text, richText);
    box->setButtons(buttons, defaultButtonId, styles);
    return box->exec();
}

int XMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                          const QStringList& buttons, int defaultButtonId, bool richText,
                          ButtonStyles styles)
{
    return showMessage(parent, QuestionIcon, title, text, buttons, defaultButtonId, richText, styles);
}

int XMessageBox::information(QWidget* parent, const QString& title, const QString& text,
                             const QStringList& buttons, int defaultButtonId, bool richText,
                             ButtonStyles styles)
{
    return showMessage(parent, InformationIcon, title, text, buttons, defaultButtonId, richText,
                       styles);
}

int XMessageBox::success(QWidget* parent, const QString& title, const QString& text,
                         const QStringList& buttons, int defaultButtonId, bool richText,
                         ButtonStyles styles)
{
    return showMessage(parent, SuccessIcon, title, text, buttons, defaultButtonId, richText, styles);
}

void XMessageBox::setIconKind(IconKind kind)
{
    d->iconKind = kind;
    switch (kind) {
    case QuestionIcon:
        d->iconBox->setImageFile(":/images/icon_question.png", true);
        break;
    case InformationIcon:
        d->iconBox->setImageFile(":/images/icon_information.png", true);
        break;
    case SuccessIcon:
        d->iconBox->setImageFile(":/images/icon_success.png", true);
        break;
    case LoadingIcon:
        d->iconBox->hide();
        d->busyIndicator->show();
        setCloseButtonVisible(false);
        d->busyIndicator->setPixmap(":/images/loading.png",
                                    QSize(XApplication::scaledX(32), XApplication::scaledY(32)));
        d->busyIndicator->start(-1);
        break;
    default:
        d->iconBox->setImageFile(QString(), true);
        break;
    }
}

void XMessageBox::setText(const QString& text, bool richText)
{
    if (richText) {
        d->textLabel->setTextFormat(Qt::RichText);
        d->textLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        d->textLabel->setOpenExternalLinks(true);
    }
    d->textLabel->setText(text);
}

void XMessageBox::setButtons(const QStringList& texts, int defaultButtonId, ButtonStyles styles)
{
    d->buttonStyles = styles;
    d->buttonTexts = texts;
    d->defaultButtonId = defaultButtonId;
    createButtons();
}

QVector<XMessageBox::Scheme> XMessageBox::schemesFor(int buttonCount, int defaultButtonId,
                                                     ButtonStyles styles)
{
    QVector<Scheme> schemes;
    if (styles == NoButtonStyle) {
        for (int i = 0; i < buttonCount; ++i)
            schemes.append(i + 1 == defaultButtonId ? Strong : Weak);
        return schemes;
    }
    QVector<int> flags;
    for (int bit = 1; bit <= LastButtonStyle; bit <<= 1) {
        if (styles.testFlag(static_cast<ButtonStyle>(bit)))
            flags.append(bit);
    }
    while (flags.size() < buttonCount)
        flags.append(WeakButtonStyle);
    for (int i = 0; i < buttonCount; ++i)
        schemes.append(flags[i] == StrongButtonStyle ? Strong
                       : flags[i] == SuperButtonStyle ? Super
                                                      : Weak);
    return schemes;
}

void XMessageBox::createButtons()
{
    while (!d->buttons.isEmpty()) {
        XPushButton* button = d->buttons.takeLast();
        d->buttonLayout->removeWidget(button);
        delete button;
    }
    const auto schemes = schemesFor(d->buttonTexts.size(), d->defaultButtonId, d->buttonStyles);
    for (int i = 0; i < d->buttonTexts.size(); ++i) {
        auto* button = new XPushButton(contentWidget());
        button->setFixedSize(XApplication::scaledX(128), XApplication::scaledY(32));
        const ColourScheme& scheme = colours(schemes[i]);
        button->setBackgroundColors(scheme.background);
        button->setTextColors(scheme.text);
        button->setBorderColors(scheme.border);
        if (scheme.borderWidth > 0)
            button->setBorderWidth(scheme.borderWidth);
        button->setRadius(0.14 * XApplication::scaledY(32));
        addButton(button, d->buttonTexts[i], i + 1);
    }
}

void XMessageBox::addButton(XPushButton* button, const QString& text, int id)
{
    button->setText(text);
    button->setProperty("id", id);
    d->buttonLayout->addWidget(button);
    d->buttons.append(button);
    connect(button, &XPushButton::clicked, this, [this, button] { done(button->property("id").toInt()); });
}

QList<XPushButton*> XMessageBox::buttons() const { return d->buttons; }
int XMessageBox::defaultButtonId() const { return d->defaultButtonId; }

void XMessageBox::keyPressEvent(QKeyEvent* event)
{
    // QDialog would only click a default QPushButton; these buttons are not.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        done(d->defaultButtonId);
        return;
    }
    XDialog::keyPressEvent(event);
}
