#include "XSearchBox.h"

#include "Application/XApplication.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const char* const kFlatButtonStyle = "QPushButton:pressed {background: transparent;border: none;}";

QPushButton* makeFlatButton(int side, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFixedSize(XApplication::scaledX(side), XApplication::scaledY(side));
    button->setFlat(true);
    button->setIconSize(button->size());
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(kFlatButtonStyle);
    return button;
}

} // namespace

struct XSearchBox::Private {
    QWidget* centerWidget = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* clearButton = nullptr;
    QLineEdit* lineEdit = nullptr;
};

XSearchBox::XSearchBox(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>())
{
    setFixedSize(XApplication::scaledX(173), XApplication::scaledY(40));
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);

    d->centerWidget = new QWidget(this);
    d->centerWidget->setObjectName("centerWidget_");
    d->centerWidget->setStyleSheet("QWidget#centerWidget_ {border: 1px solid #E2E8F0; "
                                   "border-radius: 8px; background-color: #FFFFFF;}");
    outer->addWidget(d->centerWidget);

    d->searchButton = makeFlatButton(20, d->centerWidget);
    d->clearButton = makeFlatButton(16, d->centerWidget);
    d->clearButton->hide();
    d->lineEdit = new QLineEdit(d->centerWidget);
    d->lineEdit->setStyleSheet("QLineEdit { border: none; }");

    auto* inner = new QHBoxLayout(d->centerWidget);
    inner->setContentsMargins(XApplication::scaledX(16), XApplication::scaledY(10),
                              XApplication::scaledX(6), XApplication::scaledY(10));
    inner->setSpacing(XApplication::scaledX(8));
    inner->addWidget(d->searchButton);
    inner->addWidget(d->lineEdit);
    inner->addWidget(d->clearButton);

    connect(d->lineEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { d->clearButton->setVisible(!text.isEmpty()); });
    connect(d->lineEdit, &QLineEdit::returnPressed, this, [this] {
        if (!d->lineEdit->text().isEmpty())
            emit search(d->lineEdit->text());
    });
    connect(d->searchButton, &QPushButton::clicked, this,
            [this] { emit search(d->lineEdit->text()); });
    connect(d->clearButton, &QPushButton::clicked, this, [this] {
        d->lineEdit->clear();
        emit search(QString());
    });
}

XSearchBox::~XSearchBox() = default;

void XSearchBox::clear(bool silent)
{
    {
        const QSignalBlocker blocker(d->lineEdit);
        d->lineEdit->clear();
    }
    d->clearButton->hide();
    if (!silent)
        emit search(QString());
}

void XSearchBox::setPlaceholderText(const QString& text)
{
    d->lineEdit->setPlaceholderText(text);
}

void XSearchBox::setSearchIcon(const QString& path)
{
    d->searchButton->setIcon(QIcon(path));
}

void XSearchBox::setClearIcon(const QString& path)
{
    d->clearButton->setIcon(QIcon(path));
}

QLineEdit* XSearchBox::lineEdit() const { return d->lineEdit; }
QPushButton* XSearchBox::searchButton() const { return d->searchButton; }
QPushButton* XSearchBox::clearButton() const { return d->clearButton; }
