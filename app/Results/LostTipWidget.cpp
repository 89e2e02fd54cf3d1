#include "LostTipWidget.h"

#include "Application/XApplication.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

struct LostTipWidget::Private {
    XPushButton* closeButton = nullptr;
    int kind = 0;
    int closedKinds = 0;
};

namespace {

int kindOf(quint8 code)
{
    if (code >= 5 && code <= 8)
        return 1;
    if (code == 9 || code == 10)
        return 2;
    if (code == 11 || code == 12)
        return 3;
    if (code == 17)
        return 0;
    return -1;
}

constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

LostTipWidget::LostTipWidget(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    setMinimumHeight(XApplication::scaledY(60));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    d->closeButton = new XPushButton(this);
    d->closeButton->setFixedSize(XApplication::scaledX(20), XApplication::scaledY(20));
    d->closeButton->setStatePixmaps(QStringLiteral(":/images/close-normal@2x.png"),
                                    QStringLiteral(":/images/close-hover@2x.png"),
                                    QStringLiteral(":/images/close-click@2x.png"));
    d->closeButton->scalePixmaps(d->closeButton->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, XApplication::scaledY(8), XApplication::scaledX(8), 0);
    layout->addStretch();
    layout->addWidget(d->closeButton, 0, Qt::AlignRight | Qt::AlignTop);
    connect(d->closeButton, &XPushButton::clicked, this, [this] {
        if (d->kind >= 0 && d->kind <= 3)
            d->closedKinds |= 1 << d->kind;
        hide();
    });
    hide();
}

LostTipWidget::~LostTipWidget() = default;

void LostTipWidget::setKind(quint8 typeCode)
{
    const int k = kindOf(typeCode);
    if (k < 0) {
        if (isVisible())
            hide();
        return;
    }
    d->kind = k;
    // The height follows the kind's text: the layout asks heightForWidth again.
    updateGeometry();
    if (!(d->closedKinds & (1 << k)))
        show();
    update();
}

int LostTipWidget::kind() const { return d->kind; }
int LostTipWidget::closedKinds() const { return d->closedKinds; }
XPushButton* LostTipWidget::closeButton() const { return d->closeButton; }

QString LostTipWidget::title() const
{
    switch (d->kind) {
    case 0: return tr("What are \"Lost-name files\"?");
    case 1: return tr("What is a \"Lost Partition\"?");
    case 2: return tr("What is an \"Unmounted Partition\"?");
    case 3: return tr("What is an \"Unallocated Partition\"?");
    default: return QString();
    }
}

QString LostTipWidget::body() const
{
    switch (d->kind) {
    case 0:
        return tr("Advanced scanning modes can find more lost files. However, some of these files have lost their "
                  "original file names and path information. These files may be exactly the files you need.");
    case 1:
        return tr("Partitions may become lost after deletion or formatting. These files could be exactly what you "
                  "need.");
    case 2: return tr("Partitions may appear unmounted if hidden or lacking a drive letter.");
    case 3:
        return tr("After a partition is deleted, it is not recreated, and the disk space remains unallocated. These "
                  "files may be exactly what you need.");
    default: return QString();
    }
}

QFont LostTipWidget::titleFont() const
{
    QFont font = this->font();
    font.setPointSizeF(12);
    font.setWeight(75);
    return font;
}

QFont LostTipWidget::bodyFont() const
{
    QFont font = this->font();
    font.setPointSizeF(10.5);
    font.setWeight(50);
    return font;
}

LostTipWidget::Layout LostTipWidget::layoutFor(int width) const
{
    const int iconRight = XApplication::scaledX(18) + XApplication::scaledX(32);
    const int left = iconRight + XApplication::scaledX(16);
    const int top = XApplication::scaledY(10);
    const int textWidth = qMax(1, width - XApplication::scaledX(30) - left);
    Layout out;
    out.title = QFontMetrics(titleFont()).boundingRect(QRect(left, top, textWidth, 10000), textFlags, title());
    const int bodyTop = out.title.bottom() + 1 + XApplication::scaledY(5);
    out.body = QFontMetrics(bodyFont()).boundingRect(QRect(left, bodyTop, textWidth, 10000), textFlags, body());
    out.needed = qMax(XApplication::scaledY(40), out.body.bottom() + 1 - top + XApplication::scaledY(10));
    return out;
}

int LostTipWidget::heightForWidth(int width) const
{
    return qMax(XApplication::scaledY(60), layoutFor(width).needed + XApplication::scaledY(10));
}

QSize LostTipWidget::sizeHint() const
{
    const int w = width() > 0 ? width() : XApplication::scaledX(600);
    return QSize(w, heightForWidth(w));
}

void LostTipWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(QStringLiteral("#EBF3FE")));
    const QRectF box = rect();
    const qreal r = XApplication::scaledX(8);
    QPainterPath path;
    path.moveTo(box.left(), box.bottom() + 1);
    path.lineTo(box.left(), box.top() + r);
    path.quadTo(box.left(), box.top(), box.left() + r, box.top());
    path.lineTo(box.right() + 1 - r, box.top());
    path.quadTo(box.right() + 1, box.top(), box.right() + 1, box.top() + r);
    path.lineTo(box.right() + 1, box.bottom() + 1);
    path.closeSubpath();
    painter.drawPath(path);
    const QPixmap icon = QPixmap(QStringLiteral(":/images/question@2x.png"))
                             .scaled(XApplication::scaledX(32), XApplication::scaledY(32), Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
    painter.drawPixmap(XApplication::scaledX(18), (height() - icon.height()) / 2, icon);
    // Always drawn, clipped to the box when the window cannot give the height
    // the text needs; the layout asks for that height through heightForWidth.
    const Layout layout = layoutFor(width());
    painter.setClipRect(rect());
    painter.setPen(QColor(QStringLiteral("#0F172A")));
    painter.setFont(titleFont());
    painter.drawText(layout.title, textFlags, title());
    painter.setFont(bodyFont());
    painter.drawText(layout.body, textFlags, body());
}
